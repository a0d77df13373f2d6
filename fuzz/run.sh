#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the fuzz targets with clang and runs each for SECONDS (default 300):
#   fuzz/run.sh [SECONDS] [TARGET...]
# Targets: fuzz_formula, fuzz_exact_formula, fuzz_number_text, fuzz_parse, fuzz_format_result,
# fuzz_big_number...; by default every fuzz_* target the build makes.
# NUMORA_FUZZ_JOBS of them run side by side (default 2).
#
# Everything is written under NUMORA_FUZZ_DIR (default build-fuzz/ in the
# project's root): build/, the growing corpus/<target>/ (the committed seeds
# in fuzz/seeds/ are only read), artifacts/<target>/ (inputs that failed),
# logs/<target>.log and replay/ (scratch). The fuzzer runs in fork mode and
# keeps going after a failure, so every target gets its full time; the
# report at the end replays the failing inputs and shows the shortest one of
# each distinct failure.
# The inputs in fuzz/regressions/<target>/ (past failures) are replayed first.
# Exit status: 0 when everything ran clean, 1 when anything failed.
set -euo pipefail
fuzz=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$fuzz/.." && pwd)
seconds=${1:-300}
shift || true
targets=("$@")
work=${NUMORA_FUZZ_DIR:-$root/build-fuzz}
jobs=${NUMORA_FUZZ_JOBS:-2}

if ! command -v clang++ >/dev/null; then
  echo "fuzz/run.sh: clang++ not found; run scripts/setup fuzz" >&2
  exit 2
fi

echo "== building the fuzz targets in $work/build"
CC=clang CXX=clang++ cmake -S "$root" -B "$work/build" -G Ninja \
  -DNUMORA_GUI=OFF -DNUMORA_TESTS=OFF -DNUMORA_FUZZ=ON >/dev/null
bin=$work/build/fuzz
if [ ${#targets[@]} -eq 0 ]; then
  cmake --build "$work/build"
  mapfile -t targets < <(cd "$bin" && find . -maxdepth 1 -name 'fuzz_*' -type f -perm -u+x -printf '%f\n' | sort)
else
  cmake --build "$work/build" --target "${targets[@]}"
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0

# Replaying an input that fails makes libFuzzer write it out again: keep
# those copies out of the working folder.
mkdir -p "$work/replay"
replay() {  # binary, input
  "$1" -artifact_prefix="$work/replay/" "$2"
}

# The first lines that tell what went wrong with one input.
failure_of() {  # binary, input
  replay "$1" "$2" 2>&1 | grep -m1 -A3 -E '^\*\*\* property failed|^==[0-9]+==ERROR|^SUMMARY|runtime error' \
    | grep -v '^--$' | cut -c1-300 || true
}

echo "== replaying past failures (fuzz/regressions)"
for t in "${targets[@]}"; do
  [ -d "$fuzz/regressions/$t" ] || continue
  for input in "$fuzz/regressions/$t"/*; do
    [ -f "$input" ] || continue
    if replay "$bin/$t" "$input" >/dev/null 2>&1; then
      echo "  pass  $t ${input#$root/}"
    else
      echo "  FAIL  $t ${input#$root/}"
      failure_of "$bin/$t" "$input" | sed 's/^/          /'
      status=1
    fi
  done
done

run_target() {  # target
  local t=$1
  mkdir -p "$work/corpus/$t" "$work/artifacts/$t" "$work/logs"
  rm -f "$work/artifacts/$t"/*
  "$bin/$t" -fork=1 -ignore_crashes=1 -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$work/artifacts/$t/" "$work/corpus/$t" "$fuzz/seeds/$t" \
    >"$work/logs/$t.log" 2>&1 || true
}

echo "== fuzzing ${targets[*]} for $seconds s each, $jobs at a time"
running=0
for t in "${targets[@]}"; do
  run_target "$t" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
done
wait

echo "== report"
printf '%-20s %8s %14s %8s %9s\n' target seconds executions corpus failures
for t in "${targets[@]}"; do
  log=$work/logs/$t.log
  last=$(grep -E '^#[0-9]+:' "$log" | tail -1 || true)
  execs=$(sed -E 's/^#([0-9]+):.*/\1/' <<<"$last")
  secs=$(grep -oE 'fuzzed for [0-9]+ seconds' "$log" | grep -oE '[0-9]+' || true)
  corpus=$(find "$work/corpus/$t" -type f | wc -l)
  crashes=$(find "$work/artifacts/$t" -type f | wc -l)
  printf '%-20s %8s %14s %8s %9s\n' "$t" "${secs:-?}" "${execs:-?}" "$corpus" "$crashes"
  [ "$crashes" -gt 0 ] && status=1
done

# One reproducer (the shortest) per distinct failure.
for t in "${targets[@]}"; do
  inputs=$(find "$work/artifacts/$t" -type f -printf '%s %p\n' | sort -n | head -200 | cut -d' ' -f2-)
  [ -n "$inputs" ] || continue
  echo "-- $t: failing inputs in $work/artifacts/$t"
  declare -A seen=()
  while IFS= read -r input; do
    what=$(failure_of "$bin/$t" "$input")
    key=$(head -1 <<<"$what")
    [ -n "${seen[$key]:-}" ] && continue
    seen[$key]=1
    echo "   reproduce: $bin/$t $input"
    sed 's/^/     /' <<<"$what"
  done <<<"$inputs"
  unset seen
done
exit $status
