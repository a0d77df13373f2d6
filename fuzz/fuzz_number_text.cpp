// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for number text: NumberText, SingleNumberText,
// PaddedNumberText, FormatResult of a number text, and the 16- and 32-bit
// rounding.
//
// Input: the first 8 bytes are a double's bits (missing bytes are zero), the
// first 4 a float's. A ninth byte k also checks the decimal-looking value
// (the 8 bytes as a signed integer) / 10^(k % 23), the kind of value typed
// numbers produce.
//
// For every finite value the text must
//  - consist of digits, ".", "-", "E", "+" only, whatever the locale;
//  - be in the documented shape (no "0" before the point of a fraction, no
//    trailing zeros, exponent form exactly when the decimal exponent is
//    below -4 or at least the digit count, two or more exponent digits);
//  - carry the value's first 15 (7) significant digits correctly rounded,
//    as printf's "%.14e" ("%.6e") gives them;
//  - read back through StrictValue and LeadingValue within half a unit of
//    the 15th (7th) digit;
// and FormatResult must restore the leading zero without changing the value.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "NumberText.h"

namespace {

using numora::FormatResult;
using numora::LeadingValue;
using numora::NumberText;
using numora::PaddedNumberText;
using numora::SingleNumberText;
using numora::StrictValue;
using numora::fuzz::SameDouble;
using numora::fuzz::Shown;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Significant digits (no trailing zeros) and decimal exponent of a number.
struct Decimal {
    bool negative = false;
    std::string digits;  // empty for zero
    int exponent = 0;
};

// Reads a text of the documented shape; nullopt when the shape is wrong.
// `digitLimit` is the significant digit count of the conversion.
std::optional<Decimal> ParseShape(std::string_view s, int digitLimit) {
    Decimal d;
    if (s == "0") return d;
    if (!s.empty() && s[0] == '-') {
        d.negative = true;
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    std::size_t e = s.find('E');
    if (e != std::string_view::npos) {
        // d[.ddd]E±xx
        std::string_view mant = s.substr(0, e), exp = s.substr(e + 1);
        if (mant.empty() || mant[0] < '1' || mant[0] > '9') return std::nullopt;
        d.digits = mant[0];
        if (mant.size() > 1) {
            if (mant[1] != '.' || mant.size() < 3 || mant.back() == '0') return std::nullopt;
            for (char c : mant.substr(2)) {
                if (!IsDigit(c)) return std::nullopt;
                d.digits += c;
            }
        }
        if (exp.size() < 3 || (exp[0] != '+' && exp[0] != '-')) return std::nullopt;
        std::string_view mag = exp.substr(1);
        if (mag.size() > 2 && mag[0] == '0') return std::nullopt;
        int value = 0;
        for (char c : mag) {
            if (!IsDigit(c)) return std::nullopt;
            value = value * 10 + (c - '0');
        }
        d.exponent = exp[0] == '-' ? -value : value;
        if (exp[0] == '-' && value == 0) return std::nullopt;
        if (d.exponent >= -4 && d.exponent < digitLimit) return std::nullopt;  // should be plain form
    } else {
        std::size_t point = s.find('.');
        std::string_view whole = s.substr(0, point);
        std::string_view frac = point == std::string_view::npos ? std::string_view{} : s.substr(point + 1);
        if (point != std::string_view::npos && (frac.empty() || frac.back() == '0')) return std::nullopt;
        if (!whole.empty() && whole[0] == '0') return std::nullopt;  // no leading zero, ever
        if (whole.empty() && frac.empty()) return std::nullopt;
        for (char c : whole)
            if (!IsDigit(c)) return std::nullopt;
        for (char c : frac)
            if (!IsDigit(c)) return std::nullopt;
        std::string all = std::string(whole) + std::string(frac);
        std::size_t first = all.find_first_not_of('0');
        if (first == std::string::npos) return std::nullopt;
        d.exponent = static_cast<int>(whole.size()) - 1 - static_cast<int>(first);
        d.digits = all.substr(first);
        while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
        if (d.exponent < -4 || d.exponent >= digitLimit) return std::nullopt;  // should be exponent form
    }
    if (static_cast<int>(d.digits.size()) > digitLimit) return std::nullopt;
    return d;
}

// The value's first `digits` significant digits as printf rounds them.
Decimal PrintfDecimal(double value, int digits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, value);
    Decimal d;
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p != 'e'; ++p)
        if (IsDigit(*p)) d.digits += *p;
    d.exponent = std::atoi(p + 1);
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) d = Decimal{};
    return d;
}

// Checks one conversion of a finite or non-finite `value`.
void CheckText(const std::string& text, double value, int digits, const std::string& what) {
    auto context = [&] { return what + " of " + Shown(value) + " = " + Shown(text); };
    if (std::isnan(value)) {
        NUMORA_CHECK(text == "nan", context());
        return;
    }
    if (std::isinf(value)) {
        NUMORA_CHECK(text == (value < 0 ? "-inf" : "inf"), context());
        return;
    }
    NUMORA_CHECK(text.find_first_not_of("0123456789.-+E") == std::string::npos, context() + "\n(stray character)");
    std::optional<Decimal> shape = ParseShape(text, digits);
    NUMORA_CHECK(shape.has_value(), context() + "\n(not in the documented shape)");

    Decimal want = PrintfDecimal(value, digits);
    if (value == 0) want = Decimal{};  // zero is "0", whatever its sign
    NUMORA_CHECK(shape->negative == want.negative && shape->digits == want.digits && shape->exponent == want.exponent,
                 context() + "\nexpected digits " + want.digits + " exponent " + std::to_string(want.exponent));

    // Reading the text back.
    std::optional<double> back = StrictValue(text);
    double leading = LeadingValue(text);
    bool beyondDouble = digits == 15 && want.exponent == 308 && want.digits > "17976931348623157";
    if (beyondDouble) {
        // The largest doubles round up to 1.79769313486232E+308, past the
        // double range: the text reads as an overflow.
        NUMORA_CHECK(!back.has_value() && std::isinf(leading), context() + "\n(rounded past the double range)");
        return;
    }
    NUMORA_CHECK(back.has_value() && SameDouble(*back, leading), context() + "\nleading value " + Shown(leading));
    double tolerance = 5e-15 * std::fabs(value) * (1 + 1e-14) + std::ldexp(std::fabs(*back), -53) +
                       std::numeric_limits<double>::denorm_min();
    if (digits == 7) tolerance = 5e-7 * std::fabs(value) * (1 + 1e-14) + std::ldexp(std::fabs(*back), -53);
    NUMORA_CHECK(std::fabs(*back - value) <= tolerance, context() + "\nreads back as " + Shown(*back));

    // FormatResult restores the leading zero of a fraction, nothing else.
    std::string formatted = FormatResult(text);
    std::string want_formatted = text;
    if (text[0] == '.') want_formatted = "0" + text;
    if (text.rfind("-.", 0) == 0) want_formatted = "-0" + text.substr(1);
    NUMORA_CHECK(formatted == want_formatted, context() + "\nFormatResult: " + Shown(formatted));
    std::optional<double> formattedBack = StrictValue(formatted);
    NUMORA_CHECK(formattedBack && *formattedBack == *back, context() + "\nFormatResult: " + Shown(formatted));
}

void CheckDouble(double value) {
    std::string text = NumberText(value);
    CheckText(text, value, 15, "NumberText");

    std::string padded = PaddedNumberText(value);
    std::string wantPadded = text[0] == '-' ? text : " " + text;
    NUMORA_CHECK(padded == wantPadded, "PaddedNumberText of " + Shown(value) + " = " + Shown(padded));
    NUMORA_CHECK(FormatResult(padded) == FormatResult(text),
                 "FormatResult of padded " + Shown(padded) + " = " + Shown(FormatResult(padded)));
}

// Nearest integer, halves to the even neighbour, by plain arithmetic.
template <typename Int>
std::optional<Int> ExpectedRound(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    double lower = std::floor(value);
    double fraction = value - lower;  // exact
    double nearest = fraction < 0.5 ? lower : fraction > 0.5 ? lower + 1 : std::fmod(lower, 2) == 0 ? lower : lower + 1;
    if (nearest < std::numeric_limits<Int>::min() || nearest > std::numeric_limits<Int>::max()) return std::nullopt;
    return static_cast<Int>(nearest);
}

void CheckRounding(double value) {
    auto r16 = numora::RoundToInt16(value);
    auto w16 = ExpectedRound<std::int16_t>(value);
    NUMORA_CHECK(r16 == w16, "RoundToInt16 of " + Shown(value) + " = " + (r16 ? std::to_string(*r16) : "overflow"));
    auto r32 = numora::RoundToInt32(value);
    auto w32 = ExpectedRound<std::int32_t>(value);
    NUMORA_CHECK(r32 == w32, "RoundToInt32 of " + Shown(value) + " = " + (r32 ? std::to_string(*r32) : "overflow"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    unsigned char bytes[8] = {};
    std::memcpy(bytes, data, size < 8 ? size : 8);

    double value;
    std::memcpy(&value, bytes, sizeof value);
    CheckDouble(value);
    CheckRounding(value);

    float single;
    std::memcpy(&single, bytes, sizeof single);
    CheckText(SingleNumberText(single), single, 7, "SingleNumberText");

    if (size >= 9) {
        static const double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                         1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        std::int64_t integer;
        std::memcpy(&integer, bytes, sizeof integer);
        double typed = static_cast<double>(integer) / kPowers[data[8] % 23];
        CheckDouble(typed);
        CheckRounding(typed);
        CheckText(SingleNumberText(static_cast<float>(typed)), static_cast<float>(typed), 7, "SingleNumberText");
    }
    return 0;
}
