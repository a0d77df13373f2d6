// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scientific window's computations, each beside the per-candidate
// algorithm that the window's tools are described with, on sizes that the
// latter finishes in reasonable time:
//   BM_Factorize/2147483647                  the largest 32-bit prime
//   BM_Factorize/1000003 vs BM_CandidateRunFactorize/1000003
//   BM_GoldbachCount/999999998/T            on T threads (0: every core),
//                                            wall-clock time
//   BM_GoldbachList/100000000/T             the full list, kept as numbers
//   BM_GoldbachCount/1000000 vs BM_CandidateRunGoldbach/1000000
// The peers outside the process (coreutils factor, primesieve) are
// measured by bench/scientific-vs-peers.sh.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "Primes.h"

namespace {

using namespace numora::scientific;

// fnshu as the window describes it: every d from 2 to floor(sqrt(m)).
bool EveryDivisorFnshu(std::int32_t m) {
    if (m == 1) return false;
    const auto r = static_cast<std::int32_t>(std::floor(std::sqrt(static_cast<double>(m))));
    for (std::int32_t d = 2; d <= r; ++d)
        if (m % d == 0) return false;
    return true;
}

void BM_Factorize(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(Factorize(n));
}
BENCHMARK(BM_Factorize)->Arg(2147483647)->Arg(2147483646)->Arg(1000003)->Unit(benchmark::kMicrosecond);

// Every candidate from 2 upward, with the full primality test on each.
void BM_CandidateRunFactorize(benchmark::State& state) {
    for (auto _ : state) {
        auto n = static_cast<std::int32_t>(state.range(0));
        std::vector<std::int32_t> factors;
        for (std::int32_t i = 2; i <= n;) {
            const bool prime = EveryDivisorFnshu(i);
            if (n % i == 0 && prime) {
                factors.push_back(i);
                n /= i;
            } else {
                ++i;
            }
        }
        benchmark::DoNotOptimize(factors);
    }
}
BENCHMARK(BM_CandidateRunFactorize)->Arg(1000003)->Unit(benchmark::kMillisecond);

void BM_GoldbachCount(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    const auto threads = static_cast<unsigned>(state.range(1));
    for (auto _ : state) benchmark::DoNotOptimize(GoldbachCount(n, threads));
}
BENCHMARK(BM_GoldbachCount)
    ->Args({999999998, 1})
    ->Args({999999998, 0})
    ->Args({1000000, 1})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_GoldbachList(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    const auto threads = static_cast<unsigned>(state.range(1));
    std::size_t found = 0;
    for (auto _ : state) {
        std::vector<std::uint32_t> ps;
        GoldbachList(n, [&ps](std::vector<std::uint32_t>& piece) { ps.insert(ps.end(), piece.begin(), piece.end()); },
                     threads);
        found = ps.size();
        benchmark::DoNotOptimize(ps.data());
    }
    state.counters["lines"] = static_cast<double>(found);
}
BENCHMARK(BM_GoldbachList)->Args({100000000, 1})->Args({100000000, 0})->UseRealTime()->Unit(benchmark::kMillisecond);

// Two full primality tests per candidate p = 2 .. n / 2.
void BM_CandidateRunGoldbach(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        std::vector<std::uint32_t> ps;
        for (std::int32_t p = 2; p <= n / 2; ++p) {
            const bool a = EveryDivisorFnshu(p);
            const bool b = EveryDivisorFnshu(n - p);
            if (a && b) ps.push_back(static_cast<std::uint32_t>(p));
        }
        benchmark::DoNotOptimize(ps.data());
    }
}
BENCHMARK(BM_CandidateRunGoldbach)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
