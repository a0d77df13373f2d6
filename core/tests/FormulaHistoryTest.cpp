// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "FormulaHistory.h"

using numora::AddToHistory;
using numora::DecodeHistoryEntry;
using numora::HistoryEntry;
using numora::HistoryKey;
using numora::HistoryWrites;
using numora::kHistoryFormulaLimit;
using numora::kHistoryLimit;
using numora::ReadHistory;

namespace {

// A History section.
struct Section {
    std::map<std::string, std::string> keys;

    std::vector<HistoryEntry> Read() const {
        return ReadHistory([this](const std::string& key) {
            auto it = keys.find(key);
            return it == keys.end() ? std::string() : it->second;
        });
    }
    // Adds an entry as the calculator does: read, add, write back.
    void Add(const HistoryEntry& entry) {
        const std::vector<HistoryEntry> stored = Read();
        for (const auto& [key, text] : HistoryWrites(AddToHistory(stored, entry), stored.size())) keys[key] = text;
    }
};

}  // namespace

TEST(FormulaHistory, DecodesStoredTexts) {
    const std::string longest(kHistoryFormulaLimit, '1');
    const struct {
        std::string text;
        const char* formula;  // nullptr: not an entry
        const char* result;
    } rows[] = {
        {"1+1=2", "1+1", "2"},
        {" 7\t= 7\t", " 7\t", " 7\t"},          // blanks belong to the formula and its result
        {"一加一=表达式错误", "一加一", "表达式错误"},
        {"1=2=3", "1=2", "3"},                   // a result never holds "="
        {"", nullptr, nullptr},
        {"1+1", nullptr, nullptr},
        {"=2", nullptr, nullptr},
        {"1+1=", nullptr, nullptr},
        {"1+\n1=2", nullptr, nullptr},
        {longest + "=1", longest.c_str(), "1"},
        {longest + "1=1", nullptr, nullptr},
    };
    for (const auto& row : rows) {
        const auto entry = DecodeHistoryEntry(row.text);
        ASSERT_EQ(entry.has_value(), row.formula != nullptr) << row.text;
        if (entry) {
            EXPECT_EQ(*entry, (HistoryEntry{row.formula, row.result})) << row.text;
        }
    }
}

TEST(FormulaHistory, RoundTripNewestFirstWithoutRepeats) {
    Section section;
    const std::vector<HistoryEntry> typed = {
        {"1/3", ".333333333333333"}, {" 2 + 2 ", "4"}, {"8/0", "表达式错误"}, {"1/3", ".333333333333333"},
        {"1+1", "2"}, {"", "0"}, {std::string(kHistoryFormulaLimit + 1, '1'), "1"},
    };
    for (const HistoryEntry& entry : typed) section.Add(entry);
    const std::vector<HistoryEntry> expected = {
        {"1+1", "2"}, {"1/3", ".333333333333333"}, {"8/0", "表达式错误"}, {" 2 + 2 ", "4"}};
    EXPECT_EQ(section.Read(), expected);

    // The hundred newest stay.
    for (int i = 0; i < 150; ++i) section.Add({std::to_string(i) + "+0", std::to_string(i)});
    const std::vector<HistoryEntry> full = section.Read();
    ASSERT_EQ(full.size(), kHistoryLimit);
    EXPECT_EQ(full.front().formula, "149+0");
    EXPECT_EQ(full.back().formula, "50+0");

    // Clearing empties every stored key.
    for (const auto& [key, text] : HistoryWrites({}, full.size())) section.keys[key] = text;
    EXPECT_TRUE(section.Read().empty());
    for (const auto& [key, text] : section.keys) EXPECT_EQ(text, "") << key;
}

TEST(FormulaHistory, DamagedOrOverLongSectionReadsAsFarAsItGoes) {
    Section damaged;
    damaged.keys = {{"1", "1+1=2"}, {"2", "2+2=4"}, {"3", "garbage"}, {"4", "3+3=6"}, {"0", "0=0"}};
    EXPECT_EQ(damaged.Read(), (std::vector<HistoryEntry>{{"1+1", "2"}, {"2+2", "4"}}));
    // A new entry closes the list: what lay beyond the damage stays out.
    damaged.Add({"5*5", "25"});
    EXPECT_EQ(damaged.Read(), (std::vector<HistoryEntry>{{"5*5", "25"}, {"1+1", "2"}, {"2+2", "4"}}));

    Section overLong;
    for (std::size_t i = 0; i < 300; ++i) overLong.keys[HistoryKey(i)] = std::to_string(i) + "=" + std::to_string(i);
    EXPECT_EQ(overLong.Read().size(), kHistoryLimit);

    Section huge;
    huge.keys["1"] = std::string(1 << 20, '1') + "=1";
    EXPECT_TRUE(huge.Read().empty());
}
