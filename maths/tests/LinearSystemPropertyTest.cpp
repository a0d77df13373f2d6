// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The linear solvers against an exact rational oracle (Gauss-Jordan
// elimination over fractions, a different method from the solvers') on
// thousands of random small-integer systems, built to have exactly one
// solution, infinitely many, or none. Every system must get the oracle's
// message, or all its results close to the exact solution; never a part of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "EquationSolvers.h"
#include "LinearSystem.h"
#include "NumberText.h"

using namespace numora;
using namespace numora::maths;

namespace {

__extension__ typedef __int128 Int128;

Int128 Gcd(Int128 a, Int128 b) {
    while (b != 0) a = std::exchange(b, a % b);
    return a < 0 ? -a : a;
}

struct Fraction {
    Int128 num = 0, den = 1;
    Fraction(Int128 n = 0, Int128 d = 1) : num(d < 0 ? -n : n), den(d < 0 ? -d : d) {
        if (const Int128 g = Gcd(num, den); g > 1) num /= g, den /= g;
    }
    long double value() const { return static_cast<long double>(num) / static_cast<long double>(den); }
};
Fraction operator-(Fraction a, Fraction b) { return {a.num * b.den - b.num * a.den, a.den * b.den}; }
Fraction operator*(Fraction a, Fraction b) { return {a.num * b.num, a.den * b.den}; }
Fraction operator/(Fraction a, Fraction b) { return {a.num * b.den, a.den * b.num}; }

enum class Kind { Unique, Infinite, None };
constexpr Kind kKinds[] = {Kind::Unique, Kind::Infinite, Kind::None};

struct Exact {
    Kind kind = Kind::None;
    std::vector<long double> x;  // the unique solution
};

using System = std::vector<long long>;  // n rows of n coefficients and the right side

Exact Oracle(std::size_t n, const System& s) {
    std::vector<std::vector<Fraction>> m(n);
    for (std::size_t i = 0; i < n; ++i) m[i].assign(s.begin() + i * (n + 1), s.begin() + (i + 1) * (n + 1));
    std::size_t rank = 0;
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t p = rank;
        while (p < n && m[p][c].num == 0) ++p;
        if (p == n) continue;
        std::swap(m[p], m[rank]);
        const Fraction pivot = m[rank][c];
        for (auto& v : m[rank]) v = v / pivot;
        for (std::size_t i = 0; i < n; ++i) {
            const Fraction f = m[i][c];
            if (i != rank && f.num != 0)
                for (std::size_t j = 0; j <= n; ++j) m[i][j] = m[i][j] - f * m[rank][j];
        }
        ++rank;
    }
    for (std::size_t i = rank; i < n; ++i)
        if (m[i][n].num != 0) return {Kind::None, {}};  // 0 = d with d != 0
    if (rank < n) return {Kind::Infinite, {}};
    Exact e{Kind::Unique, {}};
    for (std::size_t i = 0; i < n; ++i) e.x.push_back(m[i][n].value());
    return e;
}

class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    System Make(std::size_t n, Kind kind) {
        if (kind == Kind::Unique) {
            for (;;) {
                System s;
                for (std::size_t k = 0; k < n * (n + 1); ++k) s.push_back(Coefficient());
                if (Oracle(n, s).kind == Kind::Unique) return s;
            }
        }
        // Rank r < n: r random rows, the others integer combinations of them;
        // right sides A·x0, so the system is consistent, unless one
        // combination row gets its right side moved by a non-zero delta.
        const std::size_t r = static_cast<std::size_t>(Uniform(0, static_cast<int>(n) - 1));
        std::vector<System> rows(n, System(n + 1, 0));
        for (std::size_t i = 0; i < r; ++i)
            for (std::size_t j = 0; j < n; ++j) rows[i][j] = Coefficient();
        for (std::size_t i = r; i < n; ++i)
            for (std::size_t k = 0; k < r; ++k) {
                const long long f = Uniform(-2, 2);
                for (std::size_t j = 0; j < n; ++j) rows[i][j] += f * rows[k][j];
            }
        System x0;
        for (std::size_t j = 0; j < n; ++j) x0.push_back(Uniform(-4, 4));
        for (auto& row : rows)
            for (std::size_t j = 0; j < n; ++j) row[n] += row[j] * x0[j];
        if (kind == Kind::None) {
            const auto moved = static_cast<std::size_t>(Uniform(static_cast<int>(r), static_cast<int>(n) - 1));
            rows[moved][n] += Uniform(0, 1) ? Uniform(1, 3) : -Uniform(1, 3);
        }
        std::shuffle(rows.begin(), rows.end(), rng_);
        System s;
        for (const auto& row : rows) s.insert(s.end(), row.begin(), row.end());
        return s;
    }

private:
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    // Many zeros, so that first pivots and partial determinants are often 0.
    long long Coefficient() { return Uniform(0, 2) == 0 ? 0 : Uniform(-6, 6); }

    std::mt19937 rng_;
};

std::string Trace(const System& s) {
    std::string t;
    for (long long v : s) t += std::to_string(v) + " ";
    return t;
}

// Calls `check` with 1500 systems of every kind for two and three unknowns.
void ForEachSystem(unsigned seed, const std::function<void(std::size_t, const System&, const Exact&)>& check) {
    Generator gen(seed);
    for (std::size_t n : {2u, 3u})
        for (Kind kind : kKinds)
            for (int k = 0; k < 1500 && !::testing::Test::HasFailure(); ++k) {
                const System s = gen.Make(n, kind);
                const Exact exact = Oracle(n, s);
                ASSERT_EQ(exact.kind, kind) << Trace(s);
                SCOPED_TRACE(Trace(s));
                check(n, s, exact);
            }
}

// Values within `tolerance` of each exact value, or (`normwise`) of the largest.
void ExpectClose(const std::vector<double>& got, const Exact& exact, double tolerance, bool normwise) {
    long double scale = 0;
    for (long double v : exact.x) scale = std::max(scale, std::fabs(v));
    for (std::size_t j = 0; j < exact.x.size(); ++j)
        EXPECT_LE(std::fabs(got[j] - exact.x[j]), tolerance * (normwise ? scale : std::fabs(exact.x[j])))
            << "unknown " << j << " = " << got[j];
}

// Both solvers on the texts `text` makes of the coefficients (without
// changing the solution): the oracle's message and no result, or every result.
void RunSolvers(unsigned seed, const std::function<std::string(long long)>& text, double tolerance, bool normwise) {
    ForEachSystem(seed, [&](std::size_t n, const System& s, const Exact& exact) {
        std::vector<std::string> t;
        for (long long v : s) t.push_back(text(v));
        const Outcome out = n == 2 ? SolveLinear2(t[0], t[1], t[2], t[3], t[4], t[5])
                                   : SolveLinear3(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9],
                                                  t[10], t[11]);
        if (exact.kind != Kind::Unique) {
            ASSERT_TRUE(out.message.has_value());
            EXPECT_EQ(out.message->text, exact.kind == Kind::Infinite ? kInfinitelyManySolutions : kNoSolution);
            EXPECT_TRUE(out.writes.empty()) << "written before the message";
            return;
        }
        ASSERT_FALSE(out.message.has_value()) << out.message->text;
        ASSERT_EQ(out.writes.size(), n);
        std::vector<double> got;
        for (const auto& [field, value] : out.writes) got.push_back(LeadingValue(value));
        ExpectClose(got, exact, tolerance, normwise);
    });
}

}  // namespace

TEST(LinearSystemProperty, IntegerSystemsExactly) {
    RunSolvers(1, [](long long v) { return std::to_string(v); }, 1e-12, false);
}

// Tenths are decimals the doubles only approximate; the classification must
// still be exact and the values as accurate.
TEST(LinearSystemProperty, DecimalSystemsExactly) {
    RunSolvers(2, [](long long v) {
        return std::string(v < 0 ? "-" : "") + std::to_string(std::abs(v) / 10) + "." + std::to_string(std::abs(v) % 10);
    }, 1e-12, false);
}

// Coefficients of order 1E+13 are beyond the exact decimal arithmetic:
// elimination in double must still classify every system right.
TEST(LinearSystemProperty, LargeSystemsByElimination) {
    RunSolvers(3, [](long long v) { return std::to_string(v) + "E13"; }, 1e-12, true);
}

// Thirds are no decimals at all: elimination in double on the rounded
// coefficients, the kind decided to double precision.
TEST(LinearSystemProperty, ThirdsByElimination) {
    ForEachSystem(4, [](std::size_t n, const System& s, const Exact& exact) {
        std::vector<double> thirds;
        for (long long v : s) thirds.push_back(static_cast<double>(v) / 3);
        const SystemSolution got = SolveSystemByElimination(static_cast<int>(n), thirds);
        const SystemKind want[] = {SystemKind::Unique, SystemKind::Infinite, SystemKind::None};
        ASSERT_EQ(static_cast<int>(got.kind), static_cast<int>(want[static_cast<int>(exact.kind)]));
        if (exact.kind == Kind::Unique) ExpectClose({got.values.begin(), got.values.begin() + n}, exact, 1e-12, true);
    });
}
