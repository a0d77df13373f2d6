// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scientific window ("科学性计算") as data: its control names (each
// widget's objectName), its pages and the status-bar hints. The window, its
// hint and accessibility tables and the tests name controls through these.
#pragma once

#include <array>

#include "ControlTable.h"

namespace numora::scientific {

// ---- The window ----------------------------------------------------------------

inline constexpr const char* kWindow = "Scientific";
inline constexpr const char* kWindowTitle = "科学性计算";
// The status bar's first text, also the window's hint.
inline constexpr const char* kStatusInitial = "Numora - 科学性计算";
inline constexpr const char* kTabStrip = "TabStrip";
// The pages, named by their tab keys.
inline constexpr const char* kGoldbachPage = "Gdbh";
inline constexpr const char* kFactorPage = "Factorization";
inline constexpr const char* kMersennePage = "Mosunni";
inline constexpr auto kTabs = std::to_array<TabText>({
    {"歌德巴赫猜想", kGoldbachPage, "证明歌德巴赫猜想"},
    {"因数分解", kFactorPage, "将数据因数分解"},
    {"莫孙尼素数计算", kMersennePage, "在一定限度中列出莫孙尼素数"},
});

// ---- Goldbach ("歌德巴赫猜想") ------------------------------------------------------

inline constexpr const char* kGoldbachInputFrame = "GdbhFrame1";
inline constexpr const char* kGoldbachInput = "GdbhFrame1Text1";
inline constexpr const char* kGoldbachButton = "GdbhFrame1cmd1";
inline constexpr const char* kGoldbachStopButton = "GdbhStopcmd";
inline constexpr const char* kGoldbachResultFrame = "GdbhFrame3";
inline constexpr const char* kGoldbachList = "GdbhFrame3List1";
inline constexpr const char* kGoldbachCount = "GdbhFrame3Text1";
inline constexpr const char* kGoldbachNote = "GdbhAnnotate";

// ---- Factorization ("因数分解") ----------------------------------------------------------

inline constexpr const char* kFactorInputFrame = "FactorizationFrame1";
inline constexpr const char* kFactorInput = "FactorizationFrame1Text1";
inline constexpr const char* kFactorButton = "FactorizationFrame1cmd1";
// The worked solution by short division (解题过程).
inline constexpr const char* kFactorSolution = "FactorizationFrame1Solution";
inline constexpr const char* kFactorStopButton = "FactorStopcmd";
inline constexpr const char* kFactorResultFrame = "FactorizationFrame2";
inline constexpr const char* kFactorList = "FactorizationFrame2List1";
inline constexpr const char* kFactorCount = "FactorizationFrame2Text1";
// The prime-power form under the list ("360 = 2³×3²×5"), once the list is whole.
inline constexpr const char* kFactorExact = "FactorizationFrame2Exact";
inline constexpr SolutionPanelControls kSolutionPanel = {
    "ScientificSolutionPanel", "ScientificSolutionPanelList1", "ScientificSolutionPanelcmd1",
    "ScientificSolutionPanelcmd2", "ScientificSolutionPanelcmd3", "ScientificSolutionPanelcmd4"};

// ---- Mersenne primes ("莫孙尼素数计算") -------------------------------------------------

inline constexpr const char* kMersenneFrame = "MosunniFrame1";
inline constexpr const char* kMersenneList = "MosunniFrame1List1";
inline constexpr const char* kMersenneCount = "MosunniFrame1Text1";
inline constexpr const char* kMersenneLastExponent = "MosunniFrame1Text2";
inline constexpr const char* kMersenneButton = "Mosunnicmd1";
inline constexpr const char* kMersenneStopButton = "Mosunnicmd2";

// ---- Tables ------------------------------------------------------------------------------

// The result lists, each with the file name its save command offers.
inline constexpr auto kResultLists = std::to_array<ControlText>({
    {kGoldbachList, "歌德巴赫猜想.txt"},
    {kFactorList, "因数分解.txt"},
    {kMersenneList, "莫孙尼素数.txt"},
});

// The hint the mouse over a control writes into the status bar.
inline constexpr auto kHints = std::to_array<ControlText>({
    {kWindow, kStatusInitial},
    {kTabStrip, "科学性计算选项卡"},
    {kGoldbachPage, "歌德巴赫猜想"},
    {kGoldbachInputFrame, "歌德巴赫猜想 - 验证单个偶数"},
    {kGoldbachButton, "开始验证"},
    {kGoldbachStopButton, "中止检验"},
    {kGoldbachResultFrame, "歌德巴赫猜想 - 显示验证结果"},
    {kGoldbachList, "显示成立列表"},
    {kGoldbachCount, "显示成立个数"},
    {kFactorPage, "因数分解"},
    {kFactorInputFrame, "编辑即将因数分解的数据"},
    {kFactorInput, "输入数据"},
    {kFactorButton, "进行因数分解"},
    {kFactorStopButton, "中止分解"},
    {kFactorResultFrame, "数据因数分解后的结果(因数)"},
    {kFactorList, "因数列表"},
    {kFactorCount, "数据的因数个数"},
    {kMersennePage, "计算莫孙尼素数"},
    {kMersenneButton, "开始计算莫孙尼素数"},
    {kMersenneStopButton, "中止计算"},
    {kMersenneFrame, "莫孙尼素数计算结果"},
    {kMersenneList, "莫孙尼素数列表"},
    {kMersenneCount, "莫孙尼素数总个数"},
    {kMersenneLastExponent, "计算莫孙尼素数中所检测到的最大数"},
});

}  // namespace numora::scientific
