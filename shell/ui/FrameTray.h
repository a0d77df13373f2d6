// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main frame's notification-area icon `TrayForm1` (tool tip "Numora",
// the right-click menu as its menu), where the minimized frame goes: with
// an icon, minimizing hides the frame there (hide(), which every platform
// honours, Wayland included), and a click on the icon brings it back.
// Without a notification area there is no icon and minimizing is the
// desktop's own.
#pragma once

#include <QObject>

class QMainWindow;
class QMenu;
class QSystemTrayIcon;

namespace numora {

class FrameTray final : public QObject {
    Q_OBJECT

public:
    FrameTray(QMainWindow* frame, QMenu* menu);

    // nullptr when the desktop has no notification area.
    QSystemTrayIcon* icon() const { return icon_; }
    // The frame is hidden in the notification area.
    bool holdsFrame() const { return holdsFrame_; }
    // Hides the frame into the notification area now; false without one.
    bool takeFrame();
    // The frame was minimized: it goes into the notification area once the
    // state change is over (when there is one and it is still minimized).
    void frameMinimized();
    // Out of the notification area or the minimized state: shown, raised
    // and activated.
    void giveBack();
    // The icon goes away (the frame unloads).
    void remove();

private:
    QMainWindow* frame_;
    QSystemTrayIcon* icon_ = nullptr;
    bool holdsFrame_ = false;
    bool removed_ = false;
};

}  // namespace numora
