#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# End to end on Wayland: the real numora on a headless weston with no X
# server, in its own D-Bus session with a notification area and the desktop
# portal (fake_desktop.py). Native start with every calculator window opened
# from the tray icon's menu; hidden in the tray and brought back by the tray
# icon, its menu and a second launch; two launches at once give one
# instance; a start after kill -9 without the warning; the loss of the
# compositor stores the state and ends with status 0.
# Usage: wayland.sh NUMORA [SLOWNESS]   (exit 77: weston cannot run here)
set -uo pipefail
bin=$1
scale=${2:-1}
here=$(cd "$(dirname "$0")" && pwd)
py=/usr/bin/python3
for need in weston weston-screenshooter dbus-run-session compare convert; do
  command -v "$need" >/dev/null || { echo "SKIP: $need is missing (scripts/setup installs it)"; exit 77; }
done
"$py" -c 'import gi' 2>/dev/null || { echo "SKIP: python3-gi is missing (scripts/setup installs it)"; exit 77; }

if [ -z "${NUMORA_IN_SESSION:-}" ]; then
  export NUMORA_IN_SESSION=1
  exec timeout $((170 * scale)) dbus-run-session -- bash "$0" "$@"
fi

scratch=$(mktemp -d)
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
unset DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE
export WAYLAND_DISPLAY=numora-test-$$
failures=0 wpid="" fpid="" pid=""
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pause() { sleep "$(awk -v t="$1" -v s="$scale" 'BEGIN { print t * s }')"; }
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  [ -n "$fpid" ] && kill "$fpid" 2>/dev/null
  [ -n "$wpid" ] && kill "$wpid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

start_weston() {
  (cd "$scratch" && exec weston --debug --use-pixman --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" \
     --width=1024 --height=768 --idle-time=0 >"$scratch/weston.log" 2>&1) &
  wpid=$!
  for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
  [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || { echo "SKIP: weston does not start here"; tail -5 "$scratch/weston.log"; exit 77; }
  pause 1
}
# A screenshot of the whole output into $1.
shot() {
  rm -f "$scratch"/wayland-screenshot-*.png
  (cd "$scratch" && timeout 10 weston-screenshooter >/dev/null 2>&1)
  mv "$scratch"/wayland-screenshot-*.png "$1" 2>/dev/null
}
# Pixels that differ from the empty desktop (its background shifts by a
# shade between frames): some thousands for the clock,
# hundreds of thousands for a window.
covered() {
  shot "$scratch/now.png" || { echo 0; return; }
  compare -metric AE -fuzz 5% -crop 1024x700+0+40 "$scratch/empty.png" "$scratch/now.png" null: 2>&1 | cut -d' ' -f1
}
visible() { [ "$(covered)" -gt 60000 ] 2>/dev/null; }
hidden() { [ "$(covered)" -lt 20000 ] 2>/dev/null; }
wait_for() {  # probe, seconds
  for _ in $(seq $(($2 * 4 * scale))); do "$1" && return 0; sleep 0.25; done
  return 1
}

fresh() {
  cfg=$scratch/$1
  mkdir -p "$cfg/Numora"
  printf "$2" >"$cfg/Numora/Numora.ini"
  ini=$cfg/Numora/Numora.ini
}
stored() { grep -m1 "^$1=" "$ini" | cut -d= -f2-; }
launch() {
  : >"$scratch/state/items"
  XDG_CONFIG_HOME=$cfg "$bin" >>"$scratch/log" 2>&1 &
  pid=$!
}
item=""
wait_tray() {
  for _ in $(seq $((40 * scale))); do
    item=$(head -1 "$scratch/state/items" 2>/dev/null)
    [ -n "$item" ] && return 0
    sleep 0.25
  done
  return 1
}
menu() { "$py" "$here/fake_desktop.py" "$1" "$item" "$2"; }
end_with() {  # signal, case
  kill -"$1" "$pid"
  for _ in $(seq $((30 * scale))); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && { fail "$2: still running after SIG$1"; kill -9 "$pid"; }
  wait "$pid"; local rc=$?; pid=""
  [ "$1" = 9 ] || [ $rc -eq 0 ] || fail "$2: exit status $rc after SIG$1"
}

mkdir -p "$scratch/state"
"$py" "$here/fake_desktop.py" serve "$scratch/state" & fpid=$!
for _ in $(seq 50); do [ -e "$scratch/state/ready" ] && break; sleep 0.1; done
[ -e "$scratch/state/ready" ] || { echo "FAIL: the fake desktop services did not start"; exit 1; }
start_weston
shot "$scratch/empty.png" || { echo "SKIP: weston takes no screenshots here"; exit 77; }

# Native start with the self-test; every window from the tray icon's menu.
fresh native '[Checks]\nExamOK=0\n'
launch
wait_tray || fail "native: no tray icon"
wait_for visible 15 || fail "native: no main window"
grep -q "qt.qpa.plugin\|Could not find the Qt platform plugin\|xcb" "$scratch/log" && fail "native: platform warning"
for label in 基本计算... 数学专科计算... 化学专科计算... 科学性计算... 选项... 常用资料... 关于...; do
  menu click "$label" || fail "native: no menu item $label"
  pause 0.5
  [ "$(menu checked "$label")" = 1 ] || fail "native: $label did not open"
done
kill -0 "$pid" 2>/dev/null || fail "native: numora ended while opening its windows"
end_with TERM native
[ "$(stored LoadAlready)" = False ] || fail "native: LoadAlready not cleared"

# Minimized into the tray (the stored state), brought back by the tray icon,
# by its menu and by a second launch, which ends with status 0.
for how in icon menu launch; do
  fresh "tray-$how" '[Checks]\nExamOK=1\n[Settings]\nMainState=1\n'
  launch
  wait_tray || fail "tray $how: no tray icon"
  pause 1.5
  wait_for hidden 3 || fail "tray $how: the window is not hidden in the tray"
  case $how in
    icon) "$py" "$here/fake_desktop.py" activate "$item" ;;
    menu) menu click 基本计算... ;;
    launch)
      XDG_CONFIG_HOME=$cfg timeout $((20 * scale)) "$bin" >>"$scratch/log" 2>&1
      rc=$?
      [ $rc -eq 0 ] || fail "tray launch: the second launch ended with $rc" ;;
  esac
  wait_for visible 5 || fail "tray $how: not brought back"
  end_with TERM "tray $how"
  [ "$(stored MainState)" = 0 ] || fail "tray $how: MainState $(stored MainState) after coming back"
done

# Two launches within a tenth of a second: one instance.
fresh twice '[Checks]\nExamOK=1\n'
XDG_CONFIG_HOME=$cfg "$bin" >>"$scratch/log" 2>&1 & a=$!
sleep 0.05
XDG_CONFIG_HOME=$cfg "$bin" >>"$scratch/log" 2>&1 & b=$!
pause 4
alive=0
for p in $a $b; do kill -0 "$p" 2>/dev/null && alive=$((alive + 1)); done
[ $alive -eq 1 ] || fail "twice: $alive instances run"
for p in $a $b; do
  if kill -0 "$p" 2>/dev/null; then pid=$p; else wait "$p" || fail "twice: the second ended with $?"; fi
done
end_with TERM twice

# kill -9 leaves the flag; the next start runs without the warning.
fresh killed '[Checks]\nExamOK=1\n'
launch
wait_for visible 10 || fail "killed: no main window"
pause 1
end_with 9 killed
[ "$(stored LoadAlready)" = True ] || fail "killed: the flag is not left behind"
launch
wait_for visible 10 || fail "killed: no main window after kill -9"
pause 1
# A warning would stand alone, small, in front of an empty desktop.
[ "$(covered)" -gt 300000 ] || fail "killed: the restart shows a message instead of the maximized window"

# The compositor goes away: the state is stored and the status is 0.
wait_tray || fail "compositor: no tray icon"
menu click 基本计算...
pause 1
sed -i 's/^StandardLeft=.*//' "$ini"
kill "$wpid"; wait "$wpid" 2>/dev/null; wpid=""
for _ in $(seq $((50 * scale))); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid"; rc=$?; pid=""
[ $rc -eq 0 ] || fail "compositor: exit status $rc"
[ "$(stored LoadAlready)" = False ] || fail "compositor: LoadAlready not cleared"
[ "$(stored MainState)" = 2 ] || fail "compositor: MainState not stored"
[ -n "$(stored StandardLeft)" ] || fail "compositor: the child window's position was not stored"

if [ $failures -ne 0 ]; then
  echo "--- numora's output"; grep -v "ALSA\|AL lib\|PulseAudio\|qt.multimedia" "$scratch/log" | tail -20
  exit 1
fi
echo "wayland: all cases passed"
echo "1 passed, 0 failed"
