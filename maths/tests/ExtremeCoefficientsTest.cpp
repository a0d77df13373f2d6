// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The equation solvers at the edges of the double range, against exact
// fractions (GMP): the decimals typed into the boxes are fractions, so the
// true solution is computed exactly and rounded once to double.
// Coefficients of 1E±200 and 1E±300 used to lose their discriminant or
// determinant to underflow or overflow.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "EquationSolvers.h"
#include "LinearSystem.h"
#include "NumberText.h"

using namespace numora;
using namespace numora::maths;

namespace {

mpq_class Exact(double v) { return mpq_class(mpf_class(v, 64)); }

double Rounded(const mpq_class& q) {
    // mpf with enough bits that one rounding to double is correct in effect.
    mpf_class f(q, 256);
    long exponent = 0;
    const double mantissa = mpf_get_d_2exp(&exponent, f.get_mpf_t());
    return std::ldexp(mantissa, static_cast<int>(exponent));
}

std::string Shown(double v) { return std::isfinite(v) ? FormatResult(NumberText(v)) : "数据过大"; }

// A decimal as typed ("-1.75229e-80") as an exact fraction.
mpq_class Decimal(const std::string& text) {
    const std::size_t e = text.find_first_of("eE");
    std::string mantissa = text.substr(0, e);
    const long exponent = e == std::string::npos ? 0 : std::stol(text.substr(e + 1));
    long places = 0;
    if (const std::size_t point = mantissa.find('.'); point != std::string::npos) {
        places = static_cast<long>(mantissa.size() - point - 1);
        mantissa.erase(point, 1);
    }
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent - places)));
    mpq_class q{mpz_class(mantissa, 10)};
    if (exponent - places >= 0) q *= scale;
    else q /= scale;
    q.canonicalize();
    return q;
}

// The solution of the n x n system by Cramer's rule over fractions, each
// value rounded to double; an empty list when the determinant is 0.
std::vector<double> ExactSolution(int n, const std::vector<mpq_class>& augmented) {
    auto at = [&](int i, int j) { return augmented[static_cast<std::size_t>(i * (n + 1) + j)]; };
    auto det = [&](int replaced) {
        auto m = [&](int i, int j) { return j == replaced ? at(i, n) : at(i, j); };
        if (n == 2) return mpq_class(m(0, 0) * m(1, 1) - m(0, 1) * m(1, 0));
        return mpq_class(m(0, 0) * (m(1, 1) * m(2, 2) - m(1, 2) * m(2, 1)) -
                         m(0, 1) * (m(1, 0) * m(2, 2) - m(1, 2) * m(2, 0)) +
                         m(0, 2) * (m(1, 0) * m(2, 1) - m(1, 1) * m(2, 0)));
    };
    const mpq_class d = det(-1);
    if (d == 0) return {};
    std::vector<double> x;
    for (int j = 0; j < n; ++j) x.push_back(Rounded(det(j) / d));
    return x;
}

std::vector<mpq_class> Decimals(const std::vector<std::string>& boxes) {
    std::vector<mpq_class> v;
    for (const auto& b : boxes) v.push_back(Decimal(b));
    return v;
}

std::string Texts(const Outcome& out, std::initializer_list<const char*> fields) {
    if (out.failed()) return out.message->text;
    std::string s;
    for (const char* f : fields) s += out.Field(f).value_or("?") + " ";
    return s;
}

}  // namespace

TEST(ExtremeCoefficients, LinearSystemsMatchExactFractions) {
    const std::vector<std::vector<std::string>> systems2 = {
        {"1", "1e200", "1", "0", "1e-200", "0"},  // was "此方程组不止一组解"
        {"1", "1e300", "2", "0", "1e-30", "0"},
        {"1e-300", "1e-300", "2e-300", "1e-300", "-1e-300", "0"},
        {"1e300", "1e-300", "1", "1e-300", "1e300", "2"},
        {"3e200", "1e-200", "7", "1e-200", "-2e-200", "1e-200"},
        {"1e-200", "1e-200", "1e-200", "1", "2", "3"},
        {"2", "-3", "0", "0", "5e-324", "1"},  // y = 2E+323: beyond the range
    };
    for (const auto& b : systems2) {
        SCOPED_TRACE(b[0] + " " + b[1] + " " + b[2] + " / " + b[3] + " " + b[4] + " " + b[5]);
        const std::vector<double> x = ExactSolution(2, Decimals(b));
        ASSERT_EQ(x.size(), 2u);
        EXPECT_EQ(Texts(SolveLinear2(b[0], b[1], b[2], b[3], b[4], b[5]), {kLinear2X, kLinear2Y}),
                  std::isfinite(x[0]) && std::isfinite(x[1]) ? Shown(x[0]) + " " + Shown(x[1]) + " " : "数据过大");
    }
    const std::vector<std::vector<std::string>> systems3 = {
        {"1", "1e200", "0", "2", "0", "1e-200", "0", "0", "0", "0", "1", "3"},
        // x is exactly 0 (it came out as -2.8160459276344E-98); y underflows to 0.
        {"0", "0", "-90", "0", "30", "0", "-931", "0", "133", "-1e300", "1", "-1.75229e-80"},
        {"1e300", "0", "1", "1e300", "0", "1e-300", "1", "1", "1", "1", "1e-300", "3"},
        {"1e-300", "2e-300", "3e-300", "6e-300", "1", "-1", "1", "1", "1e200", "0", "0", "1e200"},
        {"1e-200", "0", "0", "1", "0", "1e200", "0", "1", "0", "0", "1e300", "1e-300"},
    };
    for (const auto& b : systems3) {
        std::string what;
        for (const auto& t : b) what += t + " ";
        SCOPED_TRACE(what);
        const std::vector<double> x = ExactSolution(3, Decimals(b));
        ASSERT_EQ(x.size(), 3u);
        EXPECT_EQ(Texts(SolveLinear3(b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11]),
                        {kLinear3X, kLinear3Y, kLinear3Z}),
                  Shown(x[0]) + " " + Shown(x[1]) + " " + Shown(x[2]) + " ");
    }
}

// Random well-conditioned integer systems scaled by powers of ten per row
// and per column (1E-300 to 1E+300): the elimination's scaling takes them
// back to the integers, so every value is right to 11 digits, and a 0 is 0.
TEST(ExtremeCoefficients, ScaledSystemsMatchExactFractions) {
    std::mt19937 rng(22);
    const int exponents[] = {-300, -200, -100, 0, 100, 200, 300};
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    int checked = 0;
    for (int round = 0; round < 3000; ++round) {
        const int n = 2 + pick(2);
        int row[3], column[3];
        for (int i = 0; i < n; ++i) row[i] = exponents[pick(7)] / 2, column[i] = exponents[pick(7)] / 2;
        std::vector<std::string> texts;
        std::vector<double> augmented, core;
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j <= n; ++j) {
                const int digits = pick(199) - 99, e = row[i] + (j < n ? column[j] : 0);
                texts.push_back(std::to_string(digits) + "e" + std::to_string(e));
                augmented.push_back(LeadingValue(texts.back()));
                core.push_back(digits);
            }
        }
        // Only well-conditioned cores: |det| at least a tenth of Hadamard's bound.
        double hadamard = 1;
        for (int i = 0; i < n; ++i) {
            double norm = 0;
            for (int j = 0; j < n; ++j) norm += core[static_cast<std::size_t>(i * (n + 1) + j)] * core[static_cast<std::size_t>(i * (n + 1) + j)];
            hadamard *= std::sqrt(norm);
        }
        const double det = n == 2 ? core[0] * core[4] - core[1] * core[3]
                                  : core[0] * (core[5] * core[10] - core[6] * core[9]) -
                                        core[1] * (core[4] * core[10] - core[6] * core[8]) +
                                        core[2] * (core[4] * core[9] - core[5] * core[8]);
        if (std::fabs(det) < hadamard / 10) continue;
        const std::vector<double> x = ExactSolution(n, Decimals(texts));
        if (x.empty()) continue;
        bool inRange = true;
        for (double v : x) inRange = inRange && std::isfinite(v) && (v == 0 || std::fabs(v) > 1e-290);
        if (!inRange) continue;
        const SystemSolution got = SolveSystem(n, augmented);
        if (got.kind != SystemKind::Unique) continue;  // nearly singular: the tolerance may decide
        ++checked;
        for (int j = 0; j < n; ++j) {
            const double want = x[static_cast<std::size_t>(j)], value = got.values[static_cast<std::size_t>(j)];
            EXPECT_TRUE(want == 0 ? value == 0 : std::fabs(value / want - 1) < 1e-11)
                << "round " << round << " unknown " << j << ": " << value << " for " << want;
        }
    }
    EXPECT_GT(checked, 2000);
}

TEST(ExtremeCoefficients, QuadraticsMatchExactFractions) {
    const struct {
        const char *a, *b, *c, *want;
    } cases[] = {
        {"1e-200", "0", "-1e-200", "1 -1 "},  // was 0 0
        {"1e-200", "0", "1e-200", "此方程无解！"},
        {"1", "-1e-200", "0", "1E-200 0 "},  // was 5E-201 twice
        {"1e-160", "0", "-1e-160", "1 -1 "},  // was 0.999994433575849
        {"1e200", "-3e200", "2e200", "2 1 "},
        {"1e-300", "-3e-300", "2e-300", "2 1 "},
        {"1e300", "1e300", "1e300", "此方程无解！"},
        {"1", "1e300", "1", "-1E-300 -1E+300 "},
        {"1e300", "1", "-1e300", "1 -1 "},
        {"1e-300", "1e300", "1", "数据过大"},  // a root near -1E+600
        {"1e-300", "1", "0", "0 -1E+300 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " " + c.b + " " + c.c);
        EXPECT_EQ(Texts(SolveQuadratic(c.a, c.b, c.c), {kQuadraticX1, kQuadraticX2}), c.want);
    }
    // Against the exact discriminant: roots of a·(x − p)(x − q) with p, q
    // and a across the range, through a 256-bit square root.
    std::mt19937 rng(7);
    for (int round = 0; round < 500; ++round) {
        const int scale = static_cast<int>(rng() % 601) - 300;
        const double p = 1 + rng() % 1000, q = -(1.0 + rng() % 1000) / 7;
        const double scaled = std::stod("3e" + std::to_string(scale));
        // The coefficients as the boxes hold them, 15 digits each.
        const std::string texts[] = {NumberText(scaled), NumberText(-scaled * (p + q)), NumberText(scaled * p * q)};
        const double a = LeadingValue(texts[0]), b = LeadingValue(texts[1]), c = LeadingValue(texts[2]);
        const mpq_class A = Exact(a), B = Exact(b), C = Exact(c);
        const mpq_class D = B * B - 4 * A * C;
        ASSERT_GT(D, 0);
        const mpf_class root = sqrt(mpf_class(D, 512));
        const mpf_class x1 = (-mpf_class(B, 512) + root) / mpf_class(2 * A, 512);
        const mpf_class x2 = (-mpf_class(B, 512) - root) / mpf_class(2 * A, 512);
        const Outcome out = SolveQuadratic(texts[0], texts[1], texts[2]);
        ASSERT_FALSE(out.failed()) << a << " " << b << " " << c;
        EXPECT_NEAR(LeadingValue(*out.Field(kQuadraticX1)) / x1.get_d(), 1.0, 1e-13) << a << " " << b << " " << c;
        EXPECT_NEAR(LeadingValue(*out.Field(kQuadraticX2)) / x2.get_d(), 1.0, 1e-13) << a << " " << b << " " << c;
    }
}
