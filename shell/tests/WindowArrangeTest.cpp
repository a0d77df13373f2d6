// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "WindowArrange.h"

using namespace numora;

namespace {

std::string Text(const PixelBox& b) {
    return std::to_string(b.left) + "," + std::to_string(b.top) + " " + std::to_string(b.width) + "x" +
           std::to_string(b.height);
}

}  // namespace

TEST(WindowArrange, OpeningSize) {
    const struct {
        PixelSize preferred, minimum, area, opened;
    } cases[] = {
        {{474, 333}, {300, 200}, {1024, 640}, {474, 333}},  // the reference area: the default size
        {{474, 333}, {300, 200}, {683, 400}, {474, 333}},   // smaller, with room: unchanged
        {{474, 333}, {300, 200}, {640, 357}, {474, 333}},
        {{560, 500}, {300, 200}, {640, 357}, {560, 357}},   // taller than the area: cut to it
        {{474, 333}, {300, 200}, {1920, 960}, {711, 500}},  // large: grown by 1.5 at most
        {{474, 333}, {300, 200}, {1280, 800}, {593, 416}},  // grown by the smaller ratio, 1.25
        {{474, 333}, {300, 200}, {3000, 700}, {518, 364}},  // wide but not tall: 700 / 640
        {{200, 100}, {300, 200}, {1024, 640}, {300, 200}},  // never below the minimum
        {{200, 100}, {300, 200}, {250, 150}, {250, 150}},   // ... unless the area is smaller
        {{474, 333}, {300, 200}, {0, 0}, {0, 0}},
    };
    for (const auto& c : cases) {
        const PixelSize got = OpeningSize(c.preferred, c.minimum, c.area);
        EXPECT_EQ(got, c.opened) << c.area.width << "x" << c.area.height << " -> " << got.width << "x" << got.height;
    }
}

TEST(WindowArrange, NewWindowTakesTheFirstFreeCascadePlace) {
    const PixelSize area{1000, 700};
    const struct {
        std::vector<PixelPoint> shown;
        PixelPoint place;
    } cases[] = {
        {{}, {0, 0}},                                   // an empty area: the top-left corner
        {{{0, 0}}, {30, 30}},                           // not on top of the first window
        {{{0, 0}, {30, 30}}, {60, 60}},
        {{{30, 30}}, {0, 0}},                           // a freed place is used again
        {{{2, 14}}, {30, 30}},                          // near a place counts as at it
        {{{200, 150}}, {0, 0}},                         // a window moved away frees its place
    };
    for (const auto& c : cases) EXPECT_EQ(FirstFreeCascadePlace(c.shown, 30, area), c.place);
    // The places over the top-left half: min(500, 350) / 30 + 1 = 12; with
    // all of them taken, the least crowded one.
    EXPECT_EQ(CascadePlaces(30, area), 12);
    EXPECT_EQ(CascadePlaceCount({400, 300}, 30, area), 14);  // where a 400x300 window lies whole
    std::vector<PixelPoint> full;
    for (int k = 0; k < 12; ++k) full.push_back({k * 30, k * 30});
    full.push_back({0, 0});
    EXPECT_EQ(FirstFreeCascadePlace(full, 30, area), (PixelPoint{30, 30}));
    // A tiny area still has place 0.
    EXPECT_EQ(FirstFreeCascadePlace({{0, 0}}, 30, {40, 40}), (PixelPoint{0, 0}));
}

TEST(WindowArrange, CascadeAndTileFillTheArea) {
    const std::vector<PixelBox> cascade = CascadeBoxes({{400, 300}, {500, 600}, {300, 200}}, 30, {640, 480});
    ASSERT_EQ(cascade.size(), 3u);
    EXPECT_EQ(cascade[0], (PixelBox{0, 0, 400, 300}));
    EXPECT_EQ(cascade[1], (PixelBox{30, 30, 500, 450}));  // cut at the bottom
    EXPECT_EQ(cascade[2], (PixelBox{60, 60, 300, 200}));
    // Places over the top-left half of the area: min(320, 240) / 100 + 1 =
    // 3; more windows than places round again from the top-left corner.
    const std::vector<PixelBox> crowded = CascadeBoxes(std::vector<PixelSize>(4, {600, 440}), 100, {640, 480});
    EXPECT_EQ(crowded[2], (PixelBox{200, 200, 440, 280}));
    EXPECT_EQ(crowded[3], (PixelBox{0, 0, 600, 440}));

    const struct {
        int count;
        std::vector<PixelBox> boxes;
    } tiles[] = {
        {0, {}},
        {1, {{0, 0, 900, 600}}},
        {2, {{0, 0, 450, 600}, {450, 0, 450, 600}}},
        {3, {{0, 0, 450, 300}, {450, 0, 450, 300}, {0, 300, 900, 300}}},  // the last row shares its width
        {5, {{0, 0, 300, 300}, {300, 0, 300, 300}, {600, 0, 300, 300}, {0, 300, 450, 300}, {450, 300, 450, 300}}},
    };
    for (const auto& t : tiles) {
        const std::vector<PixelBox> got = TileBoxes(t.count, {900, 600});
        ASSERT_EQ(got.size(), t.boxes.size()) << t.count;
        for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], t.boxes[i]) << t.count << ": " << Text(got[i]);
    }
}

TEST(WindowArrange, CascadeAndTileKeepLeastSizes) {
    // 640x450, step 30: the cascade has min(320, 225) / 30 + 1 = 8 places.
    const PixelSize area{640, 450};
    const struct {
        const char* what;
        std::vector<PixelSize> sizes, minimums;
        std::vector<int> places;  // the cascade place of each window
    } cascades[] = {
        {"no least sizes: every place", std::vector<PixelSize>(4, {500, 300}), {}, {0, 1, 2, 3}},
        {"least width fits at every place", std::vector<PixelSize>(4, {500, 300}),
         std::vector<PixelSize>(4, {400, 0}), {0, 1, 2, 3}},
        // 640 - 30 k >= 560 for k <= 2: the fourth window starts again at 0.
        {"wide windows wrap", std::vector<PixelSize>(5, {600, 300}), std::vector<PixelSize>(5, {560, 0}),
         {0, 1, 2, 0, 1}},
        {"only the wide one wraps", {{300, 200}, {300, 200}, {300, 200}, {620, 300}},
         {{200, 0}, {200, 0}, {200, 0}, {600, 0}}, {0, 1, 2, 0}},
        {"least height wraps too", std::vector<PixelSize>(3, {300, 420}), std::vector<PixelSize>(3, {0, 400}),
         {0, 1, 0}},
        {"wider than the area: place 0", {{900, 300}, {900, 300}}, {{800, 0}, {800, 0}}, {0, 0}},
    };
    for (const auto& c : cascades) {
        const std::vector<PixelBox> boxes = CascadeBoxes(c.sizes, c.minimums, 30, area);
        ASSERT_EQ(boxes.size(), c.places.size()) << c.what;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_EQ(boxes[i].left, c.places[i] * 30) << c.what << " #" << i;
            EXPECT_EQ(boxes[i].top, c.places[i] * 30) << c.what << " #" << i;
            if (i < c.minimums.size() && c.minimums[i].width <= area.width) {
                EXPECT_GE(boxes[i].width, c.minimums[i].width) << c.what << " #" << i;
            }
        }
    }

    const struct {
        int count, leastWidth, columns;
    } tiles[] = {
        {7, 0, 3}, {7, 200, 3}, {7, 214, 2}, {7, 400, 1}, {7, 900, 1}, {4, 320, 2}, {4, 321, 1},
    };
    for (const auto& t : tiles) {
        const std::vector<PixelBox> got = TileBoxes(t.count, area, t.leastWidth);
        ASSERT_EQ(static_cast<int>(got.size()), t.count);
        int columns = 0;
        for (const PixelBox& b : got) {
            columns += b.top == 0;
            if (t.leastWidth <= area.width) {
                EXPECT_GE(b.width, t.leastWidth) << t.count << "/" << t.leastWidth;
            }
        }
        EXPECT_EQ(columns, t.columns) << t.count << "/" << t.leastWidth;
    }
}

TEST(WindowArrange, WindowsStayInsideTheArea) {
    const PixelSize area{640, 360};
    const struct {
        PixelBox window;
        PixelSize minimum;
        PixelBox placed;  // PlaceInside
        PixelBox kept;    // KeepInside
    } cases[] = {
        {{10, 20, 300, 200}, {100, 100}, {10, 20, 300, 200}, {10, 20, 300, 200}},  // inside: unchanged
        {{500, 20, 300, 200}, {100, 100}, {500, 20, 140, 200}, {340, 20, 300, 200}},  // cut, or moved in
        {{600, 300, 300, 200}, {100, 100}, {540, 260, 100, 100}, {340, 160, 300, 200}},
        {{-50, -10, 300, 200}, {100, 100}, {0, 0, 300, 200}, {0, 0, 300, 200}},
        {{0, 0, 900, 500}, {100, 100}, {0, 0, 640, 360}, {0, 0, 640, 360}},       // larger than the area
        {{100, 100, 300, 200}, {800, 800}, {100, 100, 300, 200}, {100, 100, 300, 200}},  // minimum beyond the window
        {{500, 300, 300, 200}, {800, 800}, {340, 160, 300, 200}, {340, 160, 300, 200}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlaceInside(c.window, c.minimum, area), c.placed) << Text(c.window) << " -> "
                                                                    << Text(PlaceInside(c.window, c.minimum, area));
        EXPECT_EQ(KeepInside(c.window, area), c.kept) << Text(c.window) << " -> " << Text(KeepInside(c.window, area));
    }
    // The help viewer: within 90 % of the available area.
    EXPECT_EQ(FitWithin({640, 560}, {683, 490}, 0.9), (PixelSize{614, 441}));
    EXPECT_EQ(FitWithin({640, 560}, {1920, 1050}, 0.9), (PixelSize{640, 560}));
}
