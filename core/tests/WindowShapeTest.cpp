// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "WindowShape.h"

using numora::ShapePart;
using numora::WindowShapeParts;

TEST(WindowShape, PartsForAWindowOf400By300Pixels) {
    const auto parts = WindowShapeParts(400 * 15, 300 * 15);
    const std::vector<ShapePart> expected = {
        {ShapePart::Rectangle, 0, 26, 400, 274}, {ShapePart::Rectangle, 23, 0, 377, 300},
        {ShapePart::Rectangle, 23, 52, 400, 294}, {ShapePart::Rectangle, 52, 52, 394, 300},
        {ShapePart::Ellipse, 0, 0, 52, 52},       {ShapePart::Ellipse, 350, 0, 401, 52},
        {ShapePart::Ellipse, 0, 248, 52, 300},    {ShapePart::Ellipse, 391, 291, 400, 300},
    };
    EXPECT_EQ(parts, expected);
}

TEST(WindowShape, RoundsTwipsToWholePixels) {
    // 6007 twips = 400.47 px wide, 4493 twips = 299.53 px high.
    const auto parts = WindowShapeParts(6007, 4493);
    EXPECT_EQ(parts[0].right, 400);
    EXPECT_EQ(parts[0].bottom, 274);
    EXPECT_EQ(parts[1].right, 377);
    EXPECT_EQ(parts[5].right, 401);
}
