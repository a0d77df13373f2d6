// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DegreeAngle.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <string>
#include <tuple>
#include <utility>

#include "NumberText.h"  // ReadDecimalPrefix

namespace numora::maths {
namespace {

// Fraction digits beyond this many places after the point are dropped: they
// are far below what a double keeps of any angle they belong to.
constexpr std::size_t kFractionPlaces = 1100;
// Larger exponents are clamped: a finite angle never has one.
constexpr long long kExponentLimit = 100000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal digits of an unsigned number text and the power of ten of the last one.
struct Digits {
    std::string digits;
    long long lastPlace = 0;
};

Digits DigitsOf(std::string_view number) {
    Digits d;
    std::size_t i = 0;
    long long fractionDigits = 0;
    bool point = false;
    for (; i < number.size(); ++i) {
        const char c = number[i];
        if (c == '.') {
            point = true;
        } else if (IsDigit(c)) {
            d.digits += c;
            if (point) ++fractionDigits;
        } else {
            break;  // the exponent
        }
    }
    long long exponent = 0;
    if (i < number.size()) {
        std::size_t j = i + 1;
        const bool negative = j < number.size() && number[j] == '-';
        if (j < number.size() && (number[j] == '-' || number[j] == '+')) ++j;
        for (; j < number.size(); ++j)
            if (exponent < kExponentLimit) exponent = exponent * 10 + (number[j] - '0');
        if (negative) exponent = -exponent;
    }
    d.lastPlace = exponent - fractionDigits;
    return d;
}

// 1 - 0.f for fraction digits f without trailing zeros (not empty).
std::string ComplementFraction(const std::string& f) {
    std::string out(f.size(), '0');
    for (std::size_t i = 0; i < f.size(); ++i) out[i] = static_cast<char>('9' - (f[i] - '0'));
    out.back() = static_cast<char>(out.back() + 1);  // the last digit is not 0, so no carry
    return out;
}

}  // namespace

DegreeAngle ReduceDegrees(std::string_view angleText) {
    std::string packed;
    for (char c : angleText)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') packed += c;
    std::string_view s = packed;
    DegreeAngle angle;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        angle.negative = s[0] == '-';
        s.remove_prefix(1);
    }
    const Digits d = DigitsOf(s.substr(0, ReadDecimalPrefix(s).length));

    // The whole degrees modulo 360, digit by digit, and the fraction digits.
    int turn = 0;
    std::string fraction;
    const auto n = static_cast<long long>(d.digits.size());
    for (long long i = 0; i < n; ++i) {
        const long long place = d.lastPlace + (n - 1 - i);
        const int digit = d.digits[static_cast<std::size_t>(i)] - '0';
        if (place >= 0) {
            turn = (turn * 10 + digit) % 360;
        } else if (static_cast<unsigned long long>(-place) <= kFractionPlaces) {
            if (fraction.empty()) fraction.assign(static_cast<std::size_t>(-place - 1), '0');
            fraction += static_cast<char>('0' + digit);
        }
    }
    for (long long zeros = d.lastPlace; zeros > 0; --zeros) turn = turn * 10 % 360;
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();

    angle.quadrant = turn / 90;
    int whole = turn % 90;
    if (whole > 45 || (whole == 45 && !fraction.empty())) {
        angle.folded = true;
        if (fraction.empty()) {
            whole = 90 - whole;
        } else {
            whole = 89 - whole;
            fraction = ComplementFraction(fraction);
        }
    }
    // from_chars reads without regard to the locale; at most 1100 places, so
    // the value never leaves the long double range.
    const std::string octant = std::to_string(whole) + "." + fraction;
    std::from_chars(octant.data(), octant.data() + octant.size(), angle.octant);
    return angle;
}

double ReducedDegrees(const DegreeAngle& angle) {
    const long double rest = angle.folded ? 90 - angle.octant : angle.octant;
    const auto degrees = static_cast<double>(90.0L * angle.quadrant + rest);
    return angle.negative ? -degrees : degrees;
}

SinCos DegreeSinCos(const DegreeAngle& angle) {
    long double s = 0, c = 1;  // on an axis
    if (angle.octant != 0) {
        const long double x = (angle.octant * std::numbers::pi_v<long double>) / 180;
        s = std::sin(x), c = std::cos(x);
    }
    if (angle.folded) std::swap(s, c);
    // Each quarter turn maps (sin, cos) to (cos, -sin).
    switch (angle.quadrant) {
    case 1: std::tie(s, c) = std::pair(c, -s); break;
    case 2: std::tie(s, c) = std::pair(-s, -c); break;
    case 3: std::tie(s, c) = std::pair(-c, s); break;
    default: break;
    }
    if (angle.negative) s = -s;
    return {s + 0.0, c + 0.0};
}

}  // namespace numora::maths
