// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact forms and worked solutions beside the decimal commands they
// accompany, in the same run (bench/exact.sh prints the ratios). For each
// calculator: BM_<Kind>Decimal is the command the window runs on its start
// button (the peer), BM_<Kind>Exact the exact form, BM_<Kind>Steps the worked
// solution. Each iteration goes through a small table of typical inputs, so
// the figures are per input averaged over it. The bar: under a millisecond
// each.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "ChemSolutions.h"
#include "CommonOps.h"
#include "EquationSolvers.h"
#include "ExactSolvers.h"
#include "ExactTrig.h"
#include "FactorSolutions.h"
#include "RootSolutions.h"
#include "SolutionProblems.h"
#include "SolverSteps.h"
#include "Trigonometry.h"

using namespace numora;

namespace {

// Runs `f` on every row of `rows` per iteration, reporting time per row.
template <typename Rows, typename F>
void PerRow(benchmark::State& state, const Rows& rows, F f) {
    for (auto _ : state)
        for (const auto& row : rows) benchmark::DoNotOptimize(std::apply(f, row));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * rows.size()));
}

using Three = std::tuple<const char*, const char*, const char*>;
const std::array<Three, 6> kQuadratics = {{{"1", "-3", "1"},
                                           {"1", "-3", "2"},
                                           {"2", "-4", "-1"},
                                           {"0.5", "-1.25", "0.125"},
                                           {"-3", "7", "11"},
                                           {"1", "-1E+8", "1"}}};

// Coefficients of many digits: the discriminant's simplest form takes
// trial division of a long number (or is given up).
const std::array<Three, 3> kLargeQuadratics = {{{"123456789.123456", "987654321.987654", "-555555555.555555"},
                                                {"1E+300", "-3E+300", "1E+299"},
                                                {"1.23456789012345E+200", "9.87654321098765E+250", "-1.1E+100"}}};

using Six = std::tuple<const char*, const char*, const char*, const char*, const char*, const char*>;
const std::array<Six, 4> kSystems2 = {{{"3", "1", "1", "1", "2", "1"},
                                       {"2", "3", "1", "3", "-4", "5"},
                                       {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6"},
                                       {"17", "-23", "5", "31", "19", "-7"}}};

using Twelve = std::tuple<const char*, const char*, const char*, const char*, const char*, const char*, const char*,
                          const char*, const char*, const char*, const char*, const char*>;
const std::array<Twelve, 3> kSystems3 = {{{"1", "1", "1", "6", "0", "2", "5", "-4", "2", "5", "-1", "27"},
                                          {"1", "2", "3", "1", "4", "5", "6", "2", "7", "8", "10", "4"},
                                          {"2.5", "-1", "3", "7", "1", "4.25", "-2", "3", "-3", "2", "1.5", "-1"}}};

using Pair = std::tuple<const char*, const char*>;
const std::array<Pair, 6> kRoots = {{{"72", "2"}, {"0.5", "2"}, {"16", "3"}, {"48", "4"}, {"999999999999", "2"}, {"32", "5"}}};

using Angle = std::tuple<maths::TrigFunction, const char*>;
const std::array<Angle, 6> kAngles = {{{maths::TrigFunction::Sine, "150"},
                                       {maths::TrigFunction::Cosine, "36"},
                                       {maths::TrigFunction::Tangent, "-750"},
                                       {maths::TrigFunction::Secant, "18"},
                                       {maths::TrigFunction::Sine, "100"},
                                       {maths::TrigFunction::Cosecant, "1E+20"}}};

using One = std::tuple<const char*>;
const std::array<One, 4> kNumbers = {{{"360"}, {"2147483646"}, {"2147483647"}, {"1024"}}};

void BM_QuadraticDecimal(benchmark::State& s) { PerRow(s, kQuadratics, maths::SolveQuadratic); }
void BM_QuadraticExact(benchmark::State& s) { PerRow(s, kQuadratics, maths::ExactQuadratic); }
void BM_QuadraticSteps(benchmark::State& s) { PerRow(s, kQuadratics, maths::QuadraticSolution); }
void BM_LargeQuadraticDecimal(benchmark::State& s) { PerRow(s, kLargeQuadratics, maths::SolveQuadratic); }
void BM_LargeQuadraticExact(benchmark::State& s) { PerRow(s, kLargeQuadratics, maths::ExactQuadratic); }
void BM_LargeQuadraticSteps(benchmark::State& s) { PerRow(s, kLargeQuadratics, maths::QuadraticSolution); }
void BM_Linear2Decimal(benchmark::State& s) { PerRow(s, kSystems2, maths::SolveLinear2); }
void BM_Linear2Exact(benchmark::State& s) { PerRow(s, kSystems2, maths::ExactLinear2); }
void BM_Linear2Steps(benchmark::State& s) { PerRow(s, kSystems2, maths::Linear2Solution); }
void BM_Linear3Decimal(benchmark::State& s) { PerRow(s, kSystems3, maths::SolveLinear3); }
void BM_Linear3Exact(benchmark::State& s) { PerRow(s, kSystems3, maths::ExactLinear3); }
void BM_Linear3Steps(benchmark::State& s) { PerRow(s, kSystems3, maths::Linear3Solution); }
void BM_RootDecimal(benchmark::State& s) { PerRow(s, kRoots, standard::CommonRoot); }
void BM_RootExact(benchmark::State& s) { PerRow(s, kRoots, standard::ExactRoot); }
void BM_RootSteps(benchmark::State& s) { PerRow(s, kRoots, standard::RootSolution); }
void BM_TrigDecimal(benchmark::State& s) {
    PerRow(s, kAngles, [](maths::TrigFunction f, const char* a) { return maths::Trig(f, a, false); });
}
void BM_TrigExact(benchmark::State& s) {
    PerRow(s, kAngles, [](maths::TrigFunction f, const char* a) { return maths::ExactTrig(f, a, false); });
}
void BM_TrigSteps(benchmark::State& s) {
    PerRow(s, kAngles, [](maths::TrigFunction f, const char* a) { return maths::TrigSolution(f, a, false); });
}
void BM_FactorDecimal(benchmark::State& s) {
    PerRow(s, kNumbers, [](const char* n) { return scientific::Factorize(scientific::CheckFactorInput(n).n); });
}
void BM_FactorExact(benchmark::State& s) { PerRow(s, kNumbers, scientific::ExactFactorization); }
void BM_FactorSteps(benchmark::State& s) { PerRow(s, kNumbers, scientific::FactorizationSolution); }

using Chem = std::tuple<chem::Direction, chem::KnownMasses, const char*, const char*, const char*, const char*>;
const std::array<Chem, 3> kDilutions = {{{chem::Direction::Dilute, chem::KnownMasses::SoluteAndSolution, "20", "", "100", "10"},
                                         {chem::Direction::Concentrate, chem::KnownMasses::SoluteAndSolution, "10", "", "100", "20"},
                                         {chem::Direction::Dilute, chem::KnownMasses::SoluteAndSolvent, "1", "2", "", "20"}}};
void BM_DilutionDecimal(benchmark::State& s) {
    PerRow(s, kDilutions, [](chem::Direction d, chem::KnownMasses m, const char* a, const char* b, const char* c,
                             const char* t) { return chem::Dilution(d, m, {a, b, c}, t); });
}
void BM_DilutionSteps(benchmark::State& s) {
    PerRow(s, kDilutions, [](chem::Direction d, chem::KnownMasses m, const char* a, const char* b, const char* c,
                             const char* t) { return chem::DilutionSolution(d, m, {a, b, c}, t); });
}
void BM_FractionDecimal(benchmark::State& s) {
    PerRow(s, kDilutions, [](chem::Direction, chem::KnownMasses m, const char* a, const char* b, const char* c,
                             const char*) { return chem::MassFraction(m, chem::FractionOf::Solvent, {a, b, c}); });
}
void BM_FractionSteps(benchmark::State& s) {
    PerRow(s, kDilutions, [](chem::Direction, chem::KnownMasses m, const char* a, const char* b, const char* c,
                             const char*) { return chem::MassFractionSolution(m, chem::FractionOf::Solvent, {a, b, c}); });
}

}  // namespace

BENCHMARK(BM_QuadraticDecimal);
BENCHMARK(BM_QuadraticExact);
BENCHMARK(BM_QuadraticSteps);
BENCHMARK(BM_LargeQuadraticDecimal);
BENCHMARK(BM_LargeQuadraticExact);
BENCHMARK(BM_LargeQuadraticSteps);
BENCHMARK(BM_Linear2Decimal);
BENCHMARK(BM_Linear2Exact);
BENCHMARK(BM_Linear2Steps);
BENCHMARK(BM_Linear3Decimal);
BENCHMARK(BM_Linear3Exact);
BENCHMARK(BM_Linear3Steps);
BENCHMARK(BM_RootDecimal);
BENCHMARK(BM_RootExact);
BENCHMARK(BM_RootSteps);
BENCHMARK(BM_TrigDecimal);
BENCHMARK(BM_TrigExact);
BENCHMARK(BM_TrigSteps);
BENCHMARK(BM_FactorDecimal);
BENCHMARK(BM_FactorExact);
BENCHMARK(BM_FactorSteps);
BENCHMARK(BM_FractionDecimal);
BENCHMARK(BM_FractionSteps);
BENCHMARK(BM_DilutionDecimal);
BENCHMARK(BM_DilutionSteps);

BENCHMARK_MAIN();
