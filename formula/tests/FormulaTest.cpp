// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ExactFormula.h"
#include "Formula.h"

using numora::EvaluateFormula;
using numora::EvaluateFormulaExact;
using numora::ExactFormulaResult;

namespace {

struct Case {
    const char* formula;
    const char* result;  // kRefused: the formula is refused
};
constexpr const char* kRefused = nullptr;

// Every row also goes through the exact evaluation, which reads the same
// formula: the same decimal text, refused exactly when the decimal is.
void ExpectAll(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        const std::optional<std::string> expected =
            c.result ? std::optional<std::string>(c.result) : std::nullopt;
        EXPECT_EQ(EvaluateFormula(c.formula), expected) << "formula: [" << c.formula << "]";
        const ExactFormulaResult exact = EvaluateFormulaExact(c.formula);
        EXPECT_EQ(exact.decimal, expected) << "exact evaluation of [" << c.formula << "]";
        EXPECT_EQ(exact.exact == ExactFormulaResult::Exact::Refused, !expected)
            << "exact evaluation of [" << c.formula << "]";
    }
}

}  // namespace

TEST(Formula, Arithmetic) {
    ExpectAll({
        {"2+3*4", "14"}, {"2-3", "-1"}, {"1/2", ".5"}, {"1+1", "2"}, {"10-2-3", "5"},
        {"2*3/4", "1.5"}, {"(1+2)*(3+4)", "21"}, {"((1+2)*3)", "9"}, {"(1+(2))", "3"},
        {"1e2+0", "100"}, {"-1/4", "-.25"}, {"0.1+0.2", ".3"}, {"1/3", ".333333333333333"},
        {"0.00001*1", "1E-05"}, {"1.5e20*1", "1.5E+20"}, {"0*-1", "0"}, {"1e-400+0", "0"},
    });
}

// Faults of the rewriting evaluator that this one gets right.
TEST(Formula, MendedFaults) {
    ExpectAll({
        // * and / share one level, left to right.
        {"8/2*2", "8"}, {"12/3/2", "2"}, {"2*6/4*2", "6"},
        // Full precision until the end.
        {"1/3*3", "1"}, {"2/3*3", "2"},
        // Subtraction of a group, and a sign after "(".
        {"5-(1-3)", "7"}, {"2-(-3)", "5"}, {"(-3)", "-3"}, {"2*(-3)", "-6"}, {"-(2+3)", "-5"},
        {"-(-(-2))*1", "-2"},
        // Results in exponent form stay usable.
        {"999999999999999+1", "1E+15"}, {"1E+15*10", "1E+16"}, {"1e+3+1", "1001"},
        // Written against a parenthesis means times.
        {"2(3)", "6"}, {"(2)3", "6"}, {"(1+2)(3+4)", "21"}, {"2(3)4", "24"}, {"6/2(1+2)", "9"},
        {"2-3(4)", "-10"},
        // Blanks between tokens do not matter.
        {"2 - 3", "-1"}, {" 1 + 1 ", "2"}, {"( 2 ) * 3", "6"},
    });
}

TEST(Formula, SignsAndMinusRuns) {
    ExpectAll({
        {"2*-3", "-6"}, {"2--3", "5"}, {"--5", "5"}, {"2+-3", "-1"}, {"2/-4", "-.5"},
        {"2---3", "-1"}, {"---5", "-5"}, {"----5", "5"}, {"2*--3", "6"}, {"-(5)", "-5"},
    });
}

TEST(Formula, LoneNumberComesBackAsTyped) {
    ExpectAll({
        {"7", "7"}, {" 7", " 7"}, {"7 ", "7 "}, {"1e2", "1e2"}, {"007", "007"}, {"1.", "1."},
        {".5", ".5"}, {"-5", "-5"}, {"-0", "-0"}, {"(7)", "7"}, {"((1e2))", "1e2"}, {"5#", "5"},
    });
}

// A Chinese input method in full-width mode: digits, signs, parentheses, ×
// and ÷, and the ideographic full stop as the decimal point.
TEST(Formula, FullWidthInput) {
    ExpectAll({
        {"（１＋２）×３", "9"}, {"１２÷４", "3"}, {"８／２＊２", "8"}, {"－５－（－３）", "-2"},
        {"．５＋1", "1.5"}, {"１。５×２", "3"}, {"2×-3", "-6"}, {"１２", "12"}, {"1e2×１", "100"},
        {"３×", kRefused}, {"（１＋２", kRefused}, {"１÷０", kRefused}, {"２ｘ３", kRefused},
    });
}

TEST(Formula, Errors) {
    ExpectAll({
        {"", kRefused}, {" ", kRefused}, {"2*+3", kRefused}, {"2++3", kRefused}, {"+5", kRefused},
        {"5+", kRefused}, {"5-", kRefused}, {"*5", kRefused}, {"2+a", kRefused}, {"1 2+3", kRefused},
        {"-", kRefused}, {"()", kRefused}, {"(1+2)()", kRefused}, {")(", kRefused}, {"(1+2", kRefused},
        {"1+2)", kRefused}, {")1+2(", kRefused}, {"8/0", kRefused}, {"0/0", kRefused}, {"1/(2-2)", kRefused},
        {"1e308*10", kRefused}, {"1e400", kRefused}, {"1e400*0", kRefused}, {"(-)", kRefused},
        {".", kRefused}, {"1e", kRefused}, {"1e+", kRefused}, {"1..2", kRefused}, {"1.2.3", kRefused},
        {"#", kRefused}, {"1#+2", kRefused}, {"5##", kRefused}, {"2^3", kRefused}, {"１ ２", kRefused},
        {"(2)(", kRefused}, {"2,5", kRefused},
    });
}

// Long inputs: linear time, no recursion that the input can deepen.
TEST(Formula, DeepAndLongInputs) {
    const int depth = 100000;
    std::string nested = std::string(depth, '(') + "1+2" + std::string(depth, ')');
    EXPECT_EQ(EvaluateFormula(nested), "3");
    EXPECT_EQ(EvaluateFormula(std::string(depth, '(') + "1"), std::nullopt);
    EXPECT_EQ(EvaluateFormula(std::string(depth, '-') + "1"), "1");
    EXPECT_EQ(EvaluateFormula("1" + std::string(depth, ')')), std::nullopt);

    EXPECT_EQ(EvaluateFormula("1" + std::string(400, '0') + "e-10*1"), std::nullopt);
    EXPECT_EQ(EvaluateFormula("2+." + std::string(400, '0') + "1"), "2");

    std::string sum = "0";
    for (int i = 0; i < 200000; ++i) sum += "+1";
    EXPECT_EQ(EvaluateFormula(sum), "200000");
    std::string products = "1";
    for (int i = 0; i < 200000; ++i) products += "*1.0000001/1.0000001";
    EXPECT_EQ(EvaluateFormula(products), "1");
    for (const std::string& formula : {nested, sum, products}) EXPECT_EQ(EvaluateFormulaExact(formula).decimal, EvaluateFormula(formula));
}
