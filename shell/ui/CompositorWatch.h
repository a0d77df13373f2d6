// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The end of the Wayland compositor. When the toolkit's connection to the
// compositor breaks, Qt 6.4's Wayland plugin says so (a message to the
// message handler, from its connection thread) and ends the process at
// once with _exit(), which no exit handler sees: that message is the only
// moment the program gets.
//
// DESIGN: the watch tells the compositor's end from the state of the
// connection, not from the words of the message: at any message it looks
// for a connection of this process to the compositor's socket (the
// toolkit's: a socket whose peer is that socket's path) that the
// compositor has closed. When there is one, the orderly end runs before
// the message handler returns: on the window thread, which owns the
// windows and the store; a message from another thread hands it over and
// waits, and runs the end itself only when the window thread does not come
// within kHandOverMs (it may be waiting for the very thread that reports).
// The end runs once and ends the process. (The loss of an X display needs
// none of this: the toolkit ends the process with exit(), which SessionEnd
// watches.)
#pragma once

#include <QObject>
#include <functional>
#include <string>

namespace numora {

class CompositorWatch final : public QObject {
    Q_OBJECT

public:
    // How long a message from another thread waits for the window thread.
    static constexpr int kHandOverMs = 1500;

    // The compositor listening at `socketPath`; an empty path watches nothing.
    explicit CompositorWatch(std::string socketPath);
    ~CompositorWatch() override;

    // Whether the compositor has closed a connection this process holds to it.
    bool ended() const;
    // From now on `onLoss` runs once, when a message comes after the
    // compositor has closed the toolkit's connection; the program's ends
    // the process. One watch per process.
    void watch(std::function<void()> onLoss);

private:
    void endFromAnyThread();
    void runEnd();
    static void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);

    std::string socketPath_;
    std::function<void()> onLoss_;
    bool endRan_ = false;  // under the end's lock
};

}  // namespace numora
