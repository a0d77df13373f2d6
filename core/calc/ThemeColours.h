// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The colours that keep the windows legible on a dark desktop: the dark
// palette used when the desktop prefers dark and the toolkit's own palette
// is light, the face of result fields (apart from input fields), and the
// edge drawn around check boxes, option buttons and fields.
#pragma once

#include <vector>

#include "Contrast.h"

namespace numora {

// Roles of a window palette, as the toolkit names them.
enum class PaletteRole {
    Window, WindowText, Base, AlternateBase, Text, PlaceholderText, Button, ButtonText, BrightText,
    Highlight, HighlightedText, ToolTipBase, ToolTipText, Link, LinkVisited, Light, Midlight, Mid, Dark, Shadow,
};

struct PaletteColour {
    PaletteRole role;
    bool disabled;  // the colour of the disabled state (else every state)
    Rgb8 colour;
};

// The dark palette: text 4.5:1 on every face it is drawn on, disabled
// text 3:1, input fields darker than the window.
const std::vector<PaletteColour>& DarkPalette();
Rgb8 DarkPaletteColour(PaletteRole role, bool disabled = false);

// How far apart (contrast ratio) a result field's face and an input field's
// face must be on a dark face.
constexpr double kFacesApart = 1.5;

// The face of a result field: the button face, as on a light desktop. On a
// dark input face a button face too close to it (or one that `text` does
// not read on at 4.5:1) is replaced by the input face mixed towards the text
// colour until the two faces are kFacesApart.
Rgb8 ResultFace(Rgb8 button, Rgb8 inputFace, Rgb8 text);

// The edge of a check box, an option button or a field on a dark `face`:
// the face mixed towards `text` until it stands 3:1 against the face.
Rgb8 ControlEdge(Rgb8 face, Rgb8 text);

}  // namespace numora
