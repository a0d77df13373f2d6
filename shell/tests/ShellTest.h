// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Registration of the shell's Qt Test classes: every class registered here
// runs in the one test executable, under one QApplication.
#pragma once

#include <QObject>
#include <QString>

#include "MainFrame.h"

namespace numora::testing {

// The toggle command of each child window, as the application registers
// them (app/ChildWindowTable.cpp); Simple, which toggles no window, for any
// other name.
inline MainFrame::Command ToggleOf(const QString& name) {
    using Command = MainFrame::Command;
    const std::pair<const char*, Command> windows[] = {
        {"Standard", Command::Standard}, {"Maths", Command::Maths},   {"Chem", Command::Chem},
        {"Scientific", Command::Scientific}, {"frmOption", Command::Option}, {"frmData", Command::Data},
        {"frmAbout", Command::About},
    };
    for (const auto& [window, command] : windows)
        if (name == QLatin1String(window)) return command;
    return Command::Simple;
}

// Registers a child window under its name and its toggle command.
inline bool RegisterChild(MainFrame& frame, const QString& name, MainFrame::ChildFactory factory) {
    return frame.registerChild(name, ToggleOf(name), std::move(factory));
}

using ShellTestFactory = QObject* (*)();
int RegisterShellTest(ShellTestFactory factory);

}  // namespace numora::testing

#define NUMORA_SHELL_TEST(TestClass)                                              \
    [[maybe_unused]] static const int TestClass##Registered =                     \
        ::numora::testing::RegisterShellTest([]() -> QObject* { return new TestClass; })
