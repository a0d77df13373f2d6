// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Chem.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

#include "ChemAccessibility.h"
#include "ChemControls.h"
#include "ChemMessages.h"
#include "ChemSolutions.h"
#include "Controls.h"
#include "DesktopFit.h"
#include "FieldLimit.h"
#include "FormHelpers.h"
#include "Reflow.h"
#include "SolutionPanel.h"
#include "Outcome.h"
#include "SolutionProblems.h"
#include "Utf8.h"
#include "ChemFrames.h"
#include "StaleResults.h"

namespace numora {
namespace {

QString Caption(const char* control) {
    for (const auto& c : chem::kCaptions)
        if (std::string_view(c.control) == control) return U(c.text);
    return {};
}

QString Initial(const char* control) {
    for (const auto& c : chem::kInitialTexts)
        if (std::string_view(c.control) == control) return U(c.text);
    return QStringLiteral("0");
}

// The controls of the window's table, with their initial texts and
// captions from it.
QLineEdit* BoxOf(const char* control) { return Box(control, Initial(control)); }

QLineEdit* ResultOf(const char* control) {
    bool typable = false;
    for (const auto& r : chem::kResultBoxes)
        if (std::string_view(r.control) == control) typable = !r.readOnly;
    QLineEdit* box = Result(control, Initial(control), typable);
    // Each result is a number followed by its unit.
    const std::pair<const char*, const char*> units[] = {
        {chem::kFractionResult, "%"}, {chem::kSolubilityResult, "g"}, {chem::kMolarityResult, "mol/L"}};
    for (const auto& [name, unit] : units)
        if (std::string_view(name) == control) FitResultWidth(box, QLatin1String(unit));
    TooltipFollowsText(box);
    return box;
}

QGroupBox* FrameOf(const char* control) { return Frame(control, Caption(control)); }
QPushButton* ButtonOf(const char* control) { return Button(control, Caption(control)); }
QRadioButton* OptionOf(const char* control) { return Option(control, Caption(control)); }

// A row of the three mass boxes with their units; each mass goes under
// the one before when the row is narrow.
QWidget* MassRow(const chem::MassBoxes& boxes) {
    auto* row = new QWidget;
    auto* layout = new FlowLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const char* const labels[] = {"溶质", "溶剂", "溶液"};
    const char* const names[] = {boxes.solute, boxes.solvent, boxes.solution};
    for (int i = 0; i < 3; ++i)
        layout->addWidget(Piece({Label(U(labels[i])), BoxOf(names[i]), Label(QStringLiteral("g"))}));
    return row;
}

// A frame's row: the masses or amounts, then (beside them while they fit,
// else under them) the commands and the result.
FlowLayout* FrameRow(QGroupBox* frame, std::initializer_list<QWidget*> inputs, std::initializer_list<QWidget*> rest) {
    auto* flow = new FlowLayout(frame);
    for (QWidget* w : inputs) flow->addWidget(w);
    flow->newGroup();
    for (QWidget* w : rest) flow->addWidget(w);
    return flow;
}

}  // namespace

Chem::Chem(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
    setObjectName(QLatin1String(chem::kWindow));
    setWindowTitle(U(chem::kWindowTitle));

    auto* tabs = new QTabBar;
    tabs->setObjectName(QLatin1String(chem::kTabStrip));
    tabs->setTabData(tabs->addTab(U(chem::kTabCaption)), QLatin1String(chem::kTabKey));

    auto* bar = new QStatusBar;
    bar->setObjectName(QLatin1String(chem::kStatusBar));
    bar->setSizeGripEnabled(false);
    status_ = new QLabel(U(chem::kStatusInitial));
    bar->addWidget(status_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(tabs);
    solutions_ = new SolutionPanel(this, services_, chem::kSolutionPanel);
    layout->addWidget(buildFrame(), 1);
    layout->addWidget(bar);

    SelectAllOnFocusEverywhere(this);
    QHash<QString, QString> table;
    for (const auto& h : chem::kHints) table.insert(QLatin1String(h.control), U(h.text));
    table.insert(QLatin1String(chem::kDilutionTarget), U(chem::HintFor(chem::kDilutionTarget, chem::kInitialDirection)));
    hints_ = new HintFilter(table, [this](const QString& t) { setStatus(t); }, this);
    hints_->installOn(this);
    ApplyAccessibility(this, ChemAccessibility());
    WatchResultFrames(this, chem::kFrames);
    RefuseOverlongInput(this, services_.dialogs);
    SensibleInputWidths(this);
    SetDefaultSize(this, 7800);
    setMode(static_cast<int>(chem::kInitialMode));
}

Chem::~Chem() = default;

QString Chem::statusText() const { return status_->text(); }

void Chem::setStatus(const QString& text) { status_->setText(text); }

std::string Chem::text(const char* control) const {
    return CalcText(const_cast<Chem*>(this), QLatin1String(control));
}

QWidget* Chem::buildFrame() {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(chem::kPage));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    QGroupBox* all = FrameOf(chem::kSolutionFrame);
    pageLayout->addWidget(all);
    auto* column = new QVBoxLayout(all);

    // The known masses.
    QGroupBox* modeFrame = FrameOf(chem::kModeFrame);
    auto* modeRow = new FlowLayout(modeFrame);
    modes_ = new QButtonGroup(this);
    for (const auto& mode : chem::kModes) {
        QRadioButton* option = OptionOf(mode.control);
        modes_->addButton(option, static_cast<int>(mode.mode));
        modeRow->addWidget(option);
    }
    modes_->button(static_cast<int>(chem::kInitialMode))->setChecked(true);
    connect(modes_, &QButtonGroup::idClicked, this, &Chem::setMode);
    column->addWidget(modeFrame);

    // Mass fraction.
    QGroupBox* fraction = FrameOf(chem::kFractionFrame);
    QWidget* fractionMasses = MassRow(chem::kFractionBoxes);
    QPushButton* soluteButton = ButtonOf(chem::kSoluteFractionButton);
    QPushButton* solventButton = ButtonOf(chem::kSolventFractionButton);
    connect(soluteButton, &QPushButton::clicked, this, [this] { massFraction(false); });
    connect(solventButton, &QPushButton::clicked, this, [this] { massFraction(true); });
    FrameRow(fraction, {fractionMasses},
             {soluteButton, solventButton, ResultOf(chem::kFractionResult), solutionButton(chem::kFractionSolution)});
    column->addWidget(fraction);

    // Solubility.
    QGroupBox* solubility = FrameOf(chem::kSolubilityFrame);
    QWidget* solubilityMasses = MassRow(chem::kSolubilityBoxes);
    QPushButton* solubilityButton = ButtonOf(chem::kSolubilityButton);
    connect(solubilityButton, &QPushButton::clicked, this, &Chem::solubility);
    FrameRow(solubility, {solubilityMasses},
             {solubilityButton, ResultOf(chem::kSolubilityResult), solutionButton(chem::kSolubilitySolution)});
    column->addWidget(solubility);

    // Molar concentration.
    QGroupBox* molarity = FrameOf(chem::kMolarityFrame);
    QWidget* amount = Piece({BoxOf(chem::kMolarityAmount), Label(QStringLiteral("mol"))});
    QWidget* volume = Piece({BoxOf(chem::kMolarityVolume), Label(QStringLiteral("L"))});
    QPushButton* molarityButton = ButtonOf(chem::kMolarityButton);
    connect(molarityButton, &QPushButton::clicked, this, &Chem::molarity);
    FrameRow(molarity, {amount, volume},
             {molarityButton, ResultOf(chem::kMolarityResult), solutionButton(chem::kMolaritySolution)});
    column->addWidget(molarity);

    // Dilution and concentration.
    QGroupBox* dilution = FrameOf(chem::kDilutionFrame);
    FlowLayout* dilutionRow = FrameRow(dilution, {MassRow(chem::kDilutionBoxes)}, {});
    directions_ = new QButtonGroup(this);
    for (const auto& d : chem::kDirections) {
        QRadioButton* option = OptionOf(d.control);
        directions_->addButton(option, static_cast<int>(d.direction));
        dilutionRow->addWidget(option);
    }
    directions_->button(static_cast<int>(chem::kInitialDirection))->setChecked(true);
    connect(directions_, &QButtonGroup::idClicked, this, &Chem::directionChanged);
    dilutionRow->addWidget(Piece({BoxOf(chem::kDilutionTarget), Label(QStringLiteral("%"))}));
    QPushButton* dilutionButton = ButtonOf(chem::kDilutionButton);
    connect(dilutionButton, &QPushButton::clicked, this, &Chem::dilution);
    dilutionRow->addWidget(dilutionButton);
    dilutionRow->addWidget(solutionButton(chem::kDilutionSolution));
    column->addWidget(dilution);
    column->addStretch();
    return page;
}

void Chem::setMode(int mode) {
    if (mode < 1 || mode > 3) return;
    mode_ = mode;
    if (QAbstractButton* option = modes_->button(mode); option && !option->isChecked()) option->setChecked(true);
    const chem::ModeState state = chem::StateOf(static_cast<chem::KnownMasses>(mode));
    // A locked box keeps its text and cannot be edited.
    for (const chem::BoxLock& box : state.boxes) findChild<QLineEdit*>(QLatin1String(box.control))->setReadOnly(box.locked);
    findChild<QWidget*>(QLatin1String(chem::kMolarityFrame))->setEnabled(state.molarityEnabled);
}

void Chem::directionChanged() {
    const auto direction = static_cast<chem::Direction>(directions_->checkedId());
    hints_->setHint(QLatin1String(chem::kDilutionTarget), U(chem::HintFor(chem::kDilutionTarget, direction)));
}

namespace {
chem::MassTexts Masses(const std::string (&t)[3]) { return {t[0], t[1], t[2]}; }
}  // namespace

// A problem's 解题过程 button: the steps for the frame's current boxes in
// the window's solution panel.
QPushButton* Chem::solutionButton(const char* name) {
    QPushButton* button = Button(QLatin1String(name), U("解题过程"));
    connect(button, &QPushButton::clicked, this, [this, name, button] {
        const auto masses = [this](const chem::MassBoxes& boxes) {
            return std::array<std::string, 3>{text(boxes.solute), text(boxes.solvent), text(boxes.solution)};
        };
        const auto mode = static_cast<chem::KnownMasses>(mode_);
        const std::string_view which = name;
        if (which == chem::kFractionSolution) {
            const auto t = masses(chem::kFractionBoxes);
            const bool solvent = fractionOf_ == chem::FractionOf::Solvent;
            solutions_->present(Caption(chem::kFractionFrame) + U(solvent ? "(溶剂质量分数)" : "(溶质质量分数)"),
                                chem::MassFractionSolution(mode, fractionOf_, {t[0], t[1], t[2]}), button);
        } else if (which == chem::kSolubilitySolution) {
            const auto t = masses(chem::kSolubilityBoxes);
            solutions_->present(Caption(chem::kSolubilityFrame), chem::SolubilitySolution(mode, {t[0], t[1], t[2]}),
                                button);
        } else if (which == chem::kMolaritySolution) {
            solutions_->present(Caption(chem::kMolarityFrame),
                                chem::MolarConcentrationSolution(text(chem::kMolarityAmount), text(chem::kMolarityVolume)),
                                button);
        } else {
            const auto t = masses(chem::kDilutionBoxes);
            solutions_->present(Caption(chem::kDilutionFrame),
                                chem::DilutionSolution(static_cast<chem::Direction>(directions_->checkedId()), mode,
                                                       {t[0], t[1], t[2]}, text(chem::kDilutionTarget)),
                                button);
        }
    });
    return button;
}

void Chem::massFraction(bool solvent) {
    setStatus(U(kCalculating));
    fractionOf_ = solvent ? chem::FractionOf::Solvent : chem::FractionOf::Solute;
    const std::string t[3] = {text(chem::kFractionBoxes.solute), text(chem::kFractionBoxes.solvent),
                              text(chem::kFractionBoxes.solution)};
    ApplyOutcome(this,
                 chem::MassFraction(static_cast<chem::KnownMasses>(mode_),
                                    solvent ? chem::FractionOf::Solvent : chem::FractionOf::Solute, Masses(t)),
                 services_.dialogs);
}

void Chem::solubility() {
    setStatus(U(kCalculating));
    const std::string t[3] = {text(chem::kSolubilityBoxes.solute), text(chem::kSolubilityBoxes.solvent),
                              text(chem::kSolubilityBoxes.solution)};
    ApplyOutcome(this, chem::Solubility(static_cast<chem::KnownMasses>(mode_), Masses(t)), services_.dialogs);
}

void Chem::molarity() {
    setStatus(U(kCalculating));
    ApplyOutcome(this, chem::MolarConcentration(text(chem::kMolarityAmount), text(chem::kMolarityVolume)),
                 services_.dialogs);
}

void Chem::dilution() {
    setStatus(U(kCalculating));
    const std::string t[3] = {text(chem::kDilutionBoxes.solute), text(chem::kDilutionBoxes.solvent),
                              text(chem::kDilutionBoxes.solution)};
    ApplyOutcome(this,
                 chem::Dilution(static_cast<chem::Direction>(directions_->checkedId()),
                                static_cast<chem::KnownMasses>(mode_), Masses(t), text(chem::kDilutionTarget)),
                 services_.dialogs);
}

}  // namespace numora
