// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The number types the key points are found with: Taylor coefficients
// against derivatives worked out by hand, and the signs that rounding can
// and cannot tell.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "CurveMath.h"
#include "Plotter.h"

using namespace numora::maths;

namespace {

Curve Typed(const char* text) {
    const Graph g = DrawGraph("自定义函数", {text}, PlotRange{});
    EXPECT_TRUE(g.curve.has_value()) << text;
    return g.curve.value_or(Curve{});
}
Curve Kind(const char* kind, std::vector<std::string> boxes) {
    const Graph g = DrawGraph(kind, boxes, PlotRange{});
    EXPECT_TRUE(g.curve.has_value()) << kind;
    return g.curve.value_or(Curve{});
}

using Derivatives = std::function<std::array<double, 5>(double)>;

}  // namespace

// f, f', f'', f''' and f'''' from the Taylor coefficients (c[k]·k!), for the
// library's functions and the recurrences of products, quotients, roots
// and powers.
TEST(CurveMath, TaylorCoefficientsAreTheDerivatives) {
    const struct {
        Curve curve;
        const char* name;
        std::vector<double> at;
        Derivatives exact;
    } rows[] = {
        {Typed("sin(x)"), "sin", {-2, 0.3, 3},
         [](double x) { return std::array<double, 5>{std::sin(x), std::cos(x), -std::sin(x), -std::cos(x), std::sin(x)}; }},
        {Typed("exp(2x)"), "exp", {-1, 0, 0.7},
         [](double x) {
             const double e = std::exp(2 * x);
             return std::array<double, 5>{e, 2 * e, 4 * e, 8 * e, 16 * e};
         }},
        {Typed("ln(x)"), "ln", {0.5, 2, 7},
         [](double x) { return std::array<double, 5>{std::log(x), 1 / x, -1 / (x * x), 2 / (x * x * x), -6 / std::pow(x, 4)}; }},
        {Typed("sqrt(x)"), "sqrt", {0.25, 4},
         [](double x) {
             return std::array<double, 5>{std::sqrt(x), 0.5 / std::sqrt(x), -0.25 * std::pow(x, -1.5),
                                          0.375 * std::pow(x, -2.5), -0.9375 * std::pow(x, -3.5)};
         }},
        {Typed("1/(1+x^2)"), "1/(1+x^2)", {-1.5, 0, 0.5},
         [](double x) {
             const double u = 1 + x * x;
             return std::array<double, 5>{1 / u, -2 * x / (u * u), (6 * x * x - 2) / (u * u * u),
                                          24 * x * (1 - x * x) / std::pow(u, 4),
                                          24 * (5 * std::pow(x, 4) - 10 * x * x + 1) / std::pow(u, 5)};
         }},
        {Typed("tan(x)"), "tan", {-1, 0.4},
         [](double x) {
             const double t = std::tan(x), s = 1 + t * t;
             return std::array<double, 5>{t, s, 2 * t * s, 2 * s * (1 + 3 * t * t), 8 * t * s * (2 + 3 * t * t)};
         }},
        {Typed("x^2.5"), "x^2.5", {0.5, 3},
         [](double x) {
             return std::array<double, 5>{std::pow(x, 2.5), 2.5 * std::pow(x, 1.5), 3.75 * std::sqrt(x),
                                          1.875 / std::sqrt(x), -0.9375 * std::pow(x, -1.5)};
         }},
        {Typed("2^x"), "2^x", {-1, 3},
         [](double x) {
             const double l = std::log(2.0), v = std::pow(2.0, x);
             return std::array<double, 5>{v, l * v, l * l * v, l * l * l * v, l * l * l * l * v};
         }},
        {Kind("正弦函数", {"2", "3", "1", "0.5"}), "2sin(3x+1)+0.5", {-0.5, 1},
         [](double x) {
             const double u = 3 * x + 1;
             return std::array<double, 5>{2 * std::sin(u) + 0.5, 6 * std::cos(u), -18 * std::sin(u), -54 * std::cos(u),
                                          162 * std::sin(u)};
         }},
        {Kind("指数函数", {"1", "2"}), "(1/2)^x", {-2, 1},
         [](double x) {
             const double l = std::log(0.5), v = std::pow(0.5, x);
             return std::array<double, 5>{v, l * v, l * l * v, l * l * l * v, l * l * l * l * v};
         }},
        {Kind("对数函数", {"10", "1"}), "lg", {2, 5},
         [](double x) {
             const double l = std::log(10.0);
             return std::array<double, 5>{std::log10(x), 1 / (x * l), -1 / (x * x * l), 2 / (x * x * x * l),
                                          -6 / (std::pow(x, 4) * l)};
         }},
        {Kind("绝对值函数", {"2", "1", "-2"}), "2|x-1|-2", {-3, 4},
         [](double x) {
             const double s = x < 1 ? -1 : 1;
             return std::array<double, 5>{2 * std::fabs(x - 1) - 2, 2 * s, 0, 0, 0};
         }},
    };
    constexpr double factorial[] = {1, 1, 2, 6, 24};
    for (const auto& r : rows) {
        for (double x : r.at) {
            const Taylor<4> t = r.curve.Eval(Taylor<4>::Variable(x));
            const auto exact = r.exact(x);
            for (int k = 0; k <= 4; ++k) {
                const double got = static_cast<double>(t.c[k]) * factorial[k];
                EXPECT_NEAR(got, exact[k], 1e-12 * std::max(1.0, std::fabs(exact[k])))
                    << r.name << " at " << x << ", derivative " << k;
            }
            // The first derivative alone agrees with the fourth-order series.
            EXPECT_EQ(r.curve.Eval(Taylor<1>::Variable(x)).c[1], t.c[1]) << r.name;
        }
    }
}

// A value's sign is told only beyond its rounding error: rounding and
// underflow never make a sign, a true value however small always does.
TEST(CurveMath, SignsBeyondTheRoundingError) {
    const struct { const char* function; double x; int sign; } rows[] = {
        {"x-x", 3, 0},
        {"sin(x)^2+cos(x)^2-1", 0.7, 0},
        {"0*exp(x)", 1, 0},
        {"(x+1E-300)-x", 1, 0},   // 1E-300 lost beside 1
        {"(x+1E-300)-x", 0, 1},   // but not beside 0
        {"1E-400", 5, 1},         // beyond double, not beyond its own exponent
        {"-1E-400", 5, -1},
        {"exp(-x^2)", 40, 1},     // e^-1600 is positive, not an underflow to 0
        {"exp(-x^2)*1E300*1E300", 40, 1},
        {"x^2-1E-300", 1e-151, -1},
        {"x^2-1E-300", 2e-150, 1},
        {"tan(x)+1-tan(x)", 1.5707963267948966, 0},  // beside the pole the +1 is lost
        {"tan(x)+1-tan(x)", 1, 1},
        {"sqrt(x)", 0, 0},
    };
    for (const auto& r : rows) {
        const Bounded v = Typed(r.function).Eval(Bounded(r.x));
        EXPECT_TRUE(v.Defined()) << r.function;
        EXPECT_EQ(v.Sign(), r.sign) << r.function << " at " << r.x << ": " << static_cast<double>(v.v) << " ± "
                                    << static_cast<double>(v.e);
    }
    // Where the function has no value, nothing is told.
    EXPECT_FALSE(Typed("sqrt(x)").Eval(Bounded(-1)).Defined());
    EXPECT_FALSE(Typed("1/x").Eval(Bounded(0)).Defined());
    EXPECT_FALSE(Typed("ln(x)").Eval(Taylor<4>::Variable(-1)).Defined());
}
