// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Primality.h"

#include <array>
#include <cmath>

namespace numora::scientific {
namespace {

constexpr std::uint32_t kTableLimit = 46341;

constexpr std::array<bool, kTableLimit + 1> SieveTable() {
    std::array<bool, kTableLimit + 1> composite{};
    composite[0] = composite[1] = true;
    for (std::uint32_t i = 2; i * i <= kTableLimit; ++i)
        if (!composite[i])
            for (std::uint32_t j = i * i; j <= kTableLimit; j += i) composite[j] = true;
    return composite;
}

constexpr std::size_t CountPrimes() {
    const auto composite = SieveTable();
    std::size_t count = 0;
    for (bool c : composite) count += c ? 0 : 1;
    return count;
}

constexpr std::size_t kPrimeCount = CountPrimes();
static_assert(kPrimeCount == 4792);

constexpr std::array<std::uint32_t, kPrimeCount> MakePrimes() {
    const auto composite = SieveTable();
    std::array<std::uint32_t, kPrimeCount> primes{};
    std::size_t k = 0;
    for (std::uint32_t i = 0; i <= kTableLimit; ++i)
        if (!composite[i]) primes[k++] = i;
    return primes;
}

constexpr auto kPrimes = MakePrimes();

constexpr std::array<TrialDivisor, kPrimeCount - 1> MakeDivisors() {
    std::array<TrialDivisor, kPrimeCount - 1> divisors{};
    for (std::size_t k = 1; k < kPrimeCount; ++k) {
        const std::uint32_t p = kPrimes[k];
        std::uint32_t inverse = p;  // correct to 3 bits for odd p; each step doubles them
        for (int step = 0; step < 4; ++step) inverse *= 2u - p * inverse;
        divisors[k - 1] = {p, inverse, UINT32_MAX / p};
    }
    return divisors;
}

constexpr auto kDivisors = MakeDivisors();
static_assert(kDivisors[0].prime * kDivisors[0].inverse == 1u);
static_assert(kDivisors.back().prime * kDivisors.back().inverse == 1u);

}  // namespace

std::span<const std::uint32_t> SmallPrimes() { return kPrimes; }

std::span<const TrialDivisor> OddTrialDivisors() { return kDivisors; }

std::uint32_t IntegerSqrt(std::uint32_t n) {
    auto r = static_cast<std::uint32_t>(std::sqrt(static_cast<double>(n)));
    while (static_cast<std::uint64_t>(r) * r > n) --r;
    while (static_cast<std::uint64_t>(r + 1) * (r + 1) <= n) ++r;
    return r;
}

bool fnshu(std::int32_t m) {
    if (m < 0 || m == 1) return false;
    if (m < 4) return true;  // 0, 2 and 3: no d from 2 to floor(sqrt(m))
    const auto n = static_cast<std::uint32_t>(m);
    // A d that divides n has a prime factor that does too, so the primes up
    // to the square root decide as every d up to it would.
    if ((n & 1u) == 0) return false;
    for (const TrialDivisor& d : kDivisors) {
        if (d.prime * d.prime > n) break;
        if (d.Divides(n)) return false;
    }
    return true;
}

}  // namespace numora::scientific
