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
// Every value is checked against GMP, never against the rules of the code
// under test: a text means the number its digits write, leading zeros and
// all. What is checked beyond the values are the text forms the operations
// promise (lengths, the place of a sign, a remainder without leading zeros).
//
// The page's checks get the bytes as they are (blanks, signs, points,
// letters, multi-byte UTF-8 such as full-width digits, broken UTF-8):
//  - an operand is taken exactly when, with full-width digits and signs
//    read as ASCII and without the blanks (spaces, tabs) at both ends, it is
//    one or more of the digits 0-9; otherwise the message
//    is "请不要使输入框为空" for an empty text, "请输入非负数" for a leading
//    "-", and the digits-only message for anything else;
//  - of two taken operands, the divisor is refused exactly when its value is
//    0, zero to the power zero exactly when both values are 0, and any
//    operation with "数据过大" exactly when an operand has more than 255
//    significant digits;
//  - otherwise sums and differences always succeed, products whenever the
//    significant digits of both fit 256 positions, divisions always, powers
//    whenever the power and the base's digits fit; each with GMP's value;
//  - CharacterCount of valid UTF-8 is its number of code points.
//
// The operations themselves get the bytes mapped to digits: a digit stays
// itself, any other byte becomes a digit or now and then an "x", a
// character that counts as 0.
#include <gmpxx.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "BigNumber.h"
#include "CommonOps.h"
#include "FuzzCheck.h"
#include "Workbench.h"

namespace {

using namespace numora::standard;
using numora::fuzz::Shown;

// The value a text writes; any character that is not a digit is the digit 0.
mpz_class Value(std::string_view text) {
    std::string digits;
    for (char c : text) digits += (c >= '0' && c <= '9') ? c : '0';
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? mpz_class(0) : mpz_class(digits.substr(first), 10);
}

// The value of a result text with an optional leading "-".
mpz_class SignedValue(std::string_view text) {
    const bool negative = text.starts_with('-');
    const mpz_class v = Value(text.substr(negative ? 1 : 0));
    return negative ? mpz_class(-v) : v;
}

std::size_t Digits(const mpz_class& v) { return v == 0 ? 1 : v.get_str().size(); }

std::string Text(const mpz_class& v) { return v.get_str(); }

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
        const std::string text = OperandText(raw);
        const bool digits = !text.empty() && AllDigits(text);
        const std::optional<std::string> refusal = CheckOperand(raw);
        const std::string want = digits                     ? ""
                                 : raw.empty()              ? kEmptyInput
                                 : text.starts_with('-')    ? kNotNegative
                                                            : kDigitsOnly;
        NUMORA_CHECK(refusal.value_or("") == want,
                     operands() + "\nCheckOperand(" + Shown(raw) + "): " + Shown(refusal.value_or("taken")));
    }
    if (CheckOperand(rawA) || CheckOperand(rawB)) {
        NUMORA_CHECK(CheckPairwise(LargeOp::Add, rawA, rawB).has_value(),
                     operands() + "\nCheckPairwise took a refused operand");
        return;
    }
    const mpz_class va = Value(OperandText(rawA)), vb = Value(OperandText(rawB));
    const bool tooLong = Digits(va) > kLargeDigits || Digits(vb) > kLargeDigits;
    const auto refusal = [&](LargeOp op) { return CheckPairwise(op, rawA, rawB).value_or(""); };
    NUMORA_CHECK(refusal(LargeOp::Add) == (tooLong ? kTooLarge : ""), operands() + "\nadd: " + refusal(LargeOp::Add));
    NUMORA_CHECK(refusal(LargeOp::Divide) == (vb == 0 ? "除数不能为0" : tooLong ? kTooLarge : ""),
                 operands() + "\ndivide: " + refusal(LargeOp::Divide));
    NUMORA_CHECK(refusal(LargeOp::Power) == (va == 0 && vb == 0 ? "0没有0次方" : tooLong ? kTooLarge : ""),
                 operands() + "\npower: " + refusal(LargeOp::Power));
    if (tooLong) return;

    auto shownResult = [](const numora::Outcome& out) {
        return out.failed() ? "message " + out.message->text
                            : Shown(out.Field("LargeText3").value_or("")) + " " +
                                  Shown(out.Field("LargeText3Se").value_or(""));
    };
    auto checkLength = [&](const numora::Outcome& out) {
        const std::string result = out.Field("LargeText3").value_or("");
        NUMORA_CHECK(out.Field("LargeLenText1") == ResultLengthText(result),
                     operands() + "\nLargeLenText1 of " + Shown(result));
    };
    const std::size_t da = Digits(va), db = Digits(vb);
    const struct {
        LargeOp op;
        mpz_class want;
        bool mustSucceed;
    } pairwise[] = {
        {LargeOp::Add, va + vb, true},
        {LargeOp::Minus, va - vb, true},
        {LargeOp::Multiply, va * vb, da + db <= kLargeCapacity},
    };
    for (const auto& [op, want, mustSucceed] : pairwise) {
        const numora::Outcome out = PairwiseResult(op, rawA, rawB);
        NUMORA_CHECK(out.failed() ? !mustSucceed && out.message->text == kTooLarge
                                  : SignedValue(out.Field("LargeText3").value_or("")) == want,
                     operands() + "\nop " + std::to_string(static_cast<int>(op)) + ": " + shownResult(out) +
                         "\nexpected the value " + Text(want));
        if (!out.failed()) checkLength(out);
    }
    if (vb != 0) {
        const numora::Outcome out = PairwiseResult(LargeOp::Divide, rawA, rawB);
        const std::string q = out.Field("LargeText3").value_or(""), r = out.Field("LargeText3Se").value_or("");
        const std::string aText = PageOperand(rawA), bText = PageOperand(rawB);
        const bool ownRemainder = aText.size() < bText.size() && va < vb;
        NUMORA_CHECK(!out.failed() && AllDigits(q) && Value(q) == va / vb &&
                         (ownRemainder ? q == "0" && r == aText : r == Text(va % vb)),
                     operands() + "\ndivision: " + shownResult(out) + "\nexpected " + Text(va / vb) + " remainder " +
                         Text(va % vb));
        checkLength(out);
    }
    if (vb <= 600 && !(va == 0 && vb == 0)) {
        mpz_class power;
        mpz_pow_ui(power.get_mpz_t(), va.get_mpz_t(), vb.get_ui());
        const numora::Outcome out = PairwiseResult(LargeOp::Power, rawA, rawB);
        const bool fits = Digits(power) + da <= kLargeCapacity;
        NUMORA_CHECK(out.failed() ? !fits && out.message->text == kTooLarge
                                  : out.Field("LargeText3") == Text(power),
                     operands() + "\npower: " + shownResult(out) + "\nexpected " + Shown(Text(power)));
        if (!out.failed()) checkLength(out);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::size_t la = std::min<std::size_t>(data[0] * 2u, size - 1);
    CheckPage(numora::fuzz::AsText(data + 1, la), numora::fuzz::AsText(data + 1 + la, size - 1 - la));
    std::string a = Operand(data + 1, la), b = Operand(data + 1 + la, size - 1 - la);
    const mpz_class va = Value(a), vb = Value(b);
    const std::size_t n = std::max(a.size(), b.size());
    const bool withinCapacity = a.size() <= kLargeCapacity && b.size() <= kLargeCapacity;
    auto operands = [&] { return "a = " + Shown(a) + "\nb = " + Shown(b); };

    // The sum: n digits, one more when it carries out of them.
    std::optional<std::string> sum = LargeAdd(a, b);
    NUMORA_CHECK(sum.has_value() == withinCapacity, operands() + "\nLargeAdd: " + Result(sum));
    if (sum) {
        const mpz_class want = va + vb;
        const std::size_t length = n + (n > 0 && Digits(want) > n ? 1 : 0);
        NUMORA_CHECK(AllDigits(*sum) && Value(*sum) == want && sum->size() == length,
                     operands() + "\nLargeAdd: " + Result(sum) + "\nexpected the value " + Text(want) + " in " +
                         std::to_string(length) + " digits");
    }

    // The difference: exactly n digits, "-" in front when b is larger.
    std::optional<std::string> difference = LargeMinus(a, b);
    NUMORA_CHECK(difference.has_value() == withinCapacity, operands() + "\nLargeMinus: " + Result(difference));
    if (difference) {
        const std::string_view digits = std::string_view(*difference).substr(difference->starts_with('-') ? 1 : 0);
        NUMORA_CHECK(SignedValue(*difference) == va - vb && difference->starts_with('-') == (vb > va) &&
                         AllDigits(digits) && digits.size() == n,
                     operands() + "\nLargeMinus: " + Result(difference) + "\nexpected " + Text(va - vb) + " in " +
                         std::to_string(n) + " digits");
    }

    if (!b.empty() && b[0] >= '0' && b[0] <= '9') {
        std::string digit(1, b[0]);
        std::string times = MultiplyOne(a, digit);
        if (a.size() > kLargeCapacity) {
            NUMORA_CHECK(times == "-1", operands() + "\nMultiplyOne by " + digit + ": " + Shown(times));
        } else {
            const mpz_class want = va * (b[0] - '0');
            NUMORA_CHECK(AllDigits(times) && Value(times) == want && times.size() <= a.size() + 1,
                         operands() + "\nMultiplyOne by " + digit + ": " + Shown(times) + "\nexpected " + Text(want));
        }
    }

    std::optional<std::string> product = LargeMultiply(a, b);
    if (a.size() + b.size() <= kLargeCapacity)
        NUMORA_CHECK(product.has_value(), operands() + "\nLargeMultiply failed within the capacity");
    if (product && !b.empty()) {
        NUMORA_CHECK(AllDigits(*product) && Value(*product) == va * vb,
                     operands() + "\nLargeMultiply: " + Result(product) + "\nexpected the value " + Text(va * vb));
    }

    // The division: a zero divisor fails; a dividend that is shorter and
    // smaller is the remainder as written; otherwise GMP's quotient in at
    // least Len(a) - Len(b) + 1 digits and its remainder without leading zeros.
    std::optional<Division> division = LargeDivide(a, b);
    auto shownDivision = [&] {
        return division ? "quotient " + Shown(division->quotient) + ", remainder " + Shown(division->remainder)
                        : std::string("failure");
    };
    NUMORA_CHECK(division.has_value() == (vb != 0), operands() + "\nLargeDivide: " + shownDivision());
    if (division) {
        const std::string& q = division->quotient;
        const std::string& r = division->remainder;
        const bool ownRemainder = a.size() < b.size() && va < vb;
        const std::size_t width = a.size() >= b.size() ? a.size() - b.size() + 1 : 1;
        const bool shape = ownRemainder ? q == "0" && r == a
                                        : AllDigits(q) && q.size() >= width && r == Text(va % vb);
        NUMORA_CHECK(shape && Value(q) == va / vb,
                     operands() + "\nLargeDivide: " + shownDivision() + "\nexpected " + Text(va / vb) +
                         " remainder " + Text(va % vb));
    }
    return 0;
}
