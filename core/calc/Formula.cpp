// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Formula.h"

#include <cmath>
#include <vector>

#include "NumberText.h"

namespace numora {
namespace {

const std::string kError = "Error";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Operator stack entries: a pending binary operator, or an open parenthesis
// with the sign written in front of it.
enum class Op : char { Add, Sub, Mul, Div, OpenPlus, OpenMinus };

int Precedence(Op op) { return op == Op::Mul || op == Op::Div ? 2 : op == Op::Add || op == Op::Sub ? 1 : 0; }

class Evaluator {
public:
    // Applies the top operator to the top two values; false on a failure.
    bool ApplyTop() {
        Op op = ops_.back();
        ops_.pop_back();
        double b = values_.back();
        values_.pop_back();
        double& a = values_.back();
        switch (op) {
            case Op::Add: a = a + b; break;
            case Op::Sub: a = a - b; break;
            case Op::Mul: a = a * b; break;
            case Op::Div:
                if (b == 0) return false;
                a = a / b;
                break;
            default: return false;
        }
        performed_ = true;
        return std::isfinite(a);
    }

    // Applies every pending operator of at least `precedence` in the
    // current parenthesis level.
    bool Reduce(int precedence) {
        while (!ops_.empty() && Precedence(ops_.back()) >= precedence && Precedence(ops_.back()) > 0)
            if (!ApplyTop()) return false;
        return true;
    }

    bool PushBinary(Op op) {
        if (!Reduce(Precedence(op))) return false;
        ops_.push_back(op);
        return true;
    }

    std::string Run(std::string_view f) {
        if (!f.empty() && f.back() == '#') f.remove_suffix(1);
        bool expectOperand = true;
        bool negate = false;       // parity of the minus signs in front of an operand
        bool afterClose = false;   // the last operand was a parenthesised group
        std::string_view loneNumber;

        for (std::size_t i = 0; i < f.size();) {
            char c = f[i];
            if (IsBlank(c)) {
                ++i;
                continue;
            }
            if (expectOperand) {
                if (c == '-') {
                    negate = !negate;
                    ++i;
                } else if (c == '(') {
                    ops_.push_back(negate ? Op::OpenMinus : Op::OpenPlus);
                    negate = false;
                    ++i;
                } else if (IsDigit(c) || c == '.') {
                    DecimalPrefix number = ReadDecimalPrefix(f.substr(i));
                    if (number.length == 0 || number.overflow) return kError;
                    const std::size_t len = number.length;
                    const double v = number.value;
                    values_.push_back(negate ? -v : v);
                    loneNumber = f.substr(i, len);
                    negate = false;
                    expectOperand = false;
                    afterClose = false;
                    i += len;
                } else {
                    return kError;  // an operator, ")" or anything else where a number belongs
                }
                continue;
            }
            // An operand is complete: an operator, ")", or implicit multiplication.
            switch (c) {
                case '+': if (!PushBinary(Op::Add)) return kError; expectOperand = true; ++i; break;
                case '-': if (!PushBinary(Op::Sub)) return kError; expectOperand = true; ++i; break;
                case '*': if (!PushBinary(Op::Mul)) return kError; expectOperand = true; ++i; break;
                case '/': if (!PushBinary(Op::Div)) return kError; expectOperand = true; ++i; break;
                case ')': {
                    if (!Reduce(1)) return kError;
                    if (ops_.empty()) return kError;  // no "(" to close
                    bool minus = ops_.back() == Op::OpenMinus;
                    ops_.pop_back();
                    if (minus) values_.back() = -values_.back();
                    afterClose = true;
                    ++i;
                    break;
                }
                case '(':
                    // 2(3), (1+2)(3+4): written against a parenthesis means times.
                    if (!PushBinary(Op::Mul)) return kError;
                    expectOperand = true;
                    break;  // the "(" is read again as an operand
                default:
                    if (afterClose && (IsDigit(c) || c == '.')) {
                        // (2)3
                        if (!PushBinary(Op::Mul)) return kError;
                        expectOperand = true;
                        break;
                    }
                    return kError;  // "1 2", a letter, "#" inside the formula...
            }
        }
        if (expectOperand) return kError;  // empty, or ends with an operator
        if (!Reduce(1)) return kError;
        if (!ops_.empty()) return kError;  // a "(" left open
        double result = values_.back();
        if (!performed_) {
            // No operation: the number comes back as it was typed.
            std::size_t lead = 0;
            while (lead < f.size() && IsBlank(f[lead])) ++lead;
            std::size_t trail = 0;
            while (trail < f.size() - lead && IsBlank(f[f.size() - 1 - trail])) ++trail;
            std::string text(f.substr(0, lead));
            if (std::signbit(result)) text += '-';
            text += loneNumber;
            text += f.substr(f.size() - trail);
            return text;
        }
        return NumberText(result);
    }

private:
    std::vector<double> values_;
    std::vector<Op> ops_;
    bool performed_ = false;
};

}  // namespace

std::string EvaluateFormula(std::string_view formula) {
    if (formula.empty()) return kError;
    Evaluator evaluator;
    return evaluator.Run(formula);
}

}  // namespace numora
