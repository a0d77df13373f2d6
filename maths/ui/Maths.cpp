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

#include "DesktopFit.h"
#include "EquationSolvers.h"
#include "FormHelpers.h"
#include "JobRunner.h"
#include "TabbedWindow.h"
#include "MathsAccessibility.h"
#include "FieldLimit.h"
#include "MultiplicationFormulas.h"
#include "Outcome.h"
#include "PlotCanvas.h"
#include "FunctionCanvas.h"
#include "PlotterPage.h"
#include "Reflow.h"
#include "SettingsStore.h"
#include "Trigonometry.h"

namespace numora {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

const char* const kTitle = "Numora - 数学专科计算";

const std::pair<const char*, const char*> kHints[] = {
    {"Maths", kTitle}, {"Equation", kTitle}, {"TriFunction", kTitle}, {"Formula", kTitle}, {"FunctionDrawer", kTitle},
    {"MathsEquation", "解简易方程(组)"},
    {"MathsEquationFrame1", "解标准一元二次方程"},
    {"MathsEquationFrame2", "解简易二元一次方程组"},
    {"MathsEquationFrame3", "解简易三元一次方程组"},
    {"MathsTriF", "计算三角函数"},
    {"MathsTriFcmd1", "选择运算方式－正弦(sin)"},
    {"MathsTriFcmd2", "选择运算方式－余弦(cos)"},
    {"MathsTriFcmd3", "选择运算方式－正切(tan/tg)"},
    {"MathsTriFcmd4", "选择运算方式－余切(cot/ctan/ctg)"},
    {"MathsTriFcmd5", "选择运算方式－正割(sec)"},
    {"MathsTriFcmd6", "选择运算方式－余割(csc)"},
    {"MathsTriFFrame1", "请选择数据计算中角的计量方法－角度制/弧度制(PI取pi32384626433832795)"},
    {"MathsTriFText1", "请输入欲计算的数据(角度制)"},
    {"MathsTriFText2", "三角函数计算结果显示"},
    {"MathsTriFDrawer", "绘制三角函数草图"},
    {"MathsTriFDrawerText1", "设置横轴的左界(由右界决定)"},
    {"MathsTriFDrawerText2", "设定横轴的右界(正值)"},
    {"MathsMultiplication", "运用乘法公式计算"},
    {"MathsFunctionShape", "函数图象绘制"},
    {"MathsFunctionShapecmd1", "生成函数图象"},
    {"MathsFunctionShapecmd2", "清除函数图象并确认对选项中内容的修改"},
    {"MathsFunctionShapeFrame1", "创建一次函数"},
    {"MathsFunctionShapeFrame2", "创建二次函数"},
    {"MathsFunctionShapeFrame3", "创建指数函数"},
    {"MathsFunctionShapeFrame4", "创建对数函数"},
    {"MathsFunctionShapeFrame5", "创建反比例函数"},
    {"MathsFunctionShapeFrame6", "创建正弦函数"},
    {"MathsFunctionShapeFrame7", "创建余弦函数"},
    {"MathsFunctionShapeFrame8", "创建幂函数"},
    {"MathsFunctionShapeFrame9", "创建正切函数"},
    {"MathsFunctionShapeFrame10", "创建绝对值函数"},
    {"MathsFunctionShapeFrame11", "创建自定义函数"},
    {"MathsFunctionShapeExplore", "探究函数图象：求函数值、追踪、关键点与缩放"},
    {"MathsFunctionShapeExploreText1", "输入横坐标x"},
    {"MathsFunctionShapeExplorecmd1", "求各函数图象在x处的函数值"},
    {"MathsFunctionShapeExploreText3", "追踪点的坐标(在图象上用左右键移动，上下键换图象)"},
    {"MathsFunctionShapeExploreCheck1", "在图象上标出零点、极值点、y轴交点和交点"},
    {"MathsFunctionShapeExplorecmd2", "放大图象(+)"},
    {"MathsFunctionShapeExplorecmd3", "缩小图象(-)"},
    {"MathsFunctionShapeExplorecmd4", "回到选项中设定的范围(0)"},
};

// Result boxes of the solvers and the formulas: the tool tip shows the
// box's own text while the mouse is over it.
const char* const kTooltipResults[] = {
    "MathsEquationFrame1Text4", "MathsEquationFrame1Text5", "MathsEquationFrame2Text7",
    "MathsEquationFrame2Text8", "MathsEquationFrame3Text13", "MathsEquationFrame3Text14",
    "MathsEquationFrame3Text15", "MathsMultiplicationText3",
};

void ButtonFace(QWidget* field) { ResultFace(field); }

QLineEdit* Box(const QString& name, const QString& text, int maxLength = 0) {
    auto* box = new QLineEdit(text);
    box->setObjectName(name);
    if (maxLength > 0) box->setMaxLength(maxLength);
    box->setMinimumWidth(40);
    return box;
}

QLineEdit* Result(const QString& name, const QString& text = QStringLiteral("0")) {
    QLineEdit* box = Box(name, text);
    box->setReadOnly(true);
    ButtonFace(box);
    FitResultWidth(box);
    return box;
}

QPushButton* Button(const QString& name, const char* caption) {
    auto* button = new QPushButton(U(caption));
    button->setObjectName(name);
    return button;
}

QGroupBox* Frame(const char* name, const char* caption) {
    auto* frame = new QGroupBox(U(caption));
    frame->setObjectName(QLatin1String(name));
    return frame;
}

QLabel* Label(const char* text) { return new QLabel(U(text)); }

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
    setObjectName(QStringLiteral("Maths"));
    sketchJob_ = new JobRunner(this, QStringLiteral("MathsTriFDrawerJob"));
    setWindowTitle(U("数学专科计算"));

    frame_ = new TabbedWindow(this, QStringLiteral("TabStrip"),
                              {{U("方程"), QStringLiteral("Equation"), {}, buildEquationPage()},
                               {U("三角函数"), QStringLiteral("TriFunction"), {}, buildTrigPage()},
                               {U("公式"), QStringLiteral("Formula"), {}, buildFormulaPage()},
                               {U("函数图象"), QStringLiteral("FunctionDrawer"), {}, plotter_ = new PlotterPage(services_)}},
                              U(kTitle));
    // Every selection of the plotter's tab applies its range: it opens on a
    // cleared canvas.
    connect(frame_, &TabbedWindow::selected, this, [this](const QString& key) {
        if (key == QLatin1String("FunctionDrawer")) plotter_->apply();
    });
    connect(plotter_, &PlotterPage::status, this, &Maths::setStatus);

    SelectAllOnFocusEverywhere(this);
    for (const char* name : kTooltipResults) findChild<QLineEdit*>(QLatin1String(name))->installEventFilter(this);
    installHints();
    ApplyAccessibility(this, MathsAccessibility());
    plotter_->nameControls();
    // The grid box holds one digit: more is not a grid count of 1 to 9.
    RefuseOverlongInput(this, services_.dialogs, {{QStringLiteral("MathsFunctionShapeOptionText5"), U("网格数应为正整数")}});
    SensibleInputWidths(this);
    SetDefaultSize(this, 7110, 4995);
    selectTab(QStringLiteral("Equation"));
}

Maths::~Maths() = default;

void Maths::installHints() {
    QHash<QString, QString> table;
    for (const auto& [control, hint] : kHints) table.insert(QLatin1String(control), U(hint));
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
    page->setObjectName(QStringLiteral("Equation"));
    auto* pageLayout = new QVBoxLayout(page);
    QGroupBox* all = Frame("MathsEquation", "解简易方程(组)");
    auto* column = new QVBoxLayout(all);
    pageLayout->addWidget(all);
    pageLayout->addStretch();
    auto name = [](const char* frame, int box) { return QStringLiteral("%1Text%2").arg(QLatin1String(frame)).arg(box); };

    // Each frame: the equations, then the start button and the roots, on
    // one line while they fit, else under the equations.
    auto rows = [](std::initializer_list<QWidget*> equations, QPushButton* start, QWidget* roots, QGroupBox* frame) {
        auto* flow = new FlowLayout(frame);
        for (QWidget* w : equations) flow->addWidget(w);
        flow->newGroup();
        flow->addWidget(start);
        flow->addWidget(roots);
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
        QGroupBox* frame = Frame("MathsEquationFrame1", "标准一元二次方程");
        const char* f = "MathsEquationFrame1";
        QWidget* equation = Piece({Box(name(f, 1), QStringLiteral("0")), Squared(), Label("+"),
                                   Box(name(f, 2), QStringLiteral("0")), Label("x +"), Box(name(f, 3), QStringLiteral("0")),
                                   Label("= 0")});
        QPushButton* start = Button(QStringLiteral("MathsEquationFrame1cmd1"), "开始");
        connect(start, &QPushButton::clicked, this, &Maths::solveQuadratic);
        QWidget* roots = Piece({Label("x1 ="), Result(name(f, 4)), Label("x2 ="), Result(name(f, 5))});
        rows({equation}, start, roots, frame);
        column->addWidget(frame);
    }
    // a1 x + b1 y = c1, a2 x + b2 y = c2
    {
        QGroupBox* frame = Frame("MathsEquationFrame2", "二元一次方程组");
        const char* f = "MathsEquationFrame2";
        auto [equations, inputs] = grid();
        for (int row = 0; row < 2; ++row) {
            inputs->addWidget(Box(name(f, row * 3 + 1), QStringLiteral("0")), row, 0);
            inputs->addWidget(Label("x +"), row, 1);
            inputs->addWidget(Box(name(f, row * 3 + 2), QStringLiteral("0")), row, 2);
            inputs->addWidget(Label("y ="), row, 3);
            inputs->addWidget(Box(name(f, row * 3 + 3), QStringLiteral("0")), row, 4);
        }
        QPushButton* start = Button(QStringLiteral("MathsEquationFrame2cmd1"), "开 始");
        connect(start, &QPushButton::clicked, this, &Maths::solveLinear2);
        auto [roots, results] = grid();
        results->addWidget(Label("x ="), 0, 0);
        results->addWidget(Result(name(f, 7)), 0, 1);
        results->addWidget(Label("y ="), 1, 0);
        results->addWidget(Result(name(f, 8)), 1, 1);
        rows({equations}, start, roots, frame);
        column->addWidget(frame);
    }
    // Three equations in x, y, z.
    {
        QGroupBox* frame = Frame("MathsEquationFrame3", "三元一次方程组");
        const char* f = "MathsEquationFrame3";
        auto [equations, inputs] = grid();
        const char* const unknowns[] = {"x +", "y +", "z ="};
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 4; ++col) {
                inputs->addWidget(Box(name(f, row * 4 + col + 1), QStringLiteral("0")), row, col * 2);
                if (col < 3) inputs->addWidget(Label(unknowns[col]), row, col * 2 + 1);
            }
        }
        QPushButton* start = Button(QStringLiteral("MathsEquationFrame3cmd1"), "开   始");
        connect(start, &QPushButton::clicked, this, &Maths::solveLinear3);
        auto [roots, results] = grid();
        const char* const labels[] = {"x =", "y =", "z ="};
        for (int row = 0; row < 3; ++row) {
            results->addWidget(Label(labels[row]), row, 0);
            results->addWidget(Result(name(f, 13 + row)), row, 1);
        }
        rows({equations}, start, roots, frame);
        column->addWidget(frame);
    }
    return page;
}

void Maths::solveQuadratic() {
    apply(maths::SolveQuadratic(text("MathsEquationFrame1Text1").toStdString(), text("MathsEquationFrame1Text2").toStdString(),
                                text("MathsEquationFrame1Text3").toStdString()));
}

void Maths::solveLinear2() {
    setStatus(U(maths::kCalculating));
    std::string t[6];
    for (int i = 0; i < 6; ++i)
        t[i] = FieldText(this, QStringLiteral("MathsEquationFrame2Text%1").arg(i + 1)).toStdString();
    apply(maths::SolveLinear2(t[0], t[1], t[2], t[3], t[4], t[5]));
}

void Maths::solveLinear3() {
    setStatus(U(maths::kCalculating));
    std::string t[12];
    for (int i = 0; i < 12; ++i)
        t[i] = FieldText(this, QStringLiteral("MathsEquationFrame3Text%1").arg(i + 1)).toStdString();
    apply(maths::SolveLinear3(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11]));
}

// ---- Trigonometry --------------------------------------------------------------

QWidget* Maths::buildTrigPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TriFunction"));
    auto* column = new QVBoxLayout(page);

    // The angle and its unit, the six functions, the result: each group on a
    // line of its own when the frame is narrow.
    QGroupBox* calc = Frame("MathsTriF", "三角函数");
    auto* flow = new FlowLayout(calc);
    flow->addWidget(Box(QStringLiteral("MathsTriFText1"), QStringLiteral("0"), 256));
    QGroupBox* unitFrame = Frame("MathsTriFFrame1", "角的计量法");
    auto* unitRow = new QHBoxLayout(unitFrame);
    units_ = new QButtonGroup(this);
    auto* degrees = new QRadioButton(U("角度制"));
    degrees->setObjectName(QStringLiteral("MathsTriFOption1"));
    degrees->setChecked(true);
    auto* radians = new QRadioButton(U("弧度制"));
    radians->setObjectName(QStringLiteral("MathsTriFOption2"));
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
    QLineEdit* result = Result(QStringLiteral("MathsTriFText2"));
    result->setMaximumWidth(QWIDGETSIZE_MAX);  // the whole line: it holds the longest texts of the window
    TooltipFollowsText(result);                // whole also where the line is short
    flow->addWidget(result);
    column->addWidget(calc);

    QGroupBox* sketch = Frame("MathsTriFDrawer", "绘制草图");
    auto* sketchColumn = new QVBoxLayout(sketch);
    auto* controlBox = new QWidget;
    auto* controls = new FlowLayout(controlBox);
    controls->setContentsMargins(0, 0, 0, 0);
    QPushButton* sine = Button(QStringLiteral("MathsTriFDrawercmd1"), "正弦(红)");
    QPushButton* cosine = Button(QStringLiteral("MathsTriFDrawercmd2"), "余弦(蓝)");
    connect(sine, &QPushButton::clicked, this, [this] { runSketch(false); });
    connect(cosine, &QPushButton::clicked, this, [this] { runSketch(true); });
    controls->addWidget(sine);
    controls->addWidget(cosine);
    QLineEdit* left = Result(QStringLiteral("MathsTriFDrawerText1"), QStringLiteral("-6.283"));
    left->setMaxLength(6);
    left->setFixedWidth(64);
    QLineEdit* right = Box(QStringLiteral("MathsTriFDrawerText2"), QStringLiteral("6.283"), 5);
    right->setFixedWidth(64);
    controls->addWidget(Piece({left, new RangeArrow, right}));
    // The left end follows the right end character for character.
    connect(right, &QLineEdit::textChanged, left, [left](const QString& t) { left->setText(QLatin1Char('-') + t); });
    QPushButton* stop = Button(QStringLiteral("MathsTriFDrawercmd4"), "停止(&S)");
    connect(stop, &QPushButton::clicked, this, &Maths::stopSketch);
    controls->addWidget(stop);
    QPushButton* clear = Button(QStringLiteral("MathsTriFDrawercmd3"), "清 除");
    controls->addWidget(clear);
    sketchColumn->addWidget(controlBox);
    // The range boxes come before the buttons that draw over that range.
    QWidget::setTabOrder(left, right);
    QWidget::setTabOrder(right, sine);
    QWidget::setTabOrder(sine, cosine);
    QWidget::setTabOrder(cosine, stop);
    QWidget::setTabOrder(stop, clear);
    sketch_ = new PlotCanvas(services_, QSize(6375 / 10, 1815 / 10));  // half as large again as the twips
    sketch_->setObjectName(QStringLiteral("MathsTriFDrawerBox1"));
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
    const QString unit = units_->checkedId() == 1 ? U("弧度制") : U("角度制");
    hints_->setHint(QStringLiteral("MathsTriFText1"), U("请输入欲计算的数据(") + unit + QLatin1Char(')'));
}

void Maths::runTrig(int button) {
    setStatus(U(maths::kCalculating));
    apply(maths::Trig(maths::kTrigButtons[static_cast<std::size_t>(button)].function,
                      text("MathsTriFText1").toStdString(), units_->checkedId() == 1));
}

// ---- Multiplication formulas ---------------------------------------------------------

QWidget* Maths::buildFormulaPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Formula"));
    auto* column = new QVBoxLayout(page);
    QGroupBox* frame = Frame("MathsMultiplication", "乘法公式");
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
    setStatus(U(maths::kCalculating));
    apply(maths::MultiplicationFormula(which, text(maths::kFormulaA).toStdString(), text(maths::kFormulaB).toStdString()));
}

// ---- Trigonometric sketch -----------------------------------------------------------

void Maths::runSketch(bool cosine) {
    const maths::SketchStart start = maths::CheckSketch(text("MathsTriFDrawerText2").toStdString());
    if (start.outcome.failed()) {
        apply(start.outcome);
        return;
    }
    const char* const buttons[] = {"MathsTriFDrawercmd1", "MathsTriFDrawercmd2", "MathsTriFDrawercmd3"};
    // While the sketch runs, a focus on one of its buttons waits on the stop
    // button; afterwards it goes back where the user had it.
    auto focus = std::make_shared<FocusKeeper>();
    for (const char* b : buttons) {
        if (auto* button = findChild<QPushButton*>(QLatin1String(b)); button->hasFocus())
            findChild<QPushButton*>(QStringLiteral("MathsTriFDrawercmd4"))->setFocus(Qt::OtherFocusReason);
    }
    for (const char* b : buttons) findChild<QPushButton*>(QLatin1String(b))->setEnabled(false);
    focus->settled();
    const double r = start.r;
    sketch_->setMapping({-r, 2, r, -2});
    sketch_->setDescriptionBase(U("三角函数草图，横轴 %1 至 %2，纵轴 -2 至 2")
                                    .arg(text("MathsTriFDrawerText1"), text("MathsTriFDrawerText2")));
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
            for (const char* b : {"MathsTriFDrawercmd1", "MathsTriFDrawercmd2", "MathsTriFDrawercmd3"})
                findChild<QPushButton*>(QLatin1String(b))->setEnabled(true);
            focus->restore();
        });
}

void Maths::stopSketch() {
    sketchJob_->cancel();
    for (const char* b : {"MathsTriFDrawercmd1", "MathsTriFDrawercmd2", "MathsTriFDrawercmd3"})
        findChild<QPushButton*>(QLatin1String(b))->setEnabled(true);
}

}  // namespace numora
