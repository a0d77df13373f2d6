// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the frame's child windows go in its client area and at what size,
// as in every multiple-document program: a window shown for the first time
// opens at its stored place or the first free cascade place, at its
// default size (grown on a large client area, as tall as its page where
// there is room); a page turn grows its window to show the page; the
// cascade and tile commands; and every window stays inside the client
// area, so that only a window's own scroll bars ever scroll it.
//
// DESIGN: the sizes come from a window's own widget (its layout, default
// size and height for width), which only the frame knows inside the
// sub-window's scroll area; it hands that widget over through
// ChildWindowHost rather than have this class guess the frame's widget
// structure. The arithmetic is WindowArrange's (shell/calc).
#pragma once

#include <QList>
#include <QObject>
#include <QSize>

#include "WindowPlace.h"

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace numora {

// What the placement asks the frame about its child windows.
class ChildWindowHost {
public:
    // The child's own widget shown in `window`; nullptr for a sub-window
    // the frame does not own.
    virtual QWidget* contentOf(const QMdiSubWindow* window) const = 0;

protected:
    ~ChildWindowHost() = default;
};

class WindowPlacement final : public QObject {
    Q_OBJECT

public:
    // Keeps the windows of `area` inside it; the area itself never scrolls.
    WindowPlacement(QMdiArea* area, const ChildWindowHost& host, QObject* parent);

    // Sizes and places a window shown for the first time: its opening size,
    // at its place when `storedPlace` (brought inside the area), else at
    // the first free cascade place.
    void place(QMdiSubWindow* window, bool storedPlace);
    // `window` turned to another page: it grows to show the whole page, as
    // far as the client area below it allows; never smaller. A window the
    // user has resized, or one the tile command sized, keeps its size.
    void fitToPage(QMdiSubWindow* window);

    void cascade();
    void tile();

    // The shown windows in creation order.
    QList<QMdiSubWindow*> openWindows() const;
    // The distance between two cascade places: a title bar's height.
    int cascadeStep() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize openingSize(QMdiSubWindow* window) const;
    // The height `window` needs to show its content at `contentWidth`.
    int neededHeight(QMdiSubWindow* window, int contentWidth) const;
    // The least width the window takes without a sideways scroll bar.
    int leastWidth(QMdiSubWindow* window) const;
    // `box` widened for a vertical scroll bar when it is lower than `openingHeight`.
    PixelBox roomForBar(QMdiSubWindow* window, PixelBox box, int openingHeight) const;
    void keepInside(QMdiSubWindow* window);
    void keepAllInside();

    QMdiArea* area_;
    const ChildWindowHost& host_;
    QObject* viewport_;  // compared with, never called through
    bool adjusting_ = false;
};

}  // namespace numora
