// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExactSolvers.h"

#include <utility>

#include "EquationSolvers.h"
#include "ExactNotation.h"

namespace numora::maths {
namespace {

using exact::Checked;
using exact::ExactValue;

// "x = 1/5, y = 2/5, ..." for the solution of a system, with its fields.
ExactForms SystemForms(const std::vector<mpq_class>& values, std::initializer_list<const char*> controls) {
    static constexpr const char* kNames[] = {"x", "y", "z"};
    ExactForms forms;
    forms.line = "精确值: ";
    std::size_t i = 0;
    for (const char* control : controls) {
        const std::string text = exact::Text(values[i]);
        forms.fields.emplace_back(control, text);
        if (i > 0) forms.line += ", ";
        forms.line += std::string(kNames[i]) + " = " + text;
        ++i;
    }
    return forms;
}

std::optional<ExactForms> ExactSystem(int n, std::initializer_list<std::string_view> texts,
                                      std::initializer_list<const char*> controls) {
    try {
        const auto rows = TypedValues(texts);
        if (!rows) return std::nullopt;
        const RationalSystem system = SolveRationalSystem(n, *rows);
        if (system.kind != SystemKind::Unique) return std::nullopt;
        return SystemForms(system.values, controls);
    } catch (const exact::TooLarge&) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<std::vector<mpq_class>> TypedValues(std::initializer_list<std::string_view> texts) {
    std::vector<mpq_class> values;
    values.reserve(texts.size());
    for (std::string_view text : texts) {
        auto v = exact::TypedValue(text);
        if (!v) return std::nullopt;
        values.push_back(std::move(*v));
    }
    return values;
}

RationalSystem SolveRationalSystem(int n, const std::vector<mpq_class>& augmented) {
    const auto columns = static_cast<std::size_t>(n + 1);
    std::vector<std::vector<mpq_class>> a(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < a.size(); ++i)
        a[i].assign(augmented.begin() + static_cast<long>(i * columns),
                    augmented.begin() + static_cast<long>((i + 1) * columns));
    // Gauss-Jordan elimination on exact fractions: the rank decides the kind.
    std::vector<int> pivotColumn;
    std::size_t rank = 0;
    for (std::size_t c = 0; c < static_cast<std::size_t>(n) && rank < a.size(); ++c) {
        std::size_t pivot = rank;
        while (pivot < a.size() && sgn(a[pivot][c]) == 0) ++pivot;
        if (pivot == a.size()) continue;
        std::swap(a[rank], a[pivot]);
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (i == rank || sgn(a[i][c]) == 0) continue;
            const mpq_class factor = a[i][c] / a[rank][c];
            for (std::size_t j = c; j < columns; ++j) a[i][j] = Checked(mpq_class(a[i][j] - factor * a[rank][j]));
        }
        pivotColumn.push_back(static_cast<int>(c));
        ++rank;
    }
    RationalSystem system;
    for (std::size_t i = rank; i < a.size(); ++i)
        if (sgn(a[i][static_cast<std::size_t>(n)]) != 0) return system;  // 0 = d with d != 0
    if (rank < static_cast<std::size_t>(n)) {
        system.kind = SystemKind::Infinite;
        return system;
    }
    system.kind = SystemKind::Unique;
    system.values.resize(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < rank; ++i) {
        const auto c = static_cast<std::size_t>(pivotColumn[i]);
        system.values[c] = Checked(mpq_class(a[i][static_cast<std::size_t>(n)] / a[i][c]));
    }
    return system;
}

std::optional<QuadraticExact> QuadraticRoots(std::string_view aText, std::string_view bText, std::string_view cText) {
    if (SolveQuadratic(aText, bText, cText).failed()) return std::nullopt;
    try {
        const auto v = TypedValues({aText, bText, cText});
        if (!v) return std::nullopt;
        QuadraticExact q;
        q.a = (*v)[0];
        q.b = (*v)[1];
        q.c = (*v)[2];
        q.discriminant = Checked(mpq_class(q.b * q.b - 4 * q.a * q.c));
        // Numbers too small for a double (1E-400) make the solver's a or Δ
        // differ from the typed ones: no exact form beside such a result.
        if (sgn(q.a) == 0 || sgn(q.discriminant) < 0) return std::nullopt;
        auto root = exact::SimplifyRoot(q.discriminant, 2);
        if (!root) return std::nullopt;
        q.rootOfDiscriminant = std::move(*root);
        const mpq_class twoA = 2 * q.a;
        const ExactValue minusB(mpq_class(-q.b));
        q.x1 = (minusB + q.rootOfDiscriminant.value) / twoA;
        q.x2 = (minusB - q.rootOfDiscriminant.value) / twoA;
        return q;
    } catch (const exact::TooLarge&) {
        return std::nullopt;
    }
}

std::optional<ExactForms> ExactQuadratic(std::string_view a, std::string_view b, std::string_view c) {
    const auto roots = QuadraticRoots(a, b, c);
    if (!roots) return std::nullopt;
    ExactForms forms;
    const std::string x1 = exact::Text(roots->x1), x2 = exact::Text(roots->x2);
    forms.fields = {{kQuadraticX1, x1}, {kQuadraticX2, x2}};
    forms.line = sgn(roots->discriminant) == 0 ? "精确值: x1 = x2 = " + x1 : "精确值: x1 = " + x1 + ", x2 = " + x2;
    return forms;
}

std::optional<ExactForms> ExactLinear2(std::string_view a1, std::string_view b1, std::string_view c1,
                                       std::string_view a2, std::string_view b2, std::string_view c2) {
    if (SolveLinear2(a1, b1, c1, a2, b2, c2).failed()) return std::nullopt;
    return ExactSystem(2, {a1, b1, c1, a2, b2, c2}, {kLinear2X, kLinear2Y});
}

std::optional<ExactForms> ExactLinear3(std::string_view a1, std::string_view b1, std::string_view c1,
                                       std::string_view d1, std::string_view a2, std::string_view b2,
                                       std::string_view c2, std::string_view d2, std::string_view a3,
                                       std::string_view b3, std::string_view c3, std::string_view d3) {
    if (SolveLinear3(a1, b1, c1, d1, a2, b2, c2, d2, a3, b3, c3, d3).failed()) return std::nullopt;
    return ExactSystem(3, {a1, b1, c1, d1, a2, b2, c2, d2, a3, b3, c3, d3}, {kLinear3X, kLinear3Y, kLinear3Z});
}

}  // namespace numora::maths
