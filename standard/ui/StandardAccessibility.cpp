// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StandardAccessibility.h"

namespace numora {

// Control name -> accessible name, description. A field is named after its
// frame and its part in the operation; a button after its caption and what
// it acts on. Descriptions not given here come from the hint table.
AccessibleTable StandardAccessibility() {
    const struct { const char* control; const char* name; const char* description; } rows[] = {
        // Full page.
        {"CommonAddText1", "加法运算 被加数", nullptr},
        {"CommonAddText2", "加法运算 加数", nullptr},
        {"CommonAddText3", "加法运算 和", "加法运算的结果"},
        {"Commoncmd1", "加法运算 开始", nullptr},
        {"CommonReduceText1", "减法运算 被减数", nullptr},
        {"CommonReduceText2", "减法运算 减数", nullptr},
        {"CommonReduceText3", "减法运算 差", "减法运算的结果"},
        {"Commoncmd2", "减法运算 开始", nullptr},
        {"CommonMultiplyText1", "乘法运算 被乘数", nullptr},
        {"CommonMultiplyText2", "乘法运算 乘数", nullptr},
        {"CommonMultiplyText3", "乘法运算 积", "乘法运算的结果"},
        {"Commoncmd3", "乘法运算 开始", nullptr},
        {"CommonChuText1", "除法运算 被除数", nullptr},
        {"CommonChuText2", "除法运算 除数", nullptr},
        {"CommonChuText5", "除法运算 商", nullptr},
        {"CommonChuText3", "除法运算 整数商", nullptr},
        {"CommonChuText4", "除法运算 余数", nullptr},
        {"Commoncmd4", "除法运算 开始", nullptr},
        {"CommonPowerText1", "乘方运算 底数", nullptr},
        {"CommonPowerText2", "乘方运算 指数", nullptr},
        {"CommonPowerText3", "乘方运算 幂", "乘方运算的结果"},
        {"Commoncmd6", "乘方运算 开始", nullptr},
        {"CommonKaiText4", "开方运算 根指数", nullptr},
        {"CommonKaiText1", "开方运算 被开方数", nullptr},
        {"CommonKaiText2", "开方运算 方根", "开方运算的结果"},
        {"CommonKaiText3", "开方运算 方根取整", "方根四舍五入后的整数"},
        {"Commoncmd7", "开方运算 开始", nullptr},
        {"CommonLogText2", "对数运算 底数", nullptr},
        {"CommonLogText1", "对数运算 真数", nullptr},
        {"CommonLogText3", "对数运算 对数", "对数运算的结果"},
        {"Commoncmd8", "对数运算 开始", nullptr},
        {"CommonFactorialText1", "阶乘运算 数", nullptr},
        {"CommonFactorialText2", "阶乘运算 阶乘", "阶乘运算的结果"},
        {"Commoncmd9", "阶乘运算 开始", nullptr},
        // Quick page.
        {"CommonSimpleFrame1Text1", "输入区域 第一个数", nullptr},
        {"CommonSimpleFrame1Text2", "输入区域 第二个数", nullptr},
        {"CommonSimpleFrame2cmd1", "简易运算 加法", "两数相加"},
        {"CommonSimpleFrame2cmd2", "简易运算 减法", "第一个数减去第二个数"},
        {"CommonSimpleFrame2cmd3", "简易运算 乘法", "两数相乘"},
        {"CommonSimpleFrame2cmd4", "简易运算 除法", "第一个数除以第二个数"},
        {"CommonSimpleFrame2cmd5", "简易运算 乘方", "以第一个数为底数，第二个数为指数"},
        {"CommonSimpleFrame2cmd6", "简易运算 开方", "以第一个数为被开方数，第二个数为根指数"},
        {"CommonSimpleFrame2cmd7", "简易运算 求对数", "以第一个数为底数，第二个数为真数"},
        {"CommonSimpleFrame2Text1", "简易运算 结果", "运算结果"},
        // Big-number page.
        {"LargeStopcmd", "停止大数计算", nullptr},
        {"LargeText1", "计算窗格1 第一个数", nullptr},
        {"LargeText2", "计算窗格1 第二个数", nullptr},
        {"LargeOption1", "运算方式 加法", nullptr},
        {"LargeOption2", "运算方式 减法", nullptr},
        {"LargeOption3", "运算方式 乘法", nullptr},
        {"LargeOption4", "运算方式 除法", nullptr},
        {"LargeOption5", "运算方式 乘方", nullptr},
        {"Largecmd1", "计算窗格1 开始", "计算两个大数"},
        {"LargeText3", "计算窗格1 结果", "大数两两计算的结果"},
        {"LargeText3Se", "计算窗格1 余数", "余数显示框(除法专用)"},
        {"LargeLenText1", "计算窗格1 结果位数", nullptr},
        {"LargeText4", "计算窗格2 新数据", "输入数据，按回车键添加至列表"},
        {"Largecmd2", "计算窗格2 添加至列表", nullptr},
        {"LargeList1", "计算窗格2 数据列表", "数据列表：Delete 键删除选中项，F2 键编辑选中项；右键菜单或 Ctrl+C 复制选中的行，Ctrl+A 全选，Ctrl+Shift+C 全部复制，Ctrl+S 保存为文本文件"},
        {"Largecmd3", "计算窗格2 删除数据", nullptr},
        {"Largecmd5", "计算窗格2 编辑此数据", nullptr},
        {"Largecmd6", "计算窗格2 清除数据", "清除列表框内的全部数据"},
        {"Largecmd4", "计算窗格2 开始", "对列表内全部数据求和或求积"},
        {"LargeText6", "计算窗格2 数据总数", nullptr},
        {"LargeText5", "计算窗格2 结果", "大数集体计算的结果"},
        {"LargeLenText2", "计算窗格2 结果位数", nullptr},
    };
    AccessibleTable table;
    for (const auto& r : rows)
        table.push_back({QLatin1String(r.control), QString::fromUtf8(r.name),
                         r.description ? QString::fromUtf8(r.description) : QString()});
    // A result the user may also type into.
    for (AccessibleText& row : table) row.result = row.control == QLatin1String("CommonLogText3");
    return table;
}

}  // namespace numora
