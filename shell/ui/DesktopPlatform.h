// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the windowing platform lets a program do with its top-level
// windows, and the program's answers where it does not. On X11 a program
// places its windows, keeps one above the others and shapes its outline; a
// Wayland compositor places and stacks windows itself (a program may only
// ask for activation with a token from its launcher), and draws what a
// window paints, transparent parts included.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace numora {

struct DesktopAbilities {
    bool placesWindows = true;  // move() of a top-level window takes effect
    bool keepsOnTop = true;     // "stay on top" takes effect
    bool masksOutline = true;   // a window mask cuts the window's outline
};

// The abilities of the running platform ("wayland": none of the three).
DesktopAbilities CurrentDesktopAbilities();
// Tests pretend to run on another platform; nullopt ends the pretence.
void SetDesktopAbilitiesForTesting(std::optional<DesktopAbilities> abilities);

// The hint of the 总在最前 check box where the desktop cannot keep a
// window above the others.
QString KeepOnTopUnsupportedHint();

// Hands a launch's activation token (Wayland) and start-up id (X11) to the
// platform, which spends them on the next window activation: a window
// brought forward for a second launch may then take the focus.
void UseLaunchActivation(const QString& activationToken, const QString& startupId);

// Before the toolkit starts: "--help" and "--version" print and give the
// exit status 0; a start with no graphical desktop says so and gives 1;
// otherwise asks the toolkit for the session's native platform and gives
// nullopt (the program runs).
std::optional<int> PrepareSession(int argc, char** argv);

// When the toolkit reports that the compositor has gone (it ends the
// process right after, with status 1), runs `onLoss` first, on the
// user-interface thread when that thread answers within a moment. `onLoss`
// must end the process. One watch per process.
void WatchCompositorLoss(std::function<void()> onLoss);

}  // namespace numora
