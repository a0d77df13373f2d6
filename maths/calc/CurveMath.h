// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Two kinds of number the plotter evaluates its functions in besides plain
// values, so that key points come from the function itself:
//
// - Bounded: a value in extended precision with a bound on its rounding
//   error (running error analysis, operation by operation). Its sign is
//   known only where the value lies farther from 0 than the bound: 1E-400
//   is positive, x − x and sin²x + cos²x − 1 cannot be told from 0, and
//   exp(−1600) is a tiny positive number, not an underflow to 0.
// - Taylor<N>: the Taylor coefficients f(x), f'(x), f''(x)/2, ... up to
//   f⁽ᴺ⁾(x)/N! (automatic differentiation), for extrema (sign changes of
//   f') and multiple roots (a simple root of a higher derivative).
//
// Sums, products and quotients run in extended precision; the library's
// functions (sin, exp, ...) in double, as the plotter draws.
#pragma once

#include <array>
#include <cfloat>
#include <cmath>
#include <limits>

namespace numora::maths {

// Half a unit in the last place: of long double and of double.
inline constexpr long double kWideUnit = LDBL_EPSILON / 2;
inline constexpr long double kDoubleUnit = DBL_EPSILON / 2;

// ---- Bounded -------------------------------------------------------------------

struct Bounded {
    long double v = 0;  // the value
    long double e = 0;  // |value − exact value| <= e

    Bounded() = default;
    Bounded(long double value, long double error = 0) : v(value), e(error) {}  // NOLINT: a widening

    bool Defined() const { return std::isfinite(v); }
    // +1 or −1 where the value is certainly positive or negative, 0 where it
    // cannot be told from 0 (or is not defined).
    int Sign() const {
        if (!(v > e || -v > e)) return 0;
        return v > 0 ? 1 : -1;
    }
};

namespace detail {

inline long double Nan() { return std::numeric_limits<long double>::quiet_NaN(); }

// A product or quotient of nonzero numbers that underflowed keeps its sign:
// it is tiny, never 0.
inline long double KeepSign(long double r, bool nonzero, bool negative) {
    if (r == 0 && nonzero) return negative ? -std::numeric_limits<long double>::denorm_min()
                                           : std::numeric_limits<long double>::denorm_min();
    return r;
}

// The error of handing a to a library function in double.
inline long double ToDoubleError(long double a) {
    return std::fabs(a - static_cast<long double>(static_cast<double>(a)));
}

inline Bounded Result(long double v, long double e) {
    if (!std::isfinite(v)) return {Nan(), 0};
    return {v, e};
}

}  // namespace detail

inline Bounded operator+(const Bounded& a, const Bounded& b) {
    const long double v = a.v + b.v;
    return detail::Result(v, a.e + b.e + std::fabs(v) * kWideUnit);
}
inline Bounded operator-(const Bounded& a, const Bounded& b) {
    const long double v = a.v - b.v;
    return detail::Result(v, a.e + b.e + std::fabs(v) * kWideUnit);
}
inline Bounded operator-(const Bounded& a) { return {-a.v, a.e}; }
inline Bounded operator*(const Bounded& a, const Bounded& b) {
    const long double v = detail::KeepSign(a.v * b.v, a.v != 0 && b.v != 0, (a.v < 0) != (b.v < 0));
    return detail::Result(v, std::fabs(a.v) * b.e + std::fabs(b.v) * a.e + a.e * b.e + std::fabs(v) * kWideUnit);
}
inline Bounded operator/(const Bounded& a, const Bounded& b) {
    if (b.v == 0) return {detail::Nan(), 0};
    const long double v = detail::KeepSign(a.v / b.v, a.v != 0, (a.v < 0) != (b.v < 0));
    const long double room = std::fabs(b.v) - b.e;
    const long double e = room > 0 ? (a.e + std::fabs(v) * b.e) / room + std::fabs(v) * kWideUnit
                                   : std::numeric_limits<long double>::infinity();
    return detail::Result(v, e);
}
inline Bounded Abs(const Bounded& a) { return {std::fabs(a.v), a.e}; }
inline Bounded Sqrt(const Bounded& a) {
    if (a.v < 0) return {detail::Nan(), 0};
    const long double v = std::sqrt(a.v);
    // |√(a + δ) − √a| is at most δ / √a and at most √δ.
    const long double e = v > 0 ? std::min(a.e / v, std::sqrt(a.e)) : std::sqrt(a.e);
    return detail::Result(v, e + v * kWideUnit);
}

namespace detail {
// f(a) of a library function in double whose derivative is at most
// `slope` in size near a.
inline Bounded Library(double value, const Bounded& a, long double slope) {
    const long double v = value;
    return Result(v, slope * (a.e + ToDoubleError(a.v)) + 2 * kDoubleUnit * std::fabs(v));
}
}  // namespace detail

inline Bounded Sin(const Bounded& a) { return detail::Library(std::sin(static_cast<double>(a.v)), a, 1); }
inline Bounded Cos(const Bounded& a) { return detail::Library(std::cos(static_cast<double>(a.v)), a, 1); }
inline Bounded Tan(const Bounded& a) {
    const double t = std::tan(static_cast<double>(a.v));
    return detail::Library(t, a, 1 + static_cast<long double>(t) * t);
}
inline Bounded Ln(const Bounded& a) {
    if (!(a.v > 0)) return {detail::Nan(), 0};
    const long double room = a.v - a.e - detail::ToDoubleError(a.v);
    const long double slope = room > 0 ? 1 / room : std::numeric_limits<long double>::infinity();
    return detail::Library(std::log(static_cast<double>(a.v)), a, slope);
}
inline Bounded Lg(const Bounded& a) {
    if (!(a.v > 0)) return {detail::Nan(), 0};
    const long double room = a.v - a.e - detail::ToDoubleError(a.v);
    const long double slope = room > 0 ? 1 / (room * 2.302585092994045684L) : std::numeric_limits<long double>::infinity();
    return detail::Library(std::log10(static_cast<double>(a.v)), a, slope);
}
inline Bounded Exp(const Bounded& a) {
    double d = std::exp(static_cast<double>(a.v));
    long double v = d;
    // Beyond the range of double the extended exponent still holds it:
    // exp(−1600) is positive.
    if (d == 0 || std::isinf(d)) v = detail::KeepSign(std::exp(a.v), true, false);
    const long double spread = a.e + detail::ToDoubleError(a.v);
    const long double e = v * (spread < 0.5L ? 2 * spread : std::expm1(spread)) + 2 * kDoubleUnit * v;
    return detail::Result(v, e);
}
// a^n for a whole n, by repeated squaring (x³ as x·x·x, exactly as far as
// extended precision goes).
inline Bounded PowWhole(Bounded a, long long n) {
    Bounded result{1, 0};
    const bool negative = n < 0;
    for (unsigned long long k = negative ? -static_cast<unsigned long long>(n) : n; k > 0; k >>= 1) {
        if (k & 1) result = result * a;
        if (k > 1) a = a * a;
    }
    return negative ? Bounded{1, 0} / result : result;
}
// a^b in general: exp(b·ln a) for a > 0; a whole b of any base by repeated
// squaring while it is small.
inline Bounded Pow(const Bounded& a, const Bounded& b) {
    if (b.e == 0 && b.v == std::trunc(b.v) && std::fabs(b.v) <= 64) return PowWhole(a, static_cast<long long>(b.v));
    const double d = std::pow(static_cast<double>(a.v), static_cast<double>(b.v));
    if (std::isnan(d)) return {detail::Nan(), 0};
    long double v = d;
    if ((d == 0 || std::isinf(d)) && a.v != 0) v = detail::KeepSign(std::pow(a.v, b.v), true, d < 0);
    if (a.v == 0) return detail::Result(v, b.v > 0 ? std::pow(a.e, b.v) : std::numeric_limits<long double>::infinity());
    const long double ln = std::log(std::fabs(a.v));
    const long double spread = std::fabs(b.v) * (a.e + detail::ToDoubleError(a.v)) / std::fabs(a.v) +
                               std::fabs(ln) * (b.e + detail::ToDoubleError(b.v));
    const long double e = std::fabs(v) * (spread < 0.5L ? 2 * spread : std::expm1(spread)) + 2 * kDoubleUnit * std::fabs(v);
    return detail::Result(v, e);
}

// ---- Taylor coefficients ---------------------------------------------------------

template <int N>
struct Taylor {
    std::array<long double, N + 1> c{};  // c[k] = f⁽ᵏ⁾(x) / k!

    Taylor() = default;
    Taylor(long double constant) { c[0] = constant; }  // NOLINT: a constant
    static Taylor Variable(long double x) {
        Taylor t(x);
        if constexpr (N >= 1) t.c[1] = 1;
        return t;
    }
    bool Defined() const {
        for (long double v : c)
            if (!std::isfinite(v)) return false;
        return true;
    }
    bool IsConstant() const {
        for (int k = 1; k <= N; ++k)
            if (c[k] != 0) return false;
        return true;
    }
};

template <int N>
Taylor<N> Undefined() {
    Taylor<N> t;
    t.c.fill(detail::Nan());
    return t;
}

template <int N>
Taylor<N> operator+(Taylor<N> a, const Taylor<N>& b) {
    for (int k = 0; k <= N; ++k) a.c[k] += b.c[k];
    return a;
}
template <int N>
Taylor<N> operator-(Taylor<N> a, const Taylor<N>& b) {
    for (int k = 0; k <= N; ++k) a.c[k] -= b.c[k];
    return a;
}
template <int N>
Taylor<N> operator-(Taylor<N> a) {
    for (long double& v : a.c) v = -v;
    return a;
}
template <int N>
Taylor<N> operator*(const Taylor<N>& a, const Taylor<N>& b) {
    Taylor<N> r;
    for (int k = 0; k <= N; ++k)
        for (int j = 0; j <= k; ++j) r.c[k] += a.c[j] * b.c[k - j];
    return r;
}
template <int N>
Taylor<N> operator/(const Taylor<N>& a, const Taylor<N>& b) {
    if (b.c[0] == 0) return Undefined<N>();
    Taylor<N> q;
    for (int k = 0; k <= N; ++k) {
        long double s = a.c[k];
        for (int j = 1; j <= k; ++j) s -= b.c[j] * q.c[k - j];
        q.c[k] = s / b.c[0];
    }
    return q;
}
template <int N>
Taylor<N> Abs(const Taylor<N>& a) {
    return a.c[0] < 0 ? -a : a;
}
template <int N>
Taylor<N> Sqrt(const Taylor<N>& a) {
    if (a.c[0] < 0) return Undefined<N>();
    Taylor<N> s;
    s.c[0] = std::sqrt(a.c[0]);
    for (int k = 1; k <= N; ++k) {
        if (s.c[0] == 0) return Undefined<N>();  // no derivative at 0
        long double t = a.c[k];
        for (int j = 1; j < k; ++j) t -= s.c[j] * s.c[k - j];
        s.c[k] = t / (2 * s.c[0]);
    }
    return s;
}
template <int N>
Taylor<N> Exp(const Taylor<N>& a) {
    Taylor<N> r;
    r.c[0] = std::exp(static_cast<double>(a.c[0]));
    if (r.c[0] == 0 || std::isinf(r.c[0])) r.c[0] = std::exp(a.c[0]);
    for (int k = 1; k <= N; ++k) {
        long double s = 0;
        for (int j = 1; j <= k; ++j) s += j * a.c[j] * r.c[k - j];
        r.c[k] = s / k;
    }
    return r;
}
template <int N>
Taylor<N> LogScaled(const Taylor<N>& a, long double base) {
    if (!(a.c[0] > 0)) return Undefined<N>();
    Taylor<N> l;
    l.c[0] = std::log(static_cast<double>(a.c[0]));
    for (int k = 1; k <= N; ++k) {
        long double s = 0;
        for (int j = 1; j < k; ++j) s += j * l.c[j] * a.c[k - j];
        l.c[k] = (a.c[k] - s / k) / a.c[0];
    }
    if (base != 1) {
        l.c[0] = base == 10 ? std::log10(static_cast<double>(a.c[0])) : l.c[0] / std::log(base);
        for (int k = 1; k <= N; ++k) l.c[k] /= std::log(base);
    }
    return l;
}
template <int N>
Taylor<N> Ln(const Taylor<N>& a) {
    return LogScaled(a, 1);
}
template <int N>
Taylor<N> Lg(const Taylor<N>& a) {
    return LogScaled(a, 10);
}
// sin and cos together: s' = c·a', c' = −s·a'.
template <int N>
void SinCos(const Taylor<N>& a, Taylor<N>& s, Taylor<N>& c) {
    s = Taylor<N>(std::sin(static_cast<double>(a.c[0])));
    c = Taylor<N>(std::cos(static_cast<double>(a.c[0])));
    for (int k = 1; k <= N; ++k) {
        long double ss = 0, cc = 0;
        for (int j = 1; j <= k; ++j) {
            ss += j * a.c[j] * c.c[k - j];
            cc -= j * a.c[j] * s.c[k - j];
        }
        s.c[k] = ss / k;
        c.c[k] = cc / k;
    }
}
template <int N>
Taylor<N> Sin(const Taylor<N>& a) {
    Taylor<N> s, c;
    SinCos(a, s, c);
    return s;
}
template <int N>
Taylor<N> Cos(const Taylor<N>& a) {
    Taylor<N> s, c;
    SinCos(a, s, c);
    return c;
}
template <int N>
Taylor<N> Tan(const Taylor<N>& a) {
    Taylor<N> s, c;
    SinCos(a, s, c);
    Taylor<N> t = s / c;
    t.c[0] = std::tan(static_cast<double>(a.c[0]));  // as the graph is drawn
    return t;
}
template <int N>
Taylor<N> PowWhole(Taylor<N> a, long long n) {
    Taylor<N> result(1);
    const bool negative = n < 0;
    for (unsigned long long k = negative ? -static_cast<unsigned long long>(n) : n; k > 0; k >>= 1) {
        if (k & 1) result = result * a;
        if (k > 1) a = a * a;
    }
    return negative ? Taylor<N>(1) / result : result;
}
// a^b for a constant b: a·p' = b·a'·p.
template <int N>
Taylor<N> PowConstant(const Taylor<N>& a, long double b) {
    if (b == std::trunc(b) && std::fabs(b) <= 64) return PowWhole(a, static_cast<long long>(b));
    if (!(a.c[0] > 0)) {
        if (a.c[0] == 0 && b > 0 && a.IsConstant()) return Taylor<N>(0);
        return Undefined<N>();
    }
    Taylor<N> p;
    p.c[0] = std::pow(static_cast<double>(a.c[0]), static_cast<double>(b));
    for (int k = 1; k <= N; ++k) {
        long double s = 0;
        for (int j = 1; j <= k; ++j) s += (b * j - (k - j)) * a.c[j] * p.c[k - j];
        p.c[k] = s / (k * a.c[0]);
    }
    return p;
}
template <int N>
Taylor<N> Pow(const Taylor<N>& a, const Taylor<N>& b) {
    if (b.IsConstant()) return PowConstant(a, b.c[0]);
    if (!(a.c[0] > 0)) return Undefined<N>();
    return Exp(b * Ln(a));
}

// ---- Plain extended values (what the graphs are drawn with) --------------------

// a^b: by repeated squaring in extended precision for a whole b up to 64
// in size (x^3 as x·x·x, fast and without the rounding of the logarithm),
// otherwise the double power.
long double WidePower(long double a, long double b);

inline long double Abs(long double a) { return std::fabs(a); }
inline long double Sqrt(long double a) { return std::sqrt(a); }
inline long double Sin(long double a) { return std::sin(static_cast<double>(a)); }
inline long double Cos(long double a) { return std::cos(static_cast<double>(a)); }
inline long double Tan(long double a) { return std::tan(static_cast<double>(a)); }
inline long double Ln(long double a) { return std::log(static_cast<double>(a)); }
inline long double Lg(long double a) { return std::log10(static_cast<double>(a)); }
inline long double Exp(long double a) { return std::exp(static_cast<double>(a)); }
inline long double Pow(long double a, long double b) { return WidePower(a, b); }

}  // namespace numora::maths
