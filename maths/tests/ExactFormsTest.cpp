// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact forms of the solvers and of the trigonometric calculator, each
// checked two ways: read back by the notation reader it agrees with an MPFR
// oracle to 30 digits (and with the decimal result the window shows), and
// it is in simplest form. Generated sweeps of integer and decimal
// coefficients check the solvers against exact rationals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EquationSolvers.h"
#include "ExactNotation.h"
#include "ExactSolvers.h"
#include "ExactTrig.h"
#include "NotationReader.h"
#include "NumberText.h"
#include "Trigonometry.h"

using namespace numora;
using namespace numora::maths;
using numora::testing::Agree;
using numora::testing::ReadNotation;
using numora::testing::Real;
using numora::testing::Show;

namespace {

// The exact text is in simplest form and agrees with `want` to 30 digits
// and with the decimal text the window shows to its 15 digits.
void CheckExact(const std::string& exact, const Real& want, const std::string& decimal, const std::string& what) {
    SCOPED_TRACE(what + ": " + exact);
    std::vector<std::string> problems;
    const Real got = ReadNotation(exact, &problems);
    EXPECT_TRUE(problems.empty()) << (problems.empty() ? "" : problems[0]);
    EXPECT_TRUE(Agree(got, want, 30)) << Show(got) << " against " << Show(want);
    EXPECT_TRUE(Agree(got, Real::Of(LeadingValue(decimal)), 13)) << "the window shows " << decimal;
}

mpq_class Exactly(const char* text) { return *exact::TypedValue(text); }

// (−b ± √(b² − 4ac)) / (2a) in MPFR from the typed decimals.
Real QuadraticRoot(const char* a, const char* b, const char* c, int sign) {
    const mpq_class A = Exactly(a), B = Exactly(b), C = Exactly(c);
    Real d = Real::Of(mpq_class(B * B - 4 * A * C));
    mpfr_sqrt(d.get(), d.get(), MPFR_RNDN);
    if (sign < 0) mpfr_neg(d.get(), d.get(), MPFR_RNDN);
    Real minusB = Real::Of(mpq_class(-B)), twoA = Real::Of(mpq_class(2 * A));
    mpfr_add(d.get(), d.get(), minusB.get(), MPFR_RNDN);
    mpfr_div(d.get(), d.get(), twoA.get(), MPFR_RNDN);
    return d;
}

// A fixed pseudo-random sequence, the same in every run.
class Sequence {
public:
    std::uint32_t Below(std::uint32_t n) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33) % n;
    }
    // A coefficient and its text: whole numbers up to ±30, or decimals with
    // one or two places.
    std::pair<mpq_class, std::string> Coefficient() {
        const long n = static_cast<long>(Below(61)) - 30;
        const int places = static_cast<int>(Below(3));
        mpq_class q(n, places == 0 ? 1ul : places == 1 ? 10ul : 100ul);
        q.canonicalize();
        return {q, exact::DecimalText(q)};
    }

private:
    std::uint64_t state_ = 20260601;
};

}  // namespace

TEST(ExactQuadratic, RootsInSimplestForm) {
    const struct {
        const char *a, *b, *c, *x1, *x2, *line;
    } rows[] = {
        {"1", "-3", "1", "(3+√5)/2", "(3-√5)/2", "精确值: x1 = (3+√5)/2, x2 = (3-√5)/2"},
        {"1", "-3", "2", "2", "1", "精确值: x1 = 2, x2 = 1"},
        {"1", "2", "1", "-1", "-1", "精确值: x1 = x2 = -1"},
        {"1", "0", "-2", "√2", "-√2", nullptr},
        {"1", "-1.5", "0.5", "1", "1/2", nullptr},
        {"2", "-4", "-1", "(2+√6)/2", "(2-√6)/2", nullptr},
        {"-1", "3", "-1", "(3-√5)/2", "(3+√5)/2", nullptr},
        {"1", "1", "-1", "(√5-1)/2", "-(1+√5)/2", nullptr},
        {"0.1", "0.2", "-0.3", "1", "-3", nullptr},
        {"3", "0", "-1", "√3/3", "-√3/3", nullptr},
        {"1", "-2", "-1", "1+√2", "1-√2", nullptr},
        {"1", "0", "0", "0", "0", "精确值: x1 = x2 = 0"},
        {"4", "0", "-1", "1/2", "-1/2", nullptr},
        {"1", "0", "-1E+300", nullptr, nullptr, nullptr},
        {"０．５", "－１", "－１", "1+√3", "1-√3", nullptr},
        {"1", "-1E+8", "1", nullptr, nullptr, nullptr},
    };
    for (const auto& row : rows) {
        const std::string what = std::string(row.a) + " " + row.b + " " + row.c;
        const Outcome decimal = SolveQuadratic(row.a, row.b, row.c);
        const auto forms = ExactQuadratic(row.a, row.b, row.c);
        ASSERT_TRUE(forms) << what;
        const std::string x1 = forms->Field(kQuadraticX1).value_or(""), x2 = forms->Field(kQuadraticX2).value_or("");
        if (row.x1) {
            EXPECT_EQ(x1, row.x1) << what;
        }
        if (row.x2) {
            EXPECT_EQ(x2, row.x2) << what;
        }
        if (row.line) {
            EXPECT_EQ(forms->line, row.line) << what;
        }
        CheckExact(x1, QuadraticRoot(row.a, row.b, row.c, 1), *decimal.Field(kQuadraticX1), what + " x1");
        CheckExact(x2, QuadraticRoot(row.a, row.b, row.c, -1), *decimal.Field(kQuadraticX2), what + " x2");
    }
}

TEST(ExactQuadratic, NoneBesideARefusal) {
    // No real root, a = 0, a typed a too small for a double (the solver
    // reads 0), a coefficient beyond the double range.
    for (const auto& [a, b, c] : {std::tuple{"1", "0", "1"}, {"0", "2", "1"}, {"1E-400", "1", "1"}, {"1", "1E+309", "1"}})
        EXPECT_FALSE(ExactQuadratic(a, b, c)) << a << " " << b << " " << c;
}

TEST(ExactQuadratic, SweepAgainstMpfr) {
    Sequence seq;
    int checked = 0;
    for (int i = 0; i < 400; ++i) {
        auto [a, at] = seq.Coefficient();
        auto [b, bt] = seq.Coefficient();
        auto [c, ct] = seq.Coefficient();
        const Outcome decimal = SolveQuadratic(at, bt, ct);
        const auto forms = ExactQuadratic(at, bt, ct);
        EXPECT_EQ(forms.has_value(), !decimal.failed()) << at << " " << bt << " " << ct;
        if (!forms) continue;
        ++checked;
        const std::string what = at + " " + bt + " " + ct;
        CheckExact(*forms->Field(kQuadraticX1), QuadraticRoot(at.c_str(), bt.c_str(), ct.c_str(), 1),
                   *decimal.Field(kQuadraticX1), what);
        CheckExact(*forms->Field(kQuadraticX2), QuadraticRoot(at.c_str(), bt.c_str(), ct.c_str(), -1),
                   *decimal.Field(kQuadraticX2), what);
    }
    EXPECT_GT(checked, 150);
}

TEST(ExactLinear, SolutionsAsFractions) {
    const auto two = ExactLinear2("3", "1", "1", "1", "2", "1");
    ASSERT_TRUE(two);
    EXPECT_EQ(two->line, "精确值: x = 1/5, y = 2/5");
    EXPECT_EQ(two->Field(kLinear2X), "1/5");
    EXPECT_EQ(ExactLinear2("0.1", "0.2", "0.3", "0.4", "0.5", "0.6")->line, "精确值: x = -1, y = 2");
    EXPECT_EQ(ExactLinear2("2", "3", "1", "3", "-4", "5")->line, "精确值: x = 19/17, y = -7/17");
    // Right where the double solution is rounded: 1/3 is shown as 0.333333333333333.
    EXPECT_EQ(ExactLinear2("3", "0", "1", "0", "3", "2")->line, "精确值: x = 1/3, y = 2/3");
    EXPECT_FALSE(ExactLinear2("1", "1", "2", "2", "2", "4"));  // infinitely many
    EXPECT_FALSE(ExactLinear2("1", "1", "2", "1", "1", "3"));  // none
    EXPECT_FALSE(ExactLinear2("", "1", "2", "1", "1", "3"));   // an empty box
    EXPECT_EQ(ExactLinear3("1", "1", "1", "6", "0", "2", "5", "-4", "2", "5", "-1", "27")->line,
              "精确值: x = 5, y = 3, z = -2");
    EXPECT_EQ(ExactLinear3("0", "1", "1", "5", "1", "0", "1", "4", "1", "1", "0", "3")->line,
              "精确值: x = 1, y = 2, z = 3");
    EXPECT_EQ(ExactLinear3("1", "2", "3", "1", "4", "5", "6", "2", "7", "8", "10", "4")->line,
              "精确值: x = 2/3, y = -4/3, z = 1");
    EXPECT_FALSE(ExactLinear3("1", "2", "3", "1", "2", "4", "6", "2", "1", "1", "1", "1"));
}

// Cramer's rule in the test, on the generated fractions.
TEST(ExactLinear, SweepAgainstCramer) {
    Sequence seq;
    int unique = 0;
    for (int i = 0; i < 300; ++i) {
        std::vector<mpq_class> q;
        std::vector<std::string> t;
        for (int j = 0; j < 12; ++j) {
            auto [v, text] = seq.Coefficient();
            q.push_back(v);
            t.push_back(text);
        }
        // 2x2: a1 b1 c1 / a2 b2 c2
        const mpq_class det2 = q[0] * q[4] - q[3] * q[1];
        const auto two = ExactLinear2(t[0], t[1], t[2], t[3], t[4], t[5]);
        EXPECT_EQ(two.has_value(), sgn(det2) != 0);
        if (two) {
            const mpq_class x = (q[2] * q[4] - q[1] * q[5]) / det2, y = (q[0] * q[5] - q[3] * q[2]) / det2;
            EXPECT_EQ(mpq_class(*two->Field(kLinear2X)), x);
            EXPECT_EQ(mpq_class(*two->Field(kLinear2Y)), y);
            const Outcome decimal = SolveLinear2(t[0], t[1], t[2], t[3], t[4], t[5]);
            CheckExact(*two->Field(kLinear2X), Real::Of(x), *decimal.Field(kLinear2X), "x");
            ++unique;
        }
        // 3x3 by Cramer's rule.
        auto m = [&](int r, int c) { return q[static_cast<std::size_t>(r * 4 + c)]; };
        auto det3 = [&](int c0, int c1, int c2) {
            return mpq_class(m(0, c0) * (m(1, c1) * m(2, c2) - m(1, c2) * m(2, c1)) -
                             m(0, c1) * (m(1, c0) * m(2, c2) - m(1, c2) * m(2, c0)) +
                             m(0, c2) * (m(1, c0) * m(2, c1) - m(1, c1) * m(2, c0)));
        };
        const mpq_class det = det3(0, 1, 2);
        const auto three = ExactLinear3(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11]);
        EXPECT_EQ(three.has_value(), sgn(det) != 0);
        if (three) {
            EXPECT_EQ(mpq_class(*three->Field(kLinear3X)), mpq_class(det3(3, 1, 2) / det));
            EXPECT_EQ(mpq_class(*three->Field(kLinear3Y)), mpq_class(det3(0, 3, 2) / det));
            EXPECT_EQ(mpq_class(*three->Field(kLinear3Z)), mpq_class(det3(0, 1, 3) / det));
        }
    }
    EXPECT_GT(unique, 250);
}

TEST(ExactTrig, KnownValues) {
    const struct {
        TrigFunction f;
        const char* angle;
        const char* text;
    } rows[] = {
        {TrigFunction::Sine, "60", "√3/2"},           {TrigFunction::Tangent, "15", "2-√3"},
        {TrigFunction::Cosine, "36", "(1+√5)/4"},     {TrigFunction::Sine, "72", "√(10+2√5)/4"},
        {TrigFunction::Sine, "18", "(√5-1)/4"},       {TrigFunction::Cosine, "144", "-(1+√5)/4"},
        {TrigFunction::Sine, "30", "1/2"},            {TrigFunction::Cosine, "90", "0"},
        {TrigFunction::Secant, "60", "2"},            {TrigFunction::Cotangent, "30", "√3"},
        {TrigFunction::Tangent, "-30", "-√3/3"},      {TrigFunction::Sine, "390", "1/2"},
        {TrigFunction::Cosecant, "15", "√6+√2"},      {TrigFunction::Secant, "18", "√(50-10√5)/5"},
        {TrigFunction::Tangent, "36", "√(5-2√5)"},    {TrigFunction::Cotangent, "36", "√(25+10√5)/5"},
        {TrigFunction::Sine, "-750", "-1/2"},         {TrigFunction::Cosine, "3.6E+19", "1"},
        {TrigFunction::Sine, "１５０", "1/2"},         {TrigFunction::Sine, "30.0", "1/2"},
    };
    for (const auto& row : rows) {
        const auto forms = ExactTrig(row.f, row.angle, false);
        ASSERT_TRUE(forms) << row.angle;
        EXPECT_EQ(forms->Field(kTrigResult), row.text) << row.angle;
        EXPECT_EQ(forms->line, std::string("精确值: ") + row.text);
    }
    // Other angles, radians and refusals have none.
    EXPECT_FALSE(ExactTrig(TrigFunction::Sine, "10", false));
    EXPECT_FALSE(ExactTrig(TrigFunction::Sine, "22.5", false));
    EXPECT_FALSE(ExactTrig(TrigFunction::Sine, "30.0000000000000000001", false));
    EXPECT_FALSE(ExactTrig(TrigFunction::Sine, "30", true));
    EXPECT_FALSE(ExactTrig(TrigFunction::Tangent, "90", false));
    EXPECT_FALSE(ExactTrig(TrigFunction::Cotangent, "-180", false));
    EXPECT_FALSE(ExactTrig(TrigFunction::Sine, "", false));
}

// All six functions at every multiple of 15° and of 18° over two turns each
// way, and some far turns: MPFR's value of the angle reduced exactly.
TEST(ExactTrig, EverySpecialAngleAgainstMpfr) {
    std::vector<long> angles;
    for (long a = -720; a <= 720; ++a)
        if (a % 15 == 0 || a % 18 == 0) angles.push_back(a);
    for (long a : {3630L, -3618L, 36000054L, -1000000000035L}) angles.push_back(a);
    int shown = 0;
    for (long a : angles) {
        const std::string text = std::to_string(a);
        // The oracle: the reduced angle in radians with MPFR's pi.
        Real x = Real::Of(mpq_class(((a % 360) + 360) % 360)), pi;
        mpfr_const_pi(pi.get(), MPFR_RNDN);
        mpfr_mul(x.get(), x.get(), pi.get(), MPFR_RNDN);
        mpfr_div_ui(x.get(), x.get(), 180, MPFR_RNDN);
        Real s, c;
        mpfr_sin_cos(s.get(), c.get(), x.get(), MPFR_RNDN);
        for (const TrigButton& button : kTrigButtons) {
            const Outcome decimal = Trig(button.function, text, false);
            const auto forms = ExactTrig(button.function, text, false);
            ASSERT_EQ(forms.has_value(), !decimal.failed()) << button.caption << " " << a;
            if (!forms) continue;
            Real want;
            switch (button.function) {
            case TrigFunction::Sine: want = s; break;
            case TrigFunction::Cosine: want = c; break;
            case TrigFunction::Tangent: mpfr_div(want.get(), s.get(), c.get(), MPFR_RNDN); break;
            case TrigFunction::Cotangent: mpfr_div(want.get(), c.get(), s.get(), MPFR_RNDN); break;
            case TrigFunction::Secant: mpfr_ui_div(want.get(), 1, c.get(), MPFR_RNDN); break;
            case TrigFunction::Cosecant: mpfr_ui_div(want.get(), 1, s.get(), MPFR_RNDN); break;
            }
            // Zeros on the axes: MPFR gives 1E-96 for sin 180°; compare absolutely.
            if (mpfr_cmpabs_ui(want.get(), 0) > 0 && mpfr_get_exp(want.get()) < -200) mpfr_set_zero(want.get(), 1);
            CheckExact(*forms->Field(kTrigResult), want, *decimal.Field(kTrigResult),
                       std::string(button.caption) + " " + text);
            ++shown;
        }
    }
    EXPECT_GT(shown, 900);
}
