// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChemAccessibility.h"

#include "ChemControls.h"

namespace numora {

// Control name -> accessible name, description. Descriptions not given
// here come from the hint table.
AccessibleTable ChemAccessibility() {
    const struct { const char* control; const char* name; const char* description; } rows[] = {
        {"ChemFrame1Frame1Option1", "选项 已知溶质和溶液", nullptr},
        {"ChemFrame1Frame1Option2", "选项 已知溶剂和溶液", nullptr},
        {"ChemFrame1Frame1Option3", "选项 已知溶质和溶剂", nullptr},
        {"ChemFrame1Frame2Text1", "质量分数 溶质质量", nullptr},
        {"ChemFrame1Frame2Text2", "质量分数 溶剂质量", nullptr},
        {"ChemFrame1Frame2Text3", "质量分数 溶液质量", nullptr},
        {"ChemFrame1Frame2cmd1", "质量分数 求溶质质量分数", nullptr},
        {"ChemFrame1Frame2cmd2", "质量分数 求溶剂质量分数", nullptr},
        {"ChemFrame1Frame2Text4", "质量分数 结果", "质量分数的计算结果"},
        {"ChemFrame1Frame3Text1", "溶解度 溶质质量", nullptr},
        {"ChemFrame1Frame3Text2", "溶解度 溶剂质量", nullptr},
        {"ChemFrame1Frame3Text3", "溶解度 溶液质量", nullptr},
        {"ChemFrame1Frame3cmd1", "溶解度 开始", nullptr},
        {"ChemFrame1Frame3Text4", "溶解度 结果", "溶解度的计算结果"},
        {"ChemFrame1Frame4Text1", "量浓度 溶质的物质的量", nullptr},
        {"ChemFrame1Frame4Text2", "量浓度 溶液体积", nullptr},
        {"ChemFrame1Frame4cmd1", "量浓度 开始", nullptr},
        {"ChemFrame1Frame4Text3", "量浓度 结果", "量浓度的计算结果"},
        {"ChemFrame1Frame5Text1", "稀/浓溶液 溶质质量", nullptr},
        {"ChemFrame1Frame5Text2", "稀/浓溶液 溶剂质量", nullptr},
        {"ChemFrame1Frame5Text3", "稀/浓溶液 溶液质量", nullptr},
        {"ChemFrame1Frame5Option1", "稀/浓溶液 求稀", nullptr},
        {"ChemFrame1Frame5Option2", "稀/浓溶液 求浓", nullptr},
        {"ChemFrame1Frame5Text4", "稀/浓溶液 目标质量分数", nullptr},
        {"ChemFrame1Frame5cmd1", "稀/浓溶液 开始计算有关质量分数", nullptr},
    };
    AccessibleTable table;
    for (const auto& r : rows)
        table.push_back({QLatin1String(r.control), QString::fromUtf8(r.name),
                         r.description ? QString::fromUtf8(r.description) : QString()});
    // The result boxes, also the one that takes typing (solubility).
    for (AccessibleText& row : table)
        for (const chem::ResultBox& box : chem::kResultBoxes) row.result |= row.control == QLatin1String(box.control);
    return table;
}

}  // namespace numora
