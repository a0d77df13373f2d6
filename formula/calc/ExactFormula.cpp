// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExactFormula.h"

#include <gmp.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "FormulaWalk.h"
#include "FullWidth.h"
#include "NumberText.h"

namespace numora {
namespace {

using Exact = ExactFormulaResult::Exact;

// A GMP rational that owns its storage.
class Rational {
public:
    Rational() { mpq_init(q_); }
    Rational(Rational&& other) noexcept : Rational() { mpq_swap(q_, other.q_); }
    Rational& operator=(Rational&& other) noexcept {
        mpq_swap(q_, other.q_);
        return *this;
    }
    Rational(const Rational&) = delete;
    Rational& operator=(const Rational&) = delete;
    ~Rational() { mpq_clear(q_); }

    mpq_ptr get() { return q_; }
    mpq_srcptr get() const { return q_; }

private:
    mpq_t q_;
};

// Whole-number text of GMP's, freed with GMP's own allocator.
std::string Text(mpz_srcptr z) {
    void (*release)(void*, std::size_t) = nullptr;
    mp_get_memory_functions(nullptr, nullptr, &release);
    char* raw = mpz_get_str(nullptr, 10, z);
    std::string text(raw);
    release(raw, text.size() + 1);
    return text;
}

// A GMP whole number that owns its storage.
class Whole {
public:
    Whole() { mpz_init(z_); }
    Whole(const Whole&) = delete;
    Whole& operator=(const Whole&) = delete;
    ~Whole() { mpz_clear(z_); }
    mpz_ptr get() { return z_; }

private:
    mpz_t z_;
};

// The work an evaluation may spend on exact values, in limbs handled: a
// formula of a megabyte of ordinary numbers stays far below it; a formula
// made to keep huge fractions in every step gives up instead of stalling.
constexpr std::uint64_t kWorkLimit = std::uint64_t{1} << 25;

// The exact values held at once (those waiting for an operator, deep in
// parentheses), in limbs of 8 bytes, each value counted with its own
// keeping (kValueCost): 64 MB. A formula whose exact evaluation would hold
// more (a million numbers of 10000 digits each, written 1e-9999) gives up
// instead of growing with every number.
constexpr std::uint64_t kHeldLimit = std::uint64_t{1} << 23;
constexpr std::uint64_t kValueCost = 12;

// A typed number with more digits than this, or a decimal exponent beyond
// it, cannot have numerator and denominator within kExactDigitLimit digits
// in lowest terms (reducing by powers of 2 and 5 shortens them by less), so
// it is refused before GMP works on it.
constexpr std::uint64_t kReadLimit = 4 * kExactDigitLimit + 1;

// The double of EvaluateFormula beside the exact value, for as long as the
// exact value can be kept (`status` Value). The exact values live in a pool;
// a value of the walk holds its place there, so a walk that gave up on the
// exact value holds no more than the double.
class ExactArithmetic {
public:
    struct Value {
        double d = 0;
        std::uint32_t slot = kNone;
    };
    static constexpr std::uint32_t kNone = ~std::uint32_t{0};

    Exact status = Exact::Value;

    bool Number(const DecimalPrefix& number, std::string_view text, bool negate, Value& out) {
        decimal_.Number(number, text, negate, out.d);
        if (status != Exact::Value) return true;
        out.slot = Take();
        mpq_ptr q = pool_[out.slot].get();
        if (!Read(text, q)) return GiveUp(Exact::TooLarge);
        if (negate) mpq_neg(q, q);
        return Hold(q);
    }

    bool Apply(formula::Op op, Value& a, const Value& b) {
        if (!decimal_.Apply(op, a.d, b.d)) return false;  // the decimal evaluation decides acceptance
        if (status != Exact::Value) return true;
        mpq_ptr qa = pool_[a.slot].get();
        mpq_srcptr qb = pool_[b.slot].get();
        work_ += Limbs(qa) + Limbs(qb);
        if (work_ > kWorkLimit) return GiveUp(Exact::TooLarge);
        held_ -= Cost(qa) + Cost(qb);
        switch (op) {
            case formula::Op::Add: mpq_add(qa, qa, qb); break;
            case formula::Op::Sub: mpq_sub(qa, qa, qb); break;
            case formula::Op::Mul: mpq_mul(qa, qa, qb); break;
            case formula::Op::Div:
                if (mpq_sgn(qb) == 0) return GiveUp(Exact::ZeroDivisor);
                mpq_div(qa, qa, qb);
                break;
            default: return false;
        }
        Release(b.slot);
        if (TooLong(mpq_numref(qa)) || TooLong(mpq_denref(qa))) return GiveUp(Exact::TooLarge);
        return Hold(qa);
    }

    void Negate(Value& v) {
        decimal_.Negate(v.d);
        if (status == Exact::Value) mpq_neg(pool_[v.slot].get(), pool_[v.slot].get());
    }

    // The exact value of a walk's value while status is Value.
    mpq_srcptr Exactly(const Value& v) const { return pool_[v.slot].get(); }

    // The exact value of a number token: digits with at most one ".", an
    // optional exponent. False when numerator or denominator in lowest
    // terms would have more than kExactDigitLimit digits.
    bool Read(std::string_view text, mpq_ptr out) {
        digits_.clear();
        std::int64_t shift = 0;  // value = digits * 10^shift
        std::size_t i = 0;
        bool fraction = false;
        for (; i < text.size() && (formula::IsDigit(text[i]) || text[i] == '.'); ++i) {
            if (text[i] == '.') {
                fraction = true;
                continue;
            }
            if (fraction) --shift;
            if (!digits_.empty() || text[i] != '0') digits_ += text[i];
        }
        if (digits_.empty()) {
            mpq_set_ui(out, 0, 1);
            return true;
        }
        if (i < text.size()) {  // "E" or "e", an optional sign, digits
            ++i;
            bool negative = false;
            if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
            std::int64_t exponent = 0;
            for (; i < text.size(); ++i)
                if (exponent < 1'000'000'000'000) exponent = exponent * 10 + (text[i] - '0');
            shift += negative ? -exponent : exponent;
        }
        while (digits_.back() == '0') {
            digits_.pop_back();
            ++shift;
        }
        const std::uint64_t magnitude = shift < 0 ? static_cast<std::uint64_t>(-shift) : static_cast<std::uint64_t>(shift);
        // A whole number keeps every digit; a fraction is reduced first.
        if (shift >= 0 ? digits_.size() + magnitude > kExactDigitLimit
                       : digits_.size() > kReadLimit || magnitude > kReadLimit)
            return false;
        mpz_set_str(mpq_numref(out), digits_.c_str(), 10);
        mpz_set_ui(mpq_denref(out), 1);
        mpz_ptr scaled = shift >= 0 ? mpq_numref(out) : mpq_denref(out);
        Whole power;
        mpz_ui_pow_ui(power.get(), 10, magnitude);
        mpz_mul(scaled, scaled, power.get());
        mpq_canonicalize(out);
        return !TooLong(mpq_numref(out)) && !TooLong(mpq_denref(out));
    }

private:
    static std::uint64_t Limbs(mpq_srcptr q) { return mpz_size(mpq_numref(q)) + mpz_size(mpq_denref(q)); }
    static std::uint64_t Cost(mpq_srcptr q) { return Limbs(q) + kValueCost; }

    // More than kExactDigitLimit digits (mpz_sizeinbase may count one too
    // many: the last candidates are compared with 10^limit).
    bool TooLong(mpz_srcptr z) {
        const std::size_t digits = mpz_sizeinbase(z, 10);
        if (digits <= kExactDigitLimit) return false;
        if (digits > kExactDigitLimit + 1) return true;
        if (mpz_sgn(limitPower_.get()) == 0) mpz_ui_pow_ui(limitPower_.get(), 10, kExactDigitLimit);
        return mpz_cmpabs(z, limitPower_.get()) >= 0;
    }

    std::uint32_t Take() {
        if (!free_.empty()) {
            const std::uint32_t slot = free_.back();
            free_.pop_back();
            return slot;
        }
        pool_.emplace_back();
        return static_cast<std::uint32_t>(pool_.size() - 1);
    }
    void Release(std::uint32_t slot) {
        mpq_set_ui(pool_[slot].get(), 0, 1);
        free_.push_back(slot);
    }
    bool Hold(mpq_srcptr q) {
        held_ += Cost(q);
        return held_ <= kHeldLimit || GiveUp(Exact::TooLarge);
    }
    // No exact value: the pool's memory goes at once, the decimal walk goes on.
    bool GiveUp(Exact why) {
        status = why;
        std::vector<Rational>().swap(pool_);
        std::vector<std::uint32_t>().swap(free_);
        return true;
    }

    formula::DecimalArithmetic decimal_;
    std::vector<Rational> pool_;
    std::vector<std::uint32_t> free_;
    std::string digits_;
    Whole limitPower_;
    std::uint64_t work_ = 0;
    std::uint64_t held_ = 0;
};

// The decimal result text read exactly: blanks, a "-", a number, blanks
// (the shapes DecimalResultText makes). False for anything else.
bool ReadDecimalText(std::string_view text, ExactArithmetic& reader, mpq_ptr out) {
    while (!text.empty() && formula::IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && formula::IsBlank(text.back())) text.remove_suffix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    const DecimalPrefix number = ReadDecimalPrefix(text);
    if (number.length == 0 || number.length != text.size() || !reader.Read(text, out)) return false;
    if (negative) mpq_neg(out, out);
    return true;
}

}  // namespace

ExactFormulaResult EvaluateFormulaExact(std::string_view typed) {
    std::string ascii;
    const std::string_view formula = FromFullWidth(typed, ascii);
    ExactFormulaResult result;
    if (formula.empty()) return result;
    ExactArithmetic arithmetic;
    formula::FormulaWalk<ExactArithmetic> walk(arithmetic);
    const formula::WalkEnd end = walk.Run(formula);
    if (!end.accepted) return result;
    const ExactArithmetic::Value& value = walk.result();
    result.decimal = formula::DecimalResultText(end, value.d);
    result.exact = arithmetic.status;
    if (result.exact != Exact::Value) return result;
    mpq_srcptr exact = arithmetic.Exactly(value);
    result.numerator = Text(mpq_numref(exact));
    result.denominator = Text(mpq_denref(exact));
    Rational shown;
    result.decimalIsExact =
        ReadDecimalText(*result.decimal, arithmetic, shown.get()) && mpq_equal(shown.get(), exact) != 0;
    return result;
}

std::string ExactText(const ExactFormulaResult& result) {
    if (result.exact != Exact::Value) return {};
    if (result.denominator == "1") return result.numerator;
    return result.numerator + "/" + result.denominator;
}

std::optional<std::string> FractionLine(const ExactFormulaResult& result) {
    if (result.exact != Exact::Value || result.denominator == "1" || result.decimalIsExact) return std::nullopt;
    const std::size_t numeratorDigits = result.numerator.size() - (result.numerator[0] == '-' ? 1 : 0);
    if (numeratorDigits > kFractionLineDigits || result.denominator.size() > kFractionLineDigits) return std::nullopt;
    return "分数: " + ExactText(result);
}

}  // namespace numora
