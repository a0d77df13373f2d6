// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for the exact evaluation of formulas (EvaluateFormulaExact).
//
//  - Its decimal text is exactly EvaluateFormula's, and it refuses exactly
//    the formulas the decimal evaluation refuses.
//  - Its fraction is in lowest terms with a positive denominator.
//  - Where the decimal evaluation is exact (every number a whole number of
//    at most 15 digits, and no operation of the double arithmetic raised
//    the inexact flag), the exact value rounded to 15 significant digits
//    here, with GMP, is the decimal text, and no divisor can be exactly
//    zero while its double is not.
#include <gmp.h>

#include <cfenv>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ExactFormula.h"
#include "Formula.h"
#include "FuzzCheck.h"
#include "NumberText.h"

namespace {

using numora::EvaluateFormula;
using numora::EvaluateFormulaExact;
using numora::ExactFormulaResult;
using numora::fuzz::Shown;
using Exact = ExactFormulaResult::Exact;

// Every number of the formula is a whole number a double holds exactly.
bool OnlySmallWholeNumbers(std::string_view f) {
    std::size_t run = 0;
    for (char c : f) {
        if (c == '.' || c == 'e' || c == 'E') return false;
        run = c >= '0' && c <= '9' ? run + 1 : 0;
        if (run > 15) return false;
    }
    return true;
}

// q rounded to 15 significant digits (halves to even), written as
// NumberText writes a double.
std::string Rounded15(mpq_srcptr q) {
    if (mpq_sgn(q) == 0) return "0";
    mpz_t n, d, scaled, rest, power;
    mpz_inits(n, d, scaled, rest, power, nullptr);
    mpz_abs(n, mpq_numref(q));
    mpz_set(d, mpq_denref(q));
    // The decimal exponent e of the first digit: 10^e <= |q| < 10^(e+1).
    long e = static_cast<long>(mpz_sizeinbase(n, 10)) - static_cast<long>(mpz_sizeinbase(d, 10));
    auto compare = [&](long exponent) {  // sign of |q| - 10^exponent
        mpz_ui_pow_ui(power, 10, static_cast<unsigned long>(std::labs(exponent)));
        if (exponent >= 0) {
            mpz_mul(scaled, d, power);
            return mpz_cmp(n, scaled);
        }
        mpz_mul(scaled, n, power);
        return mpz_cmp(scaled, d);
    };
    while (compare(e) < 0) --e;
    while (compare(e + 1) >= 0) ++e;
    // m = |q| * 10^(14 - e), rounded.
    const long shift = 14 - e;
    mpz_ui_pow_ui(power, 10, static_cast<unsigned long>(std::labs(shift)));
    if (shift >= 0) {
        mpz_mul(scaled, n, power);
        mpz_set(n, scaled);
    } else {
        mpz_mul(scaled, d, power);
        mpz_set(d, scaled);
    }
    mpz_tdiv_qr(scaled, rest, n, d);
    mpz_mul_2exp(rest, rest, 1);
    const int half = mpz_cmp(rest, d);
    if (half > 0 || (half == 0 && mpz_odd_p(scaled))) mpz_add_ui(scaled, scaled, 1);
    char* raw = mpz_get_str(nullptr, 10, scaled);
    std::string digits(raw);
    void (*release)(void*, std::size_t) = nullptr;
    mp_get_memory_functions(nullptr, nullptr, &release);
    release(raw, digits.size() + 1);
    mpz_clears(n, d, scaled, rest, power, nullptr);
    if (digits.size() > 15) {  // rounded up to 10^15
        digits.pop_back();
        ++e;
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = mpq_sgn(q) < 0 ? "-" : "";
    if (e < -4 || e >= 15) {
        out += digits[0];
        if (digits.size() > 1) out += "." + digits.substr(1);
        out += e < 0 ? "E-" : "E+";
        if (std::labs(e) < 10) out += '0';
        out += std::to_string(std::labs(e));
    } else if (e < 0) {
        out += "." + std::string(static_cast<std::size_t>(-e - 1), '0') + digits;
    } else {
        const std::size_t whole = static_cast<std::size_t>(e) + 1;
        if (digits.size() <= whole) {
            out += digits + std::string(whole - digits.size(), '0');
        } else {
            out += digits.substr(0, whole) + "." + digits.substr(whole);
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string formula(numora::fuzz::AsText(data, size));
    std::feclearexcept(FE_ALL_EXCEPT);
    const std::optional<std::string> decimal = EvaluateFormula(formula);
    const bool inexact = std::fetestexcept(FE_INEXACT) != 0;
    const ExactFormulaResult r = EvaluateFormulaExact(formula);
    auto context = [&] {
        return "formula " + Shown(formula) + "\ndecimal " + Shown(decimal.value_or("(refused)")) + "\nexact " +
               Shown(r.decimal.value_or("(refused)")) +
               " status " + std::to_string(static_cast<int>(r.exact)) + " value " +
               Shown(r.numerator + "/" + r.denominator);
    };

    NUMORA_CHECK(r.decimal == decimal, context());
    NUMORA_CHECK((r.exact == Exact::Refused) == !decimal.has_value(), context());
    if (r.exact != Exact::Value) {
        NUMORA_CHECK(r.numerator.empty() && r.denominator.empty(), context());
        if (r.exact == Exact::ZeroDivisor && OnlySmallWholeNumbers(formula))
            NUMORA_CHECK(inexact, context() + "\na zero divisor without any rounding");
        return 0;
    }

    mpq_t q;
    mpq_init(q);
    const std::string text = r.numerator + "/" + r.denominator;
    NUMORA_CHECK(!r.denominator.empty() && r.denominator[0] != '-' && r.denominator != "0", context());
    NUMORA_CHECK(mpq_set_str(q, text.c_str(), 10) == 0, context());
    mpz_t g;
    mpz_init(g);
    mpz_gcd(g, mpq_numref(q), mpq_denref(q));
    NUMORA_CHECK(mpz_cmp_ui(g, 1) == 0, context() + "\nnot in lowest terms");
    mpz_clear(g);

    // The decimal text of an operation (a lone number keeps its spelling).
    const bool computed = decimal == numora::NumberText(std::strtod(decimal->c_str(), nullptr));
    if (!inexact && computed && OnlySmallWholeNumbers(formula)) {
        const std::string rounded = Rounded15(q);
        NUMORA_CHECK(rounded == decimal, context() + "\nexact value rounded to 15 digits: " + Shown(rounded));
    }
    mpq_clear(q);
    return 0;
}
