#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds exact_bench (Release, no Qt) and runs it, then prints for each
# calculator the exact form's and the worked solution's time per input, and
# their ratios to the decimal command measured in the same run:
#   bench/exact.sh [extra Google Benchmark flags]
# Builds into NUMORA_BENCH_DIR (default build-bench/); keeps exact_bench.csv there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${NUMORA_BENCH_DIR:-$root/build-bench}

cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DNUMORA_GUI=OFF -DNUMORA_TESTS=OFF -DNUMORA_BENCH=ON >/dev/null
cmake --build "$dir" --target exact_bench

csv=$dir/exact_bench.csv
"$dir/bench/exact_bench" --benchmark_out="$csv" --benchmark_out_format=csv "$@" >/dev/null

echo "Per input (CPU time) and as a ratio to the decimal command in the same run:"
# CSV: name,iterations,real_time,cpu_time,time_unit,bytes_per_second,items_per_second,...
awk -F, '
  /^name,/ { header = 1; next }
  header && $2 != "" {
    name = $1; gsub(/"/, "", name)
    us[name] = 1e6 / $7; order[++n] = name
  }
  END {
    for (i = 1; i <= n; ++i) {
      name = order[i]
      if (name !~ /Decimal$/) continue
      kind = name; sub(/^BM_/, "", kind); sub(/Decimal$/, "", kind)
      line = sprintf("  %-15s decimal %7.2f us", kind, us[name])
      for (j = 1; j <= 2; ++j) {
        other = "BM_" kind (j == 1 ? "Exact" : "Steps")
        if (other in us)
          line = line sprintf("   %s %7.2f us (%5.1fx)", j == 1 ? "exact" : "steps", us[other], us[other] / us[name])
      }
      print line
    }
  }' "$csv"
