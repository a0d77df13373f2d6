// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotSession.h"

#include <algorithm>
#include <cmath>

#include "GraphFormula.h"

namespace numora::maths {
namespace {

// A pan step that brings the trace marker back: the marker ends this far
// inside the view.
constexpr double kFollowMargin = 0.1;
constexpr Rgb kIntersectionColour{0, 0, 0};

}  // namespace

PlotSession::PlotSession() : view_(HomeView()) {}

// ---- Range and graphs ------------------------------------------------------------

void PlotSession::Apply(const PlotRange& range, int grid) {
    range_ = range;
    grid_ = grid;
    graphs_.clear();
    ClearTrace();
    view_ = HomeView();
    Changed();
}

CanvasMapping PlotSession::HomeView() const { return {range_.minX, range_.maxY, range_.maxX, range_.minY}; }

std::size_t PlotSession::Add(const Graph& graph, std::vector<std::string> boxes) {
    graphs_.push_back({});
    Replace(graphs_.size() - 1, graph, std::move(boxes));
    return graphs_.size() - 1;
}

void PlotSession::Replace(std::size_t index, const Graph& graph, std::vector<std::string> boxes) {
    if (index >= graphs_.size() || !graph.curve) return;
    PlottedGraph& g = graphs_[index];
    g.kind = graph.curve->kind;
    g.curve = *graph.curve;
    g.colour = graph.colour;
    g.drawn = graph.segments;
    g.formula = GraphFormula(g.kind, boxes);
    g.boxes = std::move(boxes);
    Changed();
}

void PlotSession::Remove(std::size_t index) {
    if (index >= graphs_.size()) return;
    graphs_.erase(graphs_.begin() + static_cast<std::ptrdiff_t>(index));
    ClearTrace();  // the graphs after it are numbered anew
    Changed();
}

void PlotSession::Show(std::size_t index, bool shown) {
    if (index >= graphs_.size() || graphs_[index].shown == shown) return;
    graphs_[index].shown = shown;
    if (!shown && traced_ == index) ClearTrace();
    Changed();
}

void PlotSession::Clear() {
    graphs_.clear();
    ClearTrace();
    Changed();
}

std::string PlotSession::GraphName(std::size_t index) { return "曲线" + std::to_string(index + 1); }

std::string PlotSession::GraphsText() const {
    if (graphs_.empty()) return "未绘制图象";
    std::string text;
    for (std::size_t i = 0; i < graphs_.size(); ++i) {
        if (i > 0) text += "；";
        text += GraphName(i) + " " + graphs_[i].formula + (graphs_[i].shown ? "" : "（已隐藏）");
    }
    return text;
}

void PlotSession::Changed() {
    keys_.reset();
    shares_.assign(graphs_.size(), std::nullopt);
    hoverKey_.reset();
}

// ---- View ------------------------------------------------------------------------

bool PlotSession::SetView(const CanvasMapping& view) {
    if (view == view_) return false;
    view_ = view;
    Changed();
    return true;
}

bool PlotSession::ZoomAbout(double shareX, double shareY, double factor) {
    const auto zoomed = ZoomView(view_, shareX, shareY, factor);
    return zoomed && SetView(*zoomed);
}

bool PlotSession::Zoom(double factor) {
    double sx = 0.5, sy = 0.5;
    if (const auto t = Traced(); t && std::isfinite(t->y)) {
        const double tx = view_.ShareX(t->x), ty = view_.ShareY(t->y);
        if (tx >= 0 && tx <= 1 && ty >= 0 && ty <= 1) sx = tx, sy = ty;
    }
    return ZoomAbout(sx, sy, factor);
}

bool PlotSession::Pan(double dx, double dy) { return SetView(PanView(view_, dx, dy)); }

void PlotSession::SetResolution(std::size_t intervals) {
    intervals = std::max<std::size_t>(intervals, 400);
    if (intervals == intervals_) return;
    intervals_ = intervals;
    if (!AtHome()) shares_.assign(graphs_.size(), std::nullopt);
}

const std::vector<Segment>& PlotSession::Shares(std::size_t index) const {
    static const std::vector<Segment> none;
    if (index >= graphs_.size()) return none;
    if (shares_.size() != graphs_.size()) shares_.assign(graphs_.size(), std::nullopt);
    auto& cached = shares_[index];
    if (!cached) {
        cached.emplace();
        const PlottedGraph& g = graphs_[index];
        Segment s{};
        if (AtHome()) {
            // At home the graph is what the draw command drew.
            for (const Segment& segment : g.drawn)
                if (ShareSegment(view_, segment, s)) cached->push_back(s);
        } else {
            for (const Segment& segment : SampleCurve(g.curve, view_, intervals_))
                if (ShareSegment(view_, segment, s)) cached->push_back(s);
        }
    }
    return *cached;
}

// ---- Key points ---------------------------------------------------------------------

const KeyPoints& PlotSession::Keys() const {
    if (keys_) return *keys_;
    std::vector<Curve> curves;
    std::vector<std::size_t> index;
    for (std::size_t i = 0; i < graphs_.size(); ++i) {
        if (!graphs_[i].shown) continue;
        curves.push_back(graphs_[i].curve);
        index.push_back(i);
    }
    KeyPoints keys = FindKeyPoints(curves, view_);
    for (KeyPoint& p : keys.points) p.curve = index[p.curve], p.other = index[p.other];
    for (KeyNote& n : keys.notes) n.curve = index[n.curve], n.other = index[n.other];
    keys_ = std::move(keys);
    return *keys_;
}

std::vector<std::string> PlotSession::KeyNotes() const {
    std::vector<std::string> notes;
    if (!keysShown_) return notes;
    const KeyPoints& keys = Keys();
    for (const KeyNote& n : keys.notes) notes.push_back(KeyNoteLine(n, 2));  // always with the graphs' names
    if (keys.tooMany) notes.emplace_back("关键点过多，部分未列出");
    return notes;
}

// ---- Trace -----------------------------------------------------------------------------

std::optional<PlotSession::Trace> PlotSession::Traced() const {
    if (!traced_ || *traced_ >= graphs_.size() || !graphs_[*traced_].shown) return std::nullopt;
    const std::size_t g = *traced_;
    const char* name = KeyNameAt(g, traceX_);
    // A key point's own value (0 at a zero); elsewhere the graph's value at
    // the decimal x the marker stands on.
    for (const KeyPoint& k : Keys().points)
        if (k.x == traceX_ && k.curve == g) return Trace{g, k.x, k.y, name};
    return Trace{g, traceX_, graphs_[g].curve.At(DecimalOf(traceX_)), name};
}

std::string PlotSession::TraceText() const {
    const auto t = Traced();
    return t ? maths::TraceText(t->graph, t->x, t->y, t->keyName) : std::string();
}

const char* PlotSession::KeyNameAt(std::size_t graph, double x) const {
    if (hoverKey_ && hoverKey_->x == x) return KeyKindName(hoverKey_->kind);
    for (const KeyPoint& k : Keys().points)
        if (k.x == x && (k.curve == graph || k.other == graph)) return KeyKindName(k.kind);
    return nullptr;
}

std::vector<double> PlotSession::StopsOf(std::size_t graph) const {
    std::vector<double> stops;
    for (const KeyPoint& k : Keys().points)
        if (k.curve == graph || k.other == graph) stops.push_back(k.x);
    std::sort(stops.begin(), stops.end());
    stops.erase(std::unique(stops.begin(), stops.end()), stops.end());
    return stops;
}

std::optional<std::size_t> PlotSession::FirstShown(std::size_t from, int direction) const {
    const std::size_t n = graphs_.size();
    for (std::size_t step = 0; step < n; ++step) {
        const std::size_t i = (from + n + (direction >= 0 ? step : n - step)) % n;
        if (graphs_[i].shown) return i;
    }
    return std::nullopt;
}

void PlotSession::TraceTo(std::size_t graph, double x) {
    traced_ = graph;
    traceX_ = x;
    fromKeys_ = true;
    hoverKey_.reset();
    // The view follows the marker out of it, across and up or down.
    const double width = view_.right - view_.left, height = view_.top - view_.bottom;
    double dx = 0, dy = 0;
    if (x < view_.left) dx = (x - view_.left) / width - kFollowMargin;
    if (x > view_.right) dx = (x - view_.right) / width + kFollowMargin;
    const double y = graphs_[graph].curve.At(DecimalOf(x));
    if (std::isfinite(y)) {
        if (y < view_.bottom) dy = (y - view_.bottom) / height - kFollowMargin;
        if (y > view_.top) dy = (y - view_.top) / height + kFollowMargin;
    }
    if (dx != 0 || dy != 0) Pan(dx, dy);
}

bool PlotSession::StepTrace(int direction) {
    if (!traced_ || !fromKeys_ || *traced_ >= graphs_.size() || !graphs_[*traced_].shown) {
        // The marker starts at x = 0, or in the middle of the view.
        const auto first = traced_ && *traced_ < graphs_.size() && graphs_[*traced_].shown ? traced_ : FirstShown(0, 1);
        if (!first) return false;
        double x = traced_ ? traceX_ : 0;
        if (x < view_.left || x > view_.right) x = RoundToResolution(view_.UserX(0.5), TraceStep(view_));
        TraceTo(*first, x);
        return true;
    }
    TraceTo(*traced_, NextTraceX(traceX_, direction, TraceStep(view_), StopsOf(*traced_)));
    return true;
}

bool PlotSession::SwitchTrace(int direction) {
    if (!TracedFromKeys() || !Traced()) return StepTrace(0);
    const auto next = FirstShown(*traced_ + (direction > 0 ? 1 : graphs_.size() - 1), direction);
    if (!next) return false;
    TraceTo(*next, traceX_);
    return true;
}

bool PlotSession::JumpToKeyPoint(int direction) {
    if (!TracedFromKeys() || !Traced()) {
        if (!StepTrace(0)) return false;
    }
    const std::vector<double> stops = StopsOf(*traced_);
    if (direction > 0) {
        const auto next = std::upper_bound(stops.begin(), stops.end(), traceX_);
        if (next != stops.end()) TraceTo(*traced_, *next);
    } else {
        const auto next = std::lower_bound(stops.begin(), stops.end(), traceX_);
        if (next != stops.begin()) TraceTo(*traced_, *std::prev(next));
    }
    return true;
}

void PlotSession::Hover(double sx, double sy, double reach, double keyReach) {
    hoverKey_.reset();
    if (keysShown_) {
        const KeyPoint* best = nullptr;
        double bestDistance = keyReach;
        for (const KeyPoint& k : Keys().points) {
            const double d = std::hypot(view_.ShareX(k.x) - sx, view_.ShareY(k.y) - sy);
            if (d <= bestDistance) best = &k, bestDistance = d;
        }
        if (best) {
            hoverKey_ = *best;
            traced_ = best->curve;
            traceX_ = best->x;
            fromKeys_ = false;
            return;
        }
    }
    std::vector<const std::vector<Segment>*> lines;
    std::vector<std::size_t> index;
    for (std::size_t i = 0; i < graphs_.size(); ++i) {
        if (!graphs_[i].shown) continue;
        lines.push_back(&Shares(i));
        index.push_back(i);
    }
    if (const auto near = NearestCurve(lines, sx, sy, reach)) {
        traced_ = index[near->curve];
        // As many digits as the pixel tells.
        const double pixel = (view_.right - view_.left) / (static_cast<double>(intervals_) / 2);
        traceX_ = RoundToResolution(view_.UserX(near->shareX), pixel / 2);
        fromKeys_ = false;
    } else if (!fromKeys_) {
        traced_.reset();
    }
}

void PlotSession::Unhover() {
    hoverKey_.reset();
    if (!fromKeys_) traced_.reset();
}

void PlotSession::ClearTrace() {
    traced_.reset();
    fromKeys_ = false;
    hoverKey_.reset();
}

// ---- Picture --------------------------------------------------------------------------

Picture PlotSession::Draw(const TextMeasure& measure, double markRadius) const {
    const AxisLayout axes = PlaceAxes(DesignAxes(), view_);
    const auto xTicks = AxisTicks(view_, false, grid_), yTicks = AxisTicks(view_, true, grid_);
    Picture p;
    for (const Segment& s : TickGrid(xTicks, yTicks))
        p.lines.push_back({s.x1, s.y1, s.x2, s.y2, kGreen, 1, Picture::Role::Grid});
    for (std::size_t i = 0; i < graphs_.size(); ++i) {
        if (!graphs_[i].shown) continue;
        for (const Segment& s : Shares(i)) p.lines.push_back({s.x1, s.y1, s.x2, s.y2, graphs_[i].colour, 1});
    }
    std::vector<MarkSpot> spots;
    if (keysShown_) {
        for (const KeyPoint& k : Keys().points) {
            const Rgb colour = k.kind == KeyKind::Intersection ? kIntersectionColour : graphs_[k.curve].colour;
            p.marks.push_back({view_.ShareX(k.x), view_.ShareY(k.y), colour, markRadius});
            spots.push_back({p.marks.back().x, p.marks.back().y, markRadius});
        }
    }
    const Picture named = PlotPicture({}, axes);
    p.lines.insert(p.lines.end(), named.lines.begin(), named.lines.end());
    p.texts = named.texts;
    const AxisNumbers numbers = NumberAxes(axes, xTicks, yTicks, measure, spots);
    p.texts.insert(p.texts.end(), numbers.texts.begin(), numbers.texts.end());
    return p;
}

}  // namespace numora::maths
