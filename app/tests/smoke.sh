#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end: starts the real numora under a virtual display with empty
# settings, checks the main window appears and draws, takes a screenshot,
# quits through the Program menu's access keys, then checks what the run
# left in the settings file.
set -euo pipefail
bin=$1
out=${2:-$PWD/numora-smoke.png}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch" || true' EXIT
export XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 0700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

xvfb-run -a -s '-screen 0 1024x700x24' bash -s "$bin" "$out" <<'INNER'
set -u
bin=$1 out=$2
# The frame's caption: "Numora" and the version as captions write it (1.8.0 gives "Numora 1.80").
title="Numora $(awk -F. '{ print $1 "." $2 $3 }' <<<"${NUMORA_VERSION:?the version, set by ctest}")"
"$bin" & pid=$!
win=""
for _ in $(seq 100); do
  win=$(xdotool search --name "^$title\$" 2>/dev/null | head -1) && [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "FAIL: no window titled '$title'"; kill $pid; exit 1; }
# The first paint can take a while on a loaded machine (or under the
# sanitizers): look again for up to 20 s.
for _ in $(seq 20); do
  sleep 1
  import -window root "$out"
  mean=$(convert "$out" -format '%[fx:mean]' info:)
  awk -v m="$mean" 'BEGIN { exit !(m > 0.1) }' && break
done
awk -v m="$mean" 'BEGIN { exit !(m > 0.1) }' || { echo "FAIL: the screen is blank ($mean)"; kill $pid; exit 1; }

# Quit through the menu: Alt+P opens 程序(&P), Q is 退出(&Q).
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key --window "$win" alt+p; sleep 0.5
xdotool key q
for _ in $(seq 30); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $pid 2>/dev/null; then
  # No keyboard focus without a window manager: the same with the mouse.
  xdotool key Escape; xdotool mousemove 25 11 click 1; sleep 0.5
  xdotool key q
  for _ in $(seq 30); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
fi
if kill -0 $pid 2>/dev/null; then echo "FAIL: Quit did not end the program"; kill $pid; exit 1; fi
wait $pid; rc=$?
[ $rc -eq 0 ] || { echo "FAIL: exit status $rc"; exit 1; }
INNER

ini=$XDG_CONFIG_HOME/Numora/Numora.ini
grep -q '^LoadAlready=False' "$ini" || { echo "FAIL: LoadAlready not cleared"; cat "$ini"; exit 1; }
grep -q '^MainState=' "$ini" || { echo "FAIL: MainState not stored"; cat "$ini"; exit 1; }
echo "screenshot: $out"
echo "1 passed, 0 failed"
