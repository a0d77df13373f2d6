// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChildWindowTable.h"

#include "Chem.h"
#include "Maths.h"
#include "Scientific.h"
#include "SimpleCalculator.h"
#include "Standard.h"
#include "frmAbout.h"
#include "frmData.h"
#include "frmOption.h"

namespace numora {

const std::vector<ChildWindowRow>& ChildWindowTable() {
    using Command = MainFrame::Command;
    static const std::vector<ChildWindowRow> table = {
        {"Standard", Command::Standard, [](Services& s, MainFrame&) -> QWidget* { return new Standard(s); }},
        {"Maths", Command::Maths, [](Services& s, MainFrame&) -> QWidget* { return new Maths(s); }},
        {"Chem", Command::Chem, [](Services& s, MainFrame&) -> QWidget* { return new Chem(s); }},
        {"Scientific", Command::Scientific, [](Services& s, MainFrame&) -> QWidget* { return new Scientific(s); }},
        {"frmOption", Command::Option, [](Services& s, MainFrame& f) -> QWidget* { return new frmOption(s, f); }},
        {"frmData", Command::Data, [](Services&, MainFrame&) -> QWidget* { return new frmData; }},
        {"frmAbout", Command::About,
         [](Services& s, MainFrame& f) -> QWidget* { return new frmAbout(s, f.windowIcon()); }},
    };
    return table;
}

void FurnishFrame(MainFrame& frame) {
    for (const ChildWindowRow& row : ChildWindowTable())
        frame.registerChild(QLatin1String(row.name), row.command, row.make);
    frame.setSimpleCalculator(&RunSimpleCalculator);
}

}  // namespace numora
