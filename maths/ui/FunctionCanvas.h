// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The function plotter's canvas: a drawing canvas that keeps each drawn
// graph's function as well as its segments, so the user can explore them.
//
// - The view: the rectangle of the plane shown. The apply command sets it
//   to the stored range (the home view), where the canvas shows exactly
//   what the apply and draw commands drew; the wheel, + and - zoom (about
//   the pointer, or the centre from the keyboard), dragging and Ctrl+arrow
//   keys pan, 0 or the 复位视图 command go home. A view other than home is
//   drawn anew from the functions (graphs, a grid at round values, the axes
//   where the origin lies); nothing of it is stored.
// - Numbers on both axes, for every view.
// - Key points (zeros, extrema, y-axis intercepts, intersections) as small
//   marks, computed from the functions for the view; shown or hidden.
// - Trace: a marker on the graph nearest the pointer, or, from the keyboard,
//   on the selected graph (Left/Right along it, stopping at its key points;
//   Up/Down another graph; PageUp/PageDown the previous/next key point). The
//   marker's point is written beside it and told through traced().
#pragma once

#include <optional>

#include "KeyPoints.h"
#include "PlotCanvas.h"
#include "PlotView.h"

namespace numora {

class FunctionCanvas : public PlotCanvas {
    Q_OBJECT

public:
    FunctionCanvas(Services& services, QSize size, QWidget* parent = nullptr);

    // After the apply command has cleared the canvas and drawn the grid: the
    // stored range, the grid count and the axes it placed. The view goes home.
    void setStoredRange(const maths::PlotRange& range, int grid, const maths::AxisLayout& axes);
    // Clears the drawn graphs as well as the lines.
    void clear();
    // Draws a graph of the draw command (its segments at the stored range,
    // its function for every other view).
    void addGraph(const maths::Graph& graph);

    const std::vector<maths::Curve>& curves() const { return functions_; }
    const maths::CanvasMapping& view() const { return view_; }
    bool atHome() const { return view_ == home_; }

    void zoomIn();
    void zoomOut();
    // Zooms by `factor` about the point at shares (sx, sy) of the canvas.
    void zoomAbout(double sx, double sy, double factor);
    // Moves the view by shares of its width and height (up for dy > 0).
    void pan(double dx, double dy);
    void resetView();

    void setKeyPointsShown(bool shown);
    bool keyPointsShown() const { return keysShown_; }
    const maths::KeyPoints& keyPoints() const;

    // The trace: the traced graph and x, when the marker is shown.
    struct Trace {
        std::size_t curve;
        double x, y;
    };
    std::optional<Trace> trace() const;
    // The text of the marker's point ("曲线1 (1.5, -0.25)"), empty without.
    QString traceText() const;
    // The same while the marker follows the mouse, else empty.
    QString mouseTraceText() const { return traceFromKeys_ ? QString() : traceText(); }

    maths::Picture picture() const override;

signals:
    // The keyboard moved the trace marker: the text of its point.
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
    void changeEvent(QEvent* event) override;

private:
    struct Graph {
        maths::Rgb colour;
        std::size_t homeBegin = 0, homeEnd = 0;  // its lines at home, in drawnLines()
        std::vector<maths::Segment> shares;      // its segments in the view, as shares
    };

    void setView(const maths::CanvasMapping& view);
    // Everything that follows the view: the graphs away from home, the
    // axes, grid and numbers.
    void layoutView();
    void sampleGraph(std::size_t index);
    // Moves the keyboard trace to `x` on graph `curve` and tells of it.
    void traceTo(std::size_t curve, double x);
    void stepTrace(int direction);
    void jumpToKeyPoint(int direction);
    void switchCurve(int direction);
    // The key points on graph `curve` (its own and its intersections).
    std::vector<double> stopsOf(std::size_t curve) const;
    // The key point drawn near (sx, sy) shares, if any.
    const maths::KeyPoint* keyPointNear(double sx, double sy) const;
    std::string traceLabel() const;
    // The name of the key point of graph `curve` at x, if there is one.
    const char* keyNameAt(std::size_t curve, double x) const;

    maths::CanvasMapping home_{-4, 4, 4, -4};
    maths::CanvasMapping view_ = home_;
    int grid_ = 7;
    maths::AxisLayout homeAxes_ = maths::DesignAxes();
    std::vector<maths::Curve> functions_;
    std::vector<Graph> graphs_;
    // The view's own grid, axes and numbers.
    std::vector<maths::Picture::Line> viewLines_;
    std::vector<maths::Picture::Text> viewTexts_;
    mutable std::optional<maths::KeyPoints> keys_;
    bool keysShown_ = true;
    std::optional<std::size_t> traceCurve_;
    double traceX_ = 0;
    bool traceFromKeys_ = false;
    std::optional<maths::KeyPoint> hoverKey_;
    std::optional<QPointF> dragFrom_;
    maths::CanvasMapping dragView_;
};

}  // namespace numora
