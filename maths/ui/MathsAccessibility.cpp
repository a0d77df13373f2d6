// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MathsAccessibility.h"

namespace numora {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

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
    auto add = [&table](const QString& control, const QString& name, const QString& description = {}) {
        table.push_back({control, name, description});
    };

    // Equations.
    const QString q = QStringLiteral("MathsEquationFrame1");
    add(q + QLatin1String("Text1"), U("一元二次方程 二次项系数 a"));
    add(q + QLatin1String("Text2"), U("一元二次方程 一次项系数 b"));
    add(q + QLatin1String("Text3"), U("一元二次方程 常数项 c"));
    add(q + QLatin1String("cmd1"), U("一元二次方程 开始求解"));
    add(q + QLatin1String("Text4"), U("一元二次方程 根 x1"), U("方程的第一个根"));
    add(q + QLatin1String("Text5"), U("一元二次方程 根 x2"), U("方程的第二个根"));
    const char* const unknowns[] = {"x", "y", "z"};
    for (int row = 0; row < 2; ++row) {
        const QString eq = U("二元一次方程组 第%1个方程 ").arg(row + 1);
        const QString f = QStringLiteral("MathsEquationFrame2Text");
        add(f + QString::number(row * 3 + 1), eq + U("x 的系数"));
        add(f + QString::number(row * 3 + 2), eq + U("y 的系数"));
        add(f + QString::number(row * 3 + 3), eq + U("常数项"));
    }
    add(QStringLiteral("MathsEquationFrame2cmd1"), U("二元一次方程组 开始求解"));
    add(QStringLiteral("MathsEquationFrame2Text7"), U("二元一次方程组 解 x"));
    add(QStringLiteral("MathsEquationFrame2Text8"), U("二元一次方程组 解 y"));
    for (int row = 0; row < 3; ++row) {
        const QString eq = U("三元一次方程组 第%1个方程 ").arg(row + 1);
        for (int col = 0; col < 4; ++col) {
            const QString part = col < 3 ? QLatin1String(unknowns[col]) + U(" 的系数") : U("常数项");
            add(QStringLiteral("MathsEquationFrame3Text%1").arg(row * 4 + col + 1), eq + part);
        }
        add(QStringLiteral("MathsEquationFrame3Text%1").arg(13 + row),
            U("三元一次方程组 解 ") + QLatin1String(unknowns[row]));
    }
    add(QStringLiteral("MathsEquationFrame3cmd1"), U("三元一次方程组 开始求解"));

    // Trigonometry and its sketch.
    add(QStringLiteral("MathsTriFText1"), U("三角函数 角"));
    add(QStringLiteral("MathsTriFOption1"), U("角的计量法 角度制"));
    add(QStringLiteral("MathsTriFOption2"), U("角的计量法 弧度制"));
    const char* const functions[] = {"正弦", "余弦", "正切", "余切", "正割", "余割"};
    for (int i = 0; i < 6; ++i)
        add(QStringLiteral("MathsTriFcmd%1").arg(i + 1), U("三角函数 计算") + U(functions[i]));
    add(QStringLiteral("MathsTriFText2"), U("三角函数 结果"));
    add(QStringLiteral("MathsTriFDrawercmd1"), U("草图 绘制正弦曲线(红)"));
    add(QStringLiteral("MathsTriFDrawercmd2"), U("草图 绘制余弦曲线(蓝)"));
    add(QStringLiteral("MathsTriFDrawerText1"), U("草图 横轴左界"));
    add(QStringLiteral("MathsTriFDrawerText2"), U("草图 横轴右界"));
    add(QStringLiteral("MathsTriFDrawercmd4"), U("草图 停止绘制"));
    add(QStringLiteral("MathsTriFDrawercmd3"), U("草图 清除"));
    add(QStringLiteral("MathsTriFDrawerBox1"), U("三角函数草图"));

    // Multiplication formulas.
    add(QStringLiteral("MathsMultiplicationText1"), U("乘法公式 a"));
    add(QStringLiteral("MathsMultiplicationText2"), U("乘法公式 b"));
    add(QStringLiteral("MathsMultiplicationText3"), U("乘法公式 结果"));
    const char* const formulas[] = {"平方差", "完全平方和", "完全平方差", "立方和", "立方差"};
    for (int i = 0; i < 5; ++i)
        add(QStringLiteral("MathsMultiplicationcmd%1").arg(i + 1), U("乘法公式 计算") + U(formulas[i]));

    // The plotter.
    add(QStringLiteral("MathsFunctionShapeBox1"), U("函数图象"));
    add(QStringLiteral("MathsFunctionShapeCombo1"), U("函数类型"));
    for (int k = 0; k < static_cast<int>(std::size(kPlotKinds)); ++k) {
        const PlotKind& kind = kPlotKinds[k];
        for (std::size_t i = 0; i < kind.parts.size(); ++i)
            add(QStringLiteral("MathsFunctionShapeFrame%1Text%2").arg(k + 1).arg(i + 1),
                U(kind.caption) + QLatin1Char(' ') + U(kind.parts[i]));
    }
    add(QStringLiteral("MathsFunctionShapecmd1"), U("函数图象 开始绘制"));
    add(QStringLiteral("MathsFunctionShapecmd2"), U("函数图象 重置并应用选项"));
    const char* const range[] = {"Y 轴最小值", "Y 轴最大值", "X 轴最小值", "X 轴最大值", "网格条数"};
    for (int i = 0; i < 5; ++i)
        add(QStringLiteral("MathsFunctionShapeOptionText%1").arg(i + 1), U("选项 ") + U(range[i]));
    add(QStringLiteral("MathsFunctionShapeExploreText1"), U("图象探究 横坐标 x"));
    add(QStringLiteral("MathsFunctionShapeExplorecmd1"), U("图象探究 求 y"));
    add(QStringLiteral("MathsFunctionShapeExploreText2"), U("函数值"), U("各函数图象在 x 处的函数值"));
    add(QStringLiteral("MathsFunctionShapeExploreText3"), U("追踪"));
    add(QStringLiteral("MathsFunctionShapeExploreCheck1"), U("图象探究 显示关键点"));
    add(QStringLiteral("MathsFunctionShapeExplorecmd2"), U("图象探究 放大"));
    add(QStringLiteral("MathsFunctionShapeExplorecmd3"), U("图象探究 缩小"));
    add(QStringLiteral("MathsFunctionShapeExplorecmd4"), U("图象探究 复位视图"));
    return table;
}

}  // namespace numora
