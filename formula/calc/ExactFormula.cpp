// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExactFormula.h"

#include <gmp.h>

#include <cstdint>
#include <cstdlib>

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

// The work an evaluation may spend on exact values, in limbs handled: a
// formula of a megabyte of ordinary numbers stays far below it; a formula
// made to keep huge fractions in every step gives up instead of stalling.
constexpr std::uint64_t kWorkLimit = std::uint64_t{1} << 25;

// The double of EvaluateFormula beside the exact value, for as long as the
// exact value can be kept (`status` Value).
class ExactArithmetic {
public:
    struct Value {
        double d = 0;
        Rational q;
    };

    Exact status = Exact::Value;

    bool Number(const DecimalPrefix& number, std::string_view text, bool negate, Value& out) {
        decimal_.Number(number, text, negate, out.d);
        if (status != Exact::Value) return true;
        if (!Read(text, out.q.get())) {
            status = Exact::TooLarge;
            return true;
        }
        if (negate) mpq_neg(out.q.get(), out.q.get());
        return true;
    }

    bool Apply(formula::Op op, Value& a, const Value& b) {
        if (!decimal_.Apply(op, a.d, b.d)) return false;  // the decimal evaluation decides acceptance
        if (status != Exact::Value) return true;
        work_ += Limbs(a.q.get()) + Limbs(b.q.get());
        if (work_ > kWorkLimit) {
            status = Exact::TooLarge;
            return true;
        }
        switch (op) {
            case formula::Op::Add: mpq_add(a.q.get(), a.q.get(), b.q.get()); break;
            case formula::Op::Sub: mpq_sub(a.q.get(), a.q.get(), b.q.get()); break;
            case formula::Op::Mul: mpq_mul(a.q.get(), a.q.get(), b.q.get()); break;
            case formula::Op::Div:
                if (mpq_sgn(b.q.get()) == 0) {
                    status = Exact::ZeroDivisor;
                    return true;
                }
                mpq_div(a.q.get(), a.q.get(), b.q.get());
                break;
            default: return false;
        }
        if (TooLong(mpq_numref(a.q.get())) || TooLong(mpq_denref(a.q.get()))) status = Exact::TooLarge;
        return true;
    }

    void Negate(Value& v) {
        decimal_.Negate(v.d);
        if (status == Exact::Value) mpq_neg(v.q.get(), v.q.get());
    }

    // The exact value of a number token: digits with at most one ".", an
    // optional exponent. False when it needs more than kExactDigitLimit digits.
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
        if (digits_.size() + magnitude > kExactDigitLimit) return false;
        mpz_set_str(mpq_numref(out), digits_.c_str(), 10);
        mpz_set_ui(mpq_denref(out), 1);
        mpz_ptr scaled = shift >= 0 ? mpq_numref(out) : mpq_denref(out);
        mpz_t power;
        mpz_init(power);
        mpz_ui_pow_ui(power, 10, magnitude);
        mpz_mul(scaled, scaled, power);
        mpz_clear(power);
        mpq_canonicalize(out);
        return true;
    }

private:
    static std::uint64_t Limbs(mpq_srcptr q) { return mpz_size(mpq_numref(q)) + mpz_size(mpq_denref(q)); }
    // mpz_sizeinbase may count one digit too many: the limit is one digit generous.
    static bool TooLong(mpz_srcptr z) { return mpz_sizeinbase(z, 10) > kExactDigitLimit + 1; }

    formula::DecimalArithmetic decimal_;
    std::string digits_;
    std::uint64_t work_ = 0;
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
    result.numerator = Text(mpq_numref(value.q.get()));
    result.denominator = Text(mpq_denref(value.q.get()));
    Rational shown;
    result.decimalIsExact = ReadDecimalText(*result.decimal, arithmetic, shown.get()) &&
                            mpq_equal(shown.get(), value.q.get()) != 0;
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
