// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The mathematics window's frames: which inputs each result was computed
// from (see ResultFrames.h). The plotter's graphs are drawn, not written,
// and its values box follows the graphs and the x it was asked for.
#pragma once

#include <array>

#include "MathsControls.h"
#include "ResultFrames.h"

namespace numora::maths::frames {

inline constexpr auto kQuadraticIn = kQuadraticBoxes;
inline constexpr std::array kQuadraticOut{kQuadraticX1, kQuadraticX2, kQuadraticExact};
inline constexpr auto kLinear2In = kLinear2Boxes;
inline constexpr std::array kLinear2Out{kLinear2X, kLinear2Y, kLinear2Exact};
inline constexpr auto kLinear3In = kLinear3Boxes;
inline constexpr std::array kLinear3Out{kLinear3X, kLinear3Y, kLinear3Z, kLinear3Exact};
inline constexpr std::array kTrigIn{kAngle, kUnits[0].control, kUnits[1].control};
inline constexpr std::array kTrigOut{kTrigResult, kTrigExact};
inline constexpr std::array kFormulaIn{kFormulaA, kFormulaB};
inline constexpr std::array kFormulaOut{kFormulaResult};
inline constexpr std::array kExploreIn{kExploreX};
inline constexpr std::array kExploreOut{kValuesBox};

}  // namespace numora::maths::frames

namespace numora::maths {

inline constexpr auto kFrames = std::to_array<ResultFrame>({
    {kQuadraticFrame, frames::kQuadraticIn, frames::kQuadraticOut},
    {kLinear2Frame, frames::kLinear2In, frames::kLinear2Out},
    {kLinear3Frame, frames::kLinear3In, frames::kLinear3Out},
    {kTrigFrame, frames::kTrigIn, frames::kTrigOut},
    {kFormulaFrame, frames::kFormulaIn, frames::kFormulaOut},
    {kExploreFrame, frames::kExploreIn, frames::kExploreOut},
});

}  // namespace numora::maths
