// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Plotter.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <sstream>

#include "Contrast.h"
#include "MathsMessages.h"
#include "NumberText.h"

namespace numora::maths {
namespace {

bool AnyEmpty(const std::vector<std::string>& texts, std::size_t count) {
    if (texts.size() < count) return true;
    for (std::size_t i = 0; i < count; ++i)
        if (texts[i].empty()) return true;
    return false;
}

// A coefficient typed beyond the double range (an infinity of either sign).
bool AnyBeyondRange(const std::vector<std::string>& texts, std::size_t count) {
    for (std::size_t i = 0; i < count && i < texts.size(); ++i)
        if (std::isinf(LeadingValue(texts[i]))) return true;
    return false;
}

// Samples f over [s, e]: a segment from each sample x whose value lies in
// [minY, maxY] to the next sample. The step is 0.01 (added again and again,
// as the samples of the plotter always were) unless that would take more
// than maxSamples samples; then the run is sampled evenly with maxSamples
// steps. Segments never end beyond e + 0.01, and samples whose value is not
// a finite number are skipped.
void SampleRun(const Curve& f, double s, double e, const PlotRange& range, std::size_t maxSamples,
               std::vector<Segment>& out) {
    if (!(s <= e) || !std::isfinite(s) || !std::isfinite(e)) return;
    auto emit = [&](double x, double x2) {
        const double y = f(x);
        if (!std::isfinite(y) || y < range.minY || y > range.maxY) return;
        const double y2 = f(x2);
        if (!std::isfinite(y2)) return;
        out.push_back({x, y, x2, y2});
    };
    const double samples = (e - s) / kPlotStep;
    if (samples <= static_cast<double>(maxSamples)) {
        for (double x = s; x <= e; x += kPlotStep) emit(x, x + kPlotStep);
        return;
    }
    const double step = (e - s) / static_cast<double>(maxSamples);
    for (std::size_t i = 0; i <= maxSamples; ++i) {
        const double x = s + static_cast<double>(i) * step;
        emit(x, std::min(x + step, e + kPlotStep));
    }
}

std::string Coordinate(double v) {
    double truncated = std::floor(v * 10000) / 10000;
    if (!std::isfinite(truncated)) truncated = v;  // v · 10000 left the range: nothing to truncate
    // Beyond single precision the read-out keeps the double's digits
    // rather than showing "inf" for a point of the canvas.
    if (std::fabs(truncated) > std::numeric_limits<float>::max()) return FormatResult(NumberText(truncated));
    return FormatResult(SingleNumberText(static_cast<float>(truncated)));
}

}  // namespace

// ---- Range and apply -----------------------------------------------------------

std::optional<PlotRange> ReadRange(std::string_view minY, std::string_view maxY, std::string_view minX,
                                   std::string_view maxX) {
    const PlotRange range{LeadingValue(minY), LeadingValue(maxY), LeadingValue(minX), LeadingValue(maxX)};
    if (!std::isfinite(range.minY) || !std::isfinite(range.maxY) || !std::isfinite(range.minX) ||
        !std::isfinite(range.maxX))
        return std::nullopt;
    return range;
}

bool MappingFits(const PlotRange& r) {
    const double width = r.maxX - r.minX, height = r.maxY - r.minY;
    return std::isfinite(width) && std::isfinite(height) && std::isfinite(kLayoutSize / width) &&
           std::isfinite(kLayoutSize / height);
}

bool RangeTooSmall(const PlotRange& r) {
    const double width = r.maxX - r.minX, height = r.maxY - r.minY;
    return (std::isfinite(width) && !std::isfinite(kLayoutSize / width)) ||
           (std::isfinite(height) && !std::isfinite(kLayoutSize / height));
}

ApplyResult ApplyRange(std::string_view minY, std::string_view maxY, std::string_view minX, std::string_view maxX,
                       std::string_view grid) {
    ApplyResult result;
    const std::array<double, 4> values = {LeadingValue(minY), LeadingValue(maxY), LeadingValue(minX),
                                          LeadingValue(maxX)};
    for (double v : values) {
        if (!std::isfinite(v)) {
            result.outcome = Outcome::Error(kTooLarge);
            return result;
        }
    }
    // The boxes show their numbers as the shared number text: 1e2 becomes
    // 100, 0.5 becomes .5, a text without a number 0.
    for (std::size_t i = 0; i < 4; ++i) result.outcome.Write(kRangeBoxes[i], NumberText(values[i]));
    const auto range = ReadRange(minY, maxY, minX, maxX);
    if (!range) {
        result.outcome.Fail(kTooLarge);
        return result;
    }
    if (range->minY >= range->maxY || range->minX >= range->maxX) {
        result.outcome.Fail("最大值应大于最小值");
        return result;
    }
    if (RangeTooSmall(*range)) {
        result.outcome.Fail(kRangeTooSmall);
        return result;
    }
    if (!MappingFits(*range)) {
        result.outcome.Fail(kTooLarge);
        return result;
    }
    if (grid.empty()) {
        result.outcome.Fail("请输入网格数");
        return result;
    }
    const double g = LeadingValue(grid);
    // The grid box holds one character: 1 to 9 lines.
    if (g != std::floor(g) || !(g > 0) || g > 9) {
        result.outcome.Fail("网格数应为正整数");
        return result;
    }
    result.ok = true;
    result.range = *range;
    result.grid = static_cast<int>(g);
    result.store = {{"MinY", NumberText(range->minY)},
                    {"MaxY", NumberText(range->maxY)},
                    {"MinX", NumberText(range->minX)},
                    {"MaxX", NumberText(range->maxX)},
                    {"GridNum", NumberText(g)}};
    return result;
}

// ---- Axes and grid ------------------------------------------------------------------

AxisLayout DesignAxes() {
    return AxisLayout{{{
                          {0, 1800, 3600, 1800, true},     // x axis
                          {1800, 0, 1800, 3600, true},     // y axis
                          {1800, 0, 1680, 120, true},      // y arrowhead, left stroke
                          {1800, 0, 1920, 120, true},      // y arrowhead, right stroke
                          {3600, 1800, 3480, 1680, true},  // x arrowhead, upper stroke
                          {3600, 1800, 3480, 1920, true},  // x arrowhead, lower stroke
                      }},
                      {1680, 120},
                      {3360, 1560}};
}

namespace {

// floor(3600 · part / whole), the position of an axis inside the range,
// also where 3600 · part alone would leave the double range (the quotient
// is then taken first: the position is between 0 and 3600 either way).
double AxisPosition(double part, double whole) {
    const double scaled = 3600 * part;
    return std::floor(std::isfinite(scaled) ? scaled / whole : 3600 * (part / whole));
}

// The range holds 0 in [low, high]: the sign of each end decides, where the
// product low · high could round to 0 for two tiny ends of one sign.
bool HoldsZero(double low, double high) { return low <= 0 && high >= 0; }

}  // namespace

AxisLayout PlaceAxes(AxisLayout a, const PlotRange& r) {
    return PlaceAxes(a, CanvasMapping{r.minX, r.maxY, r.maxX, r.minY});
}

AxisLayout PlaceAxes(AxisLayout a, const CanvasMapping& view) {
    struct {
        double minX, maxY, maxX, minY;
    } r{view.left, view.top, view.right, view.bottom};
    auto& [xAxis, yAxis, yLeft, yRight, xUpper, xLower] = a.lines;
    const double maxX = r.maxX;
    const bool xAxisInside = HoldsZero(r.minY, r.maxY), yAxisInside = HoldsZero(r.minX, maxX);
    if (xAxisInside) {  // the x axis lies inside the range
        xLower.visible = true;
        const double y0 = AxisPosition(r.maxY, r.maxY + std::fabs(r.minY));
        xAxis.y1 = xAxis.y2 = y0;
        xUpper.y1 = xLower.y1 = y0;
        xUpper.y2 = y0 - 120;
        xLower.y2 = y0 + 120;
        a.x.top = y0 - 240;
    }
    if (yAxisInside) {  // the y axis lies inside the range
        yLeft.visible = true;
        const double x0 = AxisPosition(std::fabs(r.minX), maxX + std::fabs(r.minX));
        yAxis.x1 = yAxis.x2 = x0;
        yLeft.x1 = yRight.x1 = x0;
        yLeft.x2 = x0 - 120;
        yRight.x2 = x0 + 120;
        a.y.left = x0 - 120;
    }
    if (!yAxisInside) {  // the y axis becomes the left border
        yAxis.x1 = yAxis.x2 = 0;
        yLeft.visible = false;
        yRight.x1 = 0;
        yRight.x2 = 120;
        a.y.left = 4;
    }
    if (!xAxisInside) {  // the x axis becomes the bottom border
        xAxis.y1 = xAxis.y2 = 3550;
        xLower.visible = false;
        xUpper.y1 = 3550;
        xUpper.y2 = 3430;
        a.x.top = 3310;
    }
    return a;
}

std::vector<Segment> GridLines(int g) {
    std::vector<Segment> lines;
    for (int i = 1; i <= g; ++i) {
        const double at = i * 3600.0 / (g + 1);
        lines.push_back({0, at, 3600, at});
        lines.push_back({at, 0, at, 3600});
    }
    return lines;
}

// ---- Draw -----------------------------------------------------------------------

namespace {

// The straight segment of y = kx + b from MinX to MaxX. Where an end's
// value leaves the double range (k·MinX for MinX -1E+308 and k 2), the end
// moves along the line to the edge of the y range, computed in extended
// precision, so the part of the line that crosses the canvas is drawn.
void LinearSegment(double k, double b, const PlotRange& range, std::vector<Segment>& out) {
    const double minX = range.minX, maxX = range.maxX;
    const double y1 = k * minX + b, y2 = k * maxX + b;
    if (std::isfinite(y1) && std::isfinite(y2)) {
        out.push_back({minX, y1, maxX, y2});
        return;
    }
    using Wide = long double;
    const Wide lowY = range.minY, highY = range.maxY;
    Wide x[2] = {minX, maxX}, y[2] = {Wide(k) * minX + b, Wide(k) * maxX + b};
    if ((y[0] < lowY && y[1] < lowY) || (y[0] > highY && y[1] > highY)) return;  // passes beside the canvas
    for (int i = 0; i < 2; ++i) {
        const Wide edge = std::clamp(y[i], lowY, highY);
        x[i] += (edge - y[i]) / k;
        y[i] = edge;
    }
    out.push_back({static_cast<double>(x[0]), static_cast<double>(y[0]), static_cast<double>(x[1]),
                   static_cast<double>(y[1])});
}

}  // namespace

Graph DrawGraph(std::string_view kind, const std::vector<std::string>& c, const PlotRange& range,
                std::size_t maxRunSamples) {
    Graph graph;
    auto value = [&c](std::size_t i) { return LeadingValue(c[i]); };
    const double minX = range.minX, maxX = range.maxX;
    auto refuse = [&graph](const char* message) {
        graph.outcome = Outcome::Error(message);
        return graph;
    };
    std::size_t index = kCurveKinds;
    for (std::size_t i = 0; i < kCurveKinds; ++i)
        if (kind == kKindNames[i]) index = i;
    if (index == kCurveKinds) return graph;
    const std::size_t boxes = kKindBoxes[index];
    const auto curveKind = static_cast<CurveKind>(index);
    if (AnyEmpty(c, boxes)) return refuse(kEmptyInput);

    Curve curve{curveKind, {}, nullptr};
    if (curveKind == CurveKind::Typed) {
        TypedFunction::Error error = TypedFunction::Error::None;
        auto f = TypedFunction::Parse(c[0], &error);
        if (!f) return refuse(error == TypedFunction::Error::TooLarge ? kTooLarge : "表达式错误");
        // The parameters a, b and c the text uses: their boxes follow the
        // function's (given or not, they start at kParameterDefaults).
        curve.c = {kParameterDefaults[0], kParameterDefaults[1], kParameterDefaults[2], 0};
        for (int p = 0; p < 3; ++p) {
            const std::size_t box = static_cast<std::size_t>(p) + 1;
            if (!f->Uses(p) || box >= c.size()) continue;
            if (c[box].empty()) return refuse(kEmptyInput);
            const double v = LeadingValue(c[box]);
            if (std::isinf(v)) return refuse(kTooLarge);
            curve.c[static_cast<std::size_t>(p)] = v;
        }
        curve.typed = std::make_shared<const TypedFunction>(std::move(*f));
    } else {
        if (AnyBeyondRange(c, boxes)) return refuse(kTooLarge);
        for (std::size_t i = 0; i < boxes; ++i) curve.c[i] = value(i);
    }
    const auto run = [&](double s, double e) { SampleRun(curve, s, e, range, maxRunSamples, graph.segments); };
    switch (curveKind) {
        case CurveKind::Linear:  // y = kx + b, one straight segment
            if (curve.c[0] == 0) return refuse("一次项系数不能为0");
            graph.colour = {255, 0, 0};
            LinearSegment(curve.c[0], curve.c[1], range, graph.segments);
            break;
        case CurveKind::Quadratic:  // y = ax² + bx + c
            if (curve.c[0] == 0) return refuse(kZeroQuadraticCoefficient);
            graph.colour = {255, 128, 0};
            run(minX, maxX);
            break;
        case CurveKind::Exponential:  // y = r^x, y = log_r x
        case CurveKind::Logarithm: {
            const double p = curve.c[0], q = curve.c[1];
            if (q == 0) return refuse("除数不能为0");
            const double r = p / q;
            if (r <= 0 || r == 1) return refuse("底数应大于0且不等于1");
            curve.c = {r, 0, 0, 0};
            if (curveKind == CurveKind::Exponential) {
                graph.colour = {0, 255, 255};
                run(minX, maxX);
            } else {
                graph.colour = {0, 0, 255};
                run(0.01, maxX);
            }
            break;
        }
        case CurveKind::Inverse:  // y = k / x, two runs away from 0
            if (curve.c[0] == 0) return refuse("系数不能为0");
            graph.colour = {255, 0, 255};
            if (minX < 0) run(minX, -0.02);
            if (maxX > 0) run(0.01, maxX);
            break;
        case CurveKind::Sine:  // y = A sin(wx + f) + d, A cos(...)
        case CurveKind::Cosine:
            graph.colour = {0, 0, 0};
            run(minX, maxX);
            break;
        case CurveKind::Power:
        case CurveKind::Tangent:
        case CurveKind::Absolute:
        case CurveKind::Typed: {
            if ((curveKind == CurveKind::Power || curveKind == CurveKind::Absolute) && curve.c[0] == 0)
                return refuse("系数不能为0");
            static constexpr Rgb colours[] = {{160, 82, 45}, {128, 0, 255}, {0, 128, 128}, {200, 0, 100}};
            graph.colour = colours[index - static_cast<std::size_t>(CurveKind::Power)];
            // The sampling of the other kinds' 0.01 step, but at least a
            // thousand steps, so poles and domain edges are found on short
            // ranges too.
            const double steps = (maxX - minX) / kPlotStep;
            const auto intervals = static_cast<std::size_t>(
                std::clamp(std::ceil(steps), 1000.0, static_cast<double>(std::max<std::size_t>(maxRunSamples, 1000))));
            graph.segments = SampleCurve(curve, CanvasMapping{minX, range.maxY, maxX, range.minY}, intervals);
            break;
        }
    }
    graph.curve = std::move(curve);
    return graph;
}

std::string PlotReadout(double x, double y) {
    return "所得函数图象 鼠标坐标:(" + Coordinate(x) + "," + Coordinate(y) + ")";
}

// ---- Sketch ---------------------------------------------------------------------

SketchStart CheckSketch(std::string_view rightEnd) {
    if (rightEnd.empty()) return {Outcome::Error(kEmptyInput)};
    const double r = LeadingValue(rightEnd);
    if (std::isinf(r)) return {Outcome::Error(kTooLarge)};  // of either sign
    if (!(r > 0)) return {Outcome::Error("请使横坐标最右限为正数")};
    return {{}, r};
}

double SketchStep(double r, std::size_t maxSteps) {
    return r / kSketchStep <= static_cast<double>(maxSteps) ? kSketchStep : r / static_cast<double>(maxSteps);
}

std::array<Segment, 2> SketchSegments(bool cosine, double t, double step) {
    if (cosine) {
        const double y1 = std::cos(t), y2 = std::cos(t + step);
        return {{{t, y1, t + step, y2}, {-t, y1, -t - step, y2}}};
    }
    const double y1 = std::sin(t), y2 = std::sin(t + step);
    return {{{t, y1, t + step, y2}, {-t, -y1, -t - step, -y2}}};
}

std::string SketchReadout(double x, double y) { return "鼠标坐标:(" + Coordinate(x) + "," + Coordinate(y) + ")"; }

// ---- Images ---------------------------------------------------------------------

bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double minX, double minY, double maxX,
                 double maxY) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return false;
    if (!std::isfinite(minX) || !std::isfinite(minY) || !std::isfinite(maxX) || !std::isfinite(maxY)) return false;
    // Ends so far apart that their differences leave the double range are
    // clipped at a quarter of their size (exact: a power of two), then
    // scaled back.
    if (!std::isfinite(x2 - x1) || !std::isfinite(y2 - y1) || !std::isfinite(x1 - minX) ||
        !std::isfinite(maxX - x1) || !std::isfinite(y1 - minY) || !std::isfinite(maxY - y1)) {
        double a = x1 / 4, b = y1 / 4, c = x2 / 4, d = y2 / 4;
        if (!ClipSegment(a, b, c, d, minX / 4, minY / 4, maxX / 4, maxY / 4)) return false;
        x1 = a * 4, y1 = b * 4, x2 = c * 4, y2 = d * 4;
        return true;
    }
    // Liang-Barsky: the part of the segment x1 + t dx, y1 + t dy, 0 <= t <= 1,
    // inside; `enter` and `leave` are the edges that cut it (-1: none).
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    int enter = -1, leave = -1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - minX, maxX - x1, y1 - minY, maxY - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t0) t0 = t, enter = i;
        } else if (t < t1) {
            t1 = t, leave = i;
        }
        if (t0 > t1) return false;
    }
    // A cut end lies on its edge exactly, the other coordinate from the
    // segment's slope: with far-off ends the parameter t alone would round
    // the part on the canvas away.
    const double edges[4] = {minX, maxX, minY, maxY};
    const double sx = x1, sy = y1;
    auto cut = [&](int edge, double& x, double& y) {
        if (edge < 2) {
            x = edges[edge];
            y = sy + (x - sx) * (dy / dx);
        } else {
            y = edges[edge];
            x = sx + (y - sy) * (dx / dy);
        }
    };
    if (enter >= 0) cut(enter, x1, y1);
    if (leave >= 0) cut(leave, x2, y2);
    // Rounding must not leave a clipped end a hair outside the rectangle.
    x1 = std::clamp(x1, minX, maxX), x2 = std::clamp(x2, minX, maxX);
    y1 = std::clamp(y1, minY, maxY), y2 = std::clamp(y2, minY, maxY);
    return std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
}

bool ShareSegment(const CanvasMapping& m, const Segment& s, Segment& shares) {
    double x1 = s.x1, y1 = s.y1, x2 = s.x2, y2 = s.y2;
    if (!ClipSegment(x1, y1, x2, y2, std::min(m.left, m.right), std::min(m.top, m.bottom), std::max(m.left, m.right),
                     std::max(m.top, m.bottom)))
        return false;
    shares = {m.ShareX(x1), m.ShareY(y1), m.ShareX(x2), m.ShareY(y2)};
    return std::isfinite(shares.x1) && std::isfinite(shares.y1) && std::isfinite(shares.x2) && std::isfinite(shares.y2);
}

Rgb LegibleColour(Rgb colour, Picture::Role role, Rgb background) {
    const Rgb8 bg{background.r, background.g, background.b}, c{colour.r, colour.g, colour.b};
    Rgb8 shown;
    switch (role) {
        case Picture::Role::Curve: shown = ReadableOn(c, bg); break;
        case Picture::Role::Grid: shown = LegibleOn(c, bg, 1.8); break;
        case Picture::Role::Axis: shown = LegibleOn(c, bg, 3.0); break;
    }
    return {static_cast<std::uint8_t>(shown.r), static_cast<std::uint8_t>(shown.g), static_cast<std::uint8_t>(shown.b)};
}

namespace {

// Texts are read at a higher contrast than lines.
Rgb TextColour(const Picture::Text& t, Rgb background) {
    if (t.role == Picture::Role::Curve) return LegibleColour(t.colour, t.role, background);
    const Rgb8 shown = LegibleOn({t.colour.r, t.colour.g, t.colour.b}, {background.r, background.g, background.b}, 4.5);
    return {static_cast<std::uint8_t>(shown.r), static_cast<std::uint8_t>(shown.g), static_cast<std::uint8_t>(shown.b)};
}

constexpr Rgb kWhite{255, 255, 255};

std::string EscapeXml(const std::string& text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            default: out += ch;
        }
    }
    return out;
}

}  // namespace

Picture PlotPicture(std::vector<Picture::Line> drawn, const AxisLayout& axes) {
    Picture picture;
    picture.lines = std::move(drawn);
    for (const AxisLine& line : axes.lines)
        if (line.visible)
            picture.lines.push_back({line.x1 / kLayoutSize, line.y1 / kLayoutSize, line.x2 / kLayoutSize,
                                     line.y2 / kLayoutSize, kGreen, 2, Picture::Role::Axis});
    picture.texts.push_back({axes.y.left / kLayoutSize, axes.y.top / kLayoutSize, "y", kGreen});
    picture.texts.push_back({axes.x.left / kLayoutSize, axes.x.top / kLayoutSize, "x", kGreen});
    return picture;
}

std::string PictureSvg(const Picture& picture, int width, int height, double fontPx) {
    std::ostringstream svg;
    svg.imbue(std::locale::classic());
    auto colour = [](Rgb c) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
        return std::string(buf);
    };
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\"" << height
        << "\" viewBox=\"0 0 " << width << ' ' << height << "\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n"
        << "<g stroke-linecap=\"round\">\n";
    auto lines = [&](bool grid) {
        for (auto l : picture.lines) {
            if ((l.role == Picture::Role::Grid) != grid) continue;
            if (!ClipSegment(l.x1, l.y1, l.x2, l.y2, -0.01, -0.01, 1.01, 1.01)) continue;
            svg << "<line x1=\"" << l.x1 * width << "\" y1=\"" << l.y1 * height << "\" x2=\"" << l.x2 * width
                << "\" y2=\"" << l.y2 * height << "\" stroke=\"" << colour(LegibleColour(l.colour, l.role, kWhite))
                << "\" stroke-width=\"" << l.width << "\"/>\n";
        }
    };
    // The grid lies under the axes' numbers and names; a white outline
    // keeps it a few pixels off them ("3" never reads as "-3"). Axes and
    // graphs are drawn over.
    lines(true);
    svg << "</g>\n";
    for (const auto& t : picture.texts)
        svg << "<text x=\"" << t.left * width << "\" y=\"" << t.top * height
            << "\" dominant-baseline=\"hanging\" font-family=\"Times New Roman, serif\" font-size=\"" << fontPx
            << "\" fill=\"#ffffff\" stroke=\"#ffffff\" stroke-width=\"6\" stroke-linejoin=\"round\">"
            << EscapeXml(t.text) << "</text>\n";
    svg << "<g stroke-linecap=\"round\">\n";
    lines(false);
    svg << "</g>\n";
    for (const auto& m : picture.marks)
        svg << "<circle cx=\"" << m.x * width << "\" cy=\"" << m.y * height << "\" r=\"" << m.radius
            << "\" fill=\"" << colour(LegibleColour(m.colour, Picture::Role::Curve, kWhite))
            << "\" stroke=\"#ffffff\" stroke-width=\"1\"/>\n";
    for (const auto& t : picture.texts)
        svg << "<text x=\"" << t.left * width << "\" y=\"" << t.top * height
            << "\" dominant-baseline=\"hanging\" font-family=\"Times New Roman, serif\" font-size=\"" << fontPx
            << "\" fill=\"" << colour(TextColour(t, kWhite)) << "\">" << EscapeXml(t.text) << "</text>\n";
    svg << "</svg>\n";
    return svg.str();
}

namespace {

std::uint32_t Crc32(const std::string& bytes, std::size_t from) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = from; i < bytes.size(); ++i)
        c = table[(c ^ static_cast<std::uint8_t>(bytes[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void Put32(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

void Chunk(std::string& png, const char* type, const std::string& data) {
    Put32(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png += type;
    png += data;
    Put32(png, Crc32(png, start));
}

}  // namespace

std::string PicturePng(const Picture& picture, int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3, 255);
    auto plot = [&](int x, int y, Rgb c) {
        if (x < 0 || y < 0 || x >= width || y >= height) return;
        std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
    };
    for (const auto& l : picture.lines) {
        double x1 = l.x1 * width, y1 = l.y1 * height, x2 = l.x2 * width, y2 = l.y2 * height;
        if (!ClipSegment(x1, y1, x2, y2, -2, -2, width + 2, height + 2)) continue;
        const double steps = std::ceil(std::max(std::fabs(x2 - x1), std::fabs(y2 - y1)));
        const Rgb shown = LegibleColour(l.colour, l.role, kWhite);
        const int half = std::max(0, static_cast<int>(std::lround(l.width)) - 1) / 2;
        const int extra = std::max(0, static_cast<int>(std::lround(l.width)) - 1) - half;
        for (double i = 0; i <= steps; ++i) {
            const double s = steps > 0 ? i / steps : 0;
            const int x = static_cast<int>(std::lround(x1 + (x2 - x1) * s));
            const int y = static_cast<int>(std::lround(y1 + (y2 - y1) * s));
            for (int dx = -half; dx <= extra; ++dx)
                for (int dy = -half; dy <= extra; ++dy) plot(x + dx, y + dy, shown);
        }
    }
    for (const auto& m : picture.marks) {
        const double cx = m.x * width, cy = m.y * height, r = m.radius;
        if (!std::isfinite(cx) || !std::isfinite(cy) || std::fabs(cx) > width * 2.0 || std::fabs(cy) > height * 2.0)
            continue;
        const Rgb shown = LegibleColour(m.colour, Picture::Role::Curve, kWhite);
        for (int y = static_cast<int>(std::floor(cy - r)); y <= static_cast<int>(std::ceil(cy + r)); ++y)
            for (int x = static_cast<int>(std::floor(cx - r)); x <= static_cast<int>(std::ceil(cx + r)); ++x)
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) plot(x, y, shown);
    }
    // Raw rows (filter 0) in stored deflate blocks.
    std::string raw;
    raw.reserve(rgb.size() + height);
    for (int y = 0; y < height; ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(&rgb[static_cast<std::size_t>(y) * width * 3]),
                   static_cast<std::size_t>(width) * 3);
    }
    std::string z = "\x78\x01";
    std::uint32_t a = 1, b = 0;
    for (unsigned char ch : raw) {
        a = (a + ch) % 65521;
        b = (b + a) % 65521;
    }
    for (std::size_t pos = 0; pos < raw.size() || pos == 0; pos += 65535) {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - pos);
        const bool last = pos + n >= raw.size();
        z += static_cast<char>(last ? 1 : 0);
        z += static_cast<char>(n & 0xFF);
        z += static_cast<char>(n >> 8);
        z += static_cast<char>(~n & 0xFF);
        z += static_cast<char>((~n >> 8) & 0xFF);
        z.append(raw, pos, n);
        if (last) break;
    }
    Put32(z, (b << 16) | a);

    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    Put32(header, static_cast<std::uint32_t>(width));
    Put32(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", {});
    return png;
}

}  // namespace numora::maths
