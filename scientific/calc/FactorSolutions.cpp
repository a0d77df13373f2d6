// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FactorSolutions.h"

#include "Notation.h"
#include "Outcome.h"

namespace numora::scientific {

std::string PrimePowerLine(std::int32_t n, const std::vector<std::int32_t>& factors) {
    return std::to_string(n) + " = " + PrimePowerText(factors);
}

std::optional<ExactForms> ExactFactorization(std::string_view text) {
    const FactorInput input = CheckFactorInput(text);
    if (input.kind != FactorCheck::Accepted) return std::nullopt;
    return ExactForms{{}, PrimePowerLine(input.n, Factorize(input.n))};
}

WorkedSolution FactorizationSolution(std::string_view text) {
    const FactorInput input = CheckFactorInput(text);
    if (input.kind != FactorCheck::Accepted) return WorkedSolution::Refusal(Outcome::Error(input.message).message.value());
    const std::vector<std::int32_t> factors = Factorize(input.n);
    WorkedSolution s;
    // Divide by the smallest prime factor while the quotient is not prime.
    std::int64_t rest = input.n;
    for (std::size_t i = 0; i + 1 < factors.size(); ++i) {
        const std::int64_t quotient = rest / factors[i];
        s.lines.push_back(std::to_string(rest) + " ÷ " + std::to_string(factors[i]) + " = " + std::to_string(quotient));
        rest = quotient;
    }
    s.lines.push_back(std::to_string(rest) + "是质数");
    s.lines.push_back(PrimePowerLine(input.n, factors));
    return s;
}

}  // namespace numora::scientific
