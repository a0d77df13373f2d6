// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame's 窗口(&W) menu, as in every multiple-document program: close
// the active window (also Ctrl+W), cascade, tile, minimize or restore them
// all, and the list of open windows with a check at the active one,
// refreshed each time the menu opens. Where the windows go is
// WindowPlacement's job; this class only offers the commands.
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

class WindowPlacement;

class WindowMenu final : public QObject {
    Q_OBJECT

public:
    // Builds the menu ("mnuWindow") for the client area `area`; `parent`
    // is the frame, where Ctrl+W closes the active window.
    WindowMenu(QMdiArea* area, WindowPlacement& placement, QWidget* parent);

    QMenu* menu() const { return menu_; }

    // The commands.
    void closeActive();
    void cascade();
    void tile();
    void minimizeAll();
    void restoreAll();

    // The open windows in the menu's order (creation order).
    QList<QMdiSubWindow*> openWindows() const;
    // The menu's entries refreshed as when it opens (tests).
    void refresh();
    // The distance between two cascade places: a title bar's height.
    int cascadeStep() const;

private:
    QMdiArea* area_;
    WindowPlacement& placement_;
    QMenu* menu_;
    QAction* minimize_;
    QAction* restore_;
    QPointer<QMdiSubWindow> beforeMinimize_;  // the active window when all were minimized
    QAction* listStart_;  // the separator before the list
    QList<QAction*> list_;
};

}  // namespace numora
