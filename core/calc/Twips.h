// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Window geometry is stored, and windows' default sizes are given, in
// twips: 15 to a device-independent pixel.
#pragma once

namespace numora {

inline constexpr int kTwipsPerPixel = 15;

}  // namespace numora
