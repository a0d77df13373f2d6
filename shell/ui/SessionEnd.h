// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// SessionEnd: the ends of a run that do not come from the user's Quit. The
// signals a desktop sends at logout or a terminal sends (SIGTERM, SIGHUP,
// SIGINT) and the application's quit request (what the session manager's
// "die" becomes) run the orderly exit: the child windows store their
// positions, the frame its state, the music stops, the running flag is
// cleared and the process ends with status 0, without the exit window's
// animation. When the display is lost the toolkit ends the process at once;
// what the unload stores is stored then, and the process still ends with 0.
#pragma once

#include <QObject>
#include <functional>

#include "Services.h"

class QSocketNotifier;

namespace numora {

class MainFrame;

class SessionEnd : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        // True once start-up has accepted the run (set the running flag).
        std::function<bool()> runAccepted;
        // Stops the start-up window, when it still runs.
        std::function<void()> stopStartup;
        // Runs what is left of the exit window's sequence at once.
        std::function<void()> finishExit;
        // Ends the process with its exit status.
        std::function<void(int)> endProgram;
    };

    SessionEnd(Services& services, MainFrame& frame, Hooks hooks, QObject* parent = nullptr);
    ~SessionEnd() override;

    // Catches SIGTERM, SIGHUP and SIGINT from the first moment of the
    // process (call it first thing in main): a signal that comes before the
    // event loop runs is kept until watchSignals() takes it, so it ends the
    // run in order, with status 0. From then to the end of the process no
    // such signal kills it.
    static bool CatchSignalsEarly();
    // Turns SIGTERM, SIGHUP and SIGINT into the orderly exit, run from the
    // event loop (catching them first, if CatchSignalsEarly did not). One
    // SessionEnd at a time may watch them.
    bool watchSignals();
    // Turns the application's quit request into the orderly exit.
    void watchQuitRequests();
    // When the process is ended from under the event loop (the toolkit does
    // so when the display goes away), stores the state first and ends with 0.
    void watchAbruptExit();

    // The orderly exit; runs once.
    void end();
    // The display is gone and the process must end now: stores what the
    // unload stores (when start-up took the run), clears the running flag
    // and ends the process with status 0, touching no window.
    [[noreturn]] void endAbruptly();
    bool ending() const { return ending_; }

signals:
    void endRequested(int signal);  // 0 for the quit request

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readSignal();
    static void atExit();

    Services& services_;
    MainFrame& frame_;
    Hooks hooks_;
    QSocketNotifier* notifier_ = nullptr;
    bool ending_ = false;
};

}  // namespace numora
