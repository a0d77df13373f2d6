// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three solvers of the equations tab ("解简易方程(组)"): a quadratic
// equation in one unknown, and linear systems of two and of three equations.
// Each takes the texts of its coefficient boxes (leading-number values; an
// empty box or one without a leading number counts as 0 unless the solver
// checks for emptiness) and returns what the window shows: every result box
// of the solver, or one message and no result box at all.
#pragma once

#include <string_view>

#include "MathsControls.h"
#include "MathsMessages.h"
#include "Outcome.h"

namespace numora::maths {

// a·x² + b·x + c = 0 (kQuadraticBoxes) -> kQuadraticX1, kQuadraticX2.
// In order: a coefficient beyond the double range: "数据过大"; D < 0:
// "此方程无解！"; a = 0: "二次项系数不能为0"; then x1 = (−b + √D) / (2·a),
// x2 = (−b − √D) / (2·a), "数据过大" when either is beyond the double range.
// No emptiness check. D = b·b − 4·a·c and the roots are computed with an
// exponent range of their own (WideDouble), so no intermediate value
// overflows or underflows (1E-200, 0, -1E-200 gives 1 and -1), and in a form
// free of cancellation, so the smaller root is as accurate as the larger
// (1, 1E+08, 1 gives -1E-08 and -100000000).
Outcome SolveQuadratic(std::string_view a, std::string_view b, std::string_view c);

// a1·x + b1·y = c1, a2·x + b2·y = c2 (kLinear2Boxes) -> kLinear2X, kLinear2Y.
// An empty box: "请不要使输入框为空", before anything else. Infinitely many
// solutions: "此方程组不止一组解"; none: "此方程组无解！"; a coefficient or the
// solution beyond the double range: "数据过大" (the kind is decided by
// SolveSystem, LinearSystem.h). The values are Cramer's rule in this order
// of operations, x = (c1·b2 − b1·c2) / (a1·b2 − a2·b1) and
// y = (a1·c2 − a2·c1) / (a1·b2 − a2·b1), unless they differ from SolveSystem's
// solution beyond about the 13th significant digit (an overflowed product,
// a determinant lost to cancellation), when SolveSystem's values are shown.
Outcome SolveLinear2(std::string_view a1, std::string_view b1, std::string_view c1,
                     std::string_view a2, std::string_view b2, std::string_view c2);

// ai·x + bi·y + ci·z = di, i = 1..3 (kLinear3Boxes, row by
// row) -> x, y, z. No emptiness check. Messages as for two unknowns; every
// system with exactly one solution is solved, whatever its coefficient order
// (SolveSystem: exact rational arithmetic or elimination with partial pivoting).
Outcome SolveLinear3(std::string_view a1, std::string_view b1, std::string_view c1, std::string_view d1,
                     std::string_view a2, std::string_view b2, std::string_view c2, std::string_view d2,
                     std::string_view a3, std::string_view b3, std::string_view c3, std::string_view d3);

}  // namespace numora::maths
