// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Benchmarks of the computation library, each beside a peer measured in the
// same run, so that results read as ratios (machines are shared and noisy):
//  - BM_EvaluateFormula/N: a formula of N bytes mixing + - * /, groups and
//    side-by-side multiplication, from 1 KB to 1 MB, with a linear-complexity
//    fit. Peer: BM_StrtodNumbers/N, which only converts the same formula's
//    numbers with strtod (the least any evaluator must do).
//  - BM_EvaluateNested/N: N bytes of nested groups "(1+(1+(...)))", also
//    fitted; compare with BM_EvaluateFormula at the same N.
//  - BM_EvaluateFormulaExact/N: the same formulas through the exact
//    evaluation (the decimal result and the fraction in one walk); peer:
//    BM_EvaluateFormula/N.
//  - BM_NumberText: 1024 typical results to text. Peer: BM_Snprintf15G,
//    the C library's "%.15G" on the same values.
//  - BM_LeadingValue and BM_StrictValue: the same 1024 texts read back.
//    Peer: BM_Strtod on the same texts.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ExactFormula.h"
#include "Formula.h"
#include "NumberText.h"

namespace {

// A fixed pseudo-random sequence, the same in every run.
class Sequence {
public:
    std::uint32_t Next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33);
    }
    std::uint32_t Below(std::uint32_t n) { return Next() % n; }

private:
    std::uint64_t state_ = 20240601;
};

std::string Decimal(Sequence& seq) {  // 1 to 3 integer digits, 0 to 3 decimals
    std::string s = std::to_string(1 + seq.Below(999));
    int decimals = static_cast<int>(seq.Below(4));
    if (decimals > 0) {
        s += '.';
        for (int i = 0; i < decimals; ++i) s += static_cast<char>('0' + seq.Below(10));
    }
    return s;
}

std::string Small(Sequence& seq) { return std::to_string(2 + seq.Below(8)); }

// About `bytes` characters of terms joined by "+" and "-".
std::string MixedFormula(std::size_t bytes) {
    Sequence seq;
    std::string f;
    f.reserve(bytes + 64);
    while (f.size() < bytes) {
        if (!f.empty()) f += seq.Below(2) ? '+' : '-';
        // Appended piece by piece (g++ 12 warns falsely on chained + here).
        switch (seq.Below(4)) {
            case 0:  // 123.45
                f += Decimal(seq);
                break;
            case 1:  // 123.45*7
                f += Decimal(seq);
                f += '*';
                f += Small(seq);
                break;
            case 2:  // (123.45/7+8.9)
                f += '(';
                f += Decimal(seq);
                f += '/';
                f += Small(seq);
                f += '+';
                f += Decimal(seq);
                f += ')';
                break;
            default:  // 3(12.5-7)
                f += Small(seq);
                f += '(';
                f += Decimal(seq);
                f += '-';
                f += Decimal(seq);
                f += ')';
                break;
        }
    }
    return f;
}

// "(1+(1+(...(1+1)...)))" of about `bytes` characters.
std::string NestedFormula(std::size_t bytes) {
    std::size_t depth = bytes / 4;
    std::string f;
    f.reserve(4 * depth + 2);
    for (std::size_t i = 0; i < depth; ++i) f += "(1+";
    f += '1';
    f.append(depth, ')');
    return f;
}

void RunEvaluate(benchmark::State& state, const std::string& formula) {
    if (!numora::EvaluateFormula(formula)) {
        state.SkipWithError("the generated formula is refused");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(numora::EvaluateFormula(formula));
    state.SetComplexityN(static_cast<std::int64_t>(formula.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * formula.size()));
}

void BM_EvaluateFormula(benchmark::State& state) {
    RunEvaluate(state, MixedFormula(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_EvaluateFormula)->RangeMultiplier(4)->Range(1 << 10, 1 << 20)->Complexity(benchmark::oN);

void BM_EvaluateFormulaExact(benchmark::State& state) {
    const std::string formula = MixedFormula(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(numora::EvaluateFormulaExact(formula));
    state.SetComplexityN(static_cast<std::int64_t>(formula.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * formula.size()));
}
BENCHMARK(BM_EvaluateFormulaExact)->RangeMultiplier(4)->Range(1 << 10, 1 << 20)->Complexity(benchmark::oN);

void BM_EvaluateNested(benchmark::State& state) {
    RunEvaluate(state, NestedFormula(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_EvaluateNested)->RangeMultiplier(4)->Range(1 << 10, 1 << 20)->Complexity(benchmark::oN);

void BM_StrtodNumbers(benchmark::State& state) {
    std::string formula = MixedFormula(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        double sum = 0;
        const char* p = formula.c_str();
        while (*p) {
            if ((*p >= '0' && *p <= '9') || *p == '.') {
                char* end;
                sum += std::strtod(p, &end);
                p = end;
            } else {
                ++p;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetComplexityN(static_cast<std::int64_t>(formula.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * formula.size()));
}
BENCHMARK(BM_StrtodNumbers)->RangeMultiplier(4)->Range(1 << 10, 1 << 20)->Complexity(benchmark::oN);

// 1024 values like calculator results: decimals, thirds, large and tiny
// magnitudes, negatives.
const std::vector<double>& Values() {
    static const std::vector<double> values = [] {
        Sequence seq;
        std::vector<double> v;
        for (int i = 0; i < 1024; ++i) {
            double x;
            switch (i % 4) {
                case 0: x = (seq.Next() % 10000000) / 1000.0; break;
                case 1: x = static_cast<double>(1 + seq.Below(1000)) / (1 + seq.Below(97)); break;
                case 2: x = (1 + seq.Below(999)) * 1e-8 * (seq.Below(2) ? 1 : 1e27); break;
                default: x = -static_cast<double>(seq.Next()); break;
            }
            v.push_back(x);
        }
        return v;
    }();
    return values;
}

const std::vector<std::string>& Texts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t;
        for (double v : Values()) t.push_back(numora::PaddedNumberText(v));
        return t;
    }();
    return texts;
}

void BM_NumberText(benchmark::State& state) {
    for (auto _ : state)
        for (double v : Values()) benchmark::DoNotOptimize(numora::NumberText(v));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * Values().size()));
}
BENCHMARK(BM_NumberText);

void BM_Snprintf15G(benchmark::State& state) {
    char buf[32];
    for (auto _ : state)
        for (double v : Values()) {
            std::snprintf(buf, sizeof buf, "%.15G", v);
            benchmark::DoNotOptimize(std::string(buf));
        }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * Values().size()));
}
BENCHMARK(BM_Snprintf15G);

void BM_LeadingValue(benchmark::State& state) {
    for (auto _ : state)
        for (const std::string& t : Texts()) benchmark::DoNotOptimize(numora::LeadingValue(t));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * Texts().size()));
}
BENCHMARK(BM_LeadingValue);

void BM_StrictValue(benchmark::State& state) {
    for (auto _ : state)
        for (const std::string& t : Texts()) benchmark::DoNotOptimize(numora::StrictValue(t));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * Texts().size()));
}
BENCHMARK(BM_StrictValue);

void BM_Strtod(benchmark::State& state) {
    for (auto _ : state)
        for (const std::string& t : Texts()) benchmark::DoNotOptimize(std::strtod(t.c_str(), nullptr));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * Texts().size()));
}
BENCHMARK(BM_Strtod);

}  // namespace

BENCHMARK_MAIN();
