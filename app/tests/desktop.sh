#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end on a desktop: the real numora under a virtual display with a
# window manager (openbox), as a user meets it. Start-up messages take the
# focus above the start-up window; no lock state stalls start-up; a second
# launch brings the first forward (from the tray too) and a stale running
# flag warns nobody; the desktop's dark preference; SIGTERM, SIGHUP,
# SIGINT and the loss of the display end the run in order with status 0;
# windows stored off screen come back on it; unsavable settings are told.
set -uo pipefail
bin=$1
# The frame's caption: "Numora" and the version as captions write it (1.8.0 gives "Numora 1.80").
title="Numora $(awk -F. '{ print $1 "." $2 $3 }' <<<"${NUMORA_VERSION:?the version, set by ctest}")"
# Waits are multiplied by the second argument: the sanitizer build is several
# times slower. The two-second promise of the orderly exit is checked as
# such at scale 1.
scale=${2:-1}
scratch=$(mktemp -d)
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
failures=0
xpid="" obpid="" pid=""

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pause() { sleep "$(awk -v t="$1" -v s="$scale" 'BEGIN { print t * s }')"; }
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$obpid" ] && kill "$obpid" 2>/dev/null
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

start_x() {
  rm -f "$scratch/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
  xpid=$!
  for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -1 "$scratch/display")
  openbox >/dev/null 2>&1 &
  obpid=$!
  sleep 0.5
}
stop_x() { kill "$obpid" "$xpid" 2>/dev/null; wait "$obpid" "$xpid" 2>/dev/null; obpid="" xpid=""; }

# A fresh settings folder with the given INI text.
fresh() {
  cfg=$scratch/$1
  mkdir -p "$cfg/Numora"
  printf "$2" >"$cfg/Numora/Numora.ini"
  ini=$cfg/Numora/Numora.ini
}
launch() { XDG_CONFIG_HOME=$cfg "$bin" >>"$scratch/log" 2>&1 & pid=$!; }
frames() { xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | wc -l; }
wait_frames() {  # count, seconds
  for _ in $(seq $(($2 * 10 * scale))); do [ "$(frames)" -ge "$1" ] && return 0; sleep 0.1; done
  return 1
}
# The window with the keyboard focus is a message box: titled Numora and not
# the 420x300 start-up window.
message_has_focus() {
  local geometry
  [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = Numora ] || return 1
  geometry=$(xdotool getwindowfocus getwindowgeometry 2>/dev/null | awk '/Geometry/ {print $2}')
  [ -n "$geometry" ] && [ "$geometry" != 420x300 ]
}
wait_message() {
  for _ in $(seq $((50 * scale))); do message_has_focus && return 0; sleep 0.1; done
  return 1
}
# Ends the run with a signal; the program must be gone within two seconds
# with status 0.
end_with() {
  kill -"$1" "$pid"
  for _ in $(seq $((20 * scale))); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then fail "$2: still running $((2 * scale)) s after SIG$1"; kill -9 "$pid"; fi
  wait "$pid"; local rc=$?
  pid=""
  [ $rc -eq 0 ] || fail "$2: exit status $rc after SIG$1"
}
stored() { grep -m1 "^$1=" "$ini" | cut -d= -f2-; }
open_standard() {
  local win
  win=$(xdotool search --onlyvisible --name "^$title\$" | head -1)
  xdotool windowactivate --sync "$win" 2>/dev/null
  xdotool key --window "$win" alt+p; pause 0.4; xdotool key t; pause 0.6
}

# No display: --help and --version still answer; a start says why it cannot.
env -u DISPLAY -u WAYLAND_DISPLAY "$bin" --version | grep -qx "numora $NUMORA_VERSION" || fail "--version without a display"
env -u DISPLAY -u WAYLAND_DISPLAY "$bin" --help | grep -q "^用法: numora" || fail "--help without a display"
said=$(env -u DISPLAY -u WAYLAND_DISPLAY "$bin" 2>&1); rc=$?
[ $rc -eq 1 ] || fail "no display: status $rc, not 1"
grep -q "需要图形桌面" <<<"$said" || fail "no message without a display"

start_x

# A start-up message opens above the start-up window, with the focus.
fresh startup '[Checks]\nExamOK=0\nMusicStartWhileApply=1\n[Texts]\nFileName=/no/such/music.mp3\n'
launch
wait_message || fail "startup: the missing-music message does not have the focus"
xdotool key Return
wait_frames 1 10 || fail "startup: no main window after the message"
end_with TERM startup

# No state of the lock file stalls start-up.
for lock in folder garbage; do
  fresh "lock-$lock" '[Checks]\nExamOK=1\n'
  if [ $lock = folder ]; then mkdir "$ini.lock"; else printf 'garbage\001\002' >"$ini.lock"; fi
  launch
  wait_frames 1 5 || fail "lock $lock: no main window within 5 s"
  sleep 0.5
  [ "$(stored LoadAlready)" = True ] || fail "lock $lock: LoadAlready not stored"
  end_with TERM "lock $lock"
done

# A second launch brings the running instance forward and ends with status
# 0, without a message; a flag left by a killed instance warns nobody.
fresh second '[Checks]\nExamOK=1\n'
launch; first=$pid
wait_frames 1 5 || fail "second: first instance has no window"
xdotool search --onlyvisible --name "^$title\$" windowminimize 2>/dev/null
sleep 0.5
[ "$(frames)" -eq 0 ] || fail "second: the frame was not minimized"
# It only hands over: the media stack is never loaded (no GStreamer
# output on the terminal), as the loader's own record of it shows.
LD_DEBUG=files XDG_CONFIG_HOME=$cfg timeout $((20 * scale)) "$bin" >"$scratch/second.log" 2>&1
rc=$?
[ $rc -eq 0 ] || fail "second: the second launch ended with $rc"
if grep -q 'calling init: .*libgst' "$scratch/second.log"; then fail "second: the media stack was loaded"; fi
if grep -v '^ *[0-9]*:' "$scratch/second.log" | grep -qi 'gstreamer'; then fail "second: media output on the terminal"; fi
message_has_focus && fail "second: a message was shown"
wait_frames 1 5 || fail "second: the minimized frame did not come forward"
[ "$(frames)" -eq 1 ] || fail "second: $(frames) main windows"
[ "$(stored LoadAlready)" = True ] || fail "second: the running flag was touched"
kill -9 "$first"; wait "$first" 2>/dev/null
launch
wait_frames 1 5 || fail "stale flag: no main window after kill -9"
message_has_focus && fail "stale flag: the already-running warning was shown"
end_with TERM "stale flag"

# With a notification area (and the desktop portal, on a session bus of its
# own): minimizing hides the frame into the tray, a second launch brings it
# back; a dark preference gives dark windows, and they follow its change.
if command -v dbus-daemon >/dev/null && /usr/bin/python3 -c 'import gi' 2>/dev/null; then
  dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$scratch/bus" 4>"$scratch/buspid"
  export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$scratch/bus")
  mkdir -p "$scratch/state"
  echo 1 >"$scratch/state/scheme"
  /usr/bin/python3 "$(dirname "$0")/fake_desktop.py" serve "$scratch/state" & fake=$!
  for _ in $(seq 50); do [ -e "$scratch/state/ready" ] && break; sleep 0.1; done
  fresh tray '[Checks]\nExamOK=1\n'
  launch
  wait_frames 1 5 || fail "tray: no main window"
  sleep 1
  # The client area: the workspace colour of the palette.
  face() { import -window root -crop 200x200+600+400 +repage "$scratch/face.png" 2>/dev/null &&
             convert "$scratch/face.png" -colorspace Gray -format '%[fx:mean]' info:; }
  awk -v m="$(face)" 'BEGIN { exit !(m < 0.25) }' || fail "dark: the windows are not dark ($(face))"
  echo 2 >"$scratch/state/scheme"; kill -USR1 "$fake"; sleep 1
  awk -v m="$(face)" 'BEGIN { exit !(m > 0.4) }' || fail "dark: the light preference did not come back ($(face))"
  xdotool search --onlyvisible --name "^$title\$" windowminimize 2>/dev/null
  sleep 1
  [ "$(frames)" -eq 0 ] || fail "tray: the frame is still shown"
  xdotool search --name "^$title\$" 2>/dev/null | while read -r w; do
    xprop -id "$w" WM_STATE 2>/dev/null | grep -q Iconic && echo iconic
  done | grep -q iconic && fail "tray: the frame was minimized, not hidden"
  XDG_CONFIG_HOME=$cfg timeout $((20 * scale)) "$bin" >>"$scratch/log" 2>&1 || fail "tray: the second launch failed"
  wait_frames 1 5 || fail "tray: the second launch did not bring the frame back"
  end_with TERM tray
  kill "$fake" "$(cat "$scratch/buspid")" 2>/dev/null
  unset DBUS_SESSION_BUS_ADDRESS
fi

# The end of a session: each signal runs the orderly exit.
for sig in TERM HUP INT; do
  fresh "signal-$sig" '[Checks]\nExamOK=1\n[Settings]\nMainState=0\nStandardLeft=450\nStandardTop=300\n'
  launch
  wait_frames 1 5 || fail "SIG$sig: no main window"
  open_standard
  sed -i 's/^StandardLeft=.*/StandardLeft=0/' "$ini"  # only the exit writes it back
  end_with "$sig" "SIG$sig"
  [ "$(stored LoadAlready)" = False ] || fail "SIG$sig: LoadAlready not cleared"
  [ "$(stored StandardLeft)" = 450 ] || fail "SIG$sig: the child window's position was not stored"
  [ "$(stored MainState)" = 0 ] || fail "SIG$sig: MainState not stored"
done

# The display goes away: the state is stored and the status is 0.
fresh xloss '[Checks]\nExamOK=1\n[Settings]\nStandardLeft=450\nStandardTop=300\n'
launch
wait_frames 1 5 || fail "display: no main window"
open_standard
sed -i 's/^StandardLeft=.*/StandardLeft=0/' "$ini"
stop_x
wait "$pid"; rc=$?; pid=""
[ $rc -eq 0 ] || fail "display: exit status $rc"
[ "$(stored LoadAlready)" = False ] || fail "display: LoadAlready not cleared"
[ "$(stored StandardLeft)" = 450 ] || fail "display: the child window's position was not stored"
start_x

# Windows stored far off screen open on it, and that place is stored.
fresh offscreen '[Checks]\nExamOK=1\n[Settings]\nMainState=0\nMainLeft=1e30\nMainTop=-1e30\nMainWidth=1e30\nMainHeight=7000\n'
launch
wait_frames 1 5 || fail "offscreen: no main window"
sleep 0.5
read -r x y < <(xdotool search --onlyvisible --name "^$title\$" getwindowgeometry 2>/dev/null |
  awk -F'[ ,]+' '/Position/ {print $3, $4; exit}')
{ [ "${x:-9999}" -ge 0 ] && [ "$x" -le 984 ] && [ "${y:-9999}" -ge 0 ] && [ "$y" -le 728 ]; } ||
  fail "offscreen: the main window is at ${x:-?},${y:-?}"
end_with TERM offscreen
awk -v l="$(stored MainLeft)" -v w="$(stored MainWidth)" 'BEGIN { exit !(l + 0 < 15360 && w + 0 <= 15360) }' ||
  fail "offscreen: stored MainLeft=$(stored MainLeft) MainWidth=$(stored MainWidth)"

# Settings that cannot be saved are told once, and the program goes on.
fresh unsavable '[Checks]\nExamOK=1\n'
rm -rf "$cfg/Numora"; echo "not a folder" >"$cfg/Numora"
launch
wait_message || fail "unsavable: no message"
xdotool key Return
wait_frames 1 5 || fail "unsavable: no main window"
sleep 1
message_has_focus && fail "unsavable: told more than once"
end_with TERM unsavable

# A signal in the first moments, while the display is opened and start-up
# runs: the run still ends in order, with status 0 and no running flag left.
# "first": as soon as the process catches SIGTERM (its first step, before the
# display is opened; only the loading of its libraries comes before).
catches_term() {  # bit 15 of the caught-signals mask
  local mask; mask=$(awk '/^SigCgt/ {print $2}' "/proc/$pid/status" 2>/dev/null)
  [ -n "$mask" ] && (( (16#$mask >> 14) & 1 ))
}
for delay in first 0.1 0.3; do
  fresh "early-$delay" '[Checks]\nExamOK=1\n'
  launch
  if [ "$delay" = first ]; then
    for _ in $(seq 2000); do catches_term && break; sleep 0.001; done
  else
    pause "$delay"
  fi
  end_with TERM "SIGTERM $delay"
  [ "$(stored LoadAlready)" != True ] || fail "SIGTERM $delay: LoadAlready left True"
done

if [ $failures -ne 0 ]; then
  echo "--- numora's output"; tail -20 "$scratch/log"
  exit 1
fi
echo "desktop: all cases passed"
