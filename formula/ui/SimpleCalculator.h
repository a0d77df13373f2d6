// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The simple calculator command of the main frame: asks for a formula
// (offering the earlier ones), evaluates it, keeps it in the history, puts
// the result on the clipboard and shows it, with its exact fraction when
// the decimal result is rounded.
#pragma once

class QWidget;

namespace numora {

struct Services;

void RunSimpleCalculator(QWidget* parent, Services& services);

}  // namespace numora
