#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The plotter's canvas at 1400 pixels with four graphs and their key
# points: a trace, zoom, pan and slider step against a plain repaint of the
# same canvas and the 16 ms of a frame: bench/plot-canvas.sh [Google Benchmark flags]
# Builds plot_bench into the build folder given by NUMORA_BENCH_DIR (default
# build/ with NUMORA_BENCH switched on).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${NUMORA_BENCH_DIR:-$root/build}
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} -DNUMORA_BENCH=ON >/dev/null
cmake --build "$dir" --target plot_bench >/dev/null
csv=$(mktemp)
trap 'rm -f "$csv"' EXIT
QT_QPA_PLATFORM=offscreen "$dir/bench/plot_bench" --benchmark_out="$csv" --benchmark_out_format=csv "$@"
echo
echo "Each step against the plain repaint and the 16 ms frame (CPU time):"
awk -F, '
  function ms(t, unit) { return unit == "us" ? t / 1e3 : unit == "ns" ? t / 1e6 : unit == "s" ? t * 1e3 : t }
  /^name,/ { header = 1; next }
  header && $2 != "" { name = $1; gsub(/"/, "", name); cpu[name] = ms($4, $5); order[++n] = name }
  END {
    peer = cpu["BM_PlainRepaint"]
    for (i = 1; i <= n; ++i)
      printf "  %-18s %7.2f ms  %6.2fx the repaint  %5.2f of a frame\n", order[i], cpu[order[i]], cpu[order[i]] / peer, cpu[order[i]] / 16
  }' "$csv"
