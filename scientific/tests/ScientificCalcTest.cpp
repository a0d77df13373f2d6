// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "Primes.h"

using namespace numora::scientific;

namespace {

// Oracles that share nothing with the code under test.

// Trial division by every d while d * d <= n.
bool NaivePrime(std::uint32_t n) {
    if (n < 2) return false;
    for (std::uint32_t d = 2; std::uint64_t{d} * d <= n; ++d)
        if (n % d == 0) return false;
    return true;
}

// fnshu word for word: 1 is not prime, else no d = 2 .. floor(sqrt(m)) divides m.
bool LiteralFnshu(std::int32_t m) {
    if (m == 1) return false;
    const auto r = static_cast<std::int32_t>(std::floor(std::sqrt(static_cast<double>(m))));
    for (std::int32_t d = 2; d <= r; ++d)
        if (m % d == 0) return false;
    return true;
}

// The window's factorization run: every candidate i from 2 upward, listed
// and divided out (and tried again) when it divides N and passes fnshu.
std::vector<std::int32_t> CandidateRun(std::int32_t n) {
    std::vector<std::int32_t> factors;
    for (std::int32_t i = 2; i <= n;) {
        if (n % i == 0 && LiteralFnshu(i)) {
            factors.push_back(i);
            n /= i;
        } else {
            ++i;
        }
    }
    return factors;
}

// A plain sieve of Eratosthenes, one flag a number.
std::vector<char> PrimeTable(std::uint32_t limit) {
    std::vector<char> prime(limit + 1, 1);
    prime[0] = prime[1] = 0;
    for (std::uint32_t i = 2; std::uint64_t{i} * i <= limit; ++i)
        if (prime[i])
            for (std::uint32_t j = i * i; j <= limit; j += i) prime[j] = 0;
    return prime;
}

std::vector<std::uint32_t> BruteGoldbach(std::uint32_t n, const std::vector<char>& prime) {
    std::vector<std::uint32_t> ps;
    for (std::uint32_t p = 2; p <= n / 2; ++p)
        if (prime[p] && prime[n - p]) ps.push_back(p);
    return ps;
}

std::vector<std::uint32_t> FullList(std::uint32_t n, std::size_t segmentBytes = GoldbachSearch::kDefaultSegmentBytes) {
    GoldbachSearch search(n, segmentBytes);
    std::vector<std::uint32_t> ps;
    while (!search.done()) search.Step(ps);
    return ps;
}

std::vector<std::string> Lines(std::uint32_t n) {
    std::vector<std::string> lines;
    for (std::uint32_t p : FullList(n)) lines.push_back(GoldbachLine(n, p));
    return lines;
}

}  // namespace

// ---- fnshu ----------------------------------------------------------------------

TEST(Fnshu, Table) {
    // 2146654199 = 46327 * 46337, 2147117569 = 46337^2.
    for (std::int32_t m : {0, 2, 3, 46349, 2147483629, 2147483647}) EXPECT_TRUE(fnshu(m)) << m;
    for (std::int32_t m : {1, 4, 9, 25, 49, 169, 2146654199, 2147117569, 2147483646, -1, -7, INT32_MIN})
        EXPECT_FALSE(fnshu(m)) << m;
}

TEST(Fnshu, AgreesWithTrialDivisionByEveryD) {
    std::mt19937 rng(4);
    for (std::int32_t m = 0; m <= 200000; ++m) ASSERT_EQ(fnshu(m), LiteralFnshu(m)) << m;
    for (std::int32_t i = 0; i < 800; ++i) {
        const std::int32_t m = i < 300 ? INT32_MAX - i : static_cast<std::int32_t>(rng() >> 1);
        ASSERT_EQ(fnshu(m), LiteralFnshu(m)) << m;
    }
}

// ---- Factorization ------------------------------------------------------------

TEST(Factorization, InputChecksInOrder) {
    const std::pair<const char*, std::int32_t> accepted[] = {
        {"12", 12}, {"1e3", 1000}, {"12abc", 12}, {" 1 2", 12}, {"2", 2}, {"2147483647", 2147483647}};
    for (const auto& [text, n] : accepted) {
        const FactorInput input = CheckFactorInput(text);
        EXPECT_EQ(input.kind, FactorCheck::Accepted) << text;
        EXPECT_EQ(input.n, n) << text;
    }
    // "2147483647.5": not whole comes before too large.
    for (const char* text : {"", "abc", "0", "1", "-5", "12.5", "1.99", "-1e400", "2147483647.5"}) {
        const FactorInput input = CheckFactorInput(text);
        EXPECT_EQ(input.kind, FactorCheck::Refused) << text;
        EXPECT_EQ(input.message, "请输入不小于2的整数") << text;
    }
    for (const char* text : {"2147483648", "1e10", "1e400"}) {
        const FactorInput input = CheckFactorInput(text);
        EXPECT_EQ(input.kind, FactorCheck::TooLarge) << text;
        EXPECT_EQ(input.message, "数据过大") << text;
    }
}

TEST(Factorization, Table) {
    using F = std::vector<std::int32_t>;
    const struct {
        std::int32_t n;
        F factors;
    } cases[] = {
        {12, {2, 2, 3}},
        {2, {2}},
        {1024, F(10, 2)},
        {1000, {2, 2, 2, 5, 5, 5}},
        {1073741824, F(30, 2)},
        {1162261467, F(19, 3)},
        {2147483647, {2147483647}},
        {2147483646, {2, 3, 3, 7, 11, 31, 151, 331}},
        {2147117569, {46337, 46337}},
        {2146654199, {46327, 46337}},
        {2147483643, {3, 715827881}},
        {1, {}},
        {0, {}},
        {-12, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Factorize(c.n), c.factors) << c.n;
}

TEST(Factorization, MatchesTheCandidateRunOfTheWindow) {
    for (std::int32_t n = 2; n <= 3000; ++n) ASSERT_EQ(Factorize(n), CandidateRun(n)) << n;
}

TEST(Factorization, RandomNumbersMultiplyBackFromPrimes) {
    std::mt19937 rng(41);
    std::uniform_int_distribution<std::int32_t> any(2, INT32_MAX);
    std::uniform_int_distribution<std::int32_t> nearRoot(40000, 53000);
    for (int i = 0; i < 4000; ++i) {
        // Uniform numbers, and products of two numbers near the square root
        // (large factors on both sides of the trial divisors' end).
        std::int32_t n = any(rng);
        if (i % 2) {
            const std::int64_t product = std::int64_t{nearRoot(rng)} * nearRoot(rng);
            if (product <= INT32_MAX) n = static_cast<std::int32_t>(product);
        }
        const auto factors = Factorize(n);
        std::uint64_t product = 1;
        for (std::int32_t f : factors) {
            ASSERT_TRUE(NaivePrime(static_cast<std::uint32_t>(f))) << n << ": " << f;
            product *= static_cast<std::uint64_t>(f);
        }
        ASSERT_EQ(product, static_cast<std::uint64_t>(n));
        ASSERT_TRUE(std::is_sorted(factors.begin(), factors.end())) << n;
    }
}

// ---- Goldbach -----------------------------------------------------------------

TEST(Goldbach, InputChecksInOrder) {
    const std::pair<const char*, std::uint32_t> accepted[] = {
        {"4", 4}, {"10abc", 10}, {"4.0", 4}, {"1e3", 1000}, {"2147483646", 2147483646}};
    for (const auto& [text, n] : accepted) {
        const GoldbachInput input = CheckGoldbachInput(text);
        EXPECT_EQ(input.refusal, "") << text;
        EXPECT_EQ(input.n, n) << text;
    }
    // "3.5": below 4 comes before not even; "2147483647.5": too large
    // comes before not whole.
    const std::pair<std::vector<const char*>, const char*> refused[] = {
        {{""}, "请不要使输入框为空"},
        {{" ", "2", "3", "abc", "-4", "3.5", "-1e400"}, "请输入不小于4的偶数"},
        {{"1e10", "2147483648", "2147483647.5", "1e400"}, "数据过大"},
        {{"7", "5.5", "2147483647"}, "请输入偶数"},
    };
    for (const auto& [texts, message] : refused)
        for (const char* text : texts) EXPECT_EQ(CheckGoldbachInput(text).refusal, message) << text;
}

TEST(Goldbach, ListsOfTheWindow) {
    using L = std::vector<std::string>;
    const struct {
        std::uint32_t n;
        L lines;
    } cases[] = {
        {4, {"4=2+2"}},
        {6, {"6=3+3"}},
        {8, {"8=3+5"}},
        {10, {"10=3+7", "10=5+5"}},
        {100, {"100=3+97", "100=11+89", "100=17+83", "100=29+71", "100=41+59", "100=47+53"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Lines(c.n), c.lines) << c.n;
        EXPECT_EQ(GoldbachCount(c.n), c.lines.size()) << c.n;
    }
    const L thousand = Lines(1000);
    ASSERT_EQ(thousand.size(), 28u);
    EXPECT_EQ(thousand.front(), "1000=3+997");
    EXPECT_EQ(thousand.back(), "1000=491+509");
    EXPECT_EQ(GoldbachLine(2147483646, 1073741789), "2147483646=1073741789+1073741857");
}

// Published counts of the decompositions of powers of ten (OEIS A065577).
TEST(Goldbach, KnownCountsOfPowersOfTen) {
    const std::uint64_t counts[] = {2, 6, 28, 127, 810, 5402, 38807, 291400, 2274205};
    std::uint32_t n = 10;
    for (std::uint64_t count : counts) {
        EXPECT_EQ(GoldbachCount(n), count) << n;
        n *= 10;
    }
}

TEST(Goldbach, EveryNumberUpTo20000AgainstBruteForce) {
    const auto prime = PrimeTable(20000);
    for (std::uint32_t n = 4; n <= 20000; ++n) {
        const auto expected = BruteGoldbach(n, prime);  // odd n too: the same rule
        ASSERT_EQ(FullList(n), expected) << n;
        ASSERT_EQ(GoldbachCount(n), expected.size()) << n;
    }
    // Segments of 8 to 40 bytes: every prime's blocks cross many segment ends.
    for (std::uint32_t n = 2800; n <= 12000; n += 2)
        ASSERT_EQ(FullList(n, 8 + 8 * (n % 5)), BruteGoldbach(n, prime)) << n;
}

TEST(Goldbach, RandomNumbersUpTo3MillionAgainstBruteForce) {
    const std::uint32_t limit = 3000000;
    const auto prime = PrimeTable(limit);
    std::mt19937 rng(42);
    std::uniform_int_distribution<std::uint32_t> any(10000, limit / 2);
    for (int i = 0; i < 120; ++i) {
        const std::uint32_t n = 2 * any(rng);
        const auto expected = BruteGoldbach(n, prime);
        ASSERT_EQ(FullList(n), expected) << n;
        ASSERT_EQ(FullList(n, 1000), expected) << n;
    }
}

TEST(Goldbach, LargeNumbersEndsAndCount) {
    for (std::uint32_t n : {999999998u, 2147483646u}) {
        SCOPED_TRACE(n);
        const auto ps = FullList(n);
        EXPECT_EQ(ps.size(), GoldbachCount(n));
        ASSERT_GE(ps.size(), 40u);
        EXPECT_TRUE(std::adjacent_find(ps.begin(), ps.end(), std::greater_equal<>()) == ps.end());
        // The first and last 20 entries, found by scanning from each end.
        std::vector<std::uint32_t> first, last;
        for (std::uint32_t p = 2; first.size() < 20; ++p)
            if (NaivePrime(p) && NaivePrime(n - p)) first.push_back(p);
        for (std::uint32_t p = n / 2; last.size() < 20; --p)
            if (NaivePrime(p) && NaivePrime(n - p)) last.insert(last.begin(), p);
        EXPECT_EQ(std::vector<std::uint32_t>(ps.begin(), ps.begin() + 20), first);
        EXPECT_EQ(std::vector<std::uint32_t>(ps.end() - 20, ps.end()), last);
        std::mt19937 rng(n);
        for (int i = 0; i < 300; ++i) {
            const std::uint32_t p = ps[rng() % ps.size()];
            ASSERT_TRUE(NaivePrime(p) && NaivePrime(n - p)) << p;
        }
    }
}

TEST(Goldbach, StepsSplitAnyWayGiveTheSameList) {
    for (std::uint32_t n : {2810u, 999998u, 20000000u}) {
        SCOPED_TRACE(n);
        const auto whole = FullList(n);
        for (std::size_t segment : {std::size_t{16}, std::size_t{4096}, std::size_t{1} << 20}) {
            // A fresh vector each step, joined; counted steps in between.
            GoldbachSearch search(n, segment);
            std::vector<std::uint32_t> joined;
            std::uint64_t counted = 0;
            double progress = search.progress();
            for (int step = 0; !search.done(); ++step) {
                if (step % 3 == 2) {
                    counted += search.StepCount();
                } else {
                    std::vector<std::uint32_t> piece;
                    search.Step(piece);
                    joined.insert(joined.end(), piece.begin(), piece.end());
                }
                EXPECT_GE(search.progress(), progress);
                progress = search.progress();
            }
            EXPECT_EQ(progress, 1.0);
            EXPECT_EQ(joined.size() + counted, whole.size());
            EXPECT_TRUE(std::includes(whole.begin(), whole.end(), joined.begin(), joined.end()));
            EXPECT_EQ(FullList(n, segment), whole);
        }
    }
}

// The list and count on several threads against the one-thread search: the
// same numbers in the same order, whatever the threads, the segments and
// the order in which the threads finish them.
TEST(Goldbach, EveryCoreGivesTheListOfOneThread) {
    const struct {
        std::uint32_t n;
        std::size_t segment;
    } cases[] = {
        {4, GoldbachSearch::kDefaultSegmentBytes},        // below the sieve: fnshu
        {2808, GoldbachSearch::kDefaultSegmentBytes},     //
        {2810, 8},                                        // the first sieved number, segments of 8 bytes
        {60030, 16},                                      // n divisible by 3 and 5: all classes live
        {1234566, 64},                                    //
        {1000002, 1000},                                  // segments not a power of two
        {20000000, 4096},                                 //
        {99999998, GoldbachSearch::kDefaultSegmentBytes}, // the window's segments
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        const auto whole = FullList(c.n, c.segment);
        for (unsigned threads : {1u, 2u, 3u, 4u, 7u}) {
            SCOPED_TRACE(threads);
            std::vector<std::uint32_t> joined;
            std::size_t calls = 0;
            EXPECT_TRUE(GoldbachList(
                c.n,
                [&](std::vector<std::uint32_t>& ps) {
                    ++calls;
                    joined.insert(joined.end(), ps.begin(), ps.end());
                },
                threads, nullptr, c.segment));
            EXPECT_EQ(joined, whole);
            EXPECT_GE(calls, 1u);
            EXPECT_EQ(GoldbachCount(c.n, threads, nullptr, c.segment), whole.size());
        }
    }
}

// A cancel ends a search early, between two segments, on any thread count.
TEST(Goldbach, CancelEndsTheSearch) {
    const std::uint32_t n = 99999998;
    for (unsigned threads : {1u, 2u, 4u}) {
        SCOPED_TRACE(threads);
        std::atomic<bool> cancel{false};
        std::size_t calls = 0, lines = 0;
        EXPECT_FALSE(GoldbachList(
            n,
            [&](std::vector<std::uint32_t>& ps) {
                ++calls;
                lines += ps.size();
                cancel = true;  // after the first segment
            },
            threads, &cancel));
        EXPECT_EQ(calls, 1u);
        EXPECT_GT(lines, 0u);
        EXPECT_EQ(GoldbachCount(n, threads, &cancel), std::nullopt);
    }
}

TEST(Goldbach, OutOfRangeSearchesFindNothing) {
    for (std::uint32_t n : {0u, 2u, 3u, 2147483648u, 4294967295u}) {
        GoldbachSearch search(n);
        EXPECT_TRUE(search.done()) << n;
        std::vector<std::uint32_t> ps;
        search.Step(ps);
        EXPECT_TRUE(ps.empty()) << n;
        EXPECT_EQ(GoldbachCount(n), 0u) << n;
    }
}

// ---- Mersenne -----------------------------------------------------------------

TEST(Mersenne, RunsAndStops) {
    const std::vector<std::int32_t> primes = {3, 7, 31, 127, 8191, 131071, 524287, 2147483647};
    for (int run = 0; run < 2; ++run) {
        const MersenneResult result = MersenneSearch();
        EXPECT_EQ(result.primes, primes);
        EXPECT_EQ(result.lastExponent, 37);
    }
    // A stop ends the run at the exponent being asked about.
    const struct {
        int allowed;  // asks answered "go on" before the stop
        std::size_t found;
        std::int32_t last;
    } stops[] = {{0, 0, 2}, {1, 1, 3}, {5, 3, 7}, {29, 7, 31}, {30, 8, 32}, {35, 8, 37}, {36, 8, 37}, {1000, 8, 37}};
    for (const auto& c : stops) {
        int asks = 0;
        const MersenneResult result = MersenneSearch([&] { return asks++ >= c.allowed; });
        EXPECT_EQ(result.primes, std::vector<std::int32_t>(primes.begin(), primes.begin() + c.found)) << c.allowed;
        EXPECT_EQ(result.lastExponent, c.last) << c.allowed;
    }
}
