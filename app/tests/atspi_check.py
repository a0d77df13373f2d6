#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""End to end through a real AT-SPI client, as a screen reader sees numora.

Runs inside a session that has an X display, a D-Bus session bus and the
accessibility bus, with numora already started. Opens the four calculator
windows and Options from the keyboard (menu access keys), lists every control
that takes the focus and checks that each has a name that no other control of
its window has, then runs commands of each window with keys only (Tab to a
control named so, type, Space or Enter) and reads the results back through
AT-SPI. Every wait is bounded. Exit status 0 when everything holds.

Usage: atspi_check.py LISTING_FILE
"""
import subprocess
import sys
import time

import os

import pyatspi
from gi.repository import GLib

# Every wait is stretched by this much (a sanitizer build runs slower).
SLOWNESS = max(1, int(os.environ.get("NUMORA_WAIT_SCALE", "1")))

LISTING = sys.argv[1] if len(sys.argv) > 1 else "/dev/null"
# The frame's caption: "Numora" and the version as captions write it
# (NUMORA_VERSION 1.8.0, set by ctest, gives "Numora 1.80").
_major, _minor, _revision = os.environ["NUMORA_VERSION"].split(".")
FRAME_TITLE = "Numora %s.%s%s" % (_major, _minor, _revision)
failures = []
events = []  # (kind, source name, detail)
focused = [None]


def fail(message):
    print("FAIL: " + message, flush=True)
    failures.append(message)


def pump(seconds=0.0):
    """Lets the event listeners run for `seconds`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def on_focus(event):
    if event.detail1:
        focused[0] = event.source


def on_text(event):
    try:
        detail = event.source.description if event.type.endswith("accessible-description") else str(event.any_data)
        events.append((event.type, event.source.name, detail))
    except Exception:  # the object may be gone already
        pass


def on_showing(event):
    """A notification that appears: what a screen reader speaks."""
    try:
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            events.append(("notification", event.source.name, event.source.name))
    except Exception:
        pass


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=False, timeout=20)
    pump(0.1)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", "--", text], check=False, timeout=20)
    pump(0.1)


def safe_name(acc):
    try:
        return acc.name or ""
    except Exception:
        return ""


def children(acc):
    try:
        return [acc.getChildAtIndex(i) for i in range(acc.childCount)]
    except Exception:
        return []


DATA_ROLES = {pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
              pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_LIST_BOX}


def controls(root):
    """Every object under root that takes the focus; rows of lists and the
    tabs of a tab strip are the items of their control, not controls."""
    found, stack = [], [root]
    while stack:
        acc = stack.pop()
        if acc is None:
            continue
        try:
            states = acc.getState()
            role = acc.getRole()
        except Exception:
            continue
        if states.contains(pyatspi.STATE_FOCUSABLE) and acc is not root:
            found.append(acc)
        if role in DATA_ROLES and acc is not root:
            continue
        stack.extend(reversed(children(acc)))
    return found


def find(root, name, role=None):
    stack = [root]
    while stack:
        acc = stack.pop()
        if acc is None:
            continue
        try:
            if acc.name == name and (role is None or acc.getRole() == role):
                return acc
            if acc.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE) and acc is not root:
                continue
        except Exception:
            continue
        stack.extend(children(acc))
    return None


def wait_for(what, probe, seconds=15):
    end = time.monotonic() + seconds * SLOWNESS
    while time.monotonic() < end:
        result = probe()
        if result:
            return result
        pump(0.1)
    fail("timed out waiting for " + what)
    return None


def app_root():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if safe_name(app).lower().startswith("numora"):
            return app
    return None


def window(app, title):
    """The child window of the frame's document area titled `title`."""
    for role in (pyatspi.ROLE_INTERNAL_FRAME, pyatspi.ROLE_WINDOW, pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG):
        found = find(app, title, role)
        if found is not None:
            return found
    return None


def text_of(acc):
    try:
        t = acc.queryText()
        return t.getText(0, t.characterCount)
    except Exception:
        return None


def tab_to(name, limit=80, backwards=False):
    """Presses Tab until the control named `name` has the focus (a tab strip,
    named after its selected tab, does not count)."""
    def there():
        acc = focused[0]
        try:
            return acc is not None and safe_name(acc) == name and acc.getRole() != pyatspi.ROLE_PAGE_TAB_LIST
        except Exception:
            return False
    for _ in range(limit):
        if there():
            return True
        keys("shift+Tab" if backwards else "Tab")
    if there():
        return True
    fail("Tab never reached '%s' (last focus: '%s')" % (name, safe_name(focused[0])))
    return False


def expect_text(win, name, expected, seconds=10):
    acc = find(win, name)
    if acc is None:
        fail("no control named '%s'" % name)
        return
    got = wait_for("'%s' to read '%s'" % (name, expected), lambda: text_of(acc) == expected or None, seconds)
    if got:
        print("  %s = %s" % (name, expected), flush=True)


pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
pyatspi.Registry.registerEventListener(on_text, "object:text-changed:insert")
pyatspi.Registry.registerEventListener(on_text, "object:property-change:accessible-value")
pyatspi.Registry.registerEventListener(on_text, "object:property-change:accessible-description")
pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")

app = wait_for("numora on the accessibility bus", app_root, 40)
if app is None:
    sys.exit(1)
frame = wait_for("the main frame", lambda: find(app, FRAME_TITLE, pyatspi.ROLE_FRAME), 20)
if frame is None:
    sys.exit(1)
# The keyboard goes to the frame (the window manager gives it; without one,
# xdotool does).
for _ in range(20):
    if frame.getState().contains(pyatspi.STATE_ACTIVE):
        break
    subprocess.run(["xdotool", "search", "--name", "^" + FRAME_TITLE + "$", "windowactivate", "--sync"],
                   check=False, timeout=10, capture_output=True)
    pump(0.3)
pump(0.5)

# The windows and the keys that open them from the frame's menus.
WINDOWS = [
    ("基本计算", ["alt+p", "t"], "run_standard"),
    ("科学性计算", ["alt+p", "s"], "run_scientific"),
    ("数学专科计算", ["alt+p", "u", "a"], "run_maths"),
    ("化学专科计算", ["alt+p", "u", "c"], "run_chem"),
    ("选项", ["alt+o", "o"], "run_options"),
]

def focus_window(title):
    """The window just opened (it is the active one)."""
    return opened.get(title)


# ---- Commands from the keyboard, window by window ------------------------------

def run_standard():
    win = focus_window("基本计算")
    if win is None:
        return
    if not tab_to("加法运算 被加数"):
        return
    type_text("12")
    tab_to("加法运算 加数")
    type_text("5")
    events.clear()
    tab_to("加法运算 开始")
    keys("space")
    expect_text(win, "加法运算 和", "17")
    # The screen reader is told the result by a notification that appears.
    told = wait_for("the sum to be announced", lambda: [e for e in events if e[0] == "notification"], 5)
    if told:
        print("  announced: %s" % told[-1][2], flush=True)
        if told[-1][2] != "和：17":
            fail("the announcement reads '%s'" % told[-1][2])
    if focused[0] is None or safe_name(focused[0]) != "加法运算 开始":
        fail("the announcement moved the focus to '%s'" % safe_name(focused[0]))

    # The big-number page: the tab strip takes Right to change pages.
    tab_to("加法运算 被加数")
    for _ in range(60):
        if focused[0] is not None and focused[0].getRole() == pyatspi.ROLE_PAGE_TAB_LIST:
            break
        keys("shift+Tab")
    keys("Right", "Right")
    tab_to("计算窗格2 新数据")
    type_text("5")
    keys("Return")
    type_text("7")
    keys("Return")
    expect_text(win, "计算窗格2 数据总数", "2")
    tab_to("计算窗格2 开始")
    keys("space")
    expect_text(win, "计算窗格2 结果", "12")
    tab_to("计算窗格2 数据列表", backwards=True)
    keys("End", "Delete")
    expect_text(win, "计算窗格2 数据总数", "1")


def run_scientific():
    win = focus_window("科学性计算")
    if win is None:
        return
    if not tab_to("歌德巴赫猜想 待验证的偶数"):
        return
    type_text("100")
    tab_to("歌德巴赫猜想 证明并显示")
    keys("space")
    expect_text(win, "歌德巴赫猜想 成立个数", "6")
    tab_to("歌德巴赫猜想 成立列表")
    keys("End")
    pump(0.3)
    print("  Goldbach list reached by Tab; focus on '%s'" % safe_name(focused[0]), flush=True)


def run_maths():
    win = focus_window("数学专科计算")
    if win is None:
        return
    if not tab_to("一元二次方程 二次项系数 a"):
        return
    type_text("1")
    tab_to("一元二次方程 一次项系数 b")
    type_text("-3")
    tab_to("一元二次方程 常数项 c")
    type_text("2")
    tab_to("一元二次方程 开始求解")
    keys("space")
    expect_text(win, "一元二次方程 根 x1", "2")
    expect_text(win, "一元二次方程 根 x2", "1")
    # The plotter's page, its draw command and the canvas's menu from the keys.
    for _ in range(60):
        if focused[0] is not None and focused[0].getRole() == pyatspi.ROLE_PAGE_TAB_LIST:
            break
        keys("shift+Tab")
    keys("Right", "Right", "Right")
    tab_to("函数图象 开始绘制")
    keys("space")
    canvas = find(win, "函数图象", pyatspi.ROLE_FILLER) or find(win, "函数图象", pyatspi.ROLE_CANVAS)
    desc = wait_for("the plot canvas to describe its graph",
                    lambda: canvas is not None and "曲线1 y = x" in (canvas.description or "") and canvas.description, 10)
    if desc:
        print("  canvas: " + desc, flush=True)
    tab_to("函数图象")
    keys("shift+F10")
    pump(0.5)
    keys("Down")  # the first entry takes the focus

    def menu_item():
        acc = focused[0]
        try:
            return acc is not None and acc.getRole() == pyatspi.ROLE_MENU_ITEM and safe_name(acc)
        except Exception:
            return None
    item = wait_for("the canvas's menu", menu_item, 5)
    keys("Escape")
    if item:
        print("  the canvas's menu opened from the keyboard at '%s'" % item, flush=True)


def run_chem():
    win = focus_window("化学专科计算")
    if win is None:
        return
    if not tab_to("质量分数 溶质质量"):
        return
    type_text("10")
    tab_to("质量分数 溶液质量")
    type_text("100")
    tab_to("质量分数 求溶质质量分数")
    keys("space")
    result = find(win, "质量分数 结果")
    got = wait_for("the mass fraction", lambda: result is not None and (text_of(result) or "").startswith("10"), 10)
    if got:
        print("  质量分数 结果 = %s" % text_of(result), flush=True)


def run_options():
    win = focus_window("选项")
    if win is None:
        return
    if not tab_to("窗口环境 总在最前"):
        return
    box = focused[0]
    keys("space")
    if wait_for("总在最前 to be checked", lambda: box.getState().contains(pyatspi.STATE_CHECKED), 5):
        print("  总在最前 checked from the keyboard", flush=True)
    keys("space")


opened = {}
listing = open(LISTING, "w", encoding="utf-8")
total = named = 0
for title, open_keys, command in WINDOWS:
    win = None
    for attempt in range(3):  # the frame may not have the keyboard yet
        keys(*open_keys)
        end = time.monotonic() + 6 * SLOWNESS
        while win is None and time.monotonic() < end:
            win = window(app, title)
            pump(0.1)
        if win is not None:
            break
        keys("Escape", "Escape")
    if win is None:
        fail("window '%s' did not open from the keyboard" % title)
    if win is None:
        continue
    opened[title] = win
    pump(0.5)
    found = controls(win)
    names = {}
    listing.write("== %s: %d controls\n" % (title, len(found)))
    for acc in found:
        name = safe_name(acc)
        try:
            role = acc.getRoleName()
        except Exception:
            role = "?"
        listing.write("%-14s %s\n" % (role, name or "<no name>"))
        total += 1
        if not name.strip():
            fail("%s: a %s without a name" % (title, role))
        elif name in names:
            fail("%s: two controls named '%s' (%s, %s)" % (title, name, names[name], role))
        else:
            names[name] = role
            named += 1
    print("%s: %d controls, %d distinct names" % (title, len(found), len(names)), flush=True)
    # Its commands from the keyboard, while it is the active window.
    try:
        globals()[command]()
    except Exception as error:  # a vanished object or a bus error: report, go on
        fail("%s: %r" % (command, error))
listing.write("== %d controls, %d with a distinct name\n" % (total, named))
listing.close()
if len(opened) < len(WINDOWS):
    fail("not every window opened")



pyatspi.Registry.deregisterEventListener(on_focus, "object:state-changed:focused")
print("%d failures" % len(failures), flush=True)
sys.exit(1 if failures else 0)
