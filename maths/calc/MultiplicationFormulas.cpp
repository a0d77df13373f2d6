// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MultiplicationFormulas.h"

#include <cmath>

#include "NumberText.h"

namespace numora::maths {

Outcome MultiplicationFormula(int which, std::string_view aText, std::string_view bText) {
    if (which < 1 || which > 5) return {};
    if (aText.empty() || bText.empty()) return Outcome::Error(kEmptyInput);
    const double a = LeadingValue(aText);
    const double b = LeadingValue(bText);
    double result = 0;
    switch (which) {
    case 1: result = std::pow(a, 2) - std::pow(b, 2); break;
    case 2: result = std::pow(a + b, 2); break;
    case 3: result = std::pow(a - b, 2); break;
    case 4: result = std::pow(a, 3) + std::pow(b, 3); break;
    default: result = std::pow(a, 3) - std::pow(b, 3); break;
    }
    // Beyond the double range (or infinity minus infinity from typed numbers beyond it).
    if (!std::isfinite(result)) return Outcome::Error(kTooLarge);
    return Outcome().Write(kFormulaResult, FormatResult(NumberText(result)));
}

}  // namespace numora::maths
