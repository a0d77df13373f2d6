// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Exact values as text, in the notation of the school book, the same in
// every window and in numora-cli:
//  - √ ∛ ∜ before the radicand, √(…) around a nested one: √2, ∛4, √(10+2√5);
//  - a coefficient before the radical: 2√2; "/" for a fraction, the
//    numerator in parentheses when it is a sum: (3+√5)/2, -√3/3;
//  - ASCII "-" for minus; a term that is positive written first where
//    there is one (√5-1 rather than -1+√5), a sum of negative terms over a
//    denominator as -(1+√5)/4;
//  - simplest form: whole radicands, no radical in a denominator, no common
//    factor of the numerator's coefficients and the denominator, no
//    decimal point.
#pragma once

#include <string>

#include "ExactNumber.h"

namespace numora::exact {

// "1/5", "-7/2", "3".
std::string Text(const mpq_class& value);
// "(3+√5)/2", "-√3/3", "2-√3", "√(10+2√5)/4", "0".
std::string Text(const ExactValue& value);

// √ ∛ ∜ for the indices 2, 3, 4; raised digits before √ for others (⁵√).
std::string RadicalSign(int index);
// "√5", "∛2", "√(10+2√5)"; empty for the radical of a rational term.
std::string RadicalText(const Radical& radical);

// A typed number as it is written in a step: its decimal digits when it
// has finitely many (0.5, -1.25, 1E+300 for long ones), the fraction otherwise.
std::string DecimalText(const mpq_class& value);

// A number written inside a product or after an operator: in parentheses
// when it is negative or a fraction ("(-3)", "(1/5)"), as is otherwise.
std::string Operand(const std::string& text);

// rational ± part (part a single term or rational), as the quadratic
// formula writes both roots at once: "(3±√5)/2", "1±√2", "±√2/2", "(4±1)/2";
// "∓" when part's coefficient is negative.
std::string PlusMinusText(const mpq_class& rational, const ExactValue& part);

}  // namespace numora::exact
