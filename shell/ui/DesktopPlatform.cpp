// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopPlatform.h"

#include "VersionText.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QThread>
#include <QWidget>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>
#include <mutex>

#include "DesktopSession.h"

namespace numora {
namespace {

std::optional<DesktopAbilities>& PretendedAbilities() {
    static std::optional<DesktopAbilities> abilities;
    return abilities;
}

QtMessageHandler gPreviousHandler = nullptr;
std::function<void()>* gOnLoss = nullptr;
std::atomic<bool> gLost{false};
std::mutex gLossMutex;

void RunOnLoss() {
    // Whichever thread gets here first ends the process; the other waits.
    std::lock_guard<std::mutex> lock(gLossMutex);
    (*gOnLoss)();
}

void CompositorLossHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (gPreviousHandler) gPreviousHandler(type, context, message);
    if (!gOnLoss || !IsCompositorLossMessage(message.toStdString())) return;
    // The toolkit ends the process as soon as this returns: it must not.
    const bool first = !gLost.exchange(true);
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) RunOnLoss();
    if (first) {
        // The toolkit's connection thread: the user-interface thread owns
        // the windows and the store. It is asked first; when it does not
        // come (it may be waiting for this very thread), this thread goes on.
        QMetaObject::invokeMethod(app, [] { RunOnLoss(); }, Qt::QueuedConnection);
        QThread::msleep(1500);
        RunOnLoss();
    }
    while (true) QThread::msleep(1000);  // another thread ends the process
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

std::optional<int> PrepareSession(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs("用法: numora [--help] [--version]\n"
                       "Numora 计算器套件: 基本计算、科学性计算、数学专科计算和化学专科计算。\n"
                       "需要图形桌面 (X11 或 Wayland)。同一用户只运行一个实例:\n"
                       "再次启动时, 已在运行的窗口会来到前面。\n"
                       "\n"
                       "  -h, --help     显示本帮助并退出\n"
                       "      --version  显示版本并退出\n",
                       stdout);
            return 0;
        }
        if (argument == "--version") {
            std::fputs(VersionText("numora").c_str(), stdout);
            return 0;
        }
    }
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    const SessionEnvironment env{variable("QT_QPA_PLATFORM"), variable("WAYLAND_DISPLAY"),
                                 variable("WAYLAND_SOCKET"),  variable("DISPLAY"),
                                 variable("XDG_SESSION_TYPE"), variable("XDG_RUNTIME_DIR")};
    const SessionChoice choice = ChooseSession(env, [](const std::string& path) { return ::access(path.c_str(), F_OK) == 0; });
    if (!choice.hasDisplay) {
        std::fputs("numora: 需要图形桌面 (X11 或 Wayland) 才能运行。\n", stderr);
        return 1;
    }
    if (!choice.platform.empty()) ::setenv("QT_QPA_PLATFORM", choice.platform.c_str(), 1);
    return std::nullopt;
}

void WatchCompositorLoss(std::function<void()> onLoss) {
    if (gOnLoss) return;
    gOnLoss = new std::function<void()>(std::move(onLoss));  // lives as long as the process
    gPreviousHandler = qInstallMessageHandler(&CompositorLossHandler);
}

}  // namespace numora
