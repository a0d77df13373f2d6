// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BigNumber.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "NumberText.h"

namespace numora::standard {
namespace {

constexpr std::size_t kCapacity = kLargeCapacity;

// Positions of a text. A position is one character as the window's text
// fields count them, that is one UTF-16 unit: an ASCII byte, or a whole UTF-8
// sequence (two positions for a character beyond U+FFFF, which takes two
// units). A byte that starts no well-formed sequence is a position of its
// own. Every position that is not a decimal digit holds the digit 0.
struct Character {
    std::size_t bytes;
    std::size_t positions;
};

Character NonAsciiCharacter(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t bytes = 1;
    if (lead >= 0xC2 && lead <= 0xDF) bytes = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) bytes = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) bytes = 4;
    if (bytes == 1 || i + bytes > text.size()) return {1, 1};
    for (std::size_t k = 1; k < bytes; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return {1, 1};
    }
    return {bytes, bytes == 4 ? 2u : 1u};
}

// Calls put(digit) for every position of `text`, most significant first;
// stops and returns false as soon as put returns false.
template <class Put>
bool ForEachDigit(std::string_view text, Put&& put) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            const unsigned digit = static_cast<unsigned>(c) - '0';
            if (!put(static_cast<std::uint8_t>(digit < 10 ? digit : 0))) return false;
            ++i;
            continue;
        }
        const Character ch = NonAsciiCharacter(text, i);
        for (std::size_t k = 0; k < ch.positions; ++k) {
            if (!put(std::uint8_t{0})) return false;
        }
        i += ch.bytes;
    }
    return true;
}

// The digits of an operand held in positions 1..256 of a per-position array
// (here at[0..size-1]).
struct Digits {
    std::array<std::uint8_t, kCapacity> at;
    std::size_t size = 0;
};

// False when the text has more positions than the capacity.
bool Read(std::string_view text, Digits& out) {
    if (text.size() <= kCapacity) {  // fast path: ASCII text, one position a byte
        unsigned high = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            const unsigned digit = static_cast<unsigned>(c) - '0';
            high |= c;
            out.at[i] = static_cast<std::uint8_t>(digit < 10 ? digit : 0);
        }
        out.size = text.size();
        if (high < 0x80) return true;
    }
    out.size = 0;
    return ForEachDigit(text, [&out](std::uint8_t d) {
        if (out.size == kCapacity) return false;
        out.at[out.size++] = d;
        return true;
    });
}

std::vector<std::uint8_t> ReadAll(std::string_view text) {
    std::vector<std::uint8_t> digits;
    digits.reserve(text.size());
    ForEachDigit(text, [&digits](std::uint8_t d) {
        digits.push_back(d);
        return true;
    });
    return digits;
}

// Brings x to n positions by leading zeros (step 1 of the sum and difference).
void Align(Digits& x, std::size_t n) {
    const std::size_t pad = n - x.size;
    if (pad == 0) return;
    std::memmove(x.at.data() + pad, x.at.data(), x.size);
    std::memset(x.at.data(), 0, pad);
    x.size = n;
}

// x times a multiplier of 0 to 9 written right-aligned into out[0..end):
// returns where the text starts. Needs end >= x.size + 1.
std::size_t TimesDigit(const Digits& x, int m, char* out, std::size_t end) {
    int carry = 0;
    std::size_t pos = end;
    for (std::size_t i = x.size; i-- > 0;) {
        const int t = m * x.at[i] + carry;
        carry = t / 10;
        out[--pos] = static_cast<char>('0' + (t - 10 * carry));
    }
    if (carry != 0) out[--pos] = static_cast<char>('0' + carry);
    return pos;
}

bool FitsInt16(std::int32_t v) { return v >= -32768 && v <= 32767; }

// MultiplyOne for a multiplier that is not a whole number from 0 to 9: each
// position m * A(i) is converted to a signed 16-bit integer (nearest, halves
// to the even neighbour), carries are floor(C / 10) and the digit left is
// C - 10 * floor(C / 10), so a negative multiplier leaves its sign in
// position 0, which leads the text in decimal form. Any value outside the
// 16-bit range fails.
std::string TimesValue(const Digits& x, double m) {
    std::array<std::int32_t, kCapacity + 1> c;
    c[0] = 0;
    for (std::size_t i = 0; i < x.size; ++i) {
        const auto v = RoundToInt16(m * x.at[i]);
        if (!v) return "-1";
        c[i + 1] = *v;
    }
    for (std::size_t k = x.size; k >= 1; --k) {
        const std::int32_t carry = c[k] >= 0 ? c[k] / 10 : -((-c[k] + 9) / 10);
        c[k - 1] += carry;
        if (!FitsInt16(c[k - 1])) return "-1";
        c[k] -= 10 * carry;
    }
    std::string text = c[0] != 0 ? std::to_string(c[0]) : std::string();
    for (std::size_t k = 1; k <= x.size; ++k) text += static_cast<char>('0' + c[k]);
    return text;
}

// The multiplier of MultiplyOne: the numeric value of its text (the
// leading-number parse, so "7", " 7" and "7x" all give 7; a single character
// is its digit). Whole values 0 to 9 come back as `digit`.
struct Multiplier {
    int digit = -1;
    double value = 0;
};

Multiplier MultiplierOf(std::string_view text) {
    if (text.size() == 1) {
        const unsigned d = static_cast<unsigned char>(text[0]) - static_cast<unsigned>('0');
        return {d < 10 ? static_cast<int>(d) : 0, 0};
    }
    const double v = LeadingValue(text);
    if (v >= 0 && v <= 9 && v == std::floor(v)) return {static_cast<int>(v), v};
    return {-1, v};
}

}  // namespace

std::optional<std::string> LargeAdd(std::string_view a, std::string_view b) {
    Digits x, y;
    if (!Read(a, x) || !Read(b, y)) return std::nullopt;
    const std::size_t n = std::max(x.size, y.size);
    Align(x, n);
    Align(y, n);
    std::array<char, kCapacity + 1> out;
    std::size_t pos = out.size();
    int carry = 0;
    for (std::size_t i = n; i-- > 0;) {
        const int s = x.at[i] + y.at[i] + carry;
        carry = s >= 10 ? 1 : 0;
        out[--pos] = static_cast<char>('0' + s - 10 * carry);
    }
    if (carry != 0) out[--pos] = '1';
    return std::string(out.data() + pos, out.size() - pos);
}

std::optional<std::string> LargeMinus(std::string_view a, std::string_view b) {
    Digits x, y;
    if (!Read(a, x) || !Read(b, y)) return std::nullopt;
    const std::size_t n = std::max(x.size, y.size);
    Align(x, n);
    Align(y, n);
    // The first position where the aligned digits differ decides the sign;
    // equal values are not swapped.
    bool negative = false;
    for (std::size_t i = 0; i < n; ++i) {
        if (x.at[i] != y.at[i]) {
            negative = y.at[i] > x.at[i];
            break;
        }
    }
    const Digits& big = negative ? y : x;
    const Digits& small = negative ? x : y;
    std::array<char, kCapacity + 1> out;
    std::size_t pos = out.size();
    int borrow = 0;
    for (std::size_t i = n; i-- > 0;) {
        const int d = big.at[i] - small.at[i] - borrow;
        borrow = d < 0 ? 1 : 0;
        out[--pos] = static_cast<char>('0' + d + 10 * borrow);
    }
    if (negative) out[--pos] = '-';
    return std::string(out.data() + pos, out.size() - pos);
}

std::string MultiplyOne(std::string_view a, std::string_view digit) {
    Digits x;
    if (!Read(a, x)) return "-1";
    const Multiplier m = MultiplierOf(digit);
    if (m.digit < 0) return TimesValue(x, m.value);
    std::array<char, kCapacity + 1> out;
    const std::size_t pos = TimesDigit(x, m.digit, out.data(), out.size());
    return std::string(out.data() + pos, out.size() - pos);
}

// The product is the running sum of the partial products P(k) = a * D(k)
// followed by k-1 zeros (D(1) the units digit of b). Only the values and the
// text lengths matter: P(k) has Len(a) characters, one more when a * D(k)
// carries out of the top position, plus its k-1 zeros; every sum has the
// length n of its longer operand, one more when it carries out. A sum with
// an operand beyond 256 characters fails. The running sum is kept as
// little-endian digits; its text is that value written in exactly `length`
// digits.
std::optional<std::string> LargeMultiply(std::string_view a, std::string_view b) {
    Digits y;
    if (!Read(b, y)) return std::nullopt;
    if (y.size == 0) return std::string();
    Digits x;
    if (!Read(a, x)) return std::nullopt;  // MultiplyOne's capacity
    const std::size_t la = x.size;

    if (y.size == 1) {  // one partial product and no sum
        std::array<char, kCapacity + 1> out;
        const std::size_t pos = TimesDigit(x, y.at[0], out.data(), out.size());
        return std::string(out.data() + pos, out.size() - pos);
    }

    std::array<std::uint8_t, kCapacity + 2> sum{};
    std::size_t length = 0;
    for (std::size_t k = 1; k <= y.size; ++k) {
        const std::size_t shift = k - 1;
        // P(k) alone is beyond the capacity: fail before adding (this also
        // keeps every index below inside `sum`).
        if (k >= 2 && la + shift > kCapacity) return std::nullopt;
        const int d = y.at[y.size - k];
        int productCarry = 0;
        int sumCarry = 0;
        std::size_t at = shift;
        if (d != 0) {
            for (std::size_t i = la; i-- > 0; ++at) {
                const int t = d * x.at[i] + productCarry;
                productCarry = t / 10;
                const int s = sum[at] + (t - 10 * productCarry) + sumCarry;
                sumCarry = s >= 10 ? 1 : 0;
                sum[at] = static_cast<std::uint8_t>(s - 10 * sumCarry);
            }
            for (int carry = productCarry + sumCarry; carry != 0; ++at) {
                const int s = sum[at] + carry;
                carry = s / 10;
                sum[at] = static_cast<std::uint8_t>(s - 10 * carry);
            }
        }
        const std::size_t partial = la + (productCarry != 0 ? 1 : 0) + shift;
        if (k == 1) {
            length = partial;
            continue;
        }
        const std::size_t n = std::max(length, partial);
        if (n > kCapacity) return std::nullopt;
        length = n + sum[n];  // both operands are below 10^n: sum[n] is the carry out
    }
    std::string text(length, '0');
    for (std::size_t i = 0; i < length; ++i) text[length - 1 - i] = static_cast<char>('0' + sum[i]);
    return text;
}

// Exact long division on digits, for divisors of any length.
//
// Decisions:
//  - Leading zeros mean the number they write. A divisor whose value is 0
//    fails: "0", "00" and also the empty divisor (the empty text has the
//    value 0; "" / "" fails), whatever the dividend.
//  - A dividend with fewer positions than the divisor and a smaller value
//    gives quotient "0" and the dividend's own text as remainder ("5" /
//    "12" gives "0" and "5"; "" / "5" gives "0" and ""). A shorter dividend
//    that is not smaller (the divisor has leading zeros: "100" / "0007") is
//    divided as any other.
//  - The quotient is what the step-by-step division gives: the first step
//    divides the leading Len(b) positions of a, every later step appends
//    one more digit of a to the remainder. From the second step on each
//    quotient digit is below 10; the first one is too unless the divisor has
//    leading zeros ("9999" / "012": 999 / 12 = 83, then 3, quotient "833").
//    So the quotient is floor(a / b) written with at least
//    Len(a) - Len(b) + 1 digits, leading zeros included, and with more only
//    when a divisor with leading zeros makes the first step reach 10 or more
//    (or the dividend is the shorter one: "100" / "0007" gives "14").
//  - The remainder has no leading zeros ("0" when the division is exact).
std::optional<Division> LargeDivide(std::string_view a, std::string_view b) {
    const std::vector<std::uint8_t> divisor = ReadAll(b);
    const std::vector<std::uint8_t> dividend = ReadAll(a);
    const auto first = std::find_if(divisor.begin(), divisor.end(), [](std::uint8_t d) { return d != 0; });
    if (first == divisor.end()) return std::nullopt;  // division by zero
    const std::vector<std::uint8_t> bd(first, divisor.end());
    if (dividend.size() < divisor.size()) {
        const auto lead = std::find_if(dividend.begin(), dividend.end(), [](std::uint8_t d) { return d != 0; });
        const auto significant = static_cast<std::size_t>(dividend.end() - lead);
        const bool smaller = significant != bd.size() ? significant < bd.size()
                                                      : std::lexicographical_compare(lead, dividend.end(), bd.begin(), bd.end());
        if (smaller) return Division{"0", std::string(a)};
    }
    const std::size_t m = bd.size();
    const std::size_t la = dividend.size();

    // One quotient digit per dividend digit; the leading ones are trimmed below.
    std::string quotient(la, '0');
    std::string remainder;
    if (m <= 18) {
        // The remainder stays below b < 10^18, so 10 r + 9 fits 64 bits.
        std::uint64_t bv = 0;
        for (std::uint8_t d : bd) bv = bv * 10 + d;
        std::uint64_t r = 0;
        for (std::size_t i = 0; i < la; ++i) {
            r = r * 10 + dividend[i];
            const std::uint64_t q = r / bv;
            r -= q * bv;
            quotient[i] = static_cast<char>('0' + q);
        }
        remainder = std::to_string(r);
    } else {
        // w holds m zeros followed by the dividend. At step i the running
        // remainder (below 10 b) occupies the m+1 digits w[i..i+m]. The
        // quotient digit is estimated from the leading 18 of them and the
        // leading 17 digits of b: with rt and bt those prefixes,
        // floor(rt / (bt + 1)) <= q <= floor(rt / bt), and the two bounds
        // differ by at most 1 since bt >= 10^16. One correction suffices.
        constexpr std::size_t kTop = 17;
        std::uint64_t bt = 0;
        for (std::size_t j = 0; j < kTop; ++j) bt = bt * 10 + bd[j];
        std::vector<std::uint8_t> w(m + la, 0);
        std::copy(dividend.begin(), dividend.end(), w.begin() + static_cast<std::ptrdiff_t>(m));
        for (std::size_t i = 0; i < la; ++i) {
            std::uint8_t* win = w.data() + i;
            std::uint64_t rt = 0;
            for (std::size_t j = 0; j <= kTop; ++j) rt = rt * 10 + win[j];
            int q = static_cast<int>(std::min<std::uint64_t>(9, rt / bt));
            if (q != 0) {
                int borrow = 0;
                for (std::size_t j = m; j >= 1; --j) {
                    int t = win[j] - q * bd[j - 1] - borrow;
                    borrow = t < 0 ? (-t + 9) / 10 : 0;
                    win[j] = static_cast<std::uint8_t>(t + 10 * borrow);
                }
                int top = win[0] - borrow;
                if (top < 0) {  // the estimate was one too large: add b back
                    --q;
                    int carry = 0;
                    for (std::size_t j = m; j >= 1; --j) {
                        const int t = win[j] + bd[j - 1] + carry;
                        carry = t >= 10 ? 1 : 0;
                        win[j] = static_cast<std::uint8_t>(t - 10 * carry);
                    }
                    top += carry;
                }
                win[0] = static_cast<std::uint8_t>(top);
            }
            quotient[i] = static_cast<char>('0' + q);
        }
        const std::uint8_t* r = w.data() + la;  // the last window without its top digit (0)
        std::size_t z = 0;
        while (z + 1 < m && r[z] == 0) ++z;
        remainder.reserve(m - z);
        for (std::size_t j = z; j < m; ++j) remainder += static_cast<char>('0' + r[j]);
    }
    const std::size_t nonzero = quotient.find_first_not_of('0');
    quotient.erase(0, std::min(nonzero, divisor.size() - 1));
    return Division{std::move(quotient), std::move(remainder)};
}

}  // namespace numora::standard
