// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The function plotter and the trigonometric sketch, without a window: the
// canvas mapping, the placement of axes and grid, the checks of the apply
// and draw commands, and the sampling of each kind of function into
// segments.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Outcome.h"
#include "PlotCurve.h"

namespace numora::maths {

// The plotter's canvas is a square of 3600 x 3600 layout units.
inline constexpr double kLayoutSize = 3600;

// A canvas mapping: the user coordinates of the canvas's edges.
struct CanvasMapping {
    double left = 0, top = 0, right = kLayoutSize, bottom = kLayoutSize;

    // Position as a share of the canvas (0 at the left/top edge, 1 at the
    // right/bottom edge), and back.
    double ShareX(double x) const { return (x - left) / (right - left); }
    double ShareY(double y) const { return (y - top) / (bottom - top); }
    double UserX(double share) const { return left + share * (right - left); }
    double UserY(double share) const { return top + share * (bottom - top); }
    bool operator==(const CanvasMapping&) const = default;
};

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kGreen{0, 255, 0};

struct Segment {
    double x1, y1, x2, y2;
    bool operator==(const Segment&) const = default;
};

// ---- Range and apply -----------------------------------------------------------

// The range as the commands read it from the boxes, all four as doubles: a
// typed 0.5 or 1.5 is never rounded to a whole number.
struct PlotRange {
    double minY = -4, maxY = 4, minX = -4, maxX = 4;
};

// Reads the four range boxes (MinY, MaxY, MinX, MaxX); nullopt when a value
// lies beyond the double range.
std::optional<PlotRange> ReadRange(std::string_view minY, std::string_view maxY, std::string_view minX,
                                   std::string_view maxX);

// The canvas can be mapped to the range: its width MaxX − MinX and height
// MaxY − MinY, and the layout units per unit of each (3600 / width,
// 3600 / height), lie within the double range.
bool MappingFits(const PlotRange& range);
// A range the canvas can be mapped to only in part: its width or height is
// so small that 3600 layout units per unit leave the double range.
bool RangeTooSmall(const PlotRange& range);
// The refusal of such a range.
inline constexpr const char* kRangeTooSmall = "坐标范围过小，无法绘制图象";

// The apply command's outcome: the four range boxes rewritten as number
// text (always), then either a message or success with what to store and
// draw.
struct ApplyResult {
    Outcome outcome;       // box rewrites, and the message when refused
    bool ok = false;
    PlotRange range;       // when ok
    int grid = 0;          // G, when ok
    // The settings of section FunctionDrawer to store (key, text), when ok.
    std::vector<std::pair<std::string, std::string>> store;
};
// Box names of the range and grid boxes, in the order MinY, MaxY, MinX, MaxX, grid.
inline constexpr std::array<const char*, 5> kRangeBoxes = {
    "MathsFunctionShapeOptionText1", "MathsFunctionShapeOptionText2", "MathsFunctionShapeOptionText3",
    "MathsFunctionShapeOptionText4", "MathsFunctionShapeOptionText5"};
// The checks, in order: a range value beyond the double range: "数据过大"; MinY >= MaxY or MinX >= MaxX: "最大值应大于最小值";
// a range too small to draw (RangeTooSmall; MinX -1E-308 with MaxX 0):
// kRangeTooSmall; a range the canvas cannot be mapped to (MappingFits;
// MinY -1E+308 with MaxY 1E+308, say): "数据过大"; then the grid box's
// checks.
ApplyResult ApplyRange(std::string_view minY, std::string_view maxY, std::string_view minX, std::string_view maxX,
                       std::string_view grid);

// ---- Axes and grid (layout units) -------------------------------------------------

struct AxisLine {
    double x1, y1, x2, y2;
    bool visible = true;
    bool operator==(const AxisLine&) const = default;
};
struct AxisLabel {
    double left, top;
    bool operator==(const AxisLabel&) const = default;
};
// MathsFunctionShapeLine1..6 and the labels "y" (Label1) and "x" (Label2).
struct AxisLayout {
    std::array<AxisLine, 6> lines;
    AxisLabel y, x;
    bool operator==(const AxisLayout&) const = default;
};
// Where the axis elements stand before the first apply.
AxisLayout DesignAxes();
// Moves the axes for a range (the axis placement of the apply command),
// starting from the elements as they stand.
AxisLayout PlaceAxes(AxisLayout axes, const PlotRange& range);
// The same placement for any rectangle of the plane (a zoomed view).
AxisLayout PlaceAxes(AxisLayout axes, const CanvasMapping& view);
// The G horizontal and G vertical grid lines, in layout units.
std::vector<Segment> GridLines(int g);

// ---- Draw -----------------------------------------------------------------------

// The kinds in the order of the kind list (CurveKind), and the number of
// coefficient boxes of each.
inline constexpr std::array<const char*, kCurveKinds> kKindNames = {
    "一次函数", "二次函数", "指数函数", "对数函数", "反比例函数", "正弦函数",
    "余弦函数", "幂函数",   "正切函数", "绝对值函数", "自定义函数"};
inline constexpr std::array<std::size_t, kCurveKinds> kKindBoxes = {2, 3, 2, 2, 1, 4, 4, 2, 3, 3, 1};
// The typed function's box holds at most this many characters.
inline constexpr int kTypedFunctionLength = 256;
// A typed function may use the parameters a, b and c (a*sin(b*x)+c); their
// values follow the function's text among the coefficients, and start at
// these.
inline constexpr std::array<double, 3> kParameterDefaults = {1, 1, 0};
inline constexpr std::array<const char*, 3> kParameterNames = {"a", "b", "c"};

struct Graph {
    Outcome outcome;  // the refusal, when the coefficients are refused
    Rgb colour{0, 0, 0};
    std::vector<Segment> segments;  // in plot coordinates
    std::optional<Curve> curve;     // the function drawn, when drawn
};

// The step of a sampled run, and the most samples a run takes: a run
// longer than that is sampled more coarsely, evenly over its length, so
// any range draws at once; ordinary ranges keep the step of 0.01.
inline constexpr double kPlotStep = 0.01;
inline constexpr std::size_t kMaxRunSamples = 10000;

// The draw command for the kind named `kind` (an item of kKindNames) with
// the texts of its coefficient boxes, in box order. A coefficient beyond the
// double range is refused with "数据过大" after the emptiness check. Samples
// whose value is not a finite number are not drawn. The seven kinds of the
// first list are sampled every 0.01 as they always were; the power, tangent,
// absolute-value and typed kinds with SampleCurve over the range. Their
// checks: power and absolute value refuse a = 0 with "系数不能为0"; the
// tangent has none beyond the emptiness and range checks; a typed function
// that cannot be read is refused with "表达式错误", and the boxes of the
// parameters it uses (after its text; missing ones take kParameterDefaults)
// are checked as coefficients.
Graph DrawGraph(std::string_view kind, const std::vector<std::string>& coefficients, const PlotRange& range,
                std::size_t maxRunSamples = kMaxRunSamples);

// Samples a curve for a view (a rectangle of the plane; intervals: the
// number of equal steps across it, two a pixel or so). Where the function is
// undefined nothing is drawn, and the graph reaches the edge of its domain;
// a segment across a pole or a jump (one whose rise does not shrink when the
// step is halved down to neighbouring doubles) is left out, so no vertical
// line stands where the graph breaks. Segments wholly above or below the
// view are left out.
std::vector<Segment> SampleCurve(const Curve& curve, const CanvasMapping& view, std::size_t intervals);

// The status text of the mouse over the canvas at plot position (x, y).
// A coordinate beyond the single-precision range is shown with the double
// number text (15 digits) instead of as an infinity.
std::string PlotReadout(double x, double y);

// ---- Trigonometric sketch ---------------------------------------------------------

// The checks of a sketch: the message, or the right end R.
struct SketchStart {
    Outcome outcome;
    double r = 0;
};
SketchStart CheckSketch(std::string_view rightEnd);
inline constexpr double kSketchStep = 0.001;
inline constexpr std::size_t kMaxSketchSteps = 20000;
// The step a sketch to R takes: 0.001, or coarser when that would take
// more than maxSteps steps.
double SketchStep(double r, std::size_t maxSteps = kMaxSketchSteps);
// The two segments of one step at t: the right half and its mirror image
// (odd for the sine, even for the cosine).
std::array<Segment, 2> SketchSegments(bool cosine, double t, double step);
std::string SketchReadout(double x, double y);

// ---- Images --------------------------------------------------------------------------

// What a canvas shows, in shares of its size (0..1, y downwards): drawn
// segments, then the axis lines, then the axis names.
struct Picture {
    // What a line or text is: its colour is made legible against the
    // background by its role (a curve keeps its kind's colour).
    enum class Role { Curve, Grid, Axis };
    struct Line {
        double x1, y1, x2, y2;
        Rgb colour;
        double width;  // in pixels at 1:1
        Role role = Role::Curve;
    };
    struct Text {
        double left, top;
        std::string text;
        Rgb colour;
        Role role = Role::Axis;
    };
    // A small disc (a key point) at (x, y), its radius in pixels at 1:1.
    struct Mark {
        double x, y;
        Rgb colour;
        double radius = 3;
    };
    std::vector<Line> lines;
    std::vector<Text> texts;
    std::vector<Mark> marks;
};
// The colour of a line, text or mark as shown on `background`: a curve's
// colour as it is, grid lines (contrast 1.8), axes (3) and their texts
// (4.5) darkened on a light background and lightened on a dark one until
// they read.
Rgb LegibleColour(Rgb colour, Picture::Role role, Rgb background);
// Clips a segment to the rectangle [minX, maxX] x [minY, maxY]; false when
// nothing of it lies inside (or an end is not a finite number). Works for
// any finite ends, also where their differences leave the double range.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double minX, double minY, double maxX,
                 double maxY);

// A segment in user coordinates as shares of a canvas with mapping `m`:
// clipped to the mapped rectangle first (in double, so far-off ends of a
// segment that crosses the canvas never overflow), then mapped. False when
// nothing of it lies on the canvas.
bool ShareSegment(const CanvasMapping& m, const Segment& s, Segment& shares);

// The plotter canvas's picture: the drawn lines, then the axis elements
// and the axis names as they stand.
Picture PlotPicture(std::vector<Picture::Line> drawn, const AxisLayout& axes);

// The picture as an SVG document of the given size in pixels; texts in
// fontPx pixels.
std::string PictureSvg(const Picture& picture, int width, int height, double fontPx = 14);
// The picture rasterised (white background) as a PNG file's bytes; the
// axis names are left out.
std::string PicturePng(const Picture& picture, int width, int height);

}  // namespace numora::maths
