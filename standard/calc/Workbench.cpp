#include "Workbench.h"

#include "BigNumber.h"
#include "CommonOps.h"
#include "NumberText.h"

namespace numora::standard {

std::optional<std::string> CheckPairwise(LargeOp op, std::string_view a, std::string_view b) {
    if (a.empty() || b.empty()) return kEmptyInput;
    if (a.front() == '-' || b.front() == '-') return kNotNegative;
    if (op == LargeOp::Divide && b == "0") return "除数不能为0";
    if (op == LargeOp::Power && LeadingValue(a) == 0 && LeadingValue(b) == 0) return "0没有0次方";
    return std::nullopt;
}

std::string ResultLengthText(std::string_view result) {
    return result.size() == 256 ? "大于等于256" : std::to_string(result.size());
}

Outcome PairwiseResult(LargeOp op, std::string_view a, std::string_view b) {
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
            std::string power = "1";
            for (std::int32_t i = 1; i <= *steps; ++i) {
                auto next = PowerStep(power, a);
                if (!next) return Outcome().Write("LargeText3", power).Fail(kTooLarge);
                power = std::move(*next);
            }
            result = power;
            break;
        }
    }
    if (!result) return Outcome::Error(kTooLarge);
    if (op != LargeOp::Divide) out.Write("LargeText3", *result);
    return out.Write("LargeLenText1", ResultLengthText(*result));
}

std::optional<std::int32_t> PowerSteps(std::string_view b) { return RoundToInt32(LeadingValue(b)); }

std::optional<std::string> PowerStep(const std::string& power, std::string_view a) {
    return LargeMultiply(power, a);
}

std::optional<std::string> CheckListItem(std::string_view item) {
    if (item.empty()) return kEmptyInput;
    if (item.front() == '-') return kNotNegative;
    return std::nullopt;
}

std::optional<std::string> FoldStep(bool product, const std::string& acc, std::string_view item) {
    return product ? LargeMultiply(acc, item) : LargeAdd(acc, item);
}

Outcome FoldList(bool product, const std::vector<std::string>& items) {
    if (items.empty()) return {};
    std::string acc = items.front();
    for (std::size_t i = 1; i < items.size(); ++i) {
        auto next = FoldStep(product, acc, items[i]);
        if (!next) return Outcome().Write("LargeText5", items.front()).Fail(kTooLarge);
        acc = std::move(*next);
    }
    return Outcome().Write("LargeText5", acc).Write("LargeLenText2", std::to_string(acc.size()));
}

}  // namespace numora::standard
