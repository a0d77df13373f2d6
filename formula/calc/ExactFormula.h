// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact value of a formula. Every formula of "+ - * /", parentheses and
// decimal numbers has a fraction as its value; this evaluation computes it
// with rational arithmetic over the same reading of the formula as
// EvaluateFormula (FormulaWalk.h), and gives the decimal result beside it,
// so both always describe one formula.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace numora {

// Numerators and denominators are kept up to this many digits; a formula
// whose exact value (or a step of it) needs more has no exact value here.
inline constexpr std::size_t kExactDigitLimit = 10000;

// The fraction line of the simple calculator leaves out fractions with
// more digits than this in the numerator or the denominator.
inline constexpr std::size_t kFractionLineDigits = 30;

struct ExactFormulaResult {
    enum class Exact {
        Value,        // numerator / denominator hold the exact value
        Refused,      // the formula is refused: `decimal` is empty
        ZeroDivisor,  // a divisor is exactly zero although its decimal value is not
                      // (rounding): the formula has no value
        TooLarge,     // a numerator or denominator went past kExactDigitLimit digits,
                      // or the computation past its work limit
    };
    std::optional<std::string> decimal;  // exactly EvaluateFormula(formula)
    Exact exact = Exact::Refused;
    std::string numerator;    // lowest terms, "-" in front when negative
    std::string denominator;  // positive, "1" for a whole number
    // The decimal text, read as a number, is exactly the exact value (1/2
    // and .5; not 1/3 and .333333333333333).
    bool decimalIsExact = false;
};

// Decimal and exact value of `formula` in one walk. Acceptance is the
// decimal evaluation's: exact is Refused exactly when decimal is empty.
ExactFormulaResult EvaluateFormulaExact(std::string_view formula);

// The exact value in lowest terms: "1/3", "-7/2", "5"; empty without one.
std::string ExactText(const ExactFormulaResult& result);

// "分数: 1/3": the simple calculator's extra line, when the exact value is
// not a whole number, the decimal text is not exact, and neither numerator
// nor denominator has more than kFractionLineDigits digits.
std::optional<std::string> FractionLine(const ExactFormulaResult& result);

}  // namespace numora
