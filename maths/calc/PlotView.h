// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The plotter's view: the rectangle of the plane the canvas shows, which
// zooming and panning change without touching the stored range, and what
// the canvas draws for it besides the graphs: the round values that number
// the axes and the grid lines through them, where the numbers stand so
// that none covers another, an axis name or a key point, and the steps of
// the trace marker.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Outcome.h"
#include "Plotter.h"

namespace numora::maths {

// ---- Zoom and pan ---------------------------------------------------------------

// A view the canvas can show: finite edges, left < right, bottom < top, a
// width and height within the double range whose 3600ths are too (the
// canvas's layout units), and at least a 1E-12 of the edges' magnitude, so
// neighbouring pixels still have different coordinates.
bool ViewFits(const CanvasMapping& view);

// Zooming in one step (+, the wheel forward) keeps this share of the width
// and height; zooming out divides by it.
inline constexpr double kZoomStep = 0.8;

// The view zoomed by `factor` (below 1: closer) about the point at shares
// (shareX, shareY) of the canvas, which stays where it is on the canvas;
// nullopt when the new view would not fit (the zoom stops at the edges of
// the double range and at the finest view that still draws).
std::optional<CanvasMapping> ZoomView(const CanvasMapping& view, double shareX, double shareY, double factor);

// The view moved by dx of its widths to the right and dy of its heights
// upwards; it stops at the edge of the double range. The view as it was
// when the move would leave a view that does not fit.
CanvasMapping PanView(const CanvasMapping& view, double dx, double dy);

// ---- Numbers on the axes ---------------------------------------------------------

struct Tick {
    double value;
    double share;  // where on the canvas: from the left edge (x) or the top edge (y)
    std::string text;
    long long index = 0;  // value = index · step
    bool operator==(const Tick&) const = default;
};

// 1, 2 or 5 times a power of ten, the nearest to `raw` (by ratio).
double RoundStep(double raw);

// The values an axis (x, or y when `vertical`) is numbered at and its grid
// lines run through, in every view: the multiples of a round step that
// divides the view into about G + 1 bands (-3 ... 3 for -4 ... 4 and 7
// lines), none on the canvas's edges.
std::vector<Tick> AxisTicks(const CanvasMapping& view, bool vertical, int grid);

// The grid, in shares: a line at each tick.
std::vector<Segment> TickGrid(const std::vector<Tick>& xTicks, const std::vector<Tick>& yTicks);

// The size of texts on the canvas, in pixels of a canvas `canvasPx` wide
// and high.
struct TextMeasure {
    std::function<double(const std::string&)> width;
    double height = 12;
    double canvasPx = 365;
};

// A key point's mark that the numbers keep clear of: its centre in shares,
// its radius in pixels.
struct MarkSpot {
    double x, y, radius;
};

// The numbers of both axes, each centred on its grid line: below the x
// axis (above when it runs along the bottom edge) and left of the y axis
// (right when it runs along the left edge), on the other side where a mark
// or another number is in the way, and left out where neither side is
// free or the number would be cut at the canvas's edge; the origin's 0
// once. Where the lines stand too close for all numbers, every 2nd (5th,
// ...) line is numbered, both axes alike when their steps are equal.
struct AxisNumbers {
    std::vector<Picture::Text> texts;
};
AxisNumbers NumberAxes(const AxisLayout& axes, const std::vector<Tick>& xTicks, const std::vector<Tick>& yTicks,
                       const TextMeasure& measure, const std::vector<MarkSpot>& marks = {});

// ---- Trace ------------------------------------------------------------------------

// The step of the trace marker in a view: a round step of about an 80th of
// its width (0.1 for a width of 8).
double TraceStep(const CanvasMapping& view);

// The next x of the trace marker from x in `direction` (+1 right, -1 left):
// the next multiple of `step`, or the first of `stops` (the key points of
// the traced graph) passed on the way. Written as its shortest decimal
// (2, not 2.0000000000000004).
double NextTraceX(double x, int direction, double step, const std::vector<double>& stops);

// x rounded to the coarsest decimal within `resolution` (half a pixel of
// the view): the trace's x under the mouse.
double RoundToResolution(double x, double resolution);

// x as the decimal it is written as (its 15-digit text), in extended
// precision: the trace and the "x =" field evaluate the graphs at 1.9, not
// at the double nearest to it, so y shows as -0.09, not -0.0900000000000001.
long double DecimalOf(double x);

// The graph nearest to the point (sx, sy) (shares) among `curves` (each a
// graph's drawn segments in shares), within `reach` shares: its index and
// the x share of its nearest point.
struct NearestPoint {
    std::size_t curve;
    double shareX;
    double distance;
};
std::optional<NearestPoint> NearestCurve(const std::vector<const std::vector<Segment>*>& curves, double sx, double sy,
                                         double reach);

// ---- Texts -------------------------------------------------------------------------

// A point in the result number text: "(1.5, -0.25)".
std::string PointText(double x, double y);
// The trace marker's text: "曲线1 (1.5, -0.25)", "曲线1 极小值点 (1.5, -0.25)"
// at a key point (keyName), "曲线1 x = 0 处无定义" where the graph has no value.
std::string TraceText(std::size_t curve, double x, double y, const char* keyName = nullptr);

// The "x =" field of the plotter: the value of every drawn graph at the
// typed x, into the result box kValuesBox ("曲线1 y = -0.25；曲线2 y = 0";
// "未绘制图象" without graphs). An empty field: "请不要使输入框为空"; an x
// beyond the double range: "数据过大".
inline constexpr const char* kValuesBox = "MathsFunctionShapeExploreText2";
Outcome CurveValues(const std::vector<Curve>& curves, std::string_view xText);

}  // namespace numora::maths
