// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChemAccessibility.h"

#include "ChemControls.h"
#include "SolutionPanel.h"

namespace numora {

// Control name -> accessible name, description. Descriptions not given
// here come from the hint table.
AccessibleTable ChemAccessibility() {
    const struct { const char* control; const char* name; const char* description; } rows[] = {
        {chem::kModes[0].control, "选项 已知溶质和溶液", nullptr},
        {chem::kModes[1].control, "选项 已知溶剂和溶液", nullptr},
        {chem::kModes[2].control, "选项 已知溶质和溶剂", nullptr},
        {chem::kFractionBoxes.solute, "质量分数 溶质质量", nullptr},
        {chem::kFractionBoxes.solvent, "质量分数 溶剂质量", nullptr},
        {chem::kFractionBoxes.solution, "质量分数 溶液质量", nullptr},
        {chem::kSoluteFractionButton, "质量分数 求溶质质量分数", nullptr},
        {chem::kSolventFractionButton, "质量分数 求溶剂质量分数", nullptr},
        {chem::kFractionResult, "质量分数 结果", "质量分数的计算结果"},
        {chem::kSolubilityBoxes.solute, "溶解度 溶质质量", nullptr},
        {chem::kSolubilityBoxes.solvent, "溶解度 溶剂质量", nullptr},
        {chem::kSolubilityBoxes.solution, "溶解度 溶液质量", nullptr},
        {chem::kSolubilityButton, "溶解度 开始", nullptr},
        {chem::kSolubilityResult, "溶解度 结果", "溶解度的计算结果"},
        {chem::kMolarityAmount, "量浓度 溶质的物质的量", nullptr},
        {chem::kMolarityVolume, "量浓度 溶液体积", nullptr},
        {chem::kMolarityButton, "量浓度 开始", nullptr},
        {chem::kMolarityResult, "量浓度 结果", "量浓度的计算结果"},
        {chem::kDilutionBoxes.solute, "稀/浓溶液 溶质质量", nullptr},
        {chem::kDilutionBoxes.solvent, "稀/浓溶液 溶剂质量", nullptr},
        {chem::kDilutionBoxes.solution, "稀/浓溶液 溶液质量", nullptr},
        {chem::kDirections[0].control, "稀/浓溶液 求稀", nullptr},
        {chem::kDirections[1].control, "稀/浓溶液 求浓", nullptr},
        {chem::kDilutionTarget, "稀/浓溶液 目标质量分数", nullptr},
        {chem::kDilutionButton, "稀/浓溶液 开始计算有关质量分数", nullptr},
        {chem::kFractionSolution, "质量分数 解题过程", "显示最近一次计算的质量分数的解题过程"},
        {chem::kSolubilitySolution, "溶解度 解题过程", "显示溶解度的解题过程"},
        {chem::kMolaritySolution, "量浓度 解题过程", "显示量浓度的解题过程"},
        {chem::kDilutionSolution, "稀/浓溶液 解题过程", "显示稀释或浓缩的解题过程"},
    };
    AccessibleTable table;
    for (const auto& r : rows)
        table.push_back({QLatin1String(r.control), QString::fromUtf8(r.name),
                         r.description ? QString::fromUtf8(r.description) : QString()});
    // The result boxes, also the one that takes typing (solubility).
    for (AccessibleText& row : table)
        for (const chem::ResultBox& box : chem::kResultBoxes) row.result |= row.control == QLatin1String(box.control);
    AddSolutionPanelRows(table, chem::kSolutionPanel);
    return table;
}

}  // namespace numora
