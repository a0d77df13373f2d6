// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The worked solution of a quadratic equation.

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

using exact::ExactValue;
using exact::Text;
using steps::Number;

std::string Equation(const mpq_class& a, const mpq_class& b, const mpq_class& c) {
    return steps::Polynomial({{a, "x²"}, {b, "x"}, {c, ""}}) + " = 0";
}

// The factor v·x − u of a rational root u/v (v > 0): "x-2", "2x+1", "x".
std::string RootFactor(const mpq_class& root) {
    return steps::Polynomial({{mpq_class(root.get_den()), "x"}, {mpq_class(-root.get_num()), ""}});
}

// 因式分解法 for integer coefficients A, B, C with rational roots x1, x2:
// A·x² + B·x + C = k·(v1·x − u1)(v2·x − u2), k whole (Gauss's lemma).
void Factorisation(std::vector<std::string>& lines, const mpq_class& A, const mpq_class& x1, const mpq_class& x2) {
    lines.emplace_back("因式分解法:");
    const mpq_class k = A / (mpq_class(x1.get_den()) * x2.get_den());
    std::string product = k == 1 ? "" : k == -1 ? "-" : Number(k);
    const std::string f1 = RootFactor(x1), f2 = RootFactor(x2);
    auto factor = [](const std::string& f) { return f == "x" ? f : "(" + f + ")"; };
    if (x1 == x2) {
        product += factor(f1) + "²";
        lines.push_back(product + " = 0");
        lines.push_back(f1 + " = 0");
        lines.push_back("x1 = x2 = " + Text(x1));
        return;
    }
    // x(x-3), not (x-3)x.
    const bool swap = f2 == "x";
    const std::string& first = swap ? f2 : f1;
    const std::string& second = swap ? f1 : f2;
    product += factor(first) + factor(second);
    lines.push_back(product + " = 0");
    lines.push_back(first + " = 0 或 " + second + " = 0");
    lines.push_back("x1 = " + Text(x1) + ", x2 = " + Text(x2));
}

// "-b" with b written in: "-(-3)", "-3", "" for b = 0.
std::string MinusB(const mpq_class& b) {
    if (sgn(b) == 0) return "";
    return "-" + exact::Operand(Number(b));
}

}  // namespace

WorkedSolution QuadraticSolution(std::string_view aText, std::string_view bText, std::string_view cText) {
    const Outcome decimal = SolveQuadratic(aText, bText, cText);
    if (decimal.failed() && decimal.message->text != kNoRealRoot) return WorkedSolution::Refusal(*decimal.message);
    try {
        const auto typed = TypedValues({aText, bText, cText});
        if (!typed) return WorkedSolution::Refusal(Outcome::Error(kTooLarge).message.value());
        const mpq_class &a = (*typed)[0], &b = (*typed)[1], &c = (*typed)[2];
        WorkedSolution s;
        auto& lines = s.lines;
        lines.push_back("方程: " + Equation(a, b, c));

        // Decimals cleared: the least multiplier that makes every coefficient whole.
        mpz_class multiplier = 1;
        for (const mpq_class* v : {&a, &b, &c})
            mpz_lcm(multiplier.get_mpz_t(), multiplier.get_mpz_t(), v->get_den_mpz_t());
        const mpq_class A = exact::Checked(mpq_class(a * multiplier)), B = exact::Checked(mpq_class(b * multiplier)),
                        C = exact::Checked(mpq_class(c * multiplier));
        if (multiplier != 1)
            lines.push_back("方程两边同乘以" + multiplier.get_str() + "，得 " + Equation(A, B, C));
        if (sgn(A) == 0) return WorkedSolution::Refusal(Outcome::Error(kZeroQuadraticCoefficient).message.value());

        const mpq_class delta = exact::Checked(mpq_class(B * B - 4 * A * C));
        const std::string deltaLine = "Δ = b²-4ac = " + exact::Operand(Number(B)) + "²-" +
                                      steps::Product({"4", Number(A), Number(C)}) + " = " + Number(delta);
        const std::string coefficients = "a = " + Number(A) + ", b = " + Number(B) + ", c = " + Number(C);
        if (sgn(delta) < 0) {
            lines.push_back(coefficients);
            lines.push_back(deltaLine);
            lines.push_back("Δ < 0，方程没有实数根");
            lines.emplace_back(kNoRealRoot);
            s.message = Outcome::Error(kNoRealRoot).message;
            return s;
        }
        // The solver finds no real root where the typed digits give one
        // (numbers of more digits than a double holds): its message stands.
        if (decimal.failed()) return WorkedSolution::Refusal(*decimal.message);
        const auto root = exact::SimplifyRoot(delta, 2);
        if (!root) return WorkedSolution::Refusal(Outcome::Error(kTooLarge).message.value());
        const mpq_class twoA = 2 * A;
        const ExactValue x1 = (ExactValue(mpq_class(-B)) + root->value) / twoA;
        const ExactValue x2 = (ExactValue(mpq_class(-B)) - root->value) / twoA;

        const bool rationalRoots = root->value.IsRational();
        if (rationalRoots) {
            Factorisation(lines, A, x1.RationalPart(), x2.RationalPart());
            lines.emplace_back("公式法:");
        }
        lines.push_back(coefficients);
        lines.push_back(deltaLine);
        const std::string twoAText = "(" + steps::Product({"2", Number(A)}) + ")";
        if (sgn(delta) == 0) {
            lines.push_back("Δ = 0，方程有两个相等的实数根");
            const std::string minusB = sgn(B) == 0 ? "0" : MinusB(B);
            lines.push_back("x1 = x2 = -b/(2a) = " + minusB + "/" + twoAText + " = " + Text(x1));
            return s;
        }
        lines.push_back("Δ > 0，方程有两个不相等的实数根");
        const std::string rootText = Text(root->value);
        if (rootText != "√" + Number(delta)) lines.push_back("√Δ = √" + exact::Operand(Number(delta)) + " = " + rootText);
        const std::string numerator = MinusB(B) + "±" + rootText;
        const ExactValue half = root->value / twoA;
        lines.push_back("x = (-b±√Δ)/(2a) = (" + numerator + ")/" + twoAText + " = " +
                        exact::PlusMinusText(mpq_class(-B / twoA), half));
        if (rationalRoots) {
            // (3+1)/2 = 2: the two signs written out before the value.
            const std::string plus = exact::PlusMinusText(mpq_class(-B / twoA), half);
            auto pick = [&](const char* sign, const char* other) {
                std::string t = plus;
                const std::string pm = t.find("∓") != std::string::npos ? "∓" : "±";
                t.replace(t.find(pm), pm.size(), pm == "±" ? sign : other);
                return t[0] == '+' ? t.substr(1) : t;  // ±1/2 when -b is 0
            };
            const std::string p1 = pick("+", "-"), p2 = pick("-", "+");
            lines.push_back("x1 = " + (p1 == Text(x1) ? p1 : p1 + " = " + Text(x1)));
            lines.push_back("x2 = " + (p2 == Text(x2) ? p2 : p2 + " = " + Text(x2)));
        } else {
            lines.push_back("x1 = " + Text(x1));
            lines.push_back("x2 = " + Text(x2));
        }
        return s;
    } catch (const exact::TooLarge&) {
        return WorkedSolution::Refusal(Outcome::Error(kTooLarge).message.value());
    }
}

}  // namespace numora::maths
