// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotView.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "MathsMessages.h"
#include "NumberText.h"

namespace numora::maths {

namespace {

constexpr double kMax = std::numeric_limits<double>::max();

// The shortest decimal text of v, read back: 2.0000000000000004 is 2.
double Shortest(double v) {
    if (v == 0) return 0;
    return StrictValue(NumberText(v)).value_or(v);
}

}  // namespace

// ---- Zoom and pan ---------------------------------------------------------------

bool ViewFits(const CanvasMapping& v) {
    for (double e : {v.left, v.right, v.top, v.bottom})
        if (!std::isfinite(e)) return false;
    if (!(v.left < v.right) || !(v.bottom < v.top)) return false;
    const double width = v.right - v.left, height = v.top - v.bottom;
    if (!std::isfinite(width) || !std::isfinite(height)) return false;
    if (!std::isfinite(kLayoutSize / width) || !std::isfinite(kLayoutSize / height)) return false;
    const double across = std::max(std::fabs(v.left), std::fabs(v.right));
    const double along = std::max(std::fabs(v.top), std::fabs(v.bottom));
    return width >= across * 1e-12 && height >= along * 1e-12;
}

std::optional<CanvasMapping> ZoomView(const CanvasMapping& v, double sx, double sy, double factor) {
    if (!(factor > 0) || !std::isfinite(factor)) return std::nullopt;
    sx = std::clamp(sx, 0.0, 1.0), sy = std::clamp(sy, 0.0, 1.0);
    // The fixed point, and the new extents on either side of it.
    const double px = v.UserX(sx), py = v.UserY(sy);
    const double width = (v.right - v.left) * factor, height = (v.top - v.bottom) * factor;
    CanvasMapping z;
    z.left = px - sx * width;
    z.right = z.left + width;
    z.top = py + sy * height;
    z.bottom = z.top - height;
    if (sx == 1) z.right = px, z.left = px - width;
    if (sy == 1) z.bottom = py, z.top = py + height;
    if (!ViewFits(z)) return std::nullopt;
    return z;
}

CanvasMapping PanView(const CanvasMapping& v, double dx, double dy) {
    const double width = v.right - v.left, height = v.top - v.bottom;
    const double shiftX = dx * width, shiftY = dy * height;
    if (!std::isfinite(shiftX) || !std::isfinite(shiftY)) return v;
    // Up to the edge of the double range, not beyond, keeping the size.
    auto move = [](double low, double size, double shift, double& newLow, double& newHigh) {
        newLow = low + shift;
        if (!(newLow >= -kMax)) newLow = -kMax;
        newHigh = newLow + size;
        if (!(newHigh <= kMax)) newHigh = kMax, newLow = kMax - size;
    };
    CanvasMapping moved;
    move(v.left, width, shiftX, moved.left, moved.right);
    move(v.bottom, height, shiftY, moved.bottom, moved.top);
    return ViewFits(moved) ? moved : v;
}

// ---- Numbers on the axes ---------------------------------------------------------

double RoundStep(double raw) {
    if (!(raw > 0) || !std::isfinite(raw)) return raw;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double best = power;
    for (double m : {2.0, 5.0, 10.0})
        if (std::fabs(std::log(m * power / raw)) < std::fabs(std::log(best / raw))) best = m * power;
    return best;
}

std::vector<Tick> AxisTicks(const CanvasMapping& view, bool vertical, int grid) {
    const double lo = vertical ? view.bottom : view.left, hi = vertical ? view.top : view.right;
    auto share = [&](double value) { return vertical ? view.ShareY(value) : view.ShareX(value); };
    std::vector<Tick> ticks;
    grid = std::clamp(grid, 1, 9);
    const double step = RoundStep((hi - lo) / (grid + 1));
    if (!(step > 0) || !std::isfinite(step)) return ticks;
    const double first = std::ceil(lo / step), last = std::floor(hi / step);
    if (!(last >= first) || last - first > 50) return ticks;
    for (double k = first; k <= last; ++k) {
        const double value = Shortest(k * step);
        const double s = share(value);
        if (s < 0.001 || s > 0.999) continue;  // no line on the canvas's edge
        ticks.push_back({value, s, FormatResult(NumberText(value)), static_cast<long long>(k)});
    }
    return ticks;
}

std::vector<Segment> TickGrid(const std::vector<Tick>& xTicks, const std::vector<Tick>& yTicks) {
    std::vector<Segment> lines;
    for (const Tick& t : yTicks) lines.push_back({0, t.share, 1, t.share});
    for (const Tick& t : xTicks) lines.push_back({t.share, 0, t.share, 1});
    return lines;
}

namespace {

struct Rect {
    double left, top, right, bottom;  // pixels
    bool Meets(const Rect& o, double pad) const {
        return left < o.right + pad && o.left < right + pad && top < o.bottom + pad && o.top < bottom + pad;
    }
};

// The smallest k of 1, 2, 5, 10, ... for which the numbers of every k-th
// line (k·step apart in value) keep clear of each other at `place`.
long long Thinning(const std::vector<Tick>& ticks, const std::function<Rect(const Tick&)>& place, double pad) {
    for (long long k : {1LL, 2LL, 5LL, 10LL, 20LL, 50LL}) {
        bool clear = true;
        std::optional<Rect> previous;
        for (const Tick& t : ticks) {
            if (t.index % k != 0) continue;
            const Rect r = place(t);
            if (previous && previous->Meets(r, pad)) clear = false;
            previous = r;
        }
        if (clear) return k;
    }
    return 100;
}

}  // namespace

AxisNumbers NumberAxes(const AxisLayout& axes, const std::vector<Tick>& xTicks, const std::vector<Tick>& yTicks,
                       const TextMeasure& m, const std::vector<MarkSpot>& marks) {
    AxisNumbers out;
    // Numbers stand clear of their axis by more than a key point's mark
    // reaches, so a mark on the axis hides none.
    const double size = m.canvasPx, h = m.height, gap = 5, pad = 2;
    const double axisY = axes.lines[0].y1 / kLayoutSize * size;  // the x axis, in pixels from the top
    const double axisX = axes.lines[1].x1 / kLayoutSize * size;  // the y axis, from the left
    const bool xInside = axes.lines[5].visible, yInside = axes.lines[2].visible;
    std::vector<Rect> taken;
    const double nameWidth = std::max(m.width("x"), m.width("y"));
    for (const AxisLabel& name : {axes.x, axes.y})
        taken.push_back({name.left / kLayoutSize * size, name.top / kLayoutSize * size,
                         name.left / kLayoutSize * size + nameWidth, name.top / kLayoutSize * size + h});
    // The key points' marks stay visible.
    for (const MarkSpot& spot : marks)
        taken.push_back({spot.x * size - spot.radius, spot.y * size - spot.radius, spot.x * size + spot.radius,
                         spot.y * size + spot.radius});
    const std::size_t names = 2;  // taken[0..1]; then the marks, then the numbers
    const std::size_t numbersFrom = names + marks.size();
    auto fits = [&](const Rect& r) {
        if (r.left < 0 || r.top < 0 || r.right > size || r.bottom > size) return false;  // never cut at an edge
        for (std::size_t i = 0; i < taken.size(); ++i)
            if (r.Meets(taken[i], i < names || i >= numbersFrom ? pad : 0)) return false;
        return true;
    };
    // Each number centred on its line, on the usual side of its axis (below
    // the x axis, left of the y axis) or else on the other.
    auto xRect = [&](const Tick& t, bool usual) {
        const double w = m.width(t.text), left = t.share * size - w / 2;
        const double top = usual ? axisY + gap : axisY - gap - h;
        return Rect{left, top, left + w, top + h};
    };
    auto yRect = [&](const Tick& t, bool usual) {
        const double w = m.width(t.text), top = t.share * size - h / 2;
        const double left = usual ? axisX - gap - w : axisX + gap;
        return Rect{left, top, left + w, top + h};
    };
    const bool xBelow = axisY + gap + h <= size;
    const bool yLeft = yTicks.empty() || axisX - gap - m.width(yTicks.back().text) >= 0;
    // Where lines stand too close for every number, every 2nd (5th, ...)
    // line is numbered; both axes alike when their steps are the same.
    long long kx = Thinning(xTicks, [&](const Tick& t) { return xRect(t, xBelow); }, pad);
    long long ky = Thinning(yTicks, [&](const Tick& t) { return yRect(t, yLeft); }, pad);
    auto stepOf = [](const std::vector<Tick>& ticks) {
        return ticks.size() >= 2 ? (ticks[1].value - ticks[0].value) / static_cast<double>(ticks[1].index - ticks[0].index)
                                 : 0.0;
    };
    const double sx = stepOf(xTicks), sy = stepOf(yTicks);
    if (sx > 0 && sy > 0 && std::fabs(sx - sy) <= 1e-12 * sx) kx = ky = std::max(kx, ky);

    auto place = [&](const Rect& usual, const Rect& other, const std::string& text) {
        for (const Rect& r : {usual, other}) {
            if (!fits(r)) continue;
            taken.push_back(r);
            out.texts.push_back({r.left / size, r.top / size, text, kGreen, Picture::Role::Axis});
            return;
        }
    };
    // Where both axes cross at 0, one 0 stands in the corner between them.
    const bool origin = xInside && yInside;
    if (origin) {
        const double w = m.width("0");
        const double left = yLeft ? axisX - gap - w : axisX + gap, top = xBelow ? axisY + gap : axisY - gap - h;
        place({left, top, left + w, top + h}, {left, top, left + w, top + h}, "0");
    }
    for (const Tick& t : xTicks) {
        if ((origin && t.value == 0) || t.index % kx != 0) continue;
        place(xRect(t, xBelow), xRect(t, !xBelow), t.text);
    }
    for (const Tick& t : yTicks) {
        if ((origin && t.value == 0) || t.index % ky != 0) continue;
        place(yRect(t, yLeft), yRect(t, !yLeft), t.text);
    }
    return out;
}

// ---- Trace ------------------------------------------------------------------------

double TraceStep(const CanvasMapping& view) { return RoundStep((view.right - view.left) / 80); }

double NextTraceX(double x, int direction, double step, const std::vector<double>& stops) {
    const double k = std::floor(x / step + (direction > 0 ? 1e-9 : -1e-9));
    double next = Shortest((direction > 0 ? k + 1 : (std::fabs(k * step - x) <= step * 1e-9 ? k - 1 : k)) * step);
    if (direction > 0 && next <= x) next = Shortest(next + step);
    if (direction < 0 && next >= x) next = Shortest(next - step);
    for (double s : stops) {
        if (direction > 0 && s > x && s < next) next = s;
        if (direction < 0 && s < x && s > next) next = s;
    }
    return next;
}

double RoundToResolution(double x, double resolution) {
    if (!(resolution > 0) || !std::isfinite(x)) return x;
    const double unit = std::pow(10.0, std::floor(std::log10(resolution)));
    const double rounded = Shortest(std::round(x / unit) * unit);
    return std::isfinite(rounded) ? rounded : x;
}

long double DecimalOf(double x) {
    if (!std::isfinite(x) || x == 0) return x;
    const std::string text = NumberText(x);
    long double value = x;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : static_cast<long double>(x);
}

std::optional<NearestPoint> NearestCurve(const std::vector<const std::vector<Segment>*>& curves, double sx, double sy,
                                         double reach) {
    std::optional<NearestPoint> best;
    for (std::size_t c = 0; c < curves.size(); ++c) {
        for (const Segment& s : *curves[c]) {
            const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
            const double length = dx * dx + dy * dy;
            double t = length > 0 ? ((sx - s.x1) * dx + (sy - s.y1) * dy) / length : 0;
            t = std::clamp(t, 0.0, 1.0);
            const double px = s.x1 + t * dx, py = s.y1 + t * dy;
            const double d = std::hypot(px - sx, py - sy);
            if (d <= reach && (!best || d < best->distance)) best = NearestPoint{c, px, d};
        }
    }
    return best;
}

// ---- Texts -------------------------------------------------------------------------

namespace {
std::string Number(double v) { return FormatResult(NumberText(v == 0 ? 0 : v)); }
std::string CurveName(std::size_t curve) { return "曲线" + std::to_string(curve + 1); }
}  // namespace

std::string PointText(double x, double y) { return "(" + Number(x) + ", " + Number(y) + ")"; }

std::string TraceText(std::size_t curve, double x, double y, const char* keyName) {
    if (std::isnan(y)) return CurveName(curve) + " x = " + Number(x) + " 处无定义";
    return CurveName(curve) + (keyName ? std::string(" ") + keyName : std::string()) + " " + PointText(x, y);
}

Outcome CurveValues(const std::vector<Curve>& curves, std::string_view xText) {
    if (xText.empty()) return Outcome::Error(kEmptyInput);
    const double x = LeadingValue(xText);
    if (!std::isfinite(x)) return Outcome::Error(kTooLarge);
    if (curves.empty()) return Outcome().Write(kValuesBox, "未绘制图象");
    std::string text;
    for (std::size_t i = 0; i < curves.size(); ++i) {
        const double y = curves[i].At(DecimalOf(x));
        if (i > 0) text += "；";
        text += CurveName(i) + (std::isnan(y) ? std::string(" 无定义") : " y = " + Number(y));
    }
    return Outcome().Write(kValuesBox, text);
}

}  // namespace numora::maths
