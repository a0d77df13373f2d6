// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FrameCommands.h"

namespace numora {
namespace {

const MarkedCommand kMarked[] = {
    {FrameCommand::Standard, "mnuProgramRunStandard", "mnuRightRunStandard", "Standard"},
    {FrameCommand::Maths, "mnuProgramRunSpecialMaths", "mnuRightRunSpecialMaths", "Maths"},
    {FrameCommand::Chem, "mnuProgramRunSpecialChem", "mnuRightRunSpecialChem", "Chem"},
    {FrameCommand::Scientific, "mnuProgramRunScientific", "mnuRightRunScientific", "Scientific"},
    {FrameCommand::Option, "mnuOptionOption", "mnuRightOption", "Option"},
    {FrameCommand::Data, "mnuHelpData", "mnuRightData", "Data"},
    {FrameCommand::About, "mnuHelpAbout", "mnuRightAbout", "About"},
    {FrameCommand::ViewToolBar, "mnuOptionViewToolBar1", "mnuRightViewToolBar1", nullptr},
    {FrameCommand::ViewStatusBar, "mnuOptionViewStatusBar", "mnuRightViewStatusBar", nullptr},
};

}  // namespace

const MarkedCommand* FindMarkedCommand(FrameCommand command) {
    for (const auto& row : kMarked)
        if (row.command == command) return &row;
    return nullptr;
}

bool TogglesWindow(FrameCommand command) {
    const MarkedCommand* row = FindMarkedCommand(command);
    return row && row->positionPrefix;
}

}  // namespace numora
