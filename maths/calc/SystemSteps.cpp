// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The worked solutions of the linear systems: elimination as the school
// books teach it, on exact fractions. The equations are cleared of decimals
// first, so every equation written has whole coefficients.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "EquationSolvers.h"
#include "ExactNotation.h"
#include "ExactSolvers.h"
#include "Notation.h"
#include "SolverSteps.h"
#include "StepText.h"

namespace numora::maths {
namespace {

using exact::Checked;
using exact::Operand;
using steps::Number;

constexpr std::array<const char*, 3> kNames = {"x", "y", "z"};

struct Equation {
    std::vector<mpq_class> coefficients;  // one an unknown
    mpq_class right;
    std::string label;
};

enum class Ending { Solved, None, Infinite };

// What replaces an unknown on a left side: a value ("3×(-5/13)") or an
// expression ("2(1-3x)").
struct Replacement {
    std::string text;
    bool expression = false;
};

class Work {
public:
    explicit Work(int n) : n_(n), known_(static_cast<std::size_t>(n)) {}

    std::vector<std::string> lines;

    std::string NewLabel() { return CircledNumber(next_++); }
    const std::optional<mpq_class>& Known(int i) const { return known_[static_cast<std::size_t>(i)]; }

    std::string Text(const Equation& e) const { return LeftSide(e, {}) + " = " + Number(e.right); }

    // The equation with every number whole: both sides times the least
    // common denominator.
    Equation Cleared(const Equation& e) {
        mpz_class multiplier = e.right.get_den();
        for (const mpq_class& c : e.coefficients) mpz_lcm(multiplier.get_mpz_t(), multiplier.get_mpz_t(), c.get_den_mpz_t());
        if (multiplier == 1) return e;
        Equation cleared = Scaled(e, mpq_class(multiplier));
        cleared.label = e.label;
        lines.push_back("方程" + e.label + "两边同乘以" + multiplier.get_str() + "，得 " + Text(cleared));
        return cleared;
    }

    // Two equations in the unknowns u and v (the others absent).
    Ending Solve2(const Equation& e1, const Equation& e2, int u, int v) {
        auto absent = [](const Equation& e, int i) { return sgn(e.coefficients[static_cast<std::size_t>(i)]) == 0; };
        // 0 = d: false for d != 0; for d = 0 one equation is left for two unknowns.
        for (const Equation* e : {&e1, &e2})
            if (absent(*e, u) && absent(*e, v) && sgn(e->right) != 0) {
                lines.push_back("由" + e->label + "得 0 = " + Number(e->right));
                return Ending::None;
            }
        for (const Equation* e : {&e1, &e2})
            if (absent(*e, u) && absent(*e, v)) {
                lines.push_back("由" + e->label + "得 0 = 0");
                return Ending::Infinite;
            }
        // An equation in one unknown gives it at once.
        for (const Equation* e : {&e1, &e2}) {
            if (!absent(*e, u) && !absent(*e, v)) continue;
            const int present = absent(*e, u) ? v : u;
            const int missing = present == u ? v : u;
            const Equation& other = e == &e1 ? e2 : e1;
            SolveFor(*e, present, "由" + e->label + "得 ");
            // The other equation without `present` gives the other unknown at once.
            if (absent(other, present)) {
                SolveFor(other, missing, "由" + other.label + "得 ");
                return Ending::Solved;
            }
            return SubstituteAndSolve(other, missing);
        }
        // 代入消元法 with an unknown whose coefficient is 1 or -1 ...
        for (int sign : {1, -1})
            for (const Equation* e : {&e1, &e2})
                for (int unknown : {v, u})
                    if (e->coefficients[static_cast<std::size_t>(unknown)] == sign)
                        return Substitute(*e, e == &e1 ? e2 : e1, unknown, unknown == u ? v : u);
        // ... 加减消元法 otherwise, on the unknown with the smaller common multiple.
        const int eliminated = Multiple(e1, e2, u) <= Multiple(e1, e2, v) ? u : v;
        const int left = eliminated == u ? v : u;
        const Equation r = Eliminate(e1, e2, eliminated, false);
        const mpq_class& c = r.coefficients[static_cast<std::size_t>(left)];
        if (sgn(c) == 0) return sgn(r.right) == 0 ? Ending::Infinite : Ending::None;
        Found(left, r.right / c, c == 1);
        return SubstituteAndSolve(e1, eliminated);
    }

    // Three equations: one unknown eliminated with one equation from the
    // other two, the two left solved, the first unknown by substitution.
    Ending Solve3(const std::array<Equation, 3>& e) {
        struct Choice {
            int unknown = -1, pivot = -1;
            mpz_class cost;
        } best;
        for (int v = 0; v < 3; ++v)
            for (int p = 0; p < 3; ++p) {
                if (sgn(e[static_cast<std::size_t>(p)].coefficients[static_cast<std::size_t>(v)]) == 0) continue;
                mpz_class cost = 0;
                for (int j = 0; j < 3; ++j)
                    if (j != p && sgn(e[static_cast<std::size_t>(j)].coefficients[static_cast<std::size_t>(v)]) != 0)
                        cost += Multipliers(e[static_cast<std::size_t>(p)], e[static_cast<std::size_t>(j)], v);
                if (best.unknown < 0 || cost < best.cost) best = {v, p, cost};
            }
        if (best.unknown < 0) {  // no unknown in any equation: 0 = d three times
            for (const Equation& q : e)
                if (sgn(q.right) != 0) {
                    lines.push_back("由" + q.label + "得 0 = " + Number(q.right));
                    return Ending::None;
                }
            lines.push_back("由" + e[0].label + "得 0 = 0");
            return Ending::Infinite;
        }
        const int v = best.unknown;
        const Equation& pivot = e[static_cast<std::size_t>(best.pivot)];
        std::vector<Equation> reduced;
        for (int j = 0; j < 3; ++j) {
            if (j == best.pivot) continue;
            const Equation& q = e[static_cast<std::size_t>(j)];
            if (sgn(q.coefficients[static_cast<std::size_t>(v)]) == 0) {
                lines.push_back("方程" + q.label + "中不含" + kNames[static_cast<std::size_t>(v)]);
                reduced.push_back(q);
            } else {
                reduced.push_back(Eliminate(pivot, q, v, true));
            }
        }
        const int u = v == 0 ? 1 : 0, w = v == 2 ? 1 : 2;
        const Ending ending = Solve2(reduced[0], reduced[1], u, w);
        if (ending != Ending::Solved) return ending;
        return SubstituteAndSolve(pivot, v);
    }

    void Summary() {
        lines.emplace_back("所以方程组的解是");
        for (int i = 0; i < n_; ++i)
            lines.push_back(std::string(kNames[static_cast<std::size_t>(i)]) + " = " + exact::Text(*Known(i)));
    }

private:
    std::string LeftSide(const Equation& e, const std::vector<std::optional<Replacement>>& with) const {
        std::string out;
        for (int i = 0; i < n_; ++i) {
            const mpq_class& c = e.coefficients[static_cast<std::size_t>(i)];
            if (sgn(c) == 0) continue;
            const mpq_class m = abs(c);
            const std::string number = m == 1 ? "" : Number(m);
            const auto* replacement = static_cast<std::size_t>(i) < with.size() && with[static_cast<std::size_t>(i)]
                                          ? &*with[static_cast<std::size_t>(i)]
                                          : nullptr;
            std::string term;
            if (!replacement)
                term = number + kNames[static_cast<std::size_t>(i)];
            else if (replacement->expression)
                term = number + "(" + replacement->text + ")";
            else if (m == 1)
                term = replacement->text[0] == '-' ? "(" + replacement->text + ")" : replacement->text;
            else
                term = number + "×" + Operand(replacement->text);
            if (sgn(c) < 0)
                out += "-";
            else if (!out.empty())
                out += "+";
            out += term;
        }
        return out.empty() ? "0" : out;
    }

    Equation Scaled(const Equation& e, const mpq_class& factor) const {
        Equation s = e;
        for (mpq_class& c : s.coefficients) c = Checked(mpq_class(c * factor));
        s.right = Checked(mpq_class(s.right * factor));
        return s;
    }

    static mpz_class Coefficient(const Equation& e, int i) {
        return abs(e.coefficients[static_cast<std::size_t>(i)].get_num());
    }

    static mpz_class Multiple(const Equation& a, const Equation& b, int i) {
        mpz_class l;
        mpz_lcm(l.get_mpz_t(), Coefficient(a, i).get_mpz_t(), Coefficient(b, i).get_mpz_t());
        return l;
    }

    // The sum of the two multipliers that eliminate unknown i.
    static mpz_class Multipliers(const Equation& a, const Equation& b, int i) {
        const mpz_class l = Multiple(a, b, i);
        return l / Coefficient(a, i) + l / Coefficient(b, i);
    }

    // a and b times the least multipliers that make unknown i's
    // coefficients opposite or equal, then their sum or difference.
    Equation Eliminate(const Equation& a, const Equation& b, int i, bool labelled) {
        const mpz_class l = Multiple(a, b, i);
        Equation p = a, q = b;
        for (Equation* e : {&p, &q}) {
            const mpz_class m = l / Coefficient(*e, i);
            if (m == 1) continue;
            const std::string from = e->label;
            *e = Scaled(*e, mpq_class(m));
            e->label = NewLabel();
            lines.push_back(from + "×" + m.get_str() + "，得 " + Text(*e) + " " + e->label);
        }
        const bool subtract =
            sgn(a.coefficients[static_cast<std::size_t>(i)]) == sgn(b.coefficients[static_cast<std::size_t>(i)]);
        Equation r = p;
        for (std::size_t j = 0; j < r.coefficients.size(); ++j)
            r.coefficients[j] = Checked(subtract ? mpq_class(p.coefficients[j] - q.coefficients[j])
                                                 : mpq_class(p.coefficients[j] + q.coefficients[j]));
        r.right = Checked(subtract ? mpq_class(p.right - q.right) : mpq_class(p.right + q.right));
        r.label = labelled ? NewLabel() : "";
        lines.push_back(p.label + (subtract ? "-" : "+") + q.label + "，得 " + Text(r) + (labelled ? " " + r.label : ""));
        return r;
    }

    void Found(int unknown, const mpq_class& value, bool alreadyWritten) {
        known_[static_cast<std::size_t>(unknown)] = Checked(value);
        if (!alreadyWritten)
            lines.push_back("解得 " + std::string(kNames[static_cast<std::size_t>(unknown)]) + " = " + exact::Text(value));
    }

    // An equation with one unknown: "由①得 y = 2".
    void SolveFor(const Equation& e, int unknown, const std::string& lead) {
        const mpq_class value = e.right / e.coefficients[static_cast<std::size_t>(unknown)];
        known_[static_cast<std::size_t>(unknown)] = Checked(value);
        lines.push_back(lead + kNames[static_cast<std::size_t>(unknown)] + " = " + exact::Text(value));
    }

    // The known unknowns put into e, which leaves `target`.
    Ending SubstituteAndSolve(const Equation& e, int target) {
        std::vector<std::optional<Replacement>> with(static_cast<std::size_t>(n_));
        std::string given;
        mpq_class right = e.right;
        for (int i = 0; i < n_; ++i) {
            if (i == target || !Known(i)) continue;
            const std::string text = exact::Text(*Known(i));
            with[static_cast<std::size_t>(i)] = Replacement{text, false};
            given += (given.empty() ? "" : "，") + std::string(kNames[static_cast<std::size_t>(i)]) + " = " + text;
            right = Checked(mpq_class(right - e.coefficients[static_cast<std::size_t>(i)] * *Known(i)));
        }
        lines.push_back("把" + given + "代入" + e.label + "，得 " + LeftSide(e, with) + " = " + Number(e.right));
        const mpq_class& c = e.coefficients[static_cast<std::size_t>(target)];
        if (sgn(c) == 0) {
            lines.push_back("整理得 0 = " + exact::Text(right));
            return sgn(right) == 0 ? Ending::Infinite : Ending::None;
        }
        Found(target, right / c, false);
        return Ending::Solved;
    }

    // 代入消元法: `unknown` (coefficient ±1 in e) expressed by `other`,
    // put into f.
    Ending Substitute(const Equation& e, const Equation& f, int unknown, int other) {
        const auto ui = static_cast<std::size_t>(unknown), oi = static_cast<std::size_t>(other);
        const mpq_class& c = e.coefficients[ui];  // 1 or -1
        const mpq_class constant = e.right / c, slope = -e.coefficients[oi] / c;  // unknown = constant + slope·other
        const std::string expression = steps::Polynomial({{constant, ""}, {slope, kNames[oi]}}, true);
        const std::string label = NewLabel();
        lines.push_back("由" + e.label + "得 " + kNames[ui] + " = " + expression + " " + label);
        std::vector<std::optional<Replacement>> with(static_cast<std::size_t>(n_));
        with[ui] = Replacement{expression, true};
        lines.push_back("把" + label + "代入" + f.label + "，得 " + LeftSide(f, with) + " = " + Number(f.right));
        const mpq_class k = Checked(mpq_class(f.coefficients[oi] + f.coefficients[ui] * slope));
        const mpq_class right = Checked(mpq_class(f.right - f.coefficients[ui] * constant));
        lines.push_back("整理得 " + steps::Polynomial({{k, kNames[oi]}}) + " = " + Number(right));
        if (sgn(k) == 0) return sgn(right) == 0 ? Ending::Infinite : Ending::None;
        Found(other, right / k, k == 1);
        // The expression with the value in it: 1-3×(1/5) = 2/5.
        const mpq_class value = Checked(mpq_class(constant + slope * *Known(other)));
        known_[ui] = value;
        // In the order the expression was written: a positive term first
        // (z = x-3 gives z = 2-3, not -3+2).
        std::string written = sgn(constant) != 0 ? Number(constant) : "";
        if (sgn(slope) != 0) {
            const std::string v = exact::Text(*Known(other));
            const mpq_class m = abs(slope);
            const std::string product = m == 1 ? Operand(v) : Number(m) + "×" + Operand(v);
            if (sgn(constant) < 0 && sgn(slope) > 0)
                written = product + written;
            else
                written += (sgn(slope) < 0 ? "-" : written.empty() ? "" : "+") + product;
        }
        if (written.empty()) written = "0";
        const std::string valueText = exact::Text(value);
        lines.push_back("把" + std::string(kNames[oi]) + " = " + exact::Text(*Known(other)) + "代入" + label + "，得 " +
                        kNames[ui] + " = " + written + (written == valueText ? "" : " = " + valueText));
        return Ending::Solved;
    }

    int n_;
    int next_ = 1;
    std::vector<std::optional<mpq_class>> known_;
};

// The solver's refusals that come before any step, and the end of a
// working without one solution.
std::optional<WorkedSolution> Refused(const Outcome& decimal) {
    if (!decimal.failed()) return std::nullopt;
    const std::string& text = decimal.message->text;
    if (text == kNoSolution || text == kInfinitelyManySolutions) return std::nullopt;
    return WorkedSolution::Refusal(*decimal.message);
}

// `decimal`: the command's outcome. Where it refuses a system that the
// typed digits solve exactly (numbers of more digits than a double holds),
// the worked solution gives the command's message, as the window does.
WorkedSolution SolveSystemSteps(const Outcome& decimal, int n, std::initializer_list<std::string_view> texts) {
    try {
        const auto typed = TypedValues(texts);
        if (!typed) return WorkedSolution::Refusal(Outcome::Error(kTooLarge).message.value());
        Work work(n);
        std::vector<Equation> equations;
        for (int i = 0; i < n; ++i) {
            Equation e;
            const auto row = typed->begin() + i * (n + 1);
            e.coefficients.assign(row, row + n);
            e.right = row[n];
            e.label = work.NewLabel();
            work.lines.push_back(work.Text(e) + " " + e.label);
            equations.push_back(std::move(e));
        }
        for (Equation& e : equations) e = work.Cleared(e);
        const Ending ending = n == 2 ? work.Solve2(equations[0], equations[1], 0, 1)
                                     : work.Solve3({equations[0], equations[1], equations[2]});
        WorkedSolution s;
        if (ending == Ending::Solved && decimal.failed()) return WorkedSolution::Refusal(*decimal.message);
        if (ending == Ending::Solved) {
            work.Summary();
            s.lines = std::move(work.lines);
            return s;
        }
        const char* message = ending == Ending::None ? kNoSolution : kInfinitelyManySolutions;
        work.lines.emplace_back(message);
        s.lines = std::move(work.lines);
        s.message = Outcome::Error(message).message;
        return s;
    } catch (const exact::TooLarge&) {
        return WorkedSolution::Refusal(Outcome::Error(kTooLarge).message.value());
    }
}

}  // namespace

WorkedSolution Linear2Solution(std::string_view a1, std::string_view b1, std::string_view c1,
                               std::string_view a2, std::string_view b2, std::string_view c2) {
    const Outcome decimal = SolveLinear2(a1, b1, c1, a2, b2, c2);
    if (auto refused = Refused(decimal)) return *refused;
    return SolveSystemSteps(decimal, 2, {a1, b1, c1, a2, b2, c2});
}

WorkedSolution Linear3Solution(std::string_view a1, std::string_view b1, std::string_view c1,
                               std::string_view d1, std::string_view a2, std::string_view b2,
                               std::string_view c2, std::string_view d2, std::string_view a3,
                               std::string_view b3, std::string_view c3, std::string_view d3) {
    const Outcome decimal = SolveLinear3(a1, b1, c1, d1, a2, b2, c2, d2, a3, b3, c3, d3);
    if (auto refused = Refused(decimal)) return *refused;
    return SolveSystemSteps(decimal, 3, {a1, b1, c1, d1, a2, b2, c2, d2, a3, b3, c3, d3});
}

}  // namespace numora::maths
