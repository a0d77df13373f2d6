// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The mathematics window ("数学专科计算") as data: its control names (each
// widget's objectName, and the keys of the commands' outcomes), its pages,
// the buttons of the trigonometric and formula frames and the status-bar
// hints. The window, its hint and accessibility tables, the commands, the
// command-line companion and the tests all name controls through these.
#pragma once

#include <array>

#include "ControlTable.h"

namespace numora::maths {

// ---- The window ----------------------------------------------------------------

inline constexpr const char* kWindow = "Maths";
inline constexpr const char* kWindowTitle = "数学专科计算";
// The status bar's first text, also the hint of the window and its pages.
inline constexpr const char* kStatusInitial = "Numora - 数学专科计算";
inline constexpr const char* kTabStrip = "TabStrip";
// The pages, named by their tab keys.
inline constexpr const char* kEquationPage = "Equation";
inline constexpr const char* kTrigPage = "TriFunction";
inline constexpr const char* kFormulaPage = "Formula";
inline constexpr const char* kPlotPage = "FunctionDrawer";
inline constexpr auto kTabs = std::to_array<TabText>({
    {"方程", kEquationPage},
    {"三角函数", kTrigPage},
    {"公式", kFormulaPage},
    {"函数图象", kPlotPage},
});

// ---- Equations ("解简易方程(组)") ----------------------------------------------------------

inline constexpr const char* kEquationFrame = "MathsEquation";
// a x² + b x + c = 0 -> x1, x2.
inline constexpr const char* kQuadraticFrame = "MathsEquationFrame1";
inline constexpr auto kQuadraticBoxes = std::to_array<const char*>({
    "MathsEquationFrame1Text1", "MathsEquationFrame1Text2", "MathsEquationFrame1Text3"});
inline constexpr const char* kQuadraticX1 = "MathsEquationFrame1Text4";
inline constexpr const char* kQuadraticX2 = "MathsEquationFrame1Text5";
inline constexpr const char* kQuadraticButton = "MathsEquationFrame1cmd1";
// The exact line under the roots ("精确值: x1 = (3+√5)/2, x2 = (3-√5)/2") and
// the button that shows the worked solution (解题过程).
inline constexpr const char* kQuadraticExact = "MathsEquationFrame1Exact";
inline constexpr const char* kQuadraticSolution = "MathsEquationFrame1Solution";
// a1 x + b1 y = c1, a2 x + b2 y = c2 (the boxes row by row) -> x, y.
inline constexpr const char* kLinear2Frame = "MathsEquationFrame2";
inline constexpr auto kLinear2Boxes = std::to_array<const char*>({
    "MathsEquationFrame2Text1", "MathsEquationFrame2Text2", "MathsEquationFrame2Text3",
    "MathsEquationFrame2Text4", "MathsEquationFrame2Text5", "MathsEquationFrame2Text6"});
inline constexpr const char* kLinear2X = "MathsEquationFrame2Text7";
inline constexpr const char* kLinear2Y = "MathsEquationFrame2Text8";
inline constexpr const char* kLinear2Button = "MathsEquationFrame2cmd1";
inline constexpr const char* kLinear2Exact = "MathsEquationFrame2Exact";
inline constexpr const char* kLinear2Solution = "MathsEquationFrame2Solution";
// Three equations a x + b y + c z = d (the boxes row by row) -> x, y, z.
inline constexpr const char* kLinear3Frame = "MathsEquationFrame3";
inline constexpr auto kLinear3Boxes = std::to_array<const char*>({
    "MathsEquationFrame3Text1", "MathsEquationFrame3Text2",  "MathsEquationFrame3Text3",
    "MathsEquationFrame3Text4", "MathsEquationFrame3Text5",  "MathsEquationFrame3Text6",
    "MathsEquationFrame3Text7", "MathsEquationFrame3Text8",  "MathsEquationFrame3Text9",
    "MathsEquationFrame3Text10", "MathsEquationFrame3Text11", "MathsEquationFrame3Text12"});
inline constexpr const char* kLinear3X = "MathsEquationFrame3Text13";
inline constexpr const char* kLinear3Y = "MathsEquationFrame3Text14";
inline constexpr const char* kLinear3Z = "MathsEquationFrame3Text15";
inline constexpr const char* kLinear3Button = "MathsEquationFrame3cmd1";
inline constexpr const char* kLinear3Exact = "MathsEquationFrame3Exact";
inline constexpr const char* kLinear3Solution = "MathsEquationFrame3Solution";

// ---- Trigonometric functions ("三角函数") and their sketch -----------------------------------

inline constexpr const char* kTrigFrame = "MathsTriF";
inline constexpr const char* kAngle = "MathsTriFText1";
inline constexpr const char* kTrigResult = "MathsTriFText2";
// The exact value under the result (degrees, special angles: "精确值: √3/2")
// and the worked solution of the function last computed (正弦 before any).
inline constexpr const char* kTrigExact = "MathsTriFExact";
inline constexpr const char* kTrigSolution = "MathsTriFSolution";
// The unit of the angle, with the angle field's hint while it is selected.
inline constexpr const char* kUnitFrame = "MathsTriFFrame1";
struct UnitRow {
    const char* control;
    const char* caption;
    const char* angleHint;
};
inline constexpr auto kUnits = std::to_array<UnitRow>({
    {"MathsTriFOption1", "角度制", "请输入欲计算的数据(角度制)"},
    {"MathsTriFOption2", "弧度制", "请输入欲计算的数据(弧度制)"},
});

enum class TrigFunction { Sine, Cosine, Tangent, Cotangent, Secant, Cosecant };
// The six buttons MathsTriFcmd1..6, left to right.
struct TrigButton {
    const char* control;
    const char* caption;
    TrigFunction function;
};
inline constexpr auto kTrigButtons = std::to_array<TrigButton>({
    {"MathsTriFcmd1", "正 弦", TrigFunction::Sine},
    {"MathsTriFcmd2", "余 弦", TrigFunction::Cosine},
    {"MathsTriFcmd3", "正 切", TrigFunction::Tangent},
    {"MathsTriFcmd4", "余 切", TrigFunction::Cotangent},
    {"MathsTriFcmd5", "正 割", TrigFunction::Secant},
    {"MathsTriFcmd6", "余 割", TrigFunction::Cosecant},
});

inline constexpr const char* kSketchFrame = "MathsTriFDrawer";
inline constexpr const char* kSketchSine = "MathsTriFDrawercmd1";
inline constexpr const char* kSketchCosine = "MathsTriFDrawercmd2";
inline constexpr const char* kSketchClear = "MathsTriFDrawercmd3";
inline constexpr const char* kSketchStop = "MathsTriFDrawercmd4";
// The x range: the left end follows the right end, which the user types.
inline constexpr const char* kSketchLeft = "MathsTriFDrawerText1";
inline constexpr const char* kSketchRight = "MathsTriFDrawerText2";
inline constexpr const char* kSketchCanvas = "MathsTriFDrawerBox1";

// ---- Multiplication formulas ("乘法公式") -----------------------------------------------------

inline constexpr const char* kFormulaFrame = "MathsMultiplication";
// Input and result boxes with their tooltips (the result box's tooltip is
// replaced by its own text when the mouse moves over it).
inline constexpr const char* kFormulaA = "MathsMultiplicationText1";
inline constexpr const char* kFormulaB = "MathsMultiplicationText2";
inline constexpr const char* kFormulaResult = "MathsMultiplicationText3";
inline constexpr const char* kFormulaATooltip = "a值";
inline constexpr const char* kFormulaBTooltip = "b值";
inline constexpr const char* kFormulaResultTooltip = "结果";

// The buttons MathsMultiplicationcmd1..5, left to right. The tooltip shows the
// identity; the button computes its side made of powers only: the right-hand
// side for cmd1, cmd4 and cmd5, the left-hand side (the square) for cmd2 and cmd3.
struct FormulaButton {
    const char* control;
    const char* caption;
    const char* tooltip;
};
inline constexpr auto kFormulaButtons = std::to_array<FormulaButton>({
    {"MathsMultiplicationcmd1", "平 方 差", "(a+b)*(a-b)=a^2-b^2"},
    {"MathsMultiplicationcmd2", "完全平方和", "(a+b)^2=a^2+2ab+b^2"},
    {"MathsMultiplicationcmd3", "完全平方差", "(a-b)^2=a^2-2ab+b^2"},
    {"MathsMultiplicationcmd4", "立 方 和", "(a+b)(a^2-ab+b^2)=a^3+b^3"},
    {"MathsMultiplicationcmd5", "立 方 差", "(a-b)(a^2+ab+b^2)=a^3-b^3"},
});

// ---- The function plotter ("函数图象") ------------------------------------------------------------

inline constexpr const char* kPlotFrame = "MathsFunctionShape";
inline constexpr const char* kPlotCanvas = "MathsFunctionShapeBox1";
inline constexpr const char* kKindList = "MathsFunctionShapeCombo1";
inline constexpr const char* kDrawButton = "MathsFunctionShapecmd1";
inline constexpr const char* kApplyButton = "MathsFunctionShapecmd2";
// The frame of each kind of function, in the order of the kind list, with
// its coefficient boxes (nullptr past the kind's last box).
struct KindControls {
    const char* frame;
    std::array<const char*, 4> boxes;
};
inline constexpr auto kKindControls = std::to_array<KindControls>({
    {"MathsFunctionShapeFrame1", {"MathsFunctionShapeFrame1Text1", "MathsFunctionShapeFrame1Text2"}},
    {"MathsFunctionShapeFrame2",
     {"MathsFunctionShapeFrame2Text1", "MathsFunctionShapeFrame2Text2", "MathsFunctionShapeFrame2Text3"}},
    {"MathsFunctionShapeFrame3", {"MathsFunctionShapeFrame3Text1", "MathsFunctionShapeFrame3Text2"}},
    {"MathsFunctionShapeFrame4", {"MathsFunctionShapeFrame4Text1", "MathsFunctionShapeFrame4Text2"}},
    {"MathsFunctionShapeFrame5", {"MathsFunctionShapeFrame5Text1"}},
    {"MathsFunctionShapeFrame6",
     {"MathsFunctionShapeFrame6Text1", "MathsFunctionShapeFrame6Text2", "MathsFunctionShapeFrame6Text3",
      "MathsFunctionShapeFrame6Text4"}},
    {"MathsFunctionShapeFrame7",
     {"MathsFunctionShapeFrame7Text1", "MathsFunctionShapeFrame7Text2", "MathsFunctionShapeFrame7Text3",
      "MathsFunctionShapeFrame7Text4"}},
    {"MathsFunctionShapeFrame8", {"MathsFunctionShapeFrame8Text1", "MathsFunctionShapeFrame8Text2"}},
    {"MathsFunctionShapeFrame9",
     {"MathsFunctionShapeFrame9Text1", "MathsFunctionShapeFrame9Text2", "MathsFunctionShapeFrame9Text3"}},
    {"MathsFunctionShapeFrame10",
     {"MathsFunctionShapeFrame10Text1", "MathsFunctionShapeFrame10Text2", "MathsFunctionShapeFrame10Text3"}},
    {"MathsFunctionShapeFrame11",
     {"MathsFunctionShapeFrame11Text1", "MathsFunctionShapeFrame11Text2", "MathsFunctionShapeFrame11Text3",
      "MathsFunctionShapeFrame11Text4"}},
});
// The typed function's box (the last kind's first box; the others hold the
// parameters a, b and c it may use).
inline constexpr const char* kTypedFunctionBox = "MathsFunctionShapeFrame11Text1";
// The range and grid options.
inline constexpr const char* kOptionFrame = "MathsFunctionShapeOption";
// Box names of the range and grid boxes, in the order MinY, MaxY, MinX, MaxX, grid.
inline constexpr auto kRangeBoxes = std::to_array<const char*>({
    "MathsFunctionShapeOptionText1", "MathsFunctionShapeOptionText2", "MathsFunctionShapeOptionText3",
    "MathsFunctionShapeOptionText4", "MathsFunctionShapeOptionText5"});
inline constexpr const char* kGridBox = "MathsFunctionShapeOptionText5";
// The drawn graphs, and the coefficient sliders of the one selected.
inline constexpr const char* kGraphListFrame = "MathsFunctionShapeList";
inline constexpr const char* kGraphList = "MathsFunctionShapeList1";
inline constexpr const char* kRemoveGraphButton = "MathsFunctionShapeListcmd1";
inline constexpr const char* kSlidersFrame = "MathsFunctionShapeSliders";
inline constexpr const char* kPlayButton = "MathsFunctionShapeSliderscmd1";
// Exploring the graphs: values at an x, the trace, key points, zoom.
inline constexpr const char* kExploreFrame = "MathsFunctionShapeExplore";
inline constexpr const char* kExploreX = "MathsFunctionShapeExploreText1";
inline constexpr const char* kValuesButton = "MathsFunctionShapeExplorecmd1";
inline constexpr const char* kValuesBox = "MathsFunctionShapeExploreText2";
inline constexpr const char* kTraceBox = "MathsFunctionShapeExploreText3";
inline constexpr const char* kKeyPointsCheck = "MathsFunctionShapeExploreCheck1";
inline constexpr const char* kKeyPointNotes = "MathsFunctionShapeExploreLabel1";
inline constexpr const char* kZoomInButton = "MathsFunctionShapeExplorecmd2";
inline constexpr const char* kZoomOutButton = "MathsFunctionShapeExplorecmd3";
inline constexpr const char* kViewResetButton = "MathsFunctionShapeExplorecmd4";

// ---- The worked solutions (解题过程) ------------------------------------------------------

inline constexpr SolutionPanelControls kSolutionPanel = {
    "MathsSolutionPanel", "MathsSolutionPanelList1", "MathsSolutionPanelcmd1",
    "MathsSolutionPanelcmd2", "MathsSolutionPanelcmd3", "MathsSolutionPanelcmd4"};

// ---- Tables ------------------------------------------------------------------------------

// The hint the mouse over a control writes into the status bar. The angle
// field's hint follows the unit (kUnits).
inline constexpr auto kHints = std::to_array<ControlText>({
    {kWindow, kStatusInitial},
    {kEquationPage, kStatusInitial},
    {kTrigPage, kStatusInitial},
    {kFormulaPage, kStatusInitial},
    {kPlotPage, kStatusInitial},
    {kEquationFrame, "解简易方程(组)"},
    {kQuadraticFrame, "解标准一元二次方程"},
    {kLinear2Frame, "解简易二元一次方程组"},
    {kLinear3Frame, "解简易三元一次方程组"},
    {kTrigFrame, "计算三角函数"},
    {kTrigButtons[0].control, "选择运算方式－正弦(sin)"},
    {kTrigButtons[1].control, "选择运算方式－余弦(cos)"},
    {kTrigButtons[2].control, "选择运算方式－正切(tan/tg)"},
    {kTrigButtons[3].control, "选择运算方式－余切(cot/ctan/ctg)"},
    {kTrigButtons[4].control, "选择运算方式－正割(sec)"},
    {kTrigButtons[5].control, "选择运算方式－余割(csc)"},
    {kUnitFrame, "请选择数据计算中角的计量方法－角度制/弧度制(PI取pi32384626433832795)"},
    {kAngle, kUnits[0].angleHint},
    {kTrigResult, "三角函数计算结果显示"},
    {kSketchFrame, "绘制三角函数草图"},
    {kSketchLeft, "设置横轴的左界(由右界决定)"},
    {kSketchRight, "设定横轴的右界(正值)"},
    {kFormulaFrame, "运用乘法公式计算"},
    {kPlotFrame, "函数图象绘制"},
    {kDrawButton, "生成函数图象"},
    {kApplyButton, "清除函数图象并确认对选项中内容的修改"},
    {kKindControls[0].frame, "创建一次函数"},
    {kKindControls[1].frame, "创建二次函数"},
    {kKindControls[2].frame, "创建指数函数"},
    {kKindControls[3].frame, "创建对数函数"},
    {kKindControls[4].frame, "创建反比例函数"},
    {kKindControls[5].frame, "创建正弦函数"},
    {kKindControls[6].frame, "创建余弦函数"},
    {kKindControls[7].frame, "创建幂函数"},
    {kKindControls[8].frame, "创建正切函数"},
    {kKindControls[9].frame, "创建绝对值函数"},
    {kKindControls[10].frame, "创建自定义函数"},
    {kExploreFrame, "探究函数图象：求函数值、追踪、关键点与缩放"},
    {kExploreX, "输入横坐标x"},
    {kValuesButton, "求各函数图象在x处的函数值"},
    {kTraceBox, "追踪点的坐标(在图象上用左右键移动，上下键换图象)"},
    {kKeyPointsCheck, "在图象上标出零点、极值点、y轴交点和交点"},
    {kZoomInButton, "放大图象(+)"},
    {kZoomOutButton, "缩小图象(-)"},
    {kViewResetButton, "回到选项中设定的范围(0)"},
});

// The result boxes of the solvers and the formulas: the tool tip shows the
// box's own text while the mouse is over it.
inline constexpr auto kTooltipResults = std::to_array<const char*>({
    kQuadraticX1, kQuadraticX2, kLinear2X, kLinear2Y, kLinear3X, kLinear3Y, kLinear3Z, kFormulaResult,
});

}  // namespace numora::maths
