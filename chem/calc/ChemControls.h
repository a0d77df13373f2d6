// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chemistry window ("化学专科计算") as data: its control names, captions,
// initial texts, status-bar hints, stored position, and what each
// known-quantity mode locks and enables. The window builds its widgets from
// these tables and decides nothing of its own.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "ControlTable.h"

namespace numora::chem {

// ---- The window ----------------------------------------------------------

inline constexpr const char* kWindow = "Chem";
inline constexpr const char* kWindowTitle = "化学专科计算";
// One tab, decoration only: no tab switching.
inline constexpr const char* kTabStrip = "TabStrip";
inline constexpr const char* kTabCaption = "溶液问题";
inline constexpr const char* kTabKey = "Mixture";
// A single text panel; it starts with kStatusInitial and shows the hints
// and kCalculating.
inline constexpr const char* kStatusBar = "StatusBar";
inline constexpr const char* kStatusInitial = "Numora - 化学专科计算";
// The container on the tab strip has the window's own name.
inline constexpr const char* kPage = "Chem";
inline constexpr const char* kSolutionFrame = "ChemFrame1";

// The window position, stored as text (default 0).
inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kLeftKey = "ChemLeft";
inline constexpr const char* kTopKey = "ChemTop";
// The main frame's menu items whose check marks are cleared when the window closes.
inline constexpr std::array<const char*, 2> kMenuItems = {"mnuProgramRunSpecialChem", "mnuRightRunSpecialChem"};

// ---- Known-quantity mode ("选项") --------------------------------------------

enum class KnownMasses { SoluteAndSolution = 1, SolventAndSolution = 2, SoluteAndSolvent = 3 };
enum class MassBox { Solute, Solvent, Solution };

inline constexpr const char* kModeFrame = "ChemFrame1Frame1";
inline constexpr KnownMasses kInitialMode = KnownMasses::SoluteAndSolution;

// Which two mass boxes a mode reads (in the order their emptiness is
// checked) and which one it locks, in all three mass frames at once. The
// locked box keeps its text and is neither read nor written.
struct ModeRow {
    KnownMasses mode;
    const char* control;  // the option button
    std::array<MassBox, 2> reads;
    MassBox locked;
    bool molarityEnabled;  // the molar-concentration frame is usable
};
inline constexpr std::array<ModeRow, 3> kModes = {{
    {KnownMasses::SoluteAndSolution, "ChemFrame1Frame1Option1", {MassBox::Solute, MassBox::Solution},
     MassBox::Solvent, true},
    {KnownMasses::SolventAndSolution, "ChemFrame1Frame1Option2", {MassBox::Solvent, MassBox::Solution},
     MassBox::Solute, false},
    {KnownMasses::SoluteAndSolvent, "ChemFrame1Frame1Option3", {MassBox::Solute, MassBox::Solvent},
     MassBox::Solution, false},
}};

constexpr bool IsKnownMode(KnownMasses mode) {
    return static_cast<int>(mode) >= 1 && static_cast<int>(mode) <= 3;
}
// The row of a known mode (IsKnownMode).
constexpr const ModeRow& ModeOf(KnownMasses mode) { return kModes[static_cast<std::size_t>(mode) - 1]; }

// The solute, solvent and solution boxes of one frame.
struct MassBoxes {
    const char* solute;
    const char* solvent;
    const char* solution;
    constexpr const char* operator[](MassBox box) const {
        return box == MassBox::Solute ? solute : box == MassBox::Solvent ? solvent : solution;
    }
};

// ---- Mass fraction ("质量分数") ----------------------------------------------

inline constexpr const char* kFractionFrame = "ChemFrame1Frame2";
inline constexpr MassBoxes kFractionBoxes = {"ChemFrame1Frame2Text1", "ChemFrame1Frame2Text2",
                                             "ChemFrame1Frame2Text3"};
inline constexpr const char* kFractionResult = "ChemFrame1Frame2Text4";
enum class FractionOf { Solute, Solvent };
inline constexpr const char* kSoluteFractionButton = "ChemFrame1Frame2cmd1";
inline constexpr const char* kSolventFractionButton = "ChemFrame1Frame2cmd2";
// Each problem's 解题过程 button; the mass fraction's works the fraction
// last computed (the solute's before any).
inline constexpr const char* kFractionSolution = "ChemFrame1Frame2Solution";

// ---- Solubility ("溶解度") -------------------------------------------------

inline constexpr const char* kSolubilityFrame = "ChemFrame1Frame3";
inline constexpr MassBoxes kSolubilityBoxes = {"ChemFrame1Frame3Text1", "ChemFrame1Frame3Text2",
                                               "ChemFrame1Frame3Text3"};
inline constexpr const char* kSolubilityResult = "ChemFrame1Frame3Text4";
inline constexpr const char* kSolubilityButton = "ChemFrame1Frame3cmd1";
inline constexpr const char* kSolubilitySolution = "ChemFrame1Frame3Solution";

// ---- Molar concentration ("量浓度"), usable only in mode 1 -------------------

inline constexpr const char* kMolarityFrame = "ChemFrame1Frame4";
inline constexpr const char* kMolarityAmount = "ChemFrame1Frame4Text1";  // mol
inline constexpr const char* kMolarityVolume = "ChemFrame1Frame4Text2";  // L
inline constexpr const char* kMolarityResult = "ChemFrame1Frame4Text3";
inline constexpr const char* kMolarityButton = "ChemFrame1Frame4cmd1";
inline constexpr const char* kMolaritySolution = "ChemFrame1Frame4Solution";

// ---- Dilution and concentration ("稀/浓溶液") ---------------------------------

inline constexpr const char* kDilutionFrame = "ChemFrame1Frame5";
inline constexpr MassBoxes kDilutionBoxes = {"ChemFrame1Frame5Text1", "ChemFrame1Frame5Text2",
                                             "ChemFrame1Frame5Text3"};
inline constexpr const char* kDilutionTarget = "ChemFrame1Frame5Text4";  // percent, without "%"
inline constexpr const char* kDilutionButton = "ChemFrame1Frame5cmd1";
inline constexpr const char* kDilutionSolution = "ChemFrame1Frame5Solution";
// The panel of the worked solutions.
inline constexpr SolutionPanelControls kSolutionPanel = {
    "ChemSolutionPanel", "ChemSolutionPanelList1", "ChemSolutionPanelcmd1",
    "ChemSolutionPanelcmd2", "ChemSolutionPanelcmd3", "ChemSolutionPanelcmd4"};

// "求稀" (make it more dilute) or "求浓" (make it more concentrated). The
// target box's hint follows the selected direction.
enum class Direction { Dilute, Concentrate };
inline constexpr Direction kInitialDirection = Direction::Dilute;
struct DirectionRow {
    Direction direction;
    const char* control;  // the option button
    const char* targetHint;
};
inline constexpr std::array<DirectionRow, 2> kDirections = {{
    {Direction::Dilute, "ChemFrame1Frame5Option1", "稀释后的质量分数(%)"},
    {Direction::Concentrate, "ChemFrame1Frame5Option2", "稀释前的质量分数(%)"},
}};

// ---- Captions, initial texts, result boxes ------------------------------------

// Frames, buttons and option buttons. "开  始" has two ASCII blanks.
inline constexpr std::array<ControlText, 16> kCaptions = {{
    {"ChemFrame1", "溶液问题"},
    {"ChemFrame1Frame1", "选项"},
    {"ChemFrame1Frame1Option1", "已知溶质和溶液"},
    {"ChemFrame1Frame1Option2", "已知溶剂和溶液"},
    {"ChemFrame1Frame1Option3", "已知溶质和溶剂"},
    {"ChemFrame1Frame2", "质量分数"},
    {"ChemFrame1Frame2cmd1", "溶质质量分数"},
    {"ChemFrame1Frame2cmd2", "溶剂质量分数"},
    {"ChemFrame1Frame3", "溶解度"},
    {"ChemFrame1Frame3cmd1", "开  始"},
    {"ChemFrame1Frame4", "量浓度"},
    {"ChemFrame1Frame4cmd1", "开  始"},
    {"ChemFrame1Frame5", "稀/浓溶液"},
    {"ChemFrame1Frame5Option1", "求稀"},
    {"ChemFrame1Frame5Option2", "求浓"},
    {"ChemFrame1Frame5cmd1", "有关质量分数"},
}};

// Every text box with the text it starts with.
inline constexpr std::array<ControlText, 15> kInitialTexts = {{
    {"ChemFrame1Frame2Text1", "0"},
    {"ChemFrame1Frame2Text2", "0"},
    {"ChemFrame1Frame2Text3", "0"},
    {"ChemFrame1Frame2Text4", "0%"},
    {"ChemFrame1Frame3Text1", "0"},
    {"ChemFrame1Frame3Text2", "0"},
    {"ChemFrame1Frame3Text3", "0"},
    {"ChemFrame1Frame3Text4", "0g"},
    {"ChemFrame1Frame4Text1", "0"},
    {"ChemFrame1Frame4Text2", "0"},
    {"ChemFrame1Frame4Text3", "0mol/L"},
    {"ChemFrame1Frame5Text1", "0"},
    {"ChemFrame1Frame5Text2", "0"},
    {"ChemFrame1Frame5Text3", "0"},
    {"ChemFrame1Frame5Text4", "0"},
}};

// The result boxes: grey, no hint; the mouse over one sets its tooltip to
// its own current text. The solubility result box is grey but not read-only.
struct ResultBox {
    const char* control;
    bool readOnly;
};
inline constexpr std::array<ResultBox, 3> kResultBoxes = {{
    {kFractionResult, true},
    {kSolubilityResult, false},
    {kMolarityResult, true},
}};

// ---- Status-bar hints ----------------------------------------------------------

// The hint the mouse over a control writes into the status bar. The target
// box kDilutionTarget is not here: its hint follows the direction (HintFor).
// The mode buttons, the tab strip and the result boxes have no hint.
inline constexpr std::array<ControlText, 25> kHints = {{
    {"Chem", "Numora - 化学专科计算"},
    {"ChemFrame1", "溶液问题"},
    {"ChemFrame1Frame1", "溶液问题 - 选项"},
    {"ChemFrame1Frame2", "溶液问题 - 质量分数"},
    {"ChemFrame1Frame2cmd1", "计算溶质质量分数"},
    {"ChemFrame1Frame2cmd2", "计算溶剂质量分数"},
    {"ChemFrame1Frame2Text1", "溶质质量(g)"},
    {"ChemFrame1Frame2Text2", "溶剂质量(g)"},
    {"ChemFrame1Frame2Text3", "溶液质量(g)"},
    {"ChemFrame1Frame3", "溶液问题 - 溶解度"},
    {"ChemFrame1Frame3cmd1", "开始计算溶解度"},
    {"ChemFrame1Frame3Text1", "溶液饱和时的溶质质量(g)"},
    {"ChemFrame1Frame3Text2", "溶液饱和时的溶剂质量(g)"},
    {"ChemFrame1Frame3Text3", "溶液饱和时的溶液质量(g)"},
    {"ChemFrame1Frame4", "溶液问题 - 量浓度"},
    {"ChemFrame1Frame4cmd1", "开始计算溶质的量浓度"},
    {"ChemFrame1Frame4Text1", "溶质的物质的量(mol)"},
    {"ChemFrame1Frame4Text2", "溶液体积(L)"},
    {"ChemFrame1Frame5", "溶液问题 - 稀/浓溶液"},
    {"ChemFrame1Frame5cmd1", "开始计算有关质量分数的数据"},
    {"ChemFrame1Frame5Option1", "求稀释后的有关数据"},
    {"ChemFrame1Frame5Option2", "求稀释前的有关数据"},
    {"ChemFrame1Frame5Text1", "溶质质量(g)"},
    {"ChemFrame1Frame5Text2", "溶剂质量(g)"},
    {"ChemFrame1Frame5Text3", "溶液质量"},
}};

// The hint of `control` while `direction` is selected, or nullptr when the
// control writes none.
constexpr const char* HintFor(std::string_view control, Direction direction) {
    if (control == kDilutionTarget)
        for (const DirectionRow& row : kDirections)
            if (row.direction == direction) return row.targetHint;
    return TextOf(kHints, control);
}

// ---- What a mode switch does ------------------------------------------------------

struct BoxLock {
    const char* control;
    bool locked;
};
// The nine mass boxes of the three mass frames with their lock, and whether
// the molar-concentration frame (boxes and button) is enabled. Switching
// changes nothing else: every box keeps its text.
struct ModeState {
    std::array<BoxLock, 9> boxes;
    bool molarityEnabled;
};
inline constexpr std::array<MassBoxes, 3> kMassFrames = {kFractionBoxes, kSolubilityBoxes, kDilutionBoxes};

constexpr ModeState StateOf(KnownMasses mode) {
    const ModeRow& row = ModeOf(mode);
    ModeState state{};
    std::size_t i = 0;
    for (const MassBoxes& frame : kMassFrames)
        for (MassBox box : {MassBox::Solute, MassBox::Solvent, MassBox::Solution})
            state.boxes[i++] = {frame[box], box == row.locked};
    state.molarityEnabled = row.molarityEnabled;
    return state;
}

}  // namespace numora::chem
