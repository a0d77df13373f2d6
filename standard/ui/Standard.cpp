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
#include "Controls.h"
#include "DesktopFit.h"
#include "ExactLine.h"
#include "FormHelpers.h"
#include "JobRunner.h"
#include "ListExport.h"
#include "TabbedWindow.h"
#include "NumberText.h"
#include "Outcome.h"
#include "Reflow.h"
#include "RootSolutions.h"
#include "SolutionPanel.h"
#include "StandardAccessibility.h"
#include "FieldLimit.h"
#include "Utf8.h"
#include "Workbench.h"
#include "StandardFrames.h"
#include "StaleResults.h"

namespace numora {
namespace {

using standard::LargeOp;
using standard::QuickOp;

std::string S(const QString& text) { return text.toStdString(); }

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
    setObjectName(QLatin1String(standard::kWindow));
    setWindowTitle(U(standard::kWindowTitle));
    pairJob_ = new JobRunner(this, QStringLiteral("LargePairJob"));
    foldJob_ = new JobRunner(this, QStringLiteral("LargeFoldJob"));

    solutions_ = new SolutionPanel(this, services_, standard::kSolutionPanel);
    QWidget* const pages[] = {buildFullPage(), buildSimplePage(), buildLargePage()};
    std::vector<TabbedWindow::Tab> tabList;
    for (int i = 0; i < 3; ++i) {
        const TabText& tab = standard::kTabs[static_cast<std::size_t>(i)];
        tabList.push_back({U(tab.caption), QLatin1String(tab.key), {}, pages[i]});
    }
    frame_ = new TabbedWindow(this, QLatin1String(standard::kTabStrip), tabList, U(standard::kStatusInitial));

    SelectAllOnFocusEverywhere(this);
    for (const char* name : standard::kResultFields) {
        auto* field = findChild<QLineEdit*>(QLatin1String(name));
        TooltipFollowsText(field);
        FitResultWidth(field);
    }
    // The quick page's one result spans its frame.
    findChild<QLineEdit*>(QLatin1String(standard::kQuickResult))->setMaximumWidth(QWIDGETSIZE_MAX);
    SensibleInputWidths(this);
    SetDefaultSize(this, 8400);
    installHints();
    ApplyAccessibility(this, StandardAccessibility());
    WatchResultFrames(this, standard::kFrames);
    // A number longer than a big-number box is beyond the 255 digits.
    const QString tooLarge = U(kTooLarge);
    RefuseOverlongInput(this, services_.dialogs,
                        {{QLatin1String(standard::kPairFirst), tooLarge},
                         {QLatin1String(standard::kPairSecond), tooLarge},
                         {QLatin1String(standard::kListEntry), tooLarge}});
    selectTab(QLatin1String(standard::kFullPage));
}

Standard::~Standard() = default;

void Standard::installHints() {
    QHash<QString, QString> table;
    for (const auto& [control, hint] : standard::kHints) table.insert(QLatin1String(control), U(hint));
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
    page->setObjectName(QLatin1String(standard::kFullPage));
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
        return row;
    };
    auto start = [this](const char* name, int command) {
        QPushButton* b = Button(name, "开 始");
        connect(b, &QPushButton::clicked, this, [this, command] { runCommon(command); });
        return b;
    };
    auto result = [](const char* name, const char* text, bool typable = false) {
        return Piece({Label("="), Result(name, text, typable)});
    };

    frameRow(Frame(standard::kAddFrame, "加法运算"),
             Piece({Box(standard::kAddFirst, "0", 16), Label("+"), Box(standard::kAddSecond, "0", 16)}),
             {result(standard::kAddResult, "0")}, start(standard::kAddButton, 1));
    frameRow(Frame(standard::kSubtractFrame, "减法运算"),
             Piece({Box(standard::kSubtractFirst, "0", 16), Label("-"), Box(standard::kSubtractSecond, "0", 16)}),
             {result(standard::kSubtractResult, "0")}, start(standard::kSubtractButton, 2));
    frameRow(Frame(standard::kMultiplyFrame, "乘法运算"),
             Piece({Box(standard::kMultiplyFirst, "0", 16), Label("×"), Box(standard::kMultiplySecond, "0", 16)}),
             {result(standard::kMultiplyResult, "0")}, start(standard::kMultiplyButton, 3));
    // Three results side by side: each with its small caption.
    frameRow(Frame(standard::kDivideFrame, "除法运算"),
             Piece({Box(standard::kDividend, "0", 16), Label("÷"), Box(standard::kDivisor, "1", 16)}),
             {Label("="), Captioned(U("商"), Result(standard::kQuotient, "0")),
              Captioned(U("整数商"), Result(standard::kIntegerQuotient, "0")),
              Captioned(U("余数"), Result(standard::kRemainder, "0"))},
             start(standard::kDivideButton, 4));
    frameRow(Frame(standard::kPowerFrame, "乘方运算"),
             Piece({Box(standard::kPowerBase, "1", 16), Raised(Box(standard::kPowerExponent, "0", 3), true)}),
             {result(standard::kPowerResult, "1")}, start(standard::kPowerButton, 6));
    // The root's exact form under its results; its 解题过程 beside 开 始.
    QGroupBox* rootFrame = Frame(standard::kRootFrame, "开方运算");
    FlowLayout* rootRow = frameRow(rootFrame,
                                   Piece({Raised(Box(standard::kRootIndex, "1", 3), true),
                                          new RadicalBox(Box(standard::kRadicand, "0", 12))}),
                                   {Label("="), Captioned(U("方根"), Result(standard::kRootResult, "0")),
                                    Captioned(U("取整"), Result(standard::kRoundedRoot, "0"))},
                                   start(standard::kRootButton, 7));
    QPushButton* rootSolution = Button(standard::kRootSolution, "解题过程");
    connect(rootSolution, &QPushButton::clicked, this, [this, rootSolution, rootFrame] {
        solutions_->present(rootFrame->title(),
                            standard::RootSolution(CalcText(this, QLatin1String(standard::kRadicand)),
                                                   CalcText(this, QLatin1String(standard::kRootIndex))),
                            rootSolution);
    });
    rootRow->addWidget(rootSolution);
    rootRow->newLine();
    rootRow->addWidget(ExactLine(QLatin1String(standard::kRootExact)));
    frameRow(Frame(standard::kLogFrame, "对数运算"),
             Piece({Label("Log"), Raised(Box(standard::kLogBase, "2", 8), false), Box(standard::kLogArgument, "1", 8)}),
             {result(standard::kLogResult, "0", /*typable=*/true)}, start(standard::kLogButton, 8));
    frameRow(Frame(standard::kFactorialFrame, "阶乘运算"), Piece({Box(standard::kFactorialInput, "0", 3)}),
             {Piece({Label("！="), Result(standard::kFactorialResult, "0")})}, start(standard::kFactorialButton, 9));
    column->addStretch();
    return page;
}

void Standard::runCommon(int command) {
    setStatus(U(kCalculating));
    auto text = [this](const char* name) { return CalcText(this, QLatin1String(name)); };
    Outcome outcome;
    switch (command) {
        case 1: outcome = standard::CommonSum(text(standard::kAddFirst), text(standard::kAddSecond)); break;
        case 2:
            outcome = standard::CommonDifference(text(standard::kSubtractFirst), text(standard::kSubtractSecond));
            break;
        case 3:
            outcome = standard::CommonProduct(text(standard::kMultiplyFirst), text(standard::kMultiplySecond));
            break;
        case 4: outcome = standard::CommonQuotient(text(standard::kDividend), text(standard::kDivisor)); break;
        case 6: outcome = standard::CommonPower(text(standard::kPowerBase), text(standard::kPowerExponent)); break;
        case 7:
            outcome = WithExactLine(standard::CommonRoot(text(standard::kRadicand), text(standard::kRootIndex)),
                                    standard::kRootExact,
                                    standard::ExactRoot(text(standard::kRadicand), text(standard::kRootIndex)));
            break;
        case 8: outcome = standard::CommonLogarithm(text(standard::kLogArgument), text(standard::kLogBase)); break;
        case 9: outcome = standard::CommonFactorial(text(standard::kFactorialInput)); break;
        default: return;
    }
    ApplyOutcome(this, outcome, services_.dialogs);
}

// ---- Quick page -------------------------------------------------------------

QWidget* Standard::buildSimplePage() {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(standard::kQuickPage));
    auto* column = new QVBoxLayout(page);

    QGroupBox* input = Frame(standard::kQuickInputFrame, "输入区域");
    auto* inputs = new QVBoxLayout(input);
    inputs->addWidget(Box(standard::kQuickFirst, "0", 0));
    inputs->addWidget(Box(standard::kQuickSecond, "0", 0));
    column->addWidget(input);

    QGroupBox* ops = Frame(standard::kQuickFrame, "运算方式以及运算结果");
    auto* grid = new QGridLayout(ops);
    for (int i = 0; i < 7; ++i) {
        const ControlText& op = standard::kQuickButtons[static_cast<std::size_t>(i)];
        QPushButton* b = Button(op.control, op.text);
        connect(b, &QPushButton::clicked, this, [this, i] { runQuick(i); });
        grid->addWidget(b, i / 4, i % 4);
    }
    grid->addWidget(Result(standard::kQuickResult, "0"), 2, 0, 1, 4);
    grid->addWidget(ExactLine(QLatin1String(standard::kQuickExact)), 3, 0, 1, 4);
    column->addWidget(ops);
    column->addStretch();
    return page;
}

void Standard::runQuick(int op) {
    const std::string first = CalcText(this, QLatin1String(standard::kQuickFirst));
    const std::string second = CalcText(this, QLatin1String(standard::kQuickSecond));
    const auto exact = static_cast<QuickOp>(op) == QuickOp::Root ? standard::ExactQuickRoot(first, second)
                                                                 : std::optional<ExactForms>();
    ApplyOutcome(this,
                 WithExactLine(standard::QuickOperation(static_cast<QuickOp>(op), first, second),
                               standard::kQuickExact, exact),
                 services_.dialogs);
}

// ---- Big-number page --------------------------------------------------------

QWidget* Standard::buildLargePage() {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(standard::kLargePage));
    auto* column = new QVBoxLayout(page);

    QPushButton* stop = Button(standard::kLargeStopButton, "停止(&S)");
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
    QGroupBox* pair = Frame(standard::kPairFrame, "计算窗格1");
    pairPane_ = pair;
    auto* pairLayout = new QVBoxLayout(pair);
    pairLayout->addWidget(Box(standard::kPairFirst, "0", 255));
    pairLayout->addWidget(Box(standard::kPairSecond, "0", 255));
    QGroupBox* optionFrame = Frame(standard::kOperationFrame, "选项");
    auto* optionRow = new FlowLayout(optionFrame);
    options_ = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        const standard::OperationRow& operation = standard::kOperations[static_cast<std::size_t>(i)];
        QRadioButton* option = Option(operation.control, U(operation.caption));
        options_->addButton(option, i);
        optionRow->addWidget(option);
    }
    options_->button(0)->setChecked(true);
    connect(options_, &QButtonGroup::idClicked, this, &Standard::optionChanged);
    pairLayout->addWidget(optionFrame);
    QPushButton* pairStart = Button(standard::kPairButton, "开  始");
    connect(pairStart, &QPushButton::clicked, this, &Standard::runPairwise);
    pairLayout->addWidget(pairStart);
    largeResult_ = ResultBox(standard::kPairResult, 4);
    pairLayout->addWidget(SmallCaption(U("结果")));
    pairLayout->addWidget(largeResult_);
    largeRemainder_ = ResultBox(standard::kPairRemainder, 2);
    largeRemainder_->setToolTip(U("余数显示框(除法专用)"));
    pairLayout->addWidget(SmallCaption(U("余数")));
    pairLayout->addWidget(largeRemainder_);
    auto* lengthRow = new QHBoxLayout;
    QLabel* lengthLabel = Label("结果位数");
    lengthLabel->setObjectName(QLatin1String(standard::kPairLengthLabel));
    lengthRow->addWidget(lengthLabel);
    lengthRow->addWidget(Result(standard::kPairLength, "1"), 1);
    pairLayout->addLayout(lengthRow);
    pairLayout->addStretch();
    panes->addWidget(pair);
    panes->newGroup();

    // Collective pane.
    QGroupBox* fold = Frame(standard::kFoldFrame, "计算窗格2");
    foldPane_ = fold;
    auto* foldLayout = new QGridLayout(fold);
    QLineEdit* entry = Box(standard::kListEntry, "0", 255);
    entry->installEventFilter(this);  // Enter adds the item
    foldLayout->addWidget(entry, 0, 0, 1, 2);
    QPushButton* add = Button(standard::kAddItemButton, "添加至列表");
    connect(add, &QPushButton::clicked, this, &Standard::addToList);
    foldLayout->addWidget(add, 0, 2);
    list_ = new QListWidget;
    list_->setObjectName(QLatin1String(standard::kList));
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
    deleteButton_ = Button(standard::kDeleteItemButton, "删除数据");
    editButton_ = Button(standard::kEditItemButton, "编辑此数据");
    foldStart_ = Button(standard::kFoldButton, "开     始");
    QPushButton* clear = Button(standard::kClearListButton, "清除数据");
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
    listCount_ = Result(standard::kListCount, "0");
    connect(listCount_, &QLineEdit::textChanged, this, &Standard::countChanged);
    foldLayout->addWidget(Captioned(U("数据总数"), listCount_), 5, 0, 1, 3);
    foldResult_ = ResultBox(standard::kFoldResult, 4);
    foldLayout->addWidget(SmallCaption(U("结果")), 6, 0, 1, 3);
    foldLayout->addWidget(foldResult_, 7, 0, 1, 3);
    QLineEdit* foldLength = Result(standard::kFoldLength, "1");
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
    if (watched->objectName() == QLatin1String(standard::kListEntry) && event->type() == QEvent::KeyPress) {
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
    const standard::OperationRow& operation = standard::kOperations[static_cast<std::size_t>(option)];
    hints_->setHint(QLatin1String(standard::kPairFirst), U(operation.firstHint));
    hints_->setHint(QLatin1String(standard::kPairSecond), U(operation.secondHint));
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
    std::string a = CalcText(this, QLatin1String(standard::kPairFirst));
    std::string b = CalcText(this, QLatin1String(standard::kPairSecond));
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
        ApplyOutcome(this, Outcome::Error(kUnknownError), services_.dialogs);
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
                ApplyOutcome(this, Outcome::Error(kUnknownError), services_.dialogs);
            } else if (last->failed) {
                ApplyOutcome(this, Outcome::Error(kTooLarge), services_.dialogs);
            } else {
                SetFieldText(this, QLatin1String(standard::kPairLength),
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
                ApplyOutcome(this, Outcome::Error(kUnknownError), services_.dialogs);
            } else if (last->failed) {
                // A step beyond the capacity ends the fold.
                ApplyOutcome(this, Outcome::Error(kTooLarge), services_.dialogs);
            } else if (end == JobRunner::End::Finished) {
                SetFieldText(this, QLatin1String(standard::kFoldLength), QString::number(standard::CharacterCount(last->acc)));
            }
        });
}

void Standard::addToList() {
    const QString text = FieldText(this, QLatin1String(standard::kListEntry));
    if (auto refusal = standard::CheckListItem(CalcText(text))) {
        ApplyOutcome(this, Outcome::Error(*refusal), services_.dialogs);
        return;
    }
    list_->addItem(QString::fromStdString(std::string(standard::OperandText(CalcText(text)))));
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
    hints_->setHint(QLatin1String(standard::kListCount), U(standard::kListCountHint) + count);
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
    if (auto refusal = standard::CheckListItem(CalcText(*answer))) {
        ApplyOutcome(this, Outcome::Error(*refusal), services_.dialogs);
        return;
    }
    if (row >= list_->count()) return;  // the list changed while the box was open
    list_->insertItem(row, QString::fromStdString(std::string(standard::OperandText(CalcText(*answer)))));
    delete list_->takeItem(row + 1);
    listChanged();
    noCurrentItem();
}

void Standard::clearList() {
    const MsgAnswer answer = services_.dialogs.Message(this, U("执行数据清除命令吗？"), U("Numora清除数据确认"),
                                                       MessageIcon::Information, MsgButtons::OkCancel, MsgAnswer::Cancel);
    if (answer != MsgAnswer::Ok) return;
    list_->clear();
    noCurrentItem();
    foldStart_->setEnabled(false);
    listCount_->setText(QStringLiteral("0"));
}

}  // namespace numora
