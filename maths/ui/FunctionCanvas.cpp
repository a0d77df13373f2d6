// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FunctionCanvas.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "Accessibility.h"

namespace numora {
namespace {

// How near (pixels) the pointer must come to a graph to trace it, and to a
// key point to show it.
constexpr double kTraceReach = 12;
constexpr double kKeyReach = 6;
// A pan step from the keyboard: a tenth of the view.
constexpr double kPanStep = 0.1;
// A held key tells the screen reader where the marker came to rest, once.
constexpr int kTraceQuietMs = 400;

QColor Shown(maths::Rgb c, const QColor& face) {
    const maths::Rgb bg{static_cast<std::uint8_t>(face.red()), static_cast<std::uint8_t>(face.green()),
                        static_cast<std::uint8_t>(face.blue())};
    const maths::Rgb shown = maths::LegibleColour(c, maths::Picture::Role::Curve, bg);
    return QColor(shown.r, shown.g, shown.b);
}

}  // namespace

FunctionCanvas::FunctionCanvas(Services& services, maths::PlotSession& session, QSize size, QWidget* parent)
    : PlotCanvas(services, size, parent), session_(session) {
    setCursor(Qt::CrossCursor);
    announce_.setSingleShot(true);
    announce_.setInterval(kTraceQuietMs);
    connect(&announce_, &QTimer::timeout, this, [this] { Announce(this, traceText()); });
    refresh();
}

void FunctionCanvas::refresh() {
    setMapping(session_.View());
    QStringList items;
    for (std::size_t i = 0; i < session_.Graphs().size(); ++i) {
        const auto& g = session_.Graphs()[i];
        items << QString::fromStdString(maths::PlotSession::GraphName(i) + " " + g.formula) +
                     (g.shown ? QString() : QString::fromUtf8("（已隐藏）"));
    }
    for (const std::string& note : session_.KeyNotes()) items << QString::fromStdString(note);
    if (session_.Graphs().empty()) items.clear();
    PlotCanvas::setDescriptionBase(descriptionBase_);
    setDescriptionItems(items);
    update();
}

void FunctionCanvas::setDescriptionBase(const QString& base) {
    descriptionBase_ = base;
    PlotCanvas::setDescriptionBase(base);
}

std::vector<maths::Curve> FunctionCanvas::curves() const {
    std::vector<maths::Curve> shown;
    for (const auto& g : session_.Graphs())
        if (g.shown) shown.push_back(g.curve);
    return shown;
}

maths::TextMeasure FunctionCanvas::measure() const {
    const QFontMetricsF metrics(textFont(), this);
    return {[metrics](const std::string& t) { return metrics.horizontalAdvance(QString::fromStdString(t)); },
            metrics.height(), static_cast<double>(width())};
}

maths::Picture FunctionCanvas::picture() const { return session_.Draw(measure()); }

void FunctionCanvas::setKeyPointsShown(bool shown) {
    if (shown == session_.KeyPointsShown()) return;
    session_.ShowKeyPoints(shown);
    refresh();
    emit keyPointsShownChanged(shown);
}

// ---- View ------------------------------------------------------------------------

void FunctionCanvas::viewMoved(bool moved) {
    if (!moved) return;
    setMapping(session_.View());
    refresh();
    emit viewChanged();
}

void FunctionCanvas::zoomIn() {
    viewMoved(session_.Zoom(maths::kZoomStep));
    if (session_.TracedFromKeys()) tellTrace();
}
void FunctionCanvas::zoomOut() {
    viewMoved(session_.Zoom(1 / maths::kZoomStep));
    if (session_.TracedFromKeys()) tellTrace();
}
void FunctionCanvas::zoomAbout(double sx, double sy, double factor) { viewMoved(session_.ZoomAbout(sx, sy, factor)); }
void FunctionCanvas::pan(double dx, double dy) { viewMoved(session_.Pan(dx, dy)); }
void FunctionCanvas::resetView() { viewMoved(session_.Home()); }

// ---- Trace -----------------------------------------------------------------------

QString FunctionCanvas::traceText() const { return QString::fromStdString(session_.TraceText()); }

void FunctionCanvas::clearTrace() {
    session_.ClearTrace();
    announce_.stop();
    update();
}

void FunctionCanvas::tellTrace() {
    setMapping(session_.View());
    update();
    emit traced(traceText());
    announce_.start();  // again: only the settled point is spoken
}

// ---- Input -----------------------------------------------------------------------

void FunctionCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragFrom_ = event->position();
        dragView_ = session_.View();
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
        viewMoved(session_.SetView(
            maths::PanView(dragView_, -(at.x() - dragFrom_->x()) / width(), (at.y() - dragFrom_->y()) / height())));
    } else {
        const double side = std::max(1, width());
        session_.Hover(at.x() / width(), at.y() / height(), kTraceReach / side, kKeyReach / side);
        update();
    }
    PlotCanvas::mouseMoveEvent(event);
}

void FunctionCanvas::leaveEvent(QEvent* event) {
    session_.Unhover();
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
    auto step = [this](bool moved) {
        if (moved) tellTrace();
    };
    switch (event->key()) {
        case Qt::Key_Left: ctrl ? pan(-kPanStep, 0) : step(session_.StepTrace(-1)); break;
        case Qt::Key_Right: ctrl ? pan(kPanStep, 0) : step(session_.StepTrace(1)); break;
        case Qt::Key_Up: ctrl ? pan(0, kPanStep) : step(session_.SwitchTrace(-1)); break;
        case Qt::Key_Down: ctrl ? pan(0, -kPanStep) : step(session_.SwitchTrace(1)); break;
        case Qt::Key_PageUp: step(session_.JumpToKeyPoint(-1)); break;
        case Qt::Key_PageDown: step(session_.JumpToKeyPoint(1)); break;
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
    // About two samples a pixel of the screen.
    session_.SetResolution(static_cast<std::size_t>(2 * width() * devicePixelRatioF()));
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
    keys->setChecked(keyPointsShown());
}

// ---- Painting --------------------------------------------------------------------

void FunctionCanvas::paintOverlay(QPainter& painter) {
    const auto t = trace();
    if (!t || std::isnan(t->y)) return;
    const maths::CanvasMapping& view = session_.View();
    const double x = view.ShareX(t->x) * width(), y = view.ShareY(t->y) * height();
    if (!(x >= 0 && x <= width() && y >= 0 && y <= height())) return;
    const QColor face = palette().color(QPalette::Base), text = palette().color(QPalette::Text);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Shown(session_.Graphs()[t->graph].colour, face), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(x, y), 5, 5);
    // The point beside the marker, in a box of the canvas's face.
    std::string label = maths::PointText(t->x, t->y);
    if (t->keyName) label = std::string(t->keyName) + " " + label;
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
