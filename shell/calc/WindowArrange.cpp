// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowArrange.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace numora {

PixelSize OpeningSize(PixelSize defaultSize, PixelSize minimum, PixelSize area) {
    const double ratio = std::min(static_cast<double>(area.width) / kReferenceArea.width,
                                  static_cast<double>(area.height) / kReferenceArea.height);
    const double growth = std::clamp(ratio, 1.0, kMaxGrowth);
    auto side = [growth](int preferred, int least, int room) {
        const int grown = static_cast<int>(std::lround(preferred * growth));
        return std::max(std::min(std::max(grown, least), room), 0);
    };
    return {side(defaultSize.width, minimum.width, area.width), side(defaultSize.height, minimum.height, area.height)};
}

int CascadePlaceCount(PixelSize size, int step, PixelSize area) {
    if (step <= 0) return 1;
    const int across = (area.width - size.width) / step;
    const int down = (area.height - size.height) / step;
    return std::max(std::min(across, down) + 1, 1);
}

int CascadePlaces(int step, PixelSize area) {
    return CascadePlaceCount({(area.width + 1) / 2, (area.height + 1) / 2}, step, area);
}

PixelPoint FirstFreeCascadePlace(const std::vector<PixelPoint>& shown, int step, PixelSize area) {
    const int places = CascadePlaces(step, area);
    int best = 0, fewest = -1;
    for (int k = 0; k < places; ++k) {
        const int at = k * std::max(step, 0);
        int count = 0;
        for (const PixelPoint& p : shown)
            if (2 * std::abs(p.x - at) <= step && 2 * std::abs(p.y - at) <= step) ++count;
        if (count == 0) return {at, at};
        if (fewest < 0 || count < fewest) {
            fewest = count;
            best = k;
        }
    }
    return {best * step, best * step};
}

std::vector<PixelBox> CascadeBoxes(const std::vector<PixelSize>& sizes, int step, PixelSize area) {
    return CascadeBoxes(sizes, {}, step, area);
}

std::vector<PixelBox> CascadeBoxes(const std::vector<PixelSize>& sizes, const std::vector<PixelSize>& minimums,
                                   int step, PixelSize area) {
    std::vector<PixelBox> boxes;
    boxes.reserve(sizes.size());
    const int places = CascadePlaces(step, area);
    int place = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (place >= places) place = 0;
        const PixelSize least = i < minimums.size() ? minimums[i] : PixelSize{};
        // A place that would cut the window below its least width (or
        // height) starts the cascade again at the top-left corner.
        const auto fits = [&](int k) {
            const int at = k * std::max(step, 0);
            return least.width <= area.width - at && least.height <= area.height - at;
        };
        if (place > 0 && !fits(place)) place = 0;
        const int at = place * std::max(step, 0);
        boxes.push_back({at, at, std::max(std::min(sizes[i].width, area.width - at), 0),
                         std::max(std::min(sizes[i].height, area.height - at), 0)});
        ++place;
    }
    return boxes;
}

std::vector<PixelBox> TileBoxes(int count, PixelSize area) { return TileBoxes(count, area, 0); }

std::vector<PixelBox> TileBoxes(int count, PixelSize area, int leastWidth) {
    std::vector<PixelBox> boxes;
    if (count <= 0) return boxes;
    int columns = 1;
    while (columns * columns < count) ++columns;
    // Fewer, wider columns where a cell would be narrower than the widest
    // window's least width (a cell too low scrolls its window; one too
    // narrow would cut every line).
    while (columns > 1 && area.width / columns < leastWidth) --columns;
    const int rows = (count + columns - 1) / columns;
    for (int row = 0; row < rows; ++row) {
        const int inRow = std::min(columns, count - row * columns);
        const int top = area.height * row / rows, bottom = area.height * (row + 1) / rows;
        for (int column = 0; column < inRow; ++column) {
            const int left = area.width * column / inRow, right = area.width * (column + 1) / inRow;
            boxes.push_back({left, top, right - left, bottom - top});
        }
    }
    return boxes;
}

namespace {

// One side of PlaceInside: the window's start and length in a room of `room`.
void KeepSide(int& start, int& length, int least, int room) {
    room = std::max(room, 0);
    length = std::clamp(length, 0, room);
    least = std::clamp(least, 0, length);
    start = std::clamp(start, 0, room - least);
    length = std::min(length, room - start);
}

}  // namespace

PixelBox PlaceInside(PixelBox window, PixelSize minimum, PixelSize area) {
    KeepSide(window.left, window.width, minimum.width, area.width);
    KeepSide(window.top, window.height, minimum.height, area.height);
    return window;
}

PixelBox KeepInside(PixelBox window, PixelSize area) {
    return PlaceInside(window, {window.width, window.height}, area);
}

PixelSize FitWithin(PixelSize size, PixelSize area, double fraction) {
    auto side = [fraction](int wanted, int room) {
        return std::max(std::min(wanted, static_cast<int>(std::floor(room * fraction))), 0);
    };
    return {side(size.width, area.width), side(size.height, area.height)};
}

}  // namespace numora
