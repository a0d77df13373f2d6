// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MathsAccessibility.h"

#include "MathsControls.h"
#include "SolutionPanel.h"
#include "Utf8.h"

namespace numora {
namespace {

// Each plotter kind: its frame's caption, the parts of its coefficient
// boxes (Text1, Text2, ...) and its formula with %1.. for the boxes.
struct PlotKind {
    const char* caption;
    std::vector<const char*> parts;
    const char* formula;
};
const PlotKind kPlotKinds[] = {
    {"一次函数", {"一次项系数", "常数项"}, "y = %1x + %2"},
    {"二次函数", {"二次项系数", "一次项系数", "常数项"}, "y = %1x² + %2x + %3"},
    {"指数函数", {"底数分子", "底数分母"}, "y = (%1/%2)^x"},
    {"对数函数", {"底数分子", "底数分母"}, "y = log(%1/%2) x"},
    {"反比例函数", {"比例系数"}, "y = %1/x"},
    {"正弦函数", {"振幅", "角频率", "初相", "纵向平移"}, "y = %1sin(%2x + %3) + %4"},
    {"余弦函数", {"振幅", "角频率", "初相", "纵向平移"}, "y = %1cos(%2x + %3) + %4"},
    {"幂函数", {"系数", "指数"}, "y = %1x^%2"},
    {"正切函数", {"振幅", "角频率", "初相"}, "y = %1tan(%2x + %3)"},
    {"绝对值函数", {"系数", "横向平移", "纵向平移"}, "y = %1|x - %2| + %3"},
    {"自定义函数", {"函数式"}, "y = %1"},
};

}  // namespace

QString PlotRangeText(const QString& minX, const QString& maxX, const QString& minY, const QString& maxY) {
    return U("X 轴 %1 至 %2，Y 轴 %3 至 %4").arg(minX, maxX, minY, maxY);
}

// Control name -> accessible name, description. Descriptions not given
// here come from the hint table.
AccessibleTable MathsAccessibility() {
    AccessibleTable table;
    auto add = [&table](const char* control, const QString& name, const QString& description = {}) {
        table.push_back({QLatin1String(control), name, description});
    };

    // Equations.
    add(maths::kQuadraticBoxes[0], U("一元二次方程 二次项系数 a"));
    add(maths::kQuadraticBoxes[1], U("一元二次方程 一次项系数 b"));
    add(maths::kQuadraticBoxes[2], U("一元二次方程 常数项 c"));
    add(maths::kQuadraticButton, U("一元二次方程 开始求解"));
    add(maths::kQuadraticX1, U("一元二次方程 根 x1"), U("方程的第一个根"));
    add(maths::kQuadraticX2, U("一元二次方程 根 x2"), U("方程的第二个根"));
    add(maths::kQuadraticExact, U("一元二次方程 精确值"), U("两根的精确值(根式、分数)"));
    add(maths::kQuadraticSolution, U("一元二次方程 解题过程"), U("显示一元二次方程的解题过程"));
    const char* const unknowns[] = {"x", "y", "z"};
    for (int row = 0; row < 2; ++row) {
        const QString eq = U("二元一次方程组 第%1个方程 ").arg(row + 1);
        const auto box = [row](int col) { return maths::kLinear2Boxes[static_cast<std::size_t>(row * 3 + col)]; };
        add(box(0), eq + U("x 的系数"));
        add(box(1), eq + U("y 的系数"));
        add(box(2), eq + U("常数项"));
    }
    add(maths::kLinear2Button, U("二元一次方程组 开始求解"));
    add(maths::kLinear2X, U("二元一次方程组 解 x"));
    add(maths::kLinear2Y, U("二元一次方程组 解 y"));
    add(maths::kLinear2Exact, U("二元一次方程组 精确值"), U("方程组的解的精确值(分数)"));
    add(maths::kLinear2Solution, U("二元一次方程组 解题过程"), U("显示二元一次方程组的解题过程"));
    for (int row = 0; row < 3; ++row) {
        const QString eq = U("三元一次方程组 第%1个方程 ").arg(row + 1);
        for (int col = 0; col < 4; ++col) {
            const QString part = col < 3 ? QLatin1String(unknowns[col]) + U(" 的系数") : U("常数项");
            add(maths::kLinear3Boxes[static_cast<std::size_t>(row * 4 + col)], eq + part);
        }
        const char* const roots[] = {maths::kLinear3X, maths::kLinear3Y, maths::kLinear3Z};
        add(roots[row], U("三元一次方程组 解 ") + QLatin1String(unknowns[row]));
    }
    add(maths::kLinear3Button, U("三元一次方程组 开始求解"));
    add(maths::kLinear3Exact, U("三元一次方程组 精确值"), U("方程组的解的精确值(分数)"));
    add(maths::kLinear3Solution, U("三元一次方程组 解题过程"), U("显示三元一次方程组的解题过程"));

    // Trigonometry and its sketch.
    add(maths::kAngle, U("三角函数 角"));
    add(maths::kUnits[0].control, U("角的计量法 角度制"));
    add(maths::kUnits[1].control, U("角的计量法 弧度制"));
    const char* const functions[] = {"正弦", "余弦", "正切", "余切", "正割", "余割"};
    for (int i = 0; i < 6; ++i)
        add(maths::kTrigButtons[static_cast<std::size_t>(i)].control, U("三角函数 计算") + U(functions[i]));
    add(maths::kTrigResult, U("三角函数 结果"));
    add(maths::kTrigExact, U("三角函数 精确值"), U("特殊角(15° 和 18° 的整数倍)的三角函数精确值"));
    add(maths::kTrigSolution, U("三角函数 解题过程"), U("显示最近一次计算的三角函数的解题过程(诱导公式)"));
    add(maths::kSketchSine, U("草图 绘制正弦曲线(红)"));
    add(maths::kSketchCosine, U("草图 绘制余弦曲线(蓝)"));
    add(maths::kSketchLeft, U("草图 横轴左界"));
    add(maths::kSketchRight, U("草图 横轴右界"));
    add(maths::kSketchStop, U("草图 停止绘制"));
    add(maths::kSketchClear, U("草图 清除"));
    add(maths::kSketchCanvas, U("三角函数草图"));

    // Multiplication formulas.
    add(maths::kFormulaA, U("乘法公式 a"));
    add(maths::kFormulaB, U("乘法公式 b"));
    add(maths::kFormulaResult, U("乘法公式 结果"));
    const char* const formulas[] = {"平方差", "完全平方和", "完全平方差", "立方和", "立方差"};
    for (int i = 0; i < 5; ++i)
        add(maths::kFormulaButtons[static_cast<std::size_t>(i)].control, U("乘法公式 计算") + U(formulas[i]));

    // The plotter.
    add(maths::kPlotCanvas, U("函数图象"));
    add(maths::kKindList, U("函数类型"));
    for (int k = 0; k < static_cast<int>(std::size(kPlotKinds)); ++k) {
        const PlotKind& kind = kPlotKinds[k];
        for (std::size_t i = 0; i < kind.parts.size(); ++i)
            add(maths::kKindControls[static_cast<std::size_t>(k)].boxes[i],
                U(kind.caption) + QLatin1Char(' ') + U(kind.parts[i]));
    }
    add(maths::kDrawButton, U("函数图象 开始绘制"));
    add(maths::kApplyButton, U("函数图象 重置并应用选项"));
    const char* const range[] = {"Y 轴最小值", "Y 轴最大值", "X 轴最小值", "X 轴最大值", "网格条数"};
    for (int i = 0; i < 5; ++i) add(maths::kRangeBoxes[static_cast<std::size_t>(i)], U("选项 ") + U(range[i]));
    add(maths::kExploreX, U("图象探究 横坐标 x"));
    add(maths::kValuesButton, U("图象探究 求 y"));
    add(maths::kValuesBox, U("函数值"), U("各函数图象在 x 处的函数值"));
    add(maths::kTraceBox, U("追踪"));
    add(maths::kKeyPointsCheck, U("图象探究 显示关键点"));
    add(maths::kZoomInButton, U("图象探究 放大"));
    add(maths::kZoomOutButton, U("图象探究 缩小"));
    add(maths::kViewResetButton, U("图象探究 复位视图"));
    AddSolutionPanelRows(table, maths::kSolutionPanel);
    return table;
}

}  // namespace numora
