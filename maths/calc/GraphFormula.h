// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the plotter says of a drawn graph and of its coefficient sliders:
// the graph's formula as a pupil writes it ("y = x²-2", "y = 2sin(x+1)"),
// the range and step of a slider, and the back-and-forth of its animation.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Outcome.h"
#include "PlotCurve.h"

namespace numora::maths {

// The formula of a graph of `kind` with the texts of its coefficient boxes
// (as the draw command reads them; a typed function's text, then the values
// of a, b and c it uses): "y = x²-2", "y = 2sin(x+1)", "y = (1/2)^x",
// "y = log₂x", "y = a*sin(b*x)+c (a = 2, b = 1, c = 0)". Coefficients of 1
// and terms of 0 are left out.
std::string GraphFormula(CurveKind kind, const std::vector<std::string>& boxes);

// A slider's values: from `min` to `max` in steps of `step`.
struct SliderScale {
    double min = -10, max = 10, step = 0.1;

    // The positions 0 ... Positions() of the slider.
    int Positions() const;
    // The value at a position, as its shortest decimal (0.3, not
    // 0.30000000000000004).
    double ValueAt(int position) const;
    // The position nearest to a value (clamped to the ends).
    int PositionOf(double value) const;
    // The scale widened, when needed, so that `value` lies inside it.
    SliderScale Containing(double value) const;
    bool operator==(const SliderScale&) const = default;
};
// The most positions a slider may have.
inline constexpr int kMaxSliderPositions = 100000;
inline constexpr const char* kStepNotPositive = "步长应为正数";
inline constexpr const char* kStepTooSmall = "步长过小";

// Reads a slider's range and step from their boxes: empty: "请不要使输入框为空";
// beyond the double range: "数据过大"; min >= max: "最大值应大于最小值"; step
// not above 0: kStepNotPositive; more than kMaxSliderPositions steps:
// kStepTooSmall.
struct ScaleResult {
    Outcome outcome;
    std::optional<SliderScale> scale;
};
ScaleResult ReadScale(std::string_view min, std::string_view max, std::string_view step);

// The animation of a slider: the next position `stride` on in `direction`
// (+1 or -1), turning back at either end (direction is updated).
int BouncePosition(int position, int& direction, int positions, int stride = 1);

}  // namespace numora::maths
