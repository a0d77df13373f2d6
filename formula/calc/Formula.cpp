// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Formula.h"

#include <cmath>

#include "FullWidth.h"
#include "FormulaWalk.h"
#include "NumberText.h"

namespace numora {
namespace formula {

std::string DecimalResultText(const WalkEnd& end, double value) {
    if (end.performed) return NumberText(value);
    // No operation: the number comes back as it was typed.
    const std::string_view f = end.text;
    std::size_t lead = 0;
    while (lead < f.size() && IsBlank(f[lead])) ++lead;
    std::size_t trail = 0;
    while (trail < f.size() - lead && IsBlank(f[f.size() - 1 - trail])) ++trail;
    std::string text(f.substr(0, lead));
    if (std::signbit(value)) text += '-';
    text += end.loneNumber;
    text += f.substr(f.size() - trail);
    return text;
}

}  // namespace formula

std::optional<std::string> EvaluateFormula(std::string_view typed) {
    std::string ascii;
    const std::string_view formula = FromFullWidth(typed, ascii);
    if (formula.empty()) return std::nullopt;
    formula::DecimalArithmetic arithmetic;
    formula::FormulaWalk<formula::DecimalArithmetic> walk(arithmetic);
    const formula::WalkEnd end = walk.Run(formula);
    if (!end.accepted) return std::nullopt;
    return formula::DecimalResultText(end, walk.result());
}

}  // namespace numora
