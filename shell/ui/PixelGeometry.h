// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Between Qt's geometry and the plain pixel boxes of the window
// arrangement (WindowPlace.h, WindowArrange.h), and from pixels to the
// twips text the store keeps.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include "SettingsStore.h"
#include "Twips.h"
#include "WindowArrange.h"
#include "WindowPlace.h"

namespace numora {

inline PixelBox ToBox(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
inline QRect ToRect(const PixelBox& b) { return QRect(b.left, b.top, b.width, b.height); }
inline PixelSize ToSize(const QSize& s) { return {s.width(), s.height()}; }

// A length in pixels as the store writes it: the number of twips.
inline QString PixelsToTwipsText(int pixels) { return SingleText(static_cast<float>(pixels) * kTwipsPerPixel); }

}  // namespace numora
