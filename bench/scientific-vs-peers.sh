#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# numora-cli's factorization and Goldbach count against peers, whole
# processes in the same hyperfine run:
#   bench/scientific-vs-peers.sh
#
# 1. `numora-cli factor 2147483647` against coreutils `factor 2147483647`.
# 2. `numora-cli goldbach 999999998 --count`, which runs on every core,
#    against `primesieve 999999998 --count --threads=T` with T the machine's
#    hardware threads (counting the primes up to the same N: the sieving work
#    of the two halves p and N - p), and against primesieve on one thread,
#    with the full list to /dev/null beside them.
# 3. Peak memory (maximum resident set size, /usr/bin/time -v) of the count,
#    of the full list to /dev/null, and of the peers.
# Before timing, the outputs are checked. Prints each numora command's mean
# time as a ratio to its peer's (below 1 means numora is faster).
#
# Builds numora-cli (Release, no Qt) into NUMORA_BENCH_DIR (default
# build-bench/ in the project's root), or uses the binary named by
# NUMORA_CLI. Installs primesieve and time with apt-get when they are
# missing and the script runs as root. The hyperfine tables
# (scientific-*.md, .csv) go to the build folder's data/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${NUMORA_BENCH_DIR:-$root/build-bench}

need() {  # command, Debian package
  command -v "$1" >/dev/null && return
  if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null; then
    apt-get install -y "$2" >/dev/null || { apt-get update >/dev/null && apt-get install -y "$2" >/dev/null; }
  fi
  command -v "$1" >/dev/null || { echo "bench/scientific-vs-peers.sh: $1 not found; install the $2 package" >&2; exit 2; }
}
need hyperfine hyperfine
need factor coreutils
need primesieve primesieve
[ -x /usr/bin/time ] || need /usr/bin/time time

cli=${NUMORA_CLI:-}
if [ -z "$cli" ]; then
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DNUMORA_GUI=OFF -DNUMORA_TESTS=OFF -DNUMORA_BENCH=ON >/dev/null
  cmake --build "$dir" --target numora-cli >/dev/null
  cli=$dir/cli/numora-cli
fi
data=$dir/data
mkdir -p "$data"

n_factor=2147483647
n_goldbach=999999998
threads=$(nproc)

# The outputs, checked before timing.
[ "$("$cli" factor $n_factor)" = "$n_factor" ] || { echo "numora-cli factor $n_factor: wrong output" >&2; exit 1; }
[ "$(factor $n_factor)" = "$n_factor: $n_factor" ] || { echo "factor $n_factor: unexpected output" >&2; exit 1; }
count=$("$cli" goldbach $n_goldbach --count)
lines=$("$cli" goldbach $n_goldbach | wc -l)
[ "$count" = "$lines" ] || { echo "numora-cli goldbach $n_goldbach: $lines lines but count $count" >&2; exit 1; }
echo "goldbach $n_goldbach: $count decompositions; primesieve: $(primesieve $n_goldbach --count --threads=1 -q) primes up to it"
echo "hardware threads: $threads; load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo

hyperfine -N --warmup 20 --min-runs 200 \
  --export-markdown "$data/scientific-factor.md" --export-csv "$data/scientific-factor.csv" \
  -n "numora-cli factor $n_factor" "$cli factor $n_factor" \
  -n "coreutils factor $n_factor" "factor $n_factor"
hyperfine -N --warmup 3 --min-runs 15 \
  --export-markdown "$data/scientific-goldbach.md" --export-csv "$data/scientific-goldbach.csv" \
  -n "numora-cli goldbach $n_goldbach --count" "$cli goldbach $n_goldbach --count" \
  -n "primesieve $n_goldbach --count --threads=$threads" "primesieve $n_goldbach --count --threads=$threads" \
  -n "primesieve $n_goldbach --count --threads=1" "primesieve $n_goldbach --count --threads=1" \
  -n "numora-cli goldbach $n_goldbach (list)" "$cli goldbach $n_goldbach"

peak() {  # label, command... (standard output discarded)
  local kb
  kb=$( { /usr/bin/time -v "${@:2}" >/dev/null; } 2>&1 | awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }')
  printf "  %-48s %8.1f MB\n" "$1" "$(echo "$kb" | awk '{ print $1 / 1024 }')"
}

echo
echo "Peak memory (maximum resident set size):"
peak "numora-cli goldbach $n_goldbach --count" "$cli" goldbach $n_goldbach --count
peak "numora-cli goldbach $n_goldbach > /dev/null" "$cli" goldbach $n_goldbach
peak "primesieve $n_goldbach --count --threads=$threads" primesieve $n_goldbach --count --threads=$threads -q
peak "numora-cli factor $n_factor" "$cli" factor $n_factor
peak "coreutils factor $n_factor" factor $n_factor

# hyperfine CSV: command,mean,stddev,median,user,system,min,max
echo
echo "Mean times as ratios to the peer's (below 1 means numora is faster):"
awk -F, 'FNR == 1 { next }
  { mean[$1] = $2; order[++n] = $1 }
  END {
    for (i = 1; i <= n; ++i) {
      name = order[i]
      if (name ~ /^numora-cli factor/) peer = "coreutils factor '"$n_factor"'"
      else if (name ~ /^numora-cli goldbach/) peer = "primesieve '"$n_goldbach"' --count --threads='"$threads"'"
      else continue
      printf "  %-44s %8.3f ms  %6.2fx  of %s (%.3f ms)\n", name, mean[name] * 1000, mean[name] / mean[peer], peer, mean[peer] * 1000
      if (name ~ /^numora-cli goldbach.*--count/) {
        one = "primesieve '"$n_goldbach"' --count --threads=1"
        printf "  %-44s %8.3f ms  %6.2fx  of %s (%.3f ms)\n", name, mean[name] * 1000, mean[name] / mean[one], one, mean[one] * 1000
      }
    }
  }' "$data/scientific-factor.csv" "$data/scientific-goldbach.csv"
echo "tables: $data/scientific-factor.md $data/scientific-goldbach.md"
