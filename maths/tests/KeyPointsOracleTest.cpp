// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The key points of functions where rounding used to invent or lose them,
// against an independent oracle: each function written again with MPFR at
// 256 bits, its sign changes found on a fine grid and bisected there. The
// plotter must list the same zeros (or intersections), each to a few units
// in the last place, and say once what it cannot list point by point.
#include <gtest/gtest.h>
#include <mpfr.h>

#include <cmath>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "KeyPoints.h"
#include "Plotter.h"

using namespace numora::maths;

namespace {

// A number of 256 bits.
class Big {
public:
    Big() { mpfr_init2(v_, 256); }
    Big(double d) : Big() { mpfr_set_d(v_, d, MPFR_RNDN); }  // NOLINT: a widening
    explicit Big(const char* decimal) : Big() { mpfr_set_str(v_, decimal, 10, MPFR_RNDN); }
    Big(const Big& o) : Big() { mpfr_set(v_, o.v_, MPFR_RNDN); }
    Big& operator=(const Big& o) {
        mpfr_set(v_, o.v_, MPFR_RNDN);
        return *this;
    }
    ~Big() { mpfr_clear(v_); }

    int Sign() const { return mpfr_nan_p(v_) ? 2 : mpfr_sgn(v_); }
    double ToDouble() const { return mpfr_get_d(v_, MPFR_RNDN); }

    using Binary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);
    using Unary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
    static Big Apply(Binary f, const Big& a, const Big& b) {
        Big r;
        f(r.v_, a.v_, b.v_, MPFR_RNDN);
        return r;
    }
    static Big Apply(Unary f, const Big& a) {
        Big r;
        f(r.v_, a.v_, MPFR_RNDN);
        return r;
    }

private:
    mpfr_t v_;
};

Big operator+(const Big& a, const Big& b) { return Big::Apply(mpfr_add, a, b); }
Big operator-(const Big& a, const Big& b) { return Big::Apply(mpfr_sub, a, b); }
Big operator*(const Big& a, const Big& b) { return Big::Apply(mpfr_mul, a, b); }
Big operator/(const Big& a, const Big& b) { return Big::Apply(mpfr_div, a, b); }
Big Sin(const Big& a) { return Big::Apply(mpfr_sin, a); }
Big Exp(const Big& a) { return Big::Apply(mpfr_exp, a); }
Big Abs(const Big& a) { return Big::Apply(mpfr_abs, a); }

using Oracle = std::function<Big(const Big&)>;

// The oracle's zeros of h on [x0, x1]: sign changes on a grid of `grid`
// steps, each bisected 1100 times (down to 1E-330 of the step), and grid
// points where h is 0 between values that are not.
std::vector<double> OracleZeros(const Oracle& h, double x0, double x1, int grid = 20000) {
    std::vector<double> zeros;
    std::vector<Big> xs;
    std::vector<int> signs;
    for (int i = 0; i <= grid; ++i) {
        xs.push_back(i == grid ? Big(x1) : Big(x0 + (x1 - x0) * i / grid));
        signs.push_back(h(xs.back()).Sign());
    }
    for (int i = 0; i <= grid; ++i)
        if (signs[i] == 0 && (i == 0 || signs[i - 1] != 0) && (i == grid || signs[i + 1] != 0))
            zeros.push_back(xs[i].ToDouble());
    for (int i = 1; i <= grid; ++i) {
        const int before = signs[i - 1], s = signs[i];
        if (s == 0 || s == 2 || before == 0 || before == 2 || s == before) continue;
        Big lo = xs[i - 1], hi = xs[i];
        for (int k = 0; k < 1100; ++k) {
            const Big m = (lo + hi) / Big(2.0);
            (h(m).Sign() == before ? lo : hi) = m;
        }
        zeros.push_back(lo.ToDouble());
    }
    std::sort(zeros.begin(), zeros.end());
    return zeros;
}

Curve Make(const char* kind, std::vector<std::string> c) {
    const Graph g = DrawGraph(kind, c, PlotRange{});
    EXPECT_TRUE(g.curve.has_value()) << kind << " " << c[0];
    return g.curve.value_or(Curve{});
}
Curve Typed(const char* text) { return Make("自定义函数", {text}); }

bool Close(double a, double b, double ulps) {
    const double unit = std::max(std::fabs(std::nextafter(b, INFINITY) - b), std::numeric_limits<double>::denorm_min());
    return std::fabs(a - b) <= ulps * unit;
}

struct OracleRow {
    const char* name;
    std::vector<Curve> curves;  // one graph (its zeros) or two (their intersections)
    double x0, x1, y0, y1;
    Oracle h;                   // the graph, or the first minus the second
    std::vector<KeyNote> notes;
};

}  // namespace

TEST(KeyPointsOracle, ZerosAndIntersectionsFromTheFunctionsThemselves) {
    const Big tiny("1e-300"), small("1e-16"), tinier("1e-400");
    const OracleRow rows[] = {
        // Underflow and rounding are no zeros.
        {"0", {Typed("0")}, -4, 4, -4, 4, [](const Big&) { return Big(0.0); }, {{KeyNoteKind::ZeroFunction, 0, 0}}},
        {"1E-400", {Typed("1E-400")}, -4, 4, -4, 4, [&](const Big&) { return tinier; }, {}},
        {"exp(-x^2)", {Typed("exp(-x^2)")}, -40, 40, -4, 4, [](const Big& x) { return Exp(Big(0.0) - x * x); }, {}},
        {"sin²+cos²-1", {Typed("sin(x)^2+cos(x)^2-1")}, -4, 4, -4, 4, [](const Big&) { return Big(0.0); },
         {{KeyNoteKind::ZeroFunction, 0, 0}}},
        {"x-x", {Typed("x-x")}, -4, 4, -4, 4, [](const Big&) { return Big(0.0); }, {{KeyNoteKind::ZeroFunction, 0, 0}}},
        // Zeros far below the spacing of the samples, and multiple zeros.
        {"x^2-1E-300", {Typed("x^2-1E-300")}, -1, 1, -4, 4, [&](const Big& x) { return x * x - tiny; }, {}},
        {"sin(x)+sin(2x)/2", {Typed("sin(x)+sin(2x)/2")}, -4, 4, -4, 4,
         [](const Big& x) { return Sin(x) + Sin(x * Big(2.0)) / Big(2.0); }, {}},
        {"(x-1)^3*exp(x)", {Typed("(x-1)^3*exp(x)")}, -4, 4, -4, 4,
         [](const Big& x) { return (x - Big(1.0)) * (x - Big(1.0)) * (x - Big(1.0)) * Exp(x); }, {}},
        {"x^5", {Typed("x^5")}, -4, 4, -4, 4, [](const Big& x) { return x * x * x * x * x; }, {}},
        {"x^3-3x", {Typed("x^3-3*x")}, -4, 4, -4, 4, [](const Big& x) { return x * x * x - Big(3.0) * x; }, {}},
        {"sin(1/x)", {Typed("sin(1/x)")}, 0.1, 4, -4, 4, [](const Big& x) { return Sin(Big(1.0) / x); }, {}},
        // Intersections of graphs that never meet, or meet once.
        {"x, x+1E-300", {Typed("x"), Typed("x+1E-300")}, -4, 4, -4, 4, [&](const Big&) { return Big(0.0) - tiny; }, {}},
        {"x^2, x^2+1E-16", {Typed("x^2"), Typed("x^2+1E-16")}, -4, 4, -4, 4,
         [&](const Big&) { return Big(0.0) - small; }, {}},
        {"abs(x), x", {Typed("abs(x)"), Typed("x")}, -4, 4, -4, 4, [](const Big& x) { return Abs(x) - x; }, {}},
        {"absolute, linear", {Make("绝对值函数", {"1", "0", "0"}), Make("一次函数", {"1", "0"})}, -4, 4, -4, 4,
         [](const Big& x) { return Abs(x) - x; }, {}},
        {"tan(x), tan(x)+1", {Typed("tan(x)"), Typed("tan(x)+1")}, -4, 4, -4, 4, [](const Big&) { return Big(-1.0); },
         {}},
        {"exp(x), 3-x^2", {Typed("e^x"), Typed("3-x^2")}, -4, 4, -4, 4,
         [](const Big& x) { return Exp(x) - (Big(3.0) - x * x); }, {}},
        {"x^2, x*x", {Typed("x^2"), Typed("x*x")}, -4, 4, -4, 4, [](const Big&) { return Big(0.0); },
         {{KeyNoteKind::SameGraph, 0, 1}}},
        {"sin(x), sine kind", {Typed("sin(x)"), Make("正弦函数", {"1", "1", "0", "0"})}, -4, 4, -4, 4,
         [](const Big&) { return Big(0.0); }, {{KeyNoteKind::SameGraph, 0, 1}}},
        {"line, itself", {Make("一次函数", {"2", "1"}), Make("一次函数", {"2", "1"})}, -4, 4, -4, 4,
         [](const Big&) { return Big(0.0); }, {{KeyNoteKind::SameGraph, 0, 1}}},
    };
    for (const OracleRow& r : rows) {
        SCOPED_TRACE(r.name);
        const KeyPoints found = FindKeyPoints(r.curves, {r.x0, r.y1, r.x1, r.y0});
        const KeyKind kind = r.curves.size() == 1 ? KeyKind::Zero : KeyKind::Intersection;
        std::vector<double> xs;
        std::string listed;
        for (const KeyPoint& p : found.points) {
            listed += KeyPointLine(p) + "; ";
            if (p.kind == kind) xs.push_back(p.x);
        }
        SCOPED_TRACE(listed);
        EXPECT_FALSE(found.tooMany);
        EXPECT_EQ(found.notes, r.notes);
        const std::vector<double> expected = r.notes.empty() ? OracleZeros(r.h, r.x0, r.x1) : std::vector<double>{};
        ASSERT_EQ(xs.size(), expected.size());
        for (std::size_t i = 0; i < xs.size(); ++i)
            EXPECT_TRUE(Close(xs[i], expected[i], 4) || std::fabs(xs[i] - expected[i]) < 1e-300)
                << i << ": " << xs[i] << " against " << expected[i];
    }
}

// A triple zero to the last digit, as the pupil reads it.
TEST(KeyPointsOracle, MultipleZeroToFullPrecision) {
    const KeyPoints found = FindKeyPoints({Typed("sin(x)+sin(2x)/2")}, {3, 1, 3.5, -1});
    ASSERT_EQ(found.points.size(), 1u);
    EXPECT_EQ(KeyPointLine(found.points[0]), "零点 3.14159265358979 0");
}

// The same function as a kind and typed gives the same key points.
TEST(KeyPointsOracle, KindsAndTypedFunctionsAgree) {
    const struct { std::vector<Curve> kind, typed; } rows[] = {
        {{Make("二次函数", {"1", "0", "-2"})}, {Typed("x^2-2")}},
        {{Make("二次函数", {"1", "-3", "2"})}, {Typed("x^2-3x+2")}},
        {{Make("一次函数", {"2", "1"})}, {Typed("2x+1")}},
        {{Make("正弦函数", {"2", "1", "1", "0"})}, {Typed("2sin(x+1)")}},
        {{Make("余弦函数", {"1", "2", "0", "0.5"})}, {Typed("cos(2x)+0.5")}},
        {{Make("绝对值函数", {"2", "1", "-2"})}, {Typed("2abs(x-1)-2")}},
        {{Make("幂函数", {"1", "2"})}, {Typed("x^2")}},
        {{Make("幂函数", {"1", "0.5"})}, {Typed("x^0.5")}},
        {{Make("正切函数", {"1", "1", "0"})}, {Typed("tan(x)")}},
        {{Make("指数函数", {"2", "1"})}, {Typed("2^x")}},
        {{Make("对数函数", {"2", "1"})}, {Typed("ln(x)/ln(2)")}},
        {{Make("反比例函数", {"1"})}, {Typed("1/x")}},
        {{Make("正弦函数", {"0", "1", "0", "0"})}, {Typed("0*sin(x)")}},
        {{Make("绝对值函数", {"1", "0", "0"}), Make("一次函数", {"1", "0"})}, {Typed("abs(x)"), Typed("x")}},
        {{Make("二次函数", {"1", "0", "0"}), Make("一次函数", {"2", "-1"})}, {Typed("x^2"), Typed("2x-1")}},
    };
    auto lines = [](const std::vector<Curve>& curves) {
        const KeyPoints found = FindKeyPoints(curves, {-4, 4, 4, -4});
        std::string text;
        for (const KeyPoint& p : found.points) text += KeyPointLine(p) + "\n";
        for (const KeyNote& n : found.notes) text += KeyNoteLine(n, curves.size()) + "\n";
        return text;
    };
    for (const auto& r : rows) EXPECT_EQ(lines(r.typed), lines(r.kind));
}

// The cap holds on every path: a family of its own, and all graphs together.
TEST(KeyPointsOracle, NeverMoreThanTheCap) {
    const CanvasMapping view{-4, 4, 4, -4};
    for (const std::vector<Curve>& curves : std::vector<std::vector<Curve>>{
             {Typed("sin(1000x)")},
             {Make("正弦函数", {"1", "300", "0", "0"}), Make("正弦函数", {"1", "310", "0", "0"})},
             {Typed("sin(100x)"), Typed("cos(100x)"), Typed("sin(90x)"), Typed("cos(90x)")},
         }) {
        const KeyPoints found = FindKeyPoints(curves, view);
        EXPECT_TRUE(found.tooMany);
        EXPECT_LE(found.points.size(), kMaxKeyPoints);
    }
    EXPECT_EQ(KeyNoteLine({KeyNoteKind::ZeroFunction, 1, 1}, 2), "函数值恒为0 曲线2");
    EXPECT_EQ(KeyNoteLine({KeyNoteKind::ZeroFunction, 0, 0}, 1), "函数值恒为0");
    EXPECT_EQ(KeyNoteLine({KeyNoteKind::SameGraph, 0, 2}, 3), "图象重合 曲线1 曲线3");
}
