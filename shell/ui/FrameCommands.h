// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main frame's commands. Each menu-bar item, its right-click twin and
// its toolbar key (where there is one) run the same command; a command that
// opens a window or shows a bar carries a check mark in both menus.
#pragma once

#include <QString>

namespace numora {

enum class FrameCommand {
    Standard, Maths, Chem, Scientific, Simple, SystemCalculator, Quit,
    ViewToolBar, ViewStatusBar, Option, Help, Data, About,
};

// A command with check marks: its menu-bar item and right-click twin, and
// for the commands that toggle a child window the prefix of that window's
// position keys (<prefix>Left, <prefix>Top under Settings).
struct MarkedCommand {
    FrameCommand command;
    const char* menuItem;
    const char* rightItem;
    const char* positionPrefix;  // nullptr: the command toggles no window
};

// The marked command's row; nullptr for a command without marks.
const MarkedCommand* FindMarkedCommand(FrameCommand command);

// Whether the command toggles a child window (Standard, Maths, Chem,
// Scientific, Option, Data, About).
bool TogglesWindow(FrameCommand command);

}  // namespace numora
