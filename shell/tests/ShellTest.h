// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Registration of the shell's Qt Test classes: every class registered here
// runs in the one test executable, under one QApplication.
#pragma once

#include <QObject>

namespace numora::testing {

using ShellTestFactory = QObject* (*)();
int RegisterShellTest(ShellTestFactory factory);

}  // namespace numora::testing

#define NUMORA_SHELL_TEST(TestClass)                                              \
    [[maybe_unused]] static const int TestClass##Registered =                     \
        ::numora::testing::RegisterShellTest([]() -> QObject* { return new TestClass; })
