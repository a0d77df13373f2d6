// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExactNotation.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "Notation.h"

namespace numora::exact {
namespace {

// A term of a numerator: a whole coefficient and its radical.
struct Part {
    mpz_class coefficient;
    const Radical* radical;
};

std::string TermText(const mpz_class& magnitude, const Radical& radical) {
    if (radical.IsOne()) return magnitude.get_str();
    return (magnitude == 1 ? std::string() : magnitude.get_str()) + RadicalText(radical);
}

mpz_class CommonDenominator(const std::vector<Term>& terms) {
    mpz_class l = 1;
    for (const Term& t : terms) mpz_lcm(l.get_mpz_t(), l.get_mpz_t(), t.coefficient.get_den_mpz_t());
    return l;
}

// The exponent e of 2^e (or 5^e) in n, taking it out of n.
unsigned long TakeOut(mpz_class& n, unsigned long p) {
    unsigned long e = 0;
    while (mpz_divisible_ui_p(n.get_mpz_t(), p) != 0) {
        mpz_divexact_ui(n.get_mpz_t(), n.get_mpz_t(), p);
        ++e;
    }
    return e;
}

}  // namespace

std::string Text(const mpq_class& value) {
    if (value.get_den() == 1) return value.get_num().get_str();
    return value.get_num().get_str() + "/" + value.get_den().get_str();
}

std::string Text(const ExactValue& value) {
    if (value.IsZero()) return "0";
    const mpz_class denominator = CommonDenominator(value.terms());
    std::vector<Part> parts;
    for (const Term& t : value.terms())
        parts.push_back({mpz_class(t.coefficient.get_num() * (denominator / t.coefficient.get_den())), &t.radical});
    // A positive term first when there is one: √5-1, not -1+√5.
    if (sgn(parts[0].coefficient) < 0) {
        const auto positive =
            std::find_if(parts.begin(), parts.end(), [](const Part& p) { return sgn(p.coefficient) > 0; });
        if (positive != parts.end()) std::rotate(parts.begin(), positive, positive + 1);
    }
    const bool allNegative =
        std::all_of(parts.begin(), parts.end(), [](const Part& p) { return sgn(p.coefficient) < 0; });
    std::string sign;
    if (allNegative) {  // -(1+√5)/4, -√3/3, -1-√2 alike
        sign = "-";
        for (Part& p : parts) p.coefficient = -p.coefficient;
    }
    std::string numerator;
    for (const Part& p : parts) {
        if (sgn(p.coefficient) < 0)
            numerator += "-";
        else if (!numerator.empty())
            numerator += "+";
        numerator += TermText(abs(p.coefficient), *p.radical);
    }
    if (denominator == 1) {
        if (allNegative && parts.size() > 1) {  // -1-√2: each term keeps its sign
            std::string spelled;
            for (const Part& p : parts) spelled += "-" + TermText(p.coefficient, *p.radical);
            return spelled;
        }
        return sign + numerator;
    }
    if (parts.size() > 1) return sign + "(" + numerator + ")/" + denominator.get_str();
    return sign + numerator + "/" + denominator.get_str();
}

std::string RadicalSign(int index) {
    switch (index) {
    case 2: return "√";
    case 3: return "∛";
    case 4: return "∜";
    default: return Superscript(static_cast<std::uint64_t>(index < 0 ? 0 : index)) + "√";
    }
}

std::string RadicalText(const Radical& radical) {
    if (radical.IsOne()) return {};
    if (radical.nested) return RadicalSign(radical.index) + "(" + Text(*radical.nested) + ")";
    return RadicalSign(radical.index) + radical.radicand.get_str();
}

std::string DecimalText(const mpq_class& value) {
    mpz_class rest = value.get_den();
    const unsigned long twos = TakeOut(rest, 2), fives = TakeOut(rest, 5);
    if (rest != 1) return Text(value);
    const unsigned long places = std::max(twos, fives);
    mpz_class scaled;
    mpz_ui_pow_ui(scaled.get_mpz_t(), 10, places);
    scaled = abs(value.get_num()) * scaled / value.get_den();
    std::string digits = scaled.get_str();
    const std::string sign = sgn(value) < 0 ? "-" : "";
    // The decimal exponent of the first digit, and the significant digits.
    const long exponent = static_cast<long>(digits.size()) - 1 - static_cast<long>(places);
    std::string significant = digits;
    while (significant.size() > 1 && significant.back() == '0') significant.pop_back();
    if (exponent >= 21 || exponent < -6) {  // 1E+300, 1.5E-300
        std::string text = sign + significant.substr(0, 1);
        if (significant.size() > 1) text += "." + significant.substr(1);
        return text + "E" + (exponent < 0 ? "-" : "+") + std::to_string(exponent < 0 ? -exponent : exponent);
    }
    if (places == 0) return sign + digits;
    if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
    digits.insert(digits.size() - places, ".");
    return sign + digits;
}

std::string Operand(const std::string& text) {
    if (!text.empty() && (text[0] == '-' || text.find('/') != std::string::npos)) return "(" + text + ")";
    return text;
}

std::string PlusMinusText(const mpq_class& rational, const ExactValue& part) {
    mpq_class coefficient = part.IsRational() ? part.RationalPart() : part.terms()[0].coefficient;
    const Radical one;
    const Radical& radical = part.IsRational() ? one : part.terms()[0].radical;
    mpz_class denominator;
    mpz_lcm(denominator.get_mpz_t(), rational.get_den_mpz_t(), coefficient.get_den_mpz_t());
    const mpz_class r = rational.get_num() * (denominator / rational.get_den());
    const mpz_class c = coefficient.get_num() * (denominator / coefficient.get_den());
    const std::string pm = sgn(c) < 0 ? "∓" : "±";
    const std::string term = TermText(abs(c), radical);
    if (sgn(r) == 0) return pm + term + (denominator == 1 ? "" : "/" + denominator.get_str());
    const std::string numerator = r.get_str() + pm + term;
    if (denominator == 1) return numerator;
    return "(" + numerator + ")/" + denominator.get_str();
}

}  // namespace numora::exact
