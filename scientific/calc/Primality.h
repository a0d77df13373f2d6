// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The primality test that the three tools of the scientific window share,
// the small primes behind it, and the window's shared messages.
#pragma once

#include <cstdint>
#include <span>

#include "SharedMessages.h"

namespace numora::scientific {

// The stop buttons' message (information icon, title kNoticeTitle).
inline constexpr const char* kStopMessage = "您已经中止计算,无法确定结果总数!";

// fnshu(m): 1 is not prime; otherwise m is prime when no d = 2, 3, ...,
// floor(sqrt(m)) divides it, so 0, 2 and 3 count as prime. A negative m
// (which no tool passes) is not prime. The answer is the one of that trial
// division; it is found by dividing by the primes up to the square root only.
bool fnshu(std::int32_t m);

// The primes up to 46341 (the square root of 2^31, rounded up), in
// increasing order: every prime factor a 32-bit number can have below its
// square root. 4792 primes, made at compile time.
std::span<const std::uint32_t> SmallPrimes();

// An odd prime with what a divisibility test by multiplication needs:
// n is a multiple of `prime` exactly when n * inverse (mod 2^32) <= limit,
// where inverse is the prime's inverse modulo 2^32 and limit is
// floor((2^32 - 1) / prime). One multiplication instead of a division.
struct TrialDivisor {
    std::uint32_t prime;
    std::uint32_t inverse;
    std::uint32_t limit;
    constexpr bool Divides(std::uint32_t n) const { return n * inverse <= limit; }
};

// SmallPrimes() without 2, as trial divisors.
std::span<const TrialDivisor> OddTrialDivisors();

// floor(sqrt(n)) exactly.
std::uint32_t IntegerSqrt(std::uint32_t n);

}  // namespace numora::scientific
