// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyPoints.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numbers>
#include <optional>
#include <tuple>

#include "NumberText.h"

namespace numora::maths {

const char* KeyKindName(KeyKind kind) {
    switch (kind) {
        case KeyKind::Zero: return "零点";
        case KeyKind::Maximum: return "极大值点";
        case KeyKind::Minimum: return "极小值点";
        case KeyKind::YIntercept: return "y轴交点";
        case KeyKind::Intersection: return "交点";
    }
    return "";
}

std::string KeyPointLine(const KeyPoint& p) {
    return std::string(KeyKindName(p.kind)) + ' ' + FormatResult(NumberText(p.x)) + ' ' + FormatResult(NumberText(p.y));
}

namespace {

constexpr double kPi = std::numbers::pi;

struct Box {
    double x0, x1, y0, y1;
    bool Holds(double x, double y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

// ---- Closed forms ---------------------------------------------------------------

// The real roots of a·x² + b·x + c = 0 in increasing order (a double root
// once). The coefficients are scaled by a power of two (exactly) so the
// discriminant neither overflows nor underflows, and the discriminant is
// computed with its rounding errors (fma), so near-double roots stay
// accurate. Nothing when a = b = 0.
std::vector<double> QuadraticRoots(double a, double b, double c) {
    if (a == 0) {
        if (b == 0) return {};
        return {-c / b};
    }
    int e = 0;
    std::frexp(std::max({std::fabs(a), std::fabs(b), std::fabs(c)}), &e);
    a = std::ldexp(a, -e), b = std::ldexp(b, -e), c = std::ldexp(c, -e);
    const double p = b * b, dp = std::fma(b, b, -p);
    const double q = 4 * a * c, dq = std::fma(4 * a, c, -q);
    const double d = (p - q) + (dp - dq);
    if (d < 0) return {};
    if (d == 0) return {-b / (2 * a)};
    const double s = -(b + std::copysign(std::sqrt(d), b)) / 2;
    double r1 = s / a, r2 = c / s;
    if (r1 > r2) std::swap(r1, r2);
    return {r1, r2};
}

// The vertex of a·x² + b·x + c: (−b / 2a, −D / 4a).
std::pair<double, double> Vertex(double a, double b, double c) {
    int e = 0;
    std::frexp(std::max({std::fabs(a), std::fabs(b), std::fabs(c)}), &e);
    const double sa = std::ldexp(a, -e), sb = std::ldexp(b, -e), sc = std::ldexp(c, -e);
    const double p = sb * sb, dp = std::fma(sb, sb, -p);
    const double q = 4 * sa * sc, dq = std::fma(4 * sa, sc, -q);
    const double d = (p - q) + (dp - dq);
    return {-b / (2 * a), std::ldexp(-d / (4 * sa), e)};
}

// The x of u = ω·x + φ for u = base + k·period, for every whole k with x in
// [x0, x1]; false when there are more than kMaxKeyPoints of them.
bool Family(double omega, double phi, double base, double period, const Box& box, std::vector<double>& xs,
            std::vector<double>* ks = nullptr) {
    double u0 = omega * box.x0 + phi, u1 = omega * box.x1 + phi;
    if (u0 > u1) std::swap(u0, u1);
    if (!std::isfinite(u0) || !std::isfinite(u1)) return false;
    const double kFirst = std::ceil((u0 - base) / period), kLast = std::floor((u1 - base) / period);
    if (!(kLast >= kFirst)) return true;
    if (kLast - kFirst + 1 > static_cast<double>(kMaxKeyPoints)) return false;
    for (double k = kFirst; k <= kLast; ++k) {
        const double x = (base + k * period - phi) / omega;
        if (x >= box.x0 && x <= box.x1) {
            xs.push_back(x);
            if (ks) ks->push_back(k);
        }
    }
    return true;
}

struct Found {
    std::vector<KeyPoint> points;
    bool tooMany = false;
    void Add(KeyKind kind, double x, double y, std::size_t curve, std::size_t other) {
        points.push_back({kind, x, y, curve, other});
    }
};

// Zeros and extrema of the sine (cosine) kind: A·sin(u) + d = 0 and the
// crests u = π/2 + kπ (u = kπ).
void SineKeyPoints(const Curve& f, bool cosine, std::size_t index, const Box& box, Found& out) {
    const auto [a, w, phi, d] = f.c;
    if (a == 0 || w == 0) return;  // a constant
    std::vector<double> xs, ks;
    if (!Family(w, phi, cosine ? 0 : kPi / 2, kPi, box, xs, &ks)) {
        out.tooMany = true;
    } else {
        for (std::size_t i = 0; i < xs.size(); ++i) {
            const double sign = std::fmod(ks[i], 2) == 0 ? 1 : -1;  // sin(π/2 + kπ), cos(kπ)
            const double y = a * sign + d;
            out.Add(a * sign > 0 ? KeyKind::Maximum : KeyKind::Minimum, xs[i], y, index, index);
        }
    }
    const double s = -d / a;
    if (!(std::fabs(s) <= 1)) return;
    // sin u = s at asin s and π − asin s; cos u = s at ±acos s; when these
    // coincide (s = ±1) one family, the crests.
    const double first = cosine ? std::acos(s) : std::asin(s);
    const double second = cosine ? -first : kPi - first;
    xs.clear();
    bool fits = Family(w, phi, first, 2 * kPi, box, xs);
    if (std::fabs(s) != 1) fits = Family(w, phi, second, 2 * kPi, box, xs) && fits;
    if (!fits) {
        out.tooMany = true;
        return;
    }
    for (double x : xs) out.Add(KeyKind::Zero, x, 0, index, index);
}

// ---- Numeric search -------------------------------------------------------------

// Doubles in their order as integers, so that bisection on the integers
// reaches neighbouring doubles in at most 64 steps from any bracket.
std::int64_t Ordered(double d) {
    std::int64_t i;
    std::memcpy(&i, &d, sizeof i);
    return i < 0 ? std::numeric_limits<std::int64_t>::min() - i : i;
}
double FromOrdered(std::int64_t k) {
    const std::int64_t i = k < 0 ? std::numeric_limits<std::int64_t>::min() - k : k;
    double d;
    std::memcpy(&d, &i, sizeof d);
    return d;
}
double Middle(double lo, double hi) {
    const std::int64_t a = Ordered(lo), b = Ordered(hi);
    return FromOrdered(a / 2 + b / 2 + (a % 2 + b % 2) / 2);
}
double Ulp(double x) {
    const double m = std::fabs(x);
    return std::nextafter(m, std::numeric_limits<double>::infinity()) - m;
}

template <typename F>
struct Scan {
    const F& f;
    std::vector<double> xs, ys;

    Scan(const F& function, const Box& box, std::size_t n) : f(function) {
        xs.resize(n + 1);
        ys.resize(n + 1);
        const double step = (box.x1 - box.x0) / static_cast<double>(n);
        for (std::size_t i = 0; i <= n; ++i) {
            xs[i] = i == n ? box.x1 : box.x0 + static_cast<double>(i) * step;
            ys[i] = f(xs[i]);
        }
    }

    // Zeros: samples where f is 0, and sign changes narrowed by bisection to
    // neighbouring doubles. A sign change whose value does not shrink as the
    // bracket does (a pole, a jump) is no zero: at the end the value must be
    // what the function's slope across the bracket gives over a few ulps.
    std::vector<double> Zeros(bool& tooMany) const {
        std::vector<double> zeros;
        const std::size_t n = xs.size() - 1;
        for (std::size_t i = 0; i <= n; ++i) {
            if (ys[i] == 0) {
                zeros.push_back(xs[i]);
                continue;
            }
            if (i == n || ys[i + 1] == 0 || std::isnan(ys[i]) || std::isnan(ys[i + 1])) continue;
            if ((ys[i] < 0) == (ys[i + 1] < 0)) continue;
            double lo = xs[i], hi = xs[i + 1], flo = ys[i], fhi = ys[i + 1];
            std::optional<double> root;
            for (int step = 0; step < 80; ++step) {
                const double m = Middle(lo, hi);
                if (!(m > lo && m < hi)) break;
                const double fm = f(m);
                if (std::isnan(fm)) break;
                if (fm == 0) {
                    root = m;
                    break;
                }
                if ((fm < 0) == (flo < 0))
                    lo = m, flo = fm;
                else
                    hi = m, fhi = fm;
            }
            if (!root) {
                const double best = std::fabs(flo) <= std::fabs(fhi) ? lo : hi;
                const double left = std::min(std::fabs(flo), std::fabs(fhi));
                const double slope = std::fabs(ys[i + 1] - ys[i]) / (xs[i + 1] - xs[i]);
                if (Middle(lo, hi) > lo && Middle(lo, hi) < hi) continue;  // stopped early: undefined inside
                if (!(left <= 1024 * slope * Ulp(best))) continue;         // a pole or a jump
                root = best;
            }
            zeros.push_back(*root);
            if (zeros.size() > kMaxKeyPoints) {
                tooMany = true;
                return {};
            }
        }
        return zeros;
    }

    struct Extremum {
        double x, y;
        bool maximum;
        double spread;  // the larger value change next to it among the samples
    };

    // Extrema: a sample (or a run of equal samples) above (below) both
    // neighbours, refined by golden-section search between them and moved
    // to the shortest decimal x that is as high (low). A peak the search
    // finds far above the samples' steps is a pole, not a crest.
    std::vector<Extremum> Extrema(bool& tooMany) const {
        std::vector<Extremum> found;
        const std::size_t n = xs.size() - 1;
        for (std::size_t i = 1; i < n; ++i) {
            std::size_t j = i;
            while (j < n && ys[j + 1] == ys[i]) ++j;
            const double before = ys[i - 1], here = ys[i];
            if (j >= n) break;
            const double after = ys[j + 1];
            const std::size_t next = j;
            if (std::isnan(before) || std::isnan(here) || std::isnan(after) ||
                !((here > before && here > after) || (here < before && here < after))) {
                i = next;
                continue;
            }
            const bool maximum = here > before;
            const double sign = maximum ? 1 : -1;
            auto g = [&](double x) {
                const double v = f(x);
                return std::isnan(v) ? -std::numeric_limits<double>::infinity() : sign * v;
            };
            // Bisection on the sign of the central difference over a fixed
            // small h: the crest to about 1E-10 of the step where the
            // values alone would give it to 1E-8 (their flatness).
            const double step = xs[i] - xs[i - 1];
            const double h = step * 5e-3;
            double lo = xs[i - 1], hi = xs[j + 1];
            for (int k = 0; k < 80; ++k) {
                const double m = lo + (hi - lo) / 2;
                if (!(m > lo && m < hi)) break;
                const double d = g(m + h) - g(m - h);
                if (d > 0)
                    lo = m;
                else if (d < 0)
                    hi = m;
                else
                    lo = hi = m;
            }
            double x = lo + (hi - lo) / 2, best = g(x);
            if (sign * here > best) x = xs[i], best = sign * here;
            // The shortest decimal within the crest's uncertainty (1.5 for
            // 1.50000000003).
            const double near = step * 1e-7;
            for (double unit = std::pow(10.0, std::ceil(std::log10(step))); unit >= near / 10; unit /= 10) {
                const double shorter = std::round(x / unit) * unit;
                if (std::fabs(shorter - x) <= near && g(shorter) >= best - std::fabs(best) * 1e-15) {
                    x = shorter, best = g(shorter);
                    break;
                }
            }
            const double y = sign * best;
            const double spread = std::max(std::fabs(here - before), std::fabs(after - ys[j]));
            if (std::isfinite(y) && std::fabs(y - here) <= 2 * spread) found.push_back({x, y, maximum, spread});
            if (found.size() > kMaxKeyPoints) {
                tooMany = true;
                return {};
            }
            i = next;
        }
        return found;
    }
};

// The zeros of f in the box: sign changes, and extrema that touch 0.
template <typename F>
std::vector<double> NumericZeros(const Scan<F>& scan, const std::vector<typename Scan<F>::Extremum>& extrema,
                                 bool& tooMany) {
    std::vector<double> zeros = scan.Zeros(tooMany);
    for (const auto& e : extrema)
        if (std::fabs(e.y) <= 1e-9 * e.spread) zeros.push_back(e.x);
    std::sort(zeros.begin(), zeros.end());
    const double near = (scan.xs.back() - scan.xs.front()) / static_cast<double>(scan.xs.size()) / 1000;
    zeros.erase(std::unique(zeros.begin(), zeros.end(), [near](double a, double b) { return b - a <= near; }),
                zeros.end());
    return zeros;
}

// ---- Polynomial pieces (the closed-form intersections) -------------------------------

struct Piece {
    double from, to;  // the piece holds from <= x <= to
    double a, b, c;   // a·x² + b·x + c
};

std::vector<Piece> Pieces(const Curve& f) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    switch (f.kind) {
        case CurveKind::Linear: return {{-inf, inf, 0, f.c[0], f.c[1]}};
        case CurveKind::Quadratic: return {{-inf, inf, f.c[0], f.c[1], f.c[2]}};
        case CurveKind::Absolute: {
            const auto [a, h, k, unused] = f.c;
            return {{-inf, h, 0, -a, k + a * h}, {h, inf, 0, a, k - a * h}};
        }
        default: return {};
    }
}

// The x where two polynomial-piece graphs meet; nullopt when they coincide
// on a piece (no single points to show).
std::optional<std::vector<double>> PieceIntersections(const std::vector<Piece>& p, const std::vector<Piece>& q,
                                                      const Box& box) {
    std::vector<double> xs;
    for (const Piece& u : p) {
        for (const Piece& v : q) {
            const double from = std::max({u.from, v.from, box.x0}), to = std::min({u.to, v.to, box.x1});
            if (!(from <= to)) continue;
            const double a = u.a - v.a, b = u.b - v.b, c = u.c - v.c;
            if (a == 0 && b == 0) {
                if (c == 0 && from < to) return std::nullopt;
                if (c != 0) continue;
            }
            for (double x : QuadraticRoots(a, b, c))
                if (x >= from && x <= to) xs.push_back(x);
        }
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    return xs;
}

// ---- One graph -------------------------------------------------------------------

void CurveKeyPoints(const Curve& f, std::size_t index, const Box& box, std::size_t scan, Found& out) {
    auto zero = [&](double x) { out.Add(KeyKind::Zero, x, 0, index, index); };
    const auto& c = f.c;
    switch (f.kind) {
        case CurveKind::Linear: zero(-c[1] / c[0]); break;
        case CurveKind::Quadratic: {
            for (double x : QuadraticRoots(c[0], c[1], c[2])) zero(x);
            const auto [x, y] = Vertex(c[0], c[1], c[2]);
            out.Add(c[0] > 0 ? KeyKind::Minimum : KeyKind::Maximum, x, y, index, index);
            break;
        }
        case CurveKind::Exponential:
        case CurveKind::Inverse: break;
        case CurveKind::Logarithm: zero(1); break;
        case CurveKind::Sine:
        case CurveKind::Cosine: SineKeyPoints(f, f.kind == CurveKind::Cosine, index, box, out); break;
        case CurveKind::Power:
            if (c[1] > 0) zero(0);
            break;
        case CurveKind::Tangent: {
            if (c[0] == 0 || c[1] == 0) break;
            std::vector<double> xs;
            if (!Family(c[1], c[2], 0, kPi, box, xs)) {
                out.tooMany = true;
                break;
            }
            for (double x : xs) zero(x);
            break;
        }
        case CurveKind::Absolute: {
            const auto [a, h, k, unused] = c;
            out.Add(a > 0 ? KeyKind::Minimum : KeyKind::Maximum, h, k, index, index);
            const double t = -k / a;
            if (t == 0) {
                zero(h);
            } else if (t > 0) {
                zero(h - t);
                zero(h + t);
            }
            break;
        }
        case CurveKind::Typed: {
            const Scan<Curve> s(f, box, scan);
            bool tooMany = false;
            const auto extrema = s.Extrema(tooMany);
            for (const auto& e : extrema) out.Add(e.maximum ? KeyKind::Maximum : KeyKind::Minimum, e.x, e.y, index, index);
            for (double x : NumericZeros(s, extrema, tooMany)) zero(x);
            out.tooMany = out.tooMany || tooMany;
            break;
        }
    }
    if (box.x0 <= 0 && box.x1 >= 0) {
        const double y = f(0);
        if (!std::isnan(y)) out.Add(KeyKind::YIntercept, 0, y, index, index);
    }
}

void PairKeyPoints(const Curve& f, std::size_t i, const Curve& g, std::size_t j, const Box& box, std::size_t scan,
                   Found& out) {
    const auto p = Pieces(f), q = Pieces(g);
    std::vector<double> xs;
    if (!p.empty() && !q.empty()) {
        const auto closed = PieceIntersections(p, q, box);
        if (!closed) return;  // the graphs coincide
        xs = *closed;
    } else {
        auto h = [&f, &g](double x) { return f(x) - g(x); };
        const Scan<decltype(h)> s(h, box, scan);
        if (std::all_of(s.ys.begin(), s.ys.end(), [](double v) { return v == 0 || std::isnan(v); })) return;
        bool tooMany = false;
        xs = NumericZeros(s, s.Extrema(tooMany), tooMany);
        if (tooMany) {
            out.tooMany = true;
            return;
        }
    }
    for (double x : xs) {
        const double y = f(x);
        if (!std::isnan(y) && !std::isnan(g(x))) out.Add(KeyKind::Intersection, x, y, i, j);
    }
}

}  // namespace

KeyPoints FindKeyPoints(const std::vector<Curve>& curves, const CanvasMapping& view, std::size_t scan) {
    KeyPoints result;
    const Box box{std::min(view.left, view.right), std::max(view.left, view.right), std::min(view.top, view.bottom),
                  std::max(view.top, view.bottom)};
    if (!(box.x0 < box.x1) || !std::isfinite(box.x1 - box.x0) || scan == 0) return result;
    Found found;
    for (std::size_t i = 0; i < curves.size(); ++i) CurveKeyPoints(curves[i], i, box, scan, found);
    for (std::size_t i = 0; i < curves.size(); ++i)
        for (std::size_t j = i + 1; j < curves.size(); ++j) PairKeyPoints(curves[i], i, curves[j], j, box, scan, found);
    for (const KeyPoint& p : found.points)
        if (std::isfinite(p.x) && std::isfinite(p.y) && box.Holds(p.x, p.y)) result.points.push_back(p);
    std::sort(result.points.begin(), result.points.end(), [](const KeyPoint& a, const KeyPoint& b) {
        return std::tie(a.x, a.kind, a.curve, a.other) < std::tie(b.x, b.kind, b.curve, b.other);
    });
    result.tooMany = found.tooMany;
    return result;
}

}  // namespace numora::maths
