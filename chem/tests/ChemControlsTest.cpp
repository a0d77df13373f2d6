// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's tables: what each mode locks and enables, and which hint the
// mouse over a control writes.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ChemControls.h"

using namespace numora::chem;

TEST(ModeState, LocksTheUnknownMassInEveryFrame) {
    struct Case {
        KnownMasses mode;
        std::set<std::string> locked;
        bool molarityEnabled;
    };
    const Case cases[] = {
        {KnownMasses::SoluteAndSolution, {"ChemFrame1Frame2Text2", "ChemFrame1Frame3Text2", "ChemFrame1Frame5Text2"}, true},
        {KnownMasses::SolventAndSolution, {"ChemFrame1Frame2Text1", "ChemFrame1Frame3Text1", "ChemFrame1Frame5Text1"}, false},
        {KnownMasses::SoluteAndSolvent, {"ChemFrame1Frame2Text3", "ChemFrame1Frame3Text3", "ChemFrame1Frame5Text3"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.mode));
        const ModeState state = StateOf(c.mode);
        std::set<std::string> locked, all;
        for (const BoxLock& box : state.boxes) {
            all.insert(box.control);
            if (box.locked) locked.insert(box.control);
        }
        EXPECT_EQ(all.size(), 9u);  // every mass box once, so a switch unlocks the others
        EXPECT_EQ(locked, c.locked);
        EXPECT_EQ(state.molarityEnabled, c.molarityEnabled);
        // The mode reads the two boxes it leaves unlocked.
        const ModeRow& row = ModeOf(c.mode);
        EXPECT_NE(row.reads[0], row.reads[1]);
        EXPECT_NE(row.reads[0], row.locked);
        EXPECT_NE(row.reads[1], row.locked);
    }
    EXPECT_EQ(&ModeOf(kInitialMode), &kModes[0]);
}

TEST(Hints, FollowTheControlAndTheDirection) {
    struct Case {
        const char* control;
        Direction direction;
        const char* hint;  // nullptr: none
    };
    const Case cases[] = {
        {"ChemFrame1Frame5Text4", Direction::Dilute, "稀释后的质量分数(%)"},
        {"ChemFrame1Frame5Text4", Direction::Concentrate, "稀释前的质量分数(%)"},
        {"ChemFrame1Frame5Text3", Direction::Concentrate, "溶液质量"},
        {"Chem", Direction::Dilute, "Numora - 化学专科计算"},
        {"ChemFrame1Frame3Text3", Direction::Dilute, "溶液饱和时的溶液质量(g)"},
        // Result boxes show their own text as a tooltip instead; the mode
        // buttons and the tab strip have none.
        {"ChemFrame1Frame2Text4", Direction::Dilute, nullptr},
        {"ChemFrame1Frame3Text4", Direction::Dilute, nullptr},
        {"ChemFrame1Frame4Text3", Direction::Dilute, nullptr},
        {"ChemFrame1Frame1Option1", Direction::Dilute, nullptr},
        {"TabStrip", Direction::Dilute, nullptr},
    };
    for (const auto& c : cases) {
        const char* hint = HintFor(c.control, c.direction);
        EXPECT_EQ(hint ? std::string(hint) : "(none)", c.hint ? std::string(c.hint) : "(none)") << c.control;
    }
    // Every text box other than a result box has a hint.
    for (const auto& box : kInitialTexts) {
        bool result = false;
        for (const ResultBox& r : kResultBoxes) result = result || std::string(r.control) == box.control;
        EXPECT_EQ(HintFor(box.control, Direction::Dilute) == nullptr, result) << box.control;
    }
}

TEST(Tables, NoControlTwice) {
    auto unique = [](const auto& table) {
        std::set<std::string> names;
        for (const auto& row : table) names.insert(row.control);
        return names.size() == table.size();
    };
    EXPECT_TRUE(unique(kCaptions));
    EXPECT_TRUE(unique(kInitialTexts));
    EXPECT_TRUE(unique(kHints));
    EXPECT_TRUE(unique(kModes));
    EXPECT_TRUE(unique(kDirections));
}
