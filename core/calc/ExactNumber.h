// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Exact numbers as a pupil writes them: rationals read from the typed
// decimals (0.1 is 1/10), square, cube and fourth roots of rationals in
// simplest form, sums of such terms, and the nested square roots of the
// special angles (√(10+2√5)). A value keeps its parts (the terms, each a
// rational coefficient times a radical), so that worked solutions can show
// how it came about; ExactNotation.h turns it into text at the end.
//
// Work is bounded by size: every value made here is checked against
// kDigitCap, and a value beyond it throws TooLarge, which the calculators'
// public functions catch (no exact form, or "数据过大").
#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <exception>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "SharedMessages.h"

namespace numora::exact {

// No numerator or denominator made here has more decimal digits than this.
// Typed numbers are short, but one such as 1E+300 is a 301-digit integer
// once written out, and a 3x3 determinant of them has about 900 digits.
inline constexpr std::size_t kDigitCap = 2000;

struct TooLarge : std::exception {
    const char* what() const noexcept override { return kTooLarge; }
};

// `value` itself, or TooLarge when it has more than kDigitCap digits.
const mpz_class& Checked(const mpz_class& value);
const mpq_class& Checked(const mpq_class& value);

// The exact value of a typed number, read as the leading-number parse reads
// it (full-width forms as ASCII, blanks ignored anywhere, the longest
// leading number; a text without one is 0): "0.1" is 1/10, "12g" is 12,
// "1E+300" is 10^300. nullopt when it would need more than kDigitCap digits.
std::optional<mpq_class> TypedValue(std::string_view text);

class ExactValue;

// ᵏ√r. Index 1 is the number 1 (the radical of a rational term). A plain
// radicand is a whole number above 1 with no k-th power factor; a nested
// one (index 2 only) is a sum such as 10+2√5.
struct Radical {
    int index = 1;
    mpz_class radicand = 1;
    std::shared_ptr<const ExactValue> nested;

    bool IsOne() const { return index == 1; }
};

// Radicals in the order terms are written: the rational term first, then
// by index, plain radicands before nested ones, larger radicands first (as
// (√6+√2)/4 is written).
int Compare(const Radical& a, const Radical& b);

// coefficient · radical; the coefficient is never 0 inside a value.
struct Term {
    mpq_class coefficient;
    Radical radical;
};

// A sum of terms, like terms merged, in the order of Compare.
class ExactValue {
public:
    ExactValue() = default;  // 0
    ExactValue(const mpq_class& rational);  // NOLINT: a rational is an exact value
    // coefficient · ᵏ√radicand, the radicand already simple (SimplifyRoot makes them).
    ExactValue(const mpq_class& coefficient, int index, const mpz_class& radicand);
    // coefficient · √(inside), for the nested radicals of the special angles.
    static ExactValue NestedRoot(const mpq_class& coefficient, ExactValue inside);

    const std::vector<Term>& terms() const { return terms_; }
    bool IsZero() const { return terms_.empty(); }
    bool IsRational() const;
    // The rational term (0 without one).
    mpq_class RationalPart() const;

    ExactValue operator-() const;
    friend ExactValue operator+(const ExactValue& a, const ExactValue& b);
    friend ExactValue operator-(const ExactValue& a, const ExactValue& b) { return a + -b; }
    friend ExactValue operator*(const ExactValue& a, const mpq_class& factor);
    friend ExactValue operator/(const ExactValue& a, const mpq_class& divisor);
    friend bool operator==(const ExactValue& a, const ExactValue& b);

    // The value in extended precision (a check, never a decision).
    long double Approximate() const;

private:
    void Add(const Term& term);
    std::vector<Term> terms_;
};

// n = outside^k · inside, inside with no k-th power factor, and a
// `multiplier` that makes inside · multiplier a k-th power (for
// rationalising a denominator): the least one where n's factors below 2^32
// are found (`leastMultiplier`, which factors a rest of one limb whole) or
// the rest is a prime. nullopt when the simplest form cannot be certified
// within the work allowed: trial division by the primes below 2^16, then a
// rest whose factors are all larger must be 1, prime, a k-th power or small
// enough to have at most k prime factors.
struct PowerSplit {
    mpz_class outside;
    mpz_class inside;
    mpz_class multiplier;
};
std::optional<PowerSplit> SplitPower(const mpz_class& n, int k, bool leastMultiplier = false);

// The rational k-th root of q >= 0, when it is rational.
std::optional<mpq_class> RationalRoot(const mpq_class& q, unsigned long k);

// ᵏ√(N/D) for k = 2, 3, 4 made simple, step by step:
//   ᵏ√(N/D) = ᵏ√(N·m / (D·m)) = ᵏ√(N·m) / T      with D·m = T^k, m least
//           = ᵏ√(s^k · n) / T = s·ᵏ√n / T        n with no k-th power factor
// and a fourth root of a square written as a square root (∜36 = √6).
struct RootForm {
    mpq_class radicand;
    int index = 2;
    mpz_class multiplier;       // m (1 when D is a k-th power already)
    mpz_class denominatorRoot;  // T
    mpz_class numerator;        // N·m
    mpz_class outside;          // s
    mpz_class inside;           // n
    int simpleIndex = 2;        // index of the radical left (2 for ∜(w²) = √w)
    mpz_class simpleInside;     // its radicand (w)
    ExactValue value;           // s·ᵏ√n / T, or s·√w / T
};
// nullopt for a negative radicand, an index other than 2..4, or a radicand
// whose simplest form cannot be certified (SplitPower); throws TooLarge.
std::optional<RootForm> SimplifyRoot(const mpq_class& radicand, int index);

}  // namespace numora::exact
