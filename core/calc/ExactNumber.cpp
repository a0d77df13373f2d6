// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExactNumber.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "NumberText.h"

namespace numora::exact {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The primes below 2^16, for trial division.
const std::vector<unsigned long>& SmallPrimes() {
    static const std::vector<unsigned long> primes = [] {
        constexpr unsigned long kLimit = 1ul << 16;
        std::vector<bool> composite(kLimit, false);
        std::vector<unsigned long> found;
        for (unsigned long i = 2; i < kLimit; ++i) {
            if (composite[i]) continue;
            found.push_back(i);
            for (unsigned long j = i * i; j < kLimit; j += i) composite[j] = true;
        }
        return found;
    }();
    return primes;
}

unsigned FloorLog2(unsigned long v) {
    unsigned bits = 0;
    while (v >>= 1) ++bits;
    return bits;
}

__extension__ typedef unsigned __int128 Wide;

// p^e > r, without overflow (p < 2^16, e <= 5).
bool PowerExceeds(unsigned long p, int e, unsigned long r) {
    Wide power = 1;
    for (int i = 0; i < e; ++i) power *= p;
    return power > r;
}

mpz_class Power(unsigned long base, unsigned long exponent) {
    mpz_class result;
    mpz_ui_pow_ui(result.get_mpz_t(), base, exponent);
    return result;
}

mpz_class Power(const mpz_class& base, unsigned long exponent) {
    mpz_class result;
    mpz_pow_ui(result.get_mpz_t(), base.get_mpz_t(), exponent);
    return Checked(result);
}

// The exact k-th root of n, when n is a k-th power.
std::optional<mpz_class> ExactRoot(const mpz_class& n, unsigned long k) {
    mpz_class root;
    if (mpz_root(root.get_mpz_t(), n.get_mpz_t(), k) == 0) return std::nullopt;
    return root;
}

long double ToLongDouble(const mpz_class& z) {
    long exponent = 0;
    const double mantissa = mpz_get_d_2exp(&exponent, z.get_mpz_t());
    return std::ldexp(static_cast<long double>(mantissa), static_cast<int>(exponent));
}

long double ToLongDouble(const mpq_class& q) {
    long en = 0, ed = 0;
    const double n = mpz_get_d_2exp(&en, q.get_num_mpz_t());
    const double d = mpz_get_d_2exp(&ed, q.get_den_mpz_t());
    return std::ldexp(static_cast<long double>(n) / d, static_cast<int>(en - ed));
}

int CompareValues(const ExactValue& a, const ExactValue& b) {
    const auto& x = a.terms();
    const auto& y = b.terms();
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (const int c = Compare(x[i].radical, y[i].radical); c != 0) return c;
        if (const int c = cmp(x[i].coefficient, y[i].coefficient); c != 0) return c < 0 ? -1 : 1;
    }
    return 0;
}

}  // namespace

const mpz_class& Checked(const mpz_class& value) {
    // mpz_sizeinbase may count one digit too many.
    if (mpz_sizeinbase(value.get_mpz_t(), 10) > kDigitCap + 1) throw TooLarge();
    return value;
}

const mpq_class& Checked(const mpq_class& value) {
    Checked(value.get_num());
    Checked(value.get_den());
    return value;
}

std::optional<mpq_class> TypedValue(std::string_view typed) {
    const std::string packed = PackedNumberText(typed);
    std::string_view s = packed;
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    const std::string_view number = s.substr(0, ReadDecimalPrefix(s).length);

    // value = digits · 10^shift
    std::string digits;
    long long shift = 0;
    std::size_t i = 0;
    bool fraction = false;
    for (; i < number.size() && (IsDigit(number[i]) || number[i] == '.'); ++i) {
        if (number[i] == '.') {
            fraction = true;
            continue;
        }
        if (fraction) --shift;
        if (!digits.empty() || number[i] != '0') digits += number[i];
    }
    if (digits.empty()) return mpq_class(0);
    if (i < number.size()) {  // "E" or "e", an optional sign, digits (ReadDecimalPrefix saw them)
        ++i;
        bool negativeExponent = false;
        if (number[i] == '+' || number[i] == '-') negativeExponent = number[i++] == '-';
        long long exponent = 0;
        for (; i < number.size(); ++i)
            if (exponent < 1'000'000'000'000) exponent = exponent * 10 + (number[i] - '0');
        shift += negativeExponent ? -exponent : exponent;
    }
    while (digits.back() == '0') {
        digits.pop_back();
        ++shift;
    }
    const auto magnitude = static_cast<unsigned long long>(shift < 0 ? -shift : shift);
    if (digits.size() + magnitude > kDigitCap) return std::nullopt;
    mpq_class value;
    value.get_num() = mpz_class(digits, 10);
    const mpz_class scale = Power(10ul, static_cast<unsigned long>(magnitude));
    if (shift >= 0)
        value.get_num() *= scale;
    else
        value.get_den() = scale;
    value.canonicalize();
    if (negative) value = -value;
    return value;
}

// ---- Radicals and values -------------------------------------------------

int Compare(const Radical& a, const Radical& b) {
    if (a.IsOne() || b.IsOne()) return a.IsOne() == b.IsOne() ? 0 : a.IsOne() ? -1 : 1;
    if (a.index != b.index) return a.index < b.index ? -1 : 1;
    const bool an = a.nested != nullptr, bn = b.nested != nullptr;
    if (an != bn) return an ? 1 : -1;
    if (an) return CompareValues(*a.nested, *b.nested);
    const int c = cmp(a.radicand, b.radicand);
    return c < 0 ? 1 : c > 0 ? -1 : 0;  // larger radicands first: √6+√2
}

ExactValue::ExactValue(const mpq_class& rational) {
    if (sgn(rational) != 0) terms_.push_back(Term{Checked(rational), Radical{}});
}

ExactValue::ExactValue(const mpq_class& coefficient, int index, const mpz_class& radicand) {
    if (sgn(coefficient) == 0) return;
    Radical radical;
    if (index > 1 && radicand != 1) radical = Radical{index, Checked(radicand), nullptr};
    terms_.push_back(Term{Checked(coefficient), std::move(radical)});
}

ExactValue ExactValue::NestedRoot(const mpq_class& coefficient, ExactValue inside) {
    if (inside.IsRational()) {
        const auto root = SimplifyRoot(inside.RationalPart(), 2);
        if (!root) throw TooLarge();
        return root->value * coefficient;
    }
    ExactValue v;
    if (sgn(coefficient) == 0) return v;
    v.terms_.push_back(
        Term{Checked(coefficient), Radical{2, 1, std::make_shared<const ExactValue>(std::move(inside))}});
    return v;
}

bool ExactValue::IsRational() const { return terms_.empty() || (terms_.size() == 1 && terms_[0].radical.IsOne()); }

mpq_class ExactValue::RationalPart() const {
    for (const Term& t : terms_)
        if (t.radical.IsOne()) return t.coefficient;
    return 0;
}

void ExactValue::Add(const Term& term) {
    auto at = std::lower_bound(terms_.begin(), terms_.end(), term,
                               [](const Term& a, const Term& b) { return Compare(a.radical, b.radical) < 0; });
    if (at != terms_.end() && Compare(at->radical, term.radical) == 0) {
        at->coefficient = Checked(mpq_class(at->coefficient + term.coefficient));
        if (sgn(at->coefficient) == 0) terms_.erase(at);
        return;
    }
    terms_.insert(at, term);
}

ExactValue ExactValue::operator-() const {
    ExactValue v = *this;
    for (Term& t : v.terms_) t.coefficient = -t.coefficient;
    return v;
}

ExactValue operator+(const ExactValue& a, const ExactValue& b) {
    ExactValue sum = a;
    for (const Term& t : b.terms_) sum.Add(t);
    return sum;
}

ExactValue operator*(const ExactValue& a, const mpq_class& factor) {
    if (sgn(factor) == 0) return {};
    ExactValue v = a;
    for (Term& t : v.terms_) t.coefficient = Checked(mpq_class(t.coefficient * factor));
    return v;
}

ExactValue operator/(const ExactValue& a, const mpq_class& divisor) {
    return a * mpq_class(1 / divisor);
}

bool operator==(const ExactValue& a, const ExactValue& b) { return CompareValues(a, b) == 0; }

long double ExactValue::Approximate() const {
    long double sum = 0;
    for (const Term& t : terms_) {
        long double radical = 1;
        if (t.radical.nested)
            radical = std::sqrt(t.radical.nested->Approximate());
        else if (!t.radical.IsOne())
            radical = std::pow(ToLongDouble(t.radical.radicand), 1.0L / t.radical.index);
        sum += ToLongDouble(t.coefficient) * radical;
    }
    return sum;
}

// ---- Roots ---------------------------------------------------------------

std::optional<PowerSplit> SplitPower(const mpz_class& n, int k, bool leastMultiplier) {
    PowerSplit out{1, 1, 1};
    if (sgn(n) <= 0 || k < 1) return std::nullopt;
    mpz_class rest = n;
    auto record = [&](unsigned long p, unsigned long e) {
        if (e / static_cast<unsigned long>(k) > 0) out.outside *= Power(p, e / static_cast<unsigned long>(k));
        if (const unsigned long r = e % static_cast<unsigned long>(k); r > 0) {
            out.inside *= Power(p, r);
            out.multiplier *= Power(p, static_cast<unsigned long>(k) - r);
        }
    };
    const auto& primes = SmallPrimes();
    bool exhausted = false;  // rest < p^(k+1) for the next prime p not tried
    std::size_t i = 0;
    // A rest of many limbs: four primes at a time (their product fits 64
    // bits), one remainder of the long number for all four; each prime
    // that divides it taken out at once (mpz_remove).
    while (i < primes.size() && !mpz_fits_ulong_p(rest.get_mpz_t())) {
        // rest < 2^((k+1)·floor(log2 p)) <= p^(k+1)
        if (mpz_sizeinbase(rest.get_mpz_t(), 2) <= static_cast<std::size_t>(k + 1) * FloorLog2(primes[i])) {
            exhausted = true;
            break;
        }
        const std::size_t end = std::min(i + 4, primes.size());
        unsigned long product = 1;
        for (std::size_t j = i; j < end; ++j) product *= primes[j];
        const unsigned long remainder = mpz_fdiv_ui(rest.get_mpz_t(), product);
        for (; i < end; ++i) {
            if (remainder % primes[i] != 0) continue;
            const mpz_class p = primes[i];
            record(primes[i], mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), p.get_mpz_t()));
        }
    }
    if (!exhausted && mpz_fits_ulong_p(rest.get_mpz_t())) {
        // Trial division ends once r < p^(k+1): r then has at most k prime
        // factors, so no k-th power factor unless it is a k-th power. For
        // the least multiplier (a denominator: ∛(1/4) = ∛(2/8) = ∛2/2, not
        // ∛(16/64)) r is factored whole instead, until p² > r, when r is 1
        // or a prime.
        unsigned long r = rest.get_ui();
        for (; i < primes.size() && r > 1; ++i) {
            const unsigned long p = primes[i];
            if (!leastMultiplier && PowerExceeds(p, k + 1, r)) {
                exhausted = true;
                break;
            }
            if (leastMultiplier && p > r / p) {
                record(r, 1);
                r = 1;
                break;
            }
            if (r % p != 0) continue;
            unsigned long e = 0;
            do {
                r /= p;
                ++e;
            } while (r % p == 0);
            record(p, e);
        }
        // Left: no factor below 2^16, so fewer than k + 1 prime factors
        // when below 65537^(k+1).
        if (r > 1 && i == primes.size()) exhausted = PowerExceeds(65537, k + 1, r);
        rest = r;
    }
    if (rest == 1) return out;
    // Every prime factor of rest is above the primes tried.
    if (const auto root = ExactRoot(rest, static_cast<unsigned long>(k))) {
        out.outside *= *root;
        return out;
    }
    // Fewer than k + 1 prime factors and not a k-th power, or a prime: no
    // k-th power factor. The multiplier is the least one for a prime (and
    // for k = 2); otherwise one that serves.
    if (exhausted || mpz_probab_prime_p(rest.get_mpz_t(), 30) > 0) {
        out.inside *= rest;
        out.multiplier *= Power(rest, static_cast<unsigned long>(k - 1));
        Checked(out.inside);
        return out;
    }
    return std::nullopt;
}

std::optional<mpq_class> RationalRoot(const mpq_class& q, unsigned long k) {
    if (sgn(q) < 0 || k == 0) return std::nullopt;
    const auto n = ExactRoot(q.get_num(), k);
    if (!n) return std::nullopt;
    const auto d = ExactRoot(q.get_den(), k);
    if (!d) return std::nullopt;
    mpq_class root(*n, *d);
    root.canonicalize();
    return root;
}

std::optional<RootForm> SimplifyRoot(const mpq_class& radicand, int index) {
    if (index < 2 || index > 4 || sgn(radicand) < 0) return std::nullopt;
    RootForm form;
    form.radicand = Checked(radicand);
    form.index = index;
    form.simpleIndex = index;
    form.multiplier = 1;
    form.denominatorRoot = 1;
    if (sgn(radicand) == 0) {
        form.numerator = 0;
        form.outside = 0;
        form.inside = form.simpleInside = 1;
        return form;
    }
    const auto k = static_cast<unsigned long>(index);
    const auto denominator = SplitPower(radicand.get_den(), index, true);
    if (!denominator) return std::nullopt;
    form.multiplier = Checked(denominator->multiplier);
    const mpz_class scaled = Checked(mpz_class(radicand.get_den() * form.multiplier));
    form.denominatorRoot = ExactRoot(scaled, k).value_or(0);  // a k-th power by construction
    form.numerator = Checked(mpz_class(radicand.get_num() * form.multiplier));
    const auto numerator = SplitPower(form.numerator, index);
    if (!numerator || form.denominatorRoot == 0) return std::nullopt;
    form.outside = numerator->outside;
    form.inside = form.simpleInside = numerator->inside;
    if (index == 4 && form.inside > 1 && mpz_perfect_square_p(form.inside.get_mpz_t()) != 0) {
        form.simpleIndex = 2;
        form.simpleInside = sqrt(form.inside);
    }
    mpq_class coefficient(form.outside, form.denominatorRoot);
    coefficient.canonicalize();
    form.value = ExactValue(coefficient, form.simpleIndex, form.simpleInside);
    return form;
}

}  // namespace numora::exact
