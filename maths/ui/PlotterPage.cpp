// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotterPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "Accessibility.h"
#include "CoefficientSliders.h"
#include "FormHelpers.h"
#include "FunctionCanvas.h"
#include "GraphList.h"
#include "MathsAccessibility.h"
#include "Outcome.h"
#include "PlotExplorer.h"
#include "Reflow.h"
#include "MathsMessages.h"
#include "Services.h"
#include "SettingsStore.h"

namespace numora {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// The canvas's design size (half as large again as 3650 twips), and the
// least it shrinks to.
constexpr int kCanvasSide = 365;
constexpr int kLeastSide = 240;

// The canvas as a square as large as the page allows, the controls beside
// it while that leaves the larger canvas, else under it. Beside it the
// controls scroll on their own when the page is shorter than they are, so
// the canvas stays whole in view.
class CanvasLayout final : public QLayout {
public:
    CanvasLayout(QWidget* parent, QWidget* canvas, QScrollArea* panel) : QLayout(parent), panel_(panel) {
        addChildWidget(canvas);
        addChildWidget(panel);
        items_ << new QWidgetItem(canvas) << new QWidgetItem(panel);
        setContentsMargins(6, 6, 6, 6);
        setSpacing(8);
    }
    ~CanvasLayout() override { qDeleteAll(items_); }

    void addItem(QLayoutItem* item) override { delete item; }
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override { return index >= 0 && index < items_.size() ? items_[index] : nullptr; }
    QLayoutItem* takeAt(int) override { return nullptr; }
    Qt::Orientations expandingDirections() const override { return Qt::Horizontal | Qt::Vertical; }
    bool hasHeightForWidth() const override { return true; }

    int heightForWidth(int width) const override {
        const QMargins m = contentsMargins();
        const int w = width - m.left() - m.right();
        if (w >= kLeastSide + spacing() + panelMinimumWidth()) return kLeastSide + m.top() + m.bottom();
        return std::min(w, kLeastSide) + spacing() + panelHeight(w) + m.top() + m.bottom();
    }
    QSize sizeHint() const override {
        const QMargins m = contentsMargins();
        return QSize(kCanvasSide + spacing() + panelWidth() + m.left() + m.right(),
                     std::max(kCanvasSide, panelHeight(panelWidth())) + m.top() + m.bottom());
    }
    QSize minimumSize() const override {
        const QMargins m = contentsMargins();
        return QSize(std::max(kLeastSide, panelMinimumWidth()) + m.left() + m.right(), kLeastSide + m.top() + m.bottom());
    }

    void setGeometry(const QRect& rect) override {
        QLayout::setGeometry(rect);
        const QRect r = rect.marginsRemoved(contentsMargins());
        const int gap = spacing();
        // The canvas first: the controls beside it at their least width
        // (they scroll on their own when taller than the page), and any
        // width left over to them, up to half as wide again as they like.
        const int beside = std::min(r.height(), r.width() - gap - panelMinimumWidth());
        if (beside >= kLeastSide) {
            const int width = std::min(r.width() - beside - gap, panelWidth() * 3 / 2);
            items_[0]->setGeometry(QRect(r.topLeft(), QSize(beside, beside)));
            items_[1]->setGeometry(QRect(r.left() + beside + gap, r.top(), width, r.height()));
            return;
        }
        // Under it: the canvas as large as the page leaves above the
        // controls, at least its least size (the page then scrolls).
        const int below = panelHeight(r.width());
        const int side = std::min(r.width(), std::max(std::min(r.width(), kLeastSide), r.height() - gap - below));
        const int top = r.top() + side + gap;
        items_[0]->setGeometry(QRect(r.left() + (r.width() - side) / 2, r.top(), side, side));
        items_[1]->setGeometry(QRect(r.left(), top, r.width(), std::max(below, r.bottom() + 1 - top)));
    }

private:
    QWidget* content() const { return panel_->widget(); }
    int scrollBar() const { return panel_->verticalScrollBar()->sizeHint().width(); }
    int panelWidth() const { return content()->sizeHint().width() + scrollBar(); }
    int panelMinimumWidth() const { return content()->minimumSizeHint().width() + scrollBar(); }
    int panelHeight(int width) const {
        const int inner = width - scrollBar();
        return content()->hasHeightForWidth() ? content()->heightForWidth(inner) : content()->sizeHint().height();
    }

    QScrollArea* panel_;
    QList<QLayoutItem*> items_;
};

QLineEdit* Box(const QString& name, const QString& text) {
    auto* box = new QLineEdit(text);
    box->setObjectName(name);
    box->setMinimumWidth(40);
    return box;
}

// Enter in a coefficient box draws (not the sliders' 播放 that follows it).
QLineEdit* CoefficientBox(const QString& name, const QString& text) {
    QLineEdit* box = Box(name, text);
    box->setProperty("enterCommand", QStringLiteral("MathsFunctionShapecmd1"));
    return box;
}

QPushButton* Button(const char* name, const char* caption) {
    auto* button = new QPushButton(U(caption));
    button->setObjectName(QLatin1String(name));
    return button;
}

// Each kind's frame shows the formula around its coefficient boxes: a part
// with a box name starting "Text" is a box with its initial text. The
// letters name the coefficients on the sliders.
struct Kind {
    const char* frame;
    std::vector<std::pair<const char*, const char*>> parts;
    QStringList letters;
    bool typed = false;
};
const Kind kKinds[] = {
    {"MathsFunctionShapeFrame1", {{"y =", nullptr}, {"Text1", "1"}, {" x +", nullptr}, {"Text2", "0"}}, {"k", "b"}},
    {"MathsFunctionShapeFrame2",
     {{"y =", nullptr}, {"Text1", "1"}, {"x<sup>2</sup> +", nullptr}, {"Text2", "0"}, {"x +", nullptr}, {"Text3", "0"}},
     {"a", "b", "c"}},
    {"MathsFunctionShapeFrame3",
     {{"y = (", nullptr}, {"Text1", "2"}, {"/", nullptr}, {"Text2", "1"}, {")<sup>x</sup>", nullptr}}, {"p", "q"}},
    {"MathsFunctionShapeFrame4",
     {{"y = Log<sub>(</sub>", nullptr}, {"Text1", "2"}, {"<sub>/</sub>", nullptr}, {"Text2", "1"}, {"<sub>)</sub> x", nullptr}},
     {"p", "q"}},
    {"MathsFunctionShapeFrame5", {{"y =", nullptr}, {"Text1", "1"}, {"/ x", nullptr}}, {"k"}},
    {"MathsFunctionShapeFrame6",
     {{"y =", nullptr}, {"Text1", "1"}, {"sin(", nullptr}, {"Text2", "1"}, {"x+", nullptr}, {"Text3", "0"}, {")+", nullptr}, {"Text4", "0"}},
     {"A", "ω", "φ", "d"}},
    {"MathsFunctionShapeFrame7",
     {{"y =", nullptr}, {"Text1", "1"}, {"cos(", nullptr}, {"Text2", "1"}, {"x+", nullptr}, {"Text3", "0"}, {")+", nullptr}, {"Text4", "0"}},
     {"A", "ω", "φ", "d"}},
    {"MathsFunctionShapeFrame8", {{"y =", nullptr}, {"Text1", "1"}, {"x ^", nullptr}, {"Text2", "3"}}, {"a", "b"}},
    {"MathsFunctionShapeFrame9",
     {{"y =", nullptr}, {"Text1", "1"}, {"tan(", nullptr}, {"Text2", "1"}, {"x+", nullptr}, {"Text3", "0"}, {")", nullptr}},
     {"A", "ω", "φ"}},
    {"MathsFunctionShapeFrame10",
     {{"y =", nullptr}, {"Text1", "1"}, {"|x −", nullptr}, {"Text2", "0"}, {"| +", nullptr}, {"Text3", "0"}}, {"a", "h", "k"}},
    {"MathsFunctionShapeFrame11", {{"y =", nullptr}, {"Text1", "x^3/4-x"}}, {"a", "b", "c"}, true},
};
constexpr int kTypedKind = 10;

// The page's own controls: hints and accessible names.
const std::pair<const char*, const char*> kHints[] = {
    {"MathsFunctionShapeSliders", "拖动滑块改变系数，所选图象随之变化"},
    {"MathsFunctionShapeSliderscmd1", "播放/暂停：使所选系数在其范围内来回变化"},
    {"MathsFunctionShapeList", "已绘制的图象：勾选显示或隐藏，选中后可用滑块改变其系数"},
    {"MathsFunctionShapeList1", "已绘制的图象：勾选显示或隐藏，选中后可用滑块改变其系数"},
    {"MathsFunctionShapeListcmd1", "删除所选图象(Delete)"},
};

}  // namespace

PlotterPage::PlotterPage(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
    setObjectName(QStringLiteral("FunctionDrawer"));
    auto* pageLayout = new QVBoxLayout(this);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    auto* frame = new QGroupBox(U("函数图象绘制"));
    frame->setObjectName(QStringLiteral("MathsFunctionShape"));
    pageLayout->addWidget(frame, 1);

    canvas_ = new FunctionCanvas(services_, session_, QSize(kCanvasSide, kCanvasSide));
    canvas_->setObjectName(QStringLiteral("MathsFunctionShapeBox1"));
    canvas_->setDescriptionBase(U("函数图象"));
    // The mouse read-out, then the point of the graph the mouse traces.
    connect(canvas_, &PlotCanvas::mouseMovedTo, this, [this](double x, double y) {
        QString text = QString::fromStdString(maths::PlotReadout(x, y));
        if (const QString traced = canvas_->mouseTraceText(); !traced.isEmpty()) text += U("  追踪 ") + traced;
        emit status(text);
    });

    auto* side = new QWidget;
    side->setObjectName(QStringLiteral("MathsFunctionShapeControls"));
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(buildKinds());
    sliders_ = new CoefficientSliders(services_.dialogs);
    for (int k = 0; k < static_cast<int>(std::size(kKinds)); ++k) {
        QList<QLineEdit*> boxes = kindBoxes(k);
        if (kKinds[k].typed) boxes.removeFirst();  // the parameters' sliders
        sliders_->addKind(boxes, kKinds[k].letters);
    }
    sliders_->finish();
    connect(sliders_, &CoefficientSliders::moved, this, &PlotterPage::sliderMoved);
    column->addWidget(sliders_);
    draw_ = Button("MathsFunctionShapecmd1", "开  始  绘  制");
    draw_->setToolTip(U("生成图象后转换版面会清除图象"));
    connect(draw_, &QPushButton::clicked, this, &PlotterPage::draw);
    column->addWidget(draw_);
    list_ = new GraphList(session_);
    connect(list_, &GraphList::selectedGraph, this, &PlotterPage::graphSelected);
    connect(list_, &GraphList::changed, this, &PlotterPage::graphsChanged);
    column->addWidget(list_);
    column->addWidget(buildOptions());
    explorer_ = new PlotExplorer(canvas_, services_.dialogs);
    connect(explorer_, &PlotExplorer::status, this, &PlotterPage::status);
    column->addWidget(explorer_);
    column->addStretch();

    auto* panel = new QScrollArea;
    panel->setObjectName(QStringLiteral("MathsFunctionShapePanel"));
    panel->setFrameShape(QFrame::NoFrame);
    panel->setWidgetResizable(true);
    panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panel->setFocusPolicy(Qt::NoFocus);
    panel->setWidget(side);
    new CanvasLayout(frame, canvas_, panel);

    kindChanged(0);
    typedParametersChanged();
}

PlotterPage::~PlotterPage() = default;

void PlotterPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, &PlotterPage::growWindow);
}

void PlotterPage::growWindow() {
    QMdiSubWindow* window = nullptr;
    for (QWidget* w = parentWidget(); w && !window; w = w->parentWidget()) window = qobject_cast<QMdiSubWindow*>(w);
    if (!window || !window->mdiArea() || !isVisible() || window->isMaximized() || window->isMinimized() ||
        window->property("numoraSizeKept").toBool())
        return;
    // As far as the area right of and below the window reaches.
    const QSize room = window->mdiArea()->viewport()->size() - QSize(window->x(), window->y());
    // The layout's own size hint (the page's answers its least height, which
    // lets a short window shrink the canvas instead of scrolling).
    QLayout* layout = findChild<QGroupBox*>(QStringLiteral("MathsFunctionShape"))->layout();
    const QSize want = window->size() + (layout->sizeHint() - layout->geometry().size()).expandedTo(QSize(0, 0));
    const QSize grown = want.boundedTo(room).expandedTo(window->size());
    if (grown != window->size()) window->resize(grown);
}

QWidget* PlotterPage::buildKinds() {
    auto* holder = new QWidget;
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);
    kinds_ = new QComboBox;
    kinds_->setObjectName(QStringLiteral("MathsFunctionShapeCombo1"));
    kinds_->setToolTip(U("选择创建函数的类型"));
    kindFrames_ = new QStackedWidget;
    for (std::size_t k = 0; k < std::size(kKinds); ++k) {
        const Kind& kind = kKinds[k];
        kinds_->addItem(U(maths::kKindNames[k]));
        auto* kindFrame = new QGroupBox(U(maths::kKindNames[k]));
        kindFrame->setObjectName(QLatin1String(kind.frame));
        auto* frameLayout = new QVBoxLayout(kindFrame);
        auto* formula = new QHBoxLayout;
        frameLayout->addLayout(formula);
        for (const auto& [part, initial] : kind.parts) {
            if (!initial) {
                auto* label = new QLabel(U(part));
                label->setTextFormat(Qt::RichText);
                formula->addWidget(label);
                continue;
            }
            QLineEdit* box = CoefficientBox(QLatin1String(kind.frame) + QLatin1String(part), U(initial));
            if (kind.typed) {
                box->setMaxLength(maths::kTypedFunctionLength);
                box->setToolTip(U("x、数、+ − × ÷ ^、括号、sqrt abs sin cos tan(弧度) ln lg exp、π 和 e，"
                                  "参数 a b c，如 x^2-3x+2"));
                connect(box, &QLineEdit::textChanged, this, &PlotterPage::typedParametersChanged);
                formula->addWidget(box, 1);
                continue;
            }
            SensibleInputWidth(box, 4);
            box->setMaximumWidth(box->minimumWidth() * 3 / 2);
            formula->addWidget(box);
        }
        if (!kind.typed) {
            formula->addStretch();
        } else {
            // The parameters a, b and c the function uses, under it.
            auto* parameters = new QHBoxLayout;
            for (int p = 0; p < 3; ++p) {
                const auto name = QStringLiteral("%1Text%2").arg(QLatin1String(kind.frame)).arg(p + 2);
                QLineEdit* box = CoefficientBox(name, QString::number(maths::kParameterDefaults[static_cast<std::size_t>(p)]));
                SensibleInputWidth(box, 4);
                box->setMaximumWidth(box->minimumWidth() * 3 / 2);
                QWidget* piece = Piece({new QLabel(QLatin1String(maths::kParameterNames[static_cast<std::size_t>(p)]) +
                                                   QLatin1String(" =")),
                                        box});
                piece->setObjectName(name + QLatin1String("Piece"));
                parameters->addWidget(piece);
            }
            parameters->addStretch();
            frameLayout->addLayout(parameters);
        }
        kindFrames_->addWidget(kindFrame);
    }
    connect(kinds_, &QComboBox::currentIndexChanged, this, &PlotterPage::kindChanged);
    column->addWidget(kinds_);
    column->addWidget(SizedByShownPage(kindFrames_));
    return holder;
}

QWidget* PlotterPage::buildOptions() {
    auto* options = new QGroupBox(U("选项"));
    options->setObjectName(QStringLiteral("MathsFunctionShapeOption"));
    auto* grid = new QGridLayout(options);
    // The range boxes start from the stored range.
    const struct { const char* label; const char* key; const char* fallback; const char* tip; int maxLength; } boxes[] = {
        {"MinY:", "MinY", "-4", "设定Y轴坐标最小值", 0},
        {"MaxY:", "MaxY", "4", "设定Y轴坐标最大值", 0},
        {"MinX:", "MinX", "-4", "设定X轴坐标最小值", 0},
        {"MaxX:", "MaxX", "4", "设定X轴坐标最大值", 0},
        {"网格条数:", "GridNum", "7", nullptr, 1},
    };
    for (int i = 0; i < 5; ++i) {
        const auto& b = boxes[i];
        const QString stored =
            services_.settings.ReadSetting(QStringLiteral("FunctionDrawer"), QLatin1String(b.key), QLatin1String(b.fallback));
        QLineEdit* box = Box(QStringLiteral("MathsFunctionShapeOptionText%1").arg(i + 1), stored);
        if (b.maxLength > 0) box->setMaxLength(b.maxLength);
        if (b.tip) box->setToolTip(U(b.tip));
        grid->addWidget(new QLabel(U(b.label)), i / 2, (i % 2) * 2);
        grid->addWidget(box, i / 2, (i % 2) * 2 + 1);
    }
    apply_ = Button("MathsFunctionShapecmd2", "重置并应用选项");
    connect(apply_, &QPushButton::clicked, this, &PlotterPage::apply);
    grid->addWidget(apply_, 2, 2, 1, 2);
    return options;
}

void PlotterPage::nameControls() {
    AccessibleTable table;
    const char* const parameters[] = {"自定义函数 参数 a", "自定义函数 参数 b", "自定义函数 参数 c"};
    for (int p = 0; p < 3; ++p) table.push_back({QStringLiteral("MathsFunctionShapeFrame11Text%1").arg(p + 2), U(parameters[p]), {}});
    table.push_back({QStringLiteral("MathsFunctionShapeList1"), U("图象列表"), {}});
    table.push_back({QStringLiteral("MathsFunctionShapeListcmd1"), U("图象列表 删除"), {}});
    table.push_back({QStringLiteral("MathsFunctionShapeExploreLabel1"), U("关键点说明"), {}});
    QHash<QString, QString> hints;
    for (const auto& [control, hint] : kHints) hints.insert(QLatin1String(control), U(hint));
    auto* filter = new HintFilter(hints, [this](const QString& text) { emit status(text); }, this);
    filter->installOn(this);
    ApplyAccessibility(this, table);
    sliders_->nameAfterBoxes();
}

// ---- Kinds and boxes -----------------------------------------------------------------

QList<QLineEdit*> PlotterPage::kindBoxes(int kind) const {
    QList<QLineEdit*> boxes;
    for (int i = 1; i <= 4; ++i) {
        auto* box = kindFrames_->widget(kind)->findChild<QLineEdit*>(
            QStringLiteral("MathsFunctionShapeFrame%1Text%2").arg(kind + 1).arg(i));
        if (!box) break;
        boxes << box;
    }
    return boxes;
}

QStringList PlotterPage::boxTexts(int kind) const {
    QStringList texts;
    for (QLineEdit* box : kindBoxes(kind)) texts << box->text();
    return texts;
}

std::optional<maths::PlotRange> PlotterPage::boxRange() const {
    auto box = [this](int i) {
        return FieldText(const_cast<PlotterPage*>(this), QLatin1String(maths::kRangeBoxes[static_cast<std::size_t>(i)]))
            .toStdString();
    };
    return maths::ReadRange(box(0), box(1), box(2), box(3));
}

void PlotterPage::kindChanged(int kind) {
    kindFrames_->setCurrentIndex(kind);
    sliders_->showKind(kind);
    // The sliders move the selected graph only while it is of this kind.
    if (moving_ && *moving_ < session_.Graphs().size() &&
        static_cast<int>(session_.Graphs()[*moving_].kind) != kind) {
        moving_.reset();
        list_->select(std::nullopt);
    }
}

void PlotterPage::typedParametersChanged() {
    if (!sliders_) return;  // still being built
    QWidget* frame = kindFrames_->widget(kTypedKind);
    const auto f = maths::TypedFunction::Parse(kindBoxes(kTypedKind).front()->text().toStdString());
    QList<bool> used;
    for (int p = 0; p < 3; ++p) {
        used << (f && f->Uses(p));
        if (auto* piece = frame->findChild<QWidget*>(QStringLiteral("MathsFunctionShapeFrame11Text%1Piece").arg(p + 2)))
            piece->setVisible(used.back());
    }
    sliders_->showOnly(kTypedKind, used);
}

// ---- Commands ------------------------------------------------------------------------

void PlotterPage::apply() {
    auto box = [this](int i) { return FieldText(this, QLatin1String(maths::kRangeBoxes[static_cast<std::size_t>(i)])).toStdString(); };
    const maths::ApplyResult result = maths::ApplyRange(box(0), box(1), box(2), box(3), box(4));
    ApplyOutcome(this, result.outcome, services_.dialogs);
    if (!result.ok) return;
    for (const auto& [key, value] : result.store)
        services_.settings.WriteSetting(QStringLiteral("FunctionDrawer"), QString::fromStdString(key),
                                        QString::fromStdString(value));
    axes_ = maths::PlaceAxes(axes_, result.range);
    session_.Apply(result.range, result.grid);
    moving_.reset();
    canvas_->setDescriptionBase(U("函数图象，") + PlotRangeText(QString::fromStdString(box(2)), QString::fromStdString(box(3)),
                                                                QString::fromStdString(box(0)), QString::fromStdString(box(1))));
    canvas_->clearTrace();
    canvas_->refresh();
    list_->refresh();
    // Nothing of the graphs that were is shown any more.
    explorer_->clearTexts();
}

void PlotterPage::draw() {
    emit status(U("正在生成图象......"));
    const auto range = boxRange();
    if (!range) {
        ApplyOutcome(this, Outcome::Error(maths::kTooLarge), services_.dialogs);
        return;
    }
    const int kind = kinds_->currentIndex();
    std::vector<std::string> coefficients;
    for (const QString& text : boxTexts(kind)) coefficients.push_back(text.toStdString());
    const maths::Graph graph = maths::DrawGraph(kinds_->currentText().toStdString(), coefficients, *range);
    if (graph.outcome.failed()) {
        ApplyOutcome(this, graph.outcome, services_.dialogs);
        return;
    }
    FocusKeeper focus;
    draw_->setEnabled(false);
    apply_->setEnabled(false);
    focus.settled();
    // The new graph is the one the sliders move.
    moving_ = session_.Add(graph, coefficients);
    list_->refresh();
    list_->select(moving_);
    graphsChanged();
    draw_->setEnabled(true);
    apply_->setEnabled(true);
    focus.restore();
}

void PlotterPage::sliderMoved() {
    const int kind = kinds_->currentIndex();
    if (kind == kTypedKind) typedParametersChanged();
    if (!moving_ || *moving_ >= session_.Graphs().size() || static_cast<int>(session_.Graphs()[*moving_].kind) != kind)
        return;
    const auto range = boxRange();
    if (!range) return;
    std::vector<std::string> coefficients;
    for (const QString& text : boxTexts(kind)) coefficients.push_back(text.toStdString());
    const maths::Graph graph = maths::DrawGraph(kinds_->currentText().toStdString(), coefficients, *range);
    if (graph.outcome.failed()) {
        // No message box at every step: the graph waits for coefficients it can draw.
        emit status(QString::fromStdString(graph.outcome.message->text));
        return;
    }
    session_.Replace(*moving_, graph, coefficients);
    list_->refresh();
    graphsChanged();
}

void PlotterPage::graphSelected(std::optional<std::size_t> graph) {
    moving_ = graph;
    if (!graph || *graph >= session_.Graphs().size()) return;
    const maths::PlottedGraph& g = session_.Graphs()[*graph];
    const int kind = static_cast<int>(g.kind);
    kinds_->setCurrentIndex(kind);
    moving_ = graph;  // the kind's change keeps it: it is of this kind
    const QList<QLineEdit*> boxes = kindBoxes(kind);
    for (int i = 0; i < boxes.size() && i < static_cast<int>(g.boxes.size()); ++i)
        boxes[i]->setText(QString::fromStdString(g.boxes[static_cast<std::size_t>(i)]));
}

void PlotterPage::graphsChanged() {
    canvas_->refresh();
    explorer_->graphsChanged();
}

}  // namespace numora
