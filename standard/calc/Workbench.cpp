// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Workbench.h"

#include "BigNumber.h"
#include "CommonOps.h"
#include "NumberText.h"

namespace numora::standard {

std::string_view OperandText(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

namespace {

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

std::optional<std::string> CheckOperand(std::string_view text) {
    if (text.empty()) return kEmptyInput;
    text = OperandText(text);
    if (text.starts_with('-')) return kNotNegative;
    if (!AllDigits(text)) return kDigitsOnly;
    return std::nullopt;
}

std::optional<std::string> CheckPairwise(LargeOp op, std::string_view a, std::string_view b) {
    if (a.empty() || b.empty()) return kEmptyInput;
    a = OperandText(a);
    b = OperandText(b);
    if (a.starts_with('-') || b.starts_with('-')) return kNotNegative;
    if (!AllDigits(a) || !AllDigits(b)) return kDigitsOnly;
    if (op == LargeOp::Divide && b == "0") return "除数不能为0";
    if (op == LargeOp::Power && LeadingValue(a) == 0 && LeadingValue(b) == 0) return "0没有0次方";
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

Outcome PairwiseResult(LargeOp op, std::string_view a, std::string_view b) {
    a = OperandText(a);
    b = OperandText(b);
    std::optional<std::string> result;
    Outcome out;
    switch (op) {
        case LargeOp::Add: result = LargeAdd(a, b); break;
        case LargeOp::Minus: result = LargeMinus(a, b); break;
        case LargeOp::Multiply: result = LargeMultiply(a, b); break;
        case LargeOp::Divide:
            if (auto d = LargeDivide(a, b)) {
                result = d->quotient;
                out.Write("LargeText3", d->quotient).Write("LargeText3Se", d->remainder);
            }
            break;
        case LargeOp::Power: {
            // Without pauses; the window runs the same steps between yields.
            auto steps = PowerSteps(b);
            if (!steps) return Outcome::Error(kUnknownError);
            PowerLoop loop(a, *steps);
            while (!loop.done()) loop.Step();
            if (loop.failed()) return Outcome().Write("LargeText3", loop.power()).Fail(kTooLarge);
            result = loop.power();
            break;
        }
    }
    if (!result) return Outcome::Error(kTooLarge);
    if (op != LargeOp::Divide) out.Write("LargeText3", *result);
    return out.Write("LargeLenText1", ResultLengthText(*result));
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

std::optional<std::string> CheckListItem(std::string_view item) { return CheckOperand(item); }

std::optional<std::string> FoldStep(bool product, const std::string& acc, std::string_view item) {
    return product ? LargeMultiply(acc, item) : LargeAdd(acc, item);
}

Outcome FoldList(bool product, const std::vector<std::string>& items) {
    if (items.empty()) return {};
    const std::string first(OperandText(items.front()));
    std::string acc = first;
    for (std::size_t i = 1; i < items.size(); ++i) {
        auto next = FoldStep(product, acc, OperandText(items[i]));
        if (!next) return Outcome().Write("LargeText5", first).Fail(kTooLarge);
        acc = std::move(*next);
    }
    return Outcome().Write("LargeText5", acc).Write("LargeLenText2", std::to_string(CharacterCount(acc)));
}

}  // namespace numora::standard
