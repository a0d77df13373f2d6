// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FunctionCanvas.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace numora {
namespace {

// How near (pixels) the pointer must come to a graph to trace it, and to a
// key point to show it.
constexpr double kTraceReach = 12;
constexpr double kKeyReach = 6;
// A pan step from the keyboard: a tenth of the view.
constexpr double kPanStep = 0.1;
constexpr maths::Rgb kIntersectionColour{0, 0, 0};

QColor Shown(maths::Rgb c, const QColor& face) {
    const maths::Rgb bg{static_cast<std::uint8_t>(face.red()), static_cast<std::uint8_t>(face.green()),
                        static_cast<std::uint8_t>(face.blue())};
    const maths::Rgb shown = maths::LegibleColour(c, maths::Picture::Role::Curve, bg);
    return QColor(shown.r, shown.g, shown.b);
}

}  // namespace

FunctionCanvas::FunctionCanvas(Services& services, QSize size, QWidget* parent)
    : PlotCanvas(services, size, parent), home_(mapping()), view_(mapping()) {
    setCursor(Qt::CrossCursor);
    layoutView();
}

void FunctionCanvas::setStoredRange(const maths::PlotRange& range, int grid, const maths::AxisLayout& axes) {
    home_ = {range.minX, range.maxY, range.maxX, range.minY};
    grid_ = grid;
    homeAxes_ = axes;
    view_ = home_;
    traceCurve_.reset();
    hoverKey_.reset();
    layoutView();
}

void FunctionCanvas::clear() {
    PlotCanvas::clear();
    functions_.clear();
    graphs_.clear();
    keys_.reset();
    traceCurve_.reset();
    hoverKey_.reset();
}

void FunctionCanvas::addGraph(const maths::Graph& graph) {
    if (!graph.curve) return;
    Graph g;
    g.colour = graph.colour;
    // The draw command draws at the stored range, whatever the view.
    g.homeBegin = drawnLines().size();
    const maths::CanvasMapping shown = mapping();
    setMapping(home_);
    addSegments(graph.segments, graph.colour, 1);
    setMapping(shown);
    g.homeEnd = drawnLines().size();
    functions_.push_back(*graph.curve);
    graphs_.push_back(std::move(g));
    sampleGraph(graphs_.size() - 1);
    keys_.reset();
    update();
}

void FunctionCanvas::sampleGraph(std::size_t index) {
    Graph& g = graphs_[index];
    g.shares.clear();
    if (atHome()) {
        // At home the graph is what the draw command drew.
        const auto& lines = drawnLines();
        for (std::size_t i = g.homeBegin; i < g.homeEnd && i < lines.size(); ++i)
            g.shares.push_back({lines[i].x1, lines[i].y1, lines[i].x2, lines[i].y2});
        return;
    }
    // About two samples a pixel of the screen.
    const double pixels = width() * devicePixelRatioF();
    const auto intervals = static_cast<std::size_t>(std::max(400.0, 2 * pixels));
    maths::Segment s{};
    for (const maths::Segment& segment : maths::SampleCurve(functions_[index], view_, intervals))
        if (maths::ShareSegment(view_, segment, s)) g.shares.push_back(s);
}

void FunctionCanvas::setView(const maths::CanvasMapping& view) {
    if (view == view_) return;
    view_ = view;
    layoutView();
    emit viewChanged();
}

void FunctionCanvas::layoutView() {
    setMapping(view_);
    viewLines_.clear();
    viewTexts_.clear();
    const bool home = atHome();
    const maths::AxisLayout axes = home ? homeAxes_ : maths::PlaceAxes(homeAxes_, view_);
    bool xOnGrid = false, yOnGrid = false;
    const auto xTicks = maths::AxisTicks(view_, false, grid_, home, &xOnGrid);
    const auto yTicks = maths::AxisTicks(view_, true, grid_, home, &yOnGrid);
    if (!home) {
        // The grid of a zoomed view runs through the numbered values.
        for (const maths::Segment& s : maths::TickGrid(xTicks, yTicks))
            viewLines_.push_back({s.x1, s.y1, s.x2, s.y2, maths::kGreen, 1, maths::Picture::Role::Grid});
    }
    const QFontMetricsF metrics(textFont(), this);
    const maths::TextMeasure measure{
        [&metrics](const std::string& t) { return metrics.horizontalAdvance(QString::fromStdString(t)); },
        metrics.height(), static_cast<double>(width())};
    const maths::AxisNumbers numbers = maths::NumberAxes(axes, xTicks, yTicks, !home || (xOnGrid && yOnGrid), measure);
    if (!home) {
        const maths::Picture drawnAxes = maths::PlotPicture({}, axes);
        viewLines_.insert(viewLines_.end(), drawnAxes.lines.begin(), drawnAxes.lines.end());
        viewTexts_ = drawnAxes.texts;
    }
    viewLines_.insert(viewLines_.end(), numbers.marks.begin(), numbers.marks.end());
    viewTexts_.insert(viewTexts_.end(), numbers.texts.begin(), numbers.texts.end());
    for (std::size_t i = 0; i < graphs_.size(); ++i) sampleGraph(i);
    keys_.reset();
    hoverKey_.reset();
    update();
}

maths::Picture FunctionCanvas::picture() const {
    maths::Picture p;
    if (atHome()) {
        // What the apply and draw commands drew, with the numbers.
        p = PlotCanvas::picture();
        p.lines.insert(p.lines.end(), viewLines_.begin(), viewLines_.end());
    } else {
        const auto grid = std::find_if(viewLines_.begin(), viewLines_.end(), [](const maths::Picture::Line& l) {
            return l.role != maths::Picture::Role::Grid;
        });
        p.lines.assign(viewLines_.begin(), grid);
        for (const Graph& g : graphs_)
            for (const maths::Segment& s : g.shares) p.lines.push_back({s.x1, s.y1, s.x2, s.y2, g.colour, 1});
        p.lines.insert(p.lines.end(), grid, viewLines_.end());
    }
    p.texts.insert(p.texts.end(), viewTexts_.begin(), viewTexts_.end());
    if (keysShown_) {
        for (const maths::KeyPoint& k : keyPoints().points) {
            const maths::Rgb colour = k.kind == maths::KeyKind::Intersection ? kIntersectionColour : graphs_[k.curve].colour;
            p.marks.push_back({view_.ShareX(k.x), view_.ShareY(k.y), colour, 3.5});
        }
    }
    return p;
}

const maths::KeyPoints& FunctionCanvas::keyPoints() const {
    if (!keys_) keys_ = maths::FindKeyPoints(functions_, view_);
    return *keys_;
}

void FunctionCanvas::setKeyPointsShown(bool shown) {
    if (shown == keysShown_) return;
    keysShown_ = shown;
    hoverKey_.reset();
    update();
    emit keyPointsShownChanged(shown);
}

// ---- View ------------------------------------------------------------------------

void FunctionCanvas::zoomIn() { zoomAbout(0.5, 0.5, maths::kZoomStep); }
void FunctionCanvas::zoomOut() { zoomAbout(0.5, 0.5, 1 / maths::kZoomStep); }

void FunctionCanvas::zoomAbout(double sx, double sy, double factor) {
    if (const auto zoomed = maths::ZoomView(view_, sx, sy, factor)) setView(*zoomed);
}

void FunctionCanvas::pan(double dx, double dy) { setView(maths::PanView(view_, dx, dy)); }

void FunctionCanvas::resetView() { setView(home_); }

// ---- Trace -----------------------------------------------------------------------

std::optional<FunctionCanvas::Trace> FunctionCanvas::trace() const {
    if (!traceCurve_ || *traceCurve_ >= functions_.size()) return std::nullopt;
    // A key point's own value (0 at a zero); elsewhere the graph's value at
    // the decimal x the marker stands on.
    for (const maths::KeyPoint& k : keyPoints().points)
        if (k.x == traceX_ && k.curve == *traceCurve_) return Trace{k.curve, k.x, k.y};
    return Trace{*traceCurve_, traceX_, functions_[*traceCurve_].At(maths::DecimalOf(traceX_))};
}

const char* FunctionCanvas::keyNameAt(std::size_t curve, double x) const {
    if (hoverKey_ && hoverKey_->x == x) return maths::KeyKindName(hoverKey_->kind);
    const char* name = nullptr;
    for (const maths::KeyPoint& k : keyPoints().points)
        if (k.x == x && (k.curve == curve || k.other == curve) && !name) name = maths::KeyKindName(k.kind);
    return name;
}

std::string FunctionCanvas::traceLabel() const {
    const auto t = trace();
    if (!t) return {};
    return maths::TraceText(t->curve, t->x, t->y, keyNameAt(t->curve, t->x));
}

QString FunctionCanvas::traceText() const { return QString::fromStdString(traceLabel()); }

std::vector<double> FunctionCanvas::stopsOf(std::size_t curve) const {
    std::vector<double> stops;
    for (const maths::KeyPoint& k : keyPoints().points)
        if (k.curve == curve || k.other == curve) stops.push_back(k.x);
    std::sort(stops.begin(), stops.end());
    stops.erase(std::unique(stops.begin(), stops.end()), stops.end());
    return stops;
}

void FunctionCanvas::traceTo(std::size_t curve, double x) {
    traceCurve_ = curve;
    traceX_ = x;
    traceFromKeys_ = true;
    hoverKey_.reset();
    // The view follows the marker out of it.
    const double width = view_.right - view_.left;
    if (x < view_.left) pan((x - view_.left) / width - kPanStep, 0);
    if (x > view_.right) pan((x - view_.right) / width + kPanStep, 0);
    update();
    emit traced(traceText());
}

void FunctionCanvas::stepTrace(int direction) {
    if (functions_.empty()) return;
    if (!traceCurve_ || !traceFromKeys_) {
        // The marker starts at x = 0, or in the middle of the view.
        const double step = maths::TraceStep(view_);
        double x = traceCurve_ ? traceX_ : 0;
        if (x < view_.left || x > view_.right)
            x = maths::RoundToResolution(view_.UserX(0.5), step);
        traceTo(traceCurve_.value_or(0), x);
        return;
    }
    traceTo(*traceCurve_, maths::NextTraceX(traceX_, direction, maths::TraceStep(view_), stopsOf(*traceCurve_)));
}

void FunctionCanvas::switchCurve(int direction) {
    if (functions_.empty()) return;
    if (!traceCurve_ || !traceFromKeys_) {
        stepTrace(0);
        return;
    }
    const std::size_t n = functions_.size();
    traceTo((*traceCurve_ + n + static_cast<std::size_t>(direction > 0 ? 1 : n - 1)) % n, traceX_);
}

void FunctionCanvas::jumpToKeyPoint(int direction) {
    if (functions_.empty()) return;
    if (!traceCurve_ || !traceFromKeys_) stepTrace(0);
    const std::vector<double> stops = stopsOf(*traceCurve_);
    if (direction > 0) {
        const auto next = std::upper_bound(stops.begin(), stops.end(), traceX_);
        if (next != stops.end()) traceTo(*traceCurve_, *next);
    } else {
        const auto next = std::lower_bound(stops.begin(), stops.end(), traceX_);
        if (next != stops.begin()) traceTo(*traceCurve_, *std::prev(next));
    }
}

const maths::KeyPoint* FunctionCanvas::keyPointNear(double sx, double sy) const {
    if (!keysShown_) return nullptr;
    const maths::KeyPoint* best = nullptr;
    double bestDistance = kKeyReach / std::max(1, width());
    for (const maths::KeyPoint& k : keyPoints().points) {
        const double d = std::hypot(view_.ShareX(k.x) - sx, view_.ShareY(k.y) - sy);
        if (d <= bestDistance) best = &k, bestDistance = d;
    }
    return best;
}

// ---- Input -----------------------------------------------------------------------

void FunctionCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragFrom_ = event->position();
        dragView_ = view_;
        setCursor(Qt::ClosedHandCursor);
    }
    PlotCanvas::mousePressEvent(event);
}

void FunctionCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragFrom_.reset();
        setCursor(Qt::CrossCursor);
    }
    PlotCanvas::mouseReleaseEvent(event);
}

void FunctionCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (dragFrom_ && (event->buttons() & Qt::LeftButton)) {
        // The point taken follows the pointer.
        setView(maths::PanView(dragView_, -(at.x() - dragFrom_->x()) / width(), (at.y() - dragFrom_->y()) / height()));
    } else {
        const double sx = at.x() / width(), sy = at.y() / height();
        const maths::KeyPoint* key = keyPointNear(sx, sy);
        hoverKey_.reset();
        if (key) {
            hoverKey_ = *key;
            traceCurve_ = key->curve;
            traceX_ = key->x;
            traceFromKeys_ = false;
        } else {
            std::vector<const std::vector<maths::Segment>*> lines;
            for (const Graph& g : graphs_) lines.push_back(&g.shares);
            if (const auto near = maths::NearestCurve(lines, sx, sy, kTraceReach / std::max(1, width()))) {
                traceCurve_ = near->curve;
                // As many digits as the pixel tells.
                const double pixel = (view_.right - view_.left) / std::max(1, width());
                traceX_ = maths::RoundToResolution(view_.UserX(near->shareX), pixel / 2);
                traceFromKeys_ = false;
            } else if (!traceFromKeys_) {
                traceCurve_.reset();
            }
        }
        update();
    }
    PlotCanvas::mouseMoveEvent(event);
}

void FunctionCanvas::leaveEvent(QEvent* event) {
    hoverKey_.reset();
    if (!traceFromKeys_) traceCurve_.reset();
    update();
    PlotCanvas::leaveEvent(event);
}

void FunctionCanvas::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    const QPointF at = event->position();
    zoomAbout(at.x() / width(), at.y() / height(), std::pow(maths::kZoomStep, delta / 120.0));
    event->accept();
}

void FunctionCanvas::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
        case Qt::Key_Left: ctrl ? pan(-kPanStep, 0) : stepTrace(-1); break;
        case Qt::Key_Right: ctrl ? pan(kPanStep, 0) : stepTrace(1); break;
        case Qt::Key_Up: ctrl ? pan(0, kPanStep) : switchCurve(-1); break;
        case Qt::Key_Down: ctrl ? pan(0, -kPanStep) : switchCurve(1); break;
        case Qt::Key_PageUp: jumpToKeyPoint(-1); break;
        case Qt::Key_PageDown: jumpToKeyPoint(1); break;
        case Qt::Key_Plus:
        case Qt::Key_Equal: zoomIn(); break;
        case Qt::Key_Minus: zoomOut(); break;
        case Qt::Key_0: resetView(); break;
        default: PlotCanvas::keyPressEvent(event); return;
    }
    event->accept();
}

void FunctionCanvas::resizeEvent(QResizeEvent* event) {
    PlotCanvas::resizeEvent(event);
    layoutView();
}

void FunctionCanvas::changeEvent(QEvent* event) {
    PlotCanvas::changeEvent(event);
    if (event->type() == QEvent::FontChange) layoutView();
}

void FunctionCanvas::addMenuEntries(QMenu& menu) {
    menu.addSeparator();
    menu.addAction(QString::fromUtf8("放大(&I)"), this, &FunctionCanvas::zoomIn)->setShortcut(QKeySequence(Qt::Key_Plus));
    menu.addAction(QString::fromUtf8("缩小(&O)"), this, &FunctionCanvas::zoomOut)->setShortcut(QKeySequence(Qt::Key_Minus));
    QAction* home = menu.addAction(QString::fromUtf8("复位视图(&R)"), this, &FunctionCanvas::resetView);
    home->setShortcut(QKeySequence(Qt::Key_0));
    home->setEnabled(!atHome());
    QAction* keys = menu.addAction(QString::fromUtf8("显示关键点(&K)"), this, &FunctionCanvas::setKeyPointsShown);
    keys->setCheckable(true);
    keys->setChecked(keysShown_);
}

// ---- Painting --------------------------------------------------------------------

void FunctionCanvas::paintOverlay(QPainter& painter) {
    const auto t = trace();
    if (!t || std::isnan(t->y)) return;
    const double x = view_.ShareX(t->x) * width(), y = view_.ShareY(t->y) * height();
    if (!(x >= 0 && x <= width() && y >= 0 && y <= height())) return;
    const QColor face = palette().color(QPalette::Base), text = palette().color(QPalette::Text);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Shown(graphs_[t->curve].colour, face), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(x, y), 5, 5);
    // The point beside the marker, in a box of the canvas's face.
    std::string label = maths::PointText(t->x, t->y);
    if (const char* name = keyNameAt(t->curve, t->x)) label = std::string(name) + " " + label;
    painter.setFont(textFont());
    const QString shown = QString::fromStdString(label);
    const QFontMetricsF metrics(painter.font());
    QRectF box(0, 0, metrics.horizontalAdvance(shown) + 6, metrics.height() + 2);
    box.moveBottomLeft(QPointF(x + 8, y - 6));
    if (box.right() > width()) box.moveRight(x - 8);
    if (box.top() < 0) box.moveTop(y + 6);
    box.moveLeft(std::clamp(box.left(), 0.0, std::max(0.0, width() - box.width())));
    painter.setPen(QPen(text, 1));
    painter.setBrush(face);
    painter.drawRect(box);
    painter.drawText(box, Qt::AlignCenter, shown);
    painter.restore();
}

}  // namespace numora
