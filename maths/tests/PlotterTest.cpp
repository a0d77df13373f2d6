// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>

#include "Plotter.h"

using namespace numora;
using namespace numora::maths;

namespace {
PlotRange Range(double minY, double maxY, double minX, double maxX) { return PlotRange{minY, maxY, minX, maxX}; }
std::string MessageOf(const Outcome& o) { return o.message ? o.message->text : ""; }
}  // namespace

TEST(Plotter, MappingRoundTrips) {
    const CanvasMapping m{-4, 4, 4, -4};
    EXPECT_DOUBLE_EQ(m.ShareX(-4), 0);
    EXPECT_DOUBLE_EQ(m.ShareX(0), 0.5);
    EXPECT_DOUBLE_EQ(m.ShareY(4), 0);
    EXPECT_DOUBLE_EQ(m.ShareY(-2), 0.75);
    EXPECT_DOUBLE_EQ(m.UserX(0.25), -2);
    EXPECT_DOUBLE_EQ(m.UserY(m.ShareY(1.5)), 1.5);
}

TEST(Plotter, ApplyNormalisesChecksAndStores) {
    const ApplyResult ok = ApplyRange("-4", "4", "-4", "4", "7");
    ASSERT_TRUE(ok.ok);
    EXPECT_EQ(ok.grid, 7);
    EXPECT_EQ(ok.store, (std::vector<std::pair<std::string, std::string>>{
                            {"MinY", "-4"}, {"MaxY", "4"}, {"MinX", "-4"}, {"MaxX", "4"}, {"GridNum", "7"}}));

    const ApplyResult normalised = ApplyRange(" 1e2x", "200", "0.5", "5.5", "3");
    ASSERT_TRUE(normalised.ok);
    EXPECT_EQ(normalised.outcome.Field("MathsFunctionShapeOptionText1"), "100");
    EXPECT_EQ(normalised.outcome.Field("MathsFunctionShapeOptionText3"), ".5");
    EXPECT_EQ(normalised.outcome.Field("MathsFunctionShapeOptionText4"), "5.5");
    EXPECT_EQ(normalised.range.maxX, 5.5);  // never rounded to a whole number
    EXPECT_EQ(normalised.store[3].second, "5.5");
    EXPECT_EQ(normalised.store[2].second, ".5");

    // Every end is a double: a range narrower than one unit, or ending
    // between whole numbers, is taken as typed.
    const struct { const char* minX; const char* maxX; double width; const char* stored; } fractional[] = {
        {"0", "0.5", 0.5, ".5"}, {"0", "1.5", 1.5, "1.5"}, {"-1", "0.4", 1.4, ".4"}, {"4", "4.4", 0.4, "4.4"},
        {"-4", "3e9", 3e9 + 4, "3000000000"}, {"1", "1.0000001", 1e-7, "1.0000001"}};
    for (const auto& f : fractional) {
        const ApplyResult r = ApplyRange("-1", "1", f.minX, f.maxX, "7");
        ASSERT_TRUE(r.ok) << f.maxX;
        EXPECT_NEAR(r.range.maxX - r.range.minX, f.width, 1e-9) << f.maxX;
        EXPECT_EQ(r.store[3].second, f.stored);
    }

    const struct { const char* minY; const char* maxY; const char* minX; const char* maxX; const char* grid;
                   const char* message; } refused[] = {
        {"5", "4", "-4", "4", "7", "最大值应大于最小值"},
        {"-4", "4", "4", "4", "7", "最大值应大于最小值"},
        {"-4", "4", "4.5", "4.4", "7", "最大值应大于最小值"},
        {"-4", "4", "-4", "4", "", "请输入网格数"},
        {"-4", "4", "-4", "4", "0", "网格数应为正整数"},
        {"-4", "4", "-4", "4", "a", "网格数应为正整数"},
        {"-4", "4", "-4", "4", "-", "网格数应为正整数"},
        {"-4", "4", "-4", "1e999", "7", "数据过大"},
        {"-4", "1e999", "-4", "4", "7", "数据过大"},
        // The canvas cannot be mapped: its height or width leaves the range,
        // or 3600 layout units per unit do.
        {"-1e308", "1e308", "-4", "4", "7", "数据过大"},
        {"-1.7e308", "1e308", "-4", "4", "7", "数据过大"},
        // Too small to draw: a message of its own.
        {"0", "1e-320", "-4", "4", "7", "坐标范围过小，无法绘制图象"},
        {"-4", "4", "-1e-308", "0", "7", "坐标范围过小，无法绘制图象"},
        {"1e308", "-1e308", "-4", "4", "7", "最大值应大于最小值"},  // this check comes first
        {"-1e308", "1e308", "-4", "4", "", "数据过大"},           // ... and the grid's come after
    };
    for (const auto& r : refused) {
        const ApplyResult result = ApplyRange(r.minY, r.maxY, r.minX, r.maxX, r.grid);
        EXPECT_FALSE(result.ok) << r.maxX;
        EXPECT_EQ(MessageOf(result.outcome), r.message) << r.minY << " " << r.maxX << " " << r.grid;
    }
}

TEST(Plotter, AxisPlacement) {
    const AxisLayout centre = PlaceAxes(DesignAxes(), Range(-4, 4, -4, 4));
    EXPECT_EQ(centre.lines[0].y1, 1800);
    EXPECT_EQ(centre.lines[1].x1, 1800);
    EXPECT_EQ(centre, DesignAxes());

    const AxisLayout above = PlaceAxes(DesignAxes(), Range(1, 5, -4, 4));
    EXPECT_EQ(above.lines[0].y1, 3550);
    EXPECT_EQ(above.lines[4].y1, 3550);
    EXPECT_EQ(above.lines[4].y2, 3430);
    EXPECT_FALSE(above.lines[5].visible);
    EXPECT_EQ(above.x.top, 3310);

    const AxisLayout edge = PlaceAxes(DesignAxes(), Range(0, 4, -4, 4));
    EXPECT_EQ(edge.lines[0].y1, 3600);
    EXPECT_TRUE(edge.lines[5].visible);
    EXPECT_EQ(edge.lines[5].y2, 3720);

    const AxisLayout right = PlaceAxes(DesignAxes(), Range(-4, 4, 2, 6));
    EXPECT_EQ(right.lines[1].x1, 0);
    EXPECT_FALSE(right.lines[2].visible);
    EXPECT_EQ(right.lines[3].x1, 0);
    EXPECT_EQ(right.lines[3].x2, 120);
    EXPECT_EQ(right.y.left, 4);
    // Back inside: the left stroke shows again.
    const AxisLayout back = PlaceAxes(right, Range(-4, 4, -1, 3));
    EXPECT_TRUE(back.lines[2].visible);
    EXPECT_EQ(back.lines[1].x1, 900);
}

// Ranges near the double limit: every axis element stays on the canvas
// (MinY -1E+308 with MaxY 1E+307 put the x axis at NaN through
// 3600 · MaxY = infinity), and two tiny ends of one sign leave the axis at
// the border although their product rounds to 0.
TEST(Plotter, AxesOfExtremeRangesStayOnTheCanvas) {
    const struct { PlotRange range; double y0, x0; } cases[] = {
        {Range(-1e308, 1e307, -4, 4), 327, 1800},                  // floor(3600 / 11)
        {Range(-1, 1e305, -1e305, 4), 3600, 3600},
        {Range(-8e307, 8e307, -4, 4), 1800, 1800},
        {Range(1e-200, 2e-200, -4, 4), 3550, 1800},                // above the x axis
        {Range(-2e-200, -1e-200, 1, 4), 3550, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.range.minY) + " " + std::to_string(c.range.maxY));
        ASSERT_TRUE(MappingFits(c.range));
        const AxisLayout axes = PlaceAxes(DesignAxes(), c.range);
        EXPECT_EQ(axes.lines[0].y1, c.y0);
        EXPECT_EQ(axes.lines[1].x1, c.x0);
        for (const AxisLine& l : axes.lines)
            for (double v : {l.x1, l.y1, l.x2, l.y2}) EXPECT_TRUE(v >= -120 && v <= 3720) << v;
        for (const AxisLabel& label : {axes.x, axes.y})
            for (double v : {label.left, label.top}) EXPECT_TRUE(v >= -240 && v <= 3600) << v;
        const std::string svg = PictureSvg(PlotPicture({}, axes), 600, 600);
        EXPECT_EQ(svg.find("nan\""), std::string::npos) << svg;
        EXPECT_EQ(svg.find("inf\""), std::string::npos) << svg;
    }
}

TEST(Plotter, GridDividesIntoEqualBands) {
    const auto lines = GridLines(7);
    ASSERT_EQ(lines.size(), 14u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_DOUBLE_EQ(lines[2 * i].y1, 450.0 * (i + 1));
        EXPECT_DOUBLE_EQ(lines[2 * i + 1].x1, 450.0 * (i + 1));
    }
    EXPECT_EQ(GridLines(1)[0].y1, 1800);
}

TEST(Plotter, KindChecksInOrder) {
    const PlotRange r = Range(-4, 4, -4, 4);
    const struct { int kind; std::vector<std::string> c; const char* message; } cases[] = {
        {0, {"", "0"}, "请不要使输入框为空"}, {0, {"0", "1"}, "一次项系数不能为0"}, {0, {" ", "1"}, "一次项系数不能为0"},
        {1, {"0", "1", ""}, "请不要使输入框为空"}, {1, {"0", "1", "1"}, "二次项系数不能为0"},
        {2, {"0", "0"}, "除数不能为0"}, {2, {"1", "1"}, "底数应大于0且不等于1"}, {2, {"-2", "1"}, "底数应大于0且不等于1"},
        {3, {"1", "1"}, "底数应大于0且不等于1"}, {3, {"2", "0"}, "除数不能为0"},
        {4, {""}, "请不要使输入框为空"}, {4, {"0"}, "系数不能为0"},
        {5, {"1", "1", "", "0"}, "请不要使输入框为空"}, {6, {"1", "1", "0", ""}, "请不要使输入框为空"},
    };
    // A coefficient beyond the double range, after the emptiness check.
    const struct { int kind; std::vector<std::string> c; const char* message; } beyond[] = {
        {0, {"1e309", "0"}, "数据过大"}, {0, {"1", "-1e309"}, "数据过大"}, {0, {"", "1e309"}, "请不要使输入框为空"},
        {1, {"1", "1", "-1e999"}, "数据过大"}, {2, {"1e309", "1e309"}, "数据过大"}, {3, {"2", "-1e309"}, "数据过大"},
        {4, {"-1e309"}, "数据过大"}, {5, {"1", "1e309", "0", "0"}, "数据过大"}, {6, {"1", "1", "0", "-1e309"}, "数据过大"},
    };
    for (const auto& c : beyond) {
        const Graph g = DrawGraph(kKindNames[static_cast<std::size_t>(c.kind)], c.c, r);
        EXPECT_EQ(MessageOf(g.outcome), c.message) << c.kind;
        EXPECT_TRUE(g.segments.empty());
    }
    for (const auto& c : cases) {
        const Graph g = DrawGraph(kKindNames[static_cast<std::size_t>(c.kind)], c.c, r);
        EXPECT_EQ(MessageOf(g.outcome), c.message) << c.kind;
        EXPECT_TRUE(g.segments.empty());
    }
}

TEST(Plotter, SamplingRuns) {
    const PlotRange r = Range(-4, 4, -4, 4);
    const Graph line = DrawGraph("一次函数", {"1", "0"}, r);
    ASSERT_EQ(line.segments.size(), 1u);
    EXPECT_EQ(line.segments[0], (Segment{-4, -4, 4, 4}));
    EXPECT_EQ(line.colour, (Rgb{255, 0, 0}));

    const Graph quadratic = DrawGraph("二次函数", {"1", "0", "0"}, r);
    EXPECT_EQ(quadratic.colour, (Rgb{255, 128, 0}));
    // Starts in range only between -2 and 2 (step 0.01).
    EXPECT_NEAR(static_cast<double>(quadratic.segments.size()), 401, 2);
    for (const Segment& s : quadratic.segments) {
        EXPECT_LE(s.y1, 4);
        EXPECT_NEAR(s.x2 - s.x1, 0.01, 1e-12);
    }

    const Graph log = DrawGraph("对数函数", {"2", "1"}, Range(-10, 4, -4, 4));
    ASSERT_FALSE(log.segments.empty());
    EXPECT_NEAR(log.segments.front().x1, 0.01, 1e-12);  // from 0.01 whatever MinX is

    const Graph inverse = DrawGraph("反比例函数", {"1"}, Range(-4, 4, 1, 4));
    ASSERT_FALSE(inverse.segments.empty());
    EXPECT_NEAR(inverse.segments.front().x1, 0.26, 0.011);  // only the positive run, in range from 1/4
    const Graph bothRuns = DrawGraph("反比例函数", {"1"}, r);
    for (const Segment& s : bothRuns.segments) {
        EXPECT_GE(std::fabs(s.x1), 0.01 - 1e-12);
        EXPECT_GE(std::fabs(s.x2), 0.01 - 1e-12);
    }

    const Graph sine = DrawGraph("正弦函数", {"1", "1", "0", "0"}, r);
    EXPECT_EQ(sine.colour, (Rgb{0, 0, 0}));
    EXPECT_NEAR(static_cast<double>(sine.segments.size()), 800, 2);
}

TEST(Plotter, HugeRangesAreCoarsenedAndOverflowIsSkipped) {
    const Graph wide = DrawGraph("正弦函数", {"1", "1", "0", "0"}, Range(-4, 4, -1e9, 1000000000));
    EXPECT_LE(wide.segments.size(), kMaxRunSamples + 1);
    EXPECT_GT(wide.segments.size(), kMaxRunSamples / 2);
    const Graph exp = DrawGraph("指数函数", {"10", "1"}, Range(-1e308, 1e308, -4, 2000000000));
    for (const Segment& s : exp.segments) EXPECT_TRUE(std::isfinite(s.y1) && std::isfinite(s.y2));
}

TEST(Plotter, ReadoutsTruncateToFourDecimals) {
    EXPECT_EQ(PlotReadout(1.25, -0.5), "所得函数图象 鼠标坐标:(1.25,-0.5)");
    EXPECT_EQ(PlotReadout(0.123456, -0.123456), "所得函数图象 鼠标坐标:(0.1234,-0.1235)");
    EXPECT_EQ(SketchReadout(0, 0), "鼠标坐标:(0,0)");
    // Ranges near the double limit: a read-out never says "inf".
    EXPECT_EQ(PlotReadout(-1e305, 1e307), "所得函数图象 鼠标坐标:(-1E+305,1E+307)");
    EXPECT_EQ(PlotReadout(1e30, -3.5e38), "所得函数图象 鼠标坐标:(1E+30,-3.5E+38)");
}

TEST(Sketch, ChecksStepAndMirroredHalves) {
    EXPECT_EQ(MessageOf(CheckSketch("").outcome), "请不要使输入框为空");
    EXPECT_EQ(MessageOf(CheckSketch("0").outcome), "请使横坐标最右限为正数");
    EXPECT_EQ(MessageOf(CheckSketch("abc").outcome), "请使横坐标最右限为正数");
    EXPECT_EQ(MessageOf(CheckSketch("1e309").outcome), "数据过大");
    EXPECT_EQ(MessageOf(CheckSketch("-1e309").outcome), "数据过大");  // whatever its sign
    EXPECT_EQ(CheckSketch("6.283").r, 6.283);
    EXPECT_EQ(SketchStep(6.283), 0.001);
    EXPECT_EQ(SketchStep(20), 0.001);
    EXPECT_DOUBLE_EQ(SketchStep(99999), 99999.0 / kMaxSketchSteps);
    const auto sine = SketchSegments(false, 1, 0.001);
    EXPECT_DOUBLE_EQ(sine[1].x1, -1);
    EXPECT_DOUBLE_EQ(sine[1].y1, -std::sin(1.0));
    const auto cosine = SketchSegments(true, 1, 0.001);
    EXPECT_DOUBLE_EQ(cosine[1].y2, std::cos(1.001));
}

TEST(PlotImages, PngAndSvgShowTheLines) {
    Picture picture;
    picture.lines.push_back({0, 1, 1, 0, {255, 0, 0}, 1});  // the diagonal y = x
    picture.lines.push_back({-1e300, 0.5, 1e300, 0.5, kGreen, 2});
    picture.texts.push_back({0.5, 0, "y", kGreen});
    const std::string png = PicturePng(picture, 100, 100);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_GT(png.size(), 30000u);
    const std::string svg = PictureSvg(picture, 100, 100);
    EXPECT_NE(svg.find("stroke=\"#ff0000\""), std::string::npos);
    EXPECT_NE(svg.find(">y</text>"), std::string::npos);
    EXPECT_EQ(svg.find("e+300"), std::string::npos);  // clipped to the picture

    double x1 = -10, y1 = -10, x2 = 10, y2 = 10;
    ASSERT_TRUE(ClipSegment(x1, y1, x2, y2, 0, 0, 1, 1));
    EXPECT_DOUBLE_EQ(x1, 0);
    EXPECT_DOUBLE_EQ(y2, 1);
    EXPECT_FALSE(ClipSegment(x1 = 2, y1 = 2, x2 = 3, y2 = 3, 0, 0, 1, 1));
}
