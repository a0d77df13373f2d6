// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Contrast.h"

using numora::ContrastRatio;
using numora::IsDark;
using numora::ReadableOn;
using numora::Rgb8;

TEST(Contrast, RatioOfKnownPairs) {
    EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio({255, 255, 255}, {0, 0, 0}), 21.0, 1e-9);  // symmetric
    EXPECT_NEAR(ContrastRatio({119, 119, 119}, {255, 255, 255}), 4.48, 0.01);
    EXPECT_NEAR(ContrastRatio({10, 20, 30}, {10, 20, 30}), 1.0, 1e-9);
}

TEST(Contrast, DarkAndLightFaces) {
    const struct { Rgb8 face; bool dark; } cases[] = {
        {{255, 255, 255}, false}, {{240, 240, 240}, false}, {{239, 235, 231}, false},  // light themes
        {{53, 53, 53}, true},     {{42, 46, 50}, true},     {{0, 0, 0}, true},         // dark themes
        {{127, 127, 127}, false},                                                      // mid grey reads black
    };
    for (const auto& c : cases) EXPECT_EQ(IsDark(c.face), c.dark) << c.face.r;
}

TEST(Contrast, ColoursOnALightFaceStayAsDesigned) {
    // Even a faint one: the light face is what the colours were chosen for.
    for (Rgb8 colour : {Rgb8{0, 255, 0}, Rgb8{255, 255, 0}, Rgb8{0, 0, 0}, Rgb8{255, 0, 0}})
        EXPECT_EQ(ReadableOn(colour, {255, 255, 255}), colour);
}

TEST(Contrast, ColoursOnADarkFaceAreLightenedUntilReadable) {
    const Rgb8 face{53, 53, 53};
    const struct { Rgb8 colour; double min; } cases[] = {
        {{0, 0, 0}, 3.0},      // black axes
        {{0, 0, 255}, 3.0},    // the cosine curve
        {{255, 0, 0}, 3.0},    // the sine curve
        {{0, 0, 128}, 4.5},    // a text colour
        {{20, 20, 20}, 7.0},
    };
    for (const auto& c : cases) {
        const Rgb8 shown = ReadableOn(c.colour, face, c.min);
        EXPECT_GE(ContrastRatio(shown, face), c.min) << c.colour.r << "," << c.colour.g << "," << c.colour.b;
        // Lightened, never darkened.
        EXPECT_GE(shown.r, c.colour.r);
        EXPECT_GE(shown.g, c.colour.g);
        EXPECT_GE(shown.b, c.colour.b);
    }
    // Already readable: unchanged.
    EXPECT_EQ(ReadableOn({0, 255, 0}, face), (Rgb8{0, 255, 0}));
    EXPECT_EQ(ReadableOn({255, 128, 0}, face), (Rgb8{255, 128, 0}));
    // A ratio no colour reaches ends at white.
    EXPECT_EQ(ReadableOn({0, 0, 0}, {200, 200, 200}, 30), (Rgb8{0, 0, 0}));  // light face: untouched
    EXPECT_EQ(ReadableOn({0, 0, 0}, face, 30), (Rgb8{255, 255, 255}));
}

// The plot's grid and axes: green where it reads (a dark face), darker on a
// light face and lighter on a mid-dark one until it does.
TEST(Contrast, LegibleOnLightAndDarkFaces) {
    const struct { Rgb8 colour, face; double min; Rgb8 shown; } cases[] = {
        {{0, 255, 0}, {0, 0, 0}, 3.0, {0, 255, 0}},        // reads on black as it is
        {{0, 255, 0}, {255, 255, 255}, 3.0, {0, 166, 0}},  // darkened on white
        {{0, 255, 0}, {255, 255, 255}, 4.5, {0, 128, 0}},  // texts a little more
        {{0, 255, 0}, {240, 240, 240}, 1.8, {0, 204, 0}},  // the grid stays light
        {{0, 0, 128}, {53, 53, 53}, 4.5, {153, 153, 204}}, // lightened on a dark face
    };
    for (const auto& c : cases) {
        const Rgb8 shown = numora::LegibleOn(c.colour, c.face, c.min);
        EXPECT_EQ(shown, c.shown) << shown.r << "," << shown.g << "," << shown.b;
        EXPECT_GE(ContrastRatio(shown, c.face), c.min);
    }
}
