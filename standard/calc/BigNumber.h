// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Exact decimal arithmetic on digit strings: most significant digit first,
// no sign, separator, point or exponent; leading zeros allowed and kept as
// each operation describes. Any character that is not a digit counts as 0.
// Capacity: operands of at most 256 characters (positions 1..256 of a
// per-position array whose position 0 takes the final carry); a result
// position must fit a signed 16-bit integer. Beyond that an operation fails
// (nullopt, or "-1" from MultiplyOne) and delivers nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace numora::standard {

inline constexpr std::size_t kLargeCapacity = 256;

// a + b, aligned at the last digit; n or n+1 characters (007 + 1 = 008).
std::optional<std::string> LargeAdd(std::string_view a, std::string_view b);

// a - b with exactly n digits, "-" in front when b is larger (1000 - 1 =
// 0999, 1 - 1000 = -0999, 5 - 5 = 0).
std::optional<std::string> LargeMinus(std::string_view a, std::string_view b);

// a times one digit; the failure marker "-1" when a is beyond the capacity.
std::string MultiplyOne(std::string_view a, std::string_view digit);

// a * b by shifted partial products (0 * 123 = 000; an empty b gives "").
std::optional<std::string> LargeMultiply(std::string_view a, std::string_view b);

struct Division {
    std::string quotient;   // Len(a) - Len(b) + 1 digits, leading zeros kept (1234 / 5 = 0246)
    std::string remainder;  // no leading zeros ("0" when exact)
    bool operator==(const Division&) const = default;
};
// Exact long division for divisors of any length; a dividend that is shorter
// and smaller gives quotient "0" and itself as remainder; a divisor whose
// value is 0 fails (leading zeros mean the number they write).
std::optional<Division> LargeDivide(std::string_view a, std::string_view b);

}  // namespace numora::standard
