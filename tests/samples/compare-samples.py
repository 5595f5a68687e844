#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The sample projects through a tool with fundis-cli's interface, against their expected results.

    compare-samples.py TOOL SET [--show N]

SET is a folder with cases/NAME.dan and expected/NAME.json (design/ or settlement/ beside this file);
the code tables are the samples' own tables/. Each case runs as
    TOOL --json --sep . --tables TABLES CASE.dan
and its last output line, one JSON object, is compared with the expected one:
- the report lines one by one: the same text with the numbers taken out, the same failure flag, and
  each number within one unit of its last printed digit (single-precision rounding);
- the record's main fields and the settlement's numbers to a relative 1e-4, its sublayers one by one.
The expected results come from an independent implementation; they are never regenerated from this
program. A set without cases fails, so that samples lost from the repository cannot pass unseen.
"""
import argparse
import json
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
NUMBER = re.compile(r'[-+]?\d+(?:[.,]\d+)?(?:[eE][-+]?\d+)?')
RECORD_FIELDS = ('d', 'Hf', 'dfn', 'df', 'b', 'l', 'A', 'kzap', 'R', 'pEnv', 'pmaxEnv', 'pminEnv', 'luc', 'buc',
                 'huc', 'hSteps', 'nSteps', 'k1', 'pI', 'p12', 'pminI', 'Asl', 'Asb', 'nl', 'nb', 'dsl', 'dsb',
                 'kh', 'd0', 'Yc1', 'Yc2', 'k', 'Rbt')
SETTLEMENT_FIELDS = ('p', 'sigma_zg0', 'p0', 'eta', 'k', 'Hc', 's', 'su')
SUBLAYER_FIELDS = ('z1', 'z2', 'zeta', 'alpha', 'sigma_zp', 'sigma_zg', 'E', 's')


def is_number(value):
    return isinstance(value, (int, float)) and not isinstance(value, bool)


def relatively_close(got, want, floor=1e-6):
    return is_number(got) and abs(got - want) <= max(floor, 1e-4 * abs(want))


def printed_numbers_agree(got, want):
    """Two printed numbers: as many decimals, within one unit of the last one."""
    g, w = got.replace(',', '.'), want.replace(',', '.')
    if ('.' in g) != ('.' in w):
        return False
    decimals = len(w.split('.')[1].split('e')[0].split('E')[0]) if '.' in w else 0
    try:
        x, y = float(g), float(w)
    except ValueError:
        return got == want
    return abs(x - y) <= 1.01 * 10 ** -decimals or abs(x - y) <= 1e-6 * max(abs(x), abs(y))


def line_differs(got, want):
    if bool(got.get('failure')) != bool(want.get('failure')):
        return True
    got_text, want_text = got.get('text', ''), want.get('text', '')
    if NUMBER.sub('#', got_text) != NUMBER.sub('#', want_text):
        return True
    got_numbers, want_numbers = NUMBER.findall(got_text), NUMBER.findall(want_text)
    return len(got_numbers) != len(want_numbers) or \
        not all(printed_numbers_agree(g, w) for g, w in zip(got_numbers, want_numbers))


def report_differences(got, want):
    out = []
    for i in range(max(len(got), len(want))):
        g = got[i] if i < len(got) else None
        w = want[i] if i < len(want) else None
        if g is None or w is None:
            out.append(f'line {i + 1}: got {g!r}, expected {w!r}')
            break
        if line_differs(g, w):
            out.append(f"line {i + 1}: got {g.get('text')!r} (failure={bool(g.get('failure'))}), "
                       f"expected {w.get('text')!r} (failure={bool(w.get('failure'))})")
    return out


def settlement_differences(got, want):
    if want is None:
        return [] if got is None else ['settlement: got one, expected none']
    if not isinstance(got, dict):
        return [f'settlement: got {got!r}, expected an object']
    if 'error' in want or 'error' in got:
        return [] if ('error' in want) == ('error' in got) else \
            [f"settlement: got {got.get('error', 's=' + str(got.get('s')))!r}, "
             f"expected {want.get('error', 's=' + str(want.get('s')))!r}"]
    out = [f'settlement.{k}: got {got.get(k)!r}, expected {want[k]!r}'
           for k in SETTLEMENT_FIELDS if not relatively_close(got.get(k), want[k])]
    if bool(got.get('exceeds')) != bool(want['exceeds']):
        out.append(f"settlement.exceeds: got {got.get('exceeds')!r}, expected {want['exceeds']!r}")
    got_layers, want_layers = got.get('sublayers') or [], want['sublayers']
    if len(got_layers) != len(want_layers):
        out.append(f'settlement.sublayers: got {len(got_layers)}, expected {len(want_layers)}')
    else:
        for i, (g, w) in enumerate(zip(got_layers, want_layers)):
            out += [f'settlement.sublayers[{i}].{k}: got {g.get(k)!r}, expected {w[k]!r}'
                    for k in SUBLAYER_FIELDS if not relatively_close(g.get(k), w[k])][:1]
    return out


def record_differences(got, want):
    return [f'record.{k}: got {got.get(k)!r}, expected {want[k]!r}' for k in RECORD_FIELDS
            if k in want and is_number(want[k])
            and not (is_number(got.get(k)) and abs(got[k] - want[k]) <= 1e-4 * max(1.0, abs(want[k])))]


def differences(got, want):
    return (report_differences(got.get('report', []), want.get('report', []))[:3] +
            settlement_differences(got.get('settlement'), want.get('settlement'))[:3] +
            record_differences(got.get('record', {}), want.get('record', {})))


def run_case(tool, tables, case):
    command = [tool, '--json', '--sep', '.', '--tables', tables, case]
    try:
        done = subprocess.run(command, capture_output=True, timeout=60)
        lines = done.stdout.decode('utf-8', 'replace').strip().splitlines()
        return json.loads(lines[-1]) if lines else None, ''
    except (subprocess.TimeoutExpired, ValueError, OSError) as problem:
        return None, str(problem)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('tool')
    parser.add_argument('set', help='the folder of cases/ and expected/, e.g. design or settlement')
    parser.add_argument('--show', type=int, default=5)
    args = parser.parse_args()
    folder = args.set if os.path.isabs(args.set) else os.path.join(HERE, args.set)
    tables = os.path.join(HERE, 'tables')
    cases_dir, expected_dir = os.path.join(folder, 'cases'), os.path.join(folder, 'expected')
    cases = sorted(f for f in os.listdir(cases_dir) if f.endswith('.dan')) if os.path.isdir(cases_dir) else []
    if not cases or not os.path.isdir(tables):
        print(f'no sample projects in {cases_dir} (or no tables in {tables})', file=sys.stderr)
        return 1
    failed = []
    for name in cases:
        with open(os.path.join(expected_dir, name[:-4] + '.json'), encoding='utf-8') as f:
            want = json.load(f)
        got, problem = run_case(args.tool, tables, os.path.join(cases_dir, name))
        found = differences(got, want) if got is not None else [f'no JSON line from the tool {problem}'.strip()]
        if found:
            failed.append((name, found))
    for name, found in failed[:args.show]:
        print(f'{name}:')
        for line in found[:3]:
            print(f'    {line}')
    print(f'samples {os.path.basename(folder)}: {len(cases) - len(failed)} passed, {len(failed)} failed')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
