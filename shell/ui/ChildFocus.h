// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the keyboard focus goes when a child window becomes the active one:
// back to the control the user last had the focus on in it (or its first
// input), whatever brought the window forward: another window closed or
// hidden (Ctrl+W), the 窗口 menu, 全部还原. A window activated by a click
// keeps the focus the click gave.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace numora {

class ChildWindowHost;

class ChildFocus : public QObject {
    Q_OBJECT
public:
    // Watches the windows of `area`; `host` gives a window's own widget.
    ChildFocus(QMdiArea* area, const ChildWindowHost& host);

    // The ChildFocus watching `area`, or nullptr.
    static ChildFocus* of(const QMdiArea* area);

    // Puts the focus into `window` (the active window) where the user last
    // had it, or on its first input.
    void settle(QMdiSubWindow* window);
    // The control that takes the focus when `window` is activated next.
    QWidget* lastFocus(const QMdiSubWindow* window) const;

private:
    void focusChanged(QWidget* now);
    void activated(QMdiSubWindow* window);
    QMdiSubWindow* windowOf(const QWidget* widget) const;

    QMdiArea* area_;
    const ChildWindowHost& host_;
    QPointer<QMdiSubWindow> settled_;  // the window whose focus changes are the user's
    QHash<const QMdiSubWindow*, QPointer<QWidget>> last_;
};

}  // namespace numora
