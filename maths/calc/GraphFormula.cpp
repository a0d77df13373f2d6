// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphFormula.h"

#include <algorithm>
#include <cmath>

#include "MathsMessages.h"
#include "NumberText.h"
#include "Plotter.h"

namespace numora::maths {
namespace {

std::string Num(double v) { return FormatResult(NumberText(v == 0 ? 0 : v)); }

// k·rest with k = 1 and k = -1 written as rest and -rest.
std::string Times(double k, const std::string& rest) {
    if (k == 1) return rest;
    if (k == -1) return "-" + rest;
    return Num(k) + rest;
}
// + k·rest after another term: nothing for 0, "+x", "-2x".
std::string PlusTimes(double k, const std::string& rest) {
    if (k == 0) return "";
    const std::string term = Times(k, rest);
    return term[0] == '-' ? term : "+" + term;
}
std::string Plus(double v) { return v == 0 ? "" : (v < 0 ? Num(v) : "+" + Num(v)); }

// ω·x + φ inside a function's parentheses.
std::string Inner(double omega, double phi) {
    if (omega == 0) return Num(phi);
    return Times(omega, "x") + Plus(phi);
}

// Digits as raised (lowered) figures: x³, log₂.
std::string Figures(const std::string& text, bool raised) {
    static const char* const up[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    static const char* const down[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
    std::string out;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            out += (raised ? up : down)[c - '0'];
        else if (c == '-' && raised)
            out += "⁻";
        else
            return {};
    }
    return out;
}

std::string Exponent(double b) {
    const std::string text = Num(b);
    if (b == std::trunc(b) && std::fabs(b) < 100) return Figures(text, true);
    return "^" + (b < 0 ? "(" + text + ")" : text);
}

// The base p/q of the exponential and logarithmic kinds.
std::string Base(double p, double q, bool& simple) {
    simple = q == 1 && p > 0;
    if (q == 1) return Num(p);
    return Num(p) + "/" + Num(q);
}

}  // namespace

std::string GraphFormula(CurveKind kind, const std::vector<std::string>& boxes) {
    auto v = [&boxes](std::size_t i) { return i < boxes.size() ? LeadingValue(boxes[i]) : 0.0; };
    const std::string y = "y = ";
    switch (kind) {
        case CurveKind::Linear: return y + Times(v(0), "x") + Plus(v(1));
        case CurveKind::Quadratic: return y + Times(v(0), "x²") + PlusTimes(v(1), "x") + Plus(v(2));
        case CurveKind::Exponential: {
            bool simple = false;
            const std::string base = Base(v(0), v(1), simple);
            return y + (simple ? base : "(" + base + ")") + "^x";
        }
        case CurveKind::Logarithm: {
            bool simple = false;
            const std::string base = Base(v(0), v(1), simple);
            const std::string lowered = simple ? Figures(base, false) : "";
            return y + (lowered.empty() ? "log_(" + base + ")x" : "log" + lowered + "x");
        }
        case CurveKind::Inverse: return y + Num(v(0)) + "/x";
        case CurveKind::Sine: return y + Times(v(0), "sin(" + Inner(v(1), v(2)) + ")") + Plus(v(3));
        case CurveKind::Cosine: return y + Times(v(0), "cos(" + Inner(v(1), v(2)) + ")") + Plus(v(3));
        case CurveKind::Power: return y + Times(v(0), "x" + Exponent(v(1)));
        case CurveKind::Tangent: return y + Times(v(0), "tan(" + Inner(v(1), v(2)) + ")");
        case CurveKind::Absolute: return y + Times(v(0), "|" + Inner(1, -v(1)) + "|") + Plus(v(2));
        case CurveKind::Typed: {
            std::string formula = y + (boxes.empty() ? std::string() : boxes[0]);
            const auto f = boxes.empty() ? std::nullopt : TypedFunction::Parse(boxes[0]);
            std::string values;
            for (int p = 0; p < 3 && f; ++p) {
                if (!f->Uses(p)) continue;
                const std::size_t box = static_cast<std::size_t>(p) + 1;
                const double value = box < boxes.size() ? v(box) : kParameterDefaults[static_cast<std::size_t>(p)];
                values += (values.empty() ? "" : ", ") + std::string(kParameterNames[static_cast<std::size_t>(p)]) +
                          " = " + Num(value);
            }
            return values.empty() ? formula : formula + " (" + values + ")";
        }
    }
    return y;
}

// ---- Sliders ----------------------------------------------------------------------

int SliderScale::Positions() const {
    const double n = std::round((max - min) / step);
    return static_cast<int>(std::clamp(n, 1.0, static_cast<double>(kMaxSliderPositions)));
}

double SliderScale::ValueAt(int position) const {
    if (position >= Positions()) return max;
    double v = min + static_cast<double>(position) * step;
    // Rounded well below the step's last decimal (-10 + 103 · 0.1 is
    // 0.3000000000000007), then the shortest decimal that reads as it.
    const double unit = std::pow(10.0, std::floor(std::log10(step)) - 3);
    if (const double rounded = std::round(v / unit) * unit; std::isfinite(rounded)) v = rounded;
    return StrictValue(NumberText(v)).value_or(v);
}

int SliderScale::PositionOf(double value) const {
    if (!(value > min)) return 0;
    if (!(value < max)) return Positions();
    return std::clamp(static_cast<int>(std::lround((value - min) / step)), 0, Positions());
}

SliderScale SliderScale::Containing(double value) const {
    SliderScale s = *this;
    if (!std::isfinite(value)) return s;
    if (value < s.min) s.min = value;
    if (value > s.max) s.max = value;
    // Widening never makes more positions than a slider has.
    if ((s.max - s.min) / s.step > kMaxSliderPositions) s.step = (s.max - s.min) / kMaxSliderPositions;
    return s;
}

ScaleResult ReadScale(std::string_view min, std::string_view max, std::string_view step) {
    if (min.empty() || max.empty() || step.empty()) return {Outcome::Error(kEmptyInput), std::nullopt};
    const SliderScale s{LeadingValue(min), LeadingValue(max), LeadingValue(step)};
    if (!std::isfinite(s.min) || !std::isfinite(s.max) || !std::isfinite(s.step) || !std::isfinite(s.max - s.min))
        return {Outcome::Error(kTooLarge), std::nullopt};
    if (s.min >= s.max) return {Outcome::Error("最大值应大于最小值"), std::nullopt};
    if (!(s.step > 0)) return {Outcome::Error(kStepNotPositive), std::nullopt};
    if ((s.max - s.min) / s.step > kMaxSliderPositions) return {Outcome::Error(kStepTooSmall), std::nullopt};
    return {Outcome(), s};
}

int BouncePosition(int position, int& direction, int positions, int stride) {
    if (positions <= 0) return 0;
    direction = direction < 0 ? -1 : 1;
    int next = position + direction * std::max(1, stride);
    if (next > positions) {
        next = positions;
        direction = -1;
    } else if (next < 0) {
        next = 0;
        direction = 1;
    }
    if (next == positions) direction = -1;
    if (next == 0) direction = 1;
    return next;
}

}  // namespace numora::maths
