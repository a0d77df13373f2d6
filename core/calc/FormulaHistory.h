// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The formula calculator's history: the formulas evaluated, newest first,
// kept in the settings store's section `History` under the keys "1" (the
// newest) to "100", each as "formula=result". The list ends at the first
// key that is absent, empty or damaged, so a damaged or over-long section is
// read as far as it goes.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace numora {

struct HistoryEntry {
    std::string formula;  // as typed
    std::string result;   // the result text, or the message of a refused formula
    bool operator==(const HistoryEntry&) const = default;
};

inline constexpr const char* kHistorySection = "History";
// Entries kept.
inline constexpr std::size_t kHistoryLimit = 100;
// The longest formula kept, in bytes of UTF-8: a pasted page of text is
// evaluated but not written into the settings file a hundred times over.
inline constexpr std::size_t kHistoryFormulaLimit = 2000;

// The key of the entry at `index` (0 the newest): "1", "2", ...
std::string HistoryKey(std::size_t index);

// An entry as stored, "formula=result"; nullopt for a text that is not one
// (no "=", an empty side, a line break, a formula past the limit). A result
// never holds "=", so the last "=" divides the two.
std::string EncodeHistoryEntry(const HistoryEntry& entry);
std::optional<HistoryEntry> DecodeHistoryEntry(std::string_view text);

// The stored entries, read through `read` (the text of a key of the
// section, empty when absent) up to the first that is not an entry, at
// most kHistoryLimit.
std::vector<HistoryEntry> ReadHistory(const std::function<std::string(const std::string& key)>& read);

// `entries` with `entry` in front; an earlier entry of the same formula
// gives up its place; at most kHistoryLimit. An entry that cannot be stored
// (an empty formula, a line break, a formula past the limit) is not added.
std::vector<HistoryEntry> AddToHistory(std::vector<HistoryEntry> entries, const HistoryEntry& entry);

// The writes (key, text) that store `entries` over a section from which
// `stored` entries were read: every entry, then empty texts after the last
// one, over the rest of what was stored and at least one key further, so
// that nothing stored beyond a damaged key joins the list later.
std::vector<std::pair<std::string, std::string>> HistoryWrites(const std::vector<HistoryEntry>& entries,
                                                               std::size_t stored);

// An entry as the drop-down shows it: "formula = result".
std::string HistoryItemText(const HistoryEntry& entry);

}  // namespace numora
