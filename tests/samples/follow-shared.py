#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The samples in tests/samples are copies of the shared sample set the program is checked against;
when that set changes, the copies follow it (copied, never edited by hand).

    follow-shared.py SHARED_ACCEPTANCE_DIR

Exits 77 (skipped) when the shared set is not beside the sources, 1 when a file differs or is missing
on either side.
"""
import filecmp
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
PAIRS = [('cases', 'design/cases'), ('expected', 'design/expected'), ('tables', 'tables'),
         ('settlement/cases', 'settlement/cases'), ('settlement/expected', 'settlement/expected')]


def main():
    shared = sys.argv[1]
    if not os.path.isdir(shared):
        print(f'no shared sample set at {shared}')
        return 77
    problems = []
    for theirs, ours in PAIRS:
        a, b = os.path.join(shared, theirs), os.path.join(HERE, ours)
        names_a = set(os.listdir(a)) if os.path.isdir(a) else set()
        names_b = set(os.listdir(b)) if os.path.isdir(b) else set()
        problems += [f'{ours}/{n}: not in the shared set' for n in sorted(names_b - names_a)]
        problems += [f'{ours}/{n}: missing (copy it from {theirs})' for n in sorted(names_a - names_b)]
        problems += [f'{ours}/{n}: differs from {theirs}/{n}' for n in sorted(names_a & names_b)
                     if not filecmp.cmp(os.path.join(a, n), os.path.join(b, n), shallow=False)]
    for problem in problems:
        print(problem)
    print(f'samples against {shared}: {"the same" if not problems else str(len(problems)) + " differences"}')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
