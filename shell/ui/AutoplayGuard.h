// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// AutoplayGuard: the store's record that the start-up music is on its way.
// The background service records the file before the player gets it and
// clears the record once playback runs, fails cleanly, or the program ends
// in order. A start that finds the record still there knows that the last
// autoplay took the program down (a decoder that crashed or never
// returned); it does not play the file again, turns autoplay off and tells
// the user which file it was.
#pragma once

#include <QString>

namespace numora {

class SettingsStore;

class AutoplayGuard {
public:
    explicit AutoplayGuard(SettingsStore& store) : store_(store) {}

    // The file an earlier autoplay was starting when that run ended without
    // its playback running; empty when there is none.
    QString unfinished() const;
    // Before the player gets `file`.
    void begin(const QString& file);
    // Playback runs, the player gave up on the file, or the run ends in order.
    void end();

    // Where the record is kept: `AutoplayStarting` under `Texts`, the file's path.
    static QString section();
    static QString key();
    // The message of a start that skips the autoplay of `file`.
    static QString SkippedText(const QString& file);

private:
    SettingsStore& store_;
};

}  // namespace numora
