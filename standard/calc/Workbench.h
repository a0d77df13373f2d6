// The big-number page: the checks and steps of the pairwise and collective
// computations. The window runs the long loops (power, list fold) itself,
// one step per call here, so it can yield and stop between steps.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Outcome.h"

namespace numora::standard {

enum class LargeOp { Add, Minus, Multiply, Divide, Power };

inline constexpr const char* kNotNegative = "请输入非负数";

// The pairwise checks, in order: empty fields, a leading "-", the divisor
// "0", zero to the power zero. The message text, or nullopt to go on.
std::optional<std::string> CheckPairwise(LargeOp op, std::string_view a, std::string_view b);

// Sum, difference, product or division of two checked operands: writes
// LargeText3 (and LargeText3Se for a division) and LargeLenText1, or fails
// with "数据过大".
Outcome PairwiseResult(LargeOp op, std::string_view a, std::string_view b);

// The number of multiplications of a power: value(b) rounded half to even;
// nullopt when it does not fit 32 bits (an unknown error).
std::optional<std::int32_t> PowerSteps(std::string_view b);

// One step of a power: power * a, or nullopt beyond the capacity.
std::optional<std::string> PowerStep(const std::string& power, std::string_view a);

// LargeLenText1: the result's length in characters, "大于等于256" when 256.
std::string ResultLengthText(std::string_view result);

// Add to list: the message that refuses the item, or nullopt.
std::optional<std::string> CheckListItem(std::string_view item);

// One step of the collective fold (sum or product of the list so far and
// the next item), or nullopt beyond the capacity.
std::optional<std::string> FoldStep(bool product, const std::string& acc, std::string_view item);

// The whole fold at once, as numora-cli prints it: LargeText5 and
// LargeLenText2, or "数据过大" (LargeText5 back to the first item).
Outcome FoldList(bool product, const std::vector<std::string>& items);

}  // namespace numora::standard
