// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Trigonometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "DegreeAngle.h"
#include "NumberText.h"

namespace numora::maths {
namespace {

// round(v) is a multiple of 360 (0 and negative multiples included). The
// degree angles tested here lie within one turn of 0, so v always rounds
// into 32 bits.
bool RoundsToMultipleOf360(double v) {
    const auto r = RoundToInt32(v);
    return r && *r % 360 == 0;
}

// θ (radians) lies within the tolerance of k·kPi/2 for a k of the given parity.
bool NearAxisRadians(double theta, bool oddMultiple) {
    constexpr double halfPi = kPi / 2;
    const double tolerance = 5e-14 * std::max(1.0, std::fabs(theta));
    if (tolerance >= halfPi) return true;
    // Candidates beyond the neighbours of the nearest multiple are farther than kPi/2.
    const double nearest = std::round(theta / halfPi);
    for (double k : {nearest - 1, nearest, nearest + 1}) {
        if ((std::fmod(k, 2.0) != 0) != oddMultiple) continue;
        if (std::fabs(std::fma(-k, halfPi, theta)) <= tolerance) return true;
    }
    return false;
}

// The refusal message for f at θ, if any.
const char* Refusal(TrigFunction f, double theta, bool radians) {
    switch (f) {
    case TrigFunction::Tangent:
    case TrigFunction::Secant: {
        const bool onAxis = radians ? NearAxisRadians(theta, true)
                                    : RoundsToMultipleOf360(theta - 90) || RoundsToMultipleOf360(theta + 90);
        return onAxis ? kOnVerticalAxis : nullptr;
    }
    case TrigFunction::Cotangent:
    case TrigFunction::Cosecant: {
        const bool onAxis = radians ? NearAxisRadians(theta, false)
                                    : RoundsToMultipleOf360(theta + 180) || RoundsToMultipleOf360(theta);
        return onAxis ? kOnHorizontalAxis : nullptr;
    }
    case TrigFunction::Sine:
    case TrigFunction::Cosine:
        break;
    }
    return nullptr;
}

double Evaluate(TrigFunction f, double x) {
    switch (f) {
    case TrigFunction::Sine: return std::sin(x);
    case TrigFunction::Cosine: return std::cos(x);
    case TrigFunction::Tangent: return std::tan(x);
    case TrigFunction::Cotangent: return 1 / std::tan(x);
    case TrigFunction::Secant: return 1 / std::cos(x);
    case TrigFunction::Cosecant: return 1 / std::sin(x);
    }
    return std::nan("");
}

// The double whose 15-digit number text is that of `v` rounded once to 15
// significant digits (a 15-digit decimal survives the trip through a double).
double RoundedOnce(long double v) {
    char text[64];
    const char* end = std::to_chars(text, text + sizeof text, v, std::chars_format::scientific, 14).ptr;
    double d = 0;
    return std::from_chars(text, end, d).ec == std::errc() ? d : static_cast<double>(v);
}

// The degree angle's functions come from its exactly reduced angle, in
// extended precision until the 15 digits are taken.
double EvaluateDegrees(TrigFunction f, const DegreeAngle& angle) {
    const auto [s, c] = DegreeSinCos(angle);
    switch (f) {
    case TrigFunction::Sine: return RoundedOnce(s);
    case TrigFunction::Cosine: return RoundedOnce(c);
    case TrigFunction::Tangent: return RoundedOnce(s / c);
    case TrigFunction::Cotangent: return RoundedOnce(c / s);
    case TrigFunction::Secant: return RoundedOnce(1 / c);
    case TrigFunction::Cosecant: return RoundedOnce(1 / s);
    }
    return std::nan("");
}

}  // namespace

Outcome Trig(TrigFunction f, std::string_view angleText, bool radians) {
    if (angleText.empty()) return Outcome::Error(kEmptyInput);
    double theta = LeadingValue(angleText);
    if (!std::isfinite(theta)) return Outcome::Error(kTooLarge);
    // Whole turns of a degree angle are dropped before anything else, on
    // the typed digits; an angle within one turn of 0 is left as it is.
    const DegreeAngle angle = radians ? DegreeAngle() : ReduceDegrees(angleText);
    if (!radians) theta = ReducedDegrees(angle);
    if (const char* refusal = Refusal(f, theta, radians)) return Outcome::Error(refusal);
    const double result = (radians ? Evaluate(f, theta) : EvaluateDegrees(f, angle)) + 0.0;
    if (!std::isfinite(result)) return Outcome::Error(kTooLarge);
    return Outcome().Write(kTrigResult, FormatResult(NumberText(result)));
}

}  // namespace numora::maths
