#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# numora-cli eval against bc on a 1 MB formula, whole processes, same run:
#   bench/eval-vs-bc.sh [BYTES]        (default 1048576)
#
# 1. A sum of about BYTES characters of decimal terms ("12345.625-678.25+...")
#    on one line. Every term is a multiple of 1/8 and the running sum stays
#    far below 2^53/8, so double arithmetic is exact and numora-cli and bc
#    must print the same number. The script checks that they do, then times
#    `numora-cli eval --file F` against `bc -l < F'` (F' = "scale=20" and the
#    same line) with hyperfine.
# 2. 100000 nested groups "(1+(1+(...)))" against the same bytes of flat
#    groups "(1)+(1)+...", numora-cli alone: what nesting costs.
# Builds into NUMORA_BENCH_DIR (default build-bench/ in the project's root);
# the formulas and hyperfine's tables (eval-vs-bc.md, nesting.md) go to its
# data/ folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${NUMORA_BENCH_DIR:-$root/build-bench}
bytes=${1:-1048576}
depth=100000

for tool in hyperfine bc awk; do
  command -v "$tool" >/dev/null || { echo "bench/eval-vs-bc.sh: $tool not found; run scripts/setup bench" >&2; exit 2; }
done

cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DNUMORA_GUI=OFF -DNUMORA_TESTS=OFF -DNUMORA_BENCH=ON >/dev/null
cmake --build "$dir" --target numora-cli
cli=$dir/cli/numora-cli
data=$dir/data
mkdir -p "$data"

# 1. The sum, the same every run (fixed seed).
awk -v bytes="$bytes" 'BEGIN {
  srand(1)
  split(".125 .25 .375 .5 .625 .75 .875", eighths, " ")
  size = 0
  while (size < bytes) {
    term = int(rand() * 100000)
    k = int(rand() * 8)
    if (k > 0) term = term eighths[k]
    if (size > 0) term = (rand() < 0.5 ? "+" : "-") term
    printf "%s", term
    size += length(term)
  }
  printf "\n"
}' >"$data/sum.txt"
{ echo "scale=20"; cat "$data/sum.txt"; } >"$data/sum.bc"

numora=$("$cli" eval --file "$data/sum.txt")
reference=$(BC_LINE_LENGTH=0 bc -l <"$data/sum.bc")
echo "formula: $(wc -c <"$data/sum.txt") bytes, $(grep -o '[-+]' "$data/sum.txt" | wc -l) operations"
echo "numora-cli: $numora"
echo "bc:         $reference"
case $numora in
  *E*|Error) echo "numora-cli's result is not comparable with bc's" >&2; exit 1 ;;
esac
# The same value to the 15 significant digits numora-cli prints.
same=$(BC_LINE_LENGTH=0 bc -l <<<"scale=40; d = ($numora) - ($reference); m = ($reference) * 0.000000000000005; d * d <= m * m")
if [ "$same" != 1 ]; then
  echo "numora-cli and bc disagree" >&2
  exit 1
fi
echo "same value: yes"
echo

hyperfine --warmup 2 --export-markdown "$data/eval-vs-bc.md" \
  -n "numora-cli eval --file" "'$cli' eval --file '$data/sum.txt'" \
  -n "bc -l" "bc -l < '$data/sum.bc'"

# 2. Deep nesting against flat groups of the same size.
awk -v depth="$depth" 'BEGIN {
  for (i = 0; i < depth; ++i) printf "(1+"
  printf "1"
  for (i = 0; i < depth; ++i) printf ")"
  printf "\n"
}' >"$data/nested.txt"
awk -v depth="$depth" 'BEGIN {
  for (i = 0; i < depth; ++i) printf "(1)+"
  printf "1\n"
}' >"$data/flat.txt"
for f in nested flat; do
  result=$("$cli" eval --file "$data/$f.txt")
  echo "$f: $(wc -c <"$data/$f.txt") bytes -> $result"
  [ "$result" = $((depth + 1)) ] || { echo "unexpected result for $f" >&2; exit 1; }
done
echo
# No redirection here, so no shell either (-N): the runs take a few ms.
hyperfine -N --warmup 2 --export-markdown "$data/nesting.md" \
  -n "nested $depth deep" "'$cli' eval --file '$data/nested.txt'" \
  -n "flat, same bytes" "'$cli' eval --file '$data/flat.txt'"

echo
echo "tables: $data/eval-vs-bc.md $data/nesting.md"
