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
#include <optional>
#include <string>

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

struct SessionStart {
    // The Wayland compositor's socket (for CompositorWatch); empty when the
    // session names none.
    std::string compositorSocket;
};

// Before the toolkit starts: a start with no graphical desktop says so on
// standard error and gives nothing (the program ends with status 1);
// otherwise asks the toolkit for the session's native platform. (--help and
// --version come before this: CommandLine.h.)
std::optional<SessionStart> PrepareSession();

}  // namespace numora
