// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The formula calculator's history (FormulaHistory.h) in the settings
// store: section `History`, one value.
#pragma once

#include <QString>
#include <vector>

#include "FormulaHistory.h"

namespace numora {

class SettingsStore;

// The stored entries, newest first; a damaged or over-long value is read as
// far as it goes.
std::vector<HistoryEntry> ReadFormulaHistory(const SettingsStore& store);
// Puts a formula evaluated and its result (or its message) in front.
void AddFormulaHistory(SettingsStore& store, const QString& formula, const QString& result);
// Forgets every entry.
void ClearFormulaHistory(SettingsStore& store);

}  // namespace numora
