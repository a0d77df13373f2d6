// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScientificAccessibility.h"

#include "ScientificControls.h"
#include "SolutionPanel.h"

namespace numora {

// Control name -> accessible name, description. Descriptions not given
// here come from the hint table.
AccessibleTable ScientificAccessibility() {
    const struct { const char* control; const char* name; const char* description; } rows[] = {
        // Goldbach.
        {scientific::kGoldbachInput, "歌德巴赫猜想 待验证的偶数", "输入一个大于 2 的偶数"},
        {scientific::kGoldbachButton, "歌德巴赫猜想 证明并显示", nullptr},
        {scientific::kGoldbachStopButton, "歌德巴赫猜想 停止", nullptr},
        {scientific::kGoldbachList, "歌德巴赫猜想 成立列表", "显示成立列表；右键菜单或 Ctrl+C 复制选中的行，Ctrl+A 全选，Ctrl+Shift+C 全部复制，Ctrl+S 保存为文本文件"},
        {scientific::kGoldbachCount, "歌德巴赫猜想 成立个数", nullptr},
        // Factorization.
        {scientific::kFactorInput, "因数分解 数据", nullptr},
        {scientific::kFactorButton, "因数分解 分解因数", nullptr},
        {scientific::kFactorStopButton, "因数分解 停止", nullptr},
        {scientific::kFactorList, "因数分解 因数列表", "因数列表；右键菜单或 Ctrl+C 复制选中的行，Ctrl+A 全选，Ctrl+Shift+C 全部复制，Ctrl+S 保存为文本文件"},
        {scientific::kFactorCount, "因数分解 因数个数", nullptr},
        {scientific::kFactorExact, "因数分解 质因数分解式", "写成质数的幂的乘积"},
        {scientific::kFactorSolution, "因数分解 解题过程", "用短除法分解质因数的过程"},
        // Mersenne primes.
        {scientific::kMersenneList, "莫孙尼素数 列表", "莫孙尼素数列表；右键菜单或 Ctrl+C 复制选中的行，Ctrl+A 全选，Ctrl+Shift+C 全部复制，Ctrl+S 保存为文本文件"},
        {scientific::kMersenneCount, "莫孙尼素数 个数", nullptr},
        {scientific::kMersenneLastExponent, "莫孙尼素数 检测到的最大指数", nullptr},
        {scientific::kMersenneButton, "莫孙尼素数 开始", nullptr},
        {scientific::kMersenneStopButton, "莫孙尼素数 停止", nullptr},
    };
    AccessibleTable table;
    for (const auto& r : rows)
        table.push_back({QLatin1String(r.control), QString::fromUtf8(r.name),
                         r.description ? QString::fromUtf8(r.description) : QString()});
    // The result lists.
    for (AccessibleText& row : table) row.result = row.control.endsWith(QLatin1String("List1"));
    AddSolutionPanelRows(table, scientific::kSolutionPanel);
    return table;
}

}  // namespace numora
