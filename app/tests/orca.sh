#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end with the screen reader Orca itself: starts the real numora and
# Orca under a virtual display, in their own D-Bus session with their own
# accessibility bus and speech server (whose sound goes nowhere: no sound
# card is needed), drives numora from the keyboard (orca_check.py) and reads
# what Orca said from its debug log.
# Usage: orca.sh NUMORA [SPEECH_FILE] [SLOWNESS]
# SPEECH_FILE (default numora-orca.txt here) receives everything Orca said
# (and, when the test fails, SPEECH_FILE without .txt plus -debug.log Orca's
# whole debug log);
# SLOWNESS (default 1) stretches every wait, for a sanitizer build.
# Exit 77 (skipped) when Orca or its speech server is not installed
# (scripts/setup installs them).
set -euo pipefail
bin=$1
speech=${2:-$PWD/numora-orca.txt}
export NUMORA_WAIT_SCALE=${3:-1}
here=$(cd "$(dirname "$0")" && pwd)

launcher=/usr/libexec/at-spi-bus-launcher
for need in xvfb-run dbus-run-session xdotool openbox speech-dispatcher /usr/bin/orca /usr/bin/python3 "$launcher"; do
  command -v "$need" >/dev/null || { echo "SKIP: $need is missing (scripts/setup installs it)"; exit 77; }
done
[ -d /etc/speech-dispatcher ] && ls /usr/lib/speech-dispatcher-modules/sd_espeak-ng >/dev/null 2>&1 ||
  { echo "SKIP: speech-dispatcher-espeak-ng is missing"; exit 77; }
/usr/bin/python3 -c 'import pyatspi, speechd' 2>/dev/null || { echo "SKIP: python3-pyatspi or python3-speechd is missing"; exit 77; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch" || true' EXIT
# Everything Orca, its speech server and numora keep goes under the scratch
# folder: a private home (Orca writes its settings there itself), settings,
# runtime folder (the speech server's socket).
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime
export XDG_DATA_HOME=$scratch/home/.local/share XDG_CACHE_HOME=$scratch/home/.cache
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Numora" "$scratch/orca-settings" && mkdir -m 0700 "$XDG_RUNTIME_DIR"
# No start-up self-test: the frame comes at once.
printf '[Checks]\nExamOK=1\n' > "$XDG_CONFIG_HOME/Numora/Numora.ini"
# The speech server plays through libao, whose null driver throws the sound
# away: with the usual output and no sound card its speech module hangs, and
# Orca with it, after the first utterance.
cp -r /etc/speech-dispatcher "$scratch/speechd"
sed -i 's/^#* *AudioOutputMethod .*/AudioOutputMethod "libao"/' "$scratch/speechd/speechd.conf"
echo 'default_driver=null' > "$HOME/.libao"
# Orca's own messages in English, whatever the machine's language.
export LANG=C.UTF-8 LANGUAGE=C
unset QT_QPA_PLATFORM QT_SCALE_FACTOR LC_ALL
export NO_AT_BRIDGE=0 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
# Orca talks to this speech server only, and never starts one of its own.
export SPEECHD_ADDRESS=unix_socket:$XDG_RUNTIME_DIR/speechd.sock SPEECHD_CMD=false

rc=0
timeout $((170 * NUMORA_WAIT_SCALE)) xvfb-run -a -s '-screen 0 1280x900x24' \
  dbus-run-session -- bash -s "$bin" "$speech" "$here" "$launcher" "$scratch" <<'INNER' || rc=$?
set -u
bin=$1 speech=$2 here=$3 launcher=$4 scratch=$5
log=$scratch/orca-debug.log
pids=()
app=""
# numora first, asked to end as the session would (it stores its settings),
# then Orca and the servers.
cleanup() {
  if [ -n "$app" ]; then
    kill -TERM "$app" 2>/dev/null || true
    for _ in $(seq $((50 * NUMORA_WAIT_SCALE))); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  fi
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done

}
trap cleanup EXIT
"$launcher" --launch-immediately & pids+=($!)
for _ in $(seq 50); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.1
done
dbus-send --session --type=method_call --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true 2>/dev/null || true
# A window manager gives the keyboard focus to the window that opens.
openbox --sm-disable >/dev/null 2>&1 & pids+=($!)
speech-dispatcher -s -t 0 -C "$scratch/speechd" -S "$XDG_RUNTIME_DIR/speechd.sock" >"$scratch/speechd.out" 2>&1 & pids+=($!)
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/speechd.sock" ] && break; sleep 0.1; done
# Orca with braille off, its settings in a fresh folder, its debug log
# written line by line.
/usr/bin/python3 "$here/orca_run.py" "$log" -u "$scratch/orca-settings" -d braille >"$scratch/orca.out" 2>&1 & pids+=($!)
for _ in $(seq $((300 * NUMORA_WAIT_SCALE))); do grep -aq "SPEECH OUTPUT" "$log" 2>/dev/null && break; sleep 0.1; done
grep -aq "SPEECH OUTPUT" "$log" 2>/dev/null || { echo "FAIL: Orca did not start speaking"; cat "$scratch/orca.out"; exit 1; }
"$bin" >"$scratch/numora.out" 2>&1 & app=$!
rc=0
timeout $((140 * NUMORA_WAIT_SCALE)) /usr/bin/python3 "$here/orca_check.py" "$log" "$speech" || rc=$?
kill -0 "$app" 2>/dev/null || { echo "FAIL: numora ended during the run"; rc=1; }
if [ $rc -ne 0 ]; then
  echo "numora's output:"; tail -20 "$scratch/numora.out"
  cp "$log" "${speech%.txt}-debug.log" && echo "Orca's debug log: ${speech%.txt}-debug.log"
fi
exit $rc
INNER
echo "what Orca said: $speech"
[ $rc -eq 0 ] && echo "1 passed, 0 failed"
exit $rc
