// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the text forms of the settings store.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace numora {

// A whole number in the 32-bit range ("0", " 2", "-1"); a fraction such as
// "1.5" rounds half to even, as the store's own readers do.
std::optional<int> ParseWholeSetting(std::string_view text);
// A single-precision number ("1000", "7680.5", "1E+03").
std::optional<float> ParseSingleSetting(std::string_view text);
// "True"/"False" in any letter case, or a number (nonzero is true).
std::optional<bool> ParseTruthSetting(std::string_view text);

}  // namespace numora
