// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for FormatResult on any text.
//
// For every text: no crash, and the result neither starts nor ends with a
// blank. A text containing a capital "E" is only trimmed. For the texts
// FormatResult is meant for, those NumberText or PaddedNumberText make, the
// result is the same number with a digit before its point (".5" -> "0.5",
// "-.25" -> "-0.25").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "NumberText.h"

namespace {

using numora::FormatResult;
using numora::NumberText;
using numora::PaddedNumberText;
using numora::StrictValue;
using numora::fuzz::Shown;

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text = numora::fuzz::AsText(data, size);
    std::string result = FormatResult(text);
    auto context = [&] { return "FormatResult of " + Shown(text) + " = " + Shown(result); };

    NUMORA_CHECK(result.empty() || (result.front() != ' ' && result.back() != ' '), context());
    if (text.find('E') != std::string_view::npos) NUMORA_CHECK(result == TrimBlanks(text), context());

    std::optional<double> value = StrictValue(text);
    if (!value) return 0;
    if (text != NumberText(*value) && text != PaddedNumberText(*value)) return 0;
    std::optional<double> back = StrictValue(result);
    NUMORA_CHECK(back && *back == *value, context() + "\n(value changed)");
    std::string_view digits = result;
    if (!digits.empty() && digits[0] == '-') digits.remove_prefix(1);
    NUMORA_CHECK(!digits.empty() && digits[0] >= '0' && digits[0] <= '9', context() + "\n(no digit before the point)");
    return 0;
}
