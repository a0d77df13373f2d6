// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>

#include "FormulaHistory.h"

using numora::AddToHistory;
using numora::DecodeHistory;
using numora::EncodeHistory;
using numora::HistoryEntry;
using numora::kHistoryFormulaLimit;
using numora::kHistoryLimit;
using Entries = std::vector<HistoryEntry>;

TEST(FormulaHistory, DecodesAsFarAsItGoes) {
    const std::string longest(kHistoryFormulaLimit, '1');
    const struct {
        std::string text;
        Entries entries;
    } rows[] = {
        {"1+1=2\n1/3=.333333333333333", {{"1+1", "2"}, {"1/3", ".333333333333333"}}},
        {" 7\t= 7\t", {{" 7\t", " 7\t"}}},  // blanks belong to the formula and its result
        {"一加一=表达式错误", {{"一加一", "表达式错误"}}},
        {"1=2=3", {{"1=2", "3"}}},          // a result never holds "="
        {"", {}},
        {"1+1=2\ngarbage\n2+2=4", {{"1+1", "2"}}},
        {"1+1=2\n\n2+2=4", {{"1+1", "2"}}},
        {"=2\n1+1=2", {}},
        {"1+1=\n1+1=2", {}},
        {"1+1=2\r\n2+2=4", {}},
        {"1+1=2\n", {{"1+1", "2"}}},
        {longest + "=1", {{longest, "1"}}},
        {longest + "1=1", {}},
        {"1=" + longest + "1", {}},
        {std::string(1 << 20, '1') + "=1", {}},
    };
    for (const auto& row : rows) EXPECT_EQ(DecodeHistory(row.text), row.entries) << row.text.substr(0, 40);

    std::string overLong;
    for (int i = 0; i < 300; ++i) overLong += std::to_string(i) + "+0=" + std::to_string(i) + "\n";
    const Entries first = DecodeHistory(overLong);
    ASSERT_EQ(first.size(), kHistoryLimit);
    EXPECT_EQ(first.back(), (HistoryEntry{"99+0", "99"}));
}

TEST(FormulaHistory, RoundTripNewestFirstWithoutRepeats) {
    std::string stored;
    const Entries typed = {
        {"1/3", ".333333333333333"}, {" 2 + 2 ", "4"}, {"8/0", "表达式错误"}, {"1/3", ".333333333333333"},
        {"1+1", "2"}, {"", "0"}, {"1+\n1", "2"}, {std::string(kHistoryFormulaLimit + 1, '1'), "1"},
    };
    for (const HistoryEntry& entry : typed) stored = EncodeHistory(AddToHistory(DecodeHistory(stored), entry));
    const Entries expected = {{"1+1", "2"}, {"1/3", ".333333333333333"}, {"8/0", "表达式错误"}, {" 2 + 2 ", "4"}};
    EXPECT_EQ(DecodeHistory(stored), expected);

    // The hundred newest stay.
    for (int i = 0; i < 150; ++i)
        stored = EncodeHistory(AddToHistory(DecodeHistory(stored), {std::to_string(i) + "+0", std::to_string(i)}));
    const Entries full = DecodeHistory(stored);
    ASSERT_EQ(full.size(), kHistoryLimit);
    EXPECT_EQ(full.front().formula, "149+0");
    EXPECT_EQ(full.back().formula, "50+0");
}
