// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Degree angles reduced exactly. The trigonometric calculator takes whole
// turns and quarter turns off the angle the user typed, and folds the rest
// into the first octant, on the typed decimal digits themselves: 90.6 is
// exactly 0.6 past the vertical axis (the double nearest to 90.6 is not),
// 1E+16 is exactly 280, and an angle on an axis has its exact sine and
// cosine. Only the octant angle becomes a binary number, in extended
// precision (long double), as do its sine and cosine, so that their 15-digit
// text is right also next to a rounding boundary (sin 45° and cos 45° are
// both .707106781186548; in double precision the sine came out one unit of
// its last bit low and showed .707106781186547).
#pragma once

#include <string_view>

namespace numora::maths {

struct DegreeAngle {
    bool negative = false;  // the typed angle is below 0
    int quadrant = 0;       // whole quarter turns after the whole turns, 0..3
    long double octant = 0; // what is left, in [0, 45]: the rest itself, or 90 - rest
    bool folded = false;    // the rest was above 45, so octant is 90 - rest
    bool operator==(const DegreeAngle&) const = default;
};

// The angle of `angleText` as the leading-number parse reads it (blanks
// ignored, no leading number is 0), reduced.
DegreeAngle ReduceDegrees(std::string_view angleText);

// The reduced angle itself, in (-360, 360) with the typed angle's sign: the
// angle the refusals of the tangent and its kin test.
double ReducedDegrees(const DegreeAngle& angle);

struct SinCos {
    long double sin = 0, cos = 1;
};

// sin and cos of the reduced angle: the octant angle in radians is
// (octant·pi) / 180 with pi in extended precision; the quarter turns, the
// fold and the sign are exact. Never a negative zero.
SinCos DegreeSinCos(const DegreeAngle& angle);

}  // namespace numora::maths
