// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Benchmarks of the big-number operations, each beside a peer measured in
// the same run, so that results read as ratios:
//  - BM_PowerOfTwo800: 2^800 the way the big-number page computes powers,
//    800 successive LargeMultiply(result, "2") calls from "1" (241 digits at
//    the end). Peer: BM_DoublingsOnDigitArray, the same 800 doublings in
//    place on a bare digit array, the least work the power needs.
//  - BM_LargeAdd255: two 255-digit operands. Peers: BM_AddOnDigitArrays255,
//    the same sum on two bare digit arrays, and BM_CopyText256, building one
//    256-character string from a text, the least any operation that returns
//    its result as new text does.
//  - BM_LargeMultiply255x255Fails: a product that fails on the capacity.
//    Peer: BM_LargeMultiply128x128, a successful product of about the
//    largest size the capacity allows.
//  - BM_LargeDivide255By100: long division with a 100-digit divisor. Peer:
//    BM_LargeDivide255By12, the same dividend by a divisor that fits a
//    machine integer.
//
// Also a driver for bench/pow-vs-bc.sh:
//   bignum_bench --print-power BASE EXPONENT [REPEAT]
// prints BASE^EXPONENT computed by EXPONENT LargeMultiply calls, the whole
// computation done REPEAT times (default 1); "数据过大" and exit status 1
// when a step fails.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "BigNumber.h"

namespace {

using namespace numora::standard;

std::optional<std::string> Power(std::string_view base, long exponent) {
    std::string result = "1";
    for (long i = 0; i < exponent; ++i) {
        auto next = LargeMultiply(result, base);
        if (!next) return std::nullopt;
        result = std::move(*next);
    }
    return result;
}

// Pseudo-random digits, the same in every run; the first one is not 0.
std::string Digits(std::size_t count, std::uint32_t seed) {
    std::string s(count, '0');
    for (char& c : s) {
        seed = seed * 1664525u + 1013904223u;
        c = static_cast<char>('0' + (seed >> 24) % 10);
    }
    if (count > 0 && s[0] == '0') s[0] = '7';
    return s;
}

void BM_PowerOfTwo800(benchmark::State& state) {
    for (auto _ : state) {
        auto power = Power("2", 800);
        if (!power || power->size() != 241) state.SkipWithError("2^800 is not a 241-digit number");
        benchmark::DoNotOptimize(power);
    }
    state.SetItemsProcessed(state.iterations() * 800);
}
BENCHMARK(BM_PowerOfTwo800);

void BM_DoublingsOnDigitArray(benchmark::State& state) {
    for (auto _ : state) {
        std::array<std::uint8_t, kLargeCapacity + 1> d{};  // little-endian
        d[0] = 1;
        std::size_t n = 1;
        for (int i = 0; i < 800; ++i) {
            int carry = 0;
            for (std::size_t k = 0; k < n; ++k) {
                const int t = 2 * d[k] + carry;
                carry = t >= 10 ? 1 : 0;
                d[k] = static_cast<std::uint8_t>(t - 10 * carry);
            }
            if (carry != 0) d[n++] = 1;
        }
        if (n != 241) state.SkipWithError("2^800 is not a 241-digit number");
        benchmark::DoNotOptimize(d.data());
    }
    state.SetItemsProcessed(state.iterations() * 800);
}
BENCHMARK(BM_DoublingsOnDigitArray);

void BM_LargeAdd255(benchmark::State& state) {
    const std::string a = Digits(255, 1), b = Digits(255, 2);
    for (auto _ : state) benchmark::DoNotOptimize(LargeAdd(a, b));
}
BENCHMARK(BM_LargeAdd255);

void BM_AddOnDigitArrays255(benchmark::State& state) {
    std::array<std::uint8_t, 255> x, y;
    const std::string a = Digits(255, 1), b = Digits(255, 2);
    for (std::size_t i = 0; i < 255; ++i) x[i] = static_cast<std::uint8_t>(a[i] - '0'), y[i] = static_cast<std::uint8_t>(b[i] - '0');
    for (auto _ : state) {
        std::array<std::uint8_t, 256> sum;
        int carry = 0;
        for (std::size_t i = 255; i-- > 0;) {
            const int s = x[i] + y[i] + carry;
            carry = s >= 10 ? 1 : 0;
            sum[i + 1] = static_cast<std::uint8_t>(s - 10 * carry);
        }
        sum[0] = static_cast<std::uint8_t>(carry);
        benchmark::DoNotOptimize(sum.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AddOnDigitArrays255);

void BM_CopyText256(benchmark::State& state) {
    const std::string a = Digits(256, 1);
    for (auto _ : state) {
        std::string copy(a);
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_CopyText256);

void BM_LargeMultiply255x255Fails(benchmark::State& state) {
    const std::string a = Digits(255, 3), b = Digits(255, 4);
    for (auto _ : state) {
        auto product = LargeMultiply(a, b);
        if (product) state.SkipWithError("the product should fail on the capacity");
        benchmark::DoNotOptimize(product);
    }
}
BENCHMARK(BM_LargeMultiply255x255Fails);

void BM_LargeMultiply128x128(benchmark::State& state) {
    const std::string a = Digits(128, 5), b = Digits(128, 6);
    for (auto _ : state) {
        auto product = LargeMultiply(a, b);
        if (!product) state.SkipWithError("the product should fit");
        benchmark::DoNotOptimize(product);
    }
}
BENCHMARK(BM_LargeMultiply128x128);

void BM_LargeDivide255By100(benchmark::State& state) {
    const std::string a = Digits(255, 7), b = Digits(100, 8);
    for (auto _ : state) benchmark::DoNotOptimize(LargeDivide(a, b));
}
BENCHMARK(BM_LargeDivide255By100);

void BM_LargeDivide255By12(benchmark::State& state) {
    const std::string a = Digits(255, 7), b = Digits(12, 8);
    for (auto _ : state) benchmark::DoNotOptimize(LargeDivide(a, b));
}
BENCHMARK(BM_LargeDivide255By12);

int PrintPower(int argc, char** argv) {
    const long exponent = std::strtol(argv[3], nullptr, 10);
    const long repeat = argc > 4 ? std::strtol(argv[4], nullptr, 10) : 1;
    std::optional<std::string> power;
    for (long r = 0; r < repeat; ++r) power = Power(argv[2], exponent);
    if (!power) {
        std::fputs("数据过大\n", stderr);
        return 1;
    }
    std::printf("%s\n", power->c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::string_view(argv[1]) == "--print-power") return PrintPower(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
