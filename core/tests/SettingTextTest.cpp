// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "SettingText.h"

using namespace numora;

TEST(SettingText, WholeNumbers) {
    EXPECT_EQ(ParseWholeSetting("0"), 0);
    EXPECT_EQ(ParseWholeSetting("2"), 2);
    EXPECT_EQ(ParseWholeSetting(" 1 "), 1);
    EXPECT_EQ(ParseWholeSetting("-3"), -3);
    EXPECT_EQ(ParseWholeSetting("2.5"), 2);
    EXPECT_EQ(ParseWholeSetting("True"), std::nullopt);
    EXPECT_EQ(ParseWholeSetting(""), std::nullopt);
    EXPECT_EQ(ParseWholeSetting("1x"), std::nullopt);
    EXPECT_EQ(ParseWholeSetting("99999999999"), std::nullopt);
}

TEST(SettingText, SingleNumbers) {
    EXPECT_EQ(ParseSingleSetting("1000"), 1000.0f);
    EXPECT_EQ(ParseSingleSetting("7680.5"), 7680.5f);
    EXPECT_EQ(ParseSingleSetting("1E+03"), 1000.0f);
    EXPECT_EQ(ParseSingleSetting("-15"), -15.0f);
    EXPECT_EQ(ParseSingleSetting("1e39"), std::nullopt);
    EXPECT_EQ(ParseSingleSetting("left"), std::nullopt);
}

TEST(SettingText, TruthValues) {
    const struct { const char* text; std::optional<bool> value; } cases[] = {
        {"True", true}, {"False", false}, {"true", true}, {"FALSE", false}, {"1", true},
        {"0", false}, {"-1", true}, {"2.5", true}, {" True ", true}, {"yes", std::nullopt},
        {"", std::nullopt}, {"Tru", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseTruthSetting(c.text), c.value) << c.text;
}
