// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormulaHistoryStore.h"

#include "SettingsStore.h"

namespace numora {
namespace {

QString Section() { return QString::fromLatin1(kHistorySection); }
QString Key() { return QString::fromLatin1(kHistoryKey); }

}  // namespace

std::vector<HistoryEntry> ReadFormulaHistory(const SettingsStore& store) {
    return DecodeHistory(store.ReadSetting(Section(), Key(), QString()).toStdString());
}

void AddFormulaHistory(SettingsStore& store, const QString& formula, const QString& result) {
    const std::vector<HistoryEntry> entries =
        AddToHistory(ReadFormulaHistory(store), {formula.toStdString(), result.toStdString()});
    store.WriteSetting(Section(), Key(), QString::fromStdString(EncodeHistory(entries)));
}

void ClearFormulaHistory(SettingsStore& store) {
    // Nothing is created in a store that holds no history.
    if (!store.ReadSetting(Section(), Key(), QString()).isEmpty()) store.WriteSetting(Section(), Key(), QString());
}

}  // namespace numora
