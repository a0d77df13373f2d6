// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The icon of a message box: one type for what a command asks its window to
// show (Outcome), the dialog seam that shows it (Dialogs), its fakes and the
// tests.
#pragma once

namespace numora {

enum class MessageIcon { None, Information, Exclamation, Stop, Question };

}  // namespace numora
