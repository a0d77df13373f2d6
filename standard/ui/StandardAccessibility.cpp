// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StandardAccessibility.h"

#include "SolutionPanel.h"
#include "StandardControls.h"

namespace numora {

// Control name -> accessible name, description. A field is named after its
// frame and its part in the operation; a button after its caption and what
// it acts on. Descriptions not given here come from the hint table.
AccessibleTable StandardAccessibility() {
    const struct { const char* control; const char* name; const char* description; } rows[] = {
        // Full page.
        {standard::kAddFirst, "加法运算 被加数", nullptr},
        {standard::kAddSecond, "加法运算 加数", nullptr},
        {standard::kAddResult, "加法运算 和", "加法运算的结果"},
        {standard::kAddButton, "加法运算 开始", nullptr},
        {standard::kSubtractFirst, "减法运算 被减数", nullptr},
        {standard::kSubtractSecond, "减法运算 减数", nullptr},
        {standard::kSubtractResult, "减法运算 差", "减法运算的结果"},
        {standard::kSubtractButton, "减法运算 开始", nullptr},
        {standard::kMultiplyFirst, "乘法运算 被乘数", nullptr},
        {standard::kMultiplySecond, "乘法运算 乘数", nullptr},
        {standard::kMultiplyResult, "乘法运算 积", "乘法运算的结果"},
        {standard::kMultiplyButton, "乘法运算 开始", nullptr},
        {standard::kDividend, "除法运算 被除数", nullptr},
        {standard::kDivisor, "除法运算 除数", nullptr},
        {standard::kQuotient, "除法运算 商", nullptr},
        {standard::kIntegerQuotient, "除法运算 整数商", nullptr},
        {standard::kRemainder, "除法运算 余数", nullptr},
        {standard::kDivideButton, "除法运算 开始", nullptr},
        {standard::kPowerBase, "乘方运算 底数", nullptr},
        {standard::kPowerExponent, "乘方运算 指数", nullptr},
        {standard::kPowerResult, "乘方运算 幂", "乘方运算的结果"},
        {standard::kPowerButton, "乘方运算 开始", nullptr},
        {standard::kRootIndex, "开方运算 根指数", nullptr},
        {standard::kRadicand, "开方运算 被开方数", nullptr},
        {standard::kRootResult, "开方运算 方根", "开方运算的结果"},
        {standard::kRoundedRoot, "开方运算 方根取整", "方根四舍五入后的整数"},
        {standard::kRootButton, "开方运算 开始", nullptr},
        {standard::kRootExact, "开方运算 精确值", "方根的精确值(最简根式)"},
        {standard::kRootSolution, "开方运算 解题过程", "显示开方的解题过程"},
        {standard::kLogBase, "对数运算 底数", nullptr},
        {standard::kLogArgument, "对数运算 真数", nullptr},
        {standard::kLogResult, "对数运算 对数", "对数运算的结果"},
        {standard::kLogButton, "对数运算 开始", nullptr},
        {standard::kFactorialInput, "阶乘运算 数", nullptr},
        {standard::kFactorialResult, "阶乘运算 阶乘", "阶乘运算的结果"},
        {standard::kFactorialButton, "阶乘运算 开始", nullptr},
        // Quick page.
        {standard::kQuickFirst, "输入区域 第一个数", nullptr},
        {standard::kQuickSecond, "输入区域 第二个数", nullptr},
        {standard::kQuickButtons[0].control, "简易运算 加法", "两数相加"},
        {standard::kQuickButtons[1].control, "简易运算 减法", "第一个数减去第二个数"},
        {standard::kQuickButtons[2].control, "简易运算 乘法", "两数相乘"},
        {standard::kQuickButtons[3].control, "简易运算 除法", "第一个数除以第二个数"},
        {standard::kQuickButtons[4].control, "简易运算 乘方", "以第一个数为底数，第二个数为指数"},
        {standard::kQuickButtons[5].control, "简易运算 开方", "以第一个数为被开方数，第二个数为根指数"},
        {standard::kQuickButtons[6].control, "简易运算 求对数", "以第一个数为底数，第二个数为真数"},
        {standard::kQuickResult, "简易运算 结果", "运算结果"},
        {standard::kQuickExact, "简易运算 精确值", "开方结果的精确值(最简根式)"},
        // Big-number page.
        {standard::kLargeStopButton, "停止大数计算", nullptr},
        {standard::kPairFirst, "计算窗格1 第一个数", nullptr},
        {standard::kPairSecond, "计算窗格1 第二个数", nullptr},
        {standard::kOperations[0].control, "运算方式 加法", nullptr},
        {standard::kOperations[1].control, "运算方式 减法", nullptr},
        {standard::kOperations[2].control, "运算方式 乘法", nullptr},
        {standard::kOperations[3].control, "运算方式 除法", nullptr},
        {standard::kOperations[4].control, "运算方式 乘方", nullptr},
        {standard::kPairButton, "计算窗格1 开始", "计算两个大数"},
        {standard::kPairResult, "计算窗格1 结果", "大数两两计算的结果"},
        {standard::kPairRemainder, "计算窗格1 余数", "余数显示框(除法专用)"},
        {standard::kPairLength, "计算窗格1 结果位数", nullptr},
        {standard::kListEntry, "计算窗格2 新数据", "输入数据，按回车键添加至列表"},
        {standard::kAddItemButton, "计算窗格2 添加至列表", nullptr},
        {standard::kList, "计算窗格2 数据列表", "数据列表：Delete 键删除选中项，F2 键编辑选中项；右键菜单或 Ctrl+C 复制选中的行，Ctrl+A 全选，Ctrl+Shift+C 全部复制，Ctrl+S 保存为文本文件"},
        {standard::kDeleteItemButton, "计算窗格2 删除数据", nullptr},
        {standard::kEditItemButton, "计算窗格2 编辑此数据", nullptr},
        {standard::kClearListButton, "计算窗格2 清除数据", "清除列表框内的全部数据"},
        {standard::kFoldButton, "计算窗格2 开始", "对列表内全部数据求和或求积"},
        {standard::kListCount, "计算窗格2 数据总数", nullptr},
        {standard::kFoldResult, "计算窗格2 结果", "大数集体计算的结果"},
        {standard::kFoldLength, "计算窗格2 结果位数", nullptr},
    };
    AccessibleTable table;
    for (const auto& r : rows)
        table.push_back({QLatin1String(r.control), QString::fromUtf8(r.name),
                         r.description ? QString::fromUtf8(r.description) : QString()});
    // A result the user may also type into.
    for (AccessibleText& row : table) row.result = row.control == QLatin1String("CommonLogText3");
    AddSolutionPanelRows(table, standard::kSolutionPanel);
    return table;
}

}  // namespace numora
