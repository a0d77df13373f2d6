// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "WindowPlace.h"

using numora::kMaxPixels;
using numora::PixelBox;
using numora::ReachableBox;
using numora::TwipsToPixels;

TEST(WindowPlace, TwipsToPixelsNeverOverflows) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double twips;
        int pixels;
    } cases[] = {
        {0, 0},           {1000, 67},         {7680, 512},        {-1000, -67},  {7.5, 1},  {-7.5, -1},
        {1e30, kMaxPixels}, {-1e30, -kMaxPixels}, {inf, kMaxPixels}, {-inf, -kMaxPixels},
        {std::numeric_limits<float>::max(), kMaxPixels}, {std::nan(""), 0},
        {15.0 * kMaxPixels, kMaxPixels}, {15.0 * 3e9, kMaxPixels},
    };
    for (const auto& c : cases) EXPECT_EQ(TwipsToPixels(c.twips), c.pixels) << c.twips;
}

TEST(WindowPlace, TitleBarStaysReachable) {
    const PixelBox screen{0, 0, 1024, 768};
    const struct {
        PixelBox window;
        bool shrink;
        PixelBox placed;
    } cases[] = {
        {{100, 100, 500, 400}, true, {100, 100, 500, 400}},             // on screen: unchanged
        {{-450, 100, 500, 400}, true, {-450, 100, 500, 400}},           // half off to the left, grip visible
        {{kMaxPixels, kMaxPixels, 500, 400}, true, {1024 - 500, 768 - 400, 500, 400}},
        {{-kMaxPixels, -kMaxPixels, 500, 400}, true, {0, 0, 500, 400}},
        {{1000, 100, 500, 400}, true, {524, 100, 500, 400}},          // only 24 px showing: moved in
        {{100, 750, 500, 400}, true, {100, 368, 500, 400}},           // title bar below the grip
        {{0, -30, 500, 400}, true, {0, 0, 500, 400}},                   // title bar above the screen
        {{0, 0, kMaxPixels, kMaxPixels}, true, {0, 0, 1024, 768}},      // larger than the screen
        {{0, 0, kMaxPixels, kMaxPixels}, false, {0, 0, kMaxPixels, kMaxPixels}},  // size kept
        {{5000, 10, 20, 20}, true, {1024 - 20, 10, 20, 20}},            // narrower than the grip
    };
    for (const auto& c : cases) {
        const PixelBox got = ReachableBox(c.window, screen, 40, c.shrink);
        EXPECT_EQ(got, c.placed) << c.window.left << "," << c.window.top << " -> " << got.left << ","
                                 << got.top << " " << got.width << "x" << got.height;
    }
    // A second screen to the left of the first: the area's own origin counts.
    EXPECT_EQ(ReachableBox({0, 0, 300, 200}, {-1280, 0, 1280, 1024}, 40, true), (PixelBox{-300, 0, 300, 200}));
}
