// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Exact forms of the equation solvers' results, beside the decimal ones:
// computed from the typed decimals themselves (0.1 is 1/10) with rational
// arithmetic and radicals in simplest form, so they are right even where
// the double solution is rounded. There is an exact form only beside a
// result: where the solver refuses its input (an empty box, no real root, a
// system without exactly one solution, a number beyond the double range)
// there is none, and the solver's message stands.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "ExactNumber.h"
#include "LinearSystem.h"
#include "Solutions.h"

namespace numora::maths {

// ---- Values with their parts ---------------------------------------------

// a·x² + b·x + c = 0 exactly: the roots x1 = (−b + √Δ)/(2a) and
// x2 = (−b − √Δ)/(2a), as the solver labels them.
struct QuadraticExact {
    mpq_class a, b, c;
    mpq_class discriminant;        // Δ = b² − 4ac >= 0
    exact::RootForm rootOfDiscriminant;
    exact::ExactValue x1, x2;
};
// nullopt where SolveQuadratic shows no roots, and where the exact form
// cannot be had within the work allowed (a discriminant of many digits
// whose simplest form cannot be certified, a value beyond kDigitCap).
std::optional<QuadraticExact> QuadraticRoots(std::string_view a, std::string_view b, std::string_view c);

// A square system in exact rational arithmetic, on the augmented rows
// (a1 b1 [c1] d1 ...): its kind and, when Unique, the solution.
struct RationalSystem {
    SystemKind kind = SystemKind::None;
    std::vector<mpq_class> values;
};
// Throws exact::TooLarge beyond the digit cap.
RationalSystem SolveRationalSystem(int n, const std::vector<mpq_class>& augmented);

// The typed coefficients read exactly; nullopt when one needs more than kDigitCap digits.
std::optional<std::vector<mpq_class>> TypedValues(std::initializer_list<std::string_view> texts);

// ---- Exact forms for the windows and numora-cli ---------------------------

// "精确值: x1 = (3+√5)/2, x2 = (3-√5)/2"; a double root once,
// "精确值: x1 = x2 = -1"; rational roots as fractions.
std::optional<ExactForms> ExactQuadratic(std::string_view a, std::string_view b, std::string_view c);

// "精确值: x = 1/5, y = 2/5".
std::optional<ExactForms> ExactLinear2(std::string_view a1, std::string_view b1, std::string_view c1,
                                       std::string_view a2, std::string_view b2, std::string_view c2);

// "精确值: x = 5, y = 3, z = -2".
std::optional<ExactForms> ExactLinear3(std::string_view a1, std::string_view b1, std::string_view c1,
                                       std::string_view d1, std::string_view a2, std::string_view b2,
                                       std::string_view c2, std::string_view d2, std::string_view a3,
                                       std::string_view b3, std::string_view c3, std::string_view d3);

}  // namespace numora::maths
