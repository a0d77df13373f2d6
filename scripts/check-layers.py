#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the product's dependencies point one way (ctest `layers`).

The rule, for every product file (not tests/, bench/, fuzz/):
  - app -> shell, formula, the calculators and core: app may use everything;
  - shell, formula and the calculators (standard, scientific, maths, chem)
    -> core, each besides itself: no calculator includes another calculator,
    the shell or formula; the shell includes no calculator and no formula;
  - core includes nothing above it, and inside core calc <- settings <- ui;
  - cli -> the calc folders of core, formula and the calculators only;
  - a calc/ folder includes only calc/ folders (and the standard library or
    GMP): no Qt, no ui;
  - no cycle among files: no header reaches itself through its includes.
The same rule holds for the libraries each CMakeLists.txt links: a product
library of a subsystem links only numora_ libraries of the subsystems it may
include.

Usage: check-layers.py [ROOT]     check the project at ROOT (default: here)
       check-layers.py --self-test  check the checker on made-up trees
Exit status 0 when every edge keeps the rule, 1 with one line per offence.
"""
import os
import re
import sys
import tempfile

CALCULATORS = {"standard", "scientific", "maths", "chem"}
# What each subsystem may include, itself included.
ALLOWED = {
    "core": {"core"},
    "formula": {"formula", "core"},
    "shell": {"shell", "core"},
    "cli": {"cli", "core", "formula"} | CALCULATORS,
    "app": {"app", "shell", "formula", "core"} | CALCULATORS,
}
for calculator in CALCULATORS:
    ALLOWED[calculator] = {calculator, "core"}
# Inside core: the layers in order; a layer includes only itself and those before it.
CORE_LAYERS = ["calc", "settings", "ui"]
SKIPPED_FOLDERS = {"tests", "bench", "fuzz", "build", "packaging", "docs", "scripts", "cmake"}
SOURCE = re.compile(r"\.(cpp|h|h\.in)$")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
QT_HEADER = re.compile(r"^(Q[A-Za-z]|qdrawutil|qpa/|Qt)")
LINK = re.compile(r"target_link_libraries\(\s*(numora_\w+)([^)]*)\)", re.S)


def product_files(root):
    """Relative paths of the product's sources, by top-level folder."""
    files = []
    for top in sorted(os.listdir(root)):
        # The subsystems are the folders the top-level build adds (build trees have no CMakeLists.txt).
        if top.startswith(".") or top in SKIPPED_FOLDERS or not os.path.isfile(os.path.join(root, top, "CMakeLists.txt")):
            continue
        for folder, dirs, names in os.walk(os.path.join(root, top)):
            dirs[:] = sorted(d for d in dirs if d not in SKIPPED_FOLDERS and not d.startswith("."))
            for name in sorted(names):
                if SOURCE.search(name):
                    files.append(os.path.relpath(os.path.join(folder, name), root))
    return files


def subsystem(path):
    return path.split(os.sep)[0]


def layer(path):
    """The folder under the subsystem: calc, settings, ui, or "" (app/, cli/)."""
    parts = path.split(os.sep)
    return parts[1] if len(parts) > 2 else ""


def header_name(path):
    name = os.path.basename(path)
    return name[: -len(".in")] if name.endswith(".h.in") else name


def may_include(source, target):
    """Why the edge source -> target breaks the rule, or None."""
    s, t = subsystem(source), subsystem(target)
    if t not in ALLOWED.get(s, set()):
        return f"{s} may not include {t}"
    if layer(source) == "calc" and layer(target) != "calc":
        return "a calc folder includes only calc folders"
    if s == "cli" and t != "cli" and layer(target) != "calc":
        return "cli includes only calc folders"
    if s == t == "core" and CORE_LAYERS.index(layer(target)) > CORE_LAYERS.index(layer(source)):
        return f"core/{layer(source)} may not include core/{layer(target)}"
    return None


def find_cycles(graph):
    """Each cycle once, as a list of files, found by a depth-first walk."""
    cycles, state, stack = [], {}, []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == "open":
                cycles.append(stack[stack.index(nxt):] + [nxt])
            elif nxt not in state:
                visit(nxt)
        stack.pop()
        state[node] = "done"

    sys.setrecursionlimit(max(1000, 4 * len(graph) + 100))
    for node in sorted(graph):
        if node not in state:
            visit(node)
    return cycles


def library_subsystem(library):
    """numora_standard_ui -> standard; numora_shell -> shell; None for others."""
    name = library[len("numora_"):]
    for sub in ALLOWED:
        if name == sub or name.startswith(sub + "_"):
            return sub
    return None


def check(root):
    offences = []
    files = product_files(root)
    by_name = {}
    for path in files:
        by_name.setdefault(header_name(path), []).append(path)
    graph = {}
    for path in files:
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
            text = f.read()
        for kind, name in INCLUDE.findall(text):
            if kind == "<":
                if layer(path) == "calc" and QT_HEADER.search(name):
                    offences.append(f"{path}: <{name}>: a calc folder uses the standard library only")
                continue
            targets = by_name.get(os.path.basename(name), [])
            if not targets:
                continue  # a file the build makes (a .moc)
            if len(targets) > 1:
                offences.append(f"{path}: \"{name}\" names {len(targets)} files: " + ", ".join(targets))
                continue
            target = targets[0]
            graph.setdefault(path, set()).add(target)
            why = may_include(path, target)
            if why:
                offences.append(f"{path}: includes {target}: {why}")
    for cycle in find_cycles(graph):
        offences.append("a cycle: " + " -> ".join(cycle))
    # The libraries the product's CMakeLists.txt files link.
    for top in sorted(ALLOWED):
        cmake = os.path.join(root, top, "CMakeLists.txt")
        if not os.path.isfile(cmake):
            continue
        with open(cmake, encoding="utf-8") as f:
            text = f.read()
        for target, rest in LINK.findall(text):
            owner = library_subsystem(target)
            if owner is None:
                continue
            for library in re.findall(r"\bnumora_\w+", rest):
                used = library_subsystem(library)
                if used is not None and used not in ALLOWED[owner]:
                    offences.append(f"{top}/CMakeLists.txt: {target} links {library}: {owner} may not use {used}")
    return offences


def self_test():
    """The checker finds what it is for, and passes a tree that keeps the rule."""
    cases = [
        # (files: path -> text, number of offences expected)
        ({"core/calc/A.h": "", "core/ui/B.h": '#include "A.h"\n', "shell/ui/C.cpp": '#include "B.h"\n',
          "app/main.cpp": '#include "C.cpp"\n', "build-x/shell/Z.cpp": '#include "B.h"\n'}, 0),
        ({"plotter/ui/P.cpp": '#include "A.h"\n', "core/calc/A.h": ""}, 1),  # a subsystem the rule lacks
        ({"standard/ui/S.h": "", "maths/ui/M.cpp": '#include "S.h"\n'}, 1),  # one calculator, another
        ({"shell/ui/F.h": "", "chem/ui/C.cpp": '#include "F.h"\n'}, 1),  # a calculator, the shell
        ({"formula/ui/S.h": "", "shell/ui/F.cpp": '#include "S.h"\n'}, 1),  # the shell, formula
        ({"shell/ui/F.h": "", "core/ui/D.cpp": '#include "F.h"\n'}, 1),  # core, something above it
        ({"core/ui/D.h": "", "core/calc/N.cpp": '#include "D.h"\n'}, 1),  # calc, ui
        ({"core/calc/N.cpp": "#include <QString>\n#include <queue>\n"}, 1),  # calc, Qt
        ({"maths/ui/M.h": "", "cli/C.cpp": '#include "M.h"\n'}, 1),  # cli, a window
        ({"core/calc/A.h": '#include "B.h"\n', "core/calc/B.h": '#include "A.h"\n'}, 1),  # a cycle
        ({"maths/tests/T.cpp": '#include "F.h"\n', "shell/ui/F.h": ""}, 0),  # tests are not product
        ({"standard/CMakeLists.txt": "target_link_libraries(numora_standard_ui PUBLIC numora_shell)\n"}, 1),
        ({"app/CMakeLists.txt": "target_link_libraries(numora_app_windows PUBLIC numora_shell numora_chem_ui)\n"}, 0),
    ]
    failures = 0
    for number, (files, expected) in enumerate(cases, 1):
        with tempfile.TemporaryDirectory() as root:
            for path, text in files.items():
                os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
                with open(os.path.join(root, path), "w", encoding="utf-8") as f:
                    f.write(text)
            # Every subsystem has its CMakeLists.txt; a build tree has none.
            for top in {path.split("/")[0] for path in files}:
                if not top.startswith("build"):
                    open(os.path.join(root, top, "CMakeLists.txt"), "a", encoding="utf-8").close()
            found = check(root)
        if len(found) != expected:
            failures += 1
            print(f"self-test case {number}: {len(found)} offences, expected {expected}: {found}")
    print(f"check-layers self-test: {len(cases) - failures} of {len(cases)} cases pass")
    return 1 if failures else 0


def main(argv):
    if len(argv) > 1 and argv[1] == "--self-test":
        return self_test()
    root = argv[1] if len(argv) > 1 else os.getcwd()
    offences = check(root)
    for line in offences:
        print(line)
    if offences:
        print(f"check-layers: {len(offences)} dependencies against the rule (see the top of {argv[0]})")
        return 1
    print(f"check-layers: {len(product_files(root))} product files keep the rule")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
