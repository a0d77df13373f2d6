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
// tabs on the focused tab strip with the arrow keys (the focus stays there;
// Ctrl+PageDown and Ctrl+PageUp there move it to the page's first input).
void ShowTurnedPage(QWidget* page);

// Set on a tab strip while a key that turns pages from anywhere in the
// window (Ctrl+PageDown, Ctrl+PageUp) turns it.
inline constexpr const char* kTurnedByWindowKey = "numoraTurnedByWindowKey";

// Any control that takes the keyboard focus is scrolled into view in every
// scroll area around it (the window's own, a page's), also when the focus
// is put there by the program rather than by Tab. Installed once for the
// application; calling it again does nothing.
void KeepFocusInView();
// Scrolls the focused control into view now (after a layout that moved it).
void ShowFocus();

}  // namespace numora
