#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The help window on the shipped document and on 16 MiB documents: time to
# fill the window against reading the same bytes, the longest wait for the
# window thread, memory: bench/help-viewer.sh [REPEATS]
# Builds help_bench into the build folder given by NUMORA_BENCH_DIR
# (default build/ with NUMORA_BENCH switched on).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${NUMORA_BENCH_DIR:-$root/build}
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} -DNUMORA_BENCH=ON >/dev/null
cmake --build "$dir" --target help_bench >/dev/null
QT_QPA_PLATFORM=offscreen "$dir/bench/help_bench" "$root/app/resources/numora180.doc" "${1:-3}"
