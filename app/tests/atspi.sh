#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# End to end through the accessibility bus: starts the real numora under a
# virtual display, in its own D-Bus session with its own AT-SPI bus, and lets
# a real AT-SPI client (atspi_check.py) list every control of the calculator
# windows and Options and run their commands from the keyboard.
# Usage: atspi.sh NUMORA [LISTING_FILE] [SLOWNESS]
# SLOWNESS (default 1) stretches every wait, for a sanitizer build.
set -euo pipefail
bin=$1
listing=${2:-$PWD/numora-atspi.txt}
export NUMORA_WAIT_SCALE=${3:-1}
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch" || true' EXIT
export XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime
mkdir -p "$XDG_CONFIG_HOME/Numora" && mkdir -m 0700 "$XDG_RUNTIME_DIR"
# No start-up self-test: the frame comes at once.
printf '[Checks]\nExamOK=1\n' > "$XDG_CONFIG_HOME/Numora/Numora.ini"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
export NO_AT_BRIDGE=0 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

launcher=/usr/libexec/at-spi-bus-launcher
for need in xvfb-run dbus-run-session xdotool /usr/bin/python3 "$launcher"; do
  command -v "$need" >/dev/null || { echo "SKIP: $need is missing (scripts/setup installs it)"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is missing"; exit 77; }

rc=0
timeout $((280 * NUMORA_WAIT_SCALE)) xvfb-run -a -s '-screen 0 1280x900x24' \
  dbus-run-session -- bash -s "$bin" "$listing" "$here" "$launcher" <<'INNER' || rc=$?
set -u
bin=$1 listing=$2 here=$3 launcher=$4
pids=()
app=""
# numora stores its settings as it ends: let it finish before the display
# and the settings folder go away (it used to race the folder's removal).
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  [ -n "$app" ] || return 0
  for _ in $(seq $((100 * NUMORA_WAIT_SCALE))); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
}
trap cleanup EXIT
# The accessibility bus, and the registry on it.
"$launcher" --launch-immediately & pids+=($!)
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true
for _ in $(seq 50); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.1
done
dbus-send --session --type=method_call --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true 2>/dev/null || true
# A window manager gives the keyboard focus to the window that opens.
if command -v openbox >/dev/null; then openbox --sm-disable & pids+=($!); sleep 0.5; fi
"$bin" & app=$!; pids+=($app)
rc=0
timeout $((250 * NUMORA_WAIT_SCALE)) /usr/bin/python3 "$here/atspi_check.py" "$listing" || rc=$?
kill -0 $app 2>/dev/null || { echo "FAIL: numora ended during the run"; rc=1; }
exit $rc
INNER
echo "listing: $listing"
[ $rc -eq 0 ] && echo "1 passed, 0 failed"
exit $rc
