// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>

#include "ExactFormula.h"
#include "Formula.h"

using numora::EvaluateFormula;
using numora::EvaluateFormulaExact;
using numora::ExactFormulaResult;
using numora::ExactText;
using numora::FractionLine;
using Exact = ExactFormulaResult::Exact;

namespace {

std::string Power(const char* base, int n, const char* op) {
    std::string f = "1";
    for (int i = 0; i < n; ++i) f += std::string(op) + base;
    return f;
}

}  // namespace

// The exact value in lowest terms, and the simple calculator's line: only
// for a fraction whose decimal text is not exact and that has at most 30
// digits above and below.
TEST(ExactFormula, ValuesAndFractionLine) {
    const std::string sevens35 = Power("7", 35, "/"), sevens36 = Power("7", 36, "/");
    const struct {
        std::string formula;
        const char* exact;
        const char* line;  // "" = none
    } rows[] = {
        {"1/3", "1/3", "分数: 1/3"},
        {"2/3-1/3", "1/3", "分数: 1/3"},
        {"1/3+1/6", "1/2", ""},            // .5 is exact
        {"1/7*7", "1", ""},                // a whole number
        {"0.1+0.2", "3/10", ""},           // .3 is exact, though the doubles are not
        {"-7/2", "-7/2", ""},
        {"1/-3", "-1/3", "分数: -1/3"},
        {"-(2/6)", "-1/3", "分数: -1/3"},
        {"2(1/3)", "2/3", "分数: 2/3"},
        {"(1+2)(3+4)/8", "21/8", ""},
        {"8/2*2", "8", ""},                // one level, left to right
        {"2.5e-3*1", "1/400", ""},
        {"1/3*3", "1", ""},
        {"999999999999999+1", "1000000000000000", ""},
        {"0.1*3-0.3", "0", ""},
        // Lone numbers: their value, whatever their spelling.
        {"1e2", "100", ""}, {"007", "7", ""}, {"-0", "0", ""}, {"1.50", "3/2", ""}, {"--.25", "1/4", ""},
        // Where the decimal text is rounded, even a tiny difference counts.
        {"1/3*1e-20", "1/300000000000000000000", "分数: 1/300000000000000000000"},
        {"1e-400+0", nullptr, ""},  // denominator of 401 digits: no line
        {sevens35, nullptr, "分数: 1/378818692265664781682717625943"},
        {sevens36, nullptr, ""},    // 31 digits
    };
    for (const auto& row : rows) {
        const ExactFormulaResult r = EvaluateFormulaExact(row.formula);
        EXPECT_EQ(r.decimal, EvaluateFormula(row.formula)) << row.formula;
        ASSERT_EQ(r.exact, Exact::Value) << row.formula;
        if (row.exact) {
            EXPECT_EQ(ExactText(r), row.exact) << row.formula;
        }
        EXPECT_EQ(FractionLine(r).value_or(""), row.line) << row.formula;
    }
    EXPECT_EQ(ExactText(EvaluateFormulaExact("1e-400+0")), "1/1" + std::string(400, '0'));
}

// No exact value although the decimal evaluation gives one.
TEST(ExactFormula, NoExactValue) {
    const struct {
        std::string formula;
        Exact exact;
    } rows[] = {
        {"1/(0.1+0.2-0.3)", Exact::ZeroDivisor},  // the doubles leave 5.55E-17
        {"8/(1/49*49-1)", Exact::ZeroDivisor},
        {"1e-10000*1", Exact::TooLarge},          // 10001 digits below
        {"1e-9999*1", Exact::Value},
        {"0.1234567890123456789" + std::string(9990, '1') + "*1", Exact::TooLarge},
        {"8/0", Exact::Refused},
        {"1e308*10", Exact::Refused},             // the decimal refuses: so does the exact
        {"1e-200*1e-200", Exact::Value},          // decimal 0, exact 1/10^400
        {"1/(1e-200*1e-200)", Exact::Refused},    // the decimal divides by 0
    };
    for (const auto& row : rows) {
        const ExactFormulaResult r = EvaluateFormulaExact(row.formula);
        EXPECT_EQ(r.exact, row.exact) << row.formula;
        EXPECT_EQ(r.decimal, EvaluateFormula(row.formula)) << row.formula;
        if (row.exact != Exact::Value) {
            EXPECT_EQ(ExactText(r), "") << row.formula;
            EXPECT_FALSE(FractionLine(r)) << row.formula;
        }
    }
}

// A formula built to keep huge fractions in every step gives up rather
// than running for long.
TEST(ExactFormula, WorkIsBounded) {
    std::string f = "1e-9000";
    for (int i = 0; i < 100000; ++i) f += i % 2 ? "+1/7" : "+1/3";
    const ExactFormulaResult r = EvaluateFormulaExact(f);
    EXPECT_EQ(r.decimal, EvaluateFormula(f));
    EXPECT_EQ(r.exact, Exact::TooLarge);
}

// The 10000-digit limit holds for the value in lowest terms, however it was
// reached: typed, or the result of a step, exactly at the limit or one
// digit past it.
TEST(ExactFormula, DigitLimitInLowestTerms) {
    const struct {
        std::string formula;
        std::size_t numerator, denominator;  // digits; 0: 数据过大
    } rows[] = {
        {"0." + std::string(5001, '3'), 5001, 5002},  // 3333.../10^5001
        {"1e-9999", 1, 10000},
        {"1e-10000", 0, 0},
        {"5e-10000*1", 1, 10000},                    // 1/(2*10^9999)
        {"1e-5000*1e-5000", 0, 0},                  // 10^10000 below: 10001 digits
        {"1+1e-5000*1e-5000", 0, 0},
        {"1e-5000*1e-4999", 1, 10000},
        {"0." + std::string(9999, '3'), 9999, 10000},
        {"0." + std::string(10000, '3'), 0, 0},
        {"0." + std::string(9998, '3') + "*0.1", 9998, 10000},
        {"0." + std::string(9999, '3') + "/10", 0, 0},
    };
    for (const auto& row : rows) {
        const std::string shown = row.formula.substr(0, 40);
        const ExactFormulaResult r = EvaluateFormulaExact(row.formula);
        EXPECT_EQ(r.decimal, EvaluateFormula(row.formula)) << shown;
        if (row.numerator == 0) {
            EXPECT_EQ(r.exact, Exact::TooLarge) << shown;
            continue;
        }
        ASSERT_EQ(r.exact, Exact::Value) << shown;
        EXPECT_EQ(r.numerator.size(), row.numerator) << shown;
        EXPECT_EQ(r.denominator.size(), row.denominator) << shown;
    }
}

// The exact values held at once are bounded too: many large numbers each
// waiting in its own parenthesis give up early rather than fill the
// memory, and the decimal result is still given.
TEST(ExactFormula, ValuesHeldAtOnceAreBounded) {
    const struct {
        const char* open;
        int levels;
        Exact exact;
    } rows[] = {
        {"1e-9999+(", 25000, Exact::TooLarge},   // 25000 denominators of 10000 digits
        {"1e-9999+(", 100, Exact::Value},
        {"1+(", 200000, Exact::Value},           // small ones, however deep
    };
    for (const auto& row : rows) {
        std::string f;
        for (int i = 0; i < row.levels; ++i) f += row.open;
        f += "1" + std::string(row.levels, ')');
        const ExactFormulaResult r = EvaluateFormulaExact(f);
        EXPECT_EQ(r.exact, row.exact) << row.open << row.levels;
        EXPECT_EQ(r.decimal, EvaluateFormula(f)) << row.open << row.levels;
    }
}
