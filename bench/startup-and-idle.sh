#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Time from process start to the main frame on screen (quick start and
# self-test), and the running program's CPU use over 10 idle seconds, under
# a virtual display: bench/startup-and-idle.sh [RUNS]
# (NUMORA_XVFB_DISPLAY=N: on display :N rather than the first free one)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${NUMORA_BIN:-$root/build/app/numora}
runs=${1:-5}
[ -x "$bin" ] || { echo "build first: scripts/build" >&2; exit 1; }
export -n QT_QPA_PLATFORM 2>/dev/null || true
display=(-a)
[ -n "${NUMORA_XVFB_DISPLAY:-}" ] && display=(-n "$NUMORA_XVFB_DISPLAY")
xvfb-run "${display[@]}" -s '-screen 0 1024x768x24' bash -s "$bin" "$runs" <<'INNER'
set -u
bin=$1 runs=$2
measure() {  # ExamOK -> milliseconds to the shown frame
  local dir; dir=$(mktemp -d)
  mkdir -p "$dir/c/Numora" && mkdir -m 700 "$dir/r"
  printf '[Checks]\nExamOK=%s\n' "$1" > "$dir/c/Numora/Numora.ini"
  local start; start=$(date +%s%N)
  XDG_CONFIG_HOME=$dir/c XDG_RUNTIME_DIR=$dir/r "$bin" & local pid=$!
  until xdotool search --onlyvisible --name '^Numora 1.80$' >/dev/null 2>&1; do sleep 0.005; done
  local shown; shown=$(date +%s%N)
  echo $(( (shown - start) / 1000000 ))
  if [ "$1" = 1 ]; then
    sleep 1
    # CPU time in nanoseconds (the clock ticks of /proc/PID/stat count 10 ms).
    local t0; t0=$(awk '{print $1}' /proc/$pid/schedstat)
    sleep 10
    local t1; t1=$(awk '{print $1}' /proc/$pid/schedstat)
    echo "idle-ns $((t1 - t0))" >&2
  fi
  kill $pid; wait $pid 2>/dev/null; rm -rf "$dir"
}
for mode in 1 0; do
  times=()
  for _ in $(seq "$runs"); do times+=("$(measure $mode 2>>/tmp/numora-idle.$$)"); done
  sorted=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
  label=$([ $mode = 1 ] && echo "quick start" || echo "self-test")
  echo "$label: start to main frame, ms (sorted): $sorted"
done
# Only the figures: the program's own messages go to the same file.
awk '/^idle-ns / {s+=$2; n++} END {printf "idle CPU over 10 s: %.3f%% (mean of %d runs)\n", 100*s/1e9/10/n, n}' /tmp/numora-idle.$$
rm -f /tmp/numora-idle.$$
INNER
