// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scientific window's frames: which inputs each result was computed
// from (see ResultFrames.h): each named by the frame that holds its
// command button. The Mersenne search reads no input.
#pragma once

#include <array>

#include "ResultFrames.h"
#include "ScientificControls.h"

namespace numora::scientific::frames {

inline constexpr std::array kGoldbachIn{kGoldbachInput};
inline constexpr std::array kGoldbachOut{kGoldbachList, kGoldbachCount};
inline constexpr std::array kFactorIn{kFactorInput};
inline constexpr std::array kFactorOut{kFactorList, kFactorCount, kFactorExact};

}  // namespace numora::scientific::frames

namespace numora::scientific {

// What the input fields accept, told in their tool tips (the messages that
// refuse other input stay the commands' own).
inline constexpr auto kLimits = std::to_array<ControlText>({
    {kGoldbachInput, "可输入4到2147483646之间的偶数"},
    {kFactorInput, "可输入2到2147483647之间的整数"},
});

inline constexpr auto kFrames = std::to_array<ResultFrame>({
    {kGoldbachInputFrame, frames::kGoldbachIn, frames::kGoldbachOut},
    {kFactorInputFrame, frames::kFactorIn, frames::kFactorOut},
});

}  // namespace numora::scientific
