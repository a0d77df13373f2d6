// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The accessible names of the mathematics window's controls, and the texts
// that tell what its two canvases show.
#pragma once

#include <QString>
#include <QStringList>

#include "Accessibility.h"

namespace numora {

AccessibleTable MathsAccessibility();

// "X 轴 -4 至 4，Y 轴 -4 至 4".
QString PlotRangeText(const QString& minX, const QString& maxX, const QString& minY, const QString& maxY);

}  // namespace numora
