// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StepText.h"

#include <algorithm>

#include "ExactNotation.h"

namespace numora::maths::steps {

std::string Number(const mpq_class& value) { return exact::DecimalText(value); }

std::string Polynomial(Terms terms, bool positiveFirst) {
    std::erase_if(terms, [](const auto& t) { return sgn(t.first) == 0; });
    if (terms.empty()) return "0";
    if (positiveFirst && sgn(terms[0].first) < 0) {
        const auto positive = std::find_if(terms.begin(), terms.end(), [](const auto& t) { return sgn(t.first) > 0; });
        if (positive != terms.end()) std::rotate(terms.begin(), positive, positive + 1);
    }
    std::string out;
    for (const auto& [coefficient, letter] : terms) {
        const mpq_class magnitude = abs(coefficient);
        if (sgn(coefficient) < 0)
            out += "-";
        else if (!out.empty())
            out += "+";
        std::string number = Number(magnitude);
        if (!letter.empty() && magnitude == 1) number.clear();
        if (!letter.empty() && number.find('/') != std::string::npos) number = "(" + number + ")";
        out += number + letter;
    }
    return out;
}

std::string Product(std::initializer_list<std::string> factors) {
    std::string out;
    for (const std::string& f : factors) {
        if (!out.empty()) out += "×";
        out += exact::Operand(f);
    }
    return out;
}

}  // namespace numora::maths::steps
