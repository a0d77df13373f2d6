// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LinearSystem.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "WideDouble.h"

namespace numora::maths {
namespace {

__extension__ typedef __int128 Int128;

constexpr int kMaxUnknowns = 3;

bool ValidShape(int n, std::span<const double> augmented) {
    return n >= 1 && n <= kMaxUnknowns && augmented.size() == static_cast<std::size_t>(n * (n + 1));
}

// ---- Exact rational arithmetic -------------------------------------------

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                   1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};
constexpr int kMaxPlaces = 18;
// Scaled coefficients stay below 2^40, so a 3x3 determinant (three terms of
// a coefficient times a 2x2 minor) stays below 3 * 2^121 and fits 128 bits.
constexpr double kScaledLimit = 1099511627776.0;

// The integer N for which `value` is the double nearest to N / 10^places.
// Both 10^places and |N| <= 2^40 are exact doubles, so the division is
// correctly rounded and the comparison is exact.
std::optional<double> ScaledInteger(double value, int places) {
    const double scaled = std::round(value * kPowersOfTen[places]);
    if (!(std::fabs(scaled) <= kScaledLimit)) return std::nullopt;
    if (scaled / kPowersOfTen[places] != value) return std::nullopt;
    return scaled;
}

std::optional<int> DecimalPlaces(double value) {
    for (int places = 0; places <= kMaxPlaces; ++places) {
        if (!(std::fabs(value) * kPowersOfTen[places] <= 2 * kScaledLimit)) return std::nullopt;
        if (ScaledInteger(value, places)) return places;
    }
    return std::nullopt;
}

struct ExactMatrix {
    Int128 m[kMaxUnknowns][kMaxUnknowns + 1] = {};
};

// The determinant of the square submatrix on rows[0..size) and cols[0..size).
Int128 Minor(const ExactMatrix& a, const int* rows, const int* cols, int size) {
    auto at = [&](int r, int c) { return a.m[rows[r]][cols[c]]; };
    switch (size) {
    case 1:
        return at(0, 0);
    case 2:
        return at(0, 0) * at(1, 1) - at(0, 1) * at(1, 0);
    default:
        return at(0, 0) * (at(1, 1) * at(2, 2) - at(1, 2) * at(2, 1)) -
               at(0, 1) * (at(1, 0) * at(2, 2) - at(1, 2) * at(2, 0)) +
               at(0, 2) * (at(1, 0) * at(2, 1) - at(1, 1) * at(2, 0));
    }
}

// The indices of the set bits of `mask`, in increasing order.
int Members(unsigned mask, int* out) {
    int count = 0;
    for (int i = 0; mask != 0; ++i, mask >>= 1)
        if (mask & 1u) out[count++] = i;
    return count;
}

// The rank of the first `rows` rows and `cols` columns: the size of the
// largest non-zero minor.
int Rank(const ExactMatrix& a, int rows, int cols) {
    for (int size = std::min(rows, cols); size > 0; --size) {
        for (unsigned rowMask = 1; rowMask < (1u << rows); ++rowMask) {
            int r[kMaxUnknowns + 1];
            if (Members(rowMask, r) != size) continue;
            for (unsigned colMask = 1; colMask < (1u << cols); ++colMask) {
                int c[kMaxUnknowns + 1];
                if (Members(colMask, c) != size) continue;
                if (Minor(a, r, c, size) != 0) return size;
            }
        }
    }
    return 0;
}

Int128 Abs(Int128 v) { return v < 0 ? -v : v; }

Int128 Gcd(Int128 a, Int128 b) {
    a = Abs(a);
    b = Abs(b);
    while (b != 0) a = std::exchange(b, a % b);
    return a;
}

// p / q (q != 0) rounded to double: correctly rounded when both fit 53 bits
// after reduction, otherwise through long double (within one unit in the
// last place). |p|, |q| < 2^123, so the result is always finite.
double Quotient(Int128 p, Int128 q) {
    if (q < 0) p = -p, q = -q;
    if (const Int128 g = Gcd(p, q); g > 1) p /= g, q /= g;
    if (q == 1) return static_cast<double>(p);
    constexpr Int128 k53 = Int128(1) << 53;
    if (Abs(p) <= k53 && q <= k53) return static_cast<double>(p) / static_cast<double>(q);
    return static_cast<double>(static_cast<long double>(p) / static_cast<long double>(q));
}

// ---- Elimination in double ------------------------------------------------

constexpr double kZeroUnits = 32 * 2.220446049250313e-16;  // 32 rounding units

// `value` is zero to the precision of the terms (of total magnitude `bound`)
// it was computed from.
bool Negligible(WideDouble value, WideDouble bound) { return Abs(value) <= WideDouble(kZeroUnits) * bound; }

}  // namespace

std::optional<SystemSolution> SolveSystemExactly(int n, std::span<const double> augmented) {
    if (!ValidShape(n, augmented)) return std::nullopt;
    int places = 0;
    for (double v : augmented) {
        const auto p = DecimalPlaces(v);
        if (!p) return std::nullopt;
        places = std::max(places, *p);
    }
    ExactMatrix a;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j <= n; ++j) {
            const auto scaled = ScaledInteger(augmented[static_cast<std::size_t>(i * (n + 1) + j)], places);
            if (!scaled) return std::nullopt;  // exact at its own scale, too large at the shared one
            a.m[i][j] = static_cast<Int128>(static_cast<long long>(*scaled));
        }
    }

    SystemSolution solution;
    solution.exact = true;
    const int rankA = Rank(a, n, n);
    if (rankA < n) {
        solution.kind = Rank(a, n, n + 1) == rankA ? SystemKind::Infinite : SystemKind::None;
        return solution;
    }
    const int rows[] = {0, 1, 2};
    const int cols[] = {0, 1, 2};
    const Int128 det = Minor(a, rows, cols, n);
    for (int j = 0; j < n; ++j) {
        int replaced[] = {0, 1, 2};
        replaced[j] = n;  // Cramer: column j replaced by the right side
        solution.values[static_cast<std::size_t>(j)] = Quotient(Minor(a, rows, replaced, n), det);
    }
    solution.kind = SystemKind::Unique;
    return solution;
}

SystemSolution SolveSystemByElimination(int n, std::span<const double> augmented) {
    SystemSolution solution;
    if (!ValidShape(n, augmented)) return solution;
    solution.kind = SystemKind::Overflow;
    // Doubles with an exponent of their own: no product, quotient or scaling
    // below overflows or underflows (1 1E+200 1 / 0 1E-200 0 lost its 1E-200
    // to the scaling and read as dependent).
    WideDouble a[kMaxUnknowns][kMaxUnknowns + 1];
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= n; ++j) {
            const double v = augmented[static_cast<std::size_t>(i * (n + 1) + j)];
            if (!std::isfinite(v)) return solution;
            a[i][j] = v;
        }

    // Equilibrate: the largest coefficient of each column, then of each row,
    // into [1, 2). Unknown j is then 2^columnExponent[j] times the original.
    long columnExponent[kMaxUnknowns];
    for (int j = 0; j < n; ++j) {
        WideDouble largest;
        for (int i = 0; i < n; ++i) largest = std::max(largest, Abs(a[i][j]));
        columnExponent[j] = largest.Exponent();
        for (int i = 0; i < n; ++i) a[i][j] = Ldexp(a[i][j], -columnExponent[j]);
    }
    for (int i = 0; i < n; ++i) {
        WideDouble largest;
        for (int j = 0; j < n; ++j) largest = std::max(largest, Abs(a[i][j]));
        if (largest.IsZero()) largest = Abs(a[i][n]);  // 0 = d: only the right side matters
        const long e = largest.Exponent();
        for (int j = 0; j <= n; ++j) a[i][j] = Ldexp(a[i][j], -e);
    }

    // bound[i][j]: the sum of the magnitudes of the terms a[i][j] is made of.
    WideDouble bound[kMaxUnknowns][kMaxUnknowns + 1];
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= n; ++j) bound[i][j] = Abs(a[i][j]);

    int pivotColumn[kMaxUnknowns];
    int rank = 0;
    for (int c = 0; c < n && rank < n; ++c) {
        int best = -1;
        for (int i = rank; i < n; ++i)
            if (!Negligible(a[i][c], bound[i][c]) && (best < 0 || Abs(a[i][c]) > Abs(a[best][c]))) best = i;
        if (best < 0) {  // no pivot in this column: its remaining entries are zero
            for (int i = rank; i < n; ++i) a[i][c] = 0;
            continue;
        }
        std::swap(a[rank], a[best]);
        std::swap(bound[rank], bound[best]);
        for (int i = rank + 1; i < n; ++i) {
            const WideDouble m = a[i][c] / a[rank][c];
            a[i][c] = 0;
            for (int j = c + 1; j <= n; ++j) {
                a[i][j] -= m * a[rank][j];
                bound[i][j] += Abs(m) * bound[rank][j];
            }
        }
        pivotColumn[rank++] = c;
    }

    // The rows left without a pivot read 0 = d: consistent only when every d is zero.
    for (int i = rank; i < n; ++i) {
        if (!Negligible(a[i][n], bound[i][n])) {
            solution.kind = SystemKind::None;
            return solution;
        }
    }
    if (rank < n) {
        solution.kind = SystemKind::Infinite;
        return solution;
    }

    // Back substitution. A value whose sum cancels to within the rounding of
    // its terms is zero to the precision of the coefficients, and exactly 0
    // where the system says so (x of 0 0 -90 0 / 30 0 -931 0 /
    // 133 -1E+300 1 -1.75229E-80 came out as -2.8E-98).
    WideDouble x[kMaxUnknowns];
    for (int i = n - 1; i >= 0; --i) {
        WideDouble sum = a[i][n];
        WideDouble terms = bound[i][n];
        for (int j = i + 1; j < n; ++j) {
            sum -= a[i][j] * x[j];
            terms += bound[i][j] * Abs(x[j]);
        }
        x[i] = Negligible(sum, terms) ? WideDouble() : sum / a[i][pivotColumn[i]];
    }
    for (int j = 0; j < n; ++j) {
        const double v = Ldexp(x[j], -columnExponent[j]).ToDouble();
        if (!std::isfinite(v)) {
            solution.values = {};
            return solution;  // beyond the double range
        }
        solution.values[static_cast<std::size_t>(j)] = v;
    }
    solution.kind = SystemKind::Unique;
    return solution;
}

SystemSolution SolveSystem(int n, std::span<const double> augmented) {
    if (auto exact = SolveSystemExactly(n, augmented)) return *exact;
    return SolveSystemByElimination(n, augmented);
}

}  // namespace numora::maths
