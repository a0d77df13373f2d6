// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The function plotter's canvas: it paints a plot session (PlotSession:
// the graphs, the view, key points and the trace, all without Qt) and hands
// the user's keys and mouse to it.
//
// - The wheel, + and - zoom (about the pointer; from the keyboard about the
//   trace marker while it is on the canvas, else the centre), dragging and
//   Ctrl+arrow keys pan, 0 or the 复位视图 command go home to the stored
//   range. Nothing of a view is stored.
// - Trace: a marker on the graph nearest the pointer, or, from the
//   keyboard, on one graph (Left/Right along it, stopping at its key
//   points; Up/Down another graph; PageUp/PageDown the previous/next key
//   point). The view follows the marker. Its point is written beside it,
//   told through traced() and, once the keys rest, to a screen reader.
// - The canvas stays square and as large as its place allows.
#pragma once

#include <QTimer>
#include <optional>

#include "PlotCanvas.h"
#include "PlotSession.h"

namespace numora {

class FunctionCanvas : public PlotCanvas {
    Q_OBJECT

public:
    FunctionCanvas(Services& services, maths::PlotSession& session, QSize size, QWidget* parent = nullptr);

    maths::PlotSession& session() { return session_; }
    // The session changed (graphs added, replaced, hidden or removed; the
    // range applied): repaint and describe it anew.
    void refresh();

    // The functions of the shown graphs.
    std::vector<maths::Curve> curves() const;
    const maths::CanvasMapping& view() const { return session_.View(); }
    bool atHome() const { return session_.AtHome(); }

    void zoomIn();
    void zoomOut();
    // Zooms by `factor` about the point at shares (sx, sy) of the canvas.
    void zoomAbout(double sx, double sy, double factor);
    // Moves the view by shares of its width and height (up for dy > 0).
    void pan(double dx, double dy);
    void resetView();

    void setKeyPointsShown(bool shown);
    bool keyPointsShown() const { return session_.KeyPointsShown(); }
    const maths::KeyPoints& keyPoints() const { return session_.Keys(); }

    // The trace marker's graph and point, when it is shown.
    std::optional<maths::PlotSession::Trace> trace() const { return session_.Traced(); }
    // The text of the marker's point ("曲线1 (1.5, -0.25)"), empty without.
    QString traceText() const;
    // The same while the marker follows the mouse, else empty.
    QString mouseTraceText() const { return session_.TracedFromKeys() ? QString() : traceText(); }
    void clearTrace();

    // The base of the canvas's accessible description (kind and range); the
    // drawn graphs follow it.
    void setDescriptionBase(const QString& base);

    maths::Picture picture() const override;

signals:
    // The keyboard moved the trace marker (or a graph moved under it): the
    // text of its point.
    void traced(const QString& text);
    // The view changed (zoom, pan, home).
    void viewChanged();
    void keyPointsShownChanged(bool shown);

protected:
    void addMenuEntries(QMenu& menu) override;
    void paintOverlay(QPainter& painter) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    maths::TextMeasure measure() const;
    void viewMoved(bool moved);
    // After a keyboard trace step: the text now, the screen reader later.
    void tellTrace();

    maths::PlotSession& session_;
    QString descriptionBase_;
    std::optional<QPointF> dragFrom_;
    maths::CanvasMapping dragView_;
    QTimer announce_;
};

}  // namespace numora
