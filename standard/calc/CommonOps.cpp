// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommonOps.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "NumberText.h"

namespace numora::standard {
namespace {

std::string Formatted(double v) { return FormatResult(NumberText(v)); }

// The shared end of the sum, difference, product and power frames: a
// result beyond the double range is "数据过大", an undefined one (a negative
// base with a fractional exponent, 0 to a negative power) an unknown error.
Outcome WriteResult(const char* field, double result) {
    if (std::isnan(result)) return Outcome::Error(kUnknownError);
    if (std::isinf(result)) return Outcome::Error(kTooLarge);
    return Outcome().Write(field, Formatted(result));
}

bool Empty(std::string_view a, std::string_view b) { return a.empty() || b.empty(); }

// A field holds exactly `ascii`.
bool Is(std::string_view field, std::string_view ascii) { return field == ascii; }

// An operand typed beyond the double range (1e309, -1e309) reads as an
// infinity; every command refuses it with "数据过大", whatever its sign,
// before it could turn into a plausible result (2 to the power -1e309 is
// not 0).
bool BeyondRange(std::string_view text) { return std::isinf(LeadingValue(text)); }
bool BeyondRange(std::string_view a, std::string_view b) { return BeyondRange(a) || BeyondRange(b); }

// pow() with the cases it answers but arithmetic leaves undefined turned into NaN.
double Power(double base, double exponent) {
    if (base == 0 && exponent < 0) return std::nan("");
    return std::pow(base, exponent);
}

}  // namespace

Outcome CommonSum(std::string_view a, std::string_view b) {
    if (Empty(a, b)) return Outcome::Error(kEmptyInput);
    if (BeyondRange(a, b)) return Outcome::Error(kTooLarge);
    return WriteResult(kAddResult, LeadingValue(a) + LeadingValue(b));
}

Outcome CommonDifference(std::string_view a, std::string_view b) {
    if (Empty(a, b)) return Outcome::Error(kEmptyInput);
    if (BeyondRange(a, b)) return Outcome::Error(kTooLarge);
    return WriteResult(kSubtractResult, LeadingValue(a) - LeadingValue(b));
}

Outcome CommonProduct(std::string_view a, std::string_view b) {
    if (Empty(a, b)) return Outcome::Error(kEmptyInput);
    if (BeyondRange(a, b)) return Outcome::Error(kTooLarge);
    return WriteResult(kMultiplyResult, LeadingValue(a) * LeadingValue(b));
}

Outcome CommonQuotient(std::string_view dividend, std::string_view divisor) {
    if (Empty(dividend, divisor)) return Outcome::Error(kEmptyInput);
    if (Is(divisor, "0")) return Outcome::Error("0不能作除数");
    if (BeyondRange(dividend, divisor)) return Outcome::Error(kTooLarge);
    const double a = LeadingValue(dividend);
    const double b = LeadingValue(divisor);
    // Integer quotient and remainder of the operands rounded to 32 bits.
    const auto ia = RoundToInt32(a);
    const auto ib = RoundToInt32(b);
    if (!ia || !ib || *ib == 0) return Outcome::Error(kUnknownError);
    const std::int64_t q = static_cast<std::int64_t>(*ia) / *ib;
    if (q > INT32_MAX) return Outcome::Error(kUnknownError);  // -2147483648 \ -1
    Outcome out;
    out.Write(kIntegerQuotient, std::to_string(q));
    out.Write(kRemainder, std::to_string(static_cast<std::int64_t>(*ia) % *ib));
    const double quotient = a / b;
    if (!std::isfinite(quotient)) return out.Fail(kUnknownError);
    return out.Write(kQuotient, Formatted(quotient));
}

Outcome CommonPower(std::string_view base, std::string_view exponent) {
    if (Empty(base, exponent)) return Outcome::Error(kEmptyInput);
    if (Is(base, "0") && Is(exponent, "0")) return Outcome::Error("0没有0次幂");
    if (BeyondRange(base, exponent)) return Outcome::Error(kTooLarge);
    return WriteResult(kPowerResult, Power(LeadingValue(base), LeadingValue(exponent)));
}

Outcome CommonRoot(std::string_view radicand, std::string_view index) {
    if (Empty(radicand, index)) return Outcome::Error(kEmptyInput);
    if (BeyondRange(radicand, index)) return Outcome::Error(kTooLarge);
    const auto strictRadicand = StrictValue(radicand);
    if (!strictRadicand) return Outcome::Error(kUnknownError);
    if (*strictRadicand < 0) return Outcome().Write(kRadicand, "0").Fail("被开方数不能为负");
    if (Is(index, "0")) return Outcome().Write(kRootIndex, "1").Fail("请不要使指数为0");
    if (Is(index, "-")) return Outcome().Write(kRootIndex, "1").Fail("指数中不要有负号");
    const auto strictIndex = StrictValue(index);
    if (!strictIndex) return Outcome::Error(kUnknownError);
    if (*strictIndex < 0) return Outcome().Write(kRootIndex, "1").Fail("指数不能为负");

    const double m = LeadingValue(index);
    if (m == 0) return Outcome::Error(kUnknownError);  // "0.0": 1/m is undefined
    const double root = std::pow(LeadingValue(radicand), 1 / m);
    if (std::isnan(root)) return Outcome::Error(kUnknownError);
    if (std::isinf(root)) return Outcome::Error(kTooLarge);
    // The rounding reads the root's text, as shown: a half rounds up. A text
    // rounded up beyond the double range (1.79769313486232E+308) is read as
    // the root itself, which is a whole number there.
    const std::string rootText = NumberText(root);
    double whole = std::floor(LeadingValue(rootText));
    if (!std::isfinite(whole)) whole = std::floor(root);
    const double fraction = StrictValue(rootText).value_or(whole) - whole;
    const double rounded = fraction >= 0.5 ? whole + 1 : whole;
    if (!std::isfinite(rounded)) return Outcome::Error(kTooLarge);
    Outcome out;
    out.Write(kRoundedRoot, NumberText(rounded));
    out.Write(kRootResult, FormatResult(rootText));
    return out;
}

Outcome CommonLogarithm(std::string_view argument, std::string_view base) {
    if (Empty(argument, base)) return Outcome::Error(kEmptyInput);
    if (BeyondRange(argument, base)) return Outcome::Error(kTooLarge);
    const double x = LeadingValue(argument);
    const double b = LeadingValue(base);
    if (!(x > 0) || !(b > 0)) return Outcome::Error("真数与底数必须为正");
    if (b == 1) return Outcome::Error("底数不可为1");
    return WriteResult(kLogResult, std::log(x) / std::log(b));
}

Outcome CommonFactorial(std::string_view text) {
    if (text.empty()) return Outcome::Error(kEmptyInput);
    if (Is(text, "-")) return Outcome().Write(kFactorialInput, "0").Fail("该数不可为负");
    const auto strict = StrictValue(text);
    if (!strict) return Outcome::Error(kTooLarge);
    if (*strict < 0) return Outcome().Write(kFactorialInput, "0").Fail("该数不可为负");
    const double floored = std::floor(LeadingValue(text));
    if (floored > 32767) return Outcome::Error(kTooLarge);
    const int n = static_cast<int>(floored);
    // Exact integers while they fit 32 bits (to 12!), then doubles; both
    // show in the shared number text.
    double product = 1;
    for (int i = 2; i <= n; ++i) {
        product *= i;
        if (std::isinf(product)) return Outcome::Error(kTooLarge);
    }
    return Outcome().Write(kFactorialResult, NumberText(product));
}

Outcome QuickOperation(QuickOp op, std::string_view first, std::string_view second) {
    if (Empty(first, second)) return Outcome::Error(kEmptyInput);
    if (BeyondRange(first, second)) return Outcome::Error(kTooLarge);
    const double a = LeadingValue(first);
    const double b = LeadingValue(second);
    double result = 0;
    switch (op) {
        case QuickOp::Sum: result = a + b; break;
        case QuickOp::Difference: result = a - b; break;
        case QuickOp::Product: result = a * b; break;
        case QuickOp::Division:
            if (b == 0) return Outcome::Error(kDivisorZero);
            result = a / b;
            break;
        case QuickOp::Power:
            if (a == 0 && b == 0) return Outcome::Error("0没有0次幂");
            result = Power(a, b);
            break;
        case QuickOp::Root:
            if (a < 0) return Outcome::Error("被开方数不能为负");
            if (b == 0) return Outcome::Error("请不要使指数为0");
            if (b < 0) return Outcome::Error("指数不能为负");
            result = std::pow(a, 1 / b);
            break;
        case QuickOp::Logarithm:
            if (!(a > 0) || !(b > 0)) return Outcome::Error("真数与底数必须为正");
            if (a == 1) return Outcome::Error("底数不可为1");
            result = std::log(b) / std::log(a);
            break;
    }
    // Every run-time failure of this page is one message.
    if (!std::isfinite(result)) return Outcome::Error(kUnknownError);
    return Outcome().Write(kQuickResult, Formatted(result));
}

}  // namespace numora::standard
