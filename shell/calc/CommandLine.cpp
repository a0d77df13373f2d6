// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include "VersionText.h"

namespace numora {

std::optional<std::string> CommandLineAnswer(const std::vector<std::string_view>& arguments) {
    for (std::string_view argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            return "用法: numora [--help] [--version]\n"
                   "Numora 计算器套件: 基本计算、科学性计算、数学专科计算和化学专科计算。\n"
                   "需要图形桌面 (X11 或 Wayland)。同一用户只运行一个实例:\n"
                   "再次启动时, 已在运行的窗口会来到前面。\n"
                   "\n"
                   "  -h, --help     显示本帮助并退出\n"
                   "      --version  显示版本并退出\n";
        }
        if (argument == "--version") return VersionText("numora");
    }
    return std::nullopt;
}

}  // namespace numora
