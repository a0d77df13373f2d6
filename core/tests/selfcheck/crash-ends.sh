#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test executable that crashes on purpose and checks that it ends
# within seconds with a failure status, and that no debugger was started for
# a stack trace. The environment's own guard is taken away, so that only the
# executable's own protection is tested.
set -u
bin=$1
unset QTEST_DISABLE_STACK_DUMP QTEST_DISABLE_STACKTRACE
out=$(mktemp)
trap 'rm -f "$out"' EXIT
start=$(date +%s)
timeout -s KILL 60 "$bin" >"$out" 2>&1
rc=$?
elapsed=$(( $(date +%s) - start ))
cat "$out"
if [ $rc -eq 137 ]; then echo "FAIL: the crashing test did not end within 60 s"; exit 1; fi
if [ $rc -eq 0 ]; then echo "FAIL: the crash was reported as success"; exit 1; fi
if [ $elapsed -gt 15 ]; then echo "FAIL: the crash took ${elapsed} s to end"; exit 1; fi
if grep -qiE 'gdb|lldb|Stack trace|attach' "$out"; then echo "FAIL: a debugger was started"; exit 1; fi
echo "the crashing test ended in ${elapsed} s with status $rc"
