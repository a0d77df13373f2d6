// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The double-precision commands of the basic-calculation window: the eight
// frames of the full page and the seven buttons of the quick page. Each
// takes the texts of its input fields and returns what the window shows.
#pragma once

#include <string>
#include <string_view>

#include "Outcome.h"
#include "StandardControls.h"

namespace numora::standard {

// The fields' texts come as the window reads them (CalcText): full-width
// digits and signs are already ASCII, also for the checks of exact texts
// ("０" typed is the divisor "0").
//
// Full page. Each writes its frame's result fields (by control name) or
// fails with the frame's message (result fields: StandardControls.h); the root and factorial frames may also
// reset an input field before their message. On both pages an operand
// beyond the double range (1e309 or -1e309) is refused with "数据过大", right
// after the checks for empty fields (and the full page's checks of the exact
// texts "0" and "-").
Outcome CommonSum(std::string_view augend, std::string_view addend);                 // kAddResult
Outcome CommonDifference(std::string_view minuend, std::string_view subtrahend);    // kSubtractResult
Outcome CommonProduct(std::string_view multiplicand, std::string_view multiplier);  // kMultiplyResult
// kIntegerQuotient, kRemainder, kQuotient.
Outcome CommonQuotient(std::string_view dividend, std::string_view divisor);
Outcome CommonPower(std::string_view base, std::string_view exponent);               // kPowerResult
// kRootResult, kRoundedRoot; may reset kRadicand or kRootIndex.
Outcome CommonRoot(std::string_view radicand, std::string_view index);
Outcome CommonLogarithm(std::string_view argument, std::string_view base);           // kLogResult
// kFactorialResult; may reset kFactorialInput.
Outcome CommonFactorial(std::string_view n);

// Quick page: one operation on the two shared operands, result in
// kQuickResult. Input fields are never changed.
enum class QuickOp { Sum, Difference, Product, Division, Power, Root, Logarithm };
Outcome QuickOperation(QuickOp op, std::string_view first, std::string_view second);

}  // namespace numora::standard
