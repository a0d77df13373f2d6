// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prime factorization, the second tab of the scientific window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Primality.h"

namespace numora::scientific {

inline constexpr const char* kNotIntegerFrom2 = "请输入不小于2的整数";

enum class FactorCheck {
    Accepted,  // factorize n
    Refused,   // show `message`; nothing else changes
    TooLarge,  // clear the factor list, then show `message` ("数据过大");
               // the count box keeps its text
};

struct FactorInput {
    FactorCheck kind = FactorCheck::Refused;
    std::int32_t n = 0;   // the number to factorize, when accepted
    std::string message;  // for Refused and TooLarge
};

// The checks of a click on the factorize button, in order: the leading-
// number value below 2 or not whole is refused before anything changes; a
// whole value beyond 2147483647 (also an infinite one) is found too large
// only after the list has been cleared.
FactorInput CheckFactorInput(std::string_view text);

// The prime factors of n with multiplicity, in non-decreasing order: the
// list of the window's run that tries every candidate from 2 upward (each
// one dividing n and passing fnshu is listed and divided out, and tried
// again). Found by trial division by the primes up to the square root of
// what is left, in microseconds for any n. Empty for n < 2.
std::vector<std::int32_t> Factorize(std::int32_t n);

}  // namespace numora::scientific
