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

#include "CurveMath.h"
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
    Typed,        // y = f(x), typed            c = {a, b, c}: its parameters
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
    // The value in one of the number types of CurveMath.h (Bounded for its
    // sign, Taylor<N> for its derivatives), unrounded; not a number where
    // the function is undefined.
    template <typename T>
    T Eval(const T& x) const;

    // The same function (kind, coefficients and typed text).
    bool SameAs(const Curve& other) const;
};

}  // namespace numora::maths
