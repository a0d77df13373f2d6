// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Square linear systems of two or three equations: whether they have exactly
// one solution, infinitely many or none, and the solution when it is unique.
//
// A system is given as its augmented rows, row after row: for n = 3,
// a1 b1 c1 d1  a2 b2 c2 d2  a3 b3 c3 d3 (coefficients, then the right side).
#pragma once

#include <array>
#include <optional>
#include <span>

namespace numora::maths {

enum class SystemKind {
    Unique,    // exactly one solution, in `values`
    Infinite,  // consistent and dependent
    None,      // inconsistent
    Overflow,  // a coefficient, an intermediate value or the solution is beyond the double range
};

struct SystemSolution {
    SystemKind kind = SystemKind::None;
    std::array<double, 3> values{};  // x, y[, z] when kind is Unique
    bool exact = false;              // classified and solved in exact rational arithmetic
};

// Exact rational arithmetic on the decimals the coefficients stand for.
// Applies when every coefficient is the double nearest to N / 10^k, for one
// common k in 0..18 and integers |N| <= 2^40 (about 1.1E+12): all coefficients
// written with at most twelve digits from the leading digit of the largest
// to the last decimal place of the finest (integers below 10^12; 0.1, 2.5,
// -0.375 and 1E-06 beside numbers below 10^6; ...). The ranks of the
// coefficient matrix and of the augmented matrix then decide the kind
// without any tolerance, and the unique solution is the exact quotient of
// Cramer's determinants, rounded once to double (so an integer solution is
// exactly that integer and a zero is 0).
// nullopt when the coefficients are not of that form.
std::optional<SystemSolution> SolveSystemExactly(int n, std::span<const double> augmented);

// Gaussian elimination with partial pivoting, after scaling rows and columns
// by powers of two (exact), in doubles with an exponent range of their own
// (WideDouble): no determinant, product or scaling overflows or underflows
// when the coefficients are within the double range. An entry counts as
// zero when it is within 32 rounding units of the sum of the magnitudes of
// the terms that produced it, so the kind is decided to the precision of
// double arithmetic; an unknown whose back substitution cancels so is 0.
// A solution beyond the double range is Overflow.
SystemSolution SolveSystemByElimination(int n, std::span<const double> augmented);

// The exact method when it applies, elimination otherwise.
SystemSolution SolveSystem(int n, std::span<const double> augmented);

}  // namespace numora::maths
