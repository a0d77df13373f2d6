// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingText.h"

#include <cmath>
#include <limits>

#include "NumberText.h"

namespace numora {
namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

std::optional<int> ParseWholeSetting(std::string_view text) {
    auto v = StrictValue(text);
    if (!v) return std::nullopt;
    auto r = RoundToInt32(*v);
    if (!r) return std::nullopt;
    return static_cast<int>(*r);
}

std::optional<float> ParseSingleSetting(std::string_view text) {
    auto v = StrictValue(text);
    if (!v || std::fabs(*v) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(*v);
}

std::optional<bool> ParseTruthSetting(std::string_view text) {
    std::string_view t = TrimBlanks(text);
    if (EqualsNoCase(t, "True")) return true;
    if (EqualsNoCase(t, "False")) return false;
    auto v = StrictValue(t);
    if (!v) return std::nullopt;
    return *v != 0;
}

}  // namespace numora
