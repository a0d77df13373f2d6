// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SessionEnd.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include "MainFrame.h"
#include "SettingsStore.h"

namespace numora {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The signal handler only writes the signal's number into a pipe; the event
// loop reads it.
volatile sig_atomic_t gPipe[2] = {-1, -1};
SessionEnd* gWatcher = nullptr;  // the instance the abrupt-exit handler serves
bool gAtExitRegistered = false;

void OnSignal(int signal) {
    const unsigned char byte = static_cast<unsigned char>(signal);
    const int saved = errno;
    if (const int pipe = gPipe[1]; pipe >= 0) {
        [[maybe_unused]] const ssize_t n = ::write(pipe, &byte, 1);
    }
    errno = saved;
}

}  // namespace

SessionEnd::SessionEnd(Services& services, MainFrame& frame, Hooks hooks, QObject* parent)
    : QObject(parent), services_(services), frame_(frame), hooks_(std::move(hooks)) {}

SessionEnd::~SessionEnd() {
    if (gWatcher == this) gWatcher = nullptr;
    if (notifier_) {
        // The handlers stay: a signal from here to the end of the process
        // finds no pipe and changes nothing, so the exit status stays 0.
        delete notifier_;
        const int readEnd = gPipe[0], writeEnd = gPipe[1];
        gPipe[0] = -1;
        gPipe[1] = -1;
        ::close(readEnd);
        ::close(writeEnd);
    }
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool SessionEnd::CatchSignalsEarly() {
    if (gPipe[0] >= 0) return true;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    gPipe[1] = ends[1];
    gPipe[0] = ends[0];
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) sigaction(signal, &action, nullptr);
    return true;
}

bool SessionEnd::watchSignals() {
    if (notifier_) return true;
    if (!CatchSignalsEarly()) return false;
    // A signal caught before is waiting in the pipe: the notifier sees it as
    // soon as the event loop runs.
    notifier_ = new QSocketNotifier(gPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEnd::readSignal);
    return true;
}

void SessionEnd::readSignal() {
    unsigned char byte = 0;
    while (::read(gPipe[0], &byte, 1) == 1) {
        emit endRequested(byte);
        end();
    }
}

void SessionEnd::watchQuitRequests() { QCoreApplication::instance()->installEventFilter(this); }

bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
        emit endRequested(0);
        end();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void SessionEnd::watchAbruptExit() {
    gWatcher = this;
    if (!gAtExitRegistered) {
        gAtExitRegistered = true;
        std::atexit(&SessionEnd::atExit);
    }
}

// exit() called while the program still runs (not the return from main,
// which ends the watch first): nothing may touch the display any more.
void SessionEnd::atExit() {
    SessionEnd* self = gWatcher;
    if (!self || self->ending_) return;
    self->endAbruptly();
}

void SessionEnd::endAbruptly() {
    if (gWatcher == this) gWatcher = nullptr;
    // During the orderly exit the unload has stored everything already.
    const bool accepted = !hooks_.runAccepted || hooks_.runAccepted();
    if (accepted && (!ending_ || frame_.isUnloaded())) {
        frame_.storeStateNow();  // nothing once unloaded
        services_.settings.WriteSetting(QStringLiteral("Settings"), QStringLiteral("LoadAlready"), TruthText(false));
    }
    ending_ = true;
    ::_exit(0);
}

void SessionEnd::end() {
    if (ending_) return;
    ending_ = true;
    if (hooks_.stopStartup) hooks_.stopStartup();
    if (hooks_.runAccepted && !hooks_.runAccepted()) {
        // Start-up has not taken the run yet: nothing of it is in the store.
        if (hooks_.endProgram) hooks_.endProgram(0);
        return;
    }
    // The unload as Quit runs it: the children store their positions, the
    // exit window appears, the music stops, the frame stores its state.
    if (!frame_.isUnloaded()) frame_.close();
    if (hooks_.finishExit) hooks_.finishExit();
}

}  // namespace numora
