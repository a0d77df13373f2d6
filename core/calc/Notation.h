// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pieces of the textbook notation that need no exact arithmetic: raised
// digits for powers (2³), the prime-power form of a factorization
// (2³×3²×5), and the circled numbers that label equations (①).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace numora {

// n in raised digits: 3 -> "³", 12 -> "¹²".
std::string Superscript(std::uint64_t n);

// The prime factors of a number, in non-decreasing order, as powers joined
// by "×": {2, 2, 2, 3, 3, 5} -> "2³×3²×5", {7} -> "7"; empty for none.
std::string PrimePowerText(const std::vector<std::int32_t>& factors);

// ① .. ⑳ for 1 .. 20, "(n)" beyond.
std::string CircledNumber(int n);

}  // namespace numora
