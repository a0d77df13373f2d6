// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotCurve.h"

#include <cmath>
#include <limits>

#include "Plotter.h"

namespace numora::maths {

long double WidePower(long double a, long double b) {
    if (b == std::trunc(b) && std::fabs(b) <= 64) {
        long double result = 1, base = a;
        for (auto n = static_cast<unsigned>(std::fabs(b)); n > 0; n >>= 1) {
            if (n & 1) result *= base;
            base *= base;
        }
        return b < 0 ? 1 / result : result;
    }
    return std::pow(static_cast<double>(a), static_cast<double>(b));
}


// In extended precision, rounded once at the end: values where terms cancel
// (1.9² − 3·1.9 + 2) come out as the nearest double to the exact value at x
// (-0.09, not -0.0899999999999994).
double Curve::At(long double x) const {
    using Wide = long double;
    const Wide X = x, p = c[0], q = c[1], r = c[2], s = c[3];
    Wide y = 0;
    switch (kind) {
        case CurveKind::Linear: y = p * X + q; break;
        case CurveKind::Quadratic: y = p * X * X + q * X + r; break;
        case CurveKind::Exponential: y = std::pow(c[0], static_cast<double>(X)); break;
        case CurveKind::Logarithm: y = std::log(static_cast<double>(X)) / std::log(c[0]); break;
        case CurveKind::Inverse: y = p / X; break;
        case CurveKind::Sine: y = p * Sin(q * X + r) + s; break;
        case CurveKind::Cosine: y = p * Cos(q * X + r) + s; break;
        case CurveKind::Power: y = p * WidePower(X, q); break;
        case CurveKind::Tangent: y = p * Tan(q * X + r); break;
        case CurveKind::Absolute: y = p * std::fabs(X - q) + r; break;
        case CurveKind::Typed:
            return typed ? typed->At(x, {c[0], c[1], c[2]}) : std::numeric_limits<double>::quiet_NaN();
    }
    const double rounded = static_cast<double>(y);
    return std::isfinite(rounded) ? rounded : std::numeric_limits<double>::quiet_NaN();
}

namespace {

// r^x for a constant base r > 0.
Bounded ConstantBasePower(double r, const Bounded& x) { return Pow(Bounded(r), x); }
template <int N>
Taylor<N> ConstantBasePower(double r, const Taylor<N>& x) {
    Taylor<N> p;
    p.c[0] = std::pow(r, static_cast<double>(x.c[0]));
    if (p.c[0] == 0 || std::isinf(p.c[0])) p.c[0] = std::pow(static_cast<long double>(r), x.c[0]);
    // d/dx r^u = ln r · u' · r^u.
    const Taylor<N> rate = x * Taylor<N>(std::log(static_cast<long double>(r)));
    for (int k = 1; k <= N; ++k) {
        long double s = 0;
        for (int j = 1; j <= k; ++j) s += j * rate.c[j] * p.c[k - j];
        p.c[k] = s / k;
    }
    return p;
}

// x^b for a constant exponent b.
Bounded ConstantPower(const Bounded& x, double b) { return Pow(x, Bounded(b)); }
template <int N>
Taylor<N> ConstantPower(const Taylor<N>& x, double b) {
    return PowConstant(x, b);
}

}  // namespace

template <typename T>
T Curve::Eval(const T& x) const {
    const T p(c[0]), q(c[1]), r(c[2]), s(c[3]);
    switch (kind) {
        case CurveKind::Linear: return p * x + q;
        case CurveKind::Quadratic: return p * x * x + q * x + r;
        case CurveKind::Exponential: return ConstantBasePower(c[0], x);
        case CurveKind::Logarithm: return Ln(x) / T(std::log(static_cast<long double>(c[0])));
        case CurveKind::Inverse: return p / x;
        case CurveKind::Sine: return p * Sin(q * x + r) + s;
        case CurveKind::Cosine: return p * Cos(q * x + r) + s;
        case CurveKind::Power: return p * ConstantPower(x, c[1]);
        case CurveKind::Tangent: return p * Tan(q * x + r);
        case CurveKind::Absolute: return p * Abs(x - q) + r;
        case CurveKind::Typed:
            if (typed) return typed->Run(x, {c[0], c[1], c[2]});
            break;
    }
    return T(std::numeric_limits<long double>::quiet_NaN());
}

template Bounded Curve::Eval(const Bounded&) const;
template Taylor<1> Curve::Eval(const Taylor<1>&) const;
template Taylor<4> Curve::Eval(const Taylor<4>&) const;

bool Curve::SameAs(const Curve& other) const {
    if (kind != other.kind || c != other.c) return false;
    if (kind != CurveKind::Typed) return true;
    return typed && other.typed && *typed == *other.typed;
}

namespace {

// Follows the larger rise of [a, b] by halving: a continuous function's rise
// shrinks with the step, one across a pole or a jump does not. True when it
// shrinks below `small`; false when it stays above `jump` down to
// neighbouring doubles, or the function is undefined inside.
bool Continuous(const Curve& f, double a, double ya, double b, double yb, double small, double jump) {
    for (int i = 0; i < 64; ++i) {
        if (std::fabs(yb - ya) <= small) return true;
        const double m = a + (b - a) / 2;
        if (!(m > a && m < b)) break;
        const double ym = f(m);
        if (std::isnan(ym)) return false;
        if (std::fabs(ym - ya) >= std::fabs(yb - ym)) {
            b = m, yb = ym;
        } else {
            a = m, ya = ym;
        }
    }
    return std::fabs(yb - ya) <= jump;
}

// The last point where f is defined between `inside` (defined) and
// `outside` (undefined), to within neighbouring doubles.
double DomainEdge(const Curve& f, double inside, double outside) {
    for (int i = 0; i < 64; ++i) {
        const double m = inside + (outside - inside) / 2;
        if (m == inside || m == outside) break;
        if (std::isnan(f(m)))
            outside = m;
        else
            inside = m;
    }
    return inside;
}

}  // namespace

std::vector<Segment> SampleCurve(const Curve& f, const CanvasMapping& view, std::size_t intervals) {
    std::vector<Segment> out;
    const double x0 = std::min(view.left, view.right), x1 = std::max(view.left, view.right);
    const double y0 = std::min(view.top, view.bottom), y1 = std::max(view.top, view.bottom);
    const double height = y1 - y0;
    if (intervals == 0 || !(x0 < x1) || !std::isfinite(x1 - x0) || !(height > 0) || !std::isfinite(height)) return out;
    const double step = (x1 - x0) / static_cast<double>(intervals);
    // A rise of more than a 64th of the view's height in one step is
    // checked for a break; the view's height in 2048ths is "no rise".
    const double steep = height / 64, small = height / 2048;
    out.reserve(intervals);
    auto emit = [&](double a, double ya, double b, double yb) {
        if ((ya > y1 && yb > y1) || (ya < y0 && yb < y0)) return;  // beside the view
        if (std::fabs(yb - ya) > steep && !Continuous(f, a, ya, b, yb, small, steep)) return;
        out.push_back({a, ya, b, yb});
    };
    double a = x0, ya = f(a);
    for (std::size_t i = 1; i <= intervals; ++i) {
        const double b = i == intervals ? x1 : x0 + static_cast<double>(i) * step;
        const double yb = f(b);
        const bool aDefined = !std::isnan(ya), bDefined = !std::isnan(yb);
        if (aDefined && bDefined) {
            emit(a, ya, b, yb);
        } else if (aDefined != bDefined) {
            // The graph runs up to the edge of the function's domain.
            const double edge = aDefined ? DomainEdge(f, a, b) : DomainEdge(f, b, a);
            const double yEdge = f(edge);
            if (aDefined && edge != a)
                emit(a, ya, edge, yEdge);
            else if (bDefined && edge != b)
                emit(edge, yEdge, b, yb);
        }
        a = b, ya = yb;
    }
    return out;
}

}  // namespace numora::maths
