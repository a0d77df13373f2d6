#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the rows of a command batch through numora-cli: each line is the
# arguments (split at blanks), a tab, the expected standard output with its
# lines joined by " | " (a leading "… | " checks only the last lines), a tab
# and the exit status. Lines starting with "# " and empty lines are skipped.
set -u
cli=$1 batch=$2
passed=0 failed=0
while IFS= read -r line; do
  [[ -z $line || $line == "# "* || $line == "#" ]] && continue
  # Split at the tabs by hand: read would merge two tabs around an empty output.
  args=${line%%$'\t'*} rest=${line#*$'\t'}
  expected=${rest%$'\t'*} status=${rest##*$'\t'}
  # shellcheck disable=SC2086  # the arguments are split at blanks on purpose
  actual=$("$cli" $args 2>/dev/null)
  rc=$?
  joined=$(printf '%s' "$actual" | awk 'NR > 1 { printf " | " } { printf "%s", $0 }')
  if [[ $expected == "… | "* ]]; then
    tail=${expected#"… | "}
    [[ $joined == *"$tail" ]] && match=1 || match=0
  else
    [[ $joined == "$expected" ]] && match=1 || match=0
  fi
  if [[ $match -eq 1 && $rc -eq $status ]]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: numora-cli $args"
    echo "  expected ($status): $expected"
    echo "  actual   ($rc): $joined"
  fi
done <"$batch"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
