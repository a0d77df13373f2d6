// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a message box opens. A dialog centres itself over its top-level
// parent, which for every calculator window is the whole frame: on a large
// screen a stop notice of a small window in a corner opened in the middle
// of the screen, far from the window it was about. It opens over the window
// it belongs to instead.
#pragma once

#include <QRect>

class QWidget;

namespace numora {

// The part of the screen the user sees of the window `widget` belongs to:
// its child window in the frame (clipped to the frame's client area), or
// its top-level window. Empty when it is not on screen.
QRect VisibleWindowRect(const QWidget* widget);

// A box of `size` centred over `over`, moved the least to lie wholly in
// `screen` (its top-left corner in the screen when it is larger).
QRect CentredOver(QSize size, const QRect& over, const QRect& screen);

// Moves `dialog` (before it is shown) over the window `requested` belongs
// to. Nothing changes when that window is not on screen; the dialog then
// centres itself over its parent as usual.
void PlaceOver(QWidget* dialog, const QWidget* requested);

}  // namespace numora
