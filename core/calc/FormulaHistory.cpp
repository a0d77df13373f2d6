// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormulaHistory.h"

#include <algorithm>

namespace numora {
namespace {

bool Storable(const HistoryEntry& entry) {
    const auto lineBreak = [](const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; };
    return !entry.formula.empty() && entry.formula.size() <= kHistoryFormulaLimit && !entry.result.empty() &&
           entry.result.find('=') == std::string::npos && !lineBreak(entry.formula) && !lineBreak(entry.result);
}

}  // namespace

std::string HistoryKey(std::size_t index) { return std::to_string(index + 1); }

std::string EncodeHistoryEntry(const HistoryEntry& entry) { return entry.formula + "=" + entry.result; }

std::optional<HistoryEntry> DecodeHistoryEntry(std::string_view text) {
    const std::size_t split = text.rfind('=');
    if (split == std::string_view::npos) return std::nullopt;
    HistoryEntry entry{std::string(text.substr(0, split)), std::string(text.substr(split + 1))};
    if (!Storable(entry)) return std::nullopt;
    return entry;
}

std::vector<HistoryEntry> ReadHistory(const std::function<std::string(const std::string& key)>& read) {
    std::vector<HistoryEntry> entries;
    while (entries.size() < kHistoryLimit) {
        std::optional<HistoryEntry> entry = DecodeHistoryEntry(read(HistoryKey(entries.size())));
        if (!entry) break;
        entries.push_back(std::move(*entry));
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

std::vector<std::pair<std::string, std::string>> HistoryWrites(const std::vector<HistoryEntry>& entries,
                                                               std::size_t stored) {
    std::vector<std::pair<std::string, std::string>> writes;
    for (std::size_t i = 0; i < entries.size(); ++i) writes.emplace_back(HistoryKey(i), EncodeHistoryEntry(entries[i]));
    const std::size_t end = std::min(std::max(stored, entries.size() + 1), kHistoryLimit);
    for (std::size_t i = entries.size(); i < end; ++i) writes.emplace_back(HistoryKey(i), std::string());
    return writes;
}

std::string HistoryItemText(const HistoryEntry& entry) { return entry.formula + " = " + entry.result; }

}  // namespace numora
