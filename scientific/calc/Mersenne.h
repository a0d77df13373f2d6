// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Mersenne prime search, the third tab of the scientific window.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "Primality.h"

namespace numora::scientific {

struct MersenneResult {
    std::vector<std::int32_t> primes;  // the list, in the order found
    std::int32_t lastExponent = 0;     // the exponent the run ended at
};

// Runs p = 2, 3, 4, ... (a double, nominally up to 1E+300): when fnshu(p)
// holds, M = 2^p - 1 is computed as a double and converted to a 32-bit
// integer (nearest, halves to even); an overflow ends the run there, and a
// prime M is listed. A complete run lists 3, 7, 31, 127, 8191, 131071,
// 524287, 2147483647 and ends at p = 37, whose M does not fit.
// `stopRequested`, when given, is asked once per exponent before it is
// examined; true ends the run with that exponent as the last one.
MersenneResult MersenneSearch(const std::function<bool()>& stopRequested = {});

}  // namespace numora::scientific
