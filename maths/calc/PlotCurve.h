// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A drawn graph as a function: what the plotter keeps of each graph so that
// it can draw it again for another view, follow it with the trace marker
// and find its key points from the function itself.
#pragma once

#include <array>
#include <cstddef>
#include <memory>

#include "TypedFunction.h"

namespace numora::maths {

// The kinds in the order of the kind list.
enum class CurveKind {
    Linear,       // y = k·x + b                c = {k, b}
    Quadratic,    // y = a·x² + b·x + c         c = {a, b, c}
    Exponential,  // y = r^x                    c = {r}
    Logarithm,    // y = ln x / ln r            c = {r}
    Inverse,      // y = k / x                  c = {k}
    Sine,         // y = A·sin(ω·x + φ) + d     c = {A, ω, φ, d}
    Cosine,       // y = A·cos(ω·x + φ) + d     c = {A, ω, φ, d}
    Power,        // y = a·x^b                  c = {a, b}
    Tangent,      // y = A·tan(ω·x + φ)         c = {A, ω, φ}
    Absolute,     // y = a·|x − h| + k          c = {a, h, k}
    Typed,        // y = f(x), typed
};
inline constexpr std::size_t kCurveKinds = 11;

struct Curve {
    CurveKind kind = CurveKind::Linear;
    std::array<double, 4> c{};
    std::shared_ptr<const TypedFunction> typed;  // the typed kind's function

    // The value at x; NaN where the function is undefined (outside its
    // domain, at a pole) or beyond the double range.
    double operator()(double x) const { return At(x); }
    // The same at an x of extended precision (a decimal such as 1.9, which
    // no double is): sums, products, quotients and whole powers in extended
    // precision, rounded once; the other functions in double.
    double At(long double x) const;
};

// a^b: by repeated squaring in extended precision for a whole b up to 64
// in size (x^3 as x·x·x, fast and without the rounding of the logarithm),
// otherwise the double power.
long double WidePower(long double a, long double b);

}  // namespace numora::maths
