// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The key points of drawn graphs inside a rectangle of the plane: each
// graph's zeros, extrema and y-axis intercept, and where two graphs meet.
// They come from the functions, never from pixels: closed forms where the
// kind has them (the roots and vertex of a quadratic, the zeros and
// extrema of the sine kinds, the vertex of |x|, the intersections of
// straight lines, parabolas and |x| graphs), otherwise a scan for sign
// changes of the function itself and of its derivative (SignSearch).
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

// What is said of a graph once instead of listing its points: a graph that
// is 0 throughout the range ("函数值恒为0"), two graphs that are one
// ("图象重合").
enum class KeyNoteKind { ZeroFunction, SameGraph };
const char* KeyNoteName(KeyNoteKind kind);

struct KeyNote {
    KeyNoteKind kind;
    std::size_t curve, other;  // other: the second graph of SameGraph, else curve
    bool operator==(const KeyNote&) const = default;
};

struct KeyPoints {
    std::vector<KeyPoint> points;  // sorted by x, at most kMaxKeyPoints
    std::vector<KeyNote> notes;
    // Some family of points (the zeros of a sine over a huge range, say)
    // had more than kMaxKeyPoints inside the rectangle and is left out, or
    // all of them together were more and those beyond are.
    bool tooMany = false;
};

inline constexpr std::size_t kMaxKeyPoints = 500;
// Sampling steps of the scan across the rectangle's width.
inline constexpr std::size_t kKeyPointScan = 4096;

// The key points of `curves` inside `view` (edges included). A zero's y is
// 0; an intersection's y is the first graph's value there. A graph that is
// constant has no extrema; a graph that is 0 throughout has no zeros but a
// ZeroFunction note; two graphs that coincide throughout have no
// intersections but a SameGraph note (coinciding on a part of the range,
// neither).
KeyPoints FindKeyPoints(const std::vector<Curve>& curves, const CanvasMapping& view,
                        std::size_t scan = kKeyPointScan);

// A point as numora-cli prints it: its name, x and y in the result number
// text, separated by blanks ("极小值点 1.5 -0.25").
std::string KeyPointLine(const KeyPoint& point);
// A note as numora-cli prints it: "函数值恒为0" (with the graph's name
// "曲线2" when there are several), "图象重合 曲线1 曲线2".
std::string KeyNoteLine(const KeyNote& note, std::size_t graphs);

}  // namespace numora::maths
