// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopPlatform.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "DesktopSession.h"

namespace numora {
namespace {

std::optional<DesktopAbilities>& PretendedAbilities() {
    static std::optional<DesktopAbilities> abilities;
    return abilities;
}

}  // namespace

DesktopAbilities CurrentDesktopAbilities() {
    if (PretendedAbilities()) return *PretendedAbilities();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return {false, false, false};
    return {};
}

void SetDesktopAbilitiesForTesting(std::optional<DesktopAbilities> abilities) { PretendedAbilities() = abilities; }

QString KeepOnTopUnsupportedHint() { return QString::fromUtf8("当前桌面不支持使窗口总在最前"); }

void UseLaunchActivation(const QString& activationToken, const QString& startupId) {
    if (!activationToken.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    if (!startupId.isEmpty()) qputenv("DESKTOP_STARTUP_ID", startupId.toUtf8());
}

std::optional<SessionStart> PrepareSession() {
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    const SessionEnvironment env{variable("QT_QPA_PLATFORM"), variable("WAYLAND_DISPLAY"),
                                 variable("WAYLAND_SOCKET"),  variable("DISPLAY"),
                                 variable("XDG_SESSION_TYPE"), variable("XDG_RUNTIME_DIR")};
    const auto exists = [](const std::string& path) { return ::access(path.c_str(), F_OK) == 0; };
    const SessionChoice choice = ChooseSession(env, exists);
    if (!choice.hasDisplay) {
        std::fputs("numora: 需要图形桌面 (X11 或 Wayland) 才能运行。\n", stderr);
        return std::nullopt;
    }
    if (!choice.platform.empty()) ::setenv("QT_QPA_PLATFORM", choice.platform.c_str(), 1);
    return SessionStart{CompositorSocketPath(env, exists)};
}

}  // namespace numora
