// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The formula calculator's history: the formulas evaluated, newest first,
// kept in the settings store's section `History` as one text, a line
// "formula=result" per entry (one value, written at once: a write that is
// cut short never leaves half a list). The list ends at the first line that
// is not an entry, so a damaged or over-long text is read as far as it goes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

struct HistoryEntry {
    std::string formula;  // as typed
    std::string result;   // the result text, or the message of a refused formula
    bool operator==(const HistoryEntry&) const = default;
};

inline constexpr const char* kHistorySection = "History";
inline constexpr const char* kHistoryKey = "Formulas";
// Entries kept.
inline constexpr std::size_t kHistoryLimit = 100;
// The longest formula kept, in bytes of UTF-8: a pasted page of text is
// evaluated but not written into the settings file a hundred times over.
inline constexpr std::size_t kHistoryFormulaLimit = 2000;

// The stored text of `entries`.
std::string EncodeHistory(const std::vector<HistoryEntry>& entries);
// The entries of a stored text, up to the first line that is not one
// ("formula=result" with both sides, no more than kHistoryFormulaLimit
// bytes of formula; a result never holds "=", so the last "=" divides the
// two), at most kHistoryLimit.
std::vector<HistoryEntry> DecodeHistory(std::string_view text);

// `entries` with `entry` in front; an earlier entry of the same formula
// gives up its place; at most kHistoryLimit. An entry that cannot be stored
// (an empty formula, a line break, a formula past the limit) is not added.
std::vector<HistoryEntry> AddToHistory(std::vector<HistoryEntry> entries, const HistoryEntry& entry);

// An entry as the drop-down shows it: "formula = result".
std::string HistoryItemText(const HistoryEntry& entry);

}  // namespace numora
