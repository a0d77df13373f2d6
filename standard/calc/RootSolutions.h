// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The root frames exactly: the exact form beside the decimal root (full
// page and quick page) and the worked solution of the full page's root.
// Index 2, 3 and 4 of a rational radicand give radicals in simplest form
// (√8 = 2√2, √0.5 = √2/2, ∛16 = 2∛2, ∜48 = 2∜3); any other index gives an
// exact form only when the root is rational (⁵√32 = 2, 16 to the index 0.5
// is 256). There is none beside a refusal.
#pragma once

#include <optional>
#include <string_view>

#include "ExactNumber.h"
#include "Solutions.h"

namespace numora::standard {

struct RootExact {
    mpq_class radicand;
    mpq_class index;
    std::optional<exact::RootForm> form;  // the steps of an index 2, 3 or 4
    exact::ExactValue value;
};
// The root of the typed radicand and index (leading-number values) without
// the commands' checks; nullopt for a negative radicand or an index not
// above 0, where there is no exact form, and beyond the work allowed.
std::optional<RootExact> RootValue(std::string_view radicand, std::string_view index);

// "精确值: 2√2" beside CommonKaiText2 (the full page's 开方运算).
std::optional<ExactForms> ExactRoot(std::string_view radicand, std::string_view index);
// The same beside CommonSimpleFrame2Text1 (the quick page's 开  方:
// radicand first, index second).
std::optional<ExactForms> ExactQuickRoot(std::string_view radicand, std::string_view index);

// √72 = √(36×2) = 6√2; √0.5 = √(1/2) = √(2/4) = √2/2; ending
// "√… = <exact form>", or "≈ <the root as shown>" without one.
// CommonRoot's refusals give its message.
WorkedSolution RootSolution(std::string_view radicand, std::string_view index);

}  // namespace numora::standard
