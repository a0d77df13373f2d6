// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The multiplication formulas ("乘法公式" frame MathsMultiplication): five
// buttons, each evaluating one side of a school identity for squares or
// cubes at the typed a and b.
#pragma once

#include <array>
#include <string_view>

#include "MathsControls.h"
#include "MathsMessages.h"
#include "Outcome.h"

namespace numora::maths {

// The boxes and buttons (kFormulaA, kFormulaB, kFormulaResult,
// kFormulaButtons) are in MathsControls.h.
// Button `which` (1..5) at the texts of the a and b boxes -> kFormulaResult:
// 1: a² − b², 2: (a + b)², 3: (a − b)², 4: a³ + b³, 5: a³ − b³, each computed in
// double as written (powers, then their sum or difference). An empty box:
// "请不要使输入框为空"; a result that is not finite: "数据过大". A `which`
// outside 1..5 gives an empty outcome.
Outcome MultiplicationFormula(int which, std::string_view a, std::string_view b);

}  // namespace numora::maths
