// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A reader of the exact notation for the tests, written apart from the code
// that makes the notation: it reads a text such as "(3+√5)/2", "-√3/3",
// "√(10+2√5)/4" or "2∛2" into a 320-bit number (MPFR), and lists where the
// text is not in simplest form (a radicand with a square, cube or fourth
// power factor, a radical or 1 in a denominator, a common factor of the
// numerator's coefficients and the denominator, a decimal point, a
// coefficient 1 written out, a fourth root of a square).
#pragma once

#include <gmpxx.h>
#include <mpfr.h>

#include <numeric>
#include <string>
#include <string_view>
#include <vector>

namespace numora::testing {

inline constexpr mpfr_prec_t kReaderBits = 320;

// An MPFR number that frees itself.
class Real {
public:
    Real() { mpfr_init2(v_, kReaderBits); mpfr_set_zero(v_, 1); }
    Real(const Real& o) : Real() { mpfr_set(v_, o.v_, MPFR_RNDN); }
    Real& operator=(const Real& o) { mpfr_set(v_, o.v_, MPFR_RNDN); return *this; }
    ~Real() { mpfr_clear(v_); }
    mpfr_ptr get() { return v_; }
    mpfr_srcptr get() const { return v_; }

    static Real Of(const mpq_class& q) {
        Real r;
        mpfr_set_q(r.v_, q.get_mpq_t(), MPFR_RNDN);
        return r;
    }
    static Real Of(double d) {
        Real r;
        mpfr_set_d(r.v_, d, MPFR_RNDN);
        return r;
    }

private:
    mpfr_t v_;
};

// |a - b| <= 10^-digits · max(1, |b|).
inline bool Agree(const Real& a, const Real& b, int digits) {
    Real d, scale, tolerance;
    mpfr_sub(d.get(), a.get(), b.get(), MPFR_RNDN);
    mpfr_abs(d.get(), d.get(), MPFR_RNDN);
    mpfr_abs(scale.get(), b.get(), MPFR_RNDN);
    if (mpfr_cmp_ui(scale.get(), 1) < 0) mpfr_set_ui(scale.get(), 1, MPFR_RNDN);
    mpfr_set_ui(tolerance.get(), 10, MPFR_RNDN);
    mpfr_pow_si(tolerance.get(), tolerance.get(), -digits, MPFR_RNDN);
    mpfr_mul(tolerance.get(), tolerance.get(), scale.get(), MPFR_RNDN);
    return mpfr_cmp(d.get(), tolerance.get()) <= 0;
}

inline std::string Show(const Real& r) {
    char buffer[128];
    mpfr_snprintf(buffer, sizeof buffer, "%.35Rg", r.get());
    return buffer;
}

class NotationReader {
public:
    explicit NotationReader(std::string_view text) : s_(text) {}

    // The value; `ok` false on a text the notation does not allow.
    Real Read() {
        Real v = Sum(false);
        if (i_ != s_.size()) Fail("unread text at " + std::to_string(i_));
        return v;
    }
    bool ok() const { return problems_.empty(); }
    // Every way the text fails the notation or its simplest form.
    const std::vector<std::string>& problems() const { return problems_; }

private:
    void Fail(const std::string& why) { problems_.push_back(why + " in \"" + std::string(s_) + "\""); }
    bool Eat(std::string_view token) {
        if (s_.substr(i_).starts_with(token)) {
            i_ += token.size();
            return true;
        }
        return false;
    }
    bool AtDigit() const { return i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9'; }
    mpz_class Integer() {
        const std::size_t start = i_;
        while (AtDigit()) ++i_;
        if (start == i_) {
            Fail("a number expected at " + std::to_string(i_));
            return 1;
        }
        if (s_[start] == '0' && i_ - start > 1) Fail("a leading zero");
        if (i_ < s_.size() && s_[i_] == '.') Fail("a decimal point");
        return mpz_class(std::string(s_.substr(start, i_ - start)));
    }
    // √ ∛ ∜ or raised digits and √: the index, 0 when none is here.
    int RadicalIndex() {
        if (Eat("√")) return 2;
        if (Eat("∛")) return 3;
        if (Eat("∜")) return 4;
        return 0;
    }

    // sum := ['-'] product (('+' | '-') product)*. `nested`: under a radical,
    // where no term has a denominator. The coefficients of the terms are
    // kept for the common-factor rule.
    Real Sum(bool nested, std::vector<mpz_class>* coefficients = nullptr) {
        Real total;
        bool first = true;
        while (true) {
            bool negative = false;
            if (first) {
                negative = Eat("-");
            } else if (Eat("-")) {
                negative = true;
            } else if (!Eat("+")) {
                break;
            }
            if (!first && i_ < s_.size() && (s_[i_] == '-' || s_[i_] == '+')) Fail("two signs");
            mpz_class coefficient = 1;
            Real term = Product(nested, &coefficient);
            if (coefficients) coefficients->push_back(coefficient);
            if (negative) mpfr_neg(term.get(), term.get(), MPFR_RNDN);
            mpfr_add(total.get(), total.get(), term.get(), MPFR_RNDN);
            first = false;
        }
        return total;
    }

    // product := unit ['/' integer]
    Real Product(bool nested, mpz_class* coefficient) {
        std::vector<mpz_class> numerator;
        Real v = Unit(&numerator);
        if (numerator.size() == 1) *coefficient = numerator[0];
        if (Eat("/")) {
            if (nested) Fail("a fraction under a radical");
            if (!AtDigit()) Fail("a denominator that is not a whole number");
            const mpz_class d = Integer();
            if (d <= 1) Fail("a denominator " + d.get_str());
            mpz_class g = d;
            for (const mpz_class& c : numerator) g = gcd(g, c);
            if (g != 1) Fail("a common factor " + g.get_str() + " of numerator and denominator");
            Real divisor = Real::Of(mpq_class(d));
            mpfr_div(v.get(), v.get(), divisor.get(), MPFR_RNDN);
            *coefficient = 1;
        }
        return v;
    }

    // unit := integer [radical] | radical | '(' sum ')'
    Real Unit(std::vector<mpz_class>* coefficients) {
        if (Eat("(")) {
            Real v = Sum(false, coefficients);
            if (!Eat(")")) Fail("a missing ')'");
            if (coefficients->size() < 2) Fail("parentheses around a single term");
            return v;
        }
        mpz_class coefficient = 1;
        bool written = false;
        if (AtDigit()) {
            coefficient = Integer();
            written = true;
            if (coefficient == 0 && i_ < s_.size()) Fail("a zero term");
        }
        Real v = Real::Of(mpq_class(coefficient));
        coefficients->push_back(coefficient);
        if (const int k = RadicalIndex()) {
            if (written && coefficient == 1) Fail("a coefficient 1 written out");
            Real radical = Radicand(k);
            mpfr_mul(v.get(), v.get(), radical.get(), MPFR_RNDN);
        } else if (!written) {
            Fail("a number or radical expected at " + std::to_string(i_));
        }
        return v;
    }

    Real Radicand(int k) {
        Real r;
        if (Eat("(")) {
            std::vector<mpz_class> inside;
            r = Sum(true, &inside);
            if (!Eat(")")) Fail("a missing ')'");
            if (inside.size() < 2) Fail("a nested radicand that is not a sum");
        } else {
            const mpz_class n = Integer();
            if (n <= 1) Fail("a radicand " + n.get_str());
            // Trial division by every p with p^k <= n, up to 10^5 (the
            // radicands of the tables are far smaller, and a large one still
            // has its small factors checked).
            for (unsigned long p = 2; p <= 100000; ++p) {
                mpz_class power;
                mpz_ui_pow_ui(power.get_mpz_t(), p, static_cast<unsigned long>(k));
                if (power > n) break;
                if (mpz_divisible_p(n.get_mpz_t(), power.get_mpz_t()) != 0)
                    Fail("a radicand " + n.get_str() + " with the factor " + power.get_str());
            }
            if (k == 4 && mpz_perfect_square_p(n.get_mpz_t())) Fail("a fourth root of a square");
            r = Real::Of(mpq_class(n));
        }
        mpfr_rootn_ui(r.get(), r.get(), static_cast<unsigned long>(k), MPFR_RNDN);
        return r;
    }

    std::string_view s_;
    std::size_t i_ = 0;
    std::vector<std::string> problems_;
};

// The value of a text in the notation; problems() tells what is wrong.
inline Real ReadNotation(std::string_view text, std::vector<std::string>* problems = nullptr) {
    NotationReader reader(text);
    Real v = reader.Read();
    if (problems) *problems = reader.problems();
    return v;
}

}  // namespace numora::testing
