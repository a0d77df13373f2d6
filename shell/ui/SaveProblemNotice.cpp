// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SaveProblemNotice.h"

#include <QTimer>

namespace numora {

void SaveProblemNotice::report(const QString& text) {
    pending_ = text;
    // Once the exit has begun, the exit's end tells it.
    QTimer::singleShot(0, [this] {
        if (!ending_) tellPending();
    });
}

void SaveProblemNotice::tellPending() {
    if (pending_.isEmpty()) return;
    tell(std::exchange(pending_, QString()));
}

void SaveProblemNotice::tell(const QString& text) {
    dialogs_.Message(nullptr, text, QStringLiteral("Numora"), MessageIcon::Exclamation, MsgButtons::Ok);
}

}  // namespace numora
