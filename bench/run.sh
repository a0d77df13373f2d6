#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds numora_bench (Release, no Qt) and runs it, then prints each
# benchmark's time as a ratio to its peer measured in the same run:
#   bench/run.sh [extra Google Benchmark flags, e.g. --benchmark_filter=Evaluate]
# Builds into NUMORA_BENCH_DIR (default build-bench/ in the project's root);
# the results are kept in numora_bench.csv there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${NUMORA_BENCH_DIR:-$root/build-bench}

cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DNUMORA_GUI=OFF -DNUMORA_TESTS=OFF -DNUMORA_BENCH=ON >/dev/null
cmake --build "$dir" --target numora_bench numora-cli

csv=$dir/numora_bench.csv
"$dir/bench/numora_bench" --benchmark_out="$csv" --benchmark_out_format=csv "$@"

echo
echo "Ratios to the peer in the same run (CPU time; below 1 means faster than the peer):"
# The CSV reporter writes some context lines, then a header and one row a
# benchmark: name,iterations,real_time,cpu_time,time_unit,...
awk -F, '
  function ns(t, unit) { return unit == "us" ? t * 1e3 : unit == "ms" ? t * 1e6 : unit == "s" ? t * 1e9 : t }
  /^name,/ { header = 1; next }
  header && $2 != "" {
    name = $1; gsub(/"/, "", name)
    cpu[name] = ns($4, $5); order[++n] = name
  }
  function ratio(a, b, label) {
    if ((a in cpu) && (b in cpu) && cpu[b] > 0)
      printf "  %-44s %8.2fx  (%s vs %s)\n", label, cpu[a] / cpu[b], a, b
  }
  END {
    for (i = 1; i <= n; ++i) {
      name = order[i]
      if (name ~ /^BM_EvaluateFormula\/[0-9]+$/) {
        size = name; sub(/.*\//, "", size)
        ratio(name, "BM_StrtodNumbers/" size, "evaluate / strtod of its numbers, " size " B")
        ratio("BM_EvaluateNested/" size, name, "nested / mixed formula, " size " B")
        ratio("BM_EvaluateFormulaExact/" size, name, "exact and decimal / decimal, " size " B")
      }
    }
    ratio("BM_NumberText", "BM_Snprintf15G", "NumberText / snprintf %.15G")
    ratio("BM_LeadingValue", "BM_Strtod", "LeadingValue / strtod")
    ratio("BM_StrictValue", "BM_Strtod", "StrictValue / strtod")
  }' "$csv"
