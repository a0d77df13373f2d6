// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The key points of drawn graphs inside a rectangle of the plane: each
// graph's zeros, extrema and y-axis intercept, and where two graphs meet.
// They come from the functions, never from pixels: closed forms where the
// kind has them (the roots and vertex of a quadratic, the zeros and
// extrema of the sine kinds, the vertex of |x|, the intersections of
// straight lines, parabolas and |x| graphs), otherwise a scan for sign
// changes followed by bisection on the function itself down to neighbouring
// doubles (zeros, intersections) or a golden-section search (extrema).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "PlotCurve.h"
#include "Plotter.h"

namespace numora::maths {

enum class KeyKind { Zero, Maximum, Minimum, YIntercept, Intersection };

// "零点", "极大值点", "极小值点", "y轴交点", "交点".
const char* KeyKindName(KeyKind kind);

struct KeyPoint {
    KeyKind kind;
    double x, y;
    std::size_t curve;  // the graph (the first of the two for an intersection)
    std::size_t other;  // the second graph of an intersection, else `curve`
    bool operator==(const KeyPoint&) const = default;
};

struct KeyPoints {
    std::vector<KeyPoint> points;  // sorted by x
    // Some family of points (the zeros of a sine over a huge range, say)
    // had more than kMaxKeyPoints inside the rectangle and is left out.
    bool tooMany = false;
};

inline constexpr std::size_t kMaxKeyPoints = 500;
// Sampling steps of the scan across the rectangle's width.
inline constexpr std::size_t kKeyPointScan = 4096;

// The key points of `curves` inside `view` (edges included). A zero's y is
// 0; an intersection's y is the first graph's value there. A graph that is
// constant has no extrema, and a constant 0 no zeros; two graphs that
// coincide have no intersections.
KeyPoints FindKeyPoints(const std::vector<Curve>& curves, const CanvasMapping& view,
                        std::size_t scan = kKeyPointScan);

// A point as numora-cli prints it: its name, x and y in the result number
// text, separated by blanks ("极小值点 1.5 -0.25").
std::string KeyPointLine(const KeyPoint& point);

}  // namespace numora::maths
