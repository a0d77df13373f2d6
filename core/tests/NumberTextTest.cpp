// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "FullWidth.h"
#include "NumberText.h"

using namespace numora;

TEST(NumberText, FollowsTheSharedRules) {
    const struct { double value; const char* text; } cases[] = {
        {0, "0"}, {-0.0, "0"}, {1, "1"}, {-1, "-1"}, {0.5, ".5"}, {-0.25, "-.25"},
        {12.5, "12.5"}, {1.0 / 3, ".333333333333333"}, {2.0 / 3, ".666666666666667"},
        {0.0001, ".0001"}, {0.00001, "1E-05"}, {0.000015, "1.5E-05"}, {1.5e20, "1.5E+20"},
        {1e15, "1E+15"}, {123456789012345, "123456789012345"}, {999999999999999, "999999999999999"},
        {999999999999999.9, "1E+15"}, {1e100, "1E+100"}, {1e-300, "1E-300"}, {-1.5e-7, "-1.5E-07"},
        {6227020800, "6227020800"}, {6.402373705728e15, "6.402373705728E+15"},
        {0.1 + 0.2, ".3"}, {100, "100"}, {1.7976931348623157e308, "1.79769313486232E+308"},
        {4.9406564584124654e-324, "4.94065645841247E-324"}, {-95.48947517112799, "-95.489475171128"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberText(c.value), c.text) << c.value;
}

TEST(NumberText, SingleUsesSevenDigits) {
    const struct { float value; const char* text; } cases[] = {
        {1000, "1000"}, {7680, "7680"}, {0.5f, ".5"}, {1.0f / 3, ".3333333"},
        {1234567, "1234567"}, {12345678, "1.234568E+07"}, {-2.25f, "-2.25"}, {0.00001f, "1E-05"},
    };
    for (const auto& c : cases) EXPECT_EQ(SingleNumberText(c.value), c.text) << c.value;
}

TEST(NumberText, PaddedFormHasABlankForNonNegatives) {
    EXPECT_EQ(PaddedNumberText(5), " 5");
    EXPECT_EQ(PaddedNumberText(0.5), " .5");
    EXPECT_EQ(PaddedNumberText(0), " 0");
    EXPECT_EQ(PaddedNumberText(-5), "-5");
}

TEST(NumberText, IgnoresTheUsersLocale) {
    // A locale with a decimal comma must change nothing.
    const char* old = std::setlocale(LC_ALL, nullptr);
    std::string saved = old ? old : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8")) {
        EXPECT_EQ(NumberText(1234.5), "1234.5");
        EXPECT_DOUBLE_EQ(LeadingValue("1.5"), 1.5);
        EXPECT_EQ(StrictValue("2.5"), 2.5);
    }
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(LeadingValue, ReadsTheLongestLeadingNumber) {
    const struct { const char* text; double value; } cases[] = {
        {"12", 12}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"1 2", 12}, {" \t-3.5\n", -3.5},
        {"1e3", 1000}, {"1E3x", 1000}, {"1e", 1}, {"1e+", 1}, {"1e-2", 0.01}, {"1.2.3", 1.2},
        {".5", 0.5}, {"-.5", -0.5}, {"+7", 7}, {"-", 0}, {".", 0}, {"12g", 12}, {"g12", 0},
        {"00", 0}, {"1,5", 1}, {"- 5", -5}, {"1e-400", 0}, {"2147483647", 2147483647.0},
        // Full-width digits and signs, and the ideographic full stop, as
        // they arrive: converted where they were typed.
        {"１２", 12}, {"－５", -5}, {"．５", 0.5}, {"１。５", 1.5}, {"＋７", 7}, {"１２ｇ", 12},
        {"３×２", 3}, {"ｇ１２", 0}, {"１ ２", 12}, {"1e２", 100},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingValue(FromFullWidth(c.text)), c.value) << c.text;
    EXPECT_EQ(LeadingValue("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingValue("-1e400"), -std::numeric_limits<double>::infinity());
    // Out of range by its digits rather than its exponent.
    EXPECT_EQ(LeadingValue("1" + std::string(400, '0') + "e-10"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingValue("." + std::string(400, '0') + "1e50"), 0.0);
    EXPECT_EQ(LeadingValue("." + std::string(400, '0') + "1e390"), 1e-11);
}

TEST(StrictValue, AcceptsOnlyAWholeNumber) {
    const struct { const char* text; std::optional<double> value; } cases[] = {
        {"12", 12}, {" 12 ", 12}, {"-3.5", -3.5}, {"+2", 2}, {"1e3", 1000}, {"1E-2", 0.01},
        {".5", 0.5}, {"5.", 5}, {"", std::nullopt}, {"  ", std::nullopt}, {"12abc", std::nullopt},
        {"abc", std::nullopt}, {"-", std::nullopt}, {"1 2", std::nullopt}, {"1e", std::nullopt},
        {"1.2.3", std::nullopt}, {"1e400", std::nullopt}, {"--1", std::nullopt}, {"0x10", std::nullopt},
        {"－１２．５", -12.5}, {" ２ ", 2}, {"２。", 2}, {"１２ａ", std::nullopt}, {"２×３", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(StrictValue(FromFullWidth(c.text)), c.value) << c.text;
}

TEST(RoundToInt, HalvesGoToTheEvenNeighbour) {
    const struct { double value; std::optional<std::int32_t> r; } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {4.5, 4}, {5.5, 6},
        {2.4999, 2}, {2.5001, 3}, {2147483647, 2147483647}, {2147483647.4, 2147483647},
        {2147483647.5, std::nullopt}, {2147483648.0, std::nullopt}, {-2147483648.0, -2147483647 - 1},
        {-2147483648.5, -2147483647 - 1}, {-2147483649.0, std::nullopt}, {1e300, std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt}, {std::nan(""), std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(RoundToInt32(c.value), c.r) << c.value;
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(RoundToInt16(32767.5), std::nullopt);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);
    EXPECT_EQ(RoundToInt16(-32769), std::nullopt);
}

TEST(FormatResult, RestoresTheLeadingZero) {
    const struct { const char* in; const char* out; } cases[] = {
        {".5", "0.5"}, {"-.5", "-0.5"}, {"12.5", "12.5"}, {"1", "1"}, {"-1", "-1"}, {"0", "0"},
        {"1.5E-05", "1.5E-05"}, {" 7 ", "7"}, {"", ""}, {" .5", "0.5"}, {"0.5", "00.5"},
        {"-1.5E-05", "-1.5E-05"}, {"1e-5", "01e-5"}, {".333333333333333", "0.333333333333333"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatResult(c.in), c.out) << c.in;
}

TEST(FromFullWidth, ReadsTheFullWidthFormsAsAscii) {
    const struct { const char* typed; const char* ascii; } cases[] = {
        {"０１２３４５６７８９", "0123456789"}, {"＋－＊／（）．", "+-*/()."}, {"×÷", "*/"},
        {"１。５", "1.5"}, {"（１＋２）×３", "(1+2)*3"}, {"12.5", "12.5"}, {"", ""},
        // Other characters stay as they are: full-width letters, the
        // ideographic space, Chinese text, broken UTF-8.
        {"ａＥ１", "ａＥ1"}, {"１　２", "1　2"}, {"数据", "数据"}, {"\xEF\xBC", "\xEF\xBC"},
        {"１\xEF", "1\xEF"}, {"\xC3", "\xC3"}, {"\xEF\xBC\x91\x91", "1\x91"},
    };
    for (const auto& c : cases) EXPECT_EQ(FromFullWidth(c.typed), c.ascii) << c.typed;
    // Without a copy when the text is plain ASCII.
    std::string storage;
    const std::string_view plain = "12+3";
    EXPECT_EQ(FromFullWidth(plain, storage).data(), plain.data());
    EXPECT_EQ(FromFullWidth("１２", storage), "12");
}
