// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Exact values of the six functions at the special angles in degrees (every
// whole multiple of 15° and of 18°, any sign, any number of whole turns),
// and the worked solution of the trigonometric calculator: the 诱导公式
// that take an angle to an acute one, then its value.
#pragma once

#include <optional>
#include <string_view>

#include "ExactNumber.h"
#include "Solutions.h"
#include "Trigonometry.h"

namespace numora::maths {

// A degree angle θ taken to an acute angle by the 诱导公式:
//   f(-θ) = ±f(θ);  f(k·360° + β) = f(β);  then, β inside a quadrant,
//   f(180° - α), f(180° + α) or f(360° - α) = ±f(α).
struct DegreeReduction {
    mpq_class angle;     // θ as typed
    mpz_class turns;     // |θ| = turns·360° + within
    mpq_class within;    // in [0°, 360°)
    int quadrant = 0;    // 1..4 when within lies inside a quadrant, 0 on an axis
    mpq_class acute;     // α, 0° < α < 90° (within itself on an axis)
    int quadrantSign = 1;  // f(within) = quadrantSign·f(α)
    int sign = 1;          // f(θ) = sign·f(α)
};
// nullopt when the typed angle needs more than kDigitCap digits.
std::optional<DegreeReduction> ReduceDegreeAngle(TrigFunction f, std::string_view angleText);

// f at a degree angle that is a whole multiple of 15° or of 18°; nullopt
// for every other angle and where f is undefined (tan 90°).
std::optional<exact::ExactValue> SpecialValue(TrigFunction f, const mpq_class& degrees);

// "精确值: √3/2" in degrees at the special angles; nullopt for other angles,
// for radians and where Trig refuses the angle.
std::optional<ExactForms> ExactTrig(TrigFunction f, std::string_view angleText, bool radians);

// sin 150° = sin(180°-30°) = sin 30°, sin 30° = 1/2, sin 150° = 1/2; for an
// angle without an exact value the reduction and the decimal ("≈"); in
// radians the decimal alone. Trig's refusals give its message.
WorkedSolution TrigSolution(TrigFunction f, std::string_view angleText, bool radians);

}  // namespace numora::maths
