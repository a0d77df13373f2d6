// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the program decides about its desktop before and around the toolkit:
// whether there is a graphical session at all and which of its displays to
// use, the name of the one-instance lock of a settings file, the short
// messages a second launch and the running instance exchange, and the
// desktop's light or dark preference.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace numora {

// The environment variables that name the session's displays.
struct SessionEnvironment {
    std::string qpaPlatform;     // QT_QPA_PLATFORM: the user's own choice
    std::string waylandDisplay;  // WAYLAND_DISPLAY: a socket name or path
    std::string waylandSocket;   // WAYLAND_SOCKET: a connection handed in
    std::string display;         // DISPLAY: an X server
    std::string sessionType;     // XDG_SESSION_TYPE: "wayland", "x11", ...
    std::string runtimeDir;      // XDG_RUNTIME_DIR: where Wayland sockets live
};

struct SessionChoice {
    bool hasDisplay = false;
    // The platform to ask the toolkit for, in order of preference
    // ("wayland", "wayland;xcb"); empty: the toolkit's own choice.
    std::string platform;
    bool operator==(const SessionChoice&) const = default;
};

// The socket of the Wayland compositor WAYLAND_DISPLAY names (a name in
// XDG_RUNTIME_DIR, or a path), when `exists` says it is there; empty
// otherwise (no compositor named, or a connection handed in through
// WAYLAND_SOCKET, which only the toolkit may take).
std::string CompositorSocketPath(const SessionEnvironment& env, const std::function<bool(const std::string&)>& exists);

// A Wayland compositor whose socket exists is used natively, with the X
// server (XWayland) as the fallback, unless the session says it is an X11
// session; a platform the user chose is left alone; with neither display
// there is no graphical desktop. `exists` tells whether a path exists.
SessionChoice ChooseSession(const SessionEnvironment& env, const std::function<bool(const std::string&)>& exists);

// The name of the one-instance lock and socket for a settings file:
// "numora-" and 16 hexadecimal digits of the path's hash. One settings file,
// one running instance.
std::string InstanceName(std::string_view settingsPath);

// A second launch asks the running instance to come forward, handing over
// the activation token and start-up id its launcher gave it (either may be
// empty): one line, "raise", a tab, the token, a tab, the id.
struct RaiseRequest {
    std::string activationToken;  // XDG_ACTIVATION_TOKEN (Wayland)
    std::string startupId;        // DESKTOP_STARTUP_ID (X11)
    bool operator==(const RaiseRequest&) const = default;
};
std::string RaiseRequestLine(const RaiseRequest& request);
// The request of a line (with or without its line feed); nullopt for
// anything else, and for a line longer than kMaxInstanceLine.
std::optional<RaiseRequest> ParseRaiseRequest(std::string_view line);
constexpr std::size_t kMaxInstanceLine = 4096;

// The running instance's answer: it came forward, or it is ending (its exit
// sequence runs), so the new launch waits for it to end and then starts.
enum class InstanceReply { Raised, Closing, Unknown };
std::string InstanceReplyLine(InstanceReply reply);
InstanceReply ParseInstanceReply(std::string_view line);

// The desktop's colour-scheme preference, as the desktop portal reports it
// (org.freedesktop.appearance color-scheme: 0 none, 1 dark, 2 light).
enum class ColorScheme { NoPreference, Dark, Light };
ColorScheme ColorSchemeFromPortal(std::uint32_t value);

}  // namespace numora
