// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one reading of a formula. The decimal evaluation (EvaluateFormula)
// and the exact one (EvaluateFormulaExact) both walk a formula with this
// template, each over its own kind of number, so that both always describe
// the same formula: the same tokens, the same precedence, the same
// refusals. The grammar is described in Formula.h.
//
// An Arithmetic supplies:
//   using Value = ...;
//   bool Number(const DecimalPrefix& number, std::string_view text, bool negate, Value& out);
//       the value of a number token (its text and its decimal reading);
//       false refuses the formula
//   bool Apply(formula::Op op, Value& a, const Value& b);
//       a = a op b for Add, Sub, Mul, Div; false refuses the formula
//   void Negate(Value& v);
#pragma once

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "NumberText.h"

namespace numora::formula {

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Operator stack entries: a pending binary operator, or an open parenthesis
// with the sign written in front of it.
enum class Op : char { Add, Sub, Mul, Div, OpenPlus, OpenMinus };

inline int Precedence(Op op) {
    return op == Op::Mul || op == Op::Div ? 2 : op == Op::Add || op == Op::Sub ? 1 : 0;
}

// How a walk ended.
struct WalkEnd {
    bool accepted = false;
    bool performed = false;        // at least one operation was carried out
    std::string_view text;         // the formula without its end marker
    std::string_view loneNumber;   // the last number as typed (the result when nothing was performed)
};

template <typename Arithmetic>
class FormulaWalk {
public:
    using Value = typename Arithmetic::Value;

    explicit FormulaWalk(Arithmetic& arithmetic) : arithmetic_(arithmetic) {}

    // The value once Run has accepted the formula.
    const Value& result() const { return values_.back(); }

    WalkEnd Run(std::string_view f) {
        WalkEnd end;
        if (!f.empty() && f.back() == '#') f.remove_suffix(1);
        end.text = f;
        bool expectOperand = true;
        bool negate = false;       // parity of the minus signs in front of an operand
        bool afterClose = false;   // the last operand was a parenthesised group

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
                    if (number.length == 0 || number.overflow) return end;
                    const std::size_t len = number.length;
                    values_.emplace_back();
                    if (!arithmetic_.Number(number, f.substr(i, len), negate, values_.back())) return end;
                    end.loneNumber = f.substr(i, len);
                    negate = false;
                    expectOperand = false;
                    afterClose = false;
                    i += len;
                } else {
                    return end;  // an operator, ")" or anything else where a number belongs
                }
                continue;
            }
            // An operand is complete: an operator, ")", or implicit multiplication.
            switch (c) {
                case '+': if (!PushBinary(Op::Add)) return end; expectOperand = true; ++i; break;
                case '-': if (!PushBinary(Op::Sub)) return end; expectOperand = true; ++i; break;
                case '*': if (!PushBinary(Op::Mul)) return end; expectOperand = true; ++i; break;
                case '/': if (!PushBinary(Op::Div)) return end; expectOperand = true; ++i; break;
                case ')': {
                    if (!Reduce(1)) return end;
                    if (ops_.empty()) return end;  // no "(" to close
                    bool minus = ops_.back() == Op::OpenMinus;
                    ops_.pop_back();
                    if (minus) arithmetic_.Negate(values_.back());
                    afterClose = true;
                    ++i;
                    break;
                }
                case '(':
                    // 2(3), (1+2)(3+4): written against a parenthesis means times.
                    if (!PushBinary(Op::Mul)) return end;
                    expectOperand = true;
                    break;  // the "(" is read again as an operand
                default:
                    if (afterClose && (IsDigit(c) || c == '.')) {
                        // (2)3
                        if (!PushBinary(Op::Mul)) return end;
                        expectOperand = true;
                        break;
                    }
                    return end;  // "1 2", a letter, "#" inside the formula...
            }
        }
        if (expectOperand) return end;  // empty, or ends with an operator
        if (!Reduce(1)) return end;
        if (!ops_.empty()) return end;  // a "(" left open
        end.accepted = true;
        end.performed = performed_;
        return end;
    }

private:
    // Applies the top operator to the top two values; false on a failure.
    bool ApplyTop() {
        Op op = ops_.back();
        ops_.pop_back();
        Value b = std::move(values_.back());
        values_.pop_back();
        if (op != Op::Add && op != Op::Sub && op != Op::Mul && op != Op::Div) return false;
        performed_ = true;
        return arithmetic_.Apply(op, values_.back(), b);
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

    Arithmetic& arithmetic_;
    std::vector<Value> values_;
    std::vector<Op> ops_;
    bool performed_ = false;
};

// Double precision, refusing a division by zero and any result beyond the
// double range: the arithmetic of EvaluateFormula.
struct DecimalArithmetic {
    using Value = double;

    bool Number(const DecimalPrefix& number, std::string_view, bool negate, double& out) {
        out = negate ? -number.value : number.value;
        return true;
    }

    bool Apply(Op op, double& a, double b) {
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
        return std::isfinite(a);
    }

    void Negate(double& v) { v = -v; }
};

// The decimal result text of an accepted walk whose value is `value`:
// NumberText(value) after an operation; otherwise the number as it was
// typed, with the formula's leading and trailing blanks and the net sign.
std::string DecimalResultText(const WalkEnd& end, double value);

}  // namespace numora::formula
