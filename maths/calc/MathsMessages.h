// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The messages and status text of the mathematics window's calculators.
// Every message is shown with the exclamation icon and the title
// "Numora错误报告" (Outcome::Error).
#pragma once

#include "SharedMessages.h"

namespace numora::maths {

// Equation solvers.
inline constexpr const char* kNoRealRoot = "此方程无解！";
inline constexpr const char* kZeroQuadraticCoefficient = "二次项系数不能为0";
inline constexpr const char* kInfinitelyManySolutions = "此方程组不止一组解";
inline constexpr const char* kNoSolution = "此方程组无解！";

// Trigonometric calculator.
inline constexpr const char* kOnVerticalAxis = "该角终边不可与纵坐标轴重合";
inline constexpr const char* kOnHorizontalAxis = "该角终边不可与横坐标轴重合";

}  // namespace numora::maths
