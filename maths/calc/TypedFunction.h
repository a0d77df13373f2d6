// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A function y = f(x) as a pupil types it: x, numbers, + - * / ^ (also
// − × ÷ ·), parentheses, the functions sqrt abs sin cos tan (radians) ln lg
// exp, the constants π (or pi) and e, x² x³, and the parameters a, b and c
// (a*sin(b*x)+c), whose values are given with each evaluation. A number or a closing
// parenthesis written against x, a constant, a function or "(" multiplies
// (2x, 3(x+1), (x+1)(x-1), 2sin(x)); a minus sign after an operator or "("
// is a sign; ^ binds tighter than the sign (-x^2 is -(x^2)) and groups to
// the right (2^3^2 is 2^9). A capital E right after a number's digits, with
// an optional sign and digits, is its exponent (1.5E+3), as the suite writes
// large numbers; e alone is Euler's number.
//
// The text is read once into a small program (postfix order) without
// recursion, so any length reads in linear time; evaluating it runs the
// program on a value stack. Where f is undefined (the square root or
// logarithm of a negative number, a division by zero, a pole) the value is
// NaN, never an infinity.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace numora::maths {

class TypedFunction {
public:
    enum class Error { None, Syntax, TooLarge };

    // The function, or the reason it cannot be read: Syntax for any text
    // that is not a function of x as above ("表达式错误"), TooLarge for a
    // function that holds a number written beyond the double range
    // ("数据过大").
    static std::optional<TypedFunction> Parse(std::string_view text, Error* error = nullptr);

    // The values of the parameters a, b and c.
    using Parameters = std::array<double, 3>;

    // f(x); NaN where f is undefined or its value is beyond the double range.
    // Sums, products, quotients and whole powers are computed in extended
    // precision and the value rounded once; the other functions in double.
    double operator()(double x) const { return At(x); }
    double At(long double x, const Parameters& parameters = {}) const;
    // f(x) in any of the plotter's number types (long double, Bounded,
    // Taylor<N> of CurveMath.h), unrounded.
    template <typename T>
    T Run(const T& x, const Parameters& parameters) const;

    // Whether the text uses parameter 0 (a), 1 (b) or 2 (c).
    bool Uses(int parameter) const;

    bool operator==(const TypedFunction&) const = default;

private:
    enum class Op : std::uint8_t { Number, X, Parameter, Add, Sub, Mul, Div, Pow, Neg, Sqrt, Abs, Sin, Cos, Tan, Ln, Lg, Exp };
    struct Step {
        Op op;
        long double value = 0;  // the number of Op::Number (1E-400 is not 0), the index of Op::Parameter
        bool operator==(const Step&) const = default;
    };
    friend class FunctionReader;

    std::vector<Step> program_;
    std::size_t depth_ = 0;  // the most values the program holds at once
};

}  // namespace numora::maths
