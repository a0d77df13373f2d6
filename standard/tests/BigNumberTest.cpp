// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "BigNumber.h"

using namespace numora::standard;

namespace {

std::string N(std::size_t count, char c = '9') { return std::string(count, c); }
std::string Nines(std::size_t count) { return N(count); }

struct Case {
    std::string a, b;
    std::optional<std::string> want;  // nullopt: the operation fails
};

const std::string kChinese = "\xE4\xB8\xAD";    // one position (one UTF-16 unit)
const std::string kEmoji = "\xF0\x9F\x98\x80";  // two positions (a surrogate pair)

}  // namespace

TEST(LargeAdd, AlignsAtTheLastDigitAndKeepsLeadingZeros) {
    const Case cases[] = {
        {"99", "1", "100"}, {"007", "1", "008"}, {"", "", ""}, {"5", "", "5"}, {"", "05", "05"},
        {"1", "999", "1000"}, {"0", "0", "0"}, {"1a", "1", "11"}, {"-5", "1", "06"}, {" 9", "1", "10"},
        {Nines(256), "1", "1" + N(256, '0')}, {Nines(255), "1", "1" + N(255, '0')},
        {Nines(256), Nines(256), "1" + N(255) + "8"}, {N(257, '0'), "1", std::nullopt},
        {"1", N(257, '1'), std::nullopt},
        // Positions are characters, not bytes.
        {kChinese + "1", "1", "02"}, {[] { std::string s; for (int i = 0; i < 256; ++i) s += kChinese; return s; }(), "1",
                                      N(255, '0') + "1"},
        {[] { std::string s; for (int i = 0; i < 129; ++i) s += kEmoji; return s; }(), "1", std::nullopt},
        {"\xFF" "5", "1", "06"},
    };
    for (const auto& c : cases) EXPECT_EQ(LargeAdd(c.a, c.b), c.want) << c.a << " + " << c.b;
}

TEST(LargeMinus, KeepsTheLengthAndDecidesTheSignExactly) {
    const Case cases[] = {
        {"1000", "1", "0999"}, {"1", "1000", "-0999"}, {"5", "5", "0"}, {"100", "99", "001"},
        {"99", "100", "-001"}, {"", "", ""}, {"", "3", "-3"}, {"010", "10", "000"}, {"0", "", "0"},
        {"12345678901234567890", "12345678901234567891", "-" + N(19, '0') + "1"},
        {"12345678901234567891", "12345678901234567890", N(19, '0') + "1"},
        {"a", "5", "-5"}, {"5", "x9", "-04"}, {"1" + N(255, '0'), "1", "0" + Nines(255)},
        {"1", "1" + N(255, '0'), "-0" + Nines(255)}, {N(257, '1'), "1", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(LargeMinus(c.a, c.b), c.want) << c.a << " - " << c.b;
}

TEST(MultiplyOne, WritesTheCarryOnlyWhenThereIsOne) {
    const struct { std::string a, d, want; } cases[] = {
        {"99", "9", "891"}, {"0", "5", "0"}, {"", "7", ""}, {"123", "0", "000"}, {"007", "3", "021"},
        {"12", "a", "00"}, {Nines(256), "9", "8" + N(255) + "1"}, {N(257, '1'), "1", "-1"},
        // The multiplier is the numeric value of its text, each position a
        // signed 16-bit integer.
        {"12", "12", "144"}, {"3", " 4", "12"}, {"3", "7x", "21"}, {"5", "2.5", "12"},
        {"9", "3640", "32760"}, {"99", "3640", "-1"}, {"1", "32768", "-1"}, {"0", "1e400", "-1"},
        {"5", "-3", "-25"},
    };
    for (const auto& c : cases) EXPECT_EQ(MultiplyOne(c.a, c.d), c.want) << c.a << " * " << c.d;
}

TEST(LargeMultiply, AddsShiftedPartialProductsWithinTheCapacity) {
    const std::string a256 = "7" + N(255, '3');
    const Case cases[] = {
        {"12", "12", "144"}, {"0", "123", "000"}, {"123", "", ""}, {N(300, '1'), "", ""},
        {"", "12", "0"}, {"99", "99", "9801"}, {"5", "05", "25"}, {"05", "2", "10"}, {"1a", "3", "30"},
        // One multiplier digit needs no sum: 257 digits are possible.
        {Nines(256), "9", "8" + N(255) + "1"}, {N(257, '1'), "1", std::nullopt},
        // A shifted partial product beyond 256 characters fails, even of zeros.
        {a256, "01", std::nullopt}, {a256, "10", std::nullopt},
        {Nines(255), "21", std::nullopt}, {"5" + N(254, '0'), "21", std::nullopt},
        {"4" + N(254), "21", "104" + N(252) + "79"},
        // The last sum may carry to 257 characters.
        {Nines(255), "12", "11" + N(253) + "88"},
        {"0", N(256, '0'), N(256, '0')}, {"00", N(256, '0'), std::nullopt},
        {"1", N(257, '0'), std::nullopt}, {"", N(257, '0'), std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(LargeMultiply(c.a, c.b), c.want) << c.a << " * " << c.b;
}

TEST(LargeDivide, GivesTheStepwiseQuotientAndAPlainRemainder) {
    const struct { std::string a, b; std::optional<Division> want; } cases[] = {
        {"1234", "5", Division{"0246", "4"}}, {"1000", "7", Division{"0142", "6"}},
        {"1234", "12", Division{"102", "10"}}, {"99", "11", Division{"9", "0"}},
        {"5", "12", Division{"0", "5"}}, {"007", "12", Division{"00", "7"}},
        {"0", "3", Division{"0", "0"}}, {"1a2", "3", Division{"034", "0"}},
        // A shorter and smaller dividend is its own remainder.
        {"05", "123", Division{"0", "05"}}, {"", "5", Division{"0", ""}}, {"12", "0013", Division{"0", "12"}},
        // Leading zeros mean the number they write: a shorter dividend that
        // is not smaller is divided (100 / 0007 gave 0 remainder 100).
        {"100", "0007", Division{"14", "2"}}, {"5", "05", Division{"1", "0"}}, {"13", "0013", Division{"1", "0"}},
        {"9", "00000000000000000000003", Division{"3", "0"}},
        // A divisor whose value is 0 fails, the empty one included, whatever the dividend.
        {"1234", "00", std::nullopt}, {"12", "0", std::nullopt}, {"5", "", std::nullopt},
        {"", "", std::nullopt}, {"12", "-", std::nullopt}, {"5", "00", std::nullopt}, {"123", "000", std::nullopt},
        // Leading zeros of the divisor: the first step may give 10 or more.
        {"9999", "012", Division{"833", "3"}}, {"0999", "012", Division{"83", "3"}},
        {"100", "001", Division{"100", "0"}}, {"0001", "002", Division{"00", "1"}},
        // Divisors beyond 18 digits and dividends beyond the capacity.
        {"1" + N(40, '0'), Nines(20), Division{"01" + N(19, '0') + "1", "1"}},
        {"123456789012345678901234567890", "98765432109876543210", Division{"01249999988", "60185185207253086410"}},
        {Nines(1000), "9", Division{N(1000, '1'), "0"}},
        {Nines(300), Nines(300), Division{"1", "0"}}, {Nines(300), "1" + N(299, '0'), Division{"9", Nines(299)}},
    };
    for (const auto& c : cases) {
        const auto got = LargeDivide(c.a, c.b);
        EXPECT_EQ(got, c.want) << c.a << " / " << c.b << " gave " << (got ? got->quotient + " r " + got->remainder : "failure");
    }
}
