// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the keyboard focus goes when a window or one of its pages comes
// into view: on the first input of what the user sees, with the page shown
// from its top-left corner, so the user can type at once and the focus is
// never left on nothing.
#pragma once

class QWidget;

namespace numora {

// The first input field of the part of `window` the user sees: the first
// editable single-line field in tab order; on a page without one, its first
// control in tab order (a tab strip does not count). nullptr when none.
QWidget* FirstInput(QWidget* window);
// Gives FirstInput(window) the keyboard focus, when there is one.
void FocusFirstInput(QWidget* window);

// Scrolls the area that scrolls `widget` back to its top-left corner.
void ShowFromTopLeft(QWidget* widget);

// What follows a page turn: `page` is shown from its top-left corner, and
// its first input takes the focus, unless the user is stepping through the
// tabs on the focused tab strip (the focus stays there).
void ShowTurnedPage(QWidget* page);

}  // namespace numora
