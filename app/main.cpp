// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// numora: the desktop calculator suite. Builds the real services, registers
// the windows with the main frame (ChildWindowTable.cpp) and starts with the
// start-up window; the exit window ends the run.
#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AutoplayGuard.h"
#include "ChildWindowTable.h"
#include "CommandLine.h"
#include "CompositorWatch.h"
#include "DesktopPlatform.h"
#include "DesktopTheme.h"
#include "FormHelpers.h"
#include "MainFrame.h"
#include "Messages.h"
#include "QtMusicPlayer.h"
#include "SaveProblemNotice.h"
#include "Services.h"
#include "SessionEnd.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "Version.h"
#include "frmBye.h"
#include "frmSplash.h"

int main(int argc, char* argv[]) {
    // Before anything can be lost: a signal while the display is opened
    // still ends the run in order.
    numora::SessionEnd::CatchSignalsEarly();
    // --help and --version need no display; a start without one is told.
    if (const std::optional<std::string> answer = numora::CommandLineAnswer(std::vector<std::string_view>(argv + 1, argv + argc))) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    const std::optional<numora::SessionStart> session = numora::PrepareSession();
    if (!session) return 1;
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Numora"));
    QApplication::setApplicationName(QStringLiteral("Numora"));
    QApplication::setApplicationVersion(QLatin1String(numora::kVersion));
    QApplication::setDesktopFileName(QStringLiteral("numora"));
    // Ask for the Simplified Chinese face by name: left to the font fallback,
    // the shared Han characters come out in their Japanese forms.
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), font.family()});
    QApplication::setFont(font);
    numora::InstallQtChineseTranslations();

    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/numora-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    // The run ends through the exit window (the frame may sit in the tray).
    QApplication::setQuitOnLastWindowClosed(false);

    // The desktop's light or dark preference, before any window is built.
    numora::DesktopTheme theme;
    theme.start();

    numora::QtSettingsStore settings;
    // One instance per settings file: a second launch brings the running
    // one forward and ends here.
    const QString settingsFile = QFileInfo(settings.fileName()).absoluteFilePath();
    numora::SingleInstance instance(numora::SingleInstance::LockFolder(QFileInfo(settingsFile).absolutePath()),
                                    QString::fromStdString(numora::InstanceName(settingsFile.toStdString())));
    const numora::RaiseRequest launch{qEnvironmentVariable("XDG_ACTIVATION_TOKEN").toStdString(),
                                      qEnvironmentVariable("DESKTOP_STARTUP_ID").toStdString()};
    numora::SingleInstance::Claim claim = instance.claim(launch);
    if (claim == numora::SingleInstance::Claim::Forwarded) return 0;
    numora::QtDialogs dialogs;
    // Settings that cannot be saved: the user is told once, and the run goes
    // on with the values in memory (found during the exit: told before the end).
    numora::SaveProblemNotice saveProblems(dialogs);
    settings.setProblemHandler([&saveProblems](numora::QtSettingsStore::SaveProblem problem, const QString& file) {
        saveProblems.report(numora::SaveProblemText(problem, file));
    });
    numora::QtLauncher launcher;
    numora::QtMusicPlayer music;
    numora::QtClipboard clipboard;
    numora::Services services{settings, dialogs, launcher, music, clipboard};

    numora::MainFrame frame(services);
    numora::FurnishFrame(frame);

    // The background-music window: created by the start-up self-test,
    // closed by the exit sequence.
    std::unique_ptr<numora::Messages> messages;
    auto loadMusic = [&] {
        if (!messages) messages = std::make_unique<numora::Messages>(services, frame, &frame);
        messages->load();
    };
    auto showMusic = [&] {
        if (messages) messages->show();
    };
    auto closeMusic = [&] {
        if (messages) messages->stopAndClose();
    };

    auto endProgram = [](int code) { QCoreApplication::exit(code); };
    // The end of a session (a signal, logout) has nobody to answer a message.
    bool sessionEnding = false;
    auto endAfterExit = [&](int code) {
        if (!sessionEnding) saveProblems.tellPending();
        endProgram(code);
    };
    std::unique_ptr<numora::frmBye> bye;
    frame.setExitWindowHook([&] {
        saveProblems.setEnding();
        bye = std::make_unique<numora::frmBye>(services, numora::frmBye::Hooks{closeMusic, endAfterExit}, &frame);
        bye->start();
    });
    // The load asks the lock again at Retry; the first answer is the claim above.
    bool claimed = true;
    auto otherInstance = [&] {
        using Check = numora::frmSplash::InstanceCheck;
        if (!claimed) claim = instance.claim(launch);
        claimed = false;
        switch (claim) {
        case numora::SingleInstance::Claim::Forwarded: return Check::Forwarded;
        case numora::SingleInstance::Claim::Unanswered: return Check::Unanswered;
        default: return Check::None;
        }
    };
    numora::frmSplash splash(services, frame,
                             numora::frmSplash::Hooks{loadMusic, showMusic, endProgram, otherInstance});
    // Once the frame is up, a second launch brings it forward; from the exit
    // sequence on, it waits for this instance to end.
    bool frameUp = false;
    QObject::connect(&splash, &numora::frmSplash::finished, [&] {
        frameUp = true;
        // Without the self-test the music window was never made; the player
        // is still chosen from the options, and the window is the one that
        // tells a file it cannot play, so it is made now, hidden and idle.
        if (!messages) messages = std::make_unique<numora::Messages>(services, frame, &frame);
    });
    QObject::connect(&instance, &numora::SingleInstance::raiseRequested, &frame,
                     [&](const QString& token, const QString& startupId) {
                         if (!frameUp) return;  // it comes forward as start-up ends
                         numora::UseLaunchActivation(token, startupId);
                         frame.bringForward();
                     });
    QObject::connect(&frame, &numora::MainFrame::unloaded, &instance, [&instance] { instance.setClosing(true); });

    // Logout, a terminal's signals, the session manager's quit request and
    // the loss of the display end the run in order too.
    numora::SessionEnd sessionEnd(services, frame,
                                  numora::SessionEnd::Hooks{
                                      [&] { return splash.runAccepted(); },
                                      [&] { splash.abandon(); },
                                      [&] {
                                          if (bye)
                                              bye->finishNow();
                                          else
                                              endProgram(0);
                                      },
                                      endProgram});
    QObject::connect(&sessionEnd, &numora::SessionEnd::endRequested, [&sessionEnding] { sessionEnding = true; });
    sessionEnd.watchSignals();
    sessionEnd.watchQuitRequests();
    sessionEnd.watchAbruptExit();
    // The loss of the Wayland compositor ends the run as the loss of the X display does.
    numora::CompositorWatch compositor(session->compositorSocket);
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        compositor.watch([&sessionEnd] { sessionEnd.endAbruptly(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &frame, [&frame] { frame.storeStateNow(); },
                     Qt::DirectConnection);

    QTimer::singleShot(0, &splash, &numora::frmSplash::start);
    const int status = QApplication::exec();
    // The music player gets a second to let go of its file. One that does
    // not (a decoder that never returns) keeps the autoplay record for the
    // next start, and the process ends without the libraries' teardown,
    // which would wait for it.
    if (!music.shutDown()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    // A run that start-up refused did not start any music of its own.
    if (splash.runAccepted()) numora::AutoplayGuard(settings).end();
    return status;
}
