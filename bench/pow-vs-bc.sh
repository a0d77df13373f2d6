#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# 2^800 the way the big-number page computes powers (800 successive
# LargeMultiply(result, "2") calls from "1") against bc, whole processes in
# the same hyperfine run:
#   bench/pow-vs-bc.sh [REPEAT]        (default 1000)
#
# 1. One power per process: `bignum_bench --print-power 2 800` against
#    `echo '2^800' | bc`. Mostly process start-up on both sides.
# 2. The power computed REPEAT times per process, so that the arithmetic
#    dominates: against bc's own power operator REPEAT times, and against bc
#    doing the same 800 doublings REPEAT times.
# Before timing, every command's digits are checked to be the same (bc runs
# with BC_LINE_LENGTH=0, so it does not break the 241 digits into lines).
# Prints each bc command's mean wall time and user CPU time as ratios to
# bignum_bench's.
#
# Builds bignum_bench into NUMORA_BENCH_DIR (default build-bench/ in the
# project's root), or uses the binary named by NUMORA_BIGNUM_BENCH. The
# hyperfine tables (pow-vs-bc-*.md, .csv) go to its data/ folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${NUMORA_BENCH_DIR:-$root/build-bench}
repeat=${1:-1000}

for tool in hyperfine bc awk; do
  command -v "$tool" >/dev/null || { echo "bench/pow-vs-bc.sh: $tool not found; run scripts/setup bench" >&2; exit 2; }
done

bin=${NUMORA_BIGNUM_BENCH:-}
if [ -z "$bin" ]; then
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DNUMORA_GUI=OFF -DNUMORA_TESTS=OFF -DNUMORA_BENCH=ON >/dev/null
  cmake --build "$dir" --target bignum_bench >/dev/null
  bin=$dir/bench/bignum_bench
fi
data=$dir/data
mkdir -p "$data"
export BC_LINE_LENGTH=0

# bc programs: the power operator, and 800 doublings; both REPEAT times.
printf 'for (r = 0; r < %d; r++) x = 2^800\nx\n' "$repeat" >"$data/pow.bc"
printf 'for (r = 0; r < %d; r++) { x = 1; for (i = 0; i < 800; i++) x = x * 2 }\nx\n' "$repeat" >"$data/doublings.bc"

expected=$(echo '2^800' | bc)
check() {  # label, digits
  if [ "$2" != "$expected" ]; then
    echo "bench/pow-vs-bc.sh: $1 does not print the digits of bc's 2^800" >&2
    exit 1
  fi
}
check "bignum_bench --print-power 2 800" "$("$bin" --print-power 2 800)"
check "bignum_bench --print-power 2 800 $repeat" "$("$bin" --print-power 2 800 "$repeat")"
check "bc pow.bc" "$(bc -q "$data/pow.bc")"
check "bc doublings.bc" "$(bc -q "$data/doublings.bc")"
echo "2^800: ${#expected} digits, the same from every command"
echo

# Mean wall time and user CPU time of each command as ratios to the first
# one's (hyperfine CSV: command,mean,stddev,median,user,system,min,max).
ratios() {  # csv
  awk -F, 'NR == 2 { mean = $2; user = $5 }
           NR > 1 { printf "  %-28s %10.3f ms %6.2fx   user %10.3f ms %6.2fx\n", $1, $2 * 1000, $2 / mean, $5 * 1000, $5 / user }' "$1"
}

hyperfine --warmup 3 --export-markdown "$data/pow-vs-bc-once.md" --export-csv "$data/pow-vs-bc-once.csv" \
  -n "numora 2^800 once" "'$bin' --print-power 2 800" \
  -n "bc 2^800 once" "echo '2^800' | bc"
hyperfine --warmup 2 --export-markdown "$data/pow-vs-bc-repeat.md" --export-csv "$data/pow-vs-bc-repeat.csv" \
  -n "numora 2^800 x$repeat" "'$bin' --print-power 2 800 $repeat" \
  -n "bc 2^800 x$repeat" "bc -q '$data/pow.bc'" \
  -n "bc 800 doublings x$repeat" "bc -q '$data/doublings.bc'"

echo
echo "Ratios to numora's time in the same run (above 1: bc is slower):"
ratios "$data/pow-vs-bc-once.csv"
ratios "$data/pow-vs-bc-repeat.csv"
echo "tables: $data/pow-vs-bc-once.md $data/pow-vs-bc-repeat.md"
