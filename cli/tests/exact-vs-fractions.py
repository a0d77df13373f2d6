# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""numora-cli eval --exact against Python's fractions on random formulas.

    exact-vs-fractions.py NUMORA_CLI [COUNT] [SEED]

Builds COUNT random formulas of + - * /, parentheses, sign runs and decimal
numbers (integers, decimals, exponents), evaluates each with Python's
Fraction from the numbers' own text, and compares with one run of
`numora-cli eval --exact --file -`: the same fraction in lowest terms, or
"Error" where Python divides by zero. The numbers stay small, so no
decimal step of the formula overflows or loses a divisor to rounding.
"""

import random
import subprocess
import sys
from fractions import Fraction


def number(rng):
    kind = rng.randrange(5)
    if kind == 0:
        return str(rng.randrange(0, 10))
    if kind == 1:
        return str(rng.randrange(10, 1000))
    if kind == 2:
        return f"{rng.randrange(0, 100)}.{rng.randrange(0, 1000):0{rng.randrange(1, 4)}d}"
    if kind == 3:
        return f".{rng.randrange(1, 100)}"
    return f"{rng.randrange(1, 100)}{rng.choice('eE')}{rng.choice(['', '+', '-'])}{rng.randrange(0, 4)}"


def formula(rng, depth=0):
    """Tokens of a formula and the Python expression of its value."""
    terms, python = [], []
    for i in range(rng.randrange(1, 4 if depth < 2 else 2)):
        if i:
            op = rng.choice("+-*/")
            terms.append(op)
            python.append(op)
        signs = "-" * rng.choice([0, 0, 0, 1, 2, 3])
        terms.append(signs)
        python.append(" ".join(signs) + " ")
        if depth < 3 and rng.random() < 0.3:
            inner, inner_python = formula(rng, depth + 1)
            terms.append("(" + inner + ")")
            python.append("(" + inner_python + ")")
        else:
            n = number(rng)
            terms.append(n)
            python.append(f"Fraction('{n}')")
    return "".join(terms), " ".join(python)


def main():
    cli = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 2000
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 24)
    formulas, expected = [], []
    for _ in range(count):
        text, python = formula(rng)
        formulas.append(text)
        try:
            expected.append(str(eval(python, {"Fraction": Fraction})))
        except ZeroDivisionError:
            expected.append("Error")
    run = subprocess.run([cli, "eval", "--exact", "--file", "-"], input="\n".join(formulas) + "\n",
                         capture_output=True, text=True, check=False)
    if run.returncode != 0:
        print(f"numora-cli exited {run.returncode}: {run.stderr}")
        return 1
    actual = run.stdout.split("\n")[:-1]
    wrong = [(f, e, a) for f, e, a in zip(formulas, expected, actual) if e != a]
    for f, e, a in wrong[:20]:
        print(f"FAIL: {f}: numora-cli {a}, fractions {e}")
    if len(actual) != count:
        print(f"FAIL: {len(actual)} lines for {count} formulas")
        return 1
    refused = expected.count("Error")
    print(f"{count - len(wrong)} of {count} formulas agree ({refused} divide by zero)")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
