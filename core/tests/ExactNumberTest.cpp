// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact numbers and their notation: typed decimals read exactly, roots
// made simple (checked against MPFR through the notation reader and the
// simplest-form rules), sums over a common denominator, and the bounds on
// the work.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExactNotation.h"
#include "ExactNumber.h"
#include "FullWidth.h"
#include "Notation.h"
#include "NotationReader.h"

using namespace numora;
using namespace numora::exact;
using numora::testing::Agree;
using numora::testing::ReadNotation;
using numora::testing::Real;
using numora::testing::Show;

namespace {

mpq_class Q(const char* text) {
    mpq_class q(text);
    q.canonicalize();
    return q;
}

// The text reads back to `want` to `digits` digits and is in simplest form.
void ExpectNotation(const std::string& text, const Real& want, int digits = 30) {
    std::vector<std::string> problems;
    const Real got = ReadNotation(text, &problems);
    EXPECT_TRUE(problems.empty()) << text << ": " << (problems.empty() ? "" : problems[0]);
    EXPECT_TRUE(Agree(got, want, digits)) << text << " reads " << Show(got) << ", want " << Show(want);
}

}  // namespace

TEST(TypedValue, ReadsWhatTheLeadingNumberParseReads) {
    const struct {
        const char* text;
        const char* value;  // nullptr: beyond the digit cap
    } rows[] = {
        {"0.1", "1/10"},        {"-2.5", "-5/2"},      {"１２", "12"},        {"－．５", "-1/2"},
        {"12g", "12"},          {"g12", "0"},          {"", "0"},             {" 1 2 . 5 ", "25/2"},
        {"1E+3", "1000"},       {"1.5e-2", "3/200"},   {"1e", "1"},           {"+7", "7"},
        {"0.000", "0"},         {"1E+2000", nullptr},  {"1E+1990", "1"},      {"1E-5000", nullptr},
        {"1E+999999999999", nullptr},                  {"3.14159", "314159/100000"},
    };
    for (const auto& row : rows) {
        const auto v = TypedValue(FromFullWidth(row.text));  // as typed, converted where it was
        if (!row.value) {
            EXPECT_FALSE(v) << row.text;
            continue;
        }
        ASSERT_TRUE(v) << row.text;
        if (std::string(row.text) == "1E+1990") {
            EXPECT_EQ(mpz_sizeinbase(v->get_num_mpz_t(), 10), 1991u);
        } else {
            EXPECT_EQ(*v, Q(row.value)) << row.text;
        }
    }
}

TEST(SimplifyRoot, TakesOutThePowersAndRationalisesTheDenominator) {
    const struct {
        const char* radicand;
        int index;
        const char* text;
    } rows[] = {
        {"8", 2, "2√2"},         {"0.5", 2, "√2/2"},      {"16", 3, "2∛2"},        {"48", 4, "2∜3"},
        {"72", 2, "6√2"},        {"4.5", 2, "3√2/2"},     {"0.25", 2, "1/2"},      {"144", 2, "12"},
        {"2", 2, "√2"},          {"10", 2, "√10"},        {"0.5", 3, "∛4/2"},      {"0.5", 4, "∜8/2"},
        {"36", 4, "√6"},         {"4", 4, "√2"},          {"0.25", 4, "√2/2"},     {"1", 3, "1"},
        {"0", 2, "0"},           {"27", 3, "3"},          {"0.001", 3, "1/10"},    {"2.7", 3, "3∛100/10"},
        {"1000000007", 2, "√1000000007"},                 {"1E+300", 2, nullptr},
        {"1.2", 2, "√30/5"},     {"0.04", 4, "√5/5"},     {"162", 4, "3∜2"},       {"250", 3, "5∛2"},
    };
    for (const auto& row : rows) {
        const auto radicand = TypedValue(row.radicand);
        ASSERT_TRUE(radicand);
        const auto form = SimplifyRoot(*radicand, row.index);
        ASSERT_TRUE(form) << row.radicand;
        const std::string text = Text(form->value);
        if (row.text) {
            EXPECT_EQ(text, row.text) << row.radicand << " index " << row.index;
        }
        Real want = Real::Of(*radicand);
        mpfr_rootn_ui(want.get(), want.get(), static_cast<unsigned long>(row.index), MPFR_RNDN);
        ExpectNotation(text, want);
        // The parts: N·m = s^k·n and D·m = T^k.
        mpz_class sk, tk;
        mpz_pow_ui(sk.get_mpz_t(), form->outside.get_mpz_t(), static_cast<unsigned long>(row.index));
        mpz_pow_ui(tk.get_mpz_t(), form->denominatorRoot.get_mpz_t(), static_cast<unsigned long>(row.index));
        EXPECT_EQ(form->numerator, radicand->get_num() * form->multiplier);
        if (sgn(*radicand) != 0) {
            EXPECT_EQ(sk * form->inside, form->numerator) << row.radicand;
        }
        EXPECT_EQ(tk, radicand->get_den() * form->multiplier) << row.radicand;
    }
    EXPECT_EQ(Text(SimplifyRoot(Q("1/2"), 2)->value), "√2/2");
    EXPECT_EQ(SimplifyRoot(Q("1/2"), 2)->multiplier, 2);
    EXPECT_EQ(SimplifyRoot(Q("1/2"), 3)->multiplier, 4);
    // The least multiplier, also where the denominator's last factors are
    // found past the point where no k-th power can remain.
    const struct {
        const char* radicand;
        int index;
        long multiplier;
        const char* text;
    } least[] = {
        {"1/36", 4, 36, "√6/6"},   {"1/36", 3, 6, "∛6/6"},    {"1/12", 2, 3, "√3/6"},
        {"1/98", 2, 2, "√2/14"},   {"1/45", 3, 75, "∛75/15"}, {"1/4294967291", 2, 4294967291, "√4294967291/4294967291"},
    };
    for (const auto& row : least) {
        const auto form = SimplifyRoot(Q(row.radicand), row.index);
        ASSERT_TRUE(form) << row.radicand;
        EXPECT_EQ(form->multiplier, row.multiplier) << row.radicand << " index " << row.index;
        EXPECT_EQ(Text(form->value), row.text) << row.radicand << " index " << row.index;
    }
    EXPECT_FALSE(SimplifyRoot(Q("-4"), 2));
    EXPECT_FALSE(SimplifyRoot(Q("4"), 5));
}

TEST(SimplifyRoot, GivesUpWhereTheSimplestFormCannotBeCertified) {
    // The product of two primes above 2^16 beyond the range where trial
    // division settles it: 1000000007 · 998244353 · 1000000009 is not a
    // square, but whether a square of a large prime hides in it is not
    // decided cheaply.
    const mpz_class p("1000000007"), q("998244353"), r("1000000009");
    EXPECT_FALSE(SplitPower(mpz_class(p * q * r), 2));
    // A large prime, and the square of a large prime, are decided.
    const auto prime = SplitPower(mpz_class("170141183460469231731687303715884105727"), 2);  // 2^127 - 1
    ASSERT_TRUE(prime);
    EXPECT_EQ(prime->outside, 1);
    const auto square = SplitPower(mpz_class(p * p * 12), 2);
    ASSERT_TRUE(square);
    EXPECT_EQ(square->outside, p * 2);
    EXPECT_EQ(square->inside, 3);
    // Small rests are settled by size: 65537 · 65539 (both prime) is below 65537^3.
    const auto small = SplitPower(mpz_class(65537) * 65539, 2);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->inside, mpz_class(65537) * 65539);
}

TEST(ExactValueText, SumsOverACommonDenominatorInTextbookOrder) {
    const ExactValue r5(1, 2, 5), r3(1, 2, 3), r2(1, 2, 2), r6(1, 2, 6);
    const struct {
        ExactValue value;
        const char* text;
    } rows[] = {
        {(ExactValue(3) + r5) / 2, "(3+√5)/2"},
        {(ExactValue(3) - r5) / 2, "(3-√5)/2"},
        {-r3 / 3, "-√3/3"},
        {r3 * Q("2/3"), "2√3/3"},
        {(r5 - ExactValue(1)) / 4, "(√5-1)/4"},
        {-(r5 + ExactValue(1)) / 4, "-(1+√5)/4"},
        {ExactValue(2) - r3, "2-√3"},
        {ExactValue(-1) - r2, "-1-√2"},
        {(r6 - r2) / 4, "(√6-√2)/4"},
        {r2 - r2, "0"},
        {ExactValue(Q("-7/2")), "-7/2"},
        {ExactValue::NestedRoot(Q("1/4"), ExactValue(10) + r5 * 2), "√(10+2√5)/4"},
        {ExactValue::NestedRoot(1, ExactValue(5) - r5 * 2), "√(5-2√5)"},
        {ExactValue(Q("1/2"), 3, 4) + ExactValue(Q("1/3"), 2, 2), "(2√2+3∛4)/6"},
        {ExactValue::NestedRoot(1, ExactValue(9)), "3"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Text(row.value), row.text);
        // Approximate() keeps a double's digits.
        if (!row.value.IsZero()) ExpectNotation(row.text, Real::Of(static_cast<double>(row.value.Approximate())), 14);
    }
}

TEST(ExactNotation, DecimalsPlusMinusAndOperands) {
    const struct {
        const char* value;
        const char* text;
    } decimals[] = {{"1/2", "0.5"}, {"-5/4", "-1.25"}, {"3", "3"}, {"1/3", "1/3"}, {"1/1000", "0.001"},
                    {"1/10000000", "1E-7"}, {"0", "0"}, {"123/8", "15.375"}};
    for (const auto& row : decimals) EXPECT_EQ(DecimalText(Q(row.value)), row.text);
    EXPECT_EQ(DecimalText(*TypedValue("1E+300")), "1E+300");
    EXPECT_EQ(DecimalText(*TypedValue("-2.5E+40")), "-2.5E+40");

    const ExactValue r5(1, 2, 5);
    EXPECT_EQ(PlusMinusText(Q("3/2"), r5 / 2), "(3±√5)/2");
    EXPECT_EQ(PlusMinusText(Q("1"), ExactValue(1, 2, 2)), "1±√2");
    EXPECT_EQ(PlusMinusText(Q("0"), ExactValue(Q("1/2"), 2, 2)), "±√2/2");
    EXPECT_EQ(PlusMinusText(Q("3/2"), -r5 / 2), "(3∓√5)/2");
    EXPECT_EQ(PlusMinusText(Q("3/2"), ExactValue(Q("1/2"))), "(3±1)/2");
    EXPECT_EQ(Operand("-3"), "(-3)");
    EXPECT_EQ(Operand("1/5"), "(1/5)");
    EXPECT_EQ(Operand("√2"), "√2");
}

TEST(ExactNumber, TheDigitCapBoundsTheWork) {
    const mpq_class big = *TypedValue("1E+1500");
    EXPECT_NO_THROW(Checked(big));
    EXPECT_THROW(Checked(mpq_class(big * big)), TooLarge);
    EXPECT_THROW(ExactValue(big) * big, TooLarge);
    EXPECT_THROW(SimplifyRoot(mpq_class(big * big), 2), TooLarge);
}

TEST(Notation, RaisedDigitsPrimePowersAndLabels) {
    EXPECT_EQ(Superscript(3), "³");
    EXPECT_EQ(Superscript(10), "¹⁰");
    EXPECT_EQ(PrimePowerText({2, 2, 2, 3, 3, 5}), "2³×3²×5");
    EXPECT_EQ(PrimePowerText({7}), "7");
    EXPECT_EQ(PrimePowerText({2, 2, 2, 2, 2, 2, 2, 2, 2, 2}), "2¹⁰");
    EXPECT_EQ(PrimePowerText({}), "");
    EXPECT_EQ(CircledNumber(1), "①");
    EXPECT_EQ(CircledNumber(10), "⑩");
    EXPECT_EQ(CircledNumber(20), "⑳");
    EXPECT_EQ(CircledNumber(21), "(21)");
}

// The reader the calculators' tests rely on finds what is not simplest.
TEST(NotationReader, FindsWhatIsNotInSimplestForm) {
    for (const char* bad : {"2√8", "(2+2√5)/4", "1/√2", "0.5", "1√2", "∜4", "4/2", "3/1", "√1", "∛16", "(√5)/2", "2--√3"}) {
        std::vector<std::string> problems;
        ReadNotation(bad, &problems);
        EXPECT_FALSE(problems.empty()) << bad;
    }
    std::vector<std::string> problems;
    EXPECT_TRUE(Agree(ReadNotation("-(1+√5)/4", &problems), Real::Of(-0.80901699437494742), 15));
    EXPECT_TRUE(problems.empty());
}
