// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace numora {
namespace {

double Linear(int channel) {
    const double c = std::clamp(channel, 0, 255) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double Luminance(Rgb8 colour) {
    return 0.2126 * Linear(colour.r) + 0.7152 * Linear(colour.g) + 0.0722 * Linear(colour.b);
}

double ContrastRatio(Rgb8 a, Rgb8 b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Below this luminance white text reads better than black text.
bool IsDark(Rgb8 background) { return Luminance(background) < 0.18; }

Rgb8 ReadableOn(Rgb8 colour, Rgb8 background, double minRatio) {
    if (!IsDark(background) || ContrastRatio(colour, background) >= minRatio) return colour;
    Rgb8 mixed = colour;
    for (int step = 1; step <= 20; ++step) {
        const double t = step / 20.0;
        auto towardsWhite = [t](int c) { return static_cast<int>(std::lround(c + (255 - c) * t)); };
        mixed = {towardsWhite(colour.r), towardsWhite(colour.g), towardsWhite(colour.b)};
        if (ContrastRatio(mixed, background) >= minRatio) break;
    }
    return mixed;
}

Rgb8 LegibleOn(Rgb8 colour, Rgb8 background, double minRatio) {
    if (ContrastRatio(colour, background) >= minRatio) return colour;
    const int target = IsDark(background) ? 255 : 0;
    Rgb8 mixed = colour;
    for (int step = 1; step <= 20; ++step) {
        const double t = step / 20.0;
        auto towards = [t, target](int c) { return static_cast<int>(std::lround(c + (target - c) * t)); };
        mixed = {towards(colour.r), towards(colour.g), towards(colour.b)};
        if (ContrastRatio(mixed, background) >= minRatio) break;
    }
    return mixed;
}

}  // namespace numora
