// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The four solution calculators of the chemistry window: mass fraction,
// solubility, molar concentration, dilution and concentration. Each takes
// the texts of its boxes and returns what the window shows: its result box
// (by control name) with the value and its unit, the dilution answer as an
// information box, or one refusal and nothing written.
//
// Box texts are read with the leading-number parse (LeadingValue: "12g" is
// 12, "g12" is 0); an empty box is refused before anything is parsed.
// Masses are in grams. Beyond what each command lists:
//  - a typed number beyond the double range, or a result beyond it, gives
//    "数据过大", after the listed checks; no command writes "inf", "nan" or
//    an empty result;
//  - a zero mass that would divide gives the message of that mass:
//    "溶液质量不能小于或等于0" (mode 3 with solute and solvent both 0, mass
//    fraction and dilution), "溶剂质量不能小于或等于0" (solubility).
#pragma once

#include <string_view>

#include "ChemControls.h"
#include "ChemMessages.h"
#include "Outcome.h"

namespace numora::chem {

// The texts of one frame's solute, solvent and solution boxes. Only the two
// boxes ModeOf(mode).reads names are read; the locked third may hold anything.
struct MassTexts {
    std::string_view solute;
    std::string_view solvent;
    std::string_view solution;
};

// Checks of the mass frames, in order, with s, w, l the solute, solvent and
// solution masses:
//   mode 1: s or l box empty; l <= 0; s < 0; then s > l
//   mode 2: w or l box empty; l <= 0; w < 0; then w > l
//   mode 3: s or w box empty; s < 0; w < 0
// The last check of modes 1 and 2 ("不能大于", a part above the whole) is
// strict for mass fraction and dilution: the part may equal the whole. For
// solubility it also refuses equality ("应小于").

// Mass fraction, buttons ChemFrame1Frame2cmd1 (solute) and cmd2 (solvent):
// the percentage p -> ChemFrame1Frame2Text4 as "<p>%".
//   mode 1: s / l × 100,       (l − s) / l × 100
//   mode 2: (l − w) / l × 100, w / l × 100
//   mode 3: s / (w + s) × 100, w / (s + w) × 100
// An unknown mode gives an empty outcome.
Outcome MassFraction(KnownMasses mode, FractionOf of, const MassTexts& masses);

// Solubility at saturation, grams of solute per 100 g of solvent
// -> ChemFrame1Frame3Text4 as "<S>g".
//   mode 1: s / (l − s) × 100;  mode 2: (l − w) / w × 100;  mode 3: s / w × 100
// A zero solvent (modes 2 and 3): "溶剂质量不能小于或等于0".
// An unknown mode gives an empty outcome.
Outcome Solubility(KnownMasses mode, const MassTexts& masses);

// Molar concentration c = n / V -> ChemFrame1Frame4Text3 as "<c>mol/L".
// Checks in order: either box empty; n < 0: "溶质的物质的量不能小于0";
// V <= 0: "溶液体积不能小于或等于0".
Outcome MolarConcentration(std::string_view amount, std::string_view volume);

// Dilution ("求稀") or concentration ("求浓") to the target fraction t
// (percent, box ChemFrame1Frame5Text4). Checks in order: t box empty;
// t <= 0 or t >= 100: "质量分数应小于100%,大于0%(不需填“%”)"; the mass
// checks; then, with the third mass from l = s + w, X = s / l:
//   求稀: X <= t / 100: "稀释后的质量分数应小于稀释前的质量分数"
//   求浓: X >= t / 100: "稀释前的质量分数应大于稀释后的质量分数"
// The answer is a message (information icon, title "Numora计算结果"), no
// box is written. With D1 = |l − w / (1 − t / 100)|, D2 = |100 × s / t − l|,
// P = X × 100, its text is, for 求稀,
//   "当前溶质的质量分数为<P>%\n\n应减少溶质<D1>g\n或者\n增加溶剂<D2>g"
// each number in the padded form (" 20", " .5"), and for 求浓
//   "当前溶质的质量分数为<P>%\n\n应增加溶质<D1>g\n或者\n减少溶剂<D2>g"
// each number in the result form ("10", "0.5").
// An unknown mode gives an empty outcome.
Outcome Dilution(Direction direction, KnownMasses mode, const MassTexts& masses, std::string_view target);

}  // namespace numora::chem
