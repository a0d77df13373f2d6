// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Workbench.h"

#include "BigNumber.h"
#include "CommonOps.h"
#include "NumberText.h"

namespace numora::standard {

std::string OperandText(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string_view SignificantDigits(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return digits.empty() ? digits : digits.substr(digits.size() - 1);
    return digits.substr(first);
}

std::string PageOperand(std::string_view typed) {
    const std::string text = OperandText(typed);
    return text.size() > kLargeDigits ? std::string(SignificantDigits(text)) : text;
}

namespace {

bool BeyondLimit(std::string_view operand) { return SignificantDigits(OperandText(operand)).size() > kLargeDigits; }

// `op` on the operands as written, and when that does not fit the capacity,
// on their significant digits.
template <class Op>
std::optional<std::string> Fitted(Op op, std::string_view a, std::string_view b) {
    auto result = op(a, b);
    if (!result) result = op(SignificantDigits(a), SignificantDigits(b));
    return result;
}

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

std::optional<std::string> CheckOperand(std::string_view typed) {
    if (typed.empty()) return kEmptyInput;
    const std::string text = OperandText(typed);
    if (text.starts_with('-')) return kNotNegative;
    if (!AllDigits(text)) return kDigitsOnly;
    return std::nullopt;
}

std::optional<std::string> CheckPairwise(LargeOp op, std::string_view typedA, std::string_view typedB) {
    if (typedA.empty() || typedB.empty()) return kEmptyInput;
    const std::string a = OperandText(typedA);
    const std::string b = OperandText(typedB);
    if (a.starts_with('-') || b.starts_with('-')) return kNotNegative;
    if (!AllDigits(a) || !AllDigits(b)) return kDigitsOnly;
    if (op == LargeOp::Divide && b.find_first_not_of('0') == std::string_view::npos) return kDivisorZero;
    if (op == LargeOp::Power && LeadingValue(a) == 0 && LeadingValue(b) == 0) return "0没有0次方";
    if (BeyondLimit(a) || BeyondLimit(b)) return kTooLarge;
    return std::nullopt;
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;  // not a continuation byte
    return n;
}

std::string ResultLengthText(std::string_view result) {
    const std::size_t n = CharacterCount(result);
    return n == 256 ? "大于等于256" : std::to_string(n);
}

Outcome PairwiseResult(LargeOp op, std::string_view typedA, std::string_view typedB) {
    if (BeyondLimit(typedA) || BeyondLimit(typedB)) return Outcome::Error(kTooLarge);
    const std::string a = PageOperand(typedA);
    const std::string b = PageOperand(typedB);
    std::optional<std::string> result;
    Outcome out;
    switch (op) {
        case LargeOp::Add: result = Fitted(LargeAdd, a, b); break;
        case LargeOp::Minus: result = Fitted(LargeMinus, a, b); break;
        case LargeOp::Multiply: result = Fitted(LargeMultiply, a, b); break;
        case LargeOp::Divide:
            if (auto d = LargeDivide(a, b)) {
                result = d->quotient;
                out.Write(kPairResult, d->quotient).Write(kPairRemainder, d->remainder);
            }
            break;
        case LargeOp::Power: {
            // Without pauses; the window runs the same steps between yields.
            auto steps = PowerSteps(b);
            if (!steps) return Outcome::Error(kUnknownError);
            PowerLoop loop(a, *steps);
            while (!loop.done()) loop.Step();
            if (loop.failed()) return Outcome().Write(kPairResult, loop.power()).Fail(kTooLarge);
            result = loop.power();
            break;
        }
    }
    if (!result) return Outcome::Error(kTooLarge);
    if (op != LargeOp::Divide) out.Write(kPairResult, *result);
    return out.Write(kPairLength, ResultLengthText(*result));
}

std::optional<std::int32_t> PowerSteps(std::string_view b) { return RoundToInt32(LeadingValue(b)); }

void PowerLoop::Step() {
    if (done()) return;
    auto next = LargeMultiply(power_, base_);
    if (!next) {
        failed_ = true;
        return;
    }
    ++taken_;
    fixed_ = *next == power_;
    power_ = std::move(*next);
}

std::optional<std::string> CheckListItem(std::string_view item) {
    if (auto refusal = CheckOperand(item)) return refusal;
    if (BeyondLimit(item)) return kTooLarge;
    return std::nullopt;
}

std::optional<std::string> FoldStep(bool product, const std::string& acc, std::string_view item) {
    const std::string operand = PageOperand(item);
    return product ? Fitted(LargeMultiply, acc, operand) : Fitted(LargeAdd, acc, operand);
}

Outcome FoldList(bool product, const std::vector<std::string>& items) {
    if (items.empty()) return {};
    const std::string first(OperandText(items.front()));
    for (const std::string& item : items)
        if (BeyondLimit(item)) return Outcome().Write(kFoldResult, first).Fail(kTooLarge);
    std::string acc = first;
    for (std::size_t i = 1; i < items.size(); ++i) {
        auto next = FoldStep(product, acc, OperandText(items[i]));
        if (!next) return Outcome().Write(kFoldResult, first).Fail(kTooLarge);
        acc = std::move(*next);
    }
    return Outcome().Write(kFoldResult, acc).Write(kFoldLength, std::to_string(CharacterCount(acc)));
}

}  // namespace numora::standard
