// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "CommandLine.h"
#include "Version.h"

using namespace numora;

TEST(CommandLine, AnswersHelpAndVersionOnly) {
    const std::string version = std::string("numora ") + kVersion + "\n";
    const struct {
        std::vector<std::string_view> arguments;
        const char* starts;  // nullptr: the program starts
    } cases[] = {
        {{}, nullptr},
        {{"--help"}, "用法: numora [--help] [--version]\n"},
        {{"-h"}, "用法: numora"},
        {{"--version"}, version.c_str()},
        {{"-platform", "offscreen", "--version"}, version.c_str()},  // after the toolkit's own
        {{"--version", "--help"}, version.c_str()},                   // the first one counts
        {{"-platform", "xcb"}, nullptr},                               // the toolkit's
        {{"--verbose"}, nullptr},
        {{"--help=x"}, nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<std::string> answer = CommandLineAnswer(c.arguments);
        ASSERT_EQ(answer.has_value(), c.starts != nullptr) << (c.arguments.empty() ? "" : c.arguments.back());
        if (answer) {
            EXPECT_EQ(answer->rfind(c.starts, 0), 0u) << *answer;
        }
    }
    EXPECT_NE(CommandLineAnswer({"--version"})->find("License GPLv3+"), std::string::npos);
}
