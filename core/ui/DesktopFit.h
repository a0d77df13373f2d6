// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How every window fits the desktop: its default size, the keys that turn
// its pages and close it (Esc for the windows that have nothing to compute),
// Shift+F10 for right-click menus, and the wheel rule. Where the focus goes
// is FocusRules.h.
#pragma once

class QSize;
class QTabBar;
class QWidget;

namespace numora {

// A window's default size, in twips as sizes are given (15 twips to a
// device-independent pixel); a height of 0 makes the window as tall as its
// content needs at that width.
void SetDefaultSize(QWidget* window, int widthTwips, int heightTwips = 0);
// The default size in device-independent pixels: the one set, else the
// window's preferred size.
QSize DefaultSize(const QWidget* window);
// Whether the window's default height is what its content needs (no
// height set).
bool HasNaturalHeight(const QWidget* window);

// Ctrl+PageDown and Ctrl+PageUp select the next and the previous tab of
// `tabs` from anywhere in `window`, going round at the ends.
void TurnPagesWithKeys(QWidget* window, QTabBar* tabs);
// Esc closes the child window `window` as its close box does, while the
// focus is in it (the windows without commands of their own: About, the
// reference data, Options).
void CloseOnEscape(QWidget* window);
// Esc and Ctrl+W close the top-level window `window` (the help viewer).
void CloseTopLevelOnKeys(QWidget* window);

// The wheel rule, for the whole application: a slider, spin box, combo box
// or list inside a scrolling window takes the mouse wheel only while it has
// the keyboard focus; otherwise the wheel scrolls the window around it, so a
// wheel that passes over such a control never changes it. Installing it
// again does nothing.
void InstallWheelRule();
// Shift+F10 opens the focused widget's right-click menu, as the Menu key
// does, in the whole application. Installing it again does nothing.
void InstallContextMenuKey();
// Whether the rule keeps the wheel from `widget` (the control or its
// viewport) at this moment.
bool WheelPassesOver(const QWidget* widget);

}  // namespace numora
