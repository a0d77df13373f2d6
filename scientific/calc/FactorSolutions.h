// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The factorization in the school book's form: the prime-power form beside
// the list ("360 = 2³×3²×5") and the worked solution by short division
// (短除法), one division a line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Factorization.h"
#include "Solutions.h"

namespace numora::scientific {

// "360 = 2³×3²×5" for n and its prime factors (Factorize's list, the run's
// whole list); "7 = 7" for a prime.
std::string PrimePowerLine(std::int32_t n, const std::vector<std::int32_t>& factors);

// The line for the typed number, computed at once (microseconds for any
// accepted number); nullopt where the factorization refuses it.
std::optional<ExactForms> ExactFactorization(std::string_view text);

// 360 ÷ 2 = 180, 180 ÷ 2 = 90, ..., 5是质数, 360 = 2³×3²×5. The input
// checks' messages for a refused number.
WorkedSolution FactorizationSolution(std::string_view text);

}  // namespace numora::scientific
