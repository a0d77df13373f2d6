// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// numora: the desktop calculator suite. Builds the real services, registers
// the windows with the main frame and starts with the start-up window; the
// exit window ends the run.
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

#include "Chem.h"
#include "FormHelpers.h"
#include "MainFrame.h"
#include "Messages.h"
#include "QtMusicPlayer.h"
#include "Maths.h"
#include "Scientific.h"
#include "Services.h"
#include "SessionEnd.h"
#include "SettingsStore.h"
#include "Standard.h"
#include "VersionText.h"
#include "frmAbout.h"
#include "frmBye.h"
#include "frmData.h"
#include "frmOption.h"
#include "frmSplash.h"

int main(int argc, char* argv[]) {
    // The version and the licence, as GNU programs print them; no display needed.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::fputs(numora::VersionText("numora", NUMORA_VERSION).c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Numora"));
    QApplication::setApplicationName(QStringLiteral("Numora"));
    QApplication::setApplicationVersion(QStringLiteral("1.8.0"));
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

    numora::QtSettingsStore settings;
    numora::QtDialogs dialogs;
    // Settings that cannot be saved: the user is told once, and the run goes
    // on with the values in memory. The message waits for the event loop, so
    // it never opens in the middle of the write that failed.
    numora::Dialogs& dialogSeam = dialogs;
    settings.setProblemHandler([&dialogSeam](numora::QtSettingsStore::SaveProblem problem, const QString& file) {
        const QString text = numora::SaveProblemText(problem, file);
        QTimer::singleShot(0, [&dialogSeam, text] {
            dialogSeam.Message(nullptr, text, QStringLiteral("Numora"), numora::MsgIcon::Exclamation,
                            numora::MsgButtons::Ok);
        });
    });
    numora::QtLauncher launcher;
    numora::QtMusicPlayer music;
    numora::QtClipboard clipboard;
    numora::Services services{settings, dialogs, launcher, music, clipboard};

    numora::MainFrame frame(services);
    numora::Standard::Register(frame);
    numora::Maths::Register(frame);
    numora::Scientific::Register(frame);
    numora::Chem::Register(frame);
    numora::frmAbout::Register(frame);
    numora::frmData::Register(frame);
    numora::frmOption::Register(frame);

    // The background-music window: created by the start-up self-test,
    // closed by the exit sequence.
    std::unique_ptr<numora::Messages> messages;
    auto loadMusic = [&] {
        if (!messages) messages = std::make_unique<numora::Messages>(services, frame);
        messages->load();
    };
    auto showMusic = [&] {
        if (messages) messages->show();
    };
    auto closeMusic = [&] {
        if (messages) messages->stopAndClose();
    };

    auto endProgram = [](int code) { QCoreApplication::exit(code); };
    std::unique_ptr<numora::frmBye> bye;
    frame.setExitWindowHook([&] {
        bye = std::make_unique<numora::frmBye>(services, numora::frmBye::Hooks{closeMusic, endProgram});
        bye->start();
    });
    numora::frmSplash splash(services, frame, numora::frmSplash::Hooks{loadMusic, showMusic, endProgram});

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
    sessionEnd.watchSignals();
    sessionEnd.watchQuitRequests();
    sessionEnd.watchAbruptExit();
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &frame, [&frame] { frame.storeStateNow(); },
                     Qt::DirectConnection);

    QTimer::singleShot(0, &splash, &numora::frmSplash::start);
    return QApplication::exec();
}
