// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowPlace.h"

#include <algorithm>
#include <cmath>

#include "Twips.h"

namespace numora {

int TwipsToPixels(double twips) {
    if (std::isnan(twips)) return 0;
    const double pixels = std::round(twips / kTwipsPerPixel);
    return static_cast<int>(std::clamp(pixels, -static_cast<double>(kMaxPixels), static_cast<double>(kMaxPixels)));
}

namespace {

// The nearest value to `v` in [low, high]; `low` when the range is empty.
long long Within(long long v, long long low, long long high) { return high < low ? low : std::clamp(v, low, high); }

}  // namespace

PixelBox ReachableBox(PixelBox window, PixelBox area, int grip, bool shrink) {
    window.width = std::max(window.width, 0);
    window.height = std::max(window.height, 0);
    if (shrink) {
        window.width = std::min(window.width, std::max(area.width, 0));
        window.height = std::min(window.height, std::max(area.height, 0));
    }
    const long long g = std::min(std::max(grip, 1), std::max(window.width, 1));
    const long long areaRight = static_cast<long long>(area.left) + area.width;
    const long long areaBottom = static_cast<long long>(area.top) + area.height;
    const bool reachable = window.left >= area.left - window.width + g && window.left <= areaRight - g &&
                           window.top >= area.top && window.top <= areaBottom - std::max(grip, 1);
    if (reachable) return window;
    // Out of reach: the nearest place where the whole window is inside (its
    // top-left corner inside when it is larger than the area).
    window.left = static_cast<int>(Within(window.left, area.left, areaRight - window.width));
    window.top = static_cast<int>(Within(window.top, area.top, areaBottom - window.height));
    return window;
}

}  // namespace numora
