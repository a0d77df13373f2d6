// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What `numora --version` and `numora-cli --version` print: the program and
// its version, then the copyright and the licence as GNU programs state them.
#pragma once

#include <string>
#include <string_view>

#include "Version.h"

namespace numora {

inline std::string VersionText(std::string_view program) {
    std::string text;
    text.append(program).append(" ").append(kVersion).append("\n");
    text.append(
        "Copyright (C) 2026 The Numora developers.\n"
        "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
        "This is free software: you are free to change and redistribute it.\n"
        "There is NO WARRANTY, to the extent permitted by law.\n");
    return text;
}

}  // namespace numora
