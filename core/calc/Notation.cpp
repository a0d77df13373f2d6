// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Notation.h"

#include <array>

namespace numora {

std::string Superscript(std::uint64_t n) {
    static constexpr std::array<const char*, 10> kDigits = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string out;
    for (char c : std::to_string(n)) out += kDigits[static_cast<std::size_t>(c - '0')];
    return out;
}

std::string PrimePowerText(const std::vector<std::int32_t>& factors) {
    std::string out;
    for (std::size_t i = 0; i < factors.size();) {
        std::size_t j = i;
        while (j < factors.size() && factors[j] == factors[i]) ++j;
        if (!out.empty()) out += "×";
        out += std::to_string(factors[i]);
        if (j - i > 1) out += Superscript(j - i);
        i = j;
    }
    return out;
}

std::string CircledNumber(int n) {
    if (n < 1 || n > 20) return "(" + std::to_string(n) + ")";
    // U+2460 CIRCLED DIGIT ONE onwards: E2 91 A0 + (n - 1).
    std::string out = "\xE2\x91";
    out += static_cast<char>(0xA0 + n - 1);
    return out;
}

}  // namespace numora
