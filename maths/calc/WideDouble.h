// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// WideDouble: a double's 53-bit significand with an exponent of its own, so
// that products, quotients and sums of numbers within the double range never
// overflow or underflow on the way (1e-200 squared is 1e-400 here, not 0).
// Within the normal range of double every operation rounds as double does,
// so a computation that never leaves that range gives the same digits.
// Only the conversion back to double can overflow (an infinity) or
// underflow (a subnormal or zero, rounded as double rounds).
#pragma once

#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace numora::maths {

class WideDouble {
public:
    constexpr WideDouble() = default;
    // A finite double (an infinity or NaN makes a meaningless value).
    WideDouble(double value) {  // NOLINT(google-explicit-constructor): a widening, as double from float
        int exponent = 0;
        m_ = std::frexp(value, &exponent);
        e_ = m_ == 0 ? 0 : exponent;
    }

    double ToDouble() const {
        if (m_ == 0) return m_;
        // Far beyond either end the result is an infinity or a zero anyway;
        // the limits keep the int conversion of ldexp's argument safe.
        if (e_ > 4096) return std::copysign(std::numeric_limits<double>::infinity(), m_);
        if (e_ < -4096) return std::copysign(0.0, m_);
        return std::ldexp(m_, static_cast<int>(e_));
    }

    bool IsZero() const { return m_ == 0; }
    bool Negative() const { return m_ < 0; }

    friend WideDouble operator-(WideDouble a) {
        a.m_ = -a.m_;
        return a;
    }
    friend WideDouble Abs(WideDouble a) {
        a.m_ = std::fabs(a.m_);
        return a;
    }
    friend WideDouble operator*(WideDouble a, WideDouble b) { return Make(a.m_ * b.m_, a.e_ + b.e_); }
    // b must not be zero.
    friend WideDouble operator/(WideDouble a, WideDouble b) { return Make(a.m_ / b.m_, a.e_ - b.e_); }
    friend WideDouble operator+(WideDouble a, WideDouble b) {
        if (b.m_ == 0) return a;
        if (a.m_ == 0) return b;
        if (a.e_ < b.e_) std::swap(a, b);
        // Below half a unit in the last place of a, b changes nothing.
        const long gap = a.e_ - b.e_;
        if (gap > 60) return a;
        return Make(a.m_ + std::ldexp(b.m_, -static_cast<int>(gap)), a.e_);
    }
    friend WideDouble operator-(WideDouble a, WideDouble b) { return a + -b; }
    WideDouble& operator+=(WideDouble b) { return *this = *this + b; }
    WideDouble& operator-=(WideDouble b) { return *this = *this - b; }

    // Not negative.
    friend WideDouble Sqrt(WideDouble a) {
        if (a.m_ == 0) return a;
        // An even exponent halves exactly: m in [0.25, 1).
        const bool odd = (a.e_ % 2) != 0;
        const double m = odd ? a.m_ * 2 : a.m_;
        const long e = odd ? a.e_ - 1 : a.e_;
        return Make(std::sqrt(m), e / 2);
    }
    // x * 2^n, exactly.
    friend WideDouble Ldexp(WideDouble a, long n) { return a.m_ == 0 ? a : Make(a.m_, a.e_ + n); }
    // The power of two of the leading bit: the value lies in [2^k, 2^(k+1)).
    long Exponent() const { return m_ == 0 ? 0 : e_ - 1; }

    friend bool operator<(WideDouble a, WideDouble b) { return Compare(a, b) < 0; }
    friend bool operator>(WideDouble a, WideDouble b) { return Compare(a, b) > 0; }
    friend bool operator<=(WideDouble a, WideDouble b) { return Compare(a, b) <= 0; }
    friend bool operator>=(WideDouble a, WideDouble b) { return Compare(a, b) >= 0; }
    friend bool operator==(WideDouble a, WideDouble b) { return Compare(a, b) == 0; }

private:
    static WideDouble Make(double m, long e) {
        WideDouble w;
        int shift = 0;
        w.m_ = std::frexp(m, &shift);
        w.e_ = w.m_ == 0 ? 0 : e + shift;
        return w;
    }
    static int Compare(WideDouble a, WideDouble b) {
        const int sa = a.m_ > 0 ? 1 : a.m_ < 0 ? -1 : 0;
        const int sb = b.m_ > 0 ? 1 : b.m_ < 0 ? -1 : 0;
        if (sa != sb) return sa < sb ? -1 : 1;
        if (sa == 0) return 0;
        // Same sign: the larger exponent has the larger magnitude.
        int magnitude = a.e_ != b.e_ ? (a.e_ < b.e_ ? -1 : 1)
                                     : (std::fabs(a.m_) < std::fabs(b.m_) ? -1 : std::fabs(a.m_) > std::fabs(b.m_) ? 1 : 0);
        return sa > 0 ? magnitude : -magnitude;
    }

    double m_ = 0;  // 0, or in [0.5, 1) in magnitude
    long e_ = 0;
};

}  // namespace numora::maths
