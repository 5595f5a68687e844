#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The printed scheme is drawn to the scale its page states: the base of a project is measured on
the PDF that fundis-cli writes (the same pages as "Печать"), at the settings' scale 1:75 and 1:50.

    printed_scale.py FUNDIS_CLI TABLES PROJECT.dan L B

L and B are the project's base sides in metres. The scheme page is turned into SVG by poppler's
pdftocairo; the base is the largest closed outline of the page (the plan) and its longest outline
line (the section's bottom).
"""
import os
import re
import subprocess
import sys
import tempfile

PT_PER_MM = 72 / 25.4
PATH = re.compile(r'<path style="([^"]*)" d="([^"]*)"(?: transform="matrix\(([-\d.]+),0,0,([-\d.]+),([-\d.]+),([-\d.]+)\)")?')


def outline_paths(svg):
    """The points, in millimetres of paper, of every path drawn with the scheme's black outline pen."""
    out = []
    for m in PATH.finditer(svg):
        style = m.group(1)
        if 'stroke:rgb(0%,0%,0%)' not in style or 'stroke-width:2;' not in style:
            continue
        sx, sy, dx, dy = (float(m.group(i)) if m.group(i) else d for i, d in zip(range(3, 7), (1, 1, 0, 0)))
        numbers = [float(v) for v in re.findall(r'[-\d.]+', m.group(2))]
        points = [((x * sx + dx) / PT_PER_MM, (y * sy + dy) / PT_PER_MM) for x, y in zip(numbers[::2], numbers[1::2])]
        out.append((points, 'Z' in m.group(2)))
    return out


def base_in_plan(paths):
    """Width and height of the largest closed outline: the base in the plan."""
    sizes = []
    for points, closed in paths:
        if closed:
            xs, ys = [p[0] for p in points], [p[1] for p in points]
            sizes.append((max(xs) - min(xs), max(ys) - min(ys)))
    return max(sizes, key=lambda s: s[0] * s[1], default=(0, 0))


def section_bottom(paths):
    """The longest horizontal outline line: the base's bottom in the section."""
    lengths = [abs(q[0] - p[0]) for points, closed in paths if not closed
               for p, q in zip(points, points[1:]) if abs(q[1] - p[1]) < 0.05]
    return max(lengths, default=0)


def scheme_page(cli, tables, project, scale, folder):
    settings = os.path.join(folder, 'kp.ini')
    with open(settings, 'w', encoding='ascii', newline='') as f:
        f.write(f'5\r\n0\r\n1\r\n{folder}\r\n{scale}\r\n{tables}\r\n')
    pdf = os.path.join(folder, f'scale{scale}.pdf')
    subprocess.run([cli, '--settings', settings, '--tables', tables, '--pdf', pdf, project], check=True,
                   stdout=subprocess.DEVNULL)
    # the text page, the tables, the bill of materials, then the scheme
    text = subprocess.run(['pdftotext', '-f', '4', '-l', '4', pdf, '-'], check=True, capture_output=True,
                          text=True).stdout
    svg = os.path.join(folder, f'scale{scale}.svg')
    subprocess.run(['pdftocairo', '-svg', '-f', '4', '-l', '4', pdf, svg], check=True)
    with open(svg, encoding='utf-8') as f:
        return text, outline_paths(f.read())


def main():
    cli, tables, project, l, b = sys.argv[1], sys.argv[2], sys.argv[3], float(sys.argv[4]), float(sys.argv[5])
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for scale in (75, 50):
            text, segments = scheme_page(cli, tables, project, scale, folder)
            if f'Масштаб 1:{scale}' not in text:
                failures.append(f'1:{scale}: the page does not state "Масштаб 1:{scale}"')
            want_l, want_b = l * 1000 / scale, b * 1000 / scale
            plan_l, plan_b = base_in_plan(segments)
            bottom = section_bottom(segments)
            # a unit of whole device pixels at 600 dpi: within 0.3 % of the stated scale
            for what, got, want in (('the plan, l', plan_l, want_l), ('the plan, b', plan_b, want_b),
                                    ('the section, l', bottom, want_l)):
                if abs(got - want) > 0.003 * want + 0.05:
                    failures.append(f'1:{scale}: {what} measures {got:.2f} mm, not {want:.2f} mm')
            print(f'1:{scale}: the base {plan_l:.2f} x {plan_b:.2f} mm in the plan, {bottom:.2f} mm in the section')
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
