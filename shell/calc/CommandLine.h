// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The options `numora` answers without a display: --help (-h) and
// --version. Every other argument is the toolkit's (-platform, -style, ...)
// and is left to it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

// What to print on standard output and exit with status 0 for the first
// --help, -h or --version among `arguments` (the program's name left out);
// nothing when there is none, and the program starts.
std::optional<std::string> CommandLineAnswer(const std::vector<std::string_view>& arguments);

}  // namespace numora
