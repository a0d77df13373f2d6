// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chemistry window's frames: which inputs each result was computed
// from (see ResultFrames.h). The known-quantity mode changes what the mass
// boxes mean, so it is an input of every frame that reads them. The
// dilution answers in a message, not in a field.
#pragma once

#include <array>

#include "ChemControls.h"
#include "ResultFrames.h"

namespace numora::chem::frames {

inline constexpr std::array kFractionIn{kFractionBoxes.solute, kFractionBoxes.solvent, kFractionBoxes.solution,
                                        kModes[0].control,     kModes[1].control,      kModes[2].control};
inline constexpr std::array kFractionOut{kFractionResult};
inline constexpr std::array kSolubilityIn{kSolubilityBoxes.solute, kSolubilityBoxes.solvent,
                                          kSolubilityBoxes.solution, kModes[0].control,
                                          kModes[1].control,        kModes[2].control};
inline constexpr std::array kSolubilityOut{kSolubilityResult};
inline constexpr std::array kMolarityIn{kMolarityAmount, kMolarityVolume};
inline constexpr std::array kMolarityOut{kMolarityResult};

}  // namespace numora::chem::frames

namespace numora::chem {

inline constexpr auto kFrames = std::to_array<ResultFrame>({
    {kFractionFrame, frames::kFractionIn, frames::kFractionOut},
    {kSolubilityFrame, frames::kSolubilityIn, frames::kSolubilityOut},
    {kMolarityFrame, frames::kMolarityIn, frames::kMolarityOut},
});

}  // namespace numora::chem
