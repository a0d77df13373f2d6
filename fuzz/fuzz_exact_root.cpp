// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact numbers: a typed number's exact value and the simplest form of
// its square, cube and fourth roots.
//
// Input: the first byte chooses the index (2, 3 or 4, and now and then one
// the simplifier must refuse), the rest is the typed text.
// What must hold:
// - TypedValue reads the number LeadingValue reads: the same value to the
//   double's rounding, a typed 0 as 0, nothing where the double overflows
//   (beyond the digit cap), and the same value when typed in full width.
// - SimplifyRoot's steps agree with each other and with the radicand,
//   checked with GMP's integers: D·m = T^k with m least, N·m = s^k·n, n
//   free of k-th powers of small primes, (s^k·n)/T^k = radicand; a fourth
//   root written as a square root only when n is a square; the value is
//   s·ᵏ√n/T and its approximation is the radicand's root. Refused exactly
//   for a negative radicand or an index outside 2..4.
// - The notation of every value made is non-empty ASCII-or-UTF-8 text
//   holding a radical sign exactly when the value is not rational.
#include <gmpxx.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "ExactNotation.h"
#include "ExactNumber.h"
#include "FullWidth.h"
#include "FuzzCheck.h"
#include "NumberText.h"

using numora::fuzz::Shown;
namespace ex = numora::exact;

namespace {

mpz_class Power(const mpz_class& base, int k) {
    mpz_class out;
    mpz_pow_ui(out.get_mpz_t(), base.get_mpz_t(), static_cast<unsigned long>(k));
    return out;
}

bool HasSmallPowerFactor(const mpz_class& n, int k) {
    for (unsigned long p = 2; p < 200; ++p) {
        mpz_class pk = Power(mpz_class(p), k);
        if (pk > n) break;
        if (mpz_divisible_p(n.get_mpz_t(), pk.get_mpz_t())) return true;
    }
    return false;
}

// The digits, signs and point as a full-width input method types them.
std::string FullWidth(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.') {
            const unsigned code = 0xFF01 + (c - 0x21);
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

void CheckText(const ex::ExactValue& value, const std::string& context) {
    const std::string text = ex::Text(value);
    NUMORA_CHECK(!text.empty(), context);
    const bool radical = text.find("√") != std::string::npos || text.find("∛") != std::string::npos ||
                         text.find("∜") != std::string::npos;
    NUMORA_CHECK(radical == !value.IsRational(), context + " text " + Shown(text));
}

void CheckTypedValue(std::string_view typed) {
    const std::optional<mpq_class> value = ex::TypedValue(typed);
    const double reading = numora::LeadingValue(typed);
    if (!value) {
        // Only a number too long to write out is refused: far beyond or
        // below the double range, or typed with hundreds of digits.
        NUMORA_CHECK(reading == 0 || std::isinf(reading) || std::fabs(reading) > 1e300 ||
                         std::fabs(reading) < 1e-300 || numora::PackedNumberText(typed).size() > 300,
                     "typed " + Shown(typed) + " refused, reads " + Shown(reading));
        return;
    }
    NUMORA_CHECK(std::isfinite(reading) || std::fabs(value->get_d()) > 1e307,
                 "typed " + Shown(typed) + " reads " + Shown(reading));
    if (std::isfinite(reading) && std::fabs(reading) > 1e-290) {
        const double exact = value->get_d();
        NUMORA_CHECK(std::fabs(exact - reading) <= 4e-16 * std::fabs(reading),
                     "typed " + Shown(typed) + " exact " + value->get_str() + " double " + Shown(reading));
    }
    if (reading == 0) NUMORA_CHECK(sgn(*value) == 0 || std::fabs(value->get_d()) < 1e-290, "typed " + Shown(typed));
    // Full-width text reads the same once it has entered (FromFullWidth).
    bool ascii = typed.size() < 64;
    for (unsigned char c : typed) ascii = ascii && c >= 0x20 && c < 0x7f;
    if (ascii) {
        const std::optional<mpq_class> wide = ex::TypedValue(numora::FromFullWidth(FullWidth(typed)));
        NUMORA_CHECK(wide && *wide == *value, "typed " + Shown(typed) + " in full width");
    }
    CheckText(ex::ExactValue(*value), "value of " + Shown(typed));
}

void CheckRoot(const mpq_class& radicand, int index, std::string_view typed) {
    const std::string context = "root " + std::to_string(index) + " of " + Shown(typed) + " = " + radicand.get_str();
    std::optional<ex::RootForm> form;
    try {
        form = ex::SimplifyRoot(radicand, index);
    } catch (const ex::TooLarge&) {
        return;  // beyond the digit cap: the calculators say 数据过大
    }
    if (sgn(radicand) < 0 || index < 2 || index > 4) {
        NUMORA_CHECK(!form, context + " should be refused");
        return;
    }
    if (!form) return;  // a large factor that cannot be certified
    const mpz_class N = radicand.get_num();
    const mpz_class D = radicand.get_den();
    const int k = index;
    NUMORA_CHECK(form->radicand == radicand && form->index == k, context);
    NUMORA_CHECK(form->multiplier >= 1 && D * form->multiplier == Power(form->denominatorRoot, k),
                 context + " D·m = T^k");
    // m is least: no smaller multiplier by a divisor of it makes a k-th power.
    for (unsigned long p = 2; p < 100; ++p) {
        if (!mpz_divisible_ui_p(form->multiplier.get_mpz_t(), p)) continue;
        const mpz_class smaller = form->multiplier / p;
        mpz_class product = D * smaller;
        NUMORA_CHECK(!mpz_root(product.get_mpz_t(), product.get_mpz_t(), static_cast<unsigned long>(k)),
                     context + " m not least: m=" + form->multiplier.get_str() + " p=" + std::to_string(p));
    }
    NUMORA_CHECK(form->numerator == N * form->multiplier, context + " numerator N·m");
    NUMORA_CHECK(form->numerator == Power(form->outside, k) * form->inside, context + " N·m = s^k·n");
    NUMORA_CHECK(sgn(N) == 0 || form->inside >= 1, context + " n");
    NUMORA_CHECK(!HasSmallPowerFactor(form->inside, k), context + " n has a k-th power factor");
    mpq_class back(Power(form->outside, k) * form->inside, Power(form->denominatorRoot, k));
    back.canonicalize();
    NUMORA_CHECK(back == radicand, context + " (s^k·n)/T^k");
    if (form->simpleIndex != k) {
        NUMORA_CHECK(k == 4 && form->simpleIndex == 2 && form->simpleInside * form->simpleInside == form->inside,
                     context + " fourth root as a square root");
    }
    // The value: s·ᵏ√n/T, approximately the root.
    const double plain = radicand.get_d();  // normal doubles only: a subnormal has lost digits
    const long double expected = std::pow(static_cast<long double>(plain), 1.0L / k);
    const long double got = form->value.Approximate();
    if (plain > 1e-300 && plain < 1e300)
        NUMORA_CHECK(std::fabs(got - expected) <= 1e-12L * expected, context + " value " + Shown(static_cast<double>(got)));
    if (sgn(N) == 0) NUMORA_CHECK(form->value.IsZero(), context + " root of 0");
    const bool rational = form->inside == 1 || (form->simpleIndex == 2 && form->simpleInside == 1);
    NUMORA_CHECK(form->value.IsRational() == (rational || sgn(N) == 0), context + " rational");
    CheckText(form->value, context);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 4096) return 0;
    const int choice = data[0] % 8;
    const int index = choice < 6 ? 2 + choice % 3 : (choice == 6 ? 1 : 5);
    const std::string typed(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckTypedValue(typed);
    std::optional<mpq_class> value;
    value = ex::TypedValue(typed);
    if (!value) return 0;
    CheckRoot(*value, index, typed);
    // The root of the reciprocal rationalises the other way round.
    if (sgn(*value) != 0) CheckRoot(1 / *value, index, typed);
    return 0;
}
