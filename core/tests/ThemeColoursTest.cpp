// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ThemeColours.h"

using namespace numora;
using R = PaletteRole;

// Every pair of the dark palette that text is drawn with, and its least
// contrast.
TEST(ThemeColours, DarkPaletteReads) {
    const struct {
        R text;
        bool disabled;
        R face;
        double least;
    } pairs[] = {
        {R::WindowText, false, R::Window, 4.5},    {R::Text, false, R::Base, 4.5},
        {R::Text, false, R::AlternateBase, 4.5},   {R::ButtonText, false, R::Button, 4.5},
        {R::HighlightedText, false, R::Highlight, 4.5}, {R::ToolTipText, false, R::ToolTipBase, 4.5},
        {R::Link, false, R::Base, 4.5},            {R::LinkVisited, false, R::Base, 4.5},
        {R::PlaceholderText, false, R::Base, 4.5}, {R::BrightText, false, R::Button, 4.5},
        {R::WindowText, true, R::Window, 3.0},     {R::Text, true, R::Base, 3.0},
        {R::ButtonText, true, R::Button, 3.0},
    };
    for (const auto& p : pairs)
        EXPECT_GE(ContrastRatio(DarkPaletteColour(p.text, p.disabled), DarkPaletteColour(p.face)), p.least)
            << int(p.text) << " on " << int(p.face);
    EXPECT_TRUE(IsDark(DarkPaletteColour(R::Window)));
    // Fields are sunk below the window face; a role without a disabled colour uses its own.
    EXPECT_LT(Luminance(DarkPaletteColour(R::Base)), Luminance(DarkPaletteColour(R::Window)));
    EXPECT_EQ(DarkPaletteColour(R::Base, true), DarkPaletteColour(R::Base));
}

TEST(ThemeColours, ResultFacesStandApartFromInputFaces) {
    const Rgb8 light{20, 20, 20};
    const Rgb8 pale{238, 238, 238};
    const struct {
        Rgb8 button, input, text;
        bool keepsButton;
    } cases[] = {
        {{239, 239, 239}, {255, 255, 255}, light, true},   // a light desktop: as designed
        {{255, 255, 255}, {255, 255, 255}, light, true},   // ... even when the faces match
        {{64, 64, 64}, {30, 30, 30}, pale, true},          // the dark palette: far enough
        {{49, 54, 59}, {27, 30, 32}, {252, 252, 252}, false},  // a dark theme's close faces
        {{35, 38, 41}, {35, 38, 41}, {252, 252, 252}, false},  // the same face
        {{200, 200, 200}, {30, 30, 30}, pale, false},      // apart, but the text would not read
    };
    for (const auto& c : cases) {
        const Rgb8 face = ResultFace(c.button, c.input, c.text);
        EXPECT_EQ(face == c.button, c.keepsButton) << c.button.r << "," << c.input.r;
        if (IsDark(c.input)) {
            EXPECT_GE(ContrastRatio(face, c.input), kFacesApart);
            EXPECT_GE(ContrastRatio(c.text, face), 4.5);
        }
    }
}

TEST(ThemeColours, ControlEdgesStandOutOnDarkFaces) {
    const struct { Rgb8 face, text; } cases[] = {
        {{53, 53, 53}, {238, 238, 238}},
        {{42, 46, 50}, {252, 252, 252}},
        {{0, 0, 0}, {255, 255, 255}},
        {{30, 30, 30}, {200, 200, 200}},
    };
    for (const auto& c : cases) {
        const Rgb8 edge = ControlEdge(c.face, c.text);
        EXPECT_GE(ContrastRatio(edge, c.face), 3.0);
        EXPECT_LT(Luminance(edge), Luminance(c.text));  // an edge, not a second text colour
    }
}
