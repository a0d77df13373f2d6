// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormulaHistory.h"

#include <algorithm>

namespace numora {
namespace {

bool Storable(const HistoryEntry& entry) {
    const auto lineBreak = [](const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; };
    return !entry.formula.empty() && entry.formula.size() <= kHistoryFormulaLimit && !entry.result.empty() &&
           entry.result.size() <= kHistoryFormulaLimit &&
           entry.result.find('=') == std::string::npos && !lineBreak(entry.formula) && !lineBreak(entry.result);
}

}  // namespace

std::string EncodeHistory(const std::vector<HistoryEntry>& entries) {
    std::string text;
    for (const HistoryEntry& entry : entries) {
        if (!text.empty()) text += '\n';
        text += entry.formula + "=" + entry.result;
    }
    return text;
}

std::vector<HistoryEntry> DecodeHistory(std::string_view text) {
    std::vector<HistoryEntry> entries;
    while (!text.empty() && entries.size() < kHistoryLimit) {
        const std::size_t lineEnd = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, lineEnd);
        const std::size_t split = line.rfind('=');
        if (split == std::string_view::npos || split > kHistoryFormulaLimit || line.size() - split > kHistoryFormulaLimit + 1)
            break;
        HistoryEntry entry{std::string(line.substr(0, split)), std::string(line.substr(split + 1))};
        if (!Storable(entry)) break;
        entries.push_back(std::move(entry));
        text.remove_prefix(std::min(lineEnd + 1, text.size()));
    }
    return entries;
}

std::vector<HistoryEntry> AddToHistory(std::vector<HistoryEntry> entries, const HistoryEntry& entry) {
    if (!Storable(entry)) return entries;
    std::erase_if(entries, [&entry](const HistoryEntry& e) { return e.formula == entry.formula; });
    entries.insert(entries.begin(), entry);
    if (entries.size() > kHistoryLimit) entries.resize(kHistoryLimit);
    return entries;
}

std::string HistoryItemText(const HistoryEntry& entry) { return entry.formula + " = " + entry.result; }

}  // namespace numora
