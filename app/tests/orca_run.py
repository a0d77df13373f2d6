#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs the screen reader Orca for a test: its debug log written line by
line (Orca's own file is block-buffered, so a test reading it while Orca
runs would miss the last lines), and without Orca's refusal to start while
another Orca of the same user runs (one of another session, or of another
test run on the same machine).

Usage: orca_run.py DEBUG_LOG [ORCA OPTIONS...]
"""
import builtins
import sys

ORCA = "/usr/bin/orca"
log = sys.argv[1]
_open = builtins.open


def _line_buffered_log(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode and not args and "buffering" not in kwargs:
        return _open(file, mode, 1, **kwargs)
    return _open(file, mode, *args, **kwargs)


builtins.open = _line_buffered_log
launcher = {"__name__": "orca_launcher", "__file__": ORCA}
with _open(ORCA) as source:
    exec(compile(source.read(), ORCA, "exec"), launcher)
launcher["otherOrcas"] = lambda: []
launcher["setProcessName"] = lambda name: None
sys.argv = ["orca", "--debug-file", log] + sys.argv[2:]
sys.exit(launcher["main"]())
