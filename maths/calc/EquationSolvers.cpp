// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EquationSolvers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <string>

#include "LinearSystem.h"
#include "NumberText.h"
#include "WideDouble.h"

namespace numora::maths {
namespace {

std::string Formatted(double v) { return FormatResult(NumberText(v)); }

bool AllFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// The message for a system without exactly one solution.
const char* Refusal(SystemKind kind) {
    switch (kind) {
    case SystemKind::Infinite: return kInfinitelyManySolutions;
    case SystemKind::None: return kNoSolution;
    case SystemKind::Overflow: return kTooLarge;
    case SystemKind::Unique: break;
    }
    return nullptr;
}

// Cramer's values agree with the accurate ones to about 13 significant
// digits: of each value when the accurate solution is exact, of the larger
// value otherwise (elimination in double is accurate only to that scale).
bool Agrees(double x, double y, const SystemSolution& accurate) {
    const double ax = accurate.values[0], ay = accurate.values[1];
    const double scale = std::max(std::fabs(ax), std::fabs(ay));
    // A value that is exactly 0 must be 0, not a trace of rounding.
    auto close = [&](double cramer, double want) {
        return std::isfinite(cramer) && (want != 0 || cramer == 0) &&
               std::fabs(cramer - want) <= 1e-13 * (accurate.exact ? std::fabs(want) : scale);
    };
    return close(x, ax) && close(y, ay);
}

}  // namespace

Outcome SolveQuadratic(std::string_view aText, std::string_view bText, std::string_view cText) {
    const double a = LeadingValue(aText);
    const double b = LeadingValue(bText);
    const double c = LeadingValue(cText);
    if (!AllFinite({a, b, c})) return Outcome::Error(kTooLarge);
    // In a double with an exponent of its own, so the discriminant neither
    // underflows (1E-200, 0, -1E-200 gave 0, 0 for ±1) nor overflows; where
    // plain doubles would not, the digits are theirs.
    const WideDouble A(a), B(b), C(c);
    const WideDouble d = B * B - WideDouble(4) * A * C;
    if (d.Negative()) return Outcome::Error(kNoRealRoot);
    if (a == 0) return Outcome::Error(kZeroQuadraticCoefficient);
    // x1 = (−b + √D) / (2·a) and x2 = (−b − √D) / (2·a). The root whose
    // numerator adds two values of one sign is computed so; the other one
    // subtracts nearly equal numbers when √D is close to |b| and loses its
    // digits (1, 1E+08, 1 gave -7.45058059692383E-09 for -1E-08), so it is
    // then taken as c / q, with q = −(b + sign(b)·√D) / 2 and the product of
    // the roots c / a. Where √D and |b| differ by |b| or more (b = 0, say)
    // neither numerator loses anything and both keep the plain form.
    const WideDouble root = Sqrt(d);
    const WideDouble twoA = WideDouble(2) * A;
    WideDouble x1 = (-B + root) / twoA;
    WideDouble x2 = (-B - root) / twoA;
    const WideDouble signedRoot = B.Negative() ? -root : root;
    const WideDouble q = -(B + signedRoot) / WideDouble(2);
    if (Abs(root - Abs(B)) < Abs(B) && !q.IsZero()) {
        if (B.Negative())
            x2 = C / q;  // −b > 0: x2's numerator −b − √D cancels
        else
            x1 = C / q;  // −b < 0: x1's numerator −b + √D cancels
    }
    const double r1 = x1.ToDouble(), r2 = x2.ToDouble();
    if (!AllFinite({r1, r2})) return Outcome::Error(kTooLarge);
    return Outcome().Write(kQuadraticX1, Formatted(r1)).Write(kQuadraticX2, Formatted(r2));
}

Outcome SolveLinear2(std::string_view a1Text, std::string_view b1Text, std::string_view c1Text,
                     std::string_view a2Text, std::string_view b2Text, std::string_view c2Text) {
    for (std::string_view text : {a1Text, b1Text, c1Text, a2Text, b2Text, c2Text})
        if (text.empty()) return Outcome::Error(kEmptyInput);
    const double a1 = LeadingValue(a1Text), b1 = LeadingValue(b1Text), c1 = LeadingValue(c1Text);
    const double a2 = LeadingValue(a2Text), b2 = LeadingValue(b2Text), c2 = LeadingValue(c2Text);
    const std::array<double, 6> rows = {a1, b1, c1, a2, b2, c2};
    const SystemSolution system = SolveSystem(2, rows);
    if (const char* refusal = Refusal(system.kind)) return Outcome::Error(refusal);

    // Cramer's rule in this order of operations gives the digits users of the
    // calculator know. Where its rounding shows (cancellation in the
    // determinant, an overflowed product, a spurious tiny value for an exact
    // 0), the accurate solution is shown instead.
    const double det = a1 * b2 - a2 * b1;
    double x = (c1 * b2 - b1 * c2) / det;
    double y = (a1 * c2 - a2 * c1) / det;
    if (!Agrees(x, y, system)) {
        x = system.values[0];
        y = system.values[1];
    }
    return Outcome().Write(kLinear2X, Formatted(x)).Write(kLinear2Y, Formatted(y));
}

Outcome SolveLinear3(std::string_view a1, std::string_view b1, std::string_view c1, std::string_view d1,
                     std::string_view a2, std::string_view b2, std::string_view c2, std::string_view d2,
                     std::string_view a3, std::string_view b3, std::string_view c3, std::string_view d3) {
    std::array<double, 12> rows{};
    std::size_t i = 0;
    for (std::string_view text : {a1, b1, c1, d1, a2, b2, c2, d2, a3, b3, c3, d3}) rows[i++] = LeadingValue(text);
    const SystemSolution system = SolveSystem(3, rows);
    if (const char* refusal = Refusal(system.kind)) return Outcome::Error(refusal);
    return Outcome()
        .Write(kLinear3X, Formatted(system.values[0]))
        .Write(kLinear3Y, Formatted(system.values[1]))
        .Write(kLinear3Z, Formatted(system.values[2]));
}

}  // namespace numora::maths
