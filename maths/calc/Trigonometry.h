// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The trigonometric calculator ("三角函数" frame MathsTriF): the six functions
// of a typed angle in degrees or radians, refusing the angles whose terminal
// side lies on the axis where the function is undefined.
#pragma once

#include <array>
#include <numbers>
#include <string_view>

#include "MathsControls.h"
#include "MathsMessages.h"
#include "Outcome.h"

namespace numora::maths {

// The pi of all the suite's trigonometry: the double nearest to pi
// (3.141592653589793). The 15-digit 3.14159265358979 lies 3.2E-15 below it,
// enough to show tan 45° as 0.999999999999998.
inline constexpr double kPi = std::numbers::pi;

// The functions (TrigFunction), their buttons (kTrigButtons) and the boxes
// (kAngle, kTrigResult) are in MathsControls.h.
//
// f of the angle in `angleText` (the text of kAngle) -> kTrigResult.
// An empty text: "请不要使输入框为空"; a text without a leading number is the
// angle 0; an angle beyond the double range or a result that is not finite:
// "数据过大".
//
// Degree mode: θ is first reduced exactly by whole turns, on its typed
// decimal digits (ReduceDegrees; the remainder keeps θ's sign, so every
// angle of (-360, 360) stays as typed and a huge angle such as 1E+16
// becomes 280); the refusals below test that angle. The sine and cosine
// come from the same reduction carried on to quarter turns and the first
// octant (an angle above 45 folded to its complement), so an angle on an
// axis has its exact values (sin 180° = 0, cos 90° = 0) and only the octant
// angle a of (0, 45] is turned into radians, x = (a·pi) / 180, in extended
// precision.
// The other four are quotients of those two (tan = sin/cos, sec = 1/cos...),
// so sin 30° = 0.5, cos 60° = 0.5, tan 45° = 1, cot 1° = 57.2899616307594
// in the 15-digit number text. Tangent and secant refuse the reduced θ when round(θ − 90) or round(θ + 90) is a
// multiple of 360, cotangent and cosecant when round(θ + 180) or round(θ) is
// ("round": to the nearest integer, halves to the even one), that is
// |θ − (90 + 180k)| <= 0.5 and |θ − 180k| <= 0.5.
//
// Radian mode: x = θ. Tangent and secant refuse θ within
// 5E-14·max(1, |θ|) of an odd multiple of kPi/2, cotangent and cosecant
// within that distance of a multiple of kPi: a 15-digit number typed for an
// angle on an axis (3.14159265358979, 1.5707963267949, 4.71238898038469,
// 6.28318530717958, or pi to 17 digits) is refused, and any angle
// typed as such to fewer digits (1.57, 3.1416) is computed. From
// |θ| >= about 3.1E+13 the tolerance exceeds kPi/2 and the four refuse every angle.
Outcome Trig(TrigFunction f, std::string_view angleText, bool radians);

}  // namespace numora::maths
