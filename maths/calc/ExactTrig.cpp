// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExactTrig.h"

#include <array>
#include <string>

#include "ExactNotation.h"
#include "NumberText.h"

namespace numora::maths {
namespace {

using exact::ExactValue;

constexpr std::array<const char*, 6> kNames = {"sin", "cos", "tan", "cot", "sec", "csc"};
constexpr std::array<const char*, 6> kChineseNames = {"正弦", "余弦", "正切", "余切", "正割", "余割"};

std::size_t IndexOf(TrigFunction f) { return static_cast<std::size_t>(f); }

// sin, cos, tan, cot, sec and csc are odd, even, odd, odd, even, odd.
bool IsEven(TrigFunction f) { return f == TrigFunction::Cosine || f == TrigFunction::Secant; }

// The sign of f in quadrant 1..4.
int QuadrantSign(TrigFunction f, int quadrant) {
    switch (quadrant) {
    case 2: return f == TrigFunction::Sine || f == TrigFunction::Cosecant ? 1 : -1;
    case 3: return f == TrigFunction::Tangent || f == TrigFunction::Cotangent ? 1 : -1;
    case 4: return f == TrigFunction::Cosine || f == TrigFunction::Secant ? 1 : -1;
    default: return 1;
    }
}

TrigFunction Cofunction(TrigFunction f) {
    switch (f) {
    case TrigFunction::Sine: return TrigFunction::Cosine;
    case TrigFunction::Cosine: return TrigFunction::Sine;
    case TrigFunction::Tangent: return TrigFunction::Cotangent;
    case TrigFunction::Cotangent: return TrigFunction::Tangent;
    case TrigFunction::Secant: return TrigFunction::Cosecant;
    case TrigFunction::Cosecant: return TrigFunction::Secant;
    }
    return f;
}

mpq_class Fraction(long n, long d) {
    mpq_class q(n, d);
    q.canonicalize();
    return q;
}
ExactValue Q(long n, long d = 1) { return ExactValue(Fraction(n, d)); }
ExactValue R(long n, long d, long radicand) { return ExactValue(Fraction(n, d), 2, mpz_class(radicand)); }
ExactValue N(long n, long d, ExactValue inside) { return ExactValue::NestedRoot(Fraction(n, d), std::move(inside)); }

// The six functions (sin, cos, tan, cot, sec, csc) at 15°, 18°, 30°, 36° and 45°.
std::optional<ExactValue> BaseValue(TrigFunction f, long degrees) {
    const std::size_t i = IndexOf(f);
    switch (degrees) {
    case 15: {
        const std::array<ExactValue, 6> v = {R(1, 4, 6) - R(1, 4, 2), R(1, 4, 6) + R(1, 4, 2), Q(2) - R(1, 1, 3),
                                             Q(2) + R(1, 1, 3),       R(1, 1, 6) - R(1, 1, 2), R(1, 1, 6) + R(1, 1, 2)};
        return v[i];
    }
    case 18: {
        const std::array<ExactValue, 6> v = {R(1, 4, 5) - Q(1, 4),          N(1, 4, Q(10) + R(2, 1, 5)),
                                             N(1, 5, Q(25) - R(10, 1, 5)),  N(1, 1, Q(5) + R(2, 1, 5)),
                                             N(1, 5, Q(50) - R(10, 1, 5)),  R(1, 1, 5) + Q(1)};
        return v[i];
    }
    case 30: {
        const std::array<ExactValue, 6> v = {Q(1, 2), R(1, 2, 3), R(1, 3, 3), R(1, 1, 3), R(2, 3, 3), Q(2)};
        return v[i];
    }
    case 36: {
        const std::array<ExactValue, 6> v = {N(1, 4, Q(10) - R(2, 1, 5)), R(1, 4, 5) + Q(1, 4),
                                             N(1, 1, Q(5) - R(2, 1, 5)),  N(1, 5, Q(25) + R(10, 1, 5)),
                                             R(1, 1, 5) - Q(1),            N(1, 5, Q(50) + R(10, 1, 5))};
        return v[i];
    }
    case 45: {
        const std::array<ExactValue, 6> v = {R(1, 2, 2), R(1, 2, 2), Q(1), Q(1), R(1, 1, 2), R(1, 1, 2)};
        return v[i];
    }
    default: return std::nullopt;
    }
}

// f at an acute special angle: the five above and their complements.
std::optional<ExactValue> AcuteValue(TrigFunction f, const mpq_class& degrees) {
    if (degrees.get_den() != 1 || !degrees.get_num().fits_slong_p()) return std::nullopt;
    const long d = degrees.get_num().get_si();
    if (d > 45 && d < 90) return BaseValue(Cofunction(f), 90 - d);
    return BaseValue(f, d);
}

// f at 0°, 90°, 180° and 270°; nullopt where it is undefined.
std::optional<ExactValue> AxisValue(TrigFunction f, long degrees) {
    static constexpr int kUndefined = 2;
    // sin, cos at the four axes; the others follow.
    static constexpr int kSin[] = {0, 1, 0, -1}, kCos[] = {1, 0, -1, 0};
    const int s = kSin[degrees / 90], c = kCos[degrees / 90];
    int v = 0;
    switch (f) {
    case TrigFunction::Sine: v = s; break;
    case TrigFunction::Cosine: v = c; break;
    case TrigFunction::Tangent: v = c == 0 ? kUndefined : s / c; break;
    case TrigFunction::Cotangent: v = s == 0 ? kUndefined : c / s; break;
    case TrigFunction::Secant: v = c == 0 ? kUndefined : c; break;
    case TrigFunction::Cosecant: v = s == 0 ? kUndefined : s; break;
    }
    if (v == kUndefined) return std::nullopt;
    return Q(v);
}

// "sin 30°", "sin(-30°)", "sin(360°+30°)".
std::string Apply(TrigFunction f, const std::string& argument) {
    const std::string name = kNames[IndexOf(f)];
    if (argument.find_first_of("-+×") != std::string::npos) return name + "(" + argument + ")";
    return name + " " + argument;
}

std::string Degrees(const mpq_class& angle) { return exact::DecimalText(angle) + "°"; }

const char* QuadrantName(int quadrant) {
    static constexpr const char* kQuadrants[] = {"", "一", "二", "三", "四"};
    return kQuadrants[quadrant];
}

bool IsAxis(const DegreeReduction& r) { return r.quadrant == 0; }

}  // namespace

std::optional<DegreeReduction> ReduceDegreeAngle(TrigFunction f, std::string_view angleText) {
    try {
        const auto angle = exact::TypedValue(angleText);
        if (!angle) return std::nullopt;
        DegreeReduction r;
        r.angle = *angle;
        const mpq_class magnitude = abs(r.angle);
        // Whole turns: floor(|θ| / 360).
        mpz_fdiv_q(r.turns.get_mpz_t(), magnitude.get_num_mpz_t(), mpz_class(magnitude.get_den() * 360).get_mpz_t());
        r.within = exact::Checked(mpq_class(magnitude - r.turns * 360));
        r.acute = r.within;
        if (r.within.get_den() == 1 && r.within.get_num() % 90 == 0) {
            r.quadrant = 0;
        } else {
            r.quadrant = static_cast<int>(mpz_class(r.within.get_num() / (r.within.get_den() * 90)).get_si()) + 1;
            switch (r.quadrant) {
            case 2: r.acute = 180 - r.within; break;
            case 3: r.acute = r.within - 180; break;
            case 4: r.acute = 360 - r.within; break;
            default: break;
            }
            r.quadrantSign = QuadrantSign(f, r.quadrant);
        }
        r.sign = r.quadrantSign * (sgn(r.angle) < 0 && !IsEven(f) ? -1 : 1);
        return r;
    } catch (const exact::TooLarge&) {
        return std::nullopt;
    }
}

std::optional<ExactValue> SpecialValue(TrigFunction f, const mpq_class& degrees) {
    if (degrees.get_den() != 1 || (degrees.get_num() % 15 != 0 && degrees.get_num() % 18 != 0)) return std::nullopt;
    const auto r = ReduceDegreeAngle(f, exact::DecimalText(degrees));
    if (!r) return std::nullopt;
    if (IsAxis(*r)) {
        auto v = AxisValue(f, r->within.get_num().get_si());
        if (v && sgn(r->angle) < 0 && !IsEven(f)) *v = -*v;
        return v;
    }
    auto v = AcuteValue(f, r->acute);
    if (v && r->sign < 0) *v = -*v;
    return v;
}

std::optional<ExactForms> ExactTrig(TrigFunction f, std::string_view angleText, bool radians) {
    if (radians || Trig(f, angleText, false).failed()) return std::nullopt;
    try {
        const auto angle = exact::TypedValue(angleText);
        if (!angle) return std::nullopt;
        const auto value = SpecialValue(f, *angle);
        if (!value) return std::nullopt;
        const std::string text = exact::Text(*value);
        return ExactForms{{{kTrigResult, text}}, "精确值: " + text};
    } catch (const exact::TooLarge&) {
        return std::nullopt;
    }
}

WorkedSolution TrigSolution(TrigFunction f, std::string_view angleText, bool radians) {
    const Outcome decimal = Trig(f, angleText, radians);
    if (decimal.failed()) return WorkedSolution::Refusal(*decimal.message);
    const std::string result = decimal.Field(kTrigResult).value_or("");
    WorkedSolution s;
    auto& lines = s.lines;
    const auto r = radians ? std::nullopt : ReduceDegreeAngle(f, angleText);
    if (!r) {  // radians, or an angle of too many digits for exact reduction
        const std::string angle = FormatResult(NumberText(LeadingValue(angleText)));
        lines.push_back(Apply(f, radians ? angle : angle + "°") + " ≈ " + result);
        return s;
    }
    const std::string theta = Apply(f, Degrees(r->angle));
    const std::string magnitude = Apply(f, Degrees(abs(r->angle)));
    if (sgn(r->angle) < 0) lines.push_back(theta + " = " + (IsEven(f) ? "" : "-") + magnitude);
    const std::string within = Apply(f, Degrees(r->within));
    if (sgn(r->turns) > 0) {
        std::string turns = (r->turns == 1 ? "" : r->turns.get_str() + "×") + std::string("360°");
        if (sgn(r->within) != 0) turns += "+" + Degrees(r->within);
        lines.push_back(magnitude + " = " + Apply(f, turns) + " = " + within);
    }
    std::string value;  // f(θ) as the last line gives it, after "=" or "≈"
    bool exactValue = true;
    if (IsAxis(*r)) {
        const auto v = AxisValue(f, r->within.get_num().get_si());
        if (!v) return WorkedSolution::Refusal(*decimal.message);  // Trig refuses these itself
        lines.push_back(within + " = " + exact::Text(*v));
        value = exact::Text(sgn(r->angle) < 0 && !IsEven(f) ? ExactValue(-*v) : *v);
    } else {
        const std::string acute = Apply(f, Degrees(r->acute));
        if (r->quadrant != 1) {
            static constexpr const char* kForms[] = {"", "", "180°-", "180°+", "360°-"};
            lines.push_back(Degrees(r->within) + "是第" + QuadrantName(r->quadrant) + "象限角，" +
                            kChineseNames[IndexOf(f)] + "值为" + (r->quadrantSign > 0 ? "正" : "负"));
            lines.push_back(within + " = " + Apply(f, std::string(kForms[r->quadrant]) + Degrees(r->acute)) + " = " +
                            (r->quadrantSign < 0 ? "-" : "") + acute);
        }
        if (const auto v = AcuteValue(f, r->acute)) {
            lines.push_back(acute + " = " + exact::Text(*v));
            value = exact::Text(r->sign < 0 ? ExactValue(-*v) : *v);
        } else {
            const Outcome acuteDecimal = Trig(f, exact::DecimalText(r->acute), false);
            lines.push_back(acute + " ≈ " + acuteDecimal.Field(kTrigResult).value_or(""));
            value = result;
            exactValue = false;
        }
    }
    const std::string last = theta + (exactValue ? " = " : " ≈ ") + value;
    if (lines.empty() || lines.back() != last) lines.push_back(last);
    return s;
}

}  // namespace numora::maths
