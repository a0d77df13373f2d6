// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RootSolutions.h"

#include <string>

#include "CommonOps.h"
#include "ExactNotation.h"
#include "Notation.h"
#include "NumberText.h"

namespace numora::standard {
namespace {

using exact::RadicalSign;

std::optional<ExactForms> Forms(const char* control, std::string_view radicand, std::string_view index) {
    const auto root = RootValue(radicand, index);
    if (!root) return std::nullopt;
    const std::string text = exact::Text(root->value);
    return ExactForms{{{control, text}}, "精确值: " + text};
}

// A radicand after a radical sign: √72, √0.5, √(1/2), √(1E+300).
std::string Radicand(const std::string& text) {
    return text.find_first_of("/E-") == std::string::npos ? text : "(" + text + ")";
}

bool SmallIndex(const mpq_class& index) {
    return index.get_den() == 1 && index.get_num() >= 2 && index.get_num() <= 4;
}

// "√72 = √(36×2) = 6√2" and the lines before and after it.
void RadicalSteps(std::vector<std::string>& lines, const exact::RootForm& f, const std::string& typed) {
    static constexpr const char* kPowers[] = {"", "", "平方", "立方", "四次方"};
    static constexpr const char* kRadicals[] = {"", "", "二次根式", "三次根式", "四次根式"};
    if (sgn(f.radicand) == 0) return;  // √0 = 0 says it all
    const int k = f.index;
    const std::string sign = RadicalSign(k);
    std::string number = Radicand(typed);  // what stands under the radical now
    if (f.radicand.get_den() != 1) {
        const std::string fraction = exact::Text(f.radicand);
        if (typed != fraction) lines.push_back(sign + Radicand(typed) + " = " + sign + "(" + fraction + ")");
        const std::string denominator = f.denominatorRoot.get_str();
        if (f.multiplier != 1) {
            const mpz_class scaled = f.radicand.get_den() * f.multiplier;
            lines.push_back(sign + "(" + fraction + ") = " + sign + "(" + f.numerator.get_str() + "/" + scaled.get_str() +
                            ") = " + sign + f.numerator.get_str() + "/" + denominator);
        } else {
            lines.push_back(sign + "(" + fraction + ") = " + sign + f.numerator.get_str() + "/" + denominator);
        }
        number = f.numerator.get_str();
    }
    const std::string power = kPowers[k];
    if (f.outside != 1 && f.inside == 1) {  // √144 = √(12²) = 12
        lines.push_back(sign + number + " = " + sign + "(" + f.outside.get_str() + Superscript(static_cast<unsigned>(k)) +
                        ") = " + f.outside.get_str());
    } else if (f.outside != 1) {  // √72 = √(36×2) = 6√2
        mpz_class whole;
        mpz_pow_ui(whole.get_mpz_t(), f.outside.get_mpz_t(), static_cast<unsigned long>(k));
        lines.push_back(sign + number + " = " + sign + "(" + whole.get_str() + "×" + f.inside.get_str() + ") = " +
                        f.outside.get_str() + sign + f.inside.get_str());
    } else if (f.inside != 1 && f.simpleIndex == k && f.radicand.get_den() == 1) {
        lines.push_back(number + "没有大于1的" + power + "因数，" + sign + number + "已是最简" + kRadicals[k]);
    }
    if (f.simpleIndex != k)  // ∜36 = ∜(6²) = √6
        lines.push_back(sign + f.inside.get_str() + " = " + sign + "(" + f.simpleInside.get_str() + "²) = √" +
                        f.simpleInside.get_str());
}

}  // namespace

std::optional<RootExact> RootValue(std::string_view radicandText, std::string_view indexText) {
    try {
        const auto x = exact::TypedValue(radicandText);
        const auto m = exact::TypedValue(indexText);
        if (!x || !m || sgn(*x) < 0 || sgn(*m) <= 0) return std::nullopt;
        RootExact root{*x, *m, std::nullopt, {}};
        if (SmallIndex(*m)) {
            root.form = exact::SimplifyRoot(*x, static_cast<int>(m->get_num().get_si()));
            if (!root.form) return std::nullopt;
            root.value = root.form->value;
            return root;
        }
        // x^(1/m) = (p-th root of x)^q for m = p/q: rational only when the p-th root is.
        const mpz_class& p = m->get_num();
        const mpz_class& q = m->get_den();
        std::optional<mpq_class> base;
        if (*x == 0 || *x == 1)
            base = *x;
        else if (p.fits_ulong_p())
            base = exact::RationalRoot(*x, p.get_ui());
        if (!base || !q.fits_ulong_p()) return std::nullopt;
        const std::size_t digits = mpz_sizeinbase(base->get_num_mpz_t(), 10) + mpz_sizeinbase(base->get_den_mpz_t(), 10);
        if (*base != 0 && *base != 1 && digits * q.get_ui() > 2 * exact::kDigitCap) return std::nullopt;
        mpq_class value;
        mpz_pow_ui(value.get_num_mpz_t(), base->get_num_mpz_t(), q.get_ui());
        mpz_pow_ui(value.get_den_mpz_t(), base->get_den_mpz_t(), q.get_ui());
        root.value = exact::ExactValue(exact::Checked(value));
        return root;
    } catch (const exact::TooLarge&) {
        return std::nullopt;
    }
}

std::optional<ExactForms> ExactRoot(std::string_view radicand, std::string_view index) {
    if (CommonRoot(radicand, index).failed()) return std::nullopt;
    return Forms("CommonKaiText2", radicand, index);
}

std::optional<ExactForms> ExactQuickRoot(std::string_view radicand, std::string_view index) {
    if (QuickOperation(QuickOp::Root, radicand, index).failed()) return std::nullopt;
    return Forms("CommonSimpleFrame2Text1", radicand, index);
}

WorkedSolution RootSolution(std::string_view radicandText, std::string_view indexText) {
    const Outcome decimal = CommonRoot(radicandText, indexText);
    if (decimal.failed()) return WorkedSolution::Refusal(*decimal.message);
    const std::string shown = decimal.Field("CommonKaiText2").value_or("");
    WorkedSolution s;
    auto& lines = s.lines;
    const auto x = exact::TypedValue(radicandText);
    const auto m = exact::TypedValue(indexText);
    const auto root = RootValue(radicandText, indexText);
    // The root as the first line writes it: √72, ⁵√32, 16^(1/0.5).
    std::string typed = x ? exact::DecimalText(*x) : FormatResult(NumberText(LeadingValue(radicandText)));
    std::string lhs;
    if (m && m->get_den() == 1 && m->get_num().fits_slong_p())
        lhs = RadicalSign(static_cast<int>(m->get_num().get_si())) + Radicand(typed);
    else
        lhs = exact::Operand(typed) + "^(1/" + (m ? exact::DecimalText(*m) : std::string(indexText)) + ")";
    if (!root) {
        lines.push_back(lhs + " ≈ " + shown);
        return s;
    }
    const std::string value = exact::Text(root->value);
    if (root->form) {
        RadicalSteps(lines, *root->form, typed);
    } else if (sgn(root->radicand) != 0 && root->radicand != 1 && root->index != 1) {
        const mpz_class& p = root->index.get_num();
        const mpz_class& q = root->index.get_den();
        if (q == 1)  // ⁵√32 = ⁵√(2⁵) = 2
            lines.push_back(lhs + " = " + RadicalSign(static_cast<int>(p.get_si())) + "(" + exact::Operand(value) +
                            Superscript(p.get_ui()) + ") = " + value);
        else if (p == 1)  // 16^(1/0.5) = 16² = 256
            lines.push_back(lhs + " = " + exact::Operand(typed) + Superscript(q.get_ui()) + " = " + value);
        else  // 8^(1/1.5) = ∛(8²) = 4
            lines.push_back(lhs + " = " + RadicalSign(static_cast<int>(p.get_si())) + "(" + exact::Operand(typed) +
                            Superscript(q.get_ui()) + ") = " + value);
    }
    // The last line is the root and its value, unless the step before says
    // just that already (√72 = √(36×2) = 6√2).
    const std::string& before = lines.empty() ? std::string() : lines.back();
    const bool said = before.starts_with(lhs + " = ") && before.ends_with(" = " + value);
    if (!said) lines.push_back(lhs + " = " + value);
    return s;
}

}  // namespace numora::standard
