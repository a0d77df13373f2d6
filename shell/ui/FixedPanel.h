// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A status-bar panel whose text changes often (the clock) but never its
// width: sized once for the widest text it can show, and again only when
// its font or style changes. A widget of fixed size asks for no layout when
// its text changes, so a new text repaints the panel and nothing else.
#pragma once

#include <QString>
#include <QStringList>

class QLabel;

namespace numora {

// The texts of `pattern` with every "#" replaced by one digit, for each
// digit: the widest of them is the widest text the pattern can give in a
// font whose digits differ in width ("##:##:##" for the time).
QStringList DigitSamples(const QString& pattern);

// Fixes `panel` to the size of the widest of `samples` (its frame and
// margins included) and keeps it so through font and style changes; it
// fills its own background, so a new text repaints it alone.
void FixPanelSize(QLabel* panel, const QStringList& samples);

}  // namespace numora
