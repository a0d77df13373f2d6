// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact line of a frame: one read-only line under the decimal results
// ("精确值: x1 = (3+√5)/2, x2 = (3-√5)/2", "360 = 2³×3²×5"), smaller than
// the results and without a box of its own, selectable and copyable with
// the field's menu. It is hidden while it is empty (no exact form). Each
// run of the frame's command writes it, also when the command refuses its
// input (it is then emptied with the command's other results in view, so a
// refusal never leaves an exact form beside it); between runs it goes
// stale with the frame's other results.
#pragma once

#include <QString>
#include <optional>

#include "Outcome.h"
#include "Solutions.h"

class QLineEdit;

namespace numora {

// The line, named `name`, empty and hidden.
QLineEdit* ExactLine(const QString& name);

// `outcome` of a frame's command with the write of its exact line added:
// the forms' line, or "" when there are none.
Outcome WithExactLine(Outcome outcome, const char* control, const std::optional<ExactForms>& forms);

}  // namespace numora
