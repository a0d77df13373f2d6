// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The formula evaluator of the simple calculator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace numora {

// Evaluates a one-line formula of decimal numbers, "+", "-", "*", "/" and
// parentheses, and returns the result as number text (NumberText), or
// nothing when the formula is refused (the errors below).
//
// Grammar and meaning:
//  - "*" and "/" bind tighter than "+" and "-"; operators of one level go
//    from left to right (8/2*2 = 8). A number or ")" written against "("
//    multiplies, with the precedence of "*": 2(3) = 6, (1+2)(3+4) = 21.
//  - "-" after a number or ")" subtracts; elsewhere (at the start, after an
//    operator or "(") it is a sign. A run of minus signs counts by parity:
//    an even run is no sign, an odd run one "-": --5 = 5, 2--3 = 5,
//    2---3 = -1, 2*--3 = 6. A "+" is never a sign: +5, 2*+3 are errors.
//  - Numbers: digits with at most one ".", optionally an exponent "E" or
//    "e" with an optional sign ("1E+15", "2.5e-3"). Blanks between tokens
//    are ignored; a blank inside a number, or two numbers side by side
//    ("1 2"), is an error.
//  - Intermediate results keep full double precision; only the final result
//    becomes text.
//  - A formula that performs no operation returns its number as typed: the
//    formula's leading and trailing blanks, the net sign, the number's own
//    spelling ("7", " 7", "1e2", "-5" for --(-5)...).
//  - Full-width digits and signs read as ASCII (FromFullWidth), × and ÷
//    as "*" and "/": （１＋２）×３ = 9.
//  - A single "#" at the very end is an end marker and is ignored.
// Errors: an empty formula, operators in a row, an operator at the start or
// end, anything that is not a number, "()", unbalanced parentheses,
// division by zero, a number or result beyond the double range.
//
// Runs in time linear in the formula's length, with no recursion.
std::optional<std::string> EvaluateFormula(std::string_view formula);

}  // namespace numora
