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

// The range as the commands read it from the boxes: MinX, MinY and MaxY as
// doubles, MaxX rounded half to even to a 32-bit integer.
struct PlotRange {
    double minY = -4, maxY = 4, minX = -4;
    std::int32_t maxX = 4;
};

// Reads the four range boxes (MinY, MaxY, MinX, MaxX); nullopt when MaxX
// lies beyond the 32-bit range or another value beyond the double range.
std::optional<PlotRange> ReadRange(std::string_view minY, std::string_view maxY, std::string_view minX,
                                   std::string_view maxX);

// The canvas can be mapped to the range: its width MaxX − MinX and height
// MaxY − MinY, and the layout units per unit of each (3600 / width,
// 3600 / height), lie within the double range.
bool MappingFits(const PlotRange& range);

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
// The checks, in order: a range value beyond the double range or MaxX
// beyond 32 bits: "数据过大"; MinY >= MaxY or MinX >= MaxX: "最大值应大于最小值";
// a range the canvas cannot be mapped to (MappingFits; MinY -1E+308 with
// MaxY 1E+308, say): "数据过大"; then the grid box's checks.
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
// The G horizontal and G vertical grid lines, in layout units.
std::vector<Segment> GridLines(int g);

// ---- Draw -----------------------------------------------------------------------

// The kinds in the order of the kind list.
inline constexpr std::array<const char*, 7> kKindNames = {"一次函数", "二次函数", "指数函数", "对数函数",
                                                          "反比例函数", "正弦函数", "余弦函数"};

struct Graph {
    Outcome outcome;  // the refusal, when the coefficients are refused
    Rgb colour{0, 0, 0};
    std::vector<Segment> segments;  // in plot coordinates
};

// The step of a sampled run, and the most samples a run takes: a run
// longer than that is sampled more coarsely, evenly over its length, so
// any range draws at once; ordinary ranges keep the step of 0.01.
inline constexpr double kPlotStep = 0.01;
inline constexpr std::size_t kMaxRunSamples = 10000;

// The draw command for the kind named `kind` (an item of kKindNames) with
// the texts of its coefficient boxes, in box order. A coefficient beyond the
// double range is refused with "数据过大" after the emptiness check. Samples
// whose value is not a finite number are not drawn.
Graph DrawGraph(std::string_view kind, const std::vector<std::string>& coefficients, const PlotRange& range,
                std::size_t maxRunSamples = kMaxRunSamples);

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
    struct Line {
        double x1, y1, x2, y2;
        Rgb colour;
        double width;  // in pixels at 1:1
    };
    struct Text {
        double left, top;
        std::string text;
        Rgb colour;
    };
    std::vector<Line> lines;
    std::vector<Text> texts;
};
// Clips a segment to the rectangle [minX, maxX] x [minY, maxY]; false when
// nothing of it lies inside (or an end is not a finite number).
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double minX, double minY, double maxX,
                 double maxY);

// The plotter canvas's picture: the drawn lines, then the axis elements
// and the axis names as they stand.
Picture PlotPicture(std::vector<Picture::Line> drawn, const AxisLayout& axes);

// The picture as an SVG document of the given size in pixels.
std::string PictureSvg(const Picture& picture, int width, int height);
// The picture rasterised (white background) as a PNG file's bytes; the
// axis names are left out.
std::string PicturePng(const Picture& picture, int width, int height);

}  // namespace numora::maths
