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

// `window` moved (and, for a window larger than `area`, shrunk) so that its
// title bar stays reachable within `area`: the top edge inside the area with
// room for `grip` pixels below it, and at least `grip` pixels of the width
// (all of it when narrower) inside the area left and right. A window that is
// already reachable keeps its place. `shrink` false keeps the size.
PixelBox ReachableBox(PixelBox window, PixelBox area, int grip, bool shrink);

}  // namespace numora
