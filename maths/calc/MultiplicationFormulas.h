// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The multiplication formulas ("乘法公式" frame MathsMultiplication): five
// buttons, each evaluating one side of a school identity for squares or
// cubes at the typed a and b.
#pragma once

#include <array>
#include <string_view>

#include "MathsMessages.h"
#include "Outcome.h"

namespace numora::maths {

// Input and result boxes with their tooltips (the result box's tooltip is
// replaced by its own text when the mouse moves over it).
inline constexpr const char* kFormulaA = "MathsMultiplicationText1";
inline constexpr const char* kFormulaB = "MathsMultiplicationText2";
inline constexpr const char* kFormulaResult = "MathsMultiplicationText3";
inline constexpr const char* kFormulaATooltip = "a值";
inline constexpr const char* kFormulaBTooltip = "b值";
inline constexpr const char* kFormulaResultTooltip = "结果";

// The buttons MathsMultiplicationcmd1..5, left to right. The tooltip shows the
// identity; the button computes its side made of powers only: the right-hand
// side for cmd1, cmd4 and cmd5, the left-hand side (the square) for cmd2 and cmd3.
struct FormulaButton {
    const char* control;
    const char* caption;
    const char* tooltip;
};
inline constexpr std::array<FormulaButton, 5> kFormulaButtons = {{
    {"MathsMultiplicationcmd1", "平 方 差", "(a+b)*(a-b)=a^2-b^2"},
    {"MathsMultiplicationcmd2", "完全平方和", "(a+b)^2=a^2+2ab+b^2"},
    {"MathsMultiplicationcmd3", "完全平方差", "(a-b)^2=a^2-2ab+b^2"},
    {"MathsMultiplicationcmd4", "立 方 和", "(a+b)(a^2-ab+b^2)=a^3+b^3"},
    {"MathsMultiplicationcmd5", "立 方 差", "(a-b)(a^2+ab+b^2)=a^3-b^3"},
}};

// Button `which` (1..5) at the texts of the a and b boxes -> MathsMultiplicationText3:
// 1: a² − b², 2: (a + b)², 3: (a − b)², 4: a³ + b³, 5: a³ − b³, each computed in
// double as written (powers, then their sum or difference). An empty box:
// "请不要使输入框为空"; a result that is not finite: "数据过大". A `which`
// outside 1..5 gives an empty outcome.
Outcome MultiplicationFormula(int which, std::string_view a, std::string_view b);

}  // namespace numora::maths
