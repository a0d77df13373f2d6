// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "FullWidth.h"

namespace numora {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Writes `value` with `digits` significant digits by the shared rules;
// exponent form when the decimal exponent is below -4 or `digits` and above.
template <typename Float>
std::string FormatSignificant(Float value, int digits) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    if (value == 0) return "0";

    // Scientific form rounds to the wanted digits exactly once: d.ddddde±x.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    std::string sci(buf, res.ptr);

    bool negative = sci[0] == '-';
    if (negative) sci.erase(0, 1);
    std::size_t ePos = sci.find('e');
    int exponent = std::atoi(sci.c_str() + ePos + 1);
    std::string mantissa;  // the significant digits without the point
    for (std::size_t i = 0; i < ePos; ++i)
        if (IsDigit(sci[i])) mantissa += sci[i];
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= digits) {
        out += mantissa[0];
        if (mantissa.size() > 1) {
            out += '.';
            out.append(mantissa, 1, std::string::npos);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        int magnitude = std::abs(exponent);
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    } else if (exponent < 0) {
        out += '.';
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += mantissa;
    } else {
        std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() <= intDigits) {
            out += mantissa;
            out.append(intDigits - mantissa.size(), '0');
        } else {
            out.append(mantissa, 0, intDigits);
            out += '.';
            out.append(mantissa, intDigits, std::string::npos);
        }
    }
    return out;
}

// A signed number at the start of `s` (no blanks inside).
struct Scan {
    std::size_t length = 0;
    double value = 0;
    bool outOfRange = false;
};

Scan ScanNumber(std::string_view s) {
    std::size_t sign = 0;
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        sign = 1;
    }
    DecimalPrefix body = ReadDecimalPrefix(s.substr(sign));
    if (body.length == 0) return {};
    return {sign + body.length, negative ? -body.value : body.value, body.overflow};
}

template <typename Int>
std::optional<Int> RoundHalfEven(double value) {
    if (std::isnan(value)) return std::nullopt;
    double r = std::nearbyint(value);  // the default rounding mode: halves to even
    if (r - value == 0.5 || value - r == 0.5) {
        // nearbyint honours the current rounding mode; make halves even
        // whatever it is.
        double lower = std::floor(value);
        r = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
    }
    if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(r);
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

DecimalPrefix ReadDecimalPrefix(std::string_view s) {
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return {};
    std::size_t end = i;
    // The exponent belongs to the number only when digits follow the "E".
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            end = j;
        }
    }
    DecimalPrefix prefix;
    prefix.length = end;
    // from_chars reads without regard to the locale.
    std::string_view body = s.substr(0, end);
    auto r = std::from_chars(body.data(), body.data() + body.size(), prefix.value,
                             std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        // Too large, or too small to be anything but zero: the decimal
        // exponent of the first significant digit tells which.
        long long exp10 = 0;
        std::size_t ePos = body.find_first_of("eE");
        std::size_t mantEnd = ePos == std::string_view::npos ? body.size() : ePos;
        std::size_t point = body.find('.');
        if (point == std::string_view::npos || point > mantEnd) point = mantEnd;
        std::size_t firstSig = body.find_first_of("123456789");
        if (firstSig != std::string_view::npos && firstSig < mantEnd)
            exp10 = firstSig < point ? static_cast<long long>(point - firstSig) - 1
                                     : -static_cast<long long>(firstSig - point);
        if (ePos != std::string_view::npos) {
            std::string_view e = body.substr(ePos + 1);
            bool eNeg = e[0] == '-';
            if (e[0] == '-' || e[0] == '+') e.remove_prefix(1);
            long long ev = 0;
            for (char c : e) ev = ev > 100000000 ? ev : ev * 10 + (c - '0');
            exp10 += eNeg ? -ev : ev;
        }
        prefix.overflow = exp10 > 0;
        prefix.value = prefix.overflow ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return prefix;
}

std::string NumberText(double value) { return FormatSignificant(value, 15); }

std::string SingleNumberText(float value) { return FormatSignificant(value, 7); }

std::string PaddedNumberText(double value) {
    std::string text = NumberText(value);
    return text[0] == '-' ? text : " " + text;
}

std::string PackedNumberText(std::string_view typed) {
    std::string ascii;
    const std::string_view text = FromFullWidth(typed, ascii);
    std::string packed;
    packed.reserve(text.size());
    for (char c : text)
        if (!IsBlank(c)) packed += c;
    return packed;
}

double LeadingValue(std::string_view typed) { return ScanNumber(PackedNumberText(typed)).value; }

std::optional<double> StrictValue(std::string_view typed) {
    std::string ascii;
    const std::string_view text = FromFullWidth(typed, ascii);
    std::size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    std::string_view body = text.substr(b, e - b);
    if (body.empty()) return std::nullopt;
    Scan scan = ScanNumber(body);
    if (scan.length != body.size() || scan.outOfRange) return std::nullopt;
    return scan.value;
}

std::optional<std::int16_t> RoundToInt16(double value) { return RoundHalfEven<std::int16_t>(value); }
std::optional<std::int32_t> RoundToInt32(double value) { return RoundHalfEven<std::int32_t>(value); }

std::string FormatResult(std::string_view text) {
    if (text.find('E') != std::string_view::npos) return std::string(Trim(text));
    double v = LeadingValue(text);
    if (v > 0 && v < 1) return "0" + std::string(Trim(text));
    if (v > -1 && v < 0) return "-0" + std::string(Trim(text.substr(1)));
    return std::string(Trim(text));
}

}  // namespace numora
