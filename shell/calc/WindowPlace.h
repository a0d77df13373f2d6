// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Restoring stored window geometry: twips to pixels without overflow, and a
// place on the screen from which the window can still be moved.
#pragma once

namespace numora {

// Pixels for a stored number of twips (15 to a pixel), rounded half away
// from zero; beyond what any screen holds the result is clamped to
// +-kMaxPixels, and a value that is not a number gives 0.
constexpr int kMaxPixels = 1 << 20;
int TwipsToPixels(double twips);

struct PixelBox {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PixelBox&) const = default;
};

// `window` placed within reach in `area`. Reachable means the top edge is
// inside the area with room for `grip` pixels below it, and at least `grip`
// pixels of the width (all of it when narrower) are inside the area. A
// reachable window keeps its place; any other moves to the nearest place
// where it lies wholly inside the area (its top-left corner at the area's
// when it is larger). `shrink` first cuts a window larger than the area down
// to the area's size.
PixelBox ReachableBox(PixelBox window, PixelBox area, int grip, bool shrink);

}  // namespace numora
