// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The basic-calculation window ("基本计算") as data: its control names (each
// widget's objectName, and the keys of the commands' outcomes), the
// status-bar hints, the result fields and the texts that follow the
// big-number page's operation. The window, its hint and accessibility
// tables, the commands and the tests all name controls through these.
#pragma once

#include <array>

#include "ControlTable.h"

namespace numora::standard {

// ---- The window ----------------------------------------------------------------

inline constexpr const char* kWindow = "Standard";
inline constexpr const char* kWindowTitle = "基本计算";
// The status bar's first text, also the hint of the three pages.
inline constexpr const char* kStatusInitial = "Numora - 基本计算";
inline constexpr const char* kTabStrip = "TabStrip1";
// The pages, named by their tab keys.
inline constexpr const char* kFullPage = "Full";
inline constexpr const char* kQuickPage = "Simple";
inline constexpr const char* kLargePage = "Large";
inline constexpr auto kTabs = std::to_array<TabText>({
    {"传统计算－完全界面", kFullPage},
    {"传统计算－简易界面", kQuickPage},
    {"1-255位整数运算", kLargePage},
});

// ---- Full page: a frame each, with its operands, results and start button -----

inline constexpr const char* kAddFrame = "CommonFullFrame1";
inline constexpr const char* kAddFirst = "CommonAddText1";
inline constexpr const char* kAddSecond = "CommonAddText2";
inline constexpr const char* kAddResult = "CommonAddText3";
inline constexpr const char* kAddButton = "Commoncmd1";

inline constexpr const char* kSubtractFrame = "CommonFullFrame2";
inline constexpr const char* kSubtractFirst = "CommonReduceText1";
inline constexpr const char* kSubtractSecond = "CommonReduceText2";
inline constexpr const char* kSubtractResult = "CommonReduceText3";
inline constexpr const char* kSubtractButton = "Commoncmd2";

inline constexpr const char* kMultiplyFrame = "CommonFullFrame3";
inline constexpr const char* kMultiplyFirst = "CommonMultiplyText1";
inline constexpr const char* kMultiplySecond = "CommonMultiplyText2";
inline constexpr const char* kMultiplyResult = "CommonMultiplyText3";
inline constexpr const char* kMultiplyButton = "Commoncmd3";

inline constexpr const char* kDivideFrame = "CommonFullFrame4";
inline constexpr const char* kDividend = "CommonChuText1";
inline constexpr const char* kDivisor = "CommonChuText2";
inline constexpr const char* kIntegerQuotient = "CommonChuText3";
inline constexpr const char* kRemainder = "CommonChuText4";
inline constexpr const char* kQuotient = "CommonChuText5";
inline constexpr const char* kDivideButton = "Commoncmd4";

inline constexpr const char* kPowerFrame = "CommonFullFrame5";
inline constexpr const char* kPowerBase = "CommonPowerText1";
inline constexpr const char* kPowerExponent = "CommonPowerText2";
inline constexpr const char* kPowerResult = "CommonPowerText3";
inline constexpr const char* kPowerButton = "Commoncmd6";

inline constexpr const char* kRootFrame = "CommonFullFrame6";
inline constexpr const char* kRadicand = "CommonKaiText1";
inline constexpr const char* kRootResult = "CommonKaiText2";
inline constexpr const char* kRoundedRoot = "CommonKaiText3";
inline constexpr const char* kRootIndex = "CommonKaiText4";
inline constexpr const char* kRootButton = "Commoncmd7";
// The exact root under the results ("精确值: 2√2") and the button of the
// root's worked solution (解题过程).
inline constexpr const char* kRootExact = "CommonKaiExact";
inline constexpr const char* kRootSolution = "CommonKaiSolution";

inline constexpr const char* kLogFrame = "CommonFullFrame7";
inline constexpr const char* kLogArgument = "CommonLogText1";
inline constexpr const char* kLogBase = "CommonLogText2";
inline constexpr const char* kLogResult = "CommonLogText3";  // typable, unlike the other results
inline constexpr const char* kLogButton = "Commoncmd8";

inline constexpr const char* kFactorialFrame = "CommonFullFrame8";
inline constexpr const char* kFactorialInput = "CommonFactorialText1";
inline constexpr const char* kFactorialResult = "CommonFactorialText2";
inline constexpr const char* kFactorialButton = "Commoncmd9";

// ---- Quick page: two numbers, seven operations, one result --------------------------

inline constexpr const char* kQuickInputFrame = "CommonSimpleFrame1";
inline constexpr const char* kQuickFirst = "CommonSimpleFrame1Text1";
inline constexpr const char* kQuickSecond = "CommonSimpleFrame1Text2";
inline constexpr const char* kQuickFrame = "CommonSimpleFrame2";
inline constexpr const char* kQuickResult = "CommonSimpleFrame2Text1";
// The exact root under the result, written by 开  方 (emptied by the others).
inline constexpr const char* kQuickExact = "CommonSimpleFrame2Exact";
// The operation buttons in the order of QuickOp (add, subtract, multiply,
// divide, power, root, logarithm).
inline constexpr auto kQuickButtons = std::to_array<ControlText>({
    {"CommonSimpleFrame2cmd1", "加  法"},
    {"CommonSimpleFrame2cmd2", "减  法"},
    {"CommonSimpleFrame2cmd3", "乘  法"},
    {"CommonSimpleFrame2cmd4", "除  法"},
    {"CommonSimpleFrame2cmd5", "乘  方"},
    {"CommonSimpleFrame2cmd6", "开  方"},
    {"CommonSimpleFrame2cmd7", "求对数"},
});

// The worked solutions (解题过程) of the full page.
inline constexpr SolutionPanelControls kSolutionPanel = {
    "CommonSolutionPanel", "CommonSolutionPanelList1", "CommonSolutionPanelcmd1",
    "CommonSolutionPanelcmd2", "CommonSolutionPanelcmd3", "CommonSolutionPanelcmd4"};

// ---- Big-number page -------------------------------------------------------------------

inline constexpr const char* kLargeStopButton = "LargeStopcmd";

// The pairwise pane ("计算窗格1").
inline constexpr const char* kPairFrame = "LargeFrame2";
inline constexpr const char* kPairFirst = "LargeText1";
inline constexpr const char* kPairSecond = "LargeText2";
inline constexpr const char* kOperationFrame = "LargeFrame1";
inline constexpr const char* kPairButton = "Largecmd1";
inline constexpr const char* kPairResult = "LargeText3";
inline constexpr const char* kPairRemainder = "LargeText3Se";
inline constexpr const char* kPairLengthLabel = "LargeLabel1";
inline constexpr const char* kPairLength = "LargeLenText1";
// The operation's option buttons in the order of LargeOp, with the hints of
// the two operand fields while the option is selected.
struct OperationRow {
    const char* control;
    const char* caption;
    const char* firstHint;
    const char* secondHint;
};
inline constexpr auto kOperations = std::to_array<OperationRow>({
    {"LargeOption1", "加法", "输入被加数", "输入加数"},
    {"LargeOption2", "减法", "输入被减数", "输入减数"},
    {"LargeOption3", "乘法", "输入被乘数", "输入乘数"},
    {"LargeOption4", "除法", "输入被除数", "输入除数"},
    {"LargeOption5", "乘方", "输入底数", "输入指数"},
});

// The collective pane ("计算窗格2").
inline constexpr const char* kFoldFrame = "LargeFrame3";
inline constexpr const char* kListEntry = "LargeText4";
inline constexpr const char* kAddItemButton = "Largecmd2";
inline constexpr const char* kList = "LargeList1";
inline constexpr const char* kDeleteItemButton = "Largecmd3";
inline constexpr const char* kFoldButton = "Largecmd4";
inline constexpr const char* kEditItemButton = "Largecmd5";
inline constexpr const char* kClearListButton = "Largecmd6";
inline constexpr const char* kFoldResult = "LargeText5";
inline constexpr const char* kListCount = "LargeText6";
inline constexpr const char* kFoldLength = "LargeLenText2";
// The count field's hint: this text, then the count.
inline constexpr const char* kListCountHint = "显示列表框内的数据总数为 ";

// ---- Tables ------------------------------------------------------------------------------

// The hint the mouse over a control writes into the status bar. The
// operand fields' hints follow the operation (kOperations); the count's
// follows the count (kListCountHint).
inline constexpr auto kHints = std::to_array<ControlText>({
    {kFullPage, kStatusInitial},
    {kQuickPage, kStatusInitial},
    {kLargePage, kStatusInitial},
    {kAddButton, "计算和"},
    {kSubtractButton, "计算差"},
    {kMultiplyButton, "计算积"},
    {kDivideButton, "计算商以及整除求余"},
    {kPowerButton, "计算乘方"},
    {kRootButton, "计算开方"},
    {kLogButton, "计算对数"},
    {kFactorialButton, "计算阶乘"},
    {kIntegerQuotient, "整除结果"},
    {kRemainder, "余数"},
    {kQuotient, "标准结果"},
    {kQuickFirst, "输入被加数、被减数、被乘数、被除数、底数、被开放数"},
    {kQuickSecond, "输入加数、减数、乘数、除数、指数、真数"},
    {kOperationFrame, "选择运算方式"},
    {kPairFrame, "大数两两计算"},
    {kFoldFrame, "大数集体计算"},
    {kPairButton, "单击“开始”计算"},
    {kAddItemButton, "向列表框内添加新数据"},
    {kDeleteItemButton, "删除列表框内已被选中/全部的项"},
    {kFoldButton, "开始计算"},
    {kEditItemButton, "编辑列表框内已被选中的项"},
    {kLargeStopButton, "中止所有计算"},
    {kList, "数据列表"},
    {kListCount, "显示列表框内的数据总数为 0"},
    {kOperations[0].control, "选择运算方式—加法"},
    {kOperations[1].control, "选择运算方式—减法"},
    {kOperations[2].control, "选择运算方式—乘法"},
    {kOperations[3].control, "选择运算方式—除法"},
    {kOperations[4].control, "选择运算方式—乘方"},
    {kPairFirst, kOperations[0].firstHint},
    {kPairSecond, kOperations[0].secondHint},
});

// The single-line result fields of the two double-precision pages: each
// shows its whole text as its tool tip, and is as wide as a number needs.
inline constexpr auto kResultFields = std::to_array<const char*>({
    kAddResult,     kSubtractResult, kMultiplyResult, kIntegerQuotient, kRemainder,       kQuotient,
    kPowerResult,   kRootResult,     kRoundedRoot,    kLogResult,       kFactorialResult, kQuickResult,
});

}  // namespace numora::standard
