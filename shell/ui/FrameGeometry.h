// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main frame's window state and geometry as the store keeps them:
// `MainState` (0 normal, 1 minimized, 2 maximized) and, for the normal
// state, `MainLeft`, `MainTop`, `MainWidth`, `MainHeight` in twips under
// `Settings`. A stored place off the screen, or a size larger than it, is
// brought back within reach, and what was applied is what gets stored. A
// place the desktop chose (Wayland) is never written back.
#pragma once

class QMainWindow;

namespace numora {

class FrameTray;
class SettingsStore;

class FrameGeometry {
public:
    FrameGeometry(QMainWindow& frame, SettingsStore& settings, FrameTray& tray);

    // The state as the store writes it; the frame in the notification area
    // is minimized.
    int stateCode() const;
    // Minimizing with a notification area hides the frame there.
    void setStateCode(int code);
    // State from `MainState` (default 2), and when it is normal the stored
    // normal geometry.
    void applyStoredState();
    // Puts the frame in the normal state at the stored geometry (defaults
    // 1000, 1000, 7680, 5475 twips).
    void applyStoredNormalGeometry();
    // Writes the geometry (the place only where the program places its
    // windows).
    void store();
    // Writes the state, and the geometry when it is normal.
    void storeState();

private:
    QMainWindow& frame_;
    SettingsStore& settings_;
    FrameTray& tray_;
};

}  // namespace numora
