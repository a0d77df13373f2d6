#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The bash completion of numora-cli: what it offers after a command line,
# and that its command list is the one `numora-cli --help` prints.
set -u
export LC_ALL=C
cli=$1 completion=$2
source "$completion"
fail=0 count=0

# Completes the words (the last one being typed) and prints the offers.
offers() {
    COMP_WORDS=(numora-cli "$@")
    COMP_CWORD=$#
    _numora_cli
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

check() {  # expected offers, then the words
    local expected=$1; shift
    local actual; actual=$(offers "$@")
    count=$((count + 1))
    if [ "$actual" != "$expected" ]; then
        echo "FAIL: numora-cli $* <TAB>: got '$actual', expected '$expected'"
        fail=1
    fi
}

check "fact factor formula" "f"
check "--help --version" "--"
check "linear2 linear3 log" "l"
check "linear logarithm" plot l
check "cosine" plot co
check "--and --grid --out --points --range" plot sine 1 1 0 0 --
check "absolute" plot a
check "linear logarithm" plot quadratic 1 -3 2 --and l
check "" plot sine 1
check "add div log mul pow root sub" quick ""
check "sub sum" big s
check "pow product" big p
check "cos cot csc" trig c
check "--exact --radians --steps" trig sin 30 -
check "--exact --steps" quadratic 1 -3 1 -
check "--exact --steps" root 8 2 --
check "--powers --steps" factor 360 -
check "--exact" quick root 8 2 -
check "" quick add 1 2 -
check "--steps" chem molarity 1 2 -
check "--count" goldbach 100 --c
check "" goldbach ""
check "--exact --file" eval -
check "--file" eval --exact -
check "fraction" chem f
check "solute solvent" chem fraction so
check "" chem solubility s
check "1 2 3 4 5" formula ""

# Files: --out offers images and folders, --file anything.
scratch=$(mktemp -d); trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/pics"; touch "$scratch/a.png" "$scratch/b.svg" "$scratch/c.txt"
check "$scratch/a.png $scratch/b.svg $scratch/pics" plot sine 1 1 0 0 --out "$scratch/"
check "$scratch/a.png $scratch/b.svg $scratch/c.txt $scratch/pics" eval --file "$scratch/"

# Every command of --help, and nothing else, is offered first.
help_commands=$("$cli" --help | sed -n 's/^  numora-cli \([a-z][a-z0-9]*\).*/\1/p' | sort -u | tr '\n' ' ' | sed 's/ $//')
offered=$(offers "" | tr ' ' '\n' | grep -v '^-' | sort | tr '\n' ' ' | sed 's/ $//')
count=$((count + 1))
[ "$help_commands" = "$offered" ] || { echo "FAIL: commands: --help '$help_commands', completion '$offered'"; fail=1; }

[ $fail -eq 0 ] && echo "$count passed, 0 failed"
exit $fail
