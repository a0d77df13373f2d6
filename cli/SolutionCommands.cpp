// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SolutionCommands.h"

#include <array>
#include <iostream>
#include <utility>
#include <vector>

#include "ChemSolutions.h"
#include "Commands.h"
#include "CommonOps.h"
#include "EquationSolvers.h"
#include "ExactSolvers.h"
#include "ExactTrig.h"
#include "FactorSolutions.h"
#include "Notation.h"
#include "RootSolutions.h"
#include "SolverSteps.h"

namespace numora::cli {
namespace {

using Args = std::span<const std::string>;

enum class Option { None, Exact, Steps, Powers };

// The command's result fields, each in its exact form where `exact` has one.
int PrintExact(const Outcome& decimal, const std::optional<ExactForms>& exact,
               std::initializer_list<const char*> fields, std::ostream& out, std::ostream& err) {
    if (decimal.failed()) {
        err << decimal.message->text << '\n';
        return kRefused;
    }
    for (const char* field : fields) {
        const auto text = exact ? exact->Field(field) : std::nullopt;
        out << text.value_or(decimal.Field(field).value_or("")) << '\n';
    }
    return kOk;
}

// One step a line; a working that ends with the command's message has it
// on `err` (and not twice).
int PrintSteps(const WorkedSolution& solution, std::ostream& out, std::ostream& err) {
    std::size_t shown = solution.lines.size();
    if (solution.message && shown > 0 && solution.lines.back() == solution.message->text) --shown;
    for (std::size_t i = 0; i < shown; ++i) out << solution.lines[i] << '\n';
    if (!solution.message) return kOk;
    err << solution.message->text << '\n';
    return kRefused;
}

// Runs `run` on exactly `count` operands.
template <std::size_t count, typename Run>
int WithOperands(Args args, Run run) {
    if (args.size() != count) return kUsage;
    return [&]<std::size_t... i>(std::index_sequence<i...>) { return run(args[i]...); }(std::make_index_sequence<count>());
}

int Quadratic(Option option, Args args, std::ostream& out, std::ostream& err) {
    return WithOperands<3>(args, [&](const auto&... v) {
        if (option == Option::Steps) return PrintSteps(maths::QuadraticSolution(v...), out, err);
        return PrintExact(maths::SolveQuadratic(v...), maths::ExactQuadratic(v...),
                          {maths::kQuadraticX1, maths::kQuadraticX2}, out, err);
    });
}

int Linear2(Option option, Args args, std::ostream& out, std::ostream& err) {
    return WithOperands<6>(args, [&](const auto&... v) {
        if (option == Option::Steps) return PrintSteps(maths::Linear2Solution(v...), out, err);
        return PrintExact(maths::SolveLinear2(v...), maths::ExactLinear2(v...), {maths::kLinear2X, maths::kLinear2Y},
                          out, err);
    });
}

int Linear3(Option option, Args args, std::ostream& out, std::ostream& err) {
    return WithOperands<12>(args, [&](const auto&... v) {
        if (option == Option::Steps) return PrintSteps(maths::Linear3Solution(v...), out, err);
        return PrintExact(maths::SolveLinear3(v...), maths::ExactLinear3(v...),
                          {maths::kLinear3X, maths::kLinear3Y, maths::kLinear3Z}, out, err);
    });
}

int Root(Option option, Args args, std::ostream& out, std::ostream& err) {
    return WithOperands<2>(args, [&](const auto& radicand, const auto& index) {
        if (option == Option::Steps) return PrintSteps(standard::RootSolution(radicand, index), out, err);
        return PrintExact(standard::CommonRoot(radicand, index), standard::ExactRoot(radicand, index),
                          {"CommonKaiText2", "CommonKaiText3"}, out, err);
    });
}

int QuickRoot(Option option, Args args, std::ostream& out, std::ostream& err) {
    if (option != Option::Exact || args.empty() || args[0] != "root") return kUsage;
    return WithOperands<2>(args.subspan(1), [&](const auto& radicand, const auto& index) {
        return PrintExact(standard::QuickOperation(standard::QuickOp::Root, radicand, index),
                          standard::ExactQuickRoot(radicand, index), {"CommonSimpleFrame2Text1"}, out, err);
    });
}

int Trig(Option option, Args args, std::ostream& out, std::ostream& err) {
    bool radians = false;
    std::vector<std::string> rest;
    for (const std::string& a : args) {
        if (a == "--radians")
            radians = true;
        else
            rest.push_back(a);
    }
    if (rest.size() != 2) return kUsage;
    const auto f = TrigFunctionNamed(rest[0]);
    if (!f) return kUsage;
    if (option == Option::Steps) return PrintSteps(maths::TrigSolution(*f, rest[1], radians), out, err);
    return PrintExact(maths::Trig(*f, rest[1], radians), maths::ExactTrig(*f, rest[1], radians), {maths::kTrigResult},
                      out, err);
}

int Factor(Option option, Args args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || option == Option::Exact) return kUsage;
    if (option == Option::Steps) return PrintSteps(scientific::FactorizationSolution(args[0]), out, err);
    const scientific::FactorInput input = scientific::CheckFactorInput(args[0]);
    if (input.kind != scientific::FactorCheck::Accepted) {
        err << input.message << '\n';
        return kRefused;
    }
    out << PrimePowerText(scientific::Factorize(input.n)) << '\n';
    return kOk;
}

int Chem(Option option, Args args, std::ostream& out, std::ostream& err) {
    if (option != Option::Steps) return kUsage;
    const auto r = ParseChem(args);
    if (!r) return kUsage;
    switch (r->kind) {
    case ChemRequest::Kind::Fraction: return PrintSteps(chem::MassFractionSolution(r->mode, r->of, r->masses), out, err);
    case ChemRequest::Kind::Solubility: return PrintSteps(chem::SolubilitySolution(r->mode, r->masses), out, err);
    case ChemRequest::Kind::Molarity: return PrintSteps(chem::MolarConcentrationSolution(r->amount, r->volume), out, err);
    case ChemRequest::Kind::Dilution:
        return PrintSteps(chem::DilutionSolution(r->direction, r->mode, r->masses, r->target), out, err);
    }
    return kUsage;
}

// A box argument: "-" stands for a box left empty.
std::string_view Box(const std::string& arg) { return arg == "-" ? std::string_view() : std::string_view(arg); }

}  // namespace

std::optional<maths::TrigFunction> TrigFunctionNamed(std::string_view name) {
    using maths::TrigFunction;
    static constexpr std::array<std::pair<std::string_view, TrigFunction>, 6> kNames = {{
        {"sin", TrigFunction::Sine},      {"cos", TrigFunction::Cosine}, {"tan", TrigFunction::Tangent},
        {"cot", TrigFunction::Cotangent}, {"sec", TrigFunction::Secant}, {"csc", TrigFunction::Cosecant},
    }};
    for (const auto& [n, f] : kNames)
        if (n == name) return f;
    return std::nullopt;
}

std::optional<ChemRequest> ParseChem(Args args) {
    if (args.empty()) return std::nullopt;
    ChemRequest r;
    const std::string& what = args[0];
    if (what == "molarity") {
        if (args.size() != 3) return std::nullopt;
        r.kind = ChemRequest::Kind::Molarity;
        r.amount = Box(args[1]);
        r.volume = Box(args[2]);
        return r;
    }
    Args rest = args.subspan(1);  // MODE S W L [T]
    if (what == "fraction") {
        if (rest.empty() || (rest[0] != "solute" && rest[0] != "solvent")) return std::nullopt;
        r.of = rest[0] == "solute" ? chem::FractionOf::Solute : chem::FractionOf::Solvent;
        rest = rest.subspan(1);
    } else if (what == "solubility") {
        r.kind = ChemRequest::Kind::Solubility;
    } else if (what == "dilute" || what == "concentrate") {
        r.kind = ChemRequest::Kind::Dilution;
        r.direction = what == "dilute" ? chem::Direction::Dilute : chem::Direction::Concentrate;
    } else {
        return std::nullopt;
    }
    if (rest.size() != (r.kind == ChemRequest::Kind::Dilution ? 5u : 4u)) return std::nullopt;
    if (rest[0].size() != 1 || rest[0][0] < '1' || rest[0][0] > '3') return std::nullopt;
    r.mode = static_cast<chem::KnownMasses>(rest[0][0] - '0');
    r.masses = {Box(rest[1]), Box(rest[2]), Box(rest[3])};
    if (r.kind == ChemRequest::Kind::Dilution) r.target = Box(rest[4]);
    return r;
}

std::optional<int> RunExactOrSteps(std::string_view command, Args args, std::ostream& out, std::ostream& err) {
    if (command == "eval") return std::nullopt;  // eval --exact is the formula's own
    Option option = Option::None;
    std::vector<std::string> rest;
    for (const std::string& a : args) {
        const Option named = a == "--exact" ? Option::Exact : a == "--steps" ? Option::Steps
                           : a == "--powers" ? Option::Powers : Option::None;
        if (named == Option::None) {
            rest.push_back(a);
            continue;
        }
        if (option != Option::None) return kUsage;
        option = named;
    }
    if (option == Option::None) return std::nullopt;
    if (option == Option::Powers && command != "factor") return kUsage;
    using Run = int (*)(Option, Args, std::ostream&, std::ostream&);
    static constexpr std::array<std::pair<std::string_view, Run>, 8> kCommands = {{
        {"quadratic", Quadratic}, {"linear2", Linear2}, {"linear3", Linear3}, {"root", Root},
        {"quick", QuickRoot},     {"trig", Trig},       {"factor", Factor},   {"chem", Chem},
    }};
    for (const auto& [name, run] : kCommands)
        if (name == command) return run(option, rest, out, err);
    return kUsage;
}

}  // namespace numora::cli
