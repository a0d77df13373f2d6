// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rounded outline of the exit window as a union of rectangles and
// ellipses, in pixels relative to the window's top-left corner.
#pragma once

#include <vector>

namespace numora {

struct ShapePart {
    enum Kind { Rectangle, Ellipse };
    Kind kind;
    int left, top, right, bottom;  // right and bottom are exclusive edges
    bool operator==(const ShapePart&) const = default;
};

// The outline for a window of the given size in twips (15 twips a pixel).
std::vector<ShapePart> WindowShapeParts(double widthTwips, double heightTwips);

}  // namespace numora
