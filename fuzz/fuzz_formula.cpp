// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for the formula evaluator (EvaluateFormula).
//
// Every input is evaluated by the library and by an independent reference
// evaluator written here from the documented grammar (recursive descent,
// numbers read with strtod, the same double arithmetic in the same order),
// and the two results must be the same text (the reference reads the
// formula after FromFullWidth, as the library does). Besides:
//  - the result is a refusal or a text StrictValue reads back (but for the
//    largest doubles, whose 15-digit text is past the double range);
//  - a formula's value does not change inside parentheses, "-( )" negates it,
//    and a "#" appended to it is ignored.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "Formula.h"
#include "FullWidth.h"
#include "FuzzCheck.h"
#include "NumberText.h"

namespace {

using numora::EvaluateFormula;
using numora::NumberText;
using numora::StrictValue;
using numora::fuzz::Shown;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// What the reference makes of a formula.
struct Expected {
    enum Kind { kError, kText, kUnknown } kind = kError;
    std::string text;
};

// Recursive descent over
//   formula := expr, with one trailing "#" removed first
//   expr    := term { ("+" | "-") term }
//   term    := factor { ("*" | "/") factor | factor starting with "("
//                       | number, when the previous factor ended with ")" }
//   factor  := { "-" } ( number | "(" expr ")" )
// Blanks (space, tab) may stand between any two tokens.
class Reference {
public:
    explicit Reference(std::string_view formula) : f_(formula) {
        if (!f_.empty() && f_.back() == '#') f_.remove_suffix(1);
    }

    Expected Evaluate() {
        double value = 0;
        bool ok = Expr(value);
        if (tooDeep_) return {Expected::kUnknown, {}};
        if (!ok || Peek() != kEnd) return {};
        if (operations_ > 0) return {Expected::kText, NumberText(value)};
        // No operation: the number as typed, with the formula's outer blanks
        // and the net sign.
        std::size_t lead = 0;
        while (lead < f_.size() && IsBlank(f_[lead])) ++lead;
        std::size_t end = f_.size();
        while (end > lead && IsBlank(f_[end - 1])) --end;
        std::string text(f_.substr(0, lead));
        if (std::signbit(value)) text += '-';
        text += lastNumber_;
        text += f_.substr(end);
        return {Expected::kText, text};
    }

private:
    static constexpr int kEnd = -1;
    static constexpr int kMaxDepth = 3000;  // deeper inputs are not compared

    int Peek() {
        while (pos_ < f_.size() && IsBlank(f_[pos_])) ++pos_;
        return pos_ < f_.size() ? static_cast<unsigned char>(f_[pos_]) : kEnd;
    }

    bool Apply(char op, double& a, double b) {
        ++operations_;
        switch (op) {
            case '+': a = a + b; break;
            case '-': a = a - b; break;
            case '*': a = a * b; break;
            default:
                if (b == 0) return false;
                a = a / b;
        }
        return std::isfinite(a);
    }

    bool Expr(double& value) {
        if (!Term(value)) return false;
        for (int c = Peek(); c == '+' || c == '-'; c = Peek()) {
            ++pos_;
            double rhs = 0;
            if (!Term(rhs) || !Apply(static_cast<char>(c), value, rhs)) return false;
        }
        return true;
    }

    bool Term(double& value) {
        bool group = false;
        if (!Factor(value, group)) return false;
        for (;;) {
            int c = Peek();
            char op;
            if (c == '*' || c == '/') {
                op = static_cast<char>(c);
                ++pos_;
            } else if (c == '(' || (group && (IsDigit(static_cast<char>(c)) || c == '.'))) {
                op = '*';  // written side by side
            } else {
                return true;
            }
            double rhs = 0;
            if (!Factor(rhs, group) || !Apply(op, value, rhs)) return false;
        }
    }

    bool Factor(double& value, bool& group) {
        bool negative = false;
        int c = Peek();
        for (; c == '-'; c = Peek()) {
            negative = !negative;
            ++pos_;
        }
        if (c == '(') {
            if (++depth_ > kMaxDepth) {
                tooDeep_ = true;
                return false;
            }
            ++pos_;
            if (!Expr(value) || Peek() != ')') return false;
            ++pos_;
            --depth_;
            group = true;
        } else {
            if (!Number(value)) return false;
            group = false;
        }
        if (negative) value = -value;
        return true;
    }

    // digits with at most one ".", at least one digit, then an exponent
    // when digits follow the "E" and its sign.
    bool Number(double& value) {
        std::size_t start = pos_, i = pos_, digits = 0;
        while (i < f_.size() && IsDigit(f_[i])) ++i, ++digits;
        if (i < f_.size() && f_[i] == '.') {
            ++i;
            while (i < f_.size() && IsDigit(f_[i])) ++i, ++digits;
        }
        if (digits == 0) return false;
        if (i < f_.size() && (f_[i] == 'e' || f_[i] == 'E')) {
            std::size_t j = i + 1;
            if (j < f_.size() && (f_[j] == '+' || f_[j] == '-')) ++j;
            if (j < f_.size() && IsDigit(f_[j])) {
                while (j < f_.size() && IsDigit(f_[j])) ++j;
                i = j;
            }
        }
        lastNumber_ = f_.substr(start, i - start);
        pos_ = i;
        std::string text(lastNumber_);
        value = std::strtod(text.c_str(), nullptr);
        // Beyond the double range: refused. A number too small for a double
        // reads as the nearest double (zero at the end of the range).
        return std::isfinite(value);
    }

    std::string_view f_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    bool tooDeep_ = false;
    int operations_ = 0;
    std::string_view lastNumber_;
};

std::optional<double> ValueOf(const std::optional<std::string>& result) {
    return result ? StrictValue(*result) : std::nullopt;
}

// A result as the messages show it.
std::string ShownResult(const std::optional<std::string>& result) { return result ? Shown(*result) : "(refused)"; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view formula = numora::fuzz::AsText(data, size);
    const std::optional<std::string> result = EvaluateFormula(formula);
    auto context = [&] { return "formula: " + Shown(formula) + "\nresult:  " + ShownResult(result); };

    // The largest doubles round to 1.79769313486232E+308, past the double
    // range: the one result text that does not read back.
    bool largest = result == "1.79769313486232E+308" || result == "-1.79769313486232E+308";
    std::optional<double> value = ValueOf(result);
    NUMORA_CHECK(!result || largest || value.has_value(), context() + "\n(not a number StrictValue reads)");

    const std::string ascii = numora::FromFullWidth(formula);
    Expected expected = Reference(ascii).Evaluate();
    if (expected.kind == Expected::kError)
        NUMORA_CHECK(!result, context() + "\nexpected: a refusal");
    else if (expected.kind == Expected::kText)
        NUMORA_CHECK(result == expected.text, context() + "\nexpected: " + Shown(expected.text));

    if (!value || formula.back() == '#') return 0;

    // The same formula in parentheses, negated, and with the end marker.
    std::string grouped = "(" + std::string(formula) + ")";
    std::optional<double> groupedValue = ValueOf(EvaluateFormula(grouped));
    NUMORA_CHECK(groupedValue && *groupedValue == *value,
                 context() + "\nin parentheses: " + ShownResult(EvaluateFormula(grouped)));
    std::string negated = "-(" + std::string(formula) + ")";
    std::optional<double> negatedValue = ValueOf(EvaluateFormula(negated));
    NUMORA_CHECK(negatedValue && *negatedValue == -*value,
                 context() + "\nnegated: " + ShownResult(EvaluateFormula(negated)));
    std::string marked = std::string(formula) + "#";
    NUMORA_CHECK(EvaluateFormula(marked) == result, context() + "\nwith \"#\": " + ShownResult(EvaluateFormula(marked)));
    return 0;
}
