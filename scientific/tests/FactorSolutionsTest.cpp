// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The prime-power form and the short division: each quotient of the
// division checked, the form against the product of its powers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FactorSolutions.h"

using namespace numora;
using namespace numora::scientific;

TEST(FactorSolutions, PrimePowerLine) {
    const struct {
        const char* text;
        const char* line;
    } rows[] = {
        {"360", "360 = 2³×3²×5"}, {"7", "7 = 7"}, {"1024", "1024 = 2¹⁰"}, {"1e3", "1000 = 2³×5³"},
        {"12abc", "12 = 2²×3"},   {"2147483647", "2147483647 = 2147483647"}, {"2147483646", "2147483646 = 2×3²×7×11×31×151×331"},
    };
    for (const auto& row : rows) {
        const auto forms = ExactFactorization(row.text);
        ASSERT_TRUE(forms) << row.text;
        EXPECT_EQ(forms->line, row.line);
        EXPECT_TRUE(forms->fields.empty());
    }
    for (const char* refused : {"", "abc", "1", "12.5", "-5", "2147483648"}) EXPECT_FALSE(ExactFactorization(refused)) << refused;
}

TEST(FactorSolutions, ShortDivisionOneQuotientALine) {
    const WorkedSolution s = FactorizationSolution("360");
    const std::vector<std::string> want = {"360 ÷ 2 = 180", "180 ÷ 2 = 90", "90 ÷ 2 = 45", "45 ÷ 3 = 15",
                                           "15 ÷ 3 = 5",    "5是质数",      "360 = 2³×3²×5"};
    EXPECT_EQ(s.lines, want);
    EXPECT_EQ(FactorizationSolution("13").lines, (std::vector<std::string>{"13是质数", "13 = 13"}));
    for (const auto& [text, message] : {std::pair{"1", "请输入不小于2的整数"}, {"2147483648", "数据过大"}}) {
        const WorkedSolution refused = FactorizationSolution(text);
        ASSERT_TRUE(refused.message);
        EXPECT_EQ(refused.message->text, message);
        EXPECT_TRUE(refused.lines.empty());
    }
}

// Every division is exact and its quotient is the next dividend; the last
// quotient is prime; the last line is the prime-power form.
TEST(FactorSolutions, SweepOfDivisions) {
    for (std::int64_t n = 2; n < 3000; n += 7) {
        const WorkedSolution s = FactorizationSolution(std::to_string(n));
        ASSERT_GE(s.lines.size(), 2u);
        std::int64_t dividend = n;
        for (std::size_t i = 0; i + 2 < s.lines.size(); ++i) {
            long long a = 0, d = 0, q = 0;
            ASSERT_EQ(std::sscanf(s.lines[i].c_str(), "%lld ÷ %lld = %lld", &a, &d, &q), 3) << s.lines[i];
            EXPECT_EQ(a, dividend);
            EXPECT_EQ(a % d, 0);
            EXPECT_EQ(q, a / d);
            dividend = q;
        }
        EXPECT_EQ(s.lines[s.lines.size() - 2], std::to_string(dividend) + "是质数");
        EXPECT_EQ(s.lines.back(), ExactFactorization(std::to_string(n))->line);
    }
}
