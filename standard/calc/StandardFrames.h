// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The basic-calculation window's frames: which inputs each result was
// computed from (see ResultFrames.h).
#pragma once

#include <array>

#include "ResultFrames.h"
#include "StandardControls.h"

namespace numora::standard::frames {

inline constexpr std::array kAddIn{kAddFirst, kAddSecond};
inline constexpr std::array kAddOut{kAddResult};
inline constexpr std::array kSubtractIn{kSubtractFirst, kSubtractSecond};
inline constexpr std::array kSubtractOut{kSubtractResult};
inline constexpr std::array kMultiplyIn{kMultiplyFirst, kMultiplySecond};
inline constexpr std::array kMultiplyOut{kMultiplyResult};
inline constexpr std::array kDivideIn{kDividend, kDivisor};
inline constexpr std::array kDivideOut{kIntegerQuotient, kRemainder, kQuotient};
inline constexpr std::array kPowerIn{kPowerBase, kPowerExponent};
inline constexpr std::array kPowerOut{kPowerResult};
inline constexpr std::array kRootIn{kRadicand, kRootIndex};
inline constexpr std::array kRootOut{kRootResult, kRoundedRoot, kRootExact};
inline constexpr std::array kLogIn{kLogArgument, kLogBase};
inline constexpr std::array kLogOut{kLogResult};
inline constexpr std::array kFactorialIn{kFactorialInput};
inline constexpr std::array kFactorialOut{kFactorialResult};
inline constexpr std::array kQuickIn{kQuickFirst, kQuickSecond};
inline constexpr std::array kQuickOut{kQuickResult, kQuickExact};
inline constexpr std::array kPairIn{kPairFirst,           kPairSecond,          kOperations[0].control,
                                    kOperations[1].control, kOperations[2].control, kOperations[3].control,
                                    kOperations[4].control};
inline constexpr std::array kPairOut{kPairResult, kPairRemainder, kPairLength};
inline constexpr std::array kFoldIn{kList};
inline constexpr std::array kFoldOut{kFoldResult, kFoldLength};

}  // namespace numora::standard::frames

namespace numora::standard {

inline constexpr auto kFrames = std::to_array<ResultFrame>({
    {kAddFrame, frames::kAddIn, frames::kAddOut},
    {kSubtractFrame, frames::kSubtractIn, frames::kSubtractOut},
    {kMultiplyFrame, frames::kMultiplyIn, frames::kMultiplyOut},
    {kDivideFrame, frames::kDivideIn, frames::kDivideOut},
    {kPowerFrame, frames::kPowerIn, frames::kPowerOut},
    {kRootFrame, frames::kRootIn, frames::kRootOut},
    {kLogFrame, frames::kLogIn, frames::kLogOut},
    {kFactorialFrame, frames::kFactorialIn, frames::kFactorialOut},
    {kQuickFrame, frames::kQuickIn, frames::kQuickOut},
    {kPairFrame, frames::kPairIn, frames::kPairOut},
    {kFoldFrame, frames::kFoldIn, frames::kFoldOut},
});

}  // namespace numora::standard
