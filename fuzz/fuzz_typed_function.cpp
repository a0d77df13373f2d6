// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Fuzz target for the plotter's typed functions (TypedFunction).
//
// Every input is read by the library and by an independent reference
// written here from the documented grammar (recursive descent where the
// library uses an operator stack), and both must accept the same texts,
// refuse the others for the same reason, and give the same value, to the
// bit, at a few x (the reference computes as documented: numbers held in
// extended precision, sums, products, quotients in extended precision,
// whole powers by the library's WidePower, the other functions in double;
// the parameters a, b and c at their values of 0). Besides:
//  - a value is a finite number or NaN, never an infinity;
//  - a function's value does not change inside parentheses, and "-( )"
//    negates it;
//  - the key points of the typed graph lie inside the rectangle asked for,
//    are sorted by x, and a zero's value is 0.
#include <cerrno>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "KeyPoints.h"
#include "NumberText.h"
#include "PlotCurve.h"
#include "TypedFunction.h"

namespace {

using numora::fuzz::Shown;
using numora::maths::TypedFunction;
using Wide = long double;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The reference's reading of a text at one x.
struct Reading {
    enum Kind { kValue, kSyntax, kTooLarge, kTooDeep } kind = kSyntax;
    double value = 0;
};

// expr    := term { ("+" | "-") term }
// term    := unary { ("*" | "/") unary | power, when x, a constant, a
//            function or "(" follows directly }
// unary   := ("-" | "+") unary | power
// power   := postfix [ "^" unary ]
// postfix := primary { "²" | "³" }
// primary := number | x | pi | π | e | a | b | c | name "(" expr ")" | "(" expr ")"
// Names (sqrt abs sin cos tan exp ln lg pi x e) in any case, the longest
// first; blanks between tokens; × · ÷ − （ ） as * * / - ( ).
class Reference {
public:
    Reference(std::string_view text, Wide x) : t_(text), x_(x) {}

    Reading Read() {
        Wide v = 0;
        const bool ok = Expr(v);
        if (deep_) return {Reading::kTooDeep};
        Blanks();
        if (!ok || p_ != t_.size()) return {Reading::kSyntax};
        if (large_) return {Reading::kTooLarge};
        const double d = static_cast<double>(v);
        return {Reading::kValue, std::isfinite(d) ? d : std::numeric_limits<double>::quiet_NaN()};
    }

private:
    void Blanks() {
        for (;;) {
            if (p_ < t_.size() && (t_[p_] == ' ' || t_[p_] == '\t' || t_[p_] == '\r' || t_[p_] == '\n'))
                ++p_;
            else if (t_.substr(p_, 3) == "\xE3\x80\x80")
                p_ += 3;
            else
                return;
        }
    }
    bool Eat(std::string_view s) {
        Blanks();
        if (t_.substr(p_, s.size()) != s) return false;
        p_ += s.size();
        return true;
    }
    bool Plus() { return Eat("+"); }
    bool Minus() { return Eat("-") || Eat("\xE2\x88\x92"); }
    bool Times() { return Eat("*") || Eat("\xC3\x97") || Eat("\xC2\xB7"); }
    bool Divide() { return Eat("/") || Eat("\xC3\xB7"); }
    bool Open() { return Eat("(") || Eat("\xEF\xBC\x88"); }
    bool Close() { return Eat(")") || Eat("\xEF\xBC\x89"); }

    // The name at the reading position (without taking it), or -1.
    int NameAt(std::size_t& length) {
        static const char* const names[] = {"sqrt", "abs", "sin", "cos", "tan", "exp", "ln", "lg",
                                            "pi",   "x",   "e",   "a",   "b",   "c"};
        Blanks();
        for (int i = 0; i < 14; ++i) {
            const std::string_view n = names[i];
            if (t_.size() - p_ < n.size()) continue;
            bool same = true;
            for (std::size_t k = 0; k < n.size(); ++k) same = same && Lower(t_[p_ + k]) == n[k];
            if (same) {
                length = n.size();
                return i;
            }
        }
        if (t_.substr(p_, 2) == "\xCF\x80") {
            length = 2;
            return 8;  // π
        }
        return -1;
    }
    // Starts an operand that multiplies when written against the last one.
    bool StartsFactor() {
        std::size_t length = 0;
        if (NameAt(length) >= 0) return true;
        return t_.substr(p_, 1) == "(" || t_.substr(p_, 3) == "\xEF\xBC\x88";
    }

    bool Expr(Wide& v) {
        if (++depth_ > 400) {
            deep_ = true;
            return false;
        }
        if (!Term(v)) return false;
        for (;;) {
            Wide r = 0;
            if (Plus()) {
                if (!Term(r)) return false;
                v += r;
            } else if (Minus()) {
                if (!Term(r)) return false;
                v -= r;
            } else {
                --depth_;
                return true;
            }
        }
    }
    bool Term(Wide& v) {
        if (!Unary(v)) return false;
        for (;;) {
            Wide r = 0;
            if (Times()) {
                if (!Unary(r)) return false;
                v *= r;
            } else if (Divide()) {
                if (!Unary(r)) return false;
                v /= r;
            } else if (StartsFactor()) {
                if (!Power(r)) return false;
                v *= r;
            } else {
                return true;
            }
        }
    }
    bool Unary(Wide& v) {
        if (++depth_ > 400) {
            deep_ = true;
            return false;
        }
        bool ok;
        if (Minus()) {
            ok = Unary(v);
            v = -v;
        } else if (Plus()) {
            ok = Unary(v);
        } else {
            ok = Power(v);
        }
        --depth_;
        return ok;
    }
    bool Power(Wide& v) {
        if (!Postfix(v)) return false;
        if (!Eat("^")) return true;
        Wide e = 0;
        if (!Unary(e)) return false;
        v = numora::maths::WidePower(v, e);
        return true;
    }
    bool Postfix(Wide& v) {
        if (!Primary(v)) return false;
        for (;;) {
            if (Eat("\xC2\xB2"))
                v = numora::maths::WidePower(v, 2);
            else if (Eat("\xC2\xB3"))
                v = numora::maths::WidePower(v, 3);
            else
                return true;
        }
    }
    bool Primary(Wide& v) {
        Blanks();
        if (p_ < t_.size() && (IsDigit(t_[p_]) || t_[p_] == '.')) return Number(v);
        if (Open()) return Expr(v) && Close();
        std::size_t length = 0;
        const int name = NameAt(length);
        if (name < 0) return false;
        p_ += length;
        if (name == 8) return v = std::numbers::pi, true;
        if (name == 9) return v = x_, true;
        if (name == 10) return v = std::numbers::e, true;
        if (name >= 11) return v = 0, true;  // the parameters a, b and c, at their values of 0
        Wide a = 0;
        if (!Open() || !Expr(a) || !Close()) return false;
        const double d = static_cast<double>(a);
        switch (name) {
            case 0: v = std::sqrt(a); break;
            case 1: v = std::fabs(a); break;
            case 2: v = std::sin(d); break;
            case 3: v = std::cos(d); break;
            case 4: v = std::tan(d); break;
            case 5: v = std::exp(d); break;
            case 6: v = std::log(d); break;
            default: v = std::log10(d); break;
        }
        return true;
    }
    // Digits with at most one point, at least one digit; "E", a sign and
    // digits after them are the exponent.
    bool Number(Wide& v) {
        const std::size_t start = p_;
        std::size_t digits = 0;
        bool point = false;
        while (p_ < t_.size() && (IsDigit(t_[p_]) || (t_[p_] == '.' && !point))) {
            if (t_[p_] == '.') point = true; else ++digits;
            ++p_;
        }
        if (digits == 0) return false;
        if (p_ < t_.size() && t_[p_] == 'E') {
            std::size_t q = p_ + 1;
            if (q < t_.size() && (t_[q] == '+' || t_[q] == '-')) ++q;
            if (q < t_.size() && IsDigit(t_[q])) {
                while (q < t_.size() && IsDigit(t_[q])) ++q;
                p_ = q;
            }
        }
        const std::string number(t_.substr(start, p_ - start));
        const double d = std::strtod(number.c_str(), nullptr);
        large_ = large_ || std::isinf(d);
        // Held in extended precision, whose exponent reaches further (1E-400
        // is tiny, not 0); beyond even that, the least positive value.
        errno = 0;
        const Wide wide = std::strtold(number.c_str(), nullptr);
        v = errno != ERANGE ? wide : d == 0 ? std::numeric_limits<Wide>::denorm_min() : d;
        return true;
    }

    std::string_view t_;
    Wide x_;
    std::size_t p_ = 0;
    int depth_ = 0;
    bool deep_ = false, large_ = false;
};

constexpr double kXs[] = {0, 1.5, -2.25, 1e-300, 7e5};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size > 4096) return 0;
    const std::string_view text = numora::fuzz::AsText(data, size);
    TypedFunction::Error error = TypedFunction::Error::None;
    const auto f = TypedFunction::Parse(text, &error);

    const Reading first = Reference(text, kXs[0]).Read();
    if (first.kind == Reading::kTooDeep) return 0;
    if (first.kind == Reading::kSyntax) {
        NUMORA_CHECK(!f && error == TypedFunction::Error::Syntax, Shown(text) + " should be refused as unreadable");
        return 0;
    }
    if (first.kind == Reading::kTooLarge) {
        NUMORA_CHECK(!f && error == TypedFunction::Error::TooLarge, Shown(text) + " holds a number beyond the range");
        return 0;
    }
    NUMORA_CHECK(f.has_value(), Shown(text) + " should be read");
    for (double x : kXs) {
        const Reading r = Reference(text, x).Read();
        const double y = (*f)(x);
        NUMORA_CHECK(!std::isinf(y), Shown(text) + " at " + Shown(x) + " gives an infinity");
        NUMORA_CHECK(numora::fuzz::SameDouble(y, r.value) || (std::isnan(y) && std::isnan(r.value)),
                     Shown(text) + " at " + Shown(x) + ": " + Shown(y) + ", the reference " + Shown(r.value));
        const auto grouped = TypedFunction::Parse("(" + std::string(text) + ")");
        NUMORA_CHECK(grouped && numora::fuzz::SameDouble((*grouped)(x), y), Shown(text) + " changes inside ( )");
        const auto negated = TypedFunction::Parse("-(" + std::string(text) + ")");
        NUMORA_CHECK(negated && (std::isnan(y) ? std::isnan((*negated)(x)) : (*negated)(x) == -y),
                     Shown(text) + ": -( ) does not negate it");
    }
    // Key points of short functions (the scan is the cost).
    if (size <= 64) {
        numora::maths::Curve curve{numora::maths::CurveKind::Typed, {}, std::make_shared<TypedFunction>(*f)};
        const numora::maths::CanvasMapping view{-4, 4, 4, -4};
        const auto keys = numora::maths::FindKeyPoints({curve}, view, 512);
        double last = -INFINITY;
        for (const auto& k : keys.points) {
            NUMORA_CHECK(k.x >= -4 && k.x <= 4 && k.y >= -4 && k.y <= 4,
                         Shown(text) + ": a key point outside the view at " + Shown(k.x));
            NUMORA_CHECK(k.x >= last, Shown(text) + ": key points out of order");
            if (k.kind == numora::maths::KeyKind::Zero) NUMORA_CHECK(k.y == 0, Shown(text) + ": a zero's y is not 0");
            last = k.x;
        }
    }
    return 0;
}
