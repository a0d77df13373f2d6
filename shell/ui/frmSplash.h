// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// frmSplash: the start-up window. It greets the user, refuses a second
// concurrent run through the running flag, and then runs the animated
// self-test that creates the calculator windows hidden, or, when the user
// has switched the test off, goes straight to the main frame.
#pragma once

#include <QWidget>
#include <functional>

#include "Services.h"

class QLabel;
class QTimer;

namespace numora {

class MainFrame;

class frmSplash : public QWidget {
    Q_OBJECT

public:
    // What the one-instance lock says at start-up: no other instance runs;
    // another one runs and came forward (this one ends with status 0); or
    // another one holds the lock but does not answer (the user is asked).
    enum class InstanceCheck { None, Forwarded, Unanswered };

    struct Hooks {
        // Creates and shows the background-music window (self-test only).
        std::function<void()> loadMusic;
        std::function<void()> showMusic;
        // Ends the program at once (Cancel at the running-flag warning, or
        // an error), with the process's exit status.
        std::function<void(int)> endProgram;
        // Whether another instance runs (asked at every load, so again at
        // Retry); none when absent. The running flag in the store is only
        // written, never trusted: it outlives a killed instance.
        std::function<InstanceCheck()> otherInstance;
    };

    frmSplash(Services& services, MainFrame& frame, Hooks hooks, QWidget* parent = nullptr);
    ~frmSplash() override;

    // The load procedure: greeting, running-flag check, then the self-test
    // or the quick start.
    void start();

    // One tick of the self-test clock (public so tests can drive it).
    void tick();
    int clock() const { return moveBox_; }  // MoveBox width in twips
    QString status() const;
    QString progress() const;
    QString welcome() const;
    bool selfTestRunning() const;
    // The running check has passed and the flag is set.
    bool runAccepted() const { return accepted_; }
    // Stops the start-up where it stands and closes the window (the session
    // is ending).
    void abandon();

    static constexpr int kTickMs = 15;        // the self-test's clock
    static constexpr int kFastTickMs = 5;     // its last stage
    static constexpr int kQuickStartMs = 250;

signals:
    // The main frame is shown and this window is gone.
    void finished();

private:
    void quickStart();
    void fail();
    void setProgress(int add);
    void layoutMoving();

    Services& services_;
    MainFrame& frame_;
    Hooks hooks_;
    QLabel* welcome_ = nullptr;   // Label4
    QLabel* status_ = nullptr;    // Label1
    QLabel* percent_ = nullptr;   // Label2
    QLabel* slogan_ = nullptr;    // Text
    QWidget* backBox_ = nullptr;  // BackBox
    QWidget* moveBox_w = nullptr; // MoveBox
    QTimer* selfTest_ = nullptr;  // Timer1
    QTimer* keepFlag_ = nullptr;  // Timer2
    QTimer* quick_ = nullptr;     // Timer3
    int moveBox_ = 0;             // MoveBox width, twips
    int sloganLeft_ = 210;        // twips
    int boxColour_ = 0;
    bool done_ = false;
    bool accepted_ = false;
};

}  // namespace numora
