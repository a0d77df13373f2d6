// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Results that belong to earlier input. A frame's results stay when one of
// its inputs changes after they were computed, or when its command refuses
// the new input; until the frame computes again they are shown as stale:
// dimmed, with the tool tip and accessible description "结果对应先前的输入",
// so that a row never reads as a false equation ("7.5 ÷ 0 = 3.75").
#pragma once

#include <span>

#include <QStringList>

#include "ResultFrames.h"

class QWidget;

namespace numora {

inline constexpr const char* kStaleResultText = "结果对应先前的输入";
// How much of a stale result shows through (its opacity).
inline constexpr double kStaleOpacity = 0.45;

// Watches the frames of the window `root`, as its table lists them (every
// calculator window does this once it has made its controls). An input
// changes when the user edits a field, toggles an option button, picks
// from a list or changes a list's items; a frame has computed once a
// command wrote one of its results (SetFieldText, or a new text or list).
// Returns the table's controls that were not found (none in a finished window).
QStringList WatchResultFrames(QWidget* root, std::span<const ResultFrame> frames);

// A command wrote `field`: its frame's results are current again, also when
// the text stayed the same. SetFieldText tells this; nothing happens for a
// field no frame lists.
void ResultCurrent(QWidget* field);

// A command refused its input (its message is shown): the results of the
// frame whose button ran it are stale, as after an edit. ApplyOutcome tells
// this for every outcome with a warning or an error.
void CommandRefused();

// Whether `field` is shown as stale.
bool IsStale(const QWidget* field);

}  // namespace numora
