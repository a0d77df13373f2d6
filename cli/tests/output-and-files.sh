#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# numora-cli as a script sees it: a failed write to standard output, a
# folder or an endless file given to eval --file, and the commands that ran
# away or answered wrongly on awkward input.
#   output-and-files.sh NUMORA-CLI
set -u
cli=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
err=$(mktemp)
trap 'rm -f "$err"' EXIT

# expect RC COMMAND...: runs the command (standard output discarded) and checks its exit status.
expect() {
  local want=$1; shift
  "$@" >/dev/null 2>"$err"
  local rc=$?
  [ "$rc" -eq "$want" ] || fail "$* exited $rc, expected $want ($(head -c 200 "$err"))"
}

if [ -w /dev/full ]; then
  "$cli" goldbach 99999998 >/dev/full 2>"$err"; rc=$?
  [ "$rc" -eq 1 ] || fail "goldbach to /dev/full exited $rc"
  grep -q '无法写入标准输出' "$err" || fail "goldbach to /dev/full: no message"
  "$cli" eval 1+1 >/dev/full 2>"$err" || true
  grep -q '无法写入标准输出' "$err" || fail "eval to /dev/full: no message"
fi
"$cli" goldbach 1000 >&- 2>"$err"; rc=$?
[ "$rc" -eq 1 ] || fail "goldbach with standard output closed exited $rc"

expect 1 "$cli" eval --file /tmp
grep -q '文件夹' "$err" || fail "eval --file /tmp: no message about the folder"
expect 1 "$cli" eval --file /nonexistent/formulas.txt
# Standard input that cannot be read is an error too, not an empty input.
"$cli" eval --file - </tmp >/dev/null 2>"$err"; rc=$?
[ "$rc" -eq 1 ] || fail "eval --file - with a folder as standard input exited $rc"
grep -q '读取标准输入时出错' "$err" || fail "eval --file - </tmp: no message"
out=$(printf '1+1\n2*3' | "$cli" eval --file - | tr '\n' ' ')
[ "$out" = "2 6 " ] || fail "eval --file - from a pipe printed $out"
# An endless line is refused at the limit (it used to fill the memory).
timeout 60 "$cli" eval --file /dev/zero >/dev/null 2>"$err"; rc=$?
[ "$rc" -eq 1 ] || fail "eval --file /dev/zero exited $rc"
grep -q '过长' "$err" || fail "eval --file /dev/zero: no message about the line"

# Powers of 0 and 1 end at once whatever the exponent.
out=$(timeout 20 "$cli" big pow 1 2147483647) || fail "big pow 1 2147483647 failed or ran away"
[ "$out" = 1 ] || fail "big pow 1 2147483647 printed $out"
out=$(timeout 20 "$cli" big pow 0 2147483647) || fail "big pow 0 2147483647 failed or ran away"
[ "$out" = 0 ] || fail "big pow 0 2147483647 printed $out"

out=$("$cli" quadratic 1 1e8 1 | tr '\n' ' ')
[ "$out" = "-1E-08 -100000000 " ] || fail "quadratic 1 1e8 1 printed $out"
out=$("$cli" trig sin 10000000000000000)
[ "$out" = "$("$cli" trig sin 280)" ] || fail "trig sin 1E+16 printed $out, not sin 280°"
expect 1 "$cli" big add 1.5 1
grep -q '请输入只由数字0-9组成的整数' "$err" || fail "big add 1.5 1: no message"

[ "$failures" -eq 0 ] && echo "all passed"
exit "$failures"
