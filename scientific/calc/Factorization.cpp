// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Factorization.h"

#include <cmath>

#include "NumberText.h"

namespace numora::scientific {

FactorInput CheckFactorInput(std::string_view text) {
    const double v = LeadingValue(text);
    if (!(v >= 2) || v != std::floor(v)) return {FactorCheck::Refused, 0, kNotIntegerFrom2};
    const auto n = RoundToInt32(v);
    if (!n) return {FactorCheck::TooLarge, 0, kTooLarge};
    return {FactorCheck::Accepted, *n, {}};
}

std::vector<std::int32_t> Factorize(std::int32_t n) {
    std::vector<std::int32_t> factors;
    if (n < 2) return factors;
    auto rest = static_cast<std::uint32_t>(n);
    while ((rest & 1u) == 0) {
        factors.push_back(2);
        rest >>= 1;
    }
    for (const TrialDivisor& d : OddTrialDivisors()) {
        if (d.prime * d.prime > rest) break;
        while (d.Divides(rest)) {
            factors.push_back(static_cast<std::int32_t>(d.prime));
            rest /= d.prime;
        }
    }
    // No prime up to its square root divides what is left: it is 1 or prime.
    if (rest > 1) factors.push_back(static_cast<std::int32_t>(rest));
    return factors;
}

}  // namespace numora::scientific
