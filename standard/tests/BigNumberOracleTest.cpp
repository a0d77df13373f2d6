// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Differential test of the big-number operations against GMP: random
// operands up to and just beyond the capacity, with leading zeros and the odd
// non-digit, and the exact texts each operation must give, built here from
// GMP's values and the length rules of the operations.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>

#include "BigNumber.h"

using namespace numora::standard;

namespace {

constexpr std::size_t kCap = kLargeCapacity;

mpz_class Value(std::string text) {  // a non-digit is the digit 0
    for (char& c : text) c = (c >= '0' && c <= '9') ? c : '0';
    return text.empty() ? mpz_class(0) : mpz_class(text, 10);
}

// v in at least `width` digits ("" for 0 in width 0).
std::string Padded(const mpz_class& v, std::size_t width) {
    std::string s = v == 0 ? "" : v.get_str();
    return s.size() < width ? std::string(width - s.size(), '0') + s : s;
}

mpz_class Pow10(std::size_t n) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, n);
    return p;
}

std::optional<std::string> ExpectedSum(const std::string& a, const std::string& b) {
    const std::size_t n = std::max(a.size(), b.size());
    if (n > kCap) return std::nullopt;
    return Padded(Value(a) + Value(b), n);
}

std::optional<std::string> ExpectedDifference(const std::string& a, const std::string& b) {
    const std::size_t n = std::max(a.size(), b.size());
    if (n > kCap) return std::nullopt;
    const mpz_class d = Value(a) - Value(b);
    return d < 0 ? "-" + Padded(-d, n) : Padded(d, n);
}

std::string ExpectedTimesDigit(const std::string& a, int d) {
    return a.size() > kCap ? "-1" : Padded(Value(a) * d, a.size());
}

// The running sum of the shifted partial products with the lengths of their texts.
std::optional<std::string> ExpectedProduct(const std::string& a, const std::string& b) {
    const std::size_t L = b.size();
    if (L > kCap || (L > 0 && a.size() > kCap)) return std::nullopt;
    const mpz_class x = Value(a);
    mpz_class sum = 0;
    std::size_t length = 0;
    for (std::size_t k = 1; k <= L; ++k) {
        const mpz_class p = x * Value(b.substr(L - k, 1));
        const std::size_t partial = a.size() + (p >= Pow10(a.size()) ? 1 : 0) + (k - 1);
        sum += p * Pow10(k - 1);
        if (k == 1) {
            length = partial;
            continue;
        }
        const std::size_t n = std::max(length, partial);
        if (n > kCap) return std::nullopt;
        length = sum >= Pow10(n) ? n + 1 : n;
    }
    EXPECT_EQ(sum, x * Value(b));
    return Padded(sum, length);
}

std::optional<Division> ExpectedDivision(const std::string& a, const std::string& b) {
    const mpz_class y = Value(b);
    if (y == 0) return std::nullopt;
    const mpz_class x = Value(a);
    if (a.size() < b.size() && x < y) return Division{"0", a};
    const std::size_t width = a.size() >= b.size() ? a.size() - b.size() + 1 : 1;
    return Division{Padded(x / y, width), mpz_class(x % y).get_str()};
}

class Operands {
public:
    explicit Operands(unsigned seed) : rng_(seed) {}
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : rng_() % n; }

    // `length` positions: random, carry-heavy (nines) or sparse digits, at
    // times with leading zeros or a non-digit.
    std::string Digits(std::size_t length) {
        std::string s(length, '0');
        const std::size_t style = Below(4);
        for (char& c : s) c = style == 1 ? '9' : style == 2 ? (Below(8) ? '0' : '9') : static_cast<char>('0' + Below(10));
        if (length > 0 && Below(3) == 0) std::fill_n(s.begin(), Below(length + 1), '0');
        if (length > 0 && Below(25) == 0) s[Below(length)] = "a- ."[Below(4)];
        return s;
    }
    // A length that is often at the capacity's edge.
    std::size_t Length(std::size_t max) {
        switch (Below(4)) {
            case 0: return Below(21);
            case 1: return max - std::min(max, Below(4));
            default: return Below(max + 1);
        }
    }

private:
    std::mt19937 rng_;
};

std::string Show(const std::optional<std::string>& s) { return s ? *s : "(failure)"; }

}  // namespace

TEST(BigNumberOracle, SumsAndDifferencesMatchGmp) {
    Operands r(1);
    for (int i = 0; i < 20000; ++i) {
        const std::string a = r.Digits(r.Length(kCap + 2)), b = r.Digits(r.Length(kCap + 2));
        ASSERT_EQ(LargeAdd(a, b), ExpectedSum(a, b)) << a << " + " << b;
        ASSERT_EQ(LargeMinus(a, b), ExpectedDifference(a, b)) << a << " - " << b;
    }
}

TEST(BigNumberOracle, DigitProductsMatchGmp) {
    Operands r(2);
    for (int i = 0; i < 5000; ++i) {
        const std::string a = r.Digits(r.Length(kCap + 2));
        for (int d = 0; d <= 9; ++d) ASSERT_EQ(MultiplyOne(a, std::string(1, static_cast<char>('0' + d))), ExpectedTimesDigit(a, d)) << a << " * " << d;
    }
}

TEST(BigNumberOracle, ProductsMatchGmpUpToTheCapacity) {
    Operands r(3);
    for (int i = 0; i < 10000; ++i) {
        const std::string a = r.Digits(r.Length(kCap + 1));
        // Mostly multipliers whose partial products end near 256 characters.
        const std::size_t edge = kCap + 1 - std::min(a.size(), kCap);
        const std::size_t lb = r.Below(2) ? edge - std::min(edge, r.Below(3)) + r.Below(2) : r.Length(kCap + 1);
        const std::string b = r.Digits(lb);
        const auto want = ExpectedProduct(a, b);
        ASSERT_EQ(Show(LargeMultiply(a, b)), Show(want)) << a << " * " << b;
    }
}

TEST(BigNumberOracle, DivisionsMatchGmpForDivisorsOfAnyLength) {
    Operands r(4);
    for (int i = 0; i < 20000; ++i) {
        const std::string b = r.Digits(r.Below(2) ? 1 + r.Below(40) : r.Length(kCap));
        std::string a;
        if (r.Below(2)) {
            a = r.Digits(r.Length(600));
        } else {  // a = b * q + rest with quotient digits that stress the estimate
            const mpz_class y = Value(b);
            mpz_class x = y * Value(r.Digits(r.Below(300)));
            if (y > 0) x += Value(r.Digits(b.size())) % y;
            a = Padded(x, b.size() + r.Below(3));
        }
        const auto got = LargeDivide(a, b);
        const auto want = ExpectedDivision(a, b);
        ASSERT_EQ(got.has_value(), want.has_value()) << a << " / " << b;
        if (got) {
            ASSERT_EQ(*got, *want) << a << " / " << b << ": " << got->quotient << " r " << got->remainder;
        }
    }
}
