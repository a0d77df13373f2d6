// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// numora-cli's exact forms and worked solutions: --exact (quadratic,
// linear2, linear3, root, quick root, trig), --steps (quadratic, linear2,
// linear3, root, trig, factor, chem) and factor's --powers.
#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "SolutionProblems.h"
#include "Trigonometry.h"

namespace numora::cli {

// Runs `command` (its arguments after the command's name) when they hold
// --exact, --steps or --powers, anywhere among them; nullopt when they hold
// none, for the plain command. The exit status: 0, 1 for a refusal (the
// command's message on `err`), 2 for a usage error (an option the command
// does not take, two of them, wrong operands; the caller prints the usage).
//  --exact: the command's lines, each replaced by its exact form where it
//           has one ("(3+√5)/2"); an angle without one prints its decimal.
//  --steps: the worked solution, one step a line; a working that ends
//           without a result (Δ < 0, no or infinitely many solutions)
//           prints its steps, then the command's message on `err`, exit 1.
//  --powers: factor's prime-power form on one line ("2³×3²×5").
std::optional<int> RunExactOrSteps(std::string_view command, std::span<const std::string> args, std::ostream& out,
                                   std::ostream& err);

// The function named sin, cos, tan, cot, sec or csc.
std::optional<maths::TrigFunction> TrigFunctionNamed(std::string_view name);

// A chem command line: fraction solute|solvent MODE S W L | solubility MODE
// S W L | molarity N V | dilute|concentrate MODE S W L T, a box given as
// "-" being empty. nullopt for anything else.
struct ChemRequest {
    enum class Kind { Fraction, Solubility, Molarity, Dilution } kind = Kind::Fraction;
    chem::FractionOf of = chem::FractionOf::Solute;
    chem::Direction direction = chem::Direction::Dilute;
    chem::KnownMasses mode = chem::KnownMasses::SoluteAndSolution;
    chem::MassTexts masses;
    std::string_view amount, volume, target;
};
std::optional<ChemRequest> ParseChem(std::span<const std::string> args);

}  // namespace numora::cli
