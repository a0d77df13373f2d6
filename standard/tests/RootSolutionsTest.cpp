// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The roots exactly: the exact forms of both pages against MPFR (30 digits)
// and the decimal root the window shows, in simplest form; the worked
// solution's intermediate values (the perfect power split off, the
// rationalising multiplier) and its last line.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CommonOps.h"
#include "ExactNotation.h"
#include "FullWidth.h"
#include "NotationReader.h"
#include "NumberText.h"
#include "RootSolutions.h"

using namespace numora;
using namespace numora::standard;
using numora::testing::Agree;
using numora::testing::ReadNotation;
using numora::testing::Real;

namespace {

// radicand^(1/index) in MPFR, from the typed decimals.
Real Root(const char* radicand, const char* index) {
    Real x = Real::Of(*exact::TypedValue(radicand)), m = Real::Of(*exact::TypedValue(index));
    mpfr_ui_div(m.get(), 1, m.get(), MPFR_RNDN);
    mpfr_pow(x.get(), x.get(), m.get(), MPFR_RNDN);
    return x;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\n";
    return s;
}

}  // namespace

TEST(ExactRoot, BothPagesInSimplestForm) {
    const struct {
        const char *radicand, *index, *text;  // text nullptr: no exact form
    } rows[] = {
        {"8", "2", "2√2"},     {"0.5", "2", "√2/2"},   {"16", "3", "2∛2"},      {"48", "4", "2∜3"},
        {"27", "3", "3"},      {"2.25", "2", "3/2"},   {"32", "5", "2"},        {"33", "5", nullptr},
        {"16", "0.5", "256"},  {"8", "1.5", "4"},      {"5", "1", "5"},         {"0", "3", "0"},
        {"2", "2.0", "√2"},    {"１８", "２", "3√2"},  {"0.001", "3", "1/10"},  {"7", "3", "∛7"},
        {"1E+300", "2", nullptr}, {"2", "0.3", nullptr}, {"0.0625", "4", "1/2"}, {"100", "4", "√10"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.radicand) + " index " + row.index);
        // The operands as typed, converted where they were.
        const std::string radicand = FromFullWidth(row.radicand), index = FromFullWidth(row.index);
        const Outcome full = CommonRoot(radicand, index);
        const Outcome quick = QuickOperation(QuickOp::Root, radicand, index);
        const auto forms = ExactRoot(radicand, index);
        const auto quickForms = ExactQuickRoot(radicand, index);
        if (std::string(row.radicand) == "1E+300") {  // 10^150, whole
            ASSERT_TRUE(forms);
            EXPECT_EQ(forms->Field(kRootResult)->size(), 151u);
            continue;
        }
        if (!row.text) {
            EXPECT_FALSE(forms);
            EXPECT_FALSE(quickForms);
            continue;
        }
        ASSERT_TRUE(forms);
        ASSERT_TRUE(quickForms);
        EXPECT_EQ(forms->Field(kRootResult), row.text);
        EXPECT_EQ(forms->line, std::string("精确值: ") + row.text);
        EXPECT_EQ(quickForms->Field(kQuickResult), row.text);
        EXPECT_FALSE(forms->Field(kRoundedRoot));  // the rounded root keeps its decimal
        std::vector<std::string> problems;
        const Real got = ReadNotation(row.text, &problems);
        EXPECT_TRUE(problems.empty()) << problems.front();
        EXPECT_TRUE(Agree(got, Root(radicand.c_str(), index.c_str()), 30));
        EXPECT_TRUE(Agree(got, Real::Of(LeadingValue(*full.Field(kRootResult))), 13));
        EXPECT_TRUE(Agree(got, Real::Of(LeadingValue(*quick.Field(kQuickResult))), 13));
    }
    // Refusals of either page have none: a negative radicand, index 0, a
    // negative index, an empty field.
    for (const auto& [radicand, index] : {std::pair{"-4", "2"}, {"4", "0"}, {"4", "-2"}, {"", "2"}, {"4", "-"}}) {
        EXPECT_FALSE(ExactRoot(radicand, index)) << radicand << " " << index;
        EXPECT_FALSE(ExactQuickRoot(radicand, index)) << radicand << " " << index;
    }
}

TEST(RootSteps, SplitAndRationalise) {
    const struct {
        const char *radicand, *index;
        std::vector<std::string> lines;  // each among the steps; the last one last
    } rows[] = {
        {"72", "2", {"√72 = √(36×2) = 6√2"}},
        {"0.5", "2", {"√0.5 = √(1/2)", "√(1/2) = √(2/4) = √2/2", "√0.5 = √2/2"}},
        {"4.5", "2", {"√4.5 = √(9/2)", "√(9/2) = √(18/4) = √18/2", "√18 = √(9×2) = 3√2", "√4.5 = 3√2/2"}},
        {"0.25", "3", {"∛(1/4) = ∛(2/8) = ∛2/2", "∛0.25 = ∛2/2"}},  // the least multiplier
        {"0.25", "4", {"∜(1/4) = ∜(4/16) = ∜4/2", "∜4 = ∜(2²) = √2", "∜0.25 = √2/2"}},
        {"0.04", "4", {"∜(1/25) = ∜(25/625) = ∜25/5", "∜0.04 = √5/5"}},
        {"2.25", "2", {"√(9/4) = √9/2", "√9 = √(3²) = 3", "√2.25 = 3/2"}},
        {"48", "4", {"∜48 = ∜(16×3) = 2∜3"}},
        {"36", "4", {"∜36 = ∜(6²) = √6"}},
        {"10", "2", {"10没有大于1的平方因数，√10已是最简二次根式", "√10 = √10"}},
        {"32", "5", {"⁵√32 = ⁵√(2⁵) = 2"}},
        {"16", "0.5", {"16^(1/0.5) = 16² = 256"}},
        {"8", "1.5", {"8^(1/1.5) = ∛(8²) = 4"}},
        {"33", "5", {"⁵√33 ≈ 2.01234661708556"}},
        {"0", "2", {"√0 = 0"}},
        {"1E+300", "2", {"√(1E+300) = √(1" + std::string(150, '0') + "²) = 1" + std::string(150, '0')}},
    };
    for (const auto& row : rows) {
        const WorkedSolution s = RootSolution(row.radicand, row.index);
        SCOPED_TRACE(Joined(s.lines));
        EXPECT_FALSE(s.message);
        for (const auto& line : row.lines)
            EXPECT_NE(std::find(s.lines.begin(), s.lines.end(), line), s.lines.end()) << line;
        ASSERT_FALSE(s.lines.empty());
        EXPECT_EQ(s.lines.back(), row.lines.back());
        // The last line gives the exact form the frame shows, or its decimal.
        const auto forms = ExactRoot(row.radicand, row.index);
        const std::string& last = s.lines.back();
        const std::string answer = forms ? *forms->Field(kRootResult) : *CommonRoot(row.radicand, row.index).Field(kRootResult);
        EXPECT_TRUE(last.ends_with((forms ? " = " : " ≈ ") + answer)) << answer;
    }
    // The command's refusals, with its messages.
    for (const auto& [radicand, index, message] :
         {std::tuple{"-4", "2", "被开方数不能为负"}, {"4", "0", "请不要使指数为0"}, {"4", "-", "指数中不要有负号"}, {"", "2", "请不要使输入框为空"}}) {
        const WorkedSolution s = RootSolution(radicand, index);
        ASSERT_TRUE(s.message);
        EXPECT_EQ(s.message->text, message);
        EXPECT_TRUE(s.lines.empty());
    }
}

TEST(RootSteps, SweepEndsWithTheExactForm) {
    for (int n = 0; n <= 400; ++n) {
        for (const char* index : {"2", "3", "4"}) {
            for (const std::string& radicand : {std::to_string(n), exact::DecimalText(mpq_class(n, 100))}) {
                const WorkedSolution s = RootSolution(radicand, index);
                const auto forms = ExactRoot(radicand, index);
                ASSERT_TRUE(forms) << radicand;
                EXPECT_TRUE(s.lines.back().ends_with(" = " + *forms->Field(kRootResult))) << Joined(s.lines);
            }
        }
    }
}
