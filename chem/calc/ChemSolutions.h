// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Worked solutions (解题过程) of the four solution calculators: the formula
// in words, the given numbers put in with their units, and the result as
// the window shows it (taken from the command itself, so the two never
// disagree). The third mass of a frame, where the formula needs it, is
// worked out first (溶剂质量 = 溶液质量 - 溶质质量 = …). A refused input
// gives the command's message and no step; an unknown mode gives nothing.
#pragma once

#include <string_view>

#include "SolutionProblems.h"
#include "Solutions.h"

namespace numora::chem {

// 溶质的质量分数 = 溶质质量 ÷ 溶液质量 × 100% (or the solvent's), then
// "= 10g ÷ 50g × 100%", "= 20%".
WorkedSolution MassFractionSolution(KnownMasses mode, FractionOf of, const MassTexts& masses);

// 溶解度 = 溶质质量 ÷ 溶剂质量 × 100g, "= 36g ÷ 100g × 100g", "= 36g".
WorkedSolution SolubilitySolution(KnownMasses mode, const MassTexts& masses);

// 物质的量浓度 = 溶质的物质的量 ÷ 溶液体积, "= 1mol ÷ 2L", "= 0.5mol/L".
WorkedSolution MolarConcentrationSolution(std::string_view amount, std::string_view volume);

// The current fraction, then both ways of the answer: the solute changed
// with the solvent kept, and the solvent changed with the solute kept
// (稀释前后溶质的质量不变; 浓缩前后溶质的质量不变); the last lines end with
// the two amounts of the answer ("应减少溶质 = … = 11.1111111111111g",
// "应增加溶剂 = … = 100g").
WorkedSolution DilutionSolution(Direction direction, KnownMasses mode, const MassTexts& masses,
                                std::string_view target);

}  // namespace numora::chem
