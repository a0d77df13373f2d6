// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Mersenne.h"

#include <cmath>

#include "NumberText.h"

namespace numora::scientific {

MersenneResult MersenneSearch(const std::function<bool()>& stopRequested) {
    MersenneResult result;
    double p = 2;
    for (; p <= 1e300; p += 1) {
        if (stopRequested && stopRequested()) break;
        const auto exponent = RoundToInt32(p);
        if (!exponent) break;
        if (!fnshu(*exponent)) continue;
        const auto m = RoundToInt32(std::pow(2.0, p) - 1);
        if (!m) break;  // the numeric limit ends the run like its normal end
        if (fnshu(*m)) result.primes.push_back(*m);
    }
    // The run ends long before p leaves the 32-bit range (at 37).
    result.lastExponent = RoundToInt32(p).value_or(INT32_MAX);
    return result;
}

}  // namespace numora::scientific
