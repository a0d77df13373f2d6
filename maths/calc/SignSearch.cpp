// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SignSearch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <optional>

#include "CurveMath.h"

namespace numora::maths {
namespace {

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
// How many doubles lie from a to b (a <= b), without overflow across 0.
std::uint64_t Apart(double a, double b) {
    return static_cast<std::uint64_t>(Ordered(b)) - static_cast<std::uint64_t>(Ordered(a));
}
double Ulp(double x) {
    const double m = std::fabs(x);
    return std::nextafter(m, std::numeric_limits<double>::infinity()) - m;
}

int PlainSign(long double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

// The number with the fewest significant digits in [lo, hi].
double ShortestWithin(double lo, double hi) {
    if (lo <= 0 && hi >= 0) return 0;
    const double middle = lo / 2 + hi / 2, width = hi - lo;
    if (!(width > 0) || !std::isfinite(width)) return middle;
    for (double unit = std::pow(10.0, std::ceil(std::log10(std::fabs(middle)))); unit >= width / 100; unit /= 10) {
        const double candidate = std::round(middle / unit) * unit;
        if (candidate >= lo && candidate <= hi) return candidate;
    }
    return middle;
}

// f − g, or f alone.
struct Difference {
    const Curve& f;
    const Curve* g;

    Bounded Value(double x) const {
        const Bounded v = f.Eval(Bounded(x));
        return g ? v - g->Eval(Bounded(x)) : v;
    }
    template <int N>
    Taylor<N> Series(double x) const {
        const auto t = Taylor<N>::Variable(x);
        const Taylor<N> v = f.Eval(t);
        return g ? v - g->Eval(t) : v;
    }
};

struct Point {
    double x;
    Bounded v;
};

class Search {
public:
    Search(const Difference& h, const Samples& fs, const Samples* gs, double x0, double x1, std::size_t cap)
        : h_(h), x0_(x0), x1_(x1), cap_(cap) {
        samples_.reserve(fs.x.size());
        slopes_.reserve(fs.x.size());
        for (std::size_t i = 0; i < fs.x.size(); ++i) {
            samples_.push_back({fs.x[i], gs ? fs.value[i] - gs->value[i] : fs.value[i]});
            slopes_.push_back(gs ? fs.slope[i] - gs->slope[i] : fs.slope[i]);
        }
    }

    bool ZeroEverywhere() const {
        bool any = false;
        for (const Point& p : samples_) {
            if (p.x < x0_ || p.x > x1_ || !p.v.Defined()) continue;
            if (p.v.Sign() != 0) return false;
            any = true;
        }
        return any;
    }

    struct Crest {
        double x;
        Bounded v;
        bool maximum;
    };

    // Where the derivative changes sign between samples, and the function
    // is higher (lower) there than at both ends of the bracket.
    std::vector<Crest> Extrema(bool& tooMany) const {
        std::vector<Crest> found;
        int last = 0;
        std::size_t lastAt = 0;
        for (std::size_t i = 0; i < samples_.size(); ++i) {
            if (!samples_[i].v.Defined() || !std::isfinite(slopes_[i])) {
                last = 0;
                continue;
            }
            const int s = PlainSign(slopes_[i]);
            if (s == 0) continue;
            if (last != 0 && s != last) {
                if (auto crest = RefineCrest(lastAt, i, last)) {
                    found.push_back(*crest);
                    if (found.size() > cap_) {
                        tooMany = true;
                        return {};
                    }
                }
            }
            last = s;
            lastAt = i;
        }
        return found;
    }

    // Sign changes among the samples and the crests between them.
    std::vector<double> Zeros(const std::vector<Crest>& crests, bool& tooMany) const {
        // The samples are in order already; the crests are merged in.
        std::vector<Point> crestPoints;
        for (const Crest& c : crests) crestPoints.push_back({c.x, c.v});
        std::sort(crestPoints.begin(), crestPoints.end(), [](const Point& a, const Point& b) { return a.x < b.x; });
        std::vector<Point> points;
        points.reserve(samples_.size() + crestPoints.size());
        std::merge(samples_.begin(), samples_.end(), crestPoints.begin(), crestPoints.end(), std::back_inserter(points),
                   [](const Point& a, const Point& b) { return a.x < b.x; });
        std::vector<double> zeros;
        std::optional<Point> last;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point& p = points[i];
            // Where the domain ends (√x at 0), a value that cannot be told
            // from 0 is a zero.
            if (i > 0 && p.v.Defined() != points[i - 1].v.Defined()) {
                const double edge = p.v.Defined() ? DomainEdge(p.x, points[i - 1].x) : DomainEdge(points[i - 1].x, p.x);
                const Bounded v = h_.Value(edge);
                if (v.Defined() && v.Sign() == 0 && edge >= x0_ && edge <= x1_) zeros.push_back(edge);
            }
            if (!p.v.Defined()) {
                last.reset();
                continue;
            }
            const int s = p.v.Sign();
            if (s == 0) continue;
            if (last && last->v.Sign() != s) {
                if (const auto root = RefineZero(*last, p); root && *root >= x0_ && *root <= x1_) zeros.push_back(*root);
            }
            last = p;
        }
        for (const Crest& c : crests) {
            if (Touches(c, points) && c.x >= x0_ && c.x <= x1_) zeros.push_back(c.x);
        }
        std::sort(zeros.begin(), zeros.end());
        zeros.erase(std::unique(zeros.begin(), zeros.end(), [](double a, double b) { return Apart(a, b) <= 2; }),
                    zeros.end());
        if (zeros.size() > cap_) {
            tooMany = true;
            return {};
        }
        return zeros;
    }

private:
    // The last double where h is defined between `inside` (defined) and
    // `outside` (not).
    double DomainEdge(double inside, double outside) const {
        for (int i = 0; i < 80; ++i) {
            const double m = inside < outside ? Middle(inside, outside) : Middle(outside, inside);
            if (m == inside || m == outside) break;
            if (h_.Value(m).Defined())
                inside = m;
            else
                outside = m;
        }
        return inside;
    }

    std::optional<Crest> RefineCrest(std::size_t from, std::size_t to, int rising) const {
        double a = samples_[from].x, b = samples_[to].x;
        long double da = slopes_[from], db = slopes_[to];
        for (int i = 0; i < 80; ++i) {
            const double m = Middle(a, b);
            if (!(m > a && m < b)) break;
            const long double dm = h_.Series<1>(m).c[1];
            if (!std::isfinite(dm)) return std::nullopt;  // undefined inside: no crest
            if (dm == 0) {
                a = b = m;
                da = db = 0;
                break;
            }
            if (PlainSign(dm) == rising)
                a = m, da = dm;
            else
                b = m, db = dm;
        }
        // Of the two doubles that bracket the crest, the higher (lower); at a
        // kink (|x − 1|) the derivative says nothing there.
        const bool maximum = rising > 0;
        const Bounded at = h_.Value(a), bt = h_.Value(b);
        const bool takeA = at.Defined() && (!bt.Defined() || (maximum ? at.v >= bt.v : at.v <= bt.v));
        const double x = takeA ? a : b;
        const Bounded v = takeA ? at : bt;
        if (!v.Defined()) return std::nullopt;
        (void)da, (void)db;
        const Bounded& va = samples_[from].v;
        const Bounded& vb = samples_[to].v;
        // Higher (lower) than one end for certain and lower (higher) than
        // neither: the derivative's sign changes of rounding noise do not
        // make crests.
        const int above = maximum ? 1 : -1;
        const int sa = (v - va).Sign() * above, sb = (v - vb).Sign() * above;
        if (sa < 0 || sb < 0 || (sa == 0 && sb == 0)) return std::nullopt;
        // A peak far above the samples' steps is a pole, not a crest.
        long double spread = std::fabs(vb.v - va.v);
        for (std::size_t j = from > 0 ? from - 1 : 0; j + 1 < samples_.size() && j <= to; ++j)
            if (samples_[j].v.Defined() && samples_[j + 1].v.Defined())
                spread = std::max(spread, std::fabs(samples_[j + 1].v.v - samples_[j].v.v));
        if (std::fabs(v.v - va.v) > 4 * spread + v.e + va.e) return std::nullopt;
        return Crest{x, v, maximum};
    }

    // A crest whose value cannot be told from 0, or that a zero between its
    // double and the next explains, between values of one sign: a zero that
    // touches the axis.
    bool Touches(const Crest& c, const std::vector<Point>& points) const {
        const int outside = c.maximum ? -1 : 1;  // the sign around a touching zero
        // The nearest values of certain sign on either side.
        int left = 0, right = 0;
        const auto at = std::lower_bound(points.begin(), points.end(), c.x,
                                         [](const Point& p, double x) { return p.x < x; });
        for (auto p = at; p != points.begin() && left == 0;) {
            --p;
            if (p->v.Defined()) left = p->v.Sign();
        }
        for (auto p = at; p != points.end() && right == 0; ++p)
            if (p->x > c.x && p->v.Defined()) right = p->v.Sign();
        if ((left != 0 && left != outside) || (right != 0 && right != outside)) return false;
        const int s = c.v.Sign();
        if (s == 0) return true;
        if (s != outside) return false;
        // The value at the crest's double from a zero between doubles: the
        // lowest (highest) point of the function's Taylor polynomial there.
        const Taylor<4> t = h_.Series<4>(c.x);
        if (!t.Defined() || t.c[0] == 0) return t.Defined();
        const auto& k = t.c;
        auto p = [&k](long double u) { return (((k[4] * u + k[3]) * u + k[2]) * u + k[1]) * u + k[0]; };
        auto p1 = [&k](long double u) { return ((4 * k[4] * u + 3 * k[3]) * u + 2 * k[2]) * u + k[1]; };
        auto p2 = [&k](long double u) { return (12 * k[4] * u + 6 * k[3]) * u + 2 * k[2]; };
        long double u = k[2] != 0 ? -k[1] / (2 * k[2]) : 0;
        for (int i = 0; i < 60; ++i) {
            const long double curve = p2(u);
            if (curve == 0 || !std::isfinite(curve)) break;
            const long double next = u - p1(u) / curve;
            if (!std::isfinite(next)) break;
            u = next;
        }
        if (!(std::fabs(u) <= 4 * Ulp(c.x))) return false;
        const long double low = p(u);
        return PlainSign(low) != s || std::fabs(low) <= 1e-6L * std::fabs(k[0]);
    }

    // The zero between two values of opposite sign, or nothing where the
    // bracket holds a pole or a jump.
    std::optional<double> RefineZero(Point lo, Point hi) const {
        const int below = lo.v.Sign();
        const long double before = std::max(std::fabs(lo.v.v), std::fabs(hi.v.v));
        std::optional<double> undecided;
        for (int i = 0; i < 80; ++i) {
            const double m = Middle(lo.x, hi.x);
            if (!(m > lo.x && m < hi.x)) break;
            const Bounded v = h_.Value(m);
            if (!v.Defined()) return std::nullopt;
            const int s = v.Sign();
            if (s == below)
                lo = {m, v};
            else if (s == -below)
                hi = {m, v};
            else {
                undecided = m;
                break;
            }
        }
        double zoneLow = 0, zoneHigh = 0;
        if (undecided) {
            // The stretch of values that cannot be told from 0: its ends.
            double inside = *undecided;
            for (int i = 0; i < 80; ++i) {
                const double m = Middle(lo.x, inside);
                if (!(m > lo.x && m < inside)) break;
                const Bounded v = h_.Value(m);
                if (!v.Defined()) return std::nullopt;
                if (v.Sign() == below)
                    lo = {m, v};
                else
                    inside = m;
            }
            zoneLow = inside;
            inside = *undecided;
            for (int i = 0; i < 80; ++i) {
                const double m = Middle(inside, hi.x);
                if (!(m > inside && m < hi.x)) break;
                const Bounded v = h_.Value(m);
                if (!v.Defined()) return std::nullopt;
                if (v.Sign() == -below)
                    hi = {m, v};
                else
                    inside = m;
            }
            zoneHigh = inside;
        }
        // A zero's values shrink with its bracket; a pole's grow, a jump's stay.
        if (std::max(std::fabs(lo.v.v), std::fabs(hi.v.v)) > before / 2) return std::nullopt;
        if (!undecided) return std::fabs(lo.v.v) <= std::fabs(hi.v.v) ? lo.x : hi.x;
        // The shortest decimal in the stretch (0 for one around 0, where
        // the doubles crowd; 1 rather than a double beside it).
        const double middle = ShortestWithin(zoneLow, zoneHigh);
        if (zoneHigh - zoneLow <= 4 * Ulp(std::max(std::fabs(zoneLow), std::fabs(zoneHigh)))) return middle;
        // A multiple zero: the sign of f is lost over many doubles, but its
        // fourth or second derivative has a simple zero there.
        for (int k : {4, 2}) {
            if (const auto root = DerivativeZero(lo.x, hi.x, k)) return root;
        }
        return middle;
    }

    std::optional<double> DerivativeZero(double lo, double hi, int k) const {
        const long double a = h_.Series<4>(lo).c[k], b = h_.Series<4>(hi).c[k];
        if (!std::isfinite(a) || !std::isfinite(b) || PlainSign(a) * PlainSign(b) >= 0) return std::nullopt;
        long double low = a, high = b;
        for (int i = 0; i < 80; ++i) {
            const double m = Middle(lo, hi);
            if (!(m > lo && m < hi)) break;
            const long double v = h_.Series<4>(m).c[k];
            if (!std::isfinite(v)) return std::nullopt;
            if (v == 0) return m;
            if (PlainSign(v) == PlainSign(a))
                lo = m, low = v;
            else
                hi = m, high = v;
        }
        return std::fabs(low) <= std::fabs(high) ? lo : hi;
    }

    const Difference& h_;
    double x0_, x1_;
    std::size_t cap_;
    std::vector<Point> samples_;
    std::vector<long double> slopes_;
};

}  // namespace

Samples SampleSigns(const Curve& f, double x0, double x1, std::size_t scan) {
    Samples s;
    if (!(x0 < x1) || scan == 0) return s;
    const double step = (x1 - x0) / static_cast<double>(scan);
    s.x.reserve(scan + 3);
    for (std::size_t i = 0; i <= scan + 2; ++i) {
        double x;
        if (i == 0)
            x = x0 - step;
        else if (i == scan + 1)
            x = x1;
        else if (i == scan + 2)
            x = x1 + step;
        else
            x = x0 + static_cast<double>(i - 1) * step;
        if (std::isfinite(x)) s.x.push_back(x);
    }
    s.value.reserve(s.x.size());
    s.slope.reserve(s.x.size());
    for (double x : s.x) {
        s.value.push_back(f.Eval(Bounded(x)));
        s.slope.push_back(f.Eval(Taylor<1>::Variable(x)).c[1]);
    }
    return s;
}

SignSearch SearchSigns(const Curve& f, const Samples& fs, const Curve* g, const Samples* gs, double x0, double x1,
                       std::size_t cap, bool extrema) {
    SignSearch result;
    if (!(x0 < x1) || fs.x.empty() || (gs && gs->x != fs.x)) return result;
    const Difference h{f, g};
    const Search search(h, fs, gs, x0, x1, cap);
    if (search.ZeroEverywhere()) {
        result.zeroEverywhere = true;
        return result;
    }
    bool tooMany = false;
    const auto crests = search.Extrema(tooMany);
    result.zeros = search.Zeros(crests, tooMany);
    if (extrema)
        for (const auto& c : crests)
            if (c.x >= x0 && c.x <= x1) result.extrema.push_back({c.x, c.maximum});
    result.tooMany = tooMany;
    return result;
}

}  // namespace numora::maths
