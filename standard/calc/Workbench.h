// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
#include "StandardControls.h"

namespace numora::standard {

enum class LargeOp { Add, Minus, Multiply, Divide, Power };

inline constexpr const char* kNotNegative = "请输入非负数";
// An operand or list item with anything but the digits 0-9 (a point, a
// separator, a blank inside, a letter). Typed full-width digits count as
// the digits they are: they reach the page as ASCII (CalcText).
inline constexpr const char* kDigitsOnly = "请输入只由数字0-9组成的整数";

// The text of an operand or list item as the page computes with it: the
// blanks (spaces and tabs) at both ends dropped.
std::string OperandText(std::string_view text);

// Leading zeros mean the number they write: the limit of the page counts
// significant digits, for pairwise operands and list items alike (255, the
// length of the page's fields).
inline constexpr std::size_t kLargeDigits = 255;
// Digits without their leading zeros; "0" for zeros only, "" for "".
std::string_view SignificantDigits(std::string_view digits);
// A checked operand as the page computes with it: OperandText, and without
// its leading zeros when it is longer than kLargeDigits characters (a
// shorter one keeps them, as the results show them: 007 + 1 = 008).
std::string PageOperand(std::string_view text);

// The checks of one operand text, in order: empty: "请不要使输入框为空";
// beginning with "-" (after the end blanks): "请输入非负数"; anything else
// than one or more of the digits 0-9 between the end blanks: kDigitsOnly.
std::optional<std::string> CheckOperand(std::string_view text);

// The pairwise checks, in order: empty fields, a leading "-", a character
// that is not a digit (each check on both fields before the next), a
// divisor of value 0 ("0", "000"), zero to the power zero, an operand of
// more than kLargeDigits significant digits ("数据过大"). The message text,
// or nullopt to go on.
std::optional<std::string> CheckPairwise(LargeOp op, std::string_view a, std::string_view b);

// Sum, difference, product, division or power of two checked operands:
// writes kPairResult (and kPairRemainder for a division) and kPairLength, or
// fails with "数据过大". A sum, difference or product that does not fit the
// capacity with the operands as written is computed on their significant
// digits; it fails only when those do not fit either.
Outcome PairwiseResult(LargeOp op, std::string_view a, std::string_view b);

// The number of multiplications of a power: value(b) rounded half to even;
// nullopt when it does not fit 32 bits (an unknown error).
std::optional<std::int32_t> PowerSteps(std::string_view b);

// A power as a loop of single multiplications (1, then times the base once
// a step), so the window can pause and stop between two steps. The base is
// taken without its leading zeros (0002 to the power 100 is 2 to the power
// 100, not a power padded with zeros). A power that a step leaves unchanged
// (a base of 0 or 1) can change no more: the loop is then done at once,
// whatever steps are left.
class PowerLoop {
public:
    PowerLoop(std::string_view base, std::int32_t exponent)
        : base_(SignificantDigits(PageOperand(base))), steps_(exponent) {}
    bool done() const { return failed_ || fixed_ || taken_ >= steps_; }
    // A step went beyond the capacity; power() keeps the last power.
    bool failed() const { return failed_; }
    // One multiplication; nothing once done.
    void Step();
    const std::string& power() const { return power_; }

private:
    std::string base_;
    std::int64_t steps_;
    std::int64_t taken_ = 0;
    std::string power_ = "1";
    bool failed_ = false;
    bool fixed_ = false;
};

// The number of characters (not bytes) of a UTF-8 text.
std::size_t CharacterCount(std::string_view text);

// kPairLength: the result's length in characters, "大于等于256" when 256.
std::string ResultLengthText(std::string_view result);

// Add to list, and an edited item: the message that refuses the item
// (CheckOperand; "数据过大" beyond kLargeDigits significant digits), or
// nullopt; the list keeps OperandText(item).
std::optional<std::string> CheckListItem(std::string_view item);

// One step of the collective fold (sum or product of the list so far and
// the next item), or nullopt beyond the capacity. As for a pairwise sum or
// product, a step that does not fit with the numbers as written is computed
// on their significant digits (a product of many items written 01 is 1).
std::optional<std::string> FoldStep(bool product, const std::string& acc, std::string_view item);

// The whole fold of checked items (OperandText) at once, as numora-cli
// prints it: kFoldResult and kFoldLength, or "数据过大" (kFoldResult back to
// the first item).
Outcome FoldList(bool product, const std::vector<std::string>& items);

}  // namespace numora::standard
