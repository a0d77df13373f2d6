// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The application's windows, as the main frame's commands open them: one
// table of names and factories (the calculators, Options, About, the
// reference data), and the simple calculator the frame runs. The frame
// knows its commands; which class each of them builds is decided here
// only, so the shell depends on no calculator and no calculator on the
// shell.
#pragma once

#include <QString>
#include <vector>

#include "MainFrame.h"

namespace numora {

struct ChildWindowRow {
    const char* name;  // the window's name, its widget's objectName
    MainFrame::Command command;
    MainFrame::ChildFactory make;
};

// Every child window, in the order of the frame's toolbar.
const std::vector<ChildWindowRow>& ChildWindowTable();

// Registers every window of the table and the simple calculator with `frame`.
void FurnishFrame(MainFrame& frame);

}  // namespace numora
