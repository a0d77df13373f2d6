// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame's management of its child windows, as in every
// multiple-document program: the 窗口(&W) menu (close, cascade, tile,
// minimize or restore them all, and the list of open windows with a check
// at the active one), where a window opens and at what size, and keeping
// every window inside the client area, so that only a window's own scroll
// bars ever scroll it.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QWidget;

namespace numora {

class WindowMenu final : public QObject {
    Q_OBJECT

public:
    // Builds the menu ("mnuWindow") for the client area `area`; `parent`
    // is the frame, where Ctrl+W closes the active window. The client area
    // itself never scrolls.
    WindowMenu(QMdiArea* area, QWidget* parent);
    ~WindowMenu() override;

    QMenu* menu() const { return menu_; }

    // The commands.
    void closeActive();
    void cascade();
    void tile();
    void minimizeAll();
    void restoreAll();

    // Sizes and places a window shown for the first time: its default size
    // (grown on a large client area), at `storedPlace` when the store has
    // one, else at the first free cascade place; inside the client area.
    void place(QMdiSubWindow* window, bool storedPlace);

    // Grows the window that shows `page` (just turned to) to show the whole
    // page, as far as the client area below it allows; never smaller. A window the user has
    // resized, or one the tile command sized, keeps its size.
    void fitToPage(QWidget* page);

    // The open windows in the menu's order (creation order).
    QList<QMdiSubWindow*> openWindows() const;
    // The menu's entries refreshed as when it opens (tests).
    void refresh();
    // The distance between two cascade places: a title bar's height.
    int cascadeStep() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize openingSize(QMdiSubWindow* window) const;
    // The height `window` needs to show its content at `contentWidth`.
    int neededHeight(QMdiSubWindow* window, int contentWidth) const;
    void keepInside(QMdiSubWindow* window);
    void keepAllInside();

    QMdiArea* area_;
    QObject* viewport_;  // compared with, never called through
    QMenu* menu_;
    QAction* close_;
    QAction* minimize_;
    QAction* restore_;
    QAction* listStart_;  // the separator before the list
    QList<QAction*> list_;
    bool adjusting_ = false;
};

}  // namespace numora
