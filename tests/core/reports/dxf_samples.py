#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The DXF drawings of the sample projects, read back by an independent reader (ezdxf).

    dxf_samples.py FUNDIS-CLI CASES-FOLDER TABLES-FOLDER

For each CASE.dan: fundis-cli --json gives the record; fundis-cli --dxf writes the drawing, which
ezdxf reads and audits. Checked: no audit errors; every layer there; the outlines of the concrete
closed; for a designed foundation the base l x b, each step and the pedestal in plan and the cut l
wide and Hf high, in millimetres within 1 mm; the Russian texts read back as written.
"""
import json
import os
import subprocess
import sys
import tempfile

import ezdxf

LAYERS = ["OUTLINE", "COLUMN", "DIMENSIONS", "HATCH", "REINFORCEMENT", "TEXT", "TABLE"]
TEXTS = {
    "TEXT": ["Схема фундамента", "I - I"],
    "TABLE": ["Основные", "размеры,м", "Размеры", "подошвы,м", "под-ка,м", "колонны,м", "ступеней",
              "фундамента", "АРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА", "Сторона L", "Кол-во стержней, шт"],
    "DIMENSIONS": ["L", "B", "h", "d", "lc", "bс"],  # "bс" with a Cyrillic "с", as the scheme has it
}
TOLERANCE = 1.0  # mm


def run(tool, arguments, home):
    environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home)
    result = subprocess.run([tool] + arguments, capture_output=True, env=environment)
    if result.returncode not in (0, 1):
        raise RuntimeError(f"{' '.join(arguments)}: exit {result.returncode}: {result.stderr.decode()}")
    return result.stdout.decode()


def extent(polyline):
    points = list(polyline.get_points("xy"))
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return max(xs) - min(xs), max(ys) - min(ys)


NOT_DESIGNED = "Фундамент не запроектирован: схемы нет."


def near(a, b):
    return abs(a - b) <= TOLERANCE


def check(path, record):
    problems = []
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    problems += [f"audit: {error.message}" for error in auditor.errors]
    if doc.dxfversion < "AC1015":
        problems.append(f"DXF version {doc.dxfversion}")
    if doc.header.get("$INSUNITS") != 4:
        problems.append(f"$INSUNITS {doc.header.get('$INSUNITS')}, not millimetres")
    problems += [f"no layer {name}" for name in LAYERS if not doc.layers.has_entry(name)]
    msp = doc.modelspace()

    # every line of text as a CAD program shows it: the \U+XXXX escapes decoded
    texts = {}
    for text in msp.query("TEXT"):
        texts.setdefault(text.dxf.layer, set()).add(ezdxf.decode_dxf_unicode(text.dxf.text))
    # without a base and a pedestal there is nothing to draw: a statement and the red lines stand instead
    shaped = record["l"] > 0 and record["b"] > 0 and record["luc"] > 0 and record["buc"] > 0
    expected = TEXTS if shaped else {"TEXT": [NOT_DESIGNED]}
    for layer, wanted in expected.items():
        problems += [f"no text {w!r} on {layer}" for w in wanted if w not in texts.get(layer, set())]
    with open(path, "rb") as raw:
        if any(byte >= 0x80 for byte in raw.read()):
            problems.append("bytes beyond ASCII in the file")

    outlines = msp.query('LWPOLYLINE[layer=="OUTLINE"]')
    problems += [f"open outline of {len(o)} points" for o in outlines if not o.closed]
    columns = msp.query('LWPOLYLINE[layer=="COLUMN"]')
    problems += [f"open column outline of {len(c)} points" for c in columns if not c.closed]
    if not shaped:
        if outlines or columns:
            problems.append("outlines drawn for a foundation that was not designed")
        return problems
    steps = int(record["nSteps"])
    if steps < 1:
        return problems  # no steps: the scheme shows what there is

    l, b, hf = record["l"] * 1000, record["b"] * 1000, record["Hf"] * 1000
    rectangles = [extent(o) for o in outlines if len(o) == 4]
    cuts = [extent(o) for o in outlines if len(o) > 4]
    base = max(rectangles, key=lambda size: size[0] * size[1], default=(0, 0))
    if not (near(base[0], l) and near(base[1], b)):
        problems.append(f"base {base[0]:.2f} x {base[1]:.2f} mm, expected {l:.2f} x {b:.2f}")
    wanted = [(record["lStep"][i] * 1000, record["bStep"][i] * 1000) for i in range(steps)]
    if record["hSteps"] < record["Hf"]:
        wanted.append((record["luc"] * 1000, record["buc"] * 1000))
    for size in wanted:
        if not any(near(size[0], r[0]) and near(size[1], r[1]) for r in rectangles):
            problems.append(f"no closed outline {size[0]:.2f} x {size[1]:.2f} mm in plan")
    if len(rectangles) != len(wanted):
        problems.append(f"{len(rectangles)} rectangles in plan, expected {len(wanted)}")
    if len(cuts) != 1 or not (near(cuts[0][0], l) and near(cuts[0][1], hf)):
        problems.append(f"cut outlines {cuts}, expected one {l:.2f} x {hf:.2f}")
    if len(columns) != 2:
        problems.append(f"{len(columns)} column outlines, expected 2")
    for bars in (record["nl"], record["nb"]):
        if str(int(bars)) not in texts.get("TABLE", set()):
            problems.append(f"no {int(bars)} bars in the reinforcement table")
    return problems


def main():
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    tool, cases, tables = sys.argv[1:]
    names = sorted(name for name in os.listdir(cases) if name.endswith(".dan"))
    failed = 0
    with tempfile.TemporaryDirectory() as scratch:
        for name in names:
            project = os.path.join(cases, name)
            drawing = os.path.join(scratch, name[:-4] + ".dxf")
            try:
                output = run(tool, ["--json", "--sep", ".", "--tables", tables, project], scratch)
                record = json.loads(output.strip().splitlines()[-1])["record"]
                run(tool, ["--sep", ".", "--tables", tables, "--dxf", drawing, project], scratch)
                problems = check(drawing, record)
            except Exception as error:  # noqa: BLE001 - a case that cannot be checked is a failure
                problems = [f"{type(error).__name__}: {error}"]
            if problems:
                failed += 1
                print(f"{name}: " + "; ".join(problems))
    print(f"{len(names) - failed} of {len(names)} drawings as expected")
    return 1 if failed or not names else 0


if __name__ == "__main__":
    sys.exit(main())
