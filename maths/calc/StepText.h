// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pieces of the worked solutions of the equation solvers: polynomials and
// equations written as a textbook writes them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ExactNumber.h"

namespace numora::maths::steps {

// A number as a step writes it: its decimal digits when it has finitely
// many (0.5, -3), the fraction otherwise.
std::string Number(const mpq_class& value);

// Terms c·v joined by their signs, zero terms left out, a coefficient 1 or
// -1 before a letter left out: {1 "x²", -3 "x", 1 ""} -> "x²-3x+1"; "0"
// when every term is 0. `positiveFirst`: a positive term moves to the front
// when the first is negative (1-3x stays, -1+3x becomes 3x-1).
using Terms = std::vector<std::pair<mpq_class, std::string>>;
std::string Polynomial(Terms terms, bool positiveFirst = false);

// The lines' "a×b×c" with negative numbers and fractions in parentheses.
std::string Product(std::initializer_list<std::string> factors);

}  // namespace numora::maths::steps
