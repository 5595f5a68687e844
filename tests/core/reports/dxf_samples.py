#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The DXF drawings of the sample projects, read back by an independent reader (ezdxf).

    dxf_samples.py FUNDIS-CLI CASES-FOLDER TABLES-FOLDER

For each CASE.dan: fundis-cli --json gives the record; fundis-cli --dxf writes the drawing, which
ezdxf reads and audits. Checked: no audit errors; every layer there; the outlines of the concrete
closed; for a designed foundation the base l x b, each step and the pedestal in plan and the cut l
wide and Hf high, in millimetres within 1 mm; the dimensions' values in millimetres; the bill of
materials' positions and totals on the TABLE layer; the bottom mesh on the REINFORCEMENT layer at
true size (the bar of side l in the section, l − 2·dz long at its cover, the bars of side b cut as
circles of their diameter over it, nb of them at their spacing, and the plan's fragment inside the
base); the Russian texts read back as written, in the
code page 1251 that the header declares (no \\U+ escapes, which LibreCAD shows as diamonds).
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
              "фундамента", "АРМИРОВАНИЕ ПОДОШВЫ ФУНДАМЕНТА", "Сторона L", "Кол-во стержней, шт",
              "Спецификация", "Ведомость расхода стали, кг", "Детали", "Материалы", "Изделия арматурные"],
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


def millimetres(metres):
    return str(round(metres * 1000))


def base_rectangle(outlines):
    """The plan's base: the largest closed four-point outline, as (min x, min y, max x, max y)."""
    best = None
    for outline in outlines:
        if len(outline) != 4:
            continue
        points = list(outline.get_points("xy"))
        box = (min(p[0] for p in points), min(p[1] for p in points), max(p[0] for p in points),
               max(p[1] for p in points))
        if best is None or (box[2] - box[0]) * (box[3] - box[1]) > (best[2] - best[0]) * (best[3] - best[1]):
            best = box
    return best


def check_mesh(msp, record, plan):
    problems = []
    l, b, dz = record["l"] * 1000, record["b"] * 1000, record["dz"] * 1000
    dl, db = record["dsl"] * 1000, record["dsb"] * 1000
    base = (record["pedestalTop"] - record["Hf"]) * 1000  # the base's level, y up from ±0.000
    lines = msp.query('LINE[layer=="REINFORCEMENT"]')
    circles = msp.query('CIRCLE[layer=="REINFORCEMENT"]')
    low = base + dz + dl / 2
    section = [e for e in lines if near(e.dxf.start.y, low) and near(e.dxf.end.y, low)]
    if len(section) != 1 or not near(abs(section[0].dxf.end.x - section[0].dxf.start.x), l - 2 * dz) \
            or not near(min(section[0].dxf.start.x, section[0].dxf.end.x), dz):
        problems.append(f"no bar of side l {l - 2 * dz:.0f} mm long at {low:.1f} mm in the section")
    count = int(record["nb"])
    if len(circles) != count:
        problems.append(f"{len(circles)} bars of side b cut in the section, expected {count}")
    high = base + dz + dl + db / 2
    # on the 200 mm grid where it fits between the covers, closer where it does not; what the grid
    # leaves goes to the two edges alike
    span = l - 2 * dz - db
    spacing = min(200.0, span / (count - 1)) if count > 1 else 0
    first = dz + db / 2 + (span - spacing * (count - 1)) / 2 if count > 1 else dz + db / 2
    for i, circle in enumerate(sorted(circles, key=lambda c: c.dxf.center.x)):
        centre = circle.dxf.center
        if abs(circle.dxf.radius - db / 2) > 0.02 or not near(centre.y, high) \
                or not near(centre.x, first + i * spacing):
            problems.append(f"bar {i + 1} of side b: radius {circle.dxf.radius:.2f} at {centre.x:.1f}, "
                            f"{centre.y:.1f}; expected {db / 2:.2f} at {first + i * spacing:.1f}, {high:.1f}")
            break
    fragment = [e for e in lines if e not in section]
    if plan is None or not fragment:
        problems.append("no mesh in the plan")
    else:
        for e in fragment:
            for point in (e.dxf.start, e.dxf.end):
                if not (plan[0] - 0.5 <= point.x <= plan[2] + 0.5 and plan[1] - 0.5 <= point.y <= plan[3] + 0.5):
                    problems.append(f"a bar of the plan runs out of the base at {point.x:.1f}, {point.y:.1f}")
                    return problems
    return problems


def check(path, record, quantities):
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

    # every line of text as a CAD program shows it: %%c as the diameter sign
    texts = {}
    for text in msp.query("TEXT"):
        texts.setdefault(text.dxf.layer, set()).add(text.plain_text())
    # without a base and a pedestal there is nothing to draw: a statement and the red lines stand instead
    shaped = record["l"] > 0 and record["b"] > 0 and record["luc"] > 0 and record["buc"] > 0
    expected = TEXTS if shaped else {"TEXT": [NOT_DESIGNED]}
    for layer, wanted in expected.items():
        problems += [f"no text {w!r} on {layer}" for w in wanted if w not in texts.get(layer, set())]
    if doc.header.get("$DWGCODEPAGE") != "ANSI_1251":
        problems.append(f"code page {doc.header.get('$DWGCODEPAGE')}")
    with open(path, "rb") as raw:
        content = raw.read()
    if b"\\U+04" in content:
        problems.append("Russian letters as \\U+ escapes")
    if shaped and "Схема фундамента".encode("cp1251") not in content:
        problems.append("the title is not in code page 1251")

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
    # the dimensions as a working drawing writes them: the sizes in millimetres
    for name in ("l", "b", "Hf", "d", "lc", "bc", "luc", "buc"):
        if millimetres(record[name]) not in texts.get("DIMENSIONS", set()):
            problems.append(f"no dimension {millimetres(record[name])} ({name})")
    problems += check_mesh(msp, record, base_rectangle(outlines))
    # the bill of materials: a row a position, the steel total, the concrete's volume
    table = texts.get("TABLE", set())
    for bar in quantities["bars"]:
        name = bar["name"]
        if name not in table:
            problems.append(f"no position {name!r} in the bill of materials")
    total = f"{quantities['steel_total_kg']:.1f}"
    if total not in table:
        problems.append(f"no steel total {total}")
    volume = f"{quantities['concrete']['volume_m3']:.3f}"
    if volume not in table and volume + " м3" not in table:
        problems.append(f"no concrete volume {volume}")
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
                result = json.loads(output.strip().splitlines()[-1])
                run(tool, ["--sep", ".", "--tables", tables, "--dxf", drawing, project], scratch)
                problems = check(drawing, result["record"], result["quantities"])
            except Exception as error:  # noqa: BLE001 - a case that cannot be checked is a failure
                problems = [f"{type(error).__name__}: {error}"]
            if problems:
                failed += 1
                print(f"{name}: " + "; ".join(problems))
    print(f"{len(names) - failed} of {len(names)} drawings as expected")
    return 1 if failed or not names else 0


if __name__ == "__main__":
    sys.exit(main())
