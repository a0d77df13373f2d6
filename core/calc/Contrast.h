// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Colours against the background they are drawn on. The windows' own
// colours (result faces, the plot's grid and axes, the About window's
// animation) were picked for the usual light window face; on a dark face
// (a dark desktop theme) they are lightened until they read clearly.
#pragma once

namespace numora {

struct Rgb8 {
    int r = 0, g = 0, b = 0;  // 0..255
    bool operator==(const Rgb8&) const = default;
};

// Relative luminance (0 black .. 1 white) of an sRGB colour.
double Luminance(Rgb8 colour);
// Contrast ratio of two colours, 1 (same) .. 21 (black on white).
double ContrastRatio(Rgb8 a, Rgb8 b);
// Whether text and lines drawn on `background` must be light.
bool IsDark(Rgb8 background);

// `colour` as drawn on `background`: unchanged on a light background (the
// colour was chosen for one) or when it already has `minRatio` against it;
// otherwise mixed towards white, in small steps, until it has.
Rgb8 ReadableOn(Rgb8 colour, Rgb8 background, double minRatio = 3.0);

// `colour` as drawn on `background`, light or dark: unchanged when it has
// `minRatio` against it; otherwise mixed in small steps towards black on a
// light background or towards white on a dark one until it has (the bright
// green of a plot's axes reads on black as it is, and darker on white).
Rgb8 LegibleOn(Rgb8 colour, Rgb8 background, double minRatio);

}  // namespace numora
