// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// frmBye: the window shown while the program ends. Its short sequence
// clears the running flag, closes the background music, carries out a
// pending reset and ends the process.
#pragma once

#include <QWidget>
#include <functional>

#include "Services.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace numora {

class frmBye : public QWidget {
    Q_OBJECT

public:
    struct Hooks {
        std::function<void()> closeMusic;      // unloads the background-music window
        std::function<void(int)> endProgram;   // ends the process
    };

    frmBye(Services& services, Hooks hooks, QWidget* parent = nullptr);

    // The load: topmost, the rounded outline, the sequence's clock.
    void start();
    // One tick of the sequence (public so tests can drive it).
    void tick();
    // What is left of the sequence, at once: the running flag, the music,
    // the pending reset, the end of the process (the end of a session does
    // not wait for the animation).
    void finishNow();
    int clock() const;
    QString status() const;

    static constexpr int kTickMs = 15;
    static constexpr int kFastTickMs = 5;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void pendingReset();

    Services& services_;
    Hooks hooks_;
    QLabel* moving_ = nullptr;  // Label1
    QLabel* status_ = nullptr;  // Label4
    QProgressBar* progress_ = nullptr;
    QTimer* timer_ = nullptr;
    int movingLeft_ = 0;
    bool ended_ = false;
};

}  // namespace numora
