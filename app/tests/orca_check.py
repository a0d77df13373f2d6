#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the screen reader Orca says while a pupil uses numora by keys alone.

Runs inside the session orca.sh sets up (a display with a window manager, a
D-Bus session with the accessibility bus, Orca and its speech server), with
numora already started. Drives numora with xdotool, finds controls by the
names Orca speaks as the focus reaches them (never by coordinates), and
reads Orca's debug log: its "SPEECH OUTPUT:" entries are what it said, its
"locusOfFocus:" lines what it follows. Fails when a result, a page's name,
the formula calculator's result or a plot trace step is not spoken, when
opening a window does not say its name or leaves Orca deaf to typing, or
when a refusal's message is not read. Every wait is bounded.

Usage: orca_check.py ORCA_DEBUG_LOG SPEECH_FILE
"""
import os
import re
import subprocess
import sys
import time

SLOWNESS = max(1, int(os.environ.get("NUMORA_WAIT_SCALE", "1")))
LOG, SPEECH = sys.argv[1], sys.argv[2]
failures = []

ENTRY = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ")
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)?\{[^{}]*\}\s*$", re.S)
LOCUS = re.compile(r"EVENT MANAGER: locusOfFocus: \[([^|\]]*) \| ([^\]]*)\]")
MOVED = re.compile(r"ORCA: Changing locusOfFocus from ")


def fail(message):
    print("FAIL: " + message, flush=True)
    failures.append(message)


class Orca:
    """What Orca has said and followed so far, read from its debug log."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.tail = ""      # a line not yet ended
        self.entry = None   # a speech entry that may go on over more lines
        self.said = []      # utterances, in order
        self.loci = []      # (role, name) of the focus Orca follows, in order
        self.moves = 0      # how often Orca took up another focus

    def poll(self):
        try:
            with open(self.path, "rb") as log:
                log.seek(self.offset)
                data = log.read()
        except OSError:
            return
        self.offset += len(data)
        lines = (self.tail + data.decode("utf-8", "replace")).split("\n")
        self.tail = lines.pop()
        for line in lines:
            if ENTRY.match(line):
                self._close()
                if "SPEECH OUTPUT: '" in line:
                    self.entry = line
                locus = LOCUS.search(line)
                if locus:
                    self.loci.append((locus.group(1).strip(), locus.group(2).strip()))
                if MOVED.search(line):
                    self.moves += 1
            elif self.entry is not None:
                self.entry += "\n" + line
            self._close(finished_only=True)

    def _close(self, finished_only=False):
        if self.entry is None:
            return
        match = SPOKEN.search(self.entry)
        if match:
            self.said.append(" ".join(match.group(1).split()))
            self.entry = None
        elif not finished_only:
            self.entry = None

    def mark(self):
        self.poll()
        return len(self.said)

    def since(self, mark):
        self.poll()
        return self.said[mark:]

    def wait_for(self, what, mark, seconds=6):
        """The first utterance since `mark` that contains `what` (a text or
        a compiled pattern), or None after `seconds`."""
        end = time.monotonic() + seconds * SLOWNESS
        while True:
            for index, text in enumerate(self.since(mark)):
                if (what.search(text) if hasattr(what, "search") else what in text):
                    return mark + index, text
            if time.monotonic() >= end:
                return None
            time.sleep(0.1)

    def settle(self, quiet=0.5, seconds=4):
        """Waits until Orca has taken up no other focus for `quiet` seconds
        (a key may move its point of regard more than once), at most
        `seconds`. On a busy machine Orca lags behind the keys: the next key
        only once it has caught up."""
        end = time.monotonic() + seconds * SLOWNESS
        self.poll()
        moves, since = self.moves, time.monotonic()
        while time.monotonic() < end:
            time.sleep(0.05)
            self.poll()
            if self.moves != moves:
                moves, since = self.moves, time.monotonic()
            elif time.monotonic() - since >= quiet * SLOWNESS:
                return

    def focus(self):
        self.poll()
        return self.loci[-1] if self.loci else ("", "")


orca = Orca(LOG)
# The frame's caption: "Numora" and the version as captions write it
# (NUMORA_VERSION 1.8.0, set by ctest, gives "Numora 1.80").
_major, _minor, _revision = os.environ.get("NUMORA_VERSION", "1.8.0").split(".")
FRAME = "Numora %s.%s%s" % (_major, _minor, _revision)


def keys(*names, pause=0.15):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=False, timeout=20)
    time.sleep(pause * SLOWNESS)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", "--", text], check=False, timeout=20)
    time.sleep(0.2 * SLOWNESS)


def expect(what, mark, seconds=10, label=None):
    found = orca.wait_for(what, mark, seconds)
    if found:
        print("  said: %s" % found[1], flush=True)
    else:
        fail("Orca did not say %s (it said: %s)" % (label or repr(what), " | ".join(orca.since(mark))[-600:]))
    return found


def tab_to(name, limit=40, backwards=False, role=None):
    """Presses Tab until Orca follows the focus to a control named `name`
    (of a role other than a page's, or of `role` when given)."""
    def there():
        focus_role, focus_name = orca.focus()
        if focus_name != name or focus_role.startswith("page tab"):
            return False
        return role is None or focus_role == role
    orca.settle()
    for _ in range(limit):
        if there():
            return True
        keys("shift+Tab" if backwards else "Tab", pause=0.05)
        orca.settle()
    if there():
        return True
    fail("Tab never brought Orca to '%s' (it follows '%s')" % (name, "|".join(orca.focus())))
    return False


def menu_shown():
    """Whether one of numora's menus is on the screen (a window of its own,
    titled after the application)."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--classname", "numora"],
                           capture_output=True, text=True, timeout=10).stdout.split()
    for window in found:
        name = subprocess.run(["xdotool", "getwindowname", window], capture_output=True, text=True, timeout=10)
        if name.stdout.strip() == "Numora":
            return True
    return False


def program_menu(*letters):
    """Alt+P, then the access keys `letters` of a menu item."""
    for attempt in range(5):
        # Alt held a moment: a quick Alt+P sometimes opens and closes the
        # menu at once while Orca listens to the keyboard.
        subprocess.run(["xdotool", "keydown", "alt"], check=False, timeout=10)
        time.sleep(0.1)
        keys("p", pause=0.1)
        subprocess.run(["xdotool", "keyup", "alt"], check=False, timeout=10)
        end = time.monotonic() + 3 * SLOWNESS
        while not menu_shown() and time.monotonic() < end:
            time.sleep(0.1)
        time.sleep(0.4 * SLOWNESS)
        if menu_shown():
            for letter in letters:
                keys(letter, pause=0.4)
            return True
        keys("Escape", "Escape")
    fail("the Program menu did not open from the keyboard")
    return False


def open_window(letters, title, first_input):
    """Opens a window from the Program menu; Orca says its name and then the
    first input, and follows the typing there."""
    mark = orca.mark()
    if not program_menu(*letters):
        return False
    if not orca.wait_for(first_input, mark, 12):
        fail("the window %s did not open from the Program menu (Orca said: %s)" %
             (title, " | ".join(orca.since(mark))))
        return False
    said = orca.since(mark)
    print("  opening %s: %s" % (title, " | ".join(said)), flush=True)
    names = [i for i, text in enumerate(said) if title in text]
    fields = [i for i, text in enumerate(said) if first_input in text]
    if not names or names[0] > fields[-1]:
        fail("opening %s did not say the window's name before its first input" % title)
    # Orca follows the focus into the window: the last focus it took up is
    # the first input, not the frame (activated after the menu closed).
    time.sleep(0.8 * SLOWNESS)
    if orca.focus()[1] != first_input:
        fail("after opening %s Orca follows '%s', not the first input" % (title, "|".join(orca.focus())))
    return True


def command(button, expected, label=None, seconds=10):
    """Presses `button` (reached by Tab) with Space; Orca must say `expected`."""
    if not tab_to(button):
        return None
    mark = orca.mark()
    keys("space")
    return expect(expected, mark, seconds, label)


def turn_page(key, page, first_input):
    """Ctrl+PageDown/Up: Orca says the page's name before its first input."""
    mark = orca.mark()
    keys(key)
    named = expect(page + " page", mark, label="the page name %s" % page)
    field = expect(first_input, mark, label="the first input %s" % first_input)
    if named and field and named[0] > field[0]:
        fail("the page name %s came after its first input" % page)
    # Nothing cuts them short: no notification follows a page turn.
    time.sleep(1.0 * SLOWNESS)
    told = [text for text in orca.since(mark) if text.startswith("notification ")]
    if told:
        fail("turning to %s also told %s" % (page, told))


# ---- The run -----------------------------------------------------------------

if not orca.wait_for(FRAME, 0, 40):
    subprocess.run(["xdotool", "search", "--name", "^%s$" % re.escape(FRAME), "windowactivate", "--sync"],
                   check=False, timeout=10, capture_output=True)
    if not orca.wait_for(FRAME, 0, 10):
        fail("Orca never met the frame " + FRAME)
        sys.exit(1)
time.sleep(0.5 * SLOWNESS)

print("basic calculation", flush=True)
if open_window(["t"], "基本计算", "加法运算 被加数"):
    type_text("12")
    time.sleep(0.5 * SLOWNESS)
    if orca.focus()[1] != "加法运算 被加数":
        fail("Orca did not follow the typing in the first field")
    tab_to("加法运算 加数")
    type_text("5")
    if command("加法运算 开始", "和：17"):
        time.sleep(1.0 * SLOWNESS)
        told = [t for t in orca.since(0) if "和：17" in t]
        if len(told) != 1:
            fail("the sum was told %d times" % len(told))
    turn_page("ctrl+Next", "传统计算－简易界面", "输入区域 第一个数")
    turn_page("ctrl+Prior", "传统计算－完全界面", "加法运算 被加数")
    # A refusal is read whole, as its message box opens.
    keys("ctrl+a", "BackSpace")
    if command("加法运算 开始", "请不要使输入框为空", label="the refusal's message"):
        keys("Return", pause=0.5)

print("formula calculator", flush=True)
mark = orca.mark()
program_menu("i")
if expect("简易计算器", mark, label="the formula calculator's input box"):
    keys("ctrl+a")
    type_text("1/3+1/6")
    mark = orca.mark()
    keys("Return")
    # The whole result box, however short its result.
    expect(re.compile(r"1/3\+1/6=\.5.*计算结果已经粘贴入剪贴板"), mark, label="the formula's result")
    keys("Return", pause=0.5)

print("scientific calculation", flush=True)
if open_window(["s"], "科学性计算", "歌德巴赫猜想 待验证的偶数"):
    type_text("100")
    # A list: its number of lines and its first lines, and the count.
    command("歌德巴赫猜想 证明并显示", re.compile(r"成立列表 共 6 项，.*成立个数 6"), label="the Goldbach list")

print("mathematics", flush=True)
if open_window(["u", "a"], "数学专科计算", "一元二次方程 二次项系数 a"):
    for name, value in (("一元二次方程 二次项系数 a", "1"), ("一元二次方程 一次项系数 b", "-3"),
                        ("一元二次方程 常数项 c", "2")):
        if tab_to(name):
            keys("ctrl+a")
            type_text(value)
    command("一元二次方程 开始求解", "根 x1：2，根 x2：1")
    turn_page("ctrl+Prior", "函数图象", "一次函数 一次项系数")
    command("函数图象 开始绘制", "已绘制：", label="the graph drawn")
    # The trace: the canvas is reached by Tab like any control; each step
    # of the marker (Right) is told.
    if tab_to("函数图象", backwards=True):
        previous = None
        for step in range(2):
            mark = orca.mark()
            keys("Right")
            told = expect(re.compile(r"^notification "), mark, label="trace step %d" % (step + 1))
            if told and told[1] == previous:
                fail("the trace step told the same as the step before: %s" % told[1])
            previous = told[1] if told else None
            time.sleep(0.4 * SLOWNESS)

with open(SPEECH, "w", encoding="utf-8") as out:
    out.write("\n".join(orca.since(0)) + "\n")
print("%d failures" % len(failures), flush=True)
sys.exit(1 if failures else 0)
