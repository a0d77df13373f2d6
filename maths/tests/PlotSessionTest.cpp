// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The plotter's session without a window: the formulas of the graph list,
// the sliders' scales, a grid that agrees with its numbers, the list of
// graphs, and the trace that keeps its point in view.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "GraphFormula.h"
#include "PlotSession.h"
#include "Plotter.h"

using namespace numora::maths;

namespace {

Graph Draw(const char* kind, std::vector<std::string> boxes, const PlotRange& range = {}) {
    Graph g = DrawGraph(kind, boxes, range);
    EXPECT_TRUE(g.curve.has_value()) << kind;
    return g;
}

TextMeasure Measure(double canvas) {
    return {[](const std::string& t) { return 7.0 * static_cast<double>(t.size()); }, 12, canvas};
}

}  // namespace

TEST(GraphFormula, AsPupilsWriteThem) {
    const struct { CurveKind kind; std::vector<std::string> boxes; const char* formula; } rows[] = {
        {CurveKind::Quadratic, {"1", "0", "-2"}, "y = x²-2"},
        {CurveKind::Quadratic, {"2", "-1", "0"}, "y = 2x²-x"},
        {CurveKind::Quadratic, {"-1", "3", "0.5"}, "y = -x²+3x+0.5"},
        {CurveKind::Sine, {"2", "1", "1", "0"}, "y = 2sin(x+1)"},
        {CurveKind::Sine, {"1", "2", "-1", "3"}, "y = sin(2x-1)+3"},
        {CurveKind::Cosine, {"1", "2", "0", "0.5"}, "y = cos(2x)+0.5"},
        {CurveKind::Linear, {"1", "0"}, "y = x"},
        {CurveKind::Linear, {"-1", "2"}, "y = -x+2"},
        {CurveKind::Linear, {"2.5", "-1e20"}, "y = 2.5x-1E+20"},
        {CurveKind::Exponential, {"2", "1"}, "y = 2^x"},
        {CurveKind::Exponential, {"1", "2"}, "y = (1/2)^x"},
        {CurveKind::Logarithm, {"2", "1"}, "y = log₂x"},
        {CurveKind::Logarithm, {"1", "2"}, "y = log_(1/2)x"},
        {CurveKind::Inverse, {"-1"}, "y = -1/x"},
        {CurveKind::Power, {"1", "3"}, "y = x³"},
        {CurveKind::Power, {"1", "-1"}, "y = x⁻¹"},
        {CurveKind::Power, {"2", "0.5"}, "y = 2x^0.5"},
        {CurveKind::Tangent, {"1", "1", "0"}, "y = tan(x)"},
        {CurveKind::Absolute, {"2", "1", "-2"}, "y = 2|x-1|-2"},
        {CurveKind::Absolute, {"1", "0", "0"}, "y = |x|"},
        {CurveKind::Typed, {"x^2"}, "y = x^2"},
        {CurveKind::Typed, {"a*sin(b*x)+c", "2", "1", "0"}, "y = a*sin(b*x)+c (a = 2, b = 1, c = 0)"},
        {CurveKind::Typed, {"a*x"}, "y = a*x (a = 1)"},
    };
    for (const auto& r : rows) EXPECT_EQ(GraphFormula(r.kind, r.boxes), r.formula) << r.formula;
}

TEST(SliderScale, PositionsValuesAndRanges) {
    const SliderScale s;  // -10 ... 10 in steps of 0.1
    EXPECT_EQ(s.Positions(), 200);
    EXPECT_EQ(s.ValueAt(0), -10);
    EXPECT_EQ(s.ValueAt(103), 0.3);  // the decimal, not 0.30000000000000004
    EXPECT_EQ(s.ValueAt(200), 10);
    EXPECT_EQ(s.PositionOf(1.04), 110);
    EXPECT_EQ(s.PositionOf(-99), 0);
    EXPECT_EQ(s.PositionOf(99), 200);
    // A value typed outside widens the scale to take it.
    EXPECT_EQ(s.Containing(25), (SliderScale{-10, 25, 0.1}));
    EXPECT_EQ(s.Containing(-0.5), s);
    EXPECT_EQ(s.Containing(1e9).Positions(), kMaxSliderPositions);

    const struct { const char *min, *max, *step, *message; } refused[] = {
        {"", "10", "0.1", "请不要使输入框为空"}, {"5", "5", "0.1", "最大值应大于最小值"},
        {"0", "1", "0", "步长应为正数"},           {"0", "1", "-1", "步长应为正数"},
        {"0", "1", "1e-9", "步长过小"},             {"-1e308", "1e308", "1", "数据过大"},
    };
    for (const auto& r : refused) {
        const ScaleResult read = ReadScale(r.min, r.max, r.step);
        EXPECT_FALSE(read.scale) << r.message;
        ASSERT_TRUE(read.outcome.message) << r.message;
        EXPECT_EQ(read.outcome.message->text, r.message);
    }
    EXPECT_EQ(ReadScale("0", "5", "0.5").scale, (SliderScale{0, 5, 0.5}));

    // Back and forth over the range.
    int direction = 1, at = 8;
    std::vector<int> path;
    for (int i = 0; i < 6; ++i) path.push_back(at = BouncePosition(at, direction, 10, 1));
    EXPECT_EQ(path, (std::vector<int>{9, 10, 9, 8, 7, 6}));
    direction = -1;
    EXPECT_EQ(BouncePosition(2, direction, 10, 5), 0);
    EXPECT_EQ(direction, 1);
}

TEST(TypedFunction, ParametersABC) {
    const auto f = TypedFunction::Parse("a*sin(b*x)+c");
    ASSERT_TRUE(f);
    EXPECT_TRUE(f->Uses(0) && f->Uses(1) && f->Uses(2));
    EXPECT_DOUBLE_EQ(f->At(0.5, {2, 3, 1}), 2 * std::sin(1.5) + 1);
    const struct { const char* text; bool a, b, c; double at1; } rows[] = {
        {"abs(x)", false, false, false, 1},     // a name is read before a parameter
        {"cos(0)+b", false, true, false, 3},    // ... and c
        {"ab x", true, true, false, 4},         // side by side: a·b·x
        {"exp(x)", false, false, false, std::exp(1.0)},
        {"A x + C", true, false, true, 6},
    };
    for (const auto& r : rows) {
        const auto g = TypedFunction::Parse(r.text);
        ASSERT_TRUE(g) << r.text;
        EXPECT_EQ(g->Uses(0), r.a) << r.text;
        EXPECT_EQ(g->Uses(1), r.b) << r.text;
        EXPECT_EQ(g->Uses(2), r.c) << r.text;
        EXPECT_DOUBLE_EQ(g->At(1, {2, 2, 4}), r.at1) << r.text;
    }
    // The draw command reads a, b and c after the text; missing ones are 1, 1 and 0.
    const Graph g = Draw("自定义函数", {"a*x+c", "3", "", "2"});
    EXPECT_DOUBLE_EQ(g.curve->At(1), 5);
    EXPECT_EQ(DrawGraph("自定义函数", {"a*x+b", "", "1"}, {}).outcome.message->text, "请不要使输入框为空");
    EXPECT_DOUBLE_EQ(Draw("自定义函数", {"a*x+b"}).curve->At(2), 3);
}

// Every number on an axis stands on a grid line, centred on it, none cut
// at the canvas's edge or covering a key point's mark; both axes number a
// square range alike.
TEST(PlotView, TheGridAgreesWithItsNumbers) {
    const CanvasMapping views[] = {{-4, 4, 4, -4},   {5, 4, 10, -4},    {-10, 4, 4, -4},       {0.1, 0.4, 0.4, 0.1},
                                   {-2.4, 2.4, 2.4, -2.4}, {123456, 10, 123460, -10}, {-1e-6, 1e-6, 1e-6, -1e-6},
                                   {-0.0025, 0.0025, 0.0025, -0.0025}, {1, 5, 6, 2}};
    for (const CanvasMapping& view : views) {
        for (int grid : {1, 5, 7, 9}) {
            for (double canvas : {300.0, 700.0}) {
                SCOPED_TRACE(std::to_string(view.left) + " .. " + std::to_string(view.right) + ", grid " +
                             std::to_string(grid) + ", " + std::to_string(canvas) + " px");
                const auto xs = AxisTicks(view, false, grid), ys = AxisTicks(view, true, grid);
                ASSERT_GE(xs.size(), 1u);
                ASSERT_GE(ys.size(), 1u);
                const std::vector<Segment> lines = TickGrid(xs, ys);
                std::set<double> vertical, horizontal;
                for (const Segment& l : lines) (l.x1 == l.x2 ? vertical : horizontal).insert(l.x1 == l.x2 ? l.x1 : l.y1);
                // A round step: 1, 2 or 5 times a power of ten.
                if (xs.size() >= 2) {
                    const double step = xs[1].value - xs[0].value;
                    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
                    EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-6 || std::fabs(mantissa - 2) < 1e-6 ||
                                std::fabs(mantissa - 5) < 1e-6)
                        << step;
                }
                const std::vector<MarkSpot> marks = {{0.5, 0.5, 3.5}, {xs[0].share, view.ShareY(0), 3.5}};
                const AxisLayout axes = PlaceAxes(DesignAxes(), view);
                const TextMeasure m = Measure(canvas);
                const AxisNumbers numbers = NumberAxes(axes, xs, ys, m, marks);
                for (const Picture::Text& t : numbers.texts) {
                    const double w = m.width(t.text) / canvas, h = m.height / canvas;
                    EXPECT_TRUE(t.left >= 0 && t.top >= 0 && t.left + w <= 1 && t.top + h <= 1) << t.text << " is cut";
                    for (const MarkSpot& spot : marks)
                        EXPECT_FALSE(t.left < spot.x + 3.5 / canvas && spot.x - 3.5 / canvas < t.left + w &&
                                     t.top < spot.y + 3.5 / canvas && spot.y - 3.5 / canvas < t.top + h)
                            << t.text << " covers a mark";
                    if (t.text == "0") continue;  // the origin's, between the axes
                    const double centreX = t.left + w / 2, centreY = t.top + h / 2;
                    const bool onVertical = std::any_of(vertical.begin(), vertical.end(),
                                                        [&](double s) { return std::fabs(s - centreX) < 1e-9; });
                    const bool onHorizontal = std::any_of(horizontal.begin(), horizontal.end(),
                                                          [&](double s) { return std::fabs(s - centreY) < 1e-9; });
                    EXPECT_TRUE(onVertical || onHorizontal) << t.text << " stands between the lines";
                }
                EXPECT_GE(numbers.texts.size(), grid >= 5 ? 2u : 1u);
            }
        }
    }
    // A square range is numbered alike on both axes.
    const CanvasMapping square{-4, 4, 4, -4};
    const auto xs = AxisTicks(square, false, 7), ys = AxisTicks(square, true, 7);
    const AxisNumbers numbers = NumberAxes(PlaceAxes(DesignAxes(), square), xs, ys, Measure(365));
    std::multiset<std::string> texts;
    for (const auto& t : numbers.texts) texts.insert(t.text);
    for (const char* n : {"-3", "-2", "-1", "1", "2", "3"}) EXPECT_EQ(texts.count(n), 2u) << n;
}

TEST(PlotSession, GraphsListedShownAndRemoved) {
    PlotSession s;
    s.Apply({-4, 4, -4, 4}, 7);
    EXPECT_EQ(s.GraphsText(), "未绘制图象");
    s.Add(Draw("二次函数", {"1", "0", "-2"}), {"1", "0", "-2"});
    s.Add(Draw("正弦函数", {"2", "1", "1", "0"}), {"2", "1", "1", "0"});
    EXPECT_EQ(s.GraphsText(), "曲线1 y = x²-2；曲线2 y = 2sin(x+1)");
    ASSERT_EQ(s.Graphs().size(), 2u);
    const std::size_t both = s.Keys().points.size();
    s.Show(0, false);
    EXPECT_EQ(s.GraphsText(), "曲线1 y = x²-2（已隐藏）；曲线2 y = 2sin(x+1)");
    EXPECT_LT(s.Keys().points.size(), both);
    for (const KeyPoint& k : s.Keys().points) EXPECT_EQ(k.curve, 1u);  // graph indices, hidden ones counted
    s.Show(0, true);
    // A slider's step: graph 1 drawn again, its key points found anew.
    s.Replace(0, Draw("二次函数", {"1", "0", "-4"}), {"1", "0", "-4"});
    EXPECT_EQ(s.Graphs()[0].formula, "y = x²-4");
    EXPECT_TRUE(std::any_of(s.Keys().points.begin(), s.Keys().points.end(),
                            [](const KeyPoint& k) { return k.kind == KeyKind::Zero && k.x == 2; }));
    ASSERT_TRUE(s.StepTrace(1));
    s.Remove(0);
    EXPECT_FALSE(s.Traced());  // the graphs are numbered anew
    EXPECT_EQ(s.GraphsText(), "曲线1 y = 2sin(x+1)");
    s.Apply({-4, 4, -4, 4}, 7);
    EXPECT_TRUE(s.Graphs().empty());
    // What is said instead of points, once.
    s.Add(Draw("自定义函数", {"x-x"}), {"x-x"});
    EXPECT_EQ(s.KeyNotes(), (std::vector<std::string>{"函数值恒为0 曲线1"}));
}

// The trace keeps its point in view, and zooming from the keyboard keeps
// the traced point where it is on the canvas.
TEST(PlotSession, TraceKeepsItsPointInView) {
    PlotSession s;
    s.Apply({-4, 4, -4, 4}, 7);
    s.Add(Draw("自定义函数", {"tan(x)"}), {"tan(x)"});
    ASSERT_TRUE(s.StepTrace(1));  // at x = 0
    for (int i = 0; i < 60; ++i) {
        ASSERT_TRUE(s.StepTrace(1));
        const auto t = s.Traced();
        ASSERT_TRUE(t);
        const CanvasMapping& v = s.View();
        EXPECT_TRUE(t->x >= v.left && t->x <= v.right) << t->x;
        if (std::isfinite(t->y)) {
            EXPECT_TRUE(t->y >= v.bottom && t->y <= v.top) << t->x << " " << t->y;
        }
    }
    EXPECT_FALSE(s.AtHome());
    EXPECT_TRUE(s.Home());
    // Along a line out of the view on the right: the view follows across.
    s.Apply({-4, 4, -4, 4}, 7);
    s.Add(Draw("一次函数", {"0.5", "0"}), {"0.5", "0"});
    for (int i = 0; i < 50; ++i) s.StepTrace(1);
    EXPECT_GT(s.View().right, 4);
    EXPECT_LE(s.Traced()->x, s.View().right);

    // Zoom about the traced point.
    s.Home();
    s.StepTrace(1);
    for (int i = 0; i < 15; ++i) s.StepTrace(1);  // x = 1.5
    const auto before = s.Traced();
    const double sx = s.View().ShareX(before->x), sy = s.View().ShareY(before->y);
    ASSERT_TRUE(s.Zoom(kZoomStep));
    EXPECT_NEAR(s.View().ShareX(before->x), sx, 1e-12);
    EXPECT_NEAR(s.View().ShareY(before->y), sy, 1e-12);
    // Without a marker: about the centre.
    s.ClearTrace();
    const double centre = s.View().UserX(0.5);
    ASSERT_TRUE(s.Zoom(kZoomStep));
    EXPECT_NEAR(s.View().UserX(0.5), centre, 1e-12);
}
