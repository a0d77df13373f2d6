// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How every window meets the keyboard, the mouse wheel and its scroll bars:
// the focus on the first input of the shown page, page turning from the
// keyboard that shows a page from its top-left corner, Esc closing the
// windows that have nothing to compute, and the wheel rule.
#pragma once

#include <functional>

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

// The first input field of the part of `window` the user sees: the first
// editable single-line field in tab order; on a page without one, its first
// control in tab order (a tab strip does not count). nullptr when none.
QWidget* FirstInput(QWidget* window);
// Gives FirstInput(window) the keyboard focus, when there is one.
void FocusFirstInput(QWidget* window);

// Scrolls the area that scrolls `widget` back to its top-left corner.
void ShowFromTopLeft(QWidget* widget);

// Ctrl+PageDown and Ctrl+PageUp select the next and the previous tab of
// `tabs` from anywhere in `window`, going round at the ends.
void TurnPagesWithKeys(QWidget* window, QTabBar* tabs);
// What follows every page turn: the window shows `page` from its top-left
// corner, and the page's first input takes the focus (unless the user is
// stepping through the tabs on the focused tab strip).
void PageTurned(QWidget* page);
// Told of every page once it is shown after a page turn (its layout has
// run): the frame grows the page's window to show it. One watcher for the
// application; an empty function removes it.
void WatchPageTurns(std::function<void(QWidget* page)> watcher);

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
