// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How a text reaches the screen reader: the notification of each window
// (see Accessibility.h for what is told and when).
#pragma once

#include <QString>

class QWidget;

namespace numora {

// Tells `text` through the notification of the window of `context`, at
// most one every kAnnounceGapMs (the latest wins), and not while a message
// box of another window is open (it waits for the box to close).
void TellScreenReader(QWidget* context, const QString& text);

// The listener of Accessibility.h that hears what TellScreenReader delivers.
void NotifySpeechListener(QWidget* window, const QString& text);

}  // namespace numora
