// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThemeColours.h"

#include <cmath>

namespace numora {
namespace {

Rgb8 Mix(Rgb8 from, Rgb8 to, double t) {
    auto channel = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

// `from` mixed towards `to` in small steps until it stands `ratio` against
// `against`; `to` itself when no step does.
Rgb8 MixUntil(Rgb8 from, Rgb8 to, Rgb8 against, double ratio) {
    for (int step = 0; step <= 50; ++step) {
        const Rgb8 mixed = Mix(from, to, step / 50.0);
        if (ContrastRatio(mixed, against) >= ratio) return mixed;
    }
    return to;
}

}  // namespace

const std::vector<PaletteColour>& DarkPalette() {
    using R = PaletteRole;
    static const std::vector<PaletteColour> palette = {
        {R::Window, false, {53, 53, 53}},
        {R::WindowText, false, {238, 238, 238}},
        {R::Base, false, {30, 30, 30}},
        {R::AlternateBase, false, {40, 40, 40}},
        {R::Text, false, {238, 238, 238}},
        {R::PlaceholderText, false, {154, 154, 154}},
        {R::Button, false, {64, 64, 64}},
        {R::ButtonText, false, {238, 238, 238}},
        {R::BrightText, false, {255, 255, 255}},
        {R::Highlight, false, {27, 106, 203}},
        {R::HighlightedText, false, {255, 255, 255}},
        {R::ToolTipBase, false, {40, 40, 40}},
        {R::ToolTipText, false, {238, 238, 238}},
        {R::Link, false, {124, 183, 255}},
        {R::LinkVisited, false, {198, 140, 255}},
        {R::Light, false, {90, 90, 90}},
        {R::Midlight, false, {72, 72, 72}},
        {R::Mid, false, {40, 40, 40}},
        {R::Dark, false, {24, 24, 24}},
        {R::Shadow, false, {0, 0, 0}},
        {R::WindowText, true, {135, 135, 135}},
        {R::Text, true, {128, 128, 128}},
        {R::ButtonText, true, {140, 140, 140}},
        {R::HighlightedText, true, {200, 200, 200}},
    };
    return palette;
}

Rgb8 DarkPaletteColour(PaletteRole role, bool disabled) {
    for (const PaletteColour& entry : DarkPalette())
        if (entry.role == role && entry.disabled == disabled) return entry.colour;
    return disabled ? DarkPaletteColour(role, false) : Rgb8{};
}

Rgb8 ResultFace(Rgb8 button, Rgb8 inputFace, Rgb8 text) {
    if (!IsDark(inputFace)) return button;
    if (ContrastRatio(button, inputFace) >= kFacesApart && ContrastRatio(text, button) >= 4.5) return button;
    return MixUntil(inputFace, text, inputFace, kFacesApart);
}

Rgb8 ControlEdge(Rgb8 face, Rgb8 text) { return MixUntil(face, text, face, 3.0); }

}  // namespace numora
