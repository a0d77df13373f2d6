// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Arranging child windows in the frame's client area: the size a window
// opens at, the place a new window takes, the cascade and tile commands,
// and keeping a window inside the area. Places are relative to the area's
// top-left corner; everything is in device-independent pixels.
#pragma once

#include <vector>

#include "WindowPlace.h"

namespace numora {

struct PixelSize {
    int width = 0, height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct PixelPoint {
    int x = 0, y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// The client area the windows' default sizes suit; a larger area lets a
// window open larger, by the smaller of the two ratios, at most kMaxGrowth.
constexpr PixelSize kReferenceArea{1024, 640};
constexpr double kMaxGrowth = 1.5;

// The size a window opens at: its default size, grown on a large client
// area, never smaller than `minimum`, and never larger than the area (a
// window's content scrolls when the area is smaller than its minimum).
PixelSize OpeningSize(PixelSize defaultSize, PixelSize minimum, PixelSize area);

// The cascade places: place k is (k * step, k * step). The places used are
// those where a window of `size` lies wholly in the area, at least place 0.
int CascadePlaceCount(PixelSize size, int step, PixelSize area);

// The places the cascade uses: those over the area's top-left half, so
// that a window at any of them keeps at least half the area.
int CascadePlaces(int step, PixelSize area);

// The place a new window takes among the windows already shown, given by
// their top-left corners: the first cascade place no window is at (a window
// within step / 2 of a place is at it). When every place is taken, the one
// with the fewest windows, the first of those on a tie. A window larger
// than the room right and below its place is cut to it.
PixelPoint FirstFreeCascadePlace(const std::vector<PixelPoint>& shown, int step, PixelSize area);

// The cascade command: window i (in the order given, the active one last)
// at cascade place i, at its size cut to what the area has right and below
// its place; more windows than places start again at place 0.
std::vector<PixelBox> CascadeBoxes(const std::vector<PixelSize>& sizes, int step, PixelSize area);
// The same for windows with a least size each (`minimums`, in the order of
// `sizes`; missing ones are none): a window whose least size would not fit
// right and below its place starts the cascade again at place 0, so no
// window is cut below its least size where the area has room for it.
std::vector<PixelBox> CascadeBoxes(const std::vector<PixelSize>& sizes, const std::vector<PixelSize>& minimums,
                                   int step, PixelSize area);

// The tile command: `count` windows in a grid of ceil(sqrt(count)) columns
// filling the area; the windows of a last, incomplete row share its width.
std::vector<PixelBox> TileBoxes(int count, PixelSize area);
// The same with fewer columns (and more rows) where a column would be
// narrower than `leastWidth`, down to one column.
std::vector<PixelBox> TileBoxes(int count, PixelSize area, int leastWidth);

// A window restored at a stored place: the place is kept while at least
// `minimum` of the window fits right and below it, and the window is then
// cut at the area's edges; otherwise it moves just far enough left and up.
PixelBox PlaceInside(PixelBox window, PixelSize minimum, PixelSize area);

// A window moved or resized by the user, or an area that shrank: the
// window, no larger than the area, moved the least distance that puts it
// wholly inside.
PixelBox KeepInside(PixelBox window, PixelSize area);

// A size within `fraction` of the area: each side the smaller of the two.
PixelSize FitWithin(PixelSize size, PixelSize area, double fraction);

}  // namespace numora
