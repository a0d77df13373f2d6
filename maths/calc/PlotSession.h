// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The function plotter's state between commands, without a window: the
// stored range and grid, the list of drawn graphs (each shown or hidden),
// the view (the rectangle of the plane shown, which zooming and panning
// change without touching the range or the graphs), the key points, and the
// trace marker. The canvas only paints what Draw() gives and hands the
// user's keys and mouse to it; numora-cli draws its pictures with it too.
//
// - At the stored range (home) a graph is what the draw command drew; any
//   other view samples its function anew.
// - The grid runs through the numbered values (PlotView's AxisTicks) in
//   every view.
// - The trace marker moves along one graph from the keyboard (stopping at
//   its key points) or follows the mouse; the view follows a marker that
//   leaves it, and zooming from the keyboard keeps the marker in place.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "KeyPoints.h"
#include "PlotView.h"
#include "Plotter.h"

namespace numora::maths {

struct PlottedGraph {
    CurveKind kind = CurveKind::Linear;
    std::vector<std::string> boxes;  // the coefficient boxes' texts it was drawn with
    Curve curve;
    Rgb colour{0, 0, 0};
    std::vector<Segment> drawn;  // the draw command's segments, in plot coordinates
    std::string formula;         // "y = x²-2"
    bool shown = true;
};

class PlotSession {
public:
    PlotSession();

    // ---- Range and graphs ------------------------------------------------------
    // The apply command: the graphs and the trace are cleared, the view
    // goes home to the range.
    void Apply(const PlotRange& range, int grid);
    const PlotRange& Range() const { return range_; }
    int Grid() const { return grid_; }

    // A graph of the draw command (one with a curve): added at the end of
    // the list; its index.
    std::size_t Add(const Graph& graph, std::vector<std::string> boxes);
    // Graph `index` drawn again with other coefficients (a slider moved).
    void Replace(std::size_t index, const Graph& graph, std::vector<std::string> boxes);
    void Remove(std::size_t index);
    void Show(std::size_t index, bool shown);
    void Clear();
    const std::vector<PlottedGraph>& Graphs() const { return graphs_; }
    // "曲线1".
    static std::string GraphName(std::size_t index);
    // The graphs by name and formula ("曲线1 y = x²-2；曲线2 y = 2sin(x+1)（已隐藏）"),
    // "未绘制图象" without any.
    std::string GraphsText() const;

    // ---- View --------------------------------------------------------------------
    const CanvasMapping& View() const { return view_; }
    CanvasMapping HomeView() const;
    bool AtHome() const { return view_ == HomeView(); }
    // Each is false when the view stays as it was.
    bool SetView(const CanvasMapping& view);
    bool ZoomAbout(double shareX, double shareY, double factor);
    // About the trace marker while it is on the canvas, else the centre.
    bool Zoom(double factor);
    bool Pan(double dx, double dy);
    bool Home() { return SetView(HomeView()); }
    // Samples across the view's width when a graph is drawn anew (two a
    // pixel of the screen).
    void SetResolution(std::size_t intervals);

    // ---- Key points --------------------------------------------------------------
    // Those of the shown graphs in the view; their graph indices are those
    // of Graphs().
    const KeyPoints& Keys() const;
    void ShowKeyPoints(bool shown) { keysShown_ = shown; }
    bool KeyPointsShown() const { return keysShown_; }
    // The notes and 关键点过多, as the window shows them ("曲线1 函数值恒为0").
    std::vector<std::string> KeyNotes() const;

    // ---- Trace -------------------------------------------------------------------
    struct Trace {
        std::size_t graph;
        double x, y;              // y: NaN where the graph has no value
        const char* keyName;      // the key point there, or null
    };
    std::optional<Trace> Traced() const;
    bool TracedFromKeys() const { return traced_ && fromKeys_; }
    // "曲线1 零点 (1, 0)"; empty without a marker.
    std::string TraceText() const;
    // The keyboard: Left/Right along the graph (the first press puts the
    // marker on x = 0, or the middle of the view), Up/Down to another shown
    // graph, PageUp/PageDown to the previous/next key point. False when
    // nothing could be traced.
    bool StepTrace(int direction);
    bool SwitchTrace(int direction);
    bool JumpToKeyPoint(int direction);
    // The mouse at shares (sx, sy): the key point within `keyReach` shares,
    // else the nearest graph within `reach`, its x rounded to as many digits
    // as a pixel tells (SetResolution).
    void Hover(double sx, double sy, double reach, double keyReach);
    void Unhover();
    void ClearTrace();

    // ---- Picture -----------------------------------------------------------------
    // The grid, the graphs, the axes, their numbers and names, and the key
    // points' marks (radius in pixels), in shares of the canvas.
    Picture Draw(const TextMeasure& measure, double markRadius = 3.5) const;
    // The shown graphs' segments in the view, in shares (what the mouse traces).
    const std::vector<Segment>& Shares(std::size_t index) const;

private:
    void Changed();  // graphs or view changed: the cached samples and key points go
    void TraceTo(std::size_t graph, double x);
    std::vector<double> StopsOf(std::size_t graph) const;
    const char* KeyNameAt(std::size_t graph, double x) const;
    std::optional<std::size_t> FirstShown(std::size_t from, int direction) const;

    PlotRange range_;
    int grid_ = 7;
    std::vector<PlottedGraph> graphs_;
    CanvasMapping view_;
    std::size_t intervals_ = 800;
    bool keysShown_ = true;
    mutable std::optional<KeyPoints> keys_;
    mutable std::vector<std::optional<std::vector<Segment>>> shares_;
    std::optional<std::size_t> traced_;
    double traceX_ = 0;
    bool fromKeys_ = false;
    std::optional<KeyPoint> hoverKey_;
};

}  // namespace numora::maths
