// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Goldbach verification, the first tab of the scientific window: every way
// of writing an even N as p + q with p <= q both prime (by fnshu), in
// increasing p.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Primality.h"

namespace numora::scientific {

inline constexpr const char* kEmptyInput = "请不要使输入框为空";
inline constexpr const char* kNotEvenFrom4 = "请输入不小于4的偶数";
inline constexpr const char* kNotEven = "请输入偶数";

struct GoldbachInput {
    std::uint32_t n = 0;  // the number to verify, when accepted
    std::string refusal;  // the message, empty when accepted
};

// The checks of a click on the verify button, in order, each before
// anything changes: an empty text; the leading-number value below 4; above
// 2147483647 ("数据过大", also an infinite value); not whole or odd.
GoldbachInput CheckGoldbachInput(std::string_view text);

namespace goldbach_detail {
struct Sieve;
struct Cursor;
}  // namespace goldbach_detail

// A search that can be run a piece at a time on one thread. The result is
// the window's list: p = 2, 3, ..., n / 2 with fnshu(p) and fnshu(n - p),
// in increasing order.
//
// Numbers from 2809 (53^2) on are sieved: each Step sieves the next
// segment of candidates p (segmentBytes * 30 of them) at once for p and
// for n - p, with the primes up to sqrt(n); a default segment takes about a
// millisecond (two near the top of the range). Smaller numbers are done by
// fnshu in a single Step.
// Memory stays under a megabyte whatever n is. A search for n above
// 2147483647 or below 4 is done from the start with nothing found.
//
// GoldbachList and GoldbachCount below run the same segments on every core.
class GoldbachSearch {
public:
    static constexpr std::size_t kDefaultSegmentBytes = 128 * 1024;

    // segmentBytes: bytes per segment (one byte holds 30 numbers); values
    // below 8 count as 8.
    explicit GoldbachSearch(std::uint32_t n, std::size_t segmentBytes = kDefaultSegmentBytes);
    ~GoldbachSearch();
    GoldbachSearch(GoldbachSearch&&) noexcept;
    GoldbachSearch& operator=(GoldbachSearch&&) noexcept;

    std::uint32_t n() const { return n_; }
    bool done() const { return done_; }
    // The share of the candidates examined so far, from 0 to 1.
    double progress() const;

    // Examines the next piece of candidates and appends each p found to
    // `ps` (its earlier content is kept). Does nothing once done().
    void Step(std::vector<std::uint32_t>& ps);
    // The same piece, counted instead of listed.
    std::uint64_t StepCount();

private:
    friend bool GoldbachList(std::uint32_t, const std::function<void(std::vector<std::uint32_t>&)>&, unsigned,
                             const std::atomic<bool>*, std::size_t);
    friend std::optional<std::uint64_t> GoldbachCount(std::uint32_t, unsigned, const std::atomic<bool>*, std::size_t);

    std::uint32_t n_;
    bool done_ = false;
    bool headGiven_ = false;
    std::shared_ptr<const goldbach_detail::Sieve> sieve_;  // null for the numbers done by fnshu
    std::unique_ptr<goldbach_detail::Cursor> cursor_;
};

// The threads the searches below use unless told: every hardware thread.
unsigned GoldbachThreads();

// The whole list for n on `threads` threads (0: GoldbachThreads()), each
// taking the next segment of candidates: `sink` gets it on the calling
// thread, in increasing p, a segment's p at a time (the vector may be
// taken). The same list as GoldbachSearch's, in the same order. `cancel`,
// when given, is polled between segments and while waiting: once it is
// true the search ends within a segment's time and returns false. Beyond
// what `sink` keeps, memory stays a few segments a thread (about 4 MB with
// 2 threads near the top of the range).
bool GoldbachList(std::uint32_t n, const std::function<void(std::vector<std::uint32_t>&)>& sink, unsigned threads = 0,
                  const std::atomic<bool>* cancel = nullptr,
                  std::size_t segmentBytes = GoldbachSearch::kDefaultSegmentBytes);

// The number of lines of the list for n (what the count box shows, in
// full), on `threads` threads as above, without keeping the list; nullopt
// when cancelled.
std::optional<std::uint64_t> GoldbachCount(std::uint32_t n, unsigned threads = 0,
                                           const std::atomic<bool>* cancel = nullptr,
                                           std::size_t segmentBytes = GoldbachSearch::kDefaultSegmentBytes);

// One line of the list: "n=p+q" with q = n - p, e.g. "10=3+7".
std::string GoldbachLine(std::uint32_t n, std::uint32_t p);
// The same line appended to `out` (a list of millions of lines written out).
void AppendGoldbachLine(std::string& out, std::uint32_t n, std::uint32_t p);

}  // namespace numora::scientific
