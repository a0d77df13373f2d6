#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a .batch file through numora-cli: each line is an input, a tab and the
# expected output; lines starting with "# " and empty lines are skipped.
# A refused input expects "Error" (the --file form prints it).
set -u
cli=$1 command=$2 batch=$3
inputs=$(mktemp) expected=$(mktemp) actual=$(mktemp)
trap 'rm -f "$inputs" "$expected" "$actual"' EXIT
grep -v -E '^(# |$)' "$batch" | cut -f1 >"$inputs"
grep -v -E '^(# |$)' "$batch" | cut -f2 >"$expected"
"$cli" "$command" --file "$inputs" >"$actual" || { echo "numora-cli failed"; exit 1; }
if ! diff <(paste "$inputs" "$expected") <(paste "$inputs" "$actual"); then
  echo "batch $batch: differences above (< expected, > actual)"
  exit 1
fi
echo "$(wc -l <"$inputs") passed, 0 failed"
