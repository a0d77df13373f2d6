// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyPoints.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <tuple>

#include "NumberText.h"
#include "SignSearch.h"

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
    // One Newton step in extended precision takes each root to the double
    // nearest to it (the quotients above may leave it a unit off).
    auto polish = [a, b, c](double x) {
        const long double X = x, slope = 2 * static_cast<long double>(a) * X + b;
        if (slope == 0) return x;
        const double better = static_cast<double>(X - ((a * X + b) * X + c) / slope);
        return std::isfinite(better) ? better : x;
    };
    double r1 = polish(s / a), r2 = polish(c / s);
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
    std::vector<KeyNote> notes;
    bool tooMany = false;
    void Add(KeyKind kind, double x, double y, std::size_t curve, std::size_t other) {
        points.push_back({kind, x, y, curve, other});
    }
};

// Zeros and extrema of the sine (cosine) kind: A·sin(u) + d = 0 and the
// crests u = π/2 + kπ (u = kπ).
void SineKeyPoints(const Curve& f, bool cosine, std::size_t index, const Box& box, Found& out) {
    const auto [a, w, phi, d] = f.c;
    if (a == 0 || w == 0) {  // a constant
        if ((a == 0 ? d : a * (cosine ? std::cos(phi) : std::sin(phi)) + d) == 0)
            out.notes.push_back({KeyNoteKind::ZeroFunction, index, index});
        return;
    }
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

// Whether pieces of two graphs are the same polynomial over the whole of
// [box.x0, box.x1].
bool CoincideOn(const std::vector<Piece>& p, const std::vector<Piece>& q, const Box& box) {
    for (const Piece& u : p) {
        for (const Piece& v : q) {
            const double from = std::max({u.from, v.from, box.x0}), to = std::min({u.to, v.to, box.x1});
            if (from < to && (u.a != v.a || u.b != v.b || u.c != v.c)) return false;
        }
    }
    return true;
}

// ---- One graph -------------------------------------------------------------------

// Each graph's samples for the sign searches, taken once.
class SampleCache {
public:
    SampleCache(const std::vector<Curve>& curves, const Box& box, std::size_t scan)
        : curves_(curves), box_(box), scan_(scan), samples_(curves.size()) {}
    const Samples& Of(std::size_t i) {
        if (!samples_[i]) samples_[i] = SampleSigns(curves_[i], box_.x0, box_.x1, scan_);
        return *samples_[i];
    }

private:
    const std::vector<Curve>& curves_;
    Box box_;
    std::size_t scan_;
    std::vector<std::optional<Samples>> samples_;
};

// The zeros and extrema a sign search finds, with the family cap.
void NumericKeyPoints(const Curve& f, std::size_t index, const Box& box, SampleCache& samples, Found& out) {
    const SignSearch found = SearchSigns(f, samples.Of(index), nullptr, nullptr, box.x0, box.x1, kMaxKeyPoints);
    if (found.zeroEverywhere) {
        out.notes.push_back({KeyNoteKind::ZeroFunction, index, index});
        return;
    }
    out.tooMany = out.tooMany || found.tooMany;
    for (const auto& e : found.extrema)
        out.Add(e.maximum ? KeyKind::Maximum : KeyKind::Minimum, e.x, f(e.x), index, index);
    for (double x : found.zeros) out.Add(KeyKind::Zero, x, 0, index, index);
}

void CurveKeyPoints(const Curve& f, std::size_t index, const Box& box, SampleCache& samples, Found& out) {
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
            // An even whole power has its vertex at 0, as x² typed has.
            if (c[1] > 0 && c[1] == std::trunc(c[1]) && std::fmod(c[1], 2) == 0)
                out.Add(c[0] > 0 ? KeyKind::Minimum : KeyKind::Maximum, 0, 0, index, index);
            break;
        case CurveKind::Tangent: {
            if (c[0] == 0 || c[1] == 0) {
                if (c[0] == 0 || std::tan(c[2]) == 0) out.notes.push_back({KeyNoteKind::ZeroFunction, index, index});
                break;
            }
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
        case CurveKind::Typed: NumericKeyPoints(f, index, box, samples, out); break;
    }
    if (box.x0 <= 0 && box.x1 >= 0) {
        const double y = f(0);
        if (!std::isnan(y)) out.Add(KeyKind::YIntercept, 0, y, index, index);
    }
}

void PairKeyPoints(const Curve& f, std::size_t i, const Curve& g, std::size_t j, const Box& box, SampleCache& samples,
                   Found& out) {
    if (f.SameAs(g)) {
        out.notes.push_back({KeyNoteKind::SameGraph, i, j});
        return;
    }
    const auto p = Pieces(f), q = Pieces(g);
    std::vector<double> xs;
    if (!p.empty() && !q.empty()) {
        const auto closed = PieceIntersections(p, q, box);
        if (!closed) {
            // They coincide on a piece: the same graph when on the whole range.
            if (CoincideOn(p, q, box)) out.notes.push_back({KeyNoteKind::SameGraph, i, j});
            return;
        }
        xs = *closed;
    } else {
        const SignSearch found = SearchSigns(f, samples.Of(i), &g, &samples.Of(j), box.x0, box.x1, kMaxKeyPoints, false);
        if (found.zeroEverywhere) {
            out.notes.push_back({KeyNoteKind::SameGraph, i, j});
            return;
        }
        if (found.tooMany) {
            out.tooMany = true;
            return;
        }
        xs = found.zeros;
    }
    for (double x : xs) {
        const double y = f(x);
        if (!std::isnan(y) && !std::isnan(g(x))) out.Add(KeyKind::Intersection, x, y, i, j);
    }
}

}  // namespace

const char* KeyNoteName(KeyNoteKind kind) {
    switch (kind) {
        case KeyNoteKind::ZeroFunction: return "函数值恒为0";
        case KeyNoteKind::SameGraph: return "图象重合";
    }
    return "";
}

std::string KeyNoteLine(const KeyNote& note, std::size_t graphs) {
    std::string line = KeyNoteName(note.kind);
    if (note.kind == KeyNoteKind::SameGraph)
        line += " 曲线" + std::to_string(note.curve + 1) + " 曲线" + std::to_string(note.other + 1);
    else if (graphs > 1)
        line += " 曲线" + std::to_string(note.curve + 1);
    return line;
}

KeyPoints FindKeyPoints(const std::vector<Curve>& curves, const CanvasMapping& view, std::size_t scan) {
    KeyPoints result;
    const Box box{std::min(view.left, view.right), std::max(view.left, view.right), std::min(view.top, view.bottom),
                  std::max(view.top, view.bottom)};
    if (!(box.x0 < box.x1) || !std::isfinite(box.x1 - box.x0) || scan == 0) return result;
    Found found;
    SampleCache samples(curves, box, scan);
    for (std::size_t i = 0; i < curves.size(); ++i) CurveKeyPoints(curves[i], i, box, samples, found);
    for (std::size_t i = 0; i < curves.size(); ++i)
        for (std::size_t j = i + 1; j < curves.size(); ++j) PairKeyPoints(curves[i], i, curves[j], j, box, samples, found);
    // A graph that is 0 throughout has no zeros to list: it says so instead.
    auto zeroFunction = [&found](std::size_t curve) {
        return std::any_of(found.notes.begin(), found.notes.end(), [curve](const KeyNote& n) {
            return n.kind == KeyNoteKind::ZeroFunction && n.curve == curve;
        });
    };
    for (const KeyPoint& p : found.points)
        if (std::isfinite(p.x) && std::isfinite(p.y) && box.Holds(p.x, p.y) &&
            !(p.kind == KeyKind::Zero && zeroFunction(p.curve)))
            result.points.push_back(p);
    std::sort(result.points.begin(), result.points.end(), [](const KeyPoint& a, const KeyPoint& b) {
        return std::tie(a.x, a.kind, a.curve, a.other) < std::tie(b.x, b.kind, b.curve, b.other);
    });
    result.tooMany = found.tooMany;
    // However they came, never more than the cap.
    if (result.points.size() > kMaxKeyPoints) {
        result.points.resize(kMaxKeyPoints);
        result.tooMany = true;
    }
    result.notes = std::move(found.notes);
    return result;
}

}  // namespace numora::maths
