// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Standard.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "CommonOps.h"
#include "DesktopFit.h"
#include "FormHelpers.h"
#include "JobRunner.h"
#include "ListExport.h"
#include "TabbedWindow.h"
#include "NumberText.h"
#include "Outcome.h"
#include "Reflow.h"
#include "StandardAccessibility.h"
#include "FieldLimit.h"
#include "Workbench.h"

namespace numora {
namespace {

using standard::LargeOp;
using standard::QuickOp;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }
std::string S(const QString& text) { return text.toStdString(); }

const char* const kTitle = "Numora - 基本计算";
const char* const kCalculating = "正在计算......";

// Hints shown in the status bar while the mouse is over a control.
const std::pair<const char*, const char*> kHints[] = {
    {"Full", kTitle}, {"Simple", kTitle}, {"Large", kTitle},
    {"Commoncmd1", "计算和"}, {"Commoncmd2", "计算差"}, {"Commoncmd3", "计算积"},
    {"Commoncmd4", "计算商以及整除求余"}, {"Commoncmd6", "计算乘方"}, {"Commoncmd7", "计算开方"},
    {"Commoncmd8", "计算对数"}, {"Commoncmd9", "计算阶乘"},
    {"CommonChuText3", "整除结果"}, {"CommonChuText4", "余数"}, {"CommonChuText5", "标准结果"},
    {"CommonSimpleFrame1Text1", "输入被加数、被减数、被乘数、被除数、底数、被开放数"},
    {"CommonSimpleFrame1Text2", "输入加数、减数、乘数、除数、指数、真数"},
    {"LargeFrame1", "选择运算方式"}, {"LargeFrame2", "大数两两计算"}, {"LargeFrame3", "大数集体计算"},
    {"Largecmd1", "单击“开始”计算"}, {"Largecmd2", "向列表框内添加新数据"},
    {"Largecmd3", "删除列表框内已被选中/全部的项"}, {"Largecmd4", "开始计算"},
    {"Largecmd5", "编辑列表框内已被选中的项"}, {"LargeStopcmd", "中止所有计算"},
    {"LargeList1", "数据列表"}, {"LargeText6", "显示列表框内的数据总数为 0"},
    {"LargeOption1", "选择运算方式—加法"}, {"LargeOption2", "选择运算方式—减法"},
    {"LargeOption3", "选择运算方式—乘法"}, {"LargeOption4", "选择运算方式—除法"},
    {"LargeOption5", "选择运算方式—乘方"},
    {"LargeText1", "输入被加数"}, {"LargeText2", "输入加数"},
};

// The operand hints of the pairwise pane follow the selected operation.
const char* const kFirstOperandHints[] = {"输入被加数", "输入被减数", "输入被乘数", "输入被除数", "输入底数"};
const char* const kSecondOperandHints[] = {"输入加数", "输入减数", "输入乘数", "输入除数", "输入指数"};

// Result fields whose tool tip is their own text.
const char* const kResultFields[] = {
    "CommonAddText3",  "CommonReduceText3", "CommonMultiplyText3", "CommonChuText3",
    "CommonChuText4",  "CommonChuText5",    "CommonPowerText3",    "CommonKaiText2",
    "CommonKaiText3",  "CommonLogText3",    "CommonFactorialText2", "CommonSimpleFrame2Text1",
};

// Read-only fields look like the button face.
void ButtonFace(QWidget* field) { ResultFace(field); }

QLineEdit* Input(const char* name, const char* text, int maxLength) {
    auto* field = new QLineEdit(QString::fromUtf8(text));
    field->setObjectName(QLatin1String(name));
    if (maxLength > 0) field->setMaxLength(maxLength);
    return field;
}

QLineEdit* Result(const char* name, const char* text, bool typable = false) {
    auto* field = new QLineEdit(QString::fromUtf8(text));
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(!typable);
    ButtonFace(field);
    return field;
}

QPlainTextEdit* ResultBox(const char* name, int lines) {
    auto* box = new QPlainTextEdit(QStringLiteral("0"));
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setWordWrapMode(QTextOption::WrapAnywhere);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 12);
    ButtonFace(box);
    return box;
}

QPushButton* Button(const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption));
    button->setObjectName(QLatin1String(name));
    return button;
}

QLabel* Label(const char* text) { return new QLabel(QString::fromUtf8(text)); }

QGroupBox* Frame(const char* name, const char* caption) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption));
    frame->setObjectName(QLatin1String(name));
    return frame;
}

// The radical sign around the radicand: four lines (a short tick, the down
// stroke, the long up stroke and the bar over the radicand).
class RadicalBox final : public QWidget {
public:
    explicit RadicalBox(QLineEdit* radicand) : radicand_(radicand) {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(18, 6, 2, 2);
        layout->addWidget(radicand);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(palette().color(QPalette::WindowText), 1.2));
        const QRect r = radicand_->geometry();
        const int mid = r.center().y() + 2, top = r.top() - 3, bottom = r.bottom() + 1;
        p.drawLine(QPointF(1, mid + 2), QPointF(5, mid));             // CommonLine1
        p.drawLine(QPointF(5, mid), QPointF(9, bottom));              // CommonLine2
        p.drawLine(QPointF(9, bottom), QPointF(15, top));             // CommonLine3
        p.drawLine(QPointF(15, top), QPointF(r.right() + 1, top));    // CommonLine4
    }

private:
    QLineEdit* radicand_;
};

// A small field set higher (an exponent, a root index) or lower (a base of
// a logarithm) than the line.
QWidget* Raised(QLineEdit* field, bool up) {
    const int lineHeight = field->sizeHint().height();
    QFont small = field->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    field->setFont(small);
    field->setFixedWidth(QFontMetrics(small).horizontalAdvance(QStringLiteral("0000")) + 10);
    auto* box = new QWidget;
    box->setFixedHeight(lineHeight + 10);
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!up) layout->addStretch();
    layout->addWidget(field);
    if (up) layout->addStretch();
    return box;
}

}  // namespace

Standard::Standard(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
    setObjectName(QStringLiteral("Standard"));
    setWindowTitle(U("基本计算"));
    pairJob_ = new JobRunner(this, QStringLiteral("LargePairJob"));
    foldJob_ = new JobRunner(this, QStringLiteral("LargeFoldJob"));

    const std::pair<const char*, const char*> tabs[] = {
        {"传统计算－完全界面", "Full"}, {"传统计算－简易界面", "Simple"}, {"1-255位整数运算", "Large"}};
    QWidget* const pages[] = {buildFullPage(), buildSimplePage(), buildLargePage()};
    std::vector<TabbedWindow::Tab> tabList;
    for (int i = 0; i < 3; ++i) tabList.push_back({U(tabs[i].first), QLatin1String(tabs[i].second), {}, pages[i]});
    frame_ = new TabbedWindow(this, QStringLiteral("TabStrip1"), tabList, U(kTitle));

    SelectAllOnFocusEverywhere(this);
    for (const char* name : kResultFields) {
        auto* field = findChild<QLineEdit*>(QLatin1String(name));
        TooltipFollowsText(field);
        FitResultWidth(field);
    }
    // The quick page's one result spans its frame.
    findChild<QLineEdit*>(QStringLiteral("CommonSimpleFrame2Text1"))->setMaximumWidth(QWIDGETSIZE_MAX);
    SensibleInputWidths(this);
    SetDefaultSize(this, 8400);
    installHints();
    ApplyAccessibility(this, StandardAccessibility());
    // A number longer than a big-number box is beyond the 255 digits.
    const QString tooLarge = U(standard::kTooLarge);
    RefuseOverlongInput(this, services_.dialogs,
                        {{QStringLiteral("LargeText1"), tooLarge}, {QStringLiteral("LargeText2"), tooLarge},
                         {QStringLiteral("LargeText4"), tooLarge}});
    selectTab(QStringLiteral("Full"));
}

Standard::~Standard() = default;

void Standard::installHints() {
    QHash<QString, QString> table;
    for (const auto& [control, hint] : kHints) table.insert(QLatin1String(control), U(hint));
    hints_ = frame_->installHints(table);
}

QString Standard::statusText() const { return frame_->status(); }

void Standard::setStatus(const QString& text) { frame_->setStatus(text); }

void Standard::selectTab(const QString& key) { frame_->select(key); }

void Standard::closeEvent(QCloseEvent* event) {
    // Running jobs end; nothing of them reaches the window any more.
    pairJob_->abandon();
    foldJob_->abandon();
    QWidget::closeEvent(event);
}

// ---- Full page --------------------------------------------------------------

QWidget* Standard::buildFullPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Full"));
    auto* column = new QVBoxLayout(page);
    column->setSpacing(2);
    column->setContentsMargins(6, 4, 6, 4);

    // Each frame: its inputs, then its results and start button, on one
    // line while they fit, else the results and the button under the inputs.
    auto frameRow = [column](QGroupBox* frame, QWidget* inputs, std::initializer_list<QWidget*> results,
                             QPushButton* start) {
        auto* row = new FlowLayout(frame);
        row->setContentsMargins(8, 2, 8, 2);
        row->addWidget(inputs);
        row->newGroup();
        for (QWidget* w : results) row->addWidget(w);
        row->addWidget(start);
        column->addWidget(frame);
    };
    auto start = [this](const char* name, int command) {
        QPushButton* b = Button(name, "开 始");
        connect(b, &QPushButton::clicked, this, [this, command] { runCommon(command); });
        return b;
    };
    auto result = [](const char* name, const char* text, bool typable = false) {
        return Piece({Label("="), Result(name, text, typable)});
    };

    frameRow(Frame("CommonFullFrame1", "加法运算"),
             Piece({Input("CommonAddText1", "0", 16), Label("+"), Input("CommonAddText2", "0", 16)}),
             {result("CommonAddText3", "0")}, start("Commoncmd1", 1));
    frameRow(Frame("CommonFullFrame2", "减法运算"),
             Piece({Input("CommonReduceText1", "0", 16), Label("-"), Input("CommonReduceText2", "0", 16)}),
             {result("CommonReduceText3", "0")}, start("Commoncmd2", 2));
    frameRow(Frame("CommonFullFrame3", "乘法运算"),
             Piece({Input("CommonMultiplyText1", "0", 16), Label("×"), Input("CommonMultiplyText2", "0", 16)}),
             {result("CommonMultiplyText3", "0")}, start("Commoncmd3", 3));
    // Three results side by side: each with its small caption.
    frameRow(Frame("CommonFullFrame4", "除法运算"),
             Piece({Input("CommonChuText1", "0", 16), Label("÷"), Input("CommonChuText2", "1", 16)}),
             {Label("="), Captioned(U("商"), Result("CommonChuText5", "0")),
              Captioned(U("整数商"), Result("CommonChuText3", "0")), Captioned(U("余数"), Result("CommonChuText4", "0"))},
             start("Commoncmd4", 4));
    frameRow(Frame("CommonFullFrame5", "乘方运算"),
             Piece({Input("CommonPowerText1", "1", 16), Raised(Input("CommonPowerText2", "0", 3), true)}),
             {result("CommonPowerText3", "1")}, start("Commoncmd6", 6));
    frameRow(Frame("CommonFullFrame6", "开方运算"),
             Piece({Raised(Input("CommonKaiText4", "1", 3), true), new RadicalBox(Input("CommonKaiText1", "0", 12))}),
             {Label("="), Captioned(U("方根"), Result("CommonKaiText2", "0")),
              Captioned(U("取整"), Result("CommonKaiText3", "0"))},
             start("Commoncmd7", 7));
    frameRow(Frame("CommonFullFrame7", "对数运算"),
             Piece({Label("Log"), Raised(Input("CommonLogText2", "2", 8), false), Input("CommonLogText1", "1", 8)}),
             {result("CommonLogText3", "0", /*typable=*/true)}, start("Commoncmd8", 8));
    frameRow(Frame("CommonFullFrame8", "阶乘运算"), Piece({Input("CommonFactorialText1", "0", 3)}),
             {Piece({Label("！="), Result("CommonFactorialText2", "0")})}, start("Commoncmd9", 9));
    column->addStretch();
    return page;
}

void Standard::runCommon(int command) {
    setStatus(U(kCalculating));
    auto text = [this](const char* name) { return S(FieldText(this, QLatin1String(name))); };
    Outcome outcome;
    switch (command) {
        case 1: outcome = standard::CommonSum(text("CommonAddText1"), text("CommonAddText2")); break;
        case 2: outcome = standard::CommonDifference(text("CommonReduceText1"), text("CommonReduceText2")); break;
        case 3: outcome = standard::CommonProduct(text("CommonMultiplyText1"), text("CommonMultiplyText2")); break;
        case 4: outcome = standard::CommonQuotient(text("CommonChuText1"), text("CommonChuText2")); break;
        case 6: outcome = standard::CommonPower(text("CommonPowerText1"), text("CommonPowerText2")); break;
        case 7: outcome = standard::CommonRoot(text("CommonKaiText1"), text("CommonKaiText4")); break;
        case 8: outcome = standard::CommonLogarithm(text("CommonLogText1"), text("CommonLogText2")); break;
        case 9: outcome = standard::CommonFactorial(text("CommonFactorialText1")); break;
        default: return;
    }
    ApplyOutcome(this, outcome, services_.dialogs);
}

// ---- Quick page -------------------------------------------------------------

QWidget* Standard::buildSimplePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Simple"));
    auto* column = new QVBoxLayout(page);

    QGroupBox* input = Frame("CommonSimpleFrame1", "输入区域");
    auto* inputs = new QVBoxLayout(input);
    inputs->addWidget(Input("CommonSimpleFrame1Text1", "0", 0));
    inputs->addWidget(Input("CommonSimpleFrame1Text2", "0", 0));
    column->addWidget(input);

    QGroupBox* ops = Frame("CommonSimpleFrame2", "运算方式以及运算结果");
    auto* grid = new QGridLayout(ops);
    const char* const captions[] = {"加  法", "减  法", "乘  法", "除  法", "乘  方", "开  方", "求对数"};
    for (int i = 0; i < 7; ++i) {
        const QByteArray name = "CommonSimpleFrame2cmd" + QByteArray::number(i + 1);
        QPushButton* b = Button(name.constData(), captions[i]);
        connect(b, &QPushButton::clicked, this, [this, i] { runQuick(i); });
        grid->addWidget(b, i / 4, i % 4);
    }
    grid->addWidget(Result("CommonSimpleFrame2Text1", "0"), 2, 0, 1, 4);
    column->addWidget(ops);
    column->addStretch();
    return page;
}

void Standard::runQuick(int op) {
    const Outcome outcome = standard::QuickOperation(static_cast<QuickOp>(op),
                                                     S(FieldText(this, QStringLiteral("CommonSimpleFrame1Text1"))),
                                                     S(FieldText(this, QStringLiteral("CommonSimpleFrame1Text2"))));
    ApplyOutcome(this, outcome, services_.dialogs);
}

// ---- Big-number page --------------------------------------------------------

QWidget* Standard::buildLargePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Large"));
    auto* column = new QVBoxLayout(page);

    QPushButton* stop = Button("LargeStopcmd", "停止(&S)");
    connect(stop, &QPushButton::clicked, this, [this] {
        pairJob_->cancel();
        foldJob_->cancel();
    });
    auto* stopRow = new QHBoxLayout;
    stopRow->addStretch();
    stopRow->addWidget(stop);
    column->addLayout(stopRow);

    // The two panes side by side while they fit, else one under the other.
    auto* paneBox = new QWidget;
    auto* panes = new FlowLayout(paneBox);
    panes->setContentsMargins(0, 0, 0, 0);
    column->addWidget(paneBox, 1);

    // Pairwise pane.
    QGroupBox* pair = Frame("LargeFrame2", "计算窗格1");
    pairPane_ = pair;
    auto* pairLayout = new QVBoxLayout(pair);
    pairLayout->addWidget(Input("LargeText1", "0", 255));
    pairLayout->addWidget(Input("LargeText2", "0", 255));
    QGroupBox* optionFrame = Frame("LargeFrame1", "选项");
    auto* optionRow = new FlowLayout(optionFrame);
    options_ = new QButtonGroup(this);
    const char* const optionCaptions[] = {"加法", "减法", "乘法", "除法", "乘方"};
    for (int i = 0; i < 5; ++i) {
        auto* option = new QRadioButton(U(optionCaptions[i]));
        option->setObjectName(QStringLiteral("LargeOption%1").arg(i + 1));
        options_->addButton(option, i);
        optionRow->addWidget(option);
    }
    options_->button(0)->setChecked(true);
    connect(options_, &QButtonGroup::idClicked, this, &Standard::optionChanged);
    pairLayout->addWidget(optionFrame);
    QPushButton* pairStart = Button("Largecmd1", "开  始");
    connect(pairStart, &QPushButton::clicked, this, &Standard::runPairwise);
    pairLayout->addWidget(pairStart);
    largeResult_ = ResultBox("LargeText3", 4);
    pairLayout->addWidget(SmallCaption(U("结果")));
    pairLayout->addWidget(largeResult_);
    largeRemainder_ = ResultBox("LargeText3Se", 2);
    largeRemainder_->setToolTip(U("余数显示框(除法专用)"));
    pairLayout->addWidget(SmallCaption(U("余数")));
    pairLayout->addWidget(largeRemainder_);
    auto* lengthRow = new QHBoxLayout;
    QLabel* lengthLabel = Label("结果位数");
    lengthLabel->setObjectName(QStringLiteral("LargeLabel1"));
    lengthRow->addWidget(lengthLabel);
    lengthRow->addWidget(Result("LargeLenText1", "1"), 1);
    pairLayout->addLayout(lengthRow);
    pairLayout->addStretch();
    panes->addWidget(pair);
    panes->newGroup();

    // Collective pane.
    QGroupBox* fold = Frame("LargeFrame3", "计算窗格2");
    foldPane_ = fold;
    auto* foldLayout = new QGridLayout(fold);
    QLineEdit* entry = Input("LargeText4", "0", 255);
    entry->installEventFilter(this);  // Enter adds the item
    foldLayout->addWidget(entry, 0, 0, 1, 2);
    QPushButton* add = Button("Largecmd2", "添加至列表");
    connect(add, &QPushButton::clicked, this, &Standard::addToList);
    foldLayout->addWidget(add, 0, 2);
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("LargeList1"));
    // The delete and edit buttons follow the current item, chosen with the
    // mouse or the keyboard.
    connect(list_, &QListWidget::currentRowChanged, this, &Standard::itemButtonsFollow);
    connect(list_, &QListWidget::itemClicked, this, &Standard::itemButtonsFollow);
    connect(list_, &QListWidget::itemDoubleClicked, this, &Standard::editItem);
    list_->installEventFilter(this);  // the item commands from the keyboard
    // Moving to an item with the keys selects it as a click does.
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || !list_->hasFocus()) return;
        deleteButton_->setEnabled(true);
        editButton_->setEnabled(true);
    });
    connect(list_, &QListWidget::currentTextChanged, list_, &QWidget::setToolTip);
    // Several lines can be selected, copied and saved.
    ListExport::Install(list_, services_, U("数据列表.txt"), [this](const QString& hint) { setStatus(hint); });
    foldLayout->addWidget(list_, 1, 0, 4, 2);
    deleteButton_ = Button("Largecmd3", "删除数据");
    editButton_ = Button("Largecmd5", "编辑此数据");
    foldStart_ = Button("Largecmd4", "开     始");
    QPushButton* clear = Button("Largecmd6", "清除数据");
    deleteButton_->setEnabled(false);
    editButton_->setEnabled(false);
    foldStart_->setEnabled(false);
    connect(deleteButton_, &QPushButton::clicked, this, &Standard::deleteItem);
    connect(editButton_, &QPushButton::clicked, this, &Standard::editItem);
    connect(foldStart_, &QPushButton::clicked, this, &Standard::runCollective);
    connect(clear, &QPushButton::clicked, this, &Standard::clearList);
    foldLayout->addWidget(deleteButton_, 1, 2);
    foldLayout->addWidget(editButton_, 2, 2);
    foldLayout->addWidget(clear, 3, 2);
    foldLayout->addWidget(foldStart_, 4, 2);
    listCount_ = Result("LargeText6", "0");
    connect(listCount_, &QLineEdit::textChanged, this, &Standard::countChanged);
    foldLayout->addWidget(Captioned(U("数据总数"), listCount_), 5, 0, 1, 3);
    foldResult_ = ResultBox("LargeText5", 4);
    foldLayout->addWidget(SmallCaption(U("结果")), 6, 0, 1, 3);
    foldLayout->addWidget(foldResult_, 7, 0, 1, 3);
    QLineEdit* foldLength = Result("LargeLenText2", "1");
    foldLength->setToolTip(U("结果位数"));
    foldLayout->addWidget(Captioned(U("结果位数"), foldLength), 8, 0, 1, 3);
    panes->addWidget(fold);
    return page;
}

bool Standard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        // Delete removes and F2 edits the current item.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && list_->currentRow() >= 0) {
            deleteItem();
            return true;
        }
        if (key->key() == Qt::Key_F2 && list_->currentRow() >= 0) {
            editItem();
            return true;
        }
    }
    if (watched->objectName() == QLatin1String("LargeText4") && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            addToList();
            SelectAllText(static_cast<QLineEdit*>(watched));
            return true;  // swallowed
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Standard::optionChanged(int option) {
    // The collective pane offers sum and product only, and stays disabled
    // while its fold runs.
    foldPane_->setEnabled((option == 0 || option == 2) && !foldJob_->running());
    hints_->setHint(QStringLiteral("LargeText1"), U(kFirstOperandHints[option]));
    hints_->setHint(QStringLiteral("LargeText2"), U(kSecondOperandHints[option]));
}

void Standard::runPairwise() {
    setStatus(U(kCalculating));
    // Disabling the pane sends the keyboard focus away: it comes back after.
    QPointer<QWidget> focus = QApplication::focusWidget();
    pairPane_->setEnabled(false);
    pairPane_->setCursor(Qt::WaitCursor);
    auto restore = [this, focus] {
        pairPane_->unsetCursor();
        pairPane_->setEnabled(true);
        if (focus && pairPane_->isAncestorOf(focus)) focus->setFocus(Qt::OtherFocusReason);
    };
    std::string a = S(FieldText(this, QStringLiteral("LargeText1")));
    std::string b = S(FieldText(this, QStringLiteral("LargeText2")));
    const auto op = static_cast<LargeOp>(options_->checkedId());

    if (auto refusal = standard::CheckPairwise(op, a, b)) {
        restore();
        ApplyOutcome(this, Outcome::Error(*refusal), services_.dialogs);
        return;
    }
    a = standard::OperandText(a);
    b = standard::OperandText(b);
    if (op != LargeOp::Power) {
        const Outcome outcome = standard::PairwiseResult(op, a, b);
        restore();
        ApplyOutcome(this, outcome, services_.dialogs);
        return;
    }

    // The power: one multiplication a step on the job's thread; the power
    // so far shows as it grows, and a stopped power keeps it.
    const auto steps = standard::PowerSteps(b);
    if (!steps) {
        restore();
        ApplyOutcome(this, Outcome::Error(standard::kUnknownError), services_.dialogs);
        return;
    }
    struct Power {
        std::string digits;
        bool failed = false;  // beyond the capacity: digits is the last power that fitted
    };
    largeResult_->setPlainText(QStringLiteral("1"));
    auto last = std::make_shared<Power>(Power{"1"});
    pairJob_->start<Power>(
        [base = a, steps = *steps](JobChannel<Power>& channel) {
            standard::PowerLoop loop(base, steps);
            while (!loop.done()) {
                if (channel.due()) channel.send({loop.power()});
                if (channel.cancelled()) break;
                loop.Step();
            }
            channel.send({loop.power(), loop.failed()});
        },
        [this, last](std::vector<Power>& powers) {
            *last = std::move(powers.back());
            largeResult_->setPlainText(QString::fromStdString(last->digits));
        },
        [this, last, restore](JobRunner::End end, const QString&) {
            restore();
            if (end == JobRunner::End::Failed) {
                ApplyOutcome(this, Outcome::Error(standard::kUnknownError), services_.dialogs);
            } else if (last->failed) {
                ApplyOutcome(this, Outcome::Error(standard::kTooLarge), services_.dialogs);
            } else {
                SetFieldText(this, QStringLiteral("LargeLenText1"),
                             QString::fromStdString(standard::ResultLengthText(last->digits)));
            }
        });
}

void Standard::runCollective() {
    setStatus(U(kCalculating));
    QPointer<QWidget> focus = QApplication::focusWidget();
    foldPane_->setEnabled(false);
    foldPane_->setCursor(Qt::WaitCursor);
    auto restore = [this, focus] {
        foldPane_->unsetCursor();
        // As the option chosen meanwhile allows (sum and product only).
        const int option = options_->checkedId();
        foldPane_->setEnabled(option == 0 || option == 2);
        if (focus && foldPane_->isAncestorOf(focus)) focus->setFocus(Qt::OtherFocusReason);
    };
    if (list_->count() == 0) {
        restore();
        return;
    }
    // The job folds a copy of the list (the pane, and with it the list, is
    // disabled meanwhile); the sum or product so far shows as it grows.
    const bool product = options_->checkedId() == static_cast<int>(LargeOp::Multiply);
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(list_->count()));
    for (int i = 0; i < list_->count(); ++i) items.push_back(S(list_->item(i)->text()));
    foldResult_->setPlainText(list_->item(0)->text());
    struct Fold {
        std::string acc;
        bool failed = false;  // a step beyond the capacity
    };
    auto last = std::make_shared<Fold>(Fold{items.front()});
    foldJob_->start<Fold>(
        [items = std::move(items), product](JobChannel<Fold>& channel) {
            std::string acc = items.front();
            for (std::size_t i = 1; i < items.size(); ++i) {
                if (channel.due()) channel.send({acc});
                if (channel.cancelled()) break;
                auto next = standard::FoldStep(product, acc, items[i]);
                if (!next) {
                    channel.send({items.front(), true});
                    return;
                }
                acc = std::move(*next);
            }
            channel.send({acc});
        },
        [this, last](std::vector<Fold>& folds) {
            *last = std::move(folds.back());
            foldResult_->setPlainText(QString::fromStdString(last->acc));
        },
        [this, last, restore](JobRunner::End end, const QString&) {
            restore();
            if (end == JobRunner::End::Failed) {
                // A step that failed otherwise: the first item again.
                foldResult_->setPlainText(list_->count() > 0 ? list_->item(0)->text() : QString());
                ApplyOutcome(this, Outcome::Error(standard::kUnknownError), services_.dialogs);
            } else if (last->failed) {
                // A step beyond the capacity ends the fold.
                ApplyOutcome(this, Outcome::Error(standard::kTooLarge), services_.dialogs);
            } else if (end == JobRunner::End::Finished) {
                SetFieldText(this, QStringLiteral("LargeLenText2"), QString::number(standard::CharacterCount(last->acc)));
            }
        });
}

void Standard::addToList() {
    const QString text = FieldText(this, QStringLiteral("LargeText4"));
    if (auto refusal = standard::CheckListItem(S(text))) {
        ApplyOutcome(this, Outcome::Error(*refusal), services_.dialogs);
        return;
    }
    list_->addItem(QString::fromStdString(std::string(standard::OperandText(S(text)))));
    listChanged();
    foldStart_->setEnabled(true);
}

// After any change of the list: the count, the first item in the result
// field, the item buttons disabled until the next click.
void Standard::listChanged() {
    listCount_->setText(QString::number(list_->count()));
    foldResult_->setPlainText(list_->count() > 0 ? list_->item(0)->text() : QString());
}

void Standard::countChanged() {
    const QString count = listCount_->text();
    hints_->setHint(QStringLiteral("LargeText6"), U("显示列表框内的数据总数为 ") + count);
    foldStart_->setEnabled(StrictValue(S(count)).value_or(0) != 0);
}

void Standard::deleteItem() {
    const int row = list_->currentRow();
    if (row < 0) return;
    delete list_->takeItem(row);
    listChanged();
    noCurrentItem();
}

// After a delete or an edit no item is current, so the item buttons are
// disabled until the next item is chosen.
void Standard::noCurrentItem() {
    list_->setCurrentIndex(QModelIndex());  // also when the list gets the focus again
    itemButtonsFollow();
}

void Standard::itemButtonsFollow() {
    const bool current = list_->currentItem() != nullptr;
    deleteButton_->setEnabled(current);
    editButton_->setEnabled(current);
}

void Standard::editItem() {
    const int row = list_->currentRow();
    if (row < 0) return;  // nothing selected: nothing to edit
    const auto answer = services_.dialogs.InputBox(
        this, U("请输入更改后的数据(输入空字符或者选择“取消”可退出)"), U("编辑数据"), list_->item(row)->text());
    if (!answer || answer->isEmpty()) return;
    // The changed item is checked as a new one is.
    if (auto refusal = standard::CheckListItem(S(*answer))) {
        ApplyOutcome(this, Outcome::Error(*refusal), services_.dialogs);
        return;
    }
    if (row >= list_->count()) return;  // the list changed while the box was open
    list_->insertItem(row, QString::fromStdString(std::string(standard::OperandText(S(*answer)))));
    delete list_->takeItem(row + 1);
    listChanged();
    noCurrentItem();
}

void Standard::clearList() {
    const MsgAnswer answer = services_.dialogs.Message(this, U("执行数据清除命令吗？"), U("Numora清除数据确认"),
                                                       MsgIcon::Information, MsgButtons::OkCancel, MsgAnswer::Cancel);
    if (answer != MsgAnswer::Ok) return;
    list_->clear();
    noCurrentItem();
    foldStart_->setEnabled(false);
    listCount_->setText(QStringLiteral("0"));
}

}  // namespace numora
