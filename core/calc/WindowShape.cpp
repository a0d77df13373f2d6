// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowShape.h"

#include <cmath>

#include "Twips.h"

namespace numora {

std::vector<ShapePart> WindowShapeParts(double widthTwips, double heightTwips) {
    const double w = widthTwips / kTwipsPerPixel;
    const int h = static_cast<int>(std::lround(heightTwips / kTwipsPerPixel));
    auto W = [w](double offset) { return static_cast<int>(std::lround(w + offset)); };
    return {
        {ShapePart::Rectangle, 0, 26, W(0), h - 26},
        {ShapePart::Rectangle, 23, 0, W(-23), h},
        {ShapePart::Rectangle, 23, 52, W(0), h - 6},
        {ShapePart::Rectangle, 52, 52, W(-6), h},
        {ShapePart::Ellipse, 0, 0, 52, 52},
        {ShapePart::Ellipse, W(-50), 0, W(1), 52},
        {ShapePart::Ellipse, 0, h - 52, 52, h},
        {ShapePart::Ellipse, W(-9), h - 9, W(0), h},
    };
}

}  // namespace numora
