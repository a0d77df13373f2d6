// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Maths.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "Controls.h"
#include "DesktopFit.h"
#include "EquationSolvers.h"
#include "ExactLine.h"
#include "ExactSolvers.h"
#include "ExactTrig.h"
#include "FormHelpers.h"
#include "JobRunner.h"
#include "TabbedWindow.h"
#include "MathsAccessibility.h"
#include "MathsControls.h"
#include "FieldLimit.h"
#include "MultiplicationFormulas.h"
#include "Outcome.h"
#include "PlotCanvas.h"
#include "FunctionCanvas.h"
#include "PlotterPage.h"
#include "Reflow.h"
#include "SettingsStore.h"
#include "SolutionPanel.h"
#include "SolverSteps.h"
#include "Trigonometry.h"
#include "Utf8.h"
#include "MathsFrames.h"
#include "StaleResults.h"

namespace numora {
namespace {

// A small raised "2" after an x.
QLabel* Squared() {
    auto* label = new QLabel(QStringLiteral("x<sup>2</sup>"));
    label->setTextFormat(Qt::RichText);
    return label;
}

// The arrow between the two range boxes of the sketch, pointing from the
// left end to the right end (three lines).
class RangeArrow final : public QWidget {
public:
    RangeArrow() { setFixedSize(40, 16); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(palette().color(QPalette::WindowText), 2));
        const int y = height() / 2, right = width() - 3;
        p.drawLine(3, y, right, y);                 // MathsTriFDrawerLine3
        p.drawLine(right, y, right - 6, y - 5);     // MathsTriFDrawerLine4
        p.drawLine(right, y, right - 6, y + 5);     // MathsTriFDrawerLine5
    }
};

}  // namespace

Maths::Maths(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
    setObjectName(QLatin1String(maths::kWindow));
    sketchJob_ = new JobRunner(this, QStringLiteral("MathsTriFDrawerJob"));
    setWindowTitle(U(maths::kWindowTitle));

    solutions_ = new SolutionPanel(this, services_, maths::kSolutionPanel);
    QWidget* const pages[] = {buildEquationPage(), buildTrigPage(), buildFormulaPage(),
                              plotter_ = new PlotterPage(services_)};
    std::vector<TabbedWindow::Tab> tabs;
    for (std::size_t i = 0; i < maths::kTabs.size(); ++i)
        tabs.push_back({U(maths::kTabs[i].caption), QLatin1String(maths::kTabs[i].key), {}, pages[i]});
    frame_ = new TabbedWindow(this, QLatin1String(maths::kTabStrip), tabs, U(maths::kStatusInitial));
    // Every selection of the plotter's tab applies its range: it opens on a
    // cleared canvas.
    connect(frame_, &TabbedWindow::selected, this, [this](const QString& key) {
        if (key == QLatin1String(maths::kPlotPage)) plotter_->apply();
    });
    connect(plotter_, &PlotterPage::status, this, &Maths::setStatus);

    SelectAllOnFocusEverywhere(this);
    for (const char* name : maths::kTooltipResults) {
        auto* box = findChild<QLineEdit*>(QLatin1String(name));
        FitResultWidth(box);
        box->installEventFilter(this);
    }
    installHints();
    ApplyAccessibility(this, MathsAccessibility());
    WatchResultFrames(this, maths::kFrames);
    plotter_->nameControls();
    // The grid box holds one digit: more is not a grid count of 1 to 9.
    RefuseOverlongInput(this, services_.dialogs, {{QLatin1String(maths::kGridBox), U("网格数应为正整数")}});
    SensibleInputWidths(this);
    SetDefaultSize(this, 7110, 4995);
    selectTab(QLatin1String(maths::kEquationPage));
}

Maths::~Maths() = default;

void Maths::installHints() {
    QHash<QString, QString> table;
    for (const auto& [control, hint] : maths::kHints) table.insert(QLatin1String(control), U(hint));
    hints_ = frame_->installHints(table);
}

bool Maths::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) box->setToolTip(box->text());
    }
    return QWidget::eventFilter(watched, event);
}

QString Maths::statusText() const { return frame_->status(); }

void Maths::setStatus(const QString& text) { frame_->setStatus(text); }

QString Maths::text(const char* control) const { return FieldText(const_cast<Maths*>(this), QLatin1String(control)); }

void Maths::apply(const Outcome& outcome) { ApplyOutcome(this, outcome, services_.dialogs); }

void Maths::selectTab(const QString& key) { frame_->select(key); }

PlotCanvas* Maths::plotCanvas() const { return plotter_->canvas(); }

FunctionCanvas* Maths::functionCanvas() const { return plotter_->canvas(); }

const maths::AxisLayout& Maths::axes() const { return plotter_->axes(); }

void Maths::closeEvent(QCloseEvent* event) {
    sketchJob_->abandon();  // nothing of a running sketch reaches the window any more
    QWidget::closeEvent(event);
}

// ---- Equations -----------------------------------------------------------------

QWidget* Maths::buildEquationPage() {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(maths::kEquationPage));
    auto* pageLayout = new QVBoxLayout(page);
    QGroupBox* all = Frame(maths::kEquationFrame, "解简易方程(组)");
    auto* column = new QVBoxLayout(all);
    pageLayout->addWidget(all);
    pageLayout->addStretch();

    // Each frame: the equations, then the start and 解题过程 buttons and the
    // roots, on one line while they fit, else under the equations; the
    // exact line under them all.
    auto rows = [this](std::initializer_list<QWidget*> equations, QPushButton* start, const char* solution,
                       QWidget* roots, const char* exact, QGroupBox* frame) {
        auto* flow = new FlowLayout(frame);
        for (QWidget* w : equations) flow->addWidget(w);
        flow->newGroup();
        flow->addWidget(start);
        flow->addWidget(solutionButton(solution, frame->title()));
        flow->addWidget(roots);
        flow->newLine();
        flow->addWidget(ExactLine(QLatin1String(exact)));
    };
    // A grid of equations or roots as one piece.
    auto grid = [] {
        auto* piece = new QWidget;
        auto* layout = new QGridLayout(piece);
        layout->setContentsMargins(0, 0, 0, 0);
        return std::pair{piece, layout};
    };

    // a x² + b x + c = 0
    {
        QGroupBox* frame = Frame(maths::kQuadraticFrame, "标准一元二次方程");
        const auto& c = maths::kQuadraticBoxes;
        QWidget* equation = Piece({Box(c[0], QStringLiteral("0")), Squared(), Label("+"),
                                   Box(c[1], QStringLiteral("0")), Label("x +"), Box(c[2], QStringLiteral("0")),
                                   Label("= 0")});
        QPushButton* start = Button(QLatin1String(maths::kQuadraticButton), "开始");
        connect(start, &QPushButton::clicked, this, &Maths::solveQuadratic);
        QWidget* roots = Piece({Label("x1 ="), Result(maths::kQuadraticX1), Label("x2 ="), Result(maths::kQuadraticX2)});
        rows({equation}, start, maths::kQuadraticSolution, roots, maths::kQuadraticExact, frame);
        column->addWidget(frame);
    }
    // a1 x + b1 y = c1, a2 x + b2 y = c2
    {
        QGroupBox* frame = Frame(maths::kLinear2Frame, "二元一次方程组");
        auto [equations, inputs] = grid();
        for (int row = 0; row < 2; ++row) {
            inputs->addWidget(Box(maths::kLinear2Boxes[row * 3], QStringLiteral("0")), row, 0);
            inputs->addWidget(Label("x +"), row, 1);
            inputs->addWidget(Box(maths::kLinear2Boxes[row * 3 + 1], QStringLiteral("0")), row, 2);
            inputs->addWidget(Label("y ="), row, 3);
            inputs->addWidget(Box(maths::kLinear2Boxes[row * 3 + 2], QStringLiteral("0")), row, 4);
        }
        QPushButton* start = Button(QLatin1String(maths::kLinear2Button), "开 始");
        connect(start, &QPushButton::clicked, this, &Maths::solveLinear2);
        auto [roots, results] = grid();
        results->addWidget(Label("x ="), 0, 0);
        results->addWidget(Result(maths::kLinear2X), 0, 1);
        results->addWidget(Label("y ="), 1, 0);
        results->addWidget(Result(maths::kLinear2Y), 1, 1);
        rows({equations}, start, maths::kLinear2Solution, roots, maths::kLinear2Exact, frame);
        column->addWidget(frame);
    }
    // Three equations in x, y, z.
    {
        QGroupBox* frame = Frame(maths::kLinear3Frame, "三元一次方程组");
        auto [equations, inputs] = grid();
        const char* const unknowns[] = {"x +", "y +", "z ="};
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 4; ++col) {
                inputs->addWidget(Box(maths::kLinear3Boxes[row * 4 + col], QStringLiteral("0")), row, col * 2);
                if (col < 3) inputs->addWidget(Label(unknowns[col]), row, col * 2 + 1);
            }
        }
        QPushButton* start = Button(QLatin1String(maths::kLinear3Button), "开   始");
        connect(start, &QPushButton::clicked, this, &Maths::solveLinear3);
        auto [roots, results] = grid();
        const char* const labels[] = {"x =", "y =", "z ="};
        const char* const roots3[] = {maths::kLinear3X, maths::kLinear3Y, maths::kLinear3Z};
        for (int row = 0; row < 3; ++row) {
            results->addWidget(Label(labels[row]), row, 0);
            results->addWidget(Result(roots3[row]), row, 1);
        }
        rows({equations}, start, maths::kLinear3Solution, roots, maths::kLinear3Exact, frame);
        column->addWidget(frame);
    }
    return page;
}

// A frame's 解题过程 button: it shows the steps of the frame's current
// inputs in the window's solution panel.
QPushButton* Maths::solutionButton(const char* name, const QString& problem) {
    QPushButton* button = Button(QLatin1String(name), U("解题过程"));
    connect(button, &QPushButton::clicked, this, [this, name, problem, button] {
        QString title = problem;
        if (std::string_view(name) == maths::kTrigSolution) {
            for (const maths::TrigButton& b : maths::kTrigButtons)
                if (b.function == lastTrig_) title += U("(%1)").arg(U(b.caption).remove(QLatin1Char(' ')));
        }
        solutions_->present(title, workedSolution(name), button);
    });
    return button;
}

WorkedSolution Maths::workedSolution(std::string_view button) const {
    auto* self = const_cast<Maths*>(this);
    if (button == maths::kQuadraticSolution) {
        const auto& c = maths::kQuadraticBoxes;
        return maths::QuadraticSolution(CalcText(self, c[0]), CalcText(self, c[1]), CalcText(self, c[2]));
    }
    if (button == maths::kLinear2Solution) {
        std::string t[6];
        for (std::size_t i = 0; i < 6; ++i) t[i] = CalcText(self, maths::kLinear2Boxes[i]);
        return maths::Linear2Solution(t[0], t[1], t[2], t[3], t[4], t[5]);
    }
    if (button == maths::kLinear3Solution) {
        std::string t[12];
        for (std::size_t i = 0; i < 12; ++i) t[i] = CalcText(self, maths::kLinear3Boxes[i]);
        return maths::Linear3Solution(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11]);
    }
    return maths::TrigSolution(lastTrig_, CalcText(self, maths::kAngle), units_->checkedId() == 1);
}

void Maths::solveQuadratic() {
    const auto& c = maths::kQuadraticBoxes;
    const std::string a = CalcText(this, c[0]), b = CalcText(this, c[1]), k = CalcText(this, c[2]);
    apply(WithExactLine(maths::SolveQuadratic(a, b, k), maths::kQuadraticExact, maths::ExactQuadratic(a, b, k)));
}

void Maths::solveLinear2() {
    setStatus(U(kCalculating));
    std::string t[6];
    for (int i = 0; i < 6; ++i) t[i] = CalcText(this, maths::kLinear2Boxes[static_cast<std::size_t>(i)]);
    apply(WithExactLine(maths::SolveLinear2(t[0], t[1], t[2], t[3], t[4], t[5]), maths::kLinear2Exact,
                        maths::ExactLinear2(t[0], t[1], t[2], t[3], t[4], t[5])));
}

void Maths::solveLinear3() {
    setStatus(U(kCalculating));
    std::string t[12];
    for (int i = 0; i < 12; ++i) t[i] = CalcText(this, maths::kLinear3Boxes[static_cast<std::size_t>(i)]);
    apply(WithExactLine(maths::SolveLinear3(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11]),
                        maths::kLinear3Exact,
                        maths::ExactLinear3(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11])));
}

// ---- Trigonometry --------------------------------------------------------------

QWidget* Maths::buildTrigPage() {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(maths::kTrigPage));
    auto* column = new QVBoxLayout(page);

    // The angle and its unit, the six functions, the result: each group on a
    // line of its own when the frame is narrow.
    QGroupBox* calc = Frame(maths::kTrigFrame, "三角函数");
    auto* flow = new FlowLayout(calc);
    flow->addWidget(Box(QLatin1String(maths::kAngle), QStringLiteral("0"), 256));
    QGroupBox* unitFrame = Frame(maths::kUnitFrame, "角的计量法");
    auto* unitRow = new QHBoxLayout(unitFrame);
    units_ = new QButtonGroup(this);
    QRadioButton* degrees = Option(QLatin1String(maths::kUnits[0].control), U(maths::kUnits[0].caption));
    degrees->setChecked(true);
    QRadioButton* radians = Option(QLatin1String(maths::kUnits[1].control), U(maths::kUnits[1].caption));
    units_->addButton(degrees, 0);
    units_->addButton(radians, 1);
    unitRow->addWidget(degrees);
    unitRow->addWidget(radians);
    connect(units_, &QButtonGroup::idClicked, this, &Maths::unitChanged);
    flow->addWidget(unitFrame);
    flow->newGroup();
    for (int i = 0; i < 6; ++i) {
        const auto& b = maths::kTrigButtons[static_cast<std::size_t>(i)];
        QPushButton* button = Button(QLatin1String(b.control), b.caption);
        connect(button, &QPushButton::clicked, this, [this, i] { runTrig(i); });
        flow->addWidget(button);
    }
    flow->newGroup();
    QLineEdit* result = Result(QLatin1String(maths::kTrigResult));
    FitResultWidth(result);
    result->setMaximumWidth(QWIDGETSIZE_MAX);  // the whole line: it holds the longest texts of the window
    TooltipFollowsText(result);                // whole also where the line is short
    flow->addWidget(result);
    flow->addWidget(solutionButton(maths::kTrigSolution, calc->title()));
    flow->newLine();
    flow->addWidget(ExactLine(QLatin1String(maths::kTrigExact)));
    column->addWidget(calc);

    QGroupBox* sketch = Frame(maths::kSketchFrame, "绘制草图");
    auto* sketchColumn = new QVBoxLayout(sketch);
    auto* controlBox = new QWidget;
    auto* controls = new FlowLayout(controlBox);
    controls->setContentsMargins(0, 0, 0, 0);
    QPushButton* sine = Button(QLatin1String(maths::kSketchSine), "正弦(红)");
    QPushButton* cosine = Button(QLatin1String(maths::kSketchCosine), "余弦(蓝)");
    connect(sine, &QPushButton::clicked, this, [this] { runSketch(false); });
    connect(cosine, &QPushButton::clicked, this, [this] { runSketch(true); });
    controls->addWidget(sine);
    controls->addWidget(cosine);
    QLineEdit* left = Result(QLatin1String(maths::kSketchLeft), QStringLiteral("-6.283"));
    left->setMaxLength(6);
    left->setFixedWidth(64);
    QLineEdit* right = Box(QLatin1String(maths::kSketchRight), QStringLiteral("6.283"), 5);
    right->setFixedWidth(64);
    controls->addWidget(Piece({left, new RangeArrow, right}));
    // The left end follows the right end character for character.
    connect(right, &QLineEdit::textChanged, left, [left](const QString& t) { left->setText(QLatin1Char('-') + t); });
    QPushButton* stop = Button(QLatin1String(maths::kSketchStop), "停止(&S)");
    connect(stop, &QPushButton::clicked, this, &Maths::stopSketch);
    controls->addWidget(stop);
    QPushButton* clear = Button(QLatin1String(maths::kSketchClear), "清 除");
    controls->addWidget(clear);
    sketchColumn->addWidget(controlBox);
    // The range boxes come before the buttons that draw over that range.
    QWidget::setTabOrder(left, right);
    QWidget::setTabOrder(right, sine);
    QWidget::setTabOrder(sine, cosine);
    QWidget::setTabOrder(cosine, stop);
    QWidget::setTabOrder(stop, clear);
    sketch_ = new PlotCanvas(services_, QSize(6375 / 10, 1815 / 10));  // half as large again as the twips
    sketch_->setObjectName(QLatin1String(maths::kSketchCanvas));
    sketch_->setMapping({-maths::kPi, 2, maths::kPi, -2});
    sketch_->setCentreAxes();
    sketch_->setDescriptionBase(U("三角函数草图，横轴 -π 至 π，纵轴 -2 至 2"));
    connect(clear, &QPushButton::clicked, this, [this] {
        sketchJob_->abandon();  // a stopped sketch still ending draws nothing more
        sketch_->clear();
    });
    connect(sketch_, &PlotCanvas::mouseMovedTo, this,
            [this](double x, double y) { setStatus(QString::fromStdString(maths::SketchReadout(x, y))); });
    sketchColumn->addWidget(sketch_);
    column->addWidget(sketch);
    column->addStretch();
    return page;
}

void Maths::unitChanged() {
    const maths::UnitRow& unit = maths::kUnits[units_->checkedId() == 1 ? 1 : 0];
    hints_->setHint(QLatin1String(maths::kAngle), U(unit.angleHint));
}

void Maths::runTrig(int button) {
    setStatus(U(kCalculating));
    lastTrig_ = maths::kTrigButtons[static_cast<std::size_t>(button)].function;
    const std::string angle = CalcText(this, maths::kAngle);
    const bool radians = units_->checkedId() == 1;
    apply(WithExactLine(maths::Trig(lastTrig_, angle, radians), maths::kTrigExact,
                        maths::ExactTrig(lastTrig_, angle, radians)));
}

// ---- Multiplication formulas ---------------------------------------------------------

QWidget* Maths::buildFormulaPage() {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(maths::kFormulaPage));
    auto* column = new QVBoxLayout(page);
    QGroupBox* frame = Frame(maths::kFormulaFrame, "乘法公式");
    QLineEdit* a = Box(QLatin1String(maths::kFormulaA), QStringLiteral("0"));
    a->setToolTip(U(maths::kFormulaATooltip));
    QLineEdit* b = Box(QLatin1String(maths::kFormulaB), QStringLiteral("0"));
    b->setToolTip(U(maths::kFormulaBTooltip));
    QLineEdit* result = Result(QLatin1String(maths::kFormulaResult));
    result->setToolTip(U(maths::kFormulaResultTooltip));
    // a and b, the result, the five formulas: a group a line when narrow.
    auto* flow = new FlowLayout(frame);
    flow->addWidget(Piece({Label("a ="), a}));
    flow->addWidget(Piece({Label("b ="), b}));
    flow->newGroup();
    flow->addWidget(Piece({Label("="), result}));
    flow->newGroup();
    for (int i = 0; i < 5; ++i) {
        const auto& f = maths::kFormulaButtons[static_cast<std::size_t>(i)];
        QPushButton* button = Button(QLatin1String(f.control), f.caption);
        button->setToolTip(QLatin1String(f.tooltip));
        connect(button, &QPushButton::clicked, this, [this, i] { runFormula(i + 1); });
        flow->addWidget(button);
    }
    column->addWidget(frame);
    column->addStretch();
    return page;
}

void Maths::runFormula(int which) {
    setStatus(U(kCalculating));
    apply(maths::MultiplicationFormula(which, CalcText(this, maths::kFormulaA), CalcText(this, maths::kFormulaB)));
}

// ---- Trigonometric sketch -----------------------------------------------------------

void Maths::runSketch(bool cosine) {
    const maths::SketchStart start = maths::CheckSketch(CalcText(this, maths::kSketchRight));
    if (start.outcome.failed()) {
        apply(start.outcome);
        return;
    }
    const char* const buttons[] = {maths::kSketchSine, maths::kSketchCosine, maths::kSketchClear};
    // While the sketch runs, a focus on one of its buttons waits on the stop
    // button; afterwards it goes back where the user had it.
    auto focus = std::make_shared<FocusKeeper>();
    for (const char* b : buttons) {
        if (auto* button = findChild<QPushButton*>(QLatin1String(b)); button->hasFocus())
            findChild<QPushButton*>(QLatin1String(maths::kSketchStop))->setFocus(Qt::OtherFocusReason);
    }
    for (const char* b : buttons) findChild<QPushButton*>(QLatin1String(b))->setEnabled(false);
    focus->settled();
    const double r = start.r;
    sketch_->setMapping({-r, 2, r, -2});
    sketch_->setDescriptionBase(U("三角函数草图，横轴 %1 至 %2，纵轴 -2 至 2")
                                    .arg(text(maths::kSketchLeft), text(maths::kSketchRight)));
    sketch_->addDescriptionItem(cosine ? U("余弦曲线 y = cos x(蓝)") : U("正弦曲线 y = sin x(红)"));
    const maths::Rgb colour = cosine ? maths::Rgb{0, 0, 255} : maths::Rgb{255, 0, 0};
    // The curve grows outwards from x = 0 on the job's thread and is drawn
    // as its segments come. A stop has enabled the buttons already; the
    // segments sent before it are still drawn.
    using Segments = std::vector<maths::Segment>;
    sketchJob_->start<Segments>(
        [cosine, r, step = maths::SketchStep(r)](JobChannel<Segments>& channel) {
            Segments pending;
            for (double t = 0; t <= r; t += step) {
                if (!pending.empty() && channel.due()) channel.send(std::exchange(pending, {}));
                if (channel.cancelled()) break;
                for (const maths::Segment& s : maths::SketchSegments(cosine, t, step)) pending.push_back(s);
            }
            if (!pending.empty()) channel.send(std::move(pending));
        },
        [this, colour](std::vector<Segments>& batches) {
            Segments all;
            for (Segments& batch : batches) all.insert(all.end(), batch.begin(), batch.end());
            sketch_->addSegments(all, colour);
        },
        [this, focus](JobRunner::End end, const QString&) {
            if (end == JobRunner::End::Cancelled) return;  // the stop button has enabled the buttons
            for (const char* b : {maths::kSketchSine, maths::kSketchCosine, maths::kSketchClear})
                findChild<QPushButton*>(QLatin1String(b))->setEnabled(true);
            focus->restore();
        });
}

void Maths::stopSketch() {
    sketchJob_->cancel();
    for (const char* b : {maths::kSketchSine, maths::kSketchCosine, maths::kSketchClear})
        findChild<QPushButton*>(QLatin1String(b))->setEnabled(true);
}

}  // namespace numora
