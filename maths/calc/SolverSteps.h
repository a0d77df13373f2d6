// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Worked solutions (解题过程) of the equation solvers, as the school books
// teach them, generated from the typed numbers with exact arithmetic: every
// number in a step is computed, and the last lines are the answer the
// exact forms give (ExactSolvers.h). Input the solver refuses before
// solving (an empty box, a = 0, a number beyond the double range) gives its
// message and no step; a working that ends without a result (Δ < 0, a
// system without exactly one solution) ends with the solver's message.
#pragma once

#include <string_view>

#include "Solutions.h"

namespace numora::maths {

// Decimals cleared first (方程两边同乘以…); 因式分解法 first when the roots
// are rational (the left side then factorises over the integers), then
// 公式法: a, b, c; Δ = b²-4ac with the numbers and its value; the case;
// x = (-b±√Δ)/(2a) with the numbers; "x1 = …" and "x2 = …" (a double root
// "x1 = x2 = …").
WorkedSolution QuadraticSolution(std::string_view a, std::string_view b, std::string_view c);

// 代入消元法 where a coefficient is 1 or -1, 加减消元法 otherwise (which
// equation is multiplied by what, their sum or difference), the value of
// one unknown, substitution for the other; "x = …", "y = …".
WorkedSolution Linear2Solution(std::string_view a1, std::string_view b1, std::string_view c1,
                               std::string_view a2, std::string_view b2, std::string_view c2);

// One unknown eliminated from two pairs of equations, the resulting system
// of two solved as above, substitution back; "x = …", "y = …", "z = …".
WorkedSolution Linear3Solution(std::string_view a1, std::string_view b1, std::string_view c1,
                               std::string_view d1, std::string_view a2, std::string_view b2,
                               std::string_view c2, std::string_view d2, std::string_view a3,
                               std::string_view b3, std::string_view c3, std::string_view d3);

}  // namespace numora::maths
