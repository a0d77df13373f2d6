// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// SaveProblemNotice: tells the user, once, that the settings cannot be
// saved (QtSettingsStore's problem handler). During the run the message
// waits for the event loop, so it never opens in the middle of the write
// that failed. Once the orderly exit runs, the event loop soon ends: a
// problem found then (a disk that filled up while the program ran) is kept
// and told by tellPending() before the process ends, not lost.
#pragma once

#include <QString>

#include "Services.h"

namespace numora {

class SaveProblemNotice {
public:
    explicit SaveProblemNotice(Dialogs& dialogs) : dialogs_(dialogs) {}

    // A write could not be saved (the store calls this once).
    void report(const QString& text);
    // The orderly exit begins: a problem not told yet is kept for tellPending().
    void setEnding() { ending_ = true; }
    // The message kept during the exit, if any, before the process ends.
    void tellPending();

private:
    void tell(const QString& text);

    Dialogs& dialogs_;
    QString pending_;
    bool ending_ = false;
};

}  // namespace numora
