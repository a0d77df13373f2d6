// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for the big-number arithmetic on digit strings (LargeAdd,
// LargeMinus, MultiplyOne, LargeMultiply, LargeDivide) and for the checks
// of the big-number page that feed it (CheckOperand, CheckPairwise,
// PairwiseResult, CharacterCount).
//
// Input: the first byte (times 2) is the length of the first operand, the
// rest are its bytes and then the second operand's. Operands reach a few
// hundred characters, so both sides of the 256-character capacity are
// covered.
//
// The page's checks get the bytes as they are (blanks, signs, points,
// letters, multi-byte UTF-8 such as full-width digits, broken UTF-8):
//  - an operand is taken exactly when, without the blanks (spaces, tabs) at
//    both ends, it is one or more of the digits 0-9; otherwise the message
//    is "请不要使输入框为空" for an empty text, "请输入非负数" for a leading
//    "-", and the digits-only message for anything else;
//  - the sum, difference, product and division of two taken operands have
//    the exact values, and the digit count is CharacterCount of the result;
//  - CharacterCount of valid UTF-8 is its number of code points.
//
// The operations themselves get the bytes mapped to digits: a digit stays
// itself, any other byte becomes a digit or now and then an "x", a
// character that counts as 0.
//
// The values are checked with exact schoolbook arithmetic written here:
//  - LargeAdd: fails exactly beyond the capacity; otherwise the sum, written
//    in n digits (the longer operand's length), n+1 when it carries out.
//  - LargeMinus: fails exactly beyond the capacity; otherwise |a - b| in
//    exactly n digits, "-" in front when b is larger.
//  - MultiplyOne with one digit: "-1" exactly beyond the capacity, otherwise
//    the product in at most Len(a)+1 digits.
//  - LargeMultiply: the product whenever it succeeds, and it succeeds when
//    both operands together have at most 256 characters.
//  - LargeDivide: a dividend shorter than the divisor gives "0" and itself;
//    otherwise it fails exactly for a zero divisor, and else
//    quotient * b + remainder = a with remainder < b, the remainder without
//    leading zeros, the quotient at least Len(a) - Len(b) + 1 digits.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "BigNumber.h"
#include "CommonOps.h"
#include "FuzzCheck.h"
#include "Workbench.h"

namespace {

using namespace numora::standard;
using numora::fuzz::Shown;

// Exact arithmetic on values written as digit strings without leading zeros.
std::string ValueOf(std::string_view text) {
    std::string v;
    for (char c : text) v += (c >= '0' && c <= '9') ? c : '0';
    std::size_t first = v.find_first_not_of('0');
    return first == std::string::npos ? "0" : v.substr(first);
}

int Compare(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
}

std::string Add(const std::string& a, const std::string& b) {
    std::string out;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        int s = carry;
        if (i < a.size()) s += a[a.size() - 1 - i] - '0';
        if (i < b.size()) s += b[b.size() - 1 - i] - '0';
        out += static_cast<char>('0' + s % 10);
        carry = s / 10;
    }
    std::reverse(out.begin(), out.end());
    return ValueOf(out);
}

std::string Subtract(const std::string& a, const std::string& b) {  // a >= b
    std::string out;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int d = (a[a.size() - 1 - i] - '0') - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        borrow = d < 0;
        out += static_cast<char>('0' + d + 10 * borrow);
    }
    std::reverse(out.begin(), out.end());
    return ValueOf(out);
}

std::string Multiply(const std::string& a, const std::string& b) {
    std::string acc(a.size() + b.size(), 0);
    std::vector<int> sum(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j) sum[i + j + 1] += (a[i] - '0') * (b[j] - '0');
    for (std::size_t k = sum.size(); k-- > 1;) {
        sum[k - 1] += sum[k] / 10;
        sum[k] %= 10;
    }
    for (std::size_t k = 0; k < sum.size(); ++k) acc[k] = static_cast<char>('0' + sum[k]);
    return ValueOf(acc);
}

bool AllDigits(std::string_view s) { return s.find_first_not_of("0123456789") == std::string_view::npos; }

std::string Operand(const std::uint8_t* data, std::size_t size) {
    std::string s;
    for (std::size_t i = 0; i < size; ++i) {
        char c = static_cast<char>(data[i]);
        s += (c >= '0' && c <= '9') ? c : data[i] % 23 == 0 ? 'x' : static_cast<char>('0' + data[i] % 10);
    }
    return s;
}

std::string Result(const std::optional<std::string>& r) { return r ? Shown(*r) : "failure"; }

// The number of code points of valid UTF-8, or nullopt for broken UTF-8.
std::optional<std::size_t> CodePoints(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size()) return std::nullopt;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return std::nullopt;
        i += length;
    }
    return count;
}

// The big-number page's checks and results on operands as typed.
void CheckPage(std::string_view rawA, std::string_view rawB) {
    auto operands = [&] { return "typed a = " + Shown(rawA) + "\ntyped b = " + Shown(rawB); };
    for (std::string_view raw : {rawA, rawB}) {
        if (const auto count = CodePoints(raw))
            NUMORA_CHECK(CharacterCount(raw) == *count, operands() + "\nCharacterCount of " + Shown(raw) + ": " +
                                                             std::to_string(CharacterCount(raw)));
        const std::string_view text = OperandText(raw);
        const bool digits = !text.empty() && AllDigits(text);
        const std::optional<std::string> refusal = CheckOperand(raw);
        const std::string want = digits                     ? ""
                                 : raw.empty()              ? kEmptyInput
                                 : text.starts_with('-')    ? kNotNegative
                                                            : kDigitsOnly;
        NUMORA_CHECK(refusal.value_or("") == want,
                     operands() + "\nCheckOperand(" + Shown(raw) + "): " + Shown(refusal.value_or("taken")));
    }
    if (CheckPairwise(LargeOp::Add, rawA, rawB)) {
        NUMORA_CHECK(CheckOperand(rawA) || CheckOperand(rawB), operands() + "\nCheckPairwise refused both taken");
        return;
    }
    NUMORA_CHECK(!CheckOperand(rawA) && !CheckOperand(rawB), operands() + "\nCheckPairwise took a refused operand");
    const std::string va = ValueOf(OperandText(rawA)), vb = ValueOf(OperandText(rawB));
    const std::pair<LargeOp, std::optional<std::string>> expected[] = {
        {LargeOp::Add, Add(va, vb)},
        {LargeOp::Minus, Compare(va, vb) < 0 ? "-" + Subtract(vb, va) : Subtract(va, vb)},
        {LargeOp::Multiply, Multiply(va, vb)},
        {LargeOp::Divide, std::nullopt},
    };
    for (const auto& [op, want] : expected) {
        const numora::Outcome out = PairwiseResult(op, rawA, rawB);
        if (out.failed()) continue;  // beyond the capacity, or a divisor of 0
        const std::string result = out.Field("LargeText3").value_or("");
        NUMORA_CHECK(out.Field("LargeLenText1") == ResultLengthText(result),
                     operands() + "\nLargeLenText1 of " + Shown(result));
        if (want) {
            const bool negative = result.starts_with('-');
            const std::string value = (negative ? "-" : "") + ValueOf(std::string_view(result).substr(negative));
            NUMORA_CHECK(value == *want || (value == "-0" && *want == "0"),
                         operands() + "\nop " + std::to_string(static_cast<int>(op)) + ": " + Shown(result) +
                             "\nexpected the value " + *want);
        } else {
            const std::string remainder = out.Field("LargeText3Se").value_or("");
            NUMORA_CHECK(Add(Multiply(ValueOf(result), vb), ValueOf(remainder)) == va,
                         operands() + "\ndivision: " + Shown(result) + " remainder " + Shown(remainder));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::size_t la = std::min<std::size_t>(data[0] * 2u, size - 1);
    CheckPage(numora::fuzz::AsText(data + 1, la), numora::fuzz::AsText(data + 1 + la, size - 1 - la));
    std::string a = Operand(data + 1, la), b = Operand(data + 1 + la, size - 1 - la);
    std::string va = ValueOf(a), vb = ValueOf(b);
    const std::size_t n = std::max(a.size(), b.size());
    const bool withinCapacity = a.size() <= kLargeCapacity && b.size() <= kLargeCapacity;
    auto operands = [&] { return "a = " + Shown(a) + "\nb = " + Shown(b); };

    std::optional<std::string> sum = LargeAdd(a, b);
    NUMORA_CHECK(sum.has_value() == withinCapacity, operands() + "\nLargeAdd: " + Result(sum));
    if (sum) {
        std::string want = Add(va, vb);
        std::size_t length = n + (want != "0" && want.size() > n ? 1 : 0);
        NUMORA_CHECK(AllDigits(*sum) && ValueOf(*sum) == want && sum->size() == length,
                     operands() + "\nLargeAdd: " + Result(sum) + "\nexpected the value " + want + " in " +
                         std::to_string(length) + " digits");
    }

    std::optional<std::string> difference = LargeMinus(a, b);
    NUMORA_CHECK(difference.has_value() == withinCapacity, operands() + "\nLargeMinus: " + Result(difference));
    if (difference) {
        bool negative = Compare(va, vb) < 0;
        std::string want = negative ? Subtract(vb, va) : Subtract(va, vb);
        std::string_view digits = *difference;
        bool sign = !digits.empty() && digits[0] == '-';
        if (sign) digits.remove_prefix(1);
        NUMORA_CHECK(sign == negative && AllDigits(digits) && digits.size() == n && ValueOf(digits) == want,
                     operands() + "\nLargeMinus: " + Result(difference) + "\nexpected " + (negative ? "-" : "") +
                         want + " in " + std::to_string(n) + " digits");
    }

    if (!b.empty() && b[0] >= '0' && b[0] <= '9') {
        std::string digit(1, b[0]);
        std::string times = MultiplyOne(a, digit);
        if (a.size() > kLargeCapacity) {
            NUMORA_CHECK(times == "-1", operands() + "\nMultiplyOne by " + digit + ": " + Shown(times));
        } else {
            std::string want = Multiply(va, digit);
            NUMORA_CHECK(AllDigits(times) && ValueOf(times) == want && times.size() <= a.size() + 1,
                         operands() + "\nMultiplyOne by " + digit + ": " + Shown(times) + "\nexpected " + want);
        }
    }

    std::optional<std::string> product = LargeMultiply(a, b);
    if (a.size() + b.size() <= kLargeCapacity)
        NUMORA_CHECK(product.has_value(), operands() + "\nLargeMultiply failed within the capacity");
    if (product && !b.empty()) {
        std::string want = Multiply(va, vb);
        NUMORA_CHECK(AllDigits(*product) && ValueOf(*product) == want,
                     operands() + "\nLargeMultiply: " + Result(product) + "\nexpected the value " + want);
    }

    std::optional<Division> division = LargeDivide(a, b);
    auto shownDivision = [&] {
        return division ? "quotient " + Shown(division->quotient) + ", remainder " + Shown(division->remainder)
                        : std::string("failure");
    };
    if (a.size() < b.size()) {
        NUMORA_CHECK(division && division->quotient == "0" && division->remainder == a,
                     operands() + "\nLargeDivide: " + shownDivision());
    } else {
        NUMORA_CHECK(division.has_value() == (vb != "0"), operands() + "\nLargeDivide: " + shownDivision());
    }
    if (division && a.size() >= b.size()) {
        const std::string& q = division->quotient;
        const std::string& r = division->remainder;
        bool shape = AllDigits(q) && AllDigits(r) && !r.empty() && (r == "0" || r[0] != '0') &&
                     q.size() >= a.size() - b.size() + 1;
        NUMORA_CHECK(shape && Add(Multiply(ValueOf(q), vb), r) == va && Compare(r, vb) < 0,
                     operands() + "\nLargeDivide: " + shownDivision());
    }
    return 0;
}
