#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The windows' long jobs against the same jobs through numora-cli, with the
# longest wait for the window: bench/window-responsiveness.sh [REPEATS]
# Builds window_bench and numora-cli into the build folder given by
# NUMORA_BENCH_DIR (default build/ with NUMORA_BENCH switched on).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${NUMORA_BENCH_DIR:-$root/build}
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} -DNUMORA_BENCH=ON >/dev/null
cmake --build "$dir" --target window_bench numora-cli >/dev/null
QT_QPA_PLATFORM=offscreen "$dir/bench/window_bench" "$dir/cli/numora-cli" "${1:-3}"
