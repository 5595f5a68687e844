#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The bill of materials as CSV, read by Python's csv module and set against the JSON.

    bom_csv.py FUNDIS-CLI TABLES-FOLDER CASE.dan...

For each case, run in the Russian locale: fundis-cli --json gives "quantities", fundis-cli --bom
writes the CSV. Checked: UTF-8, the header row, a row a bar position with the JSON's designation,
name, diameter, class, length, count and masses (a decimal point, whatever the locale), the mesh's
total equal to the positions' masses as written, the concrete's class and volume; a project with no
foundation has the one row that says so.
"""
import csv
import io
import json
import os
import subprocess
import sys
import tempfile

HEADER = ["Поз.", "Обозначение", "Наименование", "Диаметр, мм", "Класс", "Длина, мм", "Кол.", "Ед.",
          "Масса ед., кг", "Масса, кг", "Примечание"]


def run(tool, arguments, home):
    environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, LC_ALL="ru_RU.UTF-8")
    result = subprocess.run([tool] + arguments, capture_output=True, env=environment)
    if result.returncode not in (0, 1):
        raise RuntimeError(f"{' '.join(arguments)}: exit {result.returncode}: {result.stderr.decode()}")
    return result.stdout.decode()


def check(tool, tables, case, home):
    problems = []
    csv_path = os.path.join(home, "bom.csv")
    quantities = json.loads(run(tool, ["--json", "--tables", tables, case], home))["quantities"]
    run(tool, ["--tables", tables, "--bom", csv_path, case], home)
    with open(csv_path, "rb") as f:
        text = f.read().decode("utf-8")
    rows = list(csv.reader(io.StringIO(text, newline="")))
    if rows[0] != HEADER:
        problems.append(f"header {rows[0]}")
    body = rows[1:]
    if quantities is None:
        if len(body) != 1 or "не запроектирован" not in body[0][2]:
            problems.append(f"no foundation, yet rows {body}")
        return problems, False
    bars = quantities["bars"]
    if len(body) != len(bars) + 3:
        return problems + [f"{len(body)} rows for {len(bars)} positions"], True
    for bar, row in zip(bars, body):
        expected = [str(bar["mark"]), bar["standard"], bar["name"], str(bar["diameter_mm"]), bar["steel_class"],
                    str(bar["length_mm"]), str(bar["count"]), "шт"]
        if row[:8] != expected:
            problems.append(f"position {row[:8]} != {expected}")
        if float(row[8]) != bar["unit_mass_kg"] or float(row[9]) != bar["mass_kg"]:
            problems.append(f"position {bar['mark']}: masses {row[8:10]} != {bar['unit_mass_kg']}, {bar['mass_kg']}")
        if "," in row[8] + row[9]:
            problems.append(f"a decimal comma in {row[8:10]}")
    total, concrete = body[len(bars)], body[len(bars) + 1]
    if float(total[9]) != quantities["mesh"]["mass_kg"] or int(total[6]) != quantities["mesh"]["count"]:
        problems.append(f"total {total} != {quantities['mesh']}")
    written = round(sum(float(row[9]) for row in body[:len(bars)]), 2)
    if written != float(total[9]):
        problems.append(f"the positions add up to {written}, the total says {total[9]}")
    if concrete[2] != "Бетон класса " + quantities["concrete"]["class"] or \
            float(concrete[6]) != quantities["concrete"]["volume_m3"] or concrete[7] != "м³":
        problems.append(f"concrete {concrete} != {quantities['concrete']}")
    if body[-1][10] != quantities["not_designed"]:
        problems.append("the line on what the program does not design is missing")
    return problems, True


def main():
    tool, tables, cases = sys.argv[1], sys.argv[2], sys.argv[3:]
    failed = False
    designed = 0
    with tempfile.TemporaryDirectory() as home:
        for case in cases:
            problems, shaped = check(tool, tables, case, home)
            designed += shaped
            for problem in problems:
                print(f"{os.path.basename(case)}: {problem}")
                failed = True
    if designed == 0:
        print("no case had a foundation to list")
        failed = True
    print(f"{len(cases)} cases, {designed} with a bill of materials")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
