// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for reading numbers: LeadingValue, StrictValue and
// ReadDecimalPrefix on any text.
//
// All three are compared with readings made here from their documented rules,
// with the C library's strtod giving the values:
//  - LeadingValue: drop every blank, tab and line break (CR and LF), read the
//    longest leading decimal number; no number reads as +0, a number beyond
//    the double range as an infinity of its sign. Never NaN.
//  - StrictValue: blanks and line breaks around, then the whole rest one
//    decimal number; anything else, or a value beyond the double range,
//    fails.
//  - ReadDecimalPrefix: the unsigned decimal number at the start, its
//    length (0 when none starts there), its value, and whether it is beyond
//    the double range.
// The readers read the text as it is: full-width digits and signs were
// turned into ASCII where the text was typed (FromFullWidth, tested on its
// own), so here they are just bytes that are no number.
// A decimal number: an optional sign, digits with at most one "." (at least
// one digit), then an exponent when an "E"/"e" and an optional sign are
// followed by digits. The values must match to the bit, the sign of zero
// included, and a strict reading always equals the leading one.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "NumberText.h"

namespace {

using numora::LeadingValue;
using numora::StrictValue;
using numora::fuzz::SameDouble;
using numora::fuzz::Shown;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the decimal number at the start of `s`, 0 when there is none.
std::size_t NumberPrefix(std::string_view s) {
    std::size_t i = 0, digits = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && IsDigit(s[i]); ++i) ++digits;
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

// strtod of a decimal number (the "C" locale: this program never sets one).
double Read(std::string_view number) { return std::strtod(std::string(number).c_str(), nullptr); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text = numora::fuzz::AsText(data, size);

    double leading = LeadingValue(text);
    std::string packed;
    for (char c : text)
        if (!IsBlank(c)) packed += c;
    std::size_t length = NumberPrefix(packed);
    double wantLeading = length == 0 ? 0.0 : Read(std::string_view(packed).substr(0, length));
    NUMORA_CHECK(SameDouble(leading, wantLeading),
                 "LeadingValue of " + Shown(text) + " = " + Shown(leading) + "\nexpected " + Shown(wantLeading));

    std::optional<double> strict = StrictValue(text);
    std::size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    std::string_view body = text.substr(b, e - b);
    std::optional<double> wantStrict;
    if (!body.empty() && NumberPrefix(body) == body.size() && std::isfinite(Read(body))) wantStrict = Read(body);
    NUMORA_CHECK(strict.has_value() == wantStrict.has_value() && (!strict || SameDouble(*strict, *wantStrict)),
                 "StrictValue of " + Shown(text) + " = " + (strict ? Shown(*strict) : "nothing") + "\nexpected " +
                     (wantStrict ? Shown(*wantStrict) : "nothing"));
    if (strict) NUMORA_CHECK(SameDouble(*strict, leading), "StrictValue and LeadingValue differ on " + Shown(text));

    // The unsigned number at the start of the text, as the evaluator reads it.
    numora::DecimalPrefix prefix = numora::ReadDecimalPrefix(text);
    bool signed_ = !text.empty() && (text[0] == '+' || text[0] == '-');
    std::size_t wantLength = signed_ ? 0 : NumberPrefix(text);
    double wantValue = wantLength == 0 ? 0.0 : Read(text.substr(0, wantLength));
    NUMORA_CHECK(prefix.length == wantLength && SameDouble(prefix.value, wantValue) &&
                     prefix.overflow == std::isinf(wantValue),
                 "ReadDecimalPrefix of " + Shown(text) + ": length " + std::to_string(prefix.length) + ", value " +
                     Shown(prefix.value) + (prefix.overflow ? ", overflow" : "") + "\nexpected length " +
                     std::to_string(wantLength) + ", value " + Shown(wantValue));
    return 0;
}
