// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The messages, titles and status text of the chemistry window's solution
// calculators. Every refusal is shown with the exclamation icon and the
// title "Numora错误报告" (Outcome::Error); the dilution answer with the
// information icon and the title kResultTitle.
#pragma once

#include "SharedMessages.h"

namespace numora::chem {

// The masses.
inline constexpr const char* kSolutionNotPositive = "溶液质量不能小于或等于0";
inline constexpr const char* kSolventNotPositive = "溶剂质量不能小于或等于0";
inline constexpr const char* kSoluteNegative = "溶质质量不能小于0";
inline constexpr const char* kSolventNegative = "溶剂质量不能小于0";
// Mass fraction, dilution and concentration: a part may equal the whole.
inline constexpr const char* kSoluteAboveSolution = "溶质质量不能大于溶液的质量";
inline constexpr const char* kSolventAboveSolution = "溶剂质量不能大于溶液的质量";
// Solubility: a part must be less than the whole.
inline constexpr const char* kSoluteNotBelowSolution = "溶质质量应小于溶液的质量";
inline constexpr const char* kSolventNotBelowSolution = "溶剂质量应小于溶液的质量";

// Molar concentration.
inline constexpr const char* kAmountNegative = "溶质的物质的量不能小于0";
inline constexpr const char* kVolumeNotPositive = "溶液体积不能小于或等于0";

// Dilution and concentration. The first has an ASCII comma and parentheses
// and Chinese quotation marks around the "%".
inline constexpr const char* kTargetOutOfRange = "质量分数应小于100%,大于0%(不需填“%”)";
inline constexpr const char* kNotMoreDilute = "稀释后的质量分数应小于稀释前的质量分数";
inline constexpr const char* kNotMoreConcentrated = "稀释前的质量分数应大于稀释后的质量分数";

}  // namespace numora::chem
