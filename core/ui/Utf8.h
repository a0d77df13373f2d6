// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// U("…"): a UTF-8 text of the sources (a caption, a hint, a message) as a
// QString. The one conversion every window and its tests write their
// Chinese texts with.
#pragma once

#include <QString>

namespace numora {

inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace numora
