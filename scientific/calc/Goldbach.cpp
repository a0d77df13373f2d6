// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Goldbach.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <chrono>
#include <climits>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>

#include "NumberText.h"

namespace numora::scientific {

GoldbachInput CheckGoldbachInput(std::string_view text) {
    if (text.empty()) return {0, kEmptyInput};
    const double v = LeadingValue(text);
    if (!(v >= 4)) return {0, kNotEvenFrom4};
    if (v > 2147483647.0) return {0, kTooLarge};
    if (v != std::floor(v) || std::fmod(v, 2.0) != 0) return {0, kNotEven};
    return {static_cast<std::uint32_t>(v), {}};
}

std::string GoldbachLine(std::uint32_t n, std::uint32_t p) {
    std::string line;
    AppendGoldbachLine(line, n, p);
    return line;
}

void AppendGoldbachLine(std::string& out, std::uint32_t n, std::uint32_t p) {
    const auto number = [&out](std::uint32_t v) {
        char digits[10];
        out.append(digits, std::to_chars(digits, digits + sizeof digits, v).ptr);
    };
    number(n);
    out += '=';
    number(p);
    out += '+';
    number(n - p);
}

// ---- The sieve ----------------------------------------------------------------
//
// Candidates p are kept 30 to a byte: bit k of byte b stands for
// p = 30 b + kResidues[k], the numbers prime to 2, 3 and 5. A bit stays set
// while neither p nor n - p has a prime factor up to sqrt(n). For n - p to
// be prime to 2, 3 and 5, p must avoid n's residues modulo 3 and 5 (and n
// must be even), so only some residue classes ("live" ones: 3, 4, 6 or all
// 8 of them, by n) can hold results and only those are struck.
//
// A prime l > 5 strikes, in each live class, the p with p = 0 (mod l) and
// those with p = n (mod l) (where l divides n - p). Each is one byte
// position per l bytes, the same position in every block of l bytes counted
// from byte 0, so a prime is described by its 2 x (live classes) offsets in
// its block. The primes 7 to 53 are struck once into periodic patterns that
// each segment copies; the rest are struck segment by segment.
//
// The only primes p that this strikes wrongly are the sieving primes
// themselves (p = l); they are set back when n - l is prime.

namespace {

constexpr std::array<std::uint32_t, 8> kResidues = {1, 7, 11, 13, 17, 19, 23, 29};

// Primes struck into patterns, in groups whose product (the pattern's
// period in bytes) stays small.
constexpr std::array<std::array<std::uint32_t, 4>, 4> kPatternGroups = {{
    {7, 11, 13, 17},
    {19, 23, 29, 0},
    {31, 37, 41, 0},
    {43, 47, 53, 0},
}};
constexpr std::uint32_t kLargestPatternPrime = 53;
constexpr std::uint32_t kSieveFrom = kLargestPatternPrime * kLargestPatternPrime;

// x such that 30 x = 1 (mod l), for a prime l > 5.
std::uint32_t InverseOf30(std::uint32_t l) {
    // 30^(l-2) mod l, by Fermat.
    std::uint64_t result = 1, base = 30 % l;
    for (std::uint32_t e = l - 2; e != 0; e >>= 1) {
        if (e & 1u) result = result * base % l;
        base = base * base % l;
    }
    return static_cast<std::uint32_t>(result);
}

// The byte offset within a block of l bytes of the p in class k with
// p = target (mod l).
std::uint32_t BlockOffset(std::uint32_t l, std::uint32_t inverse30, std::uint32_t target, int k) {
    const std::uint64_t diff = (target + l - kResidues[k] % l) % l;
    return static_cast<std::uint32_t>(diff * inverse30 % l);
}

// to[i] &= from[i] for i < count, a word at a time.
void AndBytes(std::uint8_t* to, const std::uint8_t* from, std::int32_t count) {
    std::int32_t i = 0;
    for (; i + 8 <= count; i += 8) {
        std::uint64_t a, b;
        std::memcpy(&a, to + i, 8);
        std::memcpy(&b, from + i, 8);
        a &= b;
        std::memcpy(to + i, &a, 8);
    }
    for (; i < count; ++i) to[i] &= from[i];
}

// Strikes every sieving prime into seg[0, len): K offsets per prime (its
// positions in each of its blocks), K masks shared by all primes. starts[i]
// is where the prime's current block begins relative to seg (negative when
// the block began in an earlier segment) and is moved on to the next segment.
template <int K>
void StrikeSegment(std::uint8_t* seg, std::int32_t len, const std::uint32_t* primes, const std::uint16_t* offsets,
                   std::int32_t* starts, std::size_t count, const std::uint8_t* masks) {
    std::uint8_t m[K];
    for (int j = 0; j < K; ++j) m[j] = masks[j];
    for (std::size_t i = 0; i < count; ++i) {
        const auto l = static_cast<std::int32_t>(primes[i]);
        const std::uint16_t* o = offsets + i * K;
        std::int32_t c = starts[i];
        if (c >= len) {
            starts[i] = c - len;
            continue;
        }
        if (c < 0) {  // the rest of a block that began before this segment
            for (int j = 0; j < K; ++j) {
                const std::int32_t at = c + o[j];
                if (at >= 0 && at < len) seg[at] &= m[j];
            }
            if (c + l > len) {
                starts[i] = c - len;
                continue;
            }
            c += l;
        }
        std::int32_t u[K];
        for (int j = 0; j < K; ++j) u[j] = o[j];
        for (; c + l <= len; c += l) {
            std::uint8_t* block = seg + c;
#pragma GCC unroll 16
            for (int j = 0; j < K; ++j) block[u[j]] &= m[j];
        }
        if (c < len)  // the first part of a block that ends after this segment
            for (int j = 0; j < K; ++j)
                if (c + u[j] < len) seg[c + u[j]] &= m[j];
        starts[i] = c - len;
    }
}

}  // namespace

namespace goldbach_detail {

// What every piece of one search shares: fixed once made.
struct Sieve {
    std::uint32_t n;
    std::uint32_t half;
    std::uint32_t totalBytes;  // bytes holding the candidates 0 .. half
    std::int32_t segmentBytes;
    int strikes = 0;  // offsets per sieving prime: 2 per live class
    std::array<std::uint8_t, 16> masks{};
    std::vector<std::uint32_t> primes;   // the sieving primes, 59 .. sqrt(n)
    std::vector<std::uint16_t> offsets;  // `strikes` per prime
    struct Pattern {
        std::uint32_t period;
        std::vector<std::uint8_t> bytes;  // one period (less when n is small)
    };
    std::vector<Pattern> patterns;
    std::vector<std::uint32_t> restore;  // sieving primes l >= 7 with n - l prime
    std::vector<std::uint32_t> head;     // results among 2, 3, 5

    Sieve(std::uint32_t n, std::size_t segmentSize);
    std::uint32_t Segments() const {
        return (totalBytes + static_cast<std::uint32_t>(segmentBytes) - 1) / static_cast<std::uint32_t>(segmentBytes);
    }
};

// Where one thread is in a sieve: the segment it sieves next and its own
// buffer. A cursor moves on segment by segment, or jumps to any segment.
struct Cursor {
    const Sieve* sieve;
    std::uint32_t nextByte = 0;
    std::vector<std::int32_t> starts;  // per prime, see StrikeSegment
    std::size_t restoreNext = 0;
    std::vector<std::uint8_t> segment;

    explicit Cursor(const Sieve& s)
        : sieve(&s),
          starts(s.primes.size(), 0),
          segment(std::min<std::size_t>(static_cast<std::size_t>(s.segmentBytes), s.totalBytes) + 8, 0) {}
    // Makes segment `index` the next one.
    void Seek(std::uint32_t index);
    // Sieves the next segment into `segment`; returns its length in bytes
    // (the bytes after it up to the next multiple of 8 are zero).
    std::int32_t Next();
    // The candidates p left in the segment Next() made, appended to ps.
    void Collect(std::uint32_t base, std::int32_t len, std::vector<std::uint32_t>& ps) const;
    std::uint64_t Count(std::int32_t len) const;
};

Sieve::Sieve(std::uint32_t number, std::size_t segmentSize)
    : n(number),
      half(number / 2),
      totalBytes(number / 2 / 30 + 1),
      segmentBytes(static_cast<std::int32_t>(std::clamp<std::size_t>(segmentSize, 8, 1u << 30) / 8 * 8)) {
    const std::uint32_t root = IntegerSqrt(n);

    std::uint8_t live = 0;
    for (int k = 0; k < 8; ++k) {
        const std::uint32_t q = n - kResidues[k];
        if (q % 2 != 0 && q % 3 != 0 && q % 5 != 0) live |= static_cast<std::uint8_t>(1u << k);
    }
    std::array<int, 8> liveClasses{};
    int liveCount = 0;
    for (int k = 0; k < 8; ++k)
        if (live & (1u << k)) liveClasses[static_cast<std::size_t>(liveCount++)] = k;
    strikes = 2 * liveCount;
    for (int j = 0; j < strikes; ++j)
        masks[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(~(1u << liveClasses[static_cast<std::size_t>(j / 2)]));

    for (std::uint32_t p : {2u, 3u, 5u})
        if (fnshu(static_cast<std::int32_t>(p)) && fnshu(static_cast<std::int32_t>(n - p))) head.push_back(p);

    // Patterns of the primes 7 .. 53.
    bool first = true;
    for (const auto& group : kPatternGroups) {
        std::uint32_t period = 1;
        for (std::uint32_t l : group)
            if (l) period *= l;
        Pattern pattern{period, {}};
        const std::size_t size = std::min<std::size_t>(period, totalBytes);
        pattern.bytes.assign(size, first ? live : 0xFF);
        for (std::uint32_t l : group) {
            if (!l) continue;
            const std::uint32_t inverse30 = InverseOf30(l);
            for (int j = 0; j < strikes; ++j) {
                const int k = liveClasses[static_cast<std::size_t>(j / 2)];
                const std::uint32_t target = j % 2 == 0 ? 0 : n % l;
                for (std::size_t b = BlockOffset(l, inverse30, target, k); b < size; b += l)
                    pattern.bytes[b] &= masks[static_cast<std::size_t>(j)];
            }
        }
        patterns.push_back(std::move(pattern));
        first = false;
    }

    // The sieving primes.
    for (std::uint32_t l : SmallPrimes()) {
        if (l > root) break;
        if (l <= kLargestPatternPrime) continue;
        primes.push_back(l);
        const std::uint32_t inverse30 = InverseOf30(l);
        for (int j = 0; j < strikes; ++j) {
            const int k = liveClasses[static_cast<std::size_t>(j / 2)];
            offsets.push_back(static_cast<std::uint16_t>(BlockOffset(l, inverse30, j % 2 == 0 ? 0 : n % l, k)));
        }
    }
    // Which n - l are prime for the primes l up to sqrt(n): a small sieve of
    // [n - root, n - 7]. None of these numbers is itself a prime <= root.
    const std::uint32_t low = n - root;
    std::vector<std::uint8_t> composite(root - 6, 0);
    for (std::uint32_t l : SmallPrimes()) {
        if (l > root) break;
        for (std::uint64_t m = (std::uint64_t{low} + l - 1) / l * l; m <= n - 7; m += l)
            composite[static_cast<std::size_t>(m - low)] = 1;
    }
    for (std::uint32_t l : SmallPrimes()) {
        if (l > root) break;
        if (l >= 7 && !composite[n - l - low]) restore.push_back(l);
    }
}

void Cursor::Seek(std::uint32_t index) {
    const Sieve& s = *sieve;
    nextByte = std::min(index * static_cast<std::uint32_t>(s.segmentBytes), s.totalBytes);
    // Each prime's blocks begin at the multiples of the prime counted from
    // byte 0: the current one began (nextByte mod l) bytes before.
    for (std::size_t i = 0; i < s.primes.size(); ++i)
        starts[i] = -static_cast<std::int32_t>(nextByte % s.primes[i]);
    restoreNext = static_cast<std::size_t>(
        std::lower_bound(s.restore.begin(), s.restore.end(), nextByte,
                         [](std::uint32_t l, std::uint32_t byte) { return l / 30 < byte; }) -
        s.restore.begin());
}

std::int32_t Cursor::Next() {
    const Sieve& s = *sieve;
    const std::uint32_t base = nextByte;
    const auto len = static_cast<std::int32_t>(
        std::min<std::uint32_t>(static_cast<std::uint32_t>(s.segmentBytes), s.totalBytes - base));
    std::uint8_t* seg = segment.data();

    std::memset(seg + len, 0, 8);
    for (std::size_t g = 0; g < s.patterns.size(); ++g) {
        const Sieve::Pattern& pattern = s.patterns[g];
        std::uint32_t phase = base % pattern.period;
        for (std::int32_t done = 0; done < len;) {
            const auto piece = static_cast<std::int32_t>(
                std::min<std::uint32_t>(pattern.period - phase, static_cast<std::uint32_t>(len - done)));
            if (g == 0)
                std::memcpy(seg + done, pattern.bytes.data() + phase, static_cast<std::size_t>(piece));
            else
                AndBytes(seg + done, pattern.bytes.data() + phase, piece);
            done += piece;
            phase = 0;
        }
    }

    const std::uint32_t* primes = s.primes.data();
    const std::uint16_t* offsets = s.offsets.data();
    const std::size_t count = s.primes.size();
    switch (s.strikes) {
        case 6: StrikeSegment<6>(seg, len, primes, offsets, starts.data(), count, s.masks.data()); break;
        case 8: StrikeSegment<8>(seg, len, primes, offsets, starts.data(), count, s.masks.data()); break;
        case 12: StrikeSegment<12>(seg, len, primes, offsets, starts.data(), count, s.masks.data()); break;
        case 16: StrikeSegment<16>(seg, len, primes, offsets, starts.data(), count, s.masks.data()); break;
        default: break;  // an odd n: no class can hold a result
    }

    if (base == 0) seg[0] &= 0xFE;  // 1 is not a candidate
    const std::uint32_t end = base + static_cast<std::uint32_t>(len);
    for (; restoreNext < s.restore.size() && s.restore[restoreNext] / 30 < end; ++restoreNext) {
        const std::uint32_t l = s.restore[restoreNext];
        const auto k = std::find(kResidues.begin(), kResidues.end(), l % 30) - kResidues.begin();
        seg[l / 30 - base] |= static_cast<std::uint8_t>(1u << k);
    }
    if (end == s.totalBytes)  // candidates beyond n / 2
        for (int k = 0; k < 8; ++k)
            if (30 * (s.totalBytes - 1) + kResidues[static_cast<std::size_t>(k)] > s.half)
                seg[len - 1] &= static_cast<std::uint8_t>(~(1u << k));

    nextByte = end;
    return len;
}

void Cursor::Collect(std::uint32_t base, std::int32_t len, std::vector<std::uint32_t>& ps) const {
    const std::uint8_t* seg = segment.data();
    for (std::int32_t w = 0; w < len; w += 8) {
        std::uint64_t word;
        std::memcpy(&word, seg + w, 8);
        if (word == 0) continue;
        for (std::int32_t b = w; b < w + 8; ++b)
            for (unsigned bits = seg[b]; bits != 0; bits &= bits - 1)
                ps.push_back(30 * (base + static_cast<std::uint32_t>(b)) +
                             kResidues[static_cast<std::size_t>(std::countr_zero(bits))]);
    }
}

std::uint64_t Cursor::Count(std::int32_t len) const {
    const std::uint8_t* seg = segment.data();
    std::uint64_t count = 0;
    for (std::int32_t w = 0; w < len; w += 8) {
        std::uint64_t word;
        std::memcpy(&word, seg + w, 8);
        count += static_cast<std::uint64_t>(std::popcount(word));
    }
    return count;
}

}  // namespace goldbach_detail

using goldbach_detail::Cursor;
using goldbach_detail::Sieve;

// ---- The search ---------------------------------------------------------------

GoldbachSearch::GoldbachSearch(std::uint32_t n, std::size_t segmentBytes) : n_(n) {
    if (n < 4 || n > 2147483647u) {
        done_ = true;
        return;
    }
    if (n >= kSieveFrom) {
        sieve_ = std::make_shared<const Sieve>(n, segmentBytes);
        cursor_ = std::make_unique<Cursor>(*sieve_);
    }
}

GoldbachSearch::~GoldbachSearch() = default;
GoldbachSearch::GoldbachSearch(GoldbachSearch&&) noexcept = default;
GoldbachSearch& GoldbachSearch::operator=(GoldbachSearch&&) noexcept = default;

double GoldbachSearch::progress() const {
    if (done_) return 1;
    if (!sieve_) return 0;
    return static_cast<double>(cursor_->nextByte) / sieve_->totalBytes;
}

void GoldbachSearch::Step(std::vector<std::uint32_t>& ps) {
    if (done_) return;
    if (!sieve_) {
        for (std::uint32_t p = 2; p <= n_ / 2; ++p)
            if (fnshu(static_cast<std::int32_t>(p)) && fnshu(static_cast<std::int32_t>(n_ - p))) ps.push_back(p);
        done_ = true;
        return;
    }
    if (!headGiven_) {
        ps.insert(ps.end(), sieve_->head.begin(), sieve_->head.end());
        headGiven_ = true;
    }
    const std::uint32_t base = cursor_->nextByte;
    cursor_->Collect(base, cursor_->Next(), ps);
    if (cursor_->nextByte >= sieve_->totalBytes) done_ = true;
}

std::uint64_t GoldbachSearch::StepCount() {
    if (done_) return 0;
    if (!sieve_) {
        std::vector<std::uint32_t> ps;
        Step(ps);
        return ps.size();
    }
    std::uint64_t count = 0;
    if (!headGiven_) {
        count += sieve_->head.size();
        headGiven_ = true;
    }
    count += cursor_->Count(cursor_->Next());
    if (cursor_->nextByte >= sieve_->totalBytes) done_ = true;
    return count;
}

// ---- On every core ---------------------------------------------------------------
//
// The candidates' segments are independent: a thread can sieve any segment
// once its cursor has jumped there. Threads take the next segment from a
// shared counter. For the count they add up on their own; for the list the
// calling thread hands each segment's p on in order, and a thread does not
// take a segment more than kAhead segments ahead of the one handed on last, so
// memory stays a few segments a thread whatever n is.

unsigned GoldbachThreads() { return std::max(1u, std::thread::hardware_concurrency()); }

namespace {

bool Cancelled(const std::atomic<bool>* cancel) { return cancel && cancel->load(std::memory_order_relaxed); }

// A cancel is noticed within this long by a thread that waits.
constexpr std::chrono::milliseconds kPollWait{2};

}  // namespace

bool GoldbachList(std::uint32_t n, const std::function<void(std::vector<std::uint32_t>&)>& sink, unsigned threads,
                  const std::atomic<bool>* cancel, std::size_t segmentBytes) {
    if (threads == 0) threads = GoldbachThreads();
    GoldbachSearch search(n, segmentBytes);
    if (threads == 1 || !search.sieve_ || search.sieve_->Segments() < 2) {
        std::vector<std::uint32_t> ps;
        while (!search.done()) {
            if (Cancelled(cancel)) return false;
            ps.clear();
            search.Step(ps);
            sink(ps);
        }
        return !Cancelled(cancel);
    }
    const Sieve& sieve = *search.sieve_;
    const std::uint32_t segments = sieve.Segments();
    const std::uint32_t ahead = 2 * threads + 2;
    struct Slot {
        std::vector<std::uint32_t> ps;
        bool ready = false;
    };
    std::vector<Slot> slots(ahead);
    std::mutex mutex;
    std::condition_variable changed;
    std::uint32_t claimed = 0, handed = 0;
    bool stop = false;  // under mutex: the caller has given up

    const auto work = [&] {
        Cursor cursor(sieve);
        std::uint32_t at = UINT32_MAX;  // the segment the cursor is before
        for (;;) {
            std::uint32_t index;
            {
                std::unique_lock lock(mutex);
                while (!stop && claimed < segments && claimed >= handed + ahead && !Cancelled(cancel))
                    changed.wait_for(lock, kPollWait);
                if (stop || claimed >= segments || Cancelled(cancel)) return;
                index = claimed++;
            }
            if (index != at) cursor.Seek(index);
            std::vector<std::uint32_t> ps;
            if (index == 0) ps = sieve.head;
            const std::uint32_t base = cursor.nextByte;
            cursor.Collect(base, cursor.Next(), ps);
            at = index + 1;
            std::lock_guard lock(mutex);
            slots[index % ahead] = {std::move(ps), true};
            changed.notify_all();
        }
    };
    std::vector<std::thread> pool;
    bool whole = true;
    try {
        for (unsigned t = 0; t < threads; ++t) pool.emplace_back(work);
    } catch (const std::system_error&) {
        // As many threads as the system gives; none: the one-thread search.
        if (pool.empty()) return GoldbachList(n, sink, 1, cancel, segmentBytes);
    }
    try {
        for (std::uint32_t index = 0; index < segments; ++index) {
            std::vector<std::uint32_t> ps;
            {
                std::unique_lock lock(mutex);
                Slot& slot = slots[index % ahead];
                while (!slot.ready && !Cancelled(cancel)) changed.wait_for(lock, kPollWait);
                if (!slot.ready || Cancelled(cancel)) {
                    whole = false;
                    break;
                }
                ps.swap(slot.ps);
                slot.ready = false;
                handed = index + 1;
                changed.notify_all();
            }
            sink(ps);
        }
    } catch (...) {
        {
            std::lock_guard lock(mutex);
            stop = true;
        }
        changed.notify_all();
        for (std::thread& t : pool) t.join();
        throw;
    }
    {
        std::lock_guard lock(mutex);
        stop = true;
    }
    changed.notify_all();
    for (std::thread& t : pool) t.join();
    return whole && !Cancelled(cancel);
}

std::optional<std::uint64_t> GoldbachCount(std::uint32_t n, unsigned threads, const std::atomic<bool>* cancel,
                                           std::size_t segmentBytes) {
    if (threads == 0) threads = GoldbachThreads();
    GoldbachSearch search(n, segmentBytes);
    if (threads == 1 || !search.sieve_ || search.sieve_->Segments() < 2) {
        std::uint64_t count = 0;
        while (!search.done()) {
            if (Cancelled(cancel)) return std::nullopt;
            count += search.StepCount();
        }
        return count;
    }
    const Sieve& sieve = *search.sieve_;
    const std::uint32_t segments = sieve.Segments();
    std::atomic<std::uint32_t> next{0};
    std::atomic<std::uint64_t> total{sieve.head.size()};
    const auto work = [&] {
        Cursor cursor(sieve);
        std::uint32_t at = UINT32_MAX;
        std::uint64_t count = 0;
        for (std::uint32_t index; !Cancelled(cancel) && (index = next.fetch_add(1)) < segments; at = index + 1) {
            if (index != at) cursor.Seek(index);
            count += cursor.Count(cursor.Next());
        }
        total += count;
    };
    std::vector<std::thread> pool;
    try {
        for (unsigned t = 1; t < threads; ++t) pool.emplace_back(work);
    } catch (const std::system_error&) {
        // As many threads as the system gives: this one works too.
    }
    work();
    for (std::thread& t : pool) t.join();
    if (Cancelled(cancel)) return std::nullopt;
    return total.load();
}

}  // namespace numora::scientific
