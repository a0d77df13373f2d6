// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The plotter's exploring tools without a window: typed functions, key
// points (against closed forms and values computed with mpmath at 40
// digits), sampling across poles and gaps, zoom and pan at the edges of the
// double range, the numbers on the axes and the trace's steps.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "KeyPoints.h"
#include "PlotView.h"
#include "Plotter.h"
#include "TypedFunction.h"

using namespace numora::maths;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kPi = std::numbers::pi;

Curve Make(const char* kind, std::vector<std::string> c) {
    const Graph g = DrawGraph(kind, c, PlotRange{});
    EXPECT_TRUE(g.curve.has_value()) << kind << " " << (g.outcome.message ? g.outcome.message->text : "");
    return g.curve.value_or(Curve{});
}

// Within `ulps` units in the last place, or both NaN.
bool Close(double a, double b, double ulps) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    const double unit = std::max(std::fabs(std::nextafter(b, INFINITY) - b), std::numeric_limits<double>::denorm_min());
    return std::fabs(a - b) <= ulps * unit;
}

}  // namespace

TEST(TypedFunction, ReadsWhatPupilsType) {
    const struct { const char* text; double x, y; } rows[] = {
        {"x^2-3x+2", 1.5, -0.25},
        {"2x+1", 3, 7},
        {"2 sin(x)", kPi / 2, 2},
        {"3(x+1)", 1, 6},
        {"(x+1)(x-1)", 3, 8},
        {"x(x+1)", 2, 6},
        {"-x^2", 3, -9},          // the sign binds looser than ^
        {"2^-1", 0, 0.5},         // a sign after ^
        {"2^3^2", 0, 512},        // ^ groups to the right
        {"1/2x", 4, 2},           // left to right: (1/2)·x
        {"8/2/2", 0, 2},
        {"2--x", 3, 5},
        {"x²+x³", 2, 12},
        {"3×x÷2−1", 4, 5},
        {"2·π", 0, 2 * kPi},
        {"pi", 0, kPi},
        {"e", 0, std::numbers::e},
        {"ex", 2, 2 * std::numbers::e},  // e written against x
        {"exp(x)", 1, std::numbers::e},  // exp, not e·x·p
        {"sqrt(x)+abs(-x)", 4, 6},
        {"ln(e^2)+lg(1000)", 0, 5},
        {"cos(0)+tan(0)", 0, 1},
        {"SIN(X)", 0, 0},
        {"1.5E+3+.5", 0, 1500.5},        // a capital E after digits is an exponent
        {"2E", 0, 2 * std::numbers::e},  // without digits after it, e
        {"（x+1）", 1, 2},
        {" x\t+ 1 ", 1, 2},
        {"sqrt(x)", -1, kNaN},  // undefined: a gap, never an infinity
        {"ln(x)", 0, kNaN},
        {"1/x", 0, kNaN},
        {"x^0.5", -4, kNaN},
        {"exp(x)", 1000, kNaN},
        {"1/exp(x)", 1000, 0},
    };
    for (const auto& r : rows) {
        const auto f = TypedFunction::Parse(r.text);
        ASSERT_TRUE(f) << r.text;
        EXPECT_TRUE(Close((*f)(r.x), r.y, 4)) << r.text << " at " << r.x << ": " << (*f)(r.x);
    }
}

TEST(TypedFunction, RefusesWhatIsNotAFunction) {
    const struct { const char* text; TypedFunction::Error error; } rows[] = {
        {"", TypedFunction::Error::Syntax},        {"x+", TypedFunction::Error::Syntax},
        {"(x", TypedFunction::Error::Syntax},      {"x)", TypedFunction::Error::Syntax},
        {"sin x", TypedFunction::Error::Syntax},   {"sinx", TypedFunction::Error::Syntax},
        {"2 3", TypedFunction::Error::Syntax},     {"x2", TypedFunction::Error::Syntax},
        {"y", TypedFunction::Error::Syntax},       {"1..2", TypedFunction::Error::Syntax},
        {".", TypedFunction::Error::Syntax},       {"x**2", TypedFunction::Error::Syntax},
        {"()", TypedFunction::Error::Syntax},      {"x=1", TypedFunction::Error::Syntax},
        {"log(x)", TypedFunction::Error::Syntax},  {"\xE4\xB8\x80", TypedFunction::Error::Syntax},
        {"1E+999x", TypedFunction::Error::TooLarge},
    };
    for (const auto& r : rows) {
        TypedFunction::Error error = TypedFunction::Error::None;
        EXPECT_FALSE(TypedFunction::Parse(r.text, &error)) << r.text;
        EXPECT_EQ(error, r.error) << r.text;
    }
    // Deep nesting reads without recursion and evaluates on its own stack.
    const std::string deep = std::string(100000, '(') + "x" + std::string(100000, ')');
    ASSERT_TRUE(TypedFunction::Parse(deep));
    EXPECT_EQ((*TypedFunction::Parse(deep))(3), 3);
    std::string wide = "x";
    for (int i = 0; i < 1000; ++i) wide = "1+(" + wide + ")";
    EXPECT_EQ((*TypedFunction::Parse(wide))(0), 1000);
}

TEST(PlotterKinds, NewKindsAreCheckedLikeTheOthers) {
    const struct { const char* kind; std::vector<std::string> c; const char* message; } rows[] = {
        {"幂函数", {"", "2"}, "请不要使输入框为空"},     {"幂函数", {"0", "2"}, "系数不能为0"},
        {"幂函数", {"1", "1e309"}, "数据过大"},         {"正切函数", {"1", "1", ""}, "请不要使输入框为空"},
        {"正切函数", {"0", "0", "0"}, ""},              {"绝对值函数", {"0", "1", "1"}, "系数不能为0"},
        {"自定义函数", {""}, "请不要使输入框为空"},     {"自定义函数", {"x+"}, "表达式错误"},
        {"自定义函数", {"1E+400"}, "数据过大"},         {"自定义函数", {"2"}, ""},
    };
    for (const auto& r : rows) {
        const Graph g = DrawGraph(r.kind, r.c, PlotRange{});
        EXPECT_EQ(g.outcome.message ? g.outcome.message->text : "", r.message) << r.kind;
        EXPECT_EQ(g.curve.has_value(), !g.outcome.failed()) << r.kind;
    }
}

// Poles and the edges of a domain: no drawn segment crosses a pole or
// carries a NaN, and the graph reaches the edge of its domain.
TEST(PlotterKinds, SamplingLeavesGapsAtPolesAndDomainEdges) {
    const CanvasMapping view{-4, 4, 4, -4};
    const struct { Curve curve; std::vector<double> poles; } rows[] = {
        {Make("正切函数", {"1", "1", "0"}), {-kPi / 2, kPi / 2, -3 * kPi / 2, 3 * kPi / 2}},
        {Make("自定义函数", {"tan(x)"}), {-kPi / 2, kPi / 2}},
        {Make("自定义函数", {"1/x"}), {0}},
        {Make("自定义函数", {"1/(x-1)^2"}), {1}},
        {Make("自定义函数", {"abs(x)/x"}), {0}},  // a jump, not a pole
        {Make("反比例函数", {"1"}), {0}},
        {Make("幂函数", {"1", "-1"}), {0}},
    };
    for (const auto& r : rows) {
        const auto segments = SampleCurve(r.curve, view, 1460);
        EXPECT_GT(segments.size(), 300u);
        for (const Segment& s : segments) {
            ASSERT_TRUE(std::isfinite(s.y1) && std::isfinite(s.y2));
            for (double pole : r.poles) EXPECT_FALSE(s.x1 < pole && s.x2 > pole) << s.x1 << " " << s.x2;
        }
    }
    const auto root = SampleCurve(Make("自定义函数", {"sqrt(x)"}), view, 1460);
    ASSERT_FALSE(root.empty());
    EXPECT_LT(root.front().x1, 1e-12);  // down to the edge of the domain, not to the next sample
    EXPECT_GE(root.front().x1, 0);
    const auto log = SampleCurve(Make("对数函数", {"2", "1"}), {-1, 4, 4, -12}, 1460);
    ASSERT_FALSE(log.empty());
    EXPECT_LT(log.front().x1, 0.01);  // a zoomed view shows the logarithm below 0.01 as well
}

namespace {

struct Expected {
    KeyKind kind;
    double x, y;
    double ulps = 4;  // the x within this many units in the last place (y as well)
};
struct KeyRow {
    std::vector<Curve> curves;
    CanvasMapping view;
    std::vector<Expected> points;
    bool onlyIntersections = false;
};

// The x of a numeric extremum: the crest is flat, so its x is good to about
// 1E-10 of the view, its value to the last place.
constexpr double kCrest = 1e6;

}  // namespace

TEST(KeyPoints, AgainstClosedFormsAndMpmath) {
    using K = KeyKind;
    const CanvasMapping standard{-4, 4, 4, -4};
    const double s = std::sqrt(0.5);
    const KeyRow rows[] = {
        // The pupil's pair: zeros 1 and 2, the vertex, both intercepts, the
        // two intersections.
        {{Make("二次函数", {"1", "-3", "2"}), Make("一次函数", {"1", "-1"})}, standard,
         {{K::YIntercept, 0, 2}, {K::YIntercept, 0, -1}, {K::Zero, 1, 0}, {K::Zero, 1, 0}, {K::Intersection, 1, 0},
          {K::Minimum, 1.5, -0.25}, {K::Zero, 2, 0}, {K::Intersection, 3, 2}}},
        {{Make("自定义函数", {"x^2-3x+2"})}, standard,
         {{K::YIntercept, 0, 2}, {K::Zero, 1, 0}, {K::Minimum, 1.5, -0.25}, {K::Zero, 2, 0}}},
        // None inside the range.
        {{Make("二次函数", {"1", "0", "1"})}, {2, 4, 4, -4}, {}},
        {{Make("反比例函数", {"1"})}, standard, {}},
        {{Make("自定义函数", {"1/x"})}, standard, {}},
        {{Make("指数函数", {"2", "1"})}, standard, {{K::YIntercept, 0, 1}}},
        {{Make("对数函数", {"2", "1"})}, standard, {{K::Zero, 1, 0}}},
        {{Make("一次函数", {"2", "1"})}, standard, {{K::Zero, -0.5, 0}, {K::YIntercept, 0, 1}}},
        {{Make("正弦函数", {"2", "1", "0", "1"})}, standard,
         {{K::Zero, -2.6179938779914944, 0}, {K::Minimum, -kPi / 2, -1}, {K::Zero, -0.5235987755982989, 0},
          {K::YIntercept, 0, 1}, {K::Maximum, kPi / 2, 3}, {K::Zero, 3.6651914291880923, 0}}},
        {{Make("余弦函数", {"1", "2", "0", "0"})}, {-2, 2, 2, -2},
         {{K::Minimum, -kPi / 2, -1}, {K::Zero, -kPi / 4, 0}, {K::Maximum, 0, 1}, {K::YIntercept, 0, 1},
          {K::Zero, kPi / 4, 0}, {K::Minimum, kPi / 2, -1}}},
        {{Make("幂函数", {"1", "0.5"})}, standard, {{K::Zero, 0, 0}, {K::YIntercept, 0, 0}}},
        {{Make("幂函数", {"2", "-1"})}, standard, {}},
        {{Make("正切函数", {"1", "1", "0"})}, standard,
         {{K::Zero, -kPi, 0}, {K::Zero, 0, 0}, {K::YIntercept, 0, 0}, {K::Zero, kPi, 0}}},
        {{Make("自定义函数", {"tan(x)"})}, standard,  // poles are no zeros
         {{K::Zero, -kPi, 0}, {K::Zero, 0, 0}, {K::YIntercept, 0, 0}, {K::Zero, kPi, 0}}},
        {{Make("绝对值函数", {"2", "1", "-2"})}, standard,
         {{K::Zero, 0, 0}, {K::YIntercept, 0, 0}, {K::Minimum, 1, -2}, {K::Zero, 2, 0}}},
        {{Make("自定义函数", {"sqrt(x)-1"})}, standard, {{K::YIntercept, 0, -1}, {K::Zero, 1, 0}}},
        {{Make("自定义函数", {"x^2-2"})}, standard,
         {{K::Zero, -1.4142135623730951, 0, 1}, {K::Minimum, 0, -2}, {K::YIntercept, 0, -2},
          {K::Zero, 1.4142135623730951, 0, 1}}},
        {{Make("自定义函数", {"(x-1)^2"})}, standard,  // a zero that touches
         {{K::YIntercept, 0, 1}, {K::Zero, 1, 0}, {K::Minimum, 1, 0}}},
        {{Make("自定义函数", {"x*exp(-x)"})}, {-1, 4, 4, -4},
         {{K::Zero, 0, 0}, {K::YIntercept, 0, 0}, {K::Maximum, 1, 0.36787944117144233, kCrest}}},
        {{Make("自定义函数", {"x^x"})}, {0, 4, 2, 0},
         {{K::YIntercept, 0, 1}, {K::Minimum, 0.36787944117144233, 0.6922006275553464, kCrest}}},
        // Intersections only from here.
        {{Make("正弦函数", {"1", "1", "0", "0"}), Make("余弦函数", {"1", "1", "0", "0"})}, standard,
         {{K::Intersection, -2.356194490192345, -s}, {K::Intersection, 0.7853981633974483, s},
          {K::Intersection, 3.9269908169872414, -s}},
         true},
        {{Make("指数函数", {"2", "1"}), Make("二次函数", {"1", "0", "0"})}, {-4, 20, 5, -1},
         {{K::Intersection, -0.766664695962123, 0.5877747560346946}, {K::Intersection, 2, 4},
          {K::Intersection, 4, 16}},
         true},
        {{Make("正切函数", {"1", "1", "0"}), Make("一次函数", {"1", "0"})}, {-5, 5, 5, -5},  // poles are no crossings
         {{K::Intersection, -4.493409457909064, -4.493409457909064, 16}, {K::Intersection, 0, 0},
          {K::Intersection, 4.493409457909064, 4.493409457909064, 16}},
         true},
        {{Make("反比例函数", {"1"}), Make("一次函数", {"1", "0"})}, standard,
         {{K::Intersection, -1, -1}, {K::Intersection, 1, 1}}, true},
        {{Make("自定义函数", {"x^2"}), Make("自定义函数", {"x*x"})}, standard, {}, true},  // the same graph
        {{Make("一次函数", {"1", "0"}), Make("一次函数", {"1", "1"})}, standard, {}, true},      // parallel
        {{Make("绝对值函数", {"1", "0", "0"}), Make("一次函数", {"0.5", "1"})}, standard,
         {{K::Intersection, -2.0 / 3, 2.0 / 3}, {K::Intersection, 2, 2}}, true},
        {{Make("二次函数", {"1", "0", "0"}), Make("一次函数", {"2", "-1"})}, standard,  // a tangent
         {{K::Intersection, 1, 1}}, true},
        {{Make("自定义函数", {"e^x"}), Make("自定义函数", {"3-x^2"})}, standard,
         {{K::Intersection, -1.677232708532538, 0.18689044142860645},
          {K::Intersection, 0.8344868653087588, 2.3036316716271616}},
         true},
        {{Make("自定义函数", {"cos(x)"}), Make("一次函数", {"1", "0"})}, standard,
         {{K::Intersection, 0.7390851332151607, 0.7390851332151607}}, true},
    };
    for (const KeyRow& r : rows) {
        const KeyPoints found = FindKeyPoints(r.curves, r.view);
        std::vector<KeyPoint> points;
        for (const KeyPoint& p : found.points)
            if (!r.onlyIntersections || p.kind == KeyKind::Intersection) points.push_back(p);
        std::string listed;
        for (const KeyPoint& p : points) listed += KeyPointLine(p) + "; ";
        SCOPED_TRACE(listed);
        EXPECT_FALSE(found.tooMany);
        ASSERT_EQ(points.size(), r.points.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            EXPECT_EQ(points[i].kind, r.points[i].kind) << i;
            EXPECT_TRUE(Close(points[i].x, r.points[i].x, r.points[i].ulps)) << i << ": " << points[i].x;
            EXPECT_TRUE(Close(points[i].y, r.points[i].y, std::min(r.points[i].ulps, 16.0))) << i << ": " << points[i].y;
        }
    }
}

TEST(KeyPoints, ManyPointsAndTooMany) {
    const CanvasMapping wide{-20, 2, 20, -2};
    for (const Curve& sine : {Make("正弦函数", {"1", "1", "0", "0"}), Make("自定义函数", {"sin(x)"})}) {
        const KeyPoints found = FindKeyPoints({sine}, wide);
        std::size_t zeros = 0, crests = 0;
        for (const KeyPoint& p : found.points) {
            if (p.kind == KeyKind::Zero) {
                EXPECT_NEAR(p.x / kPi, std::round(p.x / kPi), 1e-15);
                ++zeros;
            }
            if (p.kind == KeyKind::Maximum || p.kind == KeyKind::Minimum) ++crests;
        }
        EXPECT_EQ(zeros, 13u);  // kπ for k = -6 ... 6
        EXPECT_EQ(crests, 12u);
    }
    // Hundreds of thousands of zeros are not listed one by one.
    const KeyPoints crowded = FindKeyPoints({Make("正弦函数", {"1", "1", "0", "0"})}, {-1e6, 2, 1e6, -2});
    EXPECT_TRUE(crowded.tooMany);
    EXPECT_LE(crowded.points.size(), 1u);  // the y-axis intercept
    EXPECT_EQ(KeyPointLine({KeyKind::Minimum, 1.5, -0.25, 0, 0}), "极小值点 1.5 -0.25");
}

// The extreme ranges of the axis placement (PlotterTest): zooming and
// panning never produce an infinity or NaN, and stop at the edges of the
// double range.
TEST(PlotView, ZoomAndPanAtTheEdgesOfTheDoubleRange) {
    const CanvasMapping views[] = {
        {-4, 1e307, 4, -1e308}, {-1e305, 1e305, 4, -1}, {-4, 8e307, 4, -8e307}, {-4, 2e-200, 4, 1e-200},
        {1, -1e-200, 4, -2e-200}, {-1e308, 8e307, 2147483647, -8e307}, {-4, 4, 4, -4},
    };
    const double max = std::numeric_limits<double>::max();
    for (const CanvasMapping& home : views) {
        SCOPED_TRACE(std::to_string(home.left) + " " + std::to_string(home.top));
        CanvasMapping v = home;
        for (int i = 0; i < 4000; ++i) {  // out to the limit and beyond
            const auto z = ZoomView(v, 0.3, 0.8, 1 / kZoomStep);
            if (z) v = *z;
            ASSERT_TRUE(ViewFits(v));
        }
        // Stopped where the width or the height reached the edge, not before.
        EXPECT_TRUE(v.right - v.left > max / 4 || v.top - v.bottom > max / 4);
        for (int i = 0; i < 200; ++i) {
            v = PanView(v, 1, -1);
            ASSERT_TRUE(ViewFits(v));
        }
        EXPECT_TRUE(v.right >= max * (1 - 1e-15) || v.bottom <= -max * (1 - 1e-15));
        v = home;
        for (int i = 0; i < 4000; ++i)
            if (const auto z = ZoomView(v, 0.5, 0.5, kZoomStep)) v = *z;
        ASSERT_TRUE(ViewFits(v));
        EXPECT_LT(v.right - v.left, (home.right - home.left) * 1e-3);
    }
    // The point under the pointer stays where it is.
    const auto z = ZoomView({-4, 4, 4, -4}, 0.75, 0.25, 0.5);
    ASSERT_TRUE(z);
    EXPECT_EQ(*z, (CanvasMapping{-1, 3, 3, -1}));
    EXPECT_EQ(PanView({-4, 4, 4, -4}, 0.25, -0.5), (CanvasMapping{-2, 0, 6, -8}));
    EXPECT_FALSE(ZoomView({-4, 4, 4, -4}, 0.5, 0.5, 0));
}

TEST(PlotView, AxesAreNumberedWithoutOverlaps) {
    const auto home = AxisTicks({-4, 4, 4, -4}, false, 7);
    ASSERT_EQ(home.size(), 7u);
    EXPECT_EQ(home.front().text, "-3");
    EXPECT_DOUBLE_EQ(home.front().share, 1.0 / 8);
    const auto odd = AxisTicks({-10, 4, 4, -4}, false, 5);
    std::vector<std::string> texts;
    for (const Tick& t : odd) texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"-8", "-6", "-4", "-2", "0", "2"}));  // none on the edges
    const auto fine = AxisTicks({0.1, 0.4, 0.4, 0.1}, true, 7);
    EXPECT_EQ(fine.front().text, "0.15");  // the result text: a 0 before the point

    const TextMeasure measure{[](const std::string& t) { return 7.0 * static_cast<double>(t.size()); }, 12, 365};
    const struct { CanvasMapping view; int grid; } rows[] = {
        {{-4, 4, 4, -4}, 7}, {{-10, 4, 4, -4}, 5}, {{1, 5, 6, 2}, 9}, {{-1e305, 1e305, 4, -1}, 9},
        {{-2.5e-7, 3e-7, 1e-7, -1e-7}, 9}, {{123456, 123457, 123460, 123455}, 9},
    };
    for (const auto& r : rows) {
        const AxisLayout axes = PlaceAxes(DesignAxes(), r.view);
        const auto xs = AxisTicks(r.view, false, r.grid), ys = AxisTicks(r.view, true, r.grid);
        const AxisNumbers numbers = NumberAxes(axes, xs, ys, measure);
        EXPECT_GE(numbers.texts.size(), 4u) << r.view.left;
        for (std::size_t i = 0; i < numbers.texts.size(); ++i) {
            const auto& a = numbers.texts[i];
            const double aw = measure.width(a.text) / 365, ah = 12.0 / 365;
            EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.left + aw <= 1 && a.top + ah <= 1) << a.text;
            for (std::size_t j = i + 1; j < numbers.texts.size(); ++j) {
                const auto& b = numbers.texts[j];
                const double bw = measure.width(b.text) / 365;
                EXPECT_FALSE(a.left < b.left + bw && b.left < a.left + aw && a.top < b.top + ah && b.top < a.top + ah)
                    << a.text << " covers " << b.text;
            }
            for (const AxisLabel& name : {axes.x, axes.y}) {
                const double nl = name.left / kLayoutSize, nt = name.top / kLayoutSize;
                EXPECT_FALSE(a.left < nl + 7.0 / 365 && nl < a.left + aw && a.top < nt + ah && nt < a.top + ah)
                    << a.text << " covers an axis name";
            }
        }
    }
}

TEST(PlotView, TraceSteps) {
    EXPECT_EQ(TraceStep({-4, 4, 4, -4}), 0.1);
    EXPECT_EQ(TraceStep({-10, 4, 4, -4}), 0.2);
    const struct { double x; int direction; std::vector<double> stops; double next; } rows[] = {
        {0, 1, {}, 0.1},   {0.35, 1, {}, 0.4}, {0.4, -1, {}, 0.3}, {1.9, 1, {}, 2},
        {-0.1, 1, {}, 0},  {1.4, 1, {1.41421356237309}, 1.41421356237309},  // a key point on the way
        {1.41421356237309, 1, {1.41421356237309}, 1.5}, {1.5, -1, {1.41421356237309, 1}, 1.41421356237309},
    };
    for (const auto& r : rows) EXPECT_EQ(NextTraceX(r.x, r.direction, 0.1, r.stops), r.next) << r.x;
    EXPECT_EQ(RoundToResolution(1.23456789, 0.01), 1.23);
    EXPECT_EQ(RoundToResolution(-0.00049, 0.01), 0);

    const std::vector<Segment> low = {{0, 0.8, 1, 0.8}}, high = {{0, 0.2, 0.5, 0.3}};
    const auto near = NearestCurve({&low, &high}, 0.25, 0.3, 0.05);
    ASSERT_TRUE(near);
    EXPECT_EQ(near->curve, 1u);
    EXPECT_FALSE(NearestCurve({&low, &high}, 0.9, 0.5, 0.05));
}

TEST(PlotView, ValuesAtATypedXAndTraceTexts) {
    const std::vector<Curve> pair = {Make("二次函数", {"1", "-3", "2"}), Make("自定义函数", {"sqrt(x)"})};
    const struct { std::vector<Curve> curves; const char* x; const char* text; const char* message; } rows[] = {
        {pair, "1.9", "曲线1 y = -0.09；曲线2 y = 1.37840487520902", ""},  // -0.09 exactly, at the decimal 1.9
        {pair, "-1", "曲线1 y = 6；曲线2 无定义", ""},
        {{}, "1", "未绘制图象", ""},
        {pair, "", "", "请不要使输入框为空"},
        {pair, "-1e999", "", "数据过大"},
    };
    for (const auto& r : rows) {
        const numora::Outcome o = CurveValues(r.curves, r.x);
        EXPECT_EQ(o.Field(kValuesBox).value_or(""), r.text) << r.x;
        EXPECT_EQ(o.message ? o.message->text : "", r.message) << r.x;
    }
    EXPECT_EQ(TraceText(0, 1.5, -0.25, "极小值点"), "曲线1 极小值点 (1.5, -0.25)");
    EXPECT_EQ(TraceText(1, -1, kNaN), "曲线2 x = -1 处无定义");
    EXPECT_EQ(PointText(0.5, -0.0), "(0.5, 0)");
}

// Ends so far apart that their difference leaves the double range are
// clipped all the same.
TEST(PlotView, SegmentsAreClippedBeforeTheyAreMapped) {
    const double max = std::numeric_limits<double>::max();
    // y = x across a canvas as wide as the double range and 2 high: a
    // vertical stroke in its middle, not a point.
    double x1 = -max, y1 = -max, x2 = max, y2 = max;
    ASSERT_TRUE(ClipSegment(x1, y1, x2, y2, -max / 2, -1, max / 2, 1));
    EXPECT_EQ(y1, -1);
    EXPECT_EQ(y2, 1);
    EXPECT_LT(std::fabs(x1), max * 1e-15);
    EXPECT_LT(std::fabs(x2), max * 1e-15);
    Segment shares{};
    ASSERT_TRUE(ShareSegment({-1e308, 8e307, 2147483647, -8e307}, {-1e308, -1e308, 2147483647, 2147483647}, shares));
    EXPECT_NEAR(shares.x1, 0.2, 1e-12);  // where y = x enters the canvas at the bottom
    EXPECT_EQ(shares.y1, 1);
    EXPECT_FALSE(ShareSegment({-4, 4, 4, -4}, {5, 5, 6, 6}, shares));
}
