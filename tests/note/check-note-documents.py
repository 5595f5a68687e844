#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The calculation note of every sample project, written by fundis-cli --explain as HTML and ODT.

For each project the note is read back (the ODT as a zip with content.xml) and must hold the
values of fundis-cli's JSON report: R, b x l, every combination's pmax, both steel areas and the
settlement s, and every red line of the report. The key formula lines of the HTML are recomputed
from the numbers they print: R, p and pmax of each combination, the governing M and As of each
side and s; each must give the result it shows.

    check-note-documents.py FUNDIS_CLI TABLES_DIR PROJECT.dan...

Runs the tool in the Russian locale, so the numbers carry the decimal comma.
"""

import html
import json
import os
import re
import subprocess
import sys
import tempfile
import zipfile

NUMBER = r"-?\d+(?:,\d+)?(?:e[-+]\d+)?"


def number(text):
    return float(text.replace(",", "."))


def plain_html(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    if "<svg" not in text or "</svg>" not in text:
        raise AssertionError("the HTML note carries no inline SVG scheme")
    if re.search(r"<(?:img|link|script)[^>]+(?:src|href)=", text):
        raise AssertionError("the HTML note refers to files outside it")
    failures = [html.unescape(re.sub(r"<[^>]+>", "", m)) for m in re.findall(r'<p class="failure">(.*?)</p>', text)]
    text = re.sub(r"<svg.*?</svg>", "", text, flags=re.S)
    text = re.sub(r"<style>.*?</style>", "", text, flags=re.S)
    text = re.sub(r"</(?:p|h1|h2|h3|tr|td|th)>", "\n", text)
    return html.unescape(re.sub(r"<[^>]+>", "", text)), failures


def plain_odt(path):
    with zipfile.ZipFile(path) as odt:
        if odt.read("mimetype") != b"application/vnd.oasis.opendocument.text":
            raise AssertionError("the ODT's mimetype is not an OpenDocument text")
        content = odt.read("content.xml").decode("utf-8")
    content = re.sub(r'<text:s(?: text:c="(\d+)")?/>', lambda m: " " * int(m.group(1) or 1), content)
    content = re.sub(r"<text:tab/>", "\t", content)
    content = re.sub(r">\s+<", "><", content)  # the XML's own indentation
    content = re.sub(r"</text:(?:p|h)>", "\n", content)
    return html.unescape(re.sub(r"<[^>]+>", "", content))


def report_values(lines):
    """The numbers the JSON report shows, keyed by what they are."""
    values = {"pmax": [], "As": []}
    for line in lines:
        text = line["text"]
        for key, pattern in (("R", r"R = (" + NUMBER + ")кПа"), ("b", r"b= (" + NUMBER + ")м"),
                             ("l", r"l= (" + NUMBER + ")м"), ("s", r"s = (" + NUMBER + ")см")):
            m = re.search(pattern, text)
            if m:
                values[key] = m.group(1)
        m = re.search(r"pmax = (" + NUMBER + ")кПа", text)
        if m:
            values["pmax"].append(m.group(1))
        m = re.search(r"Площадь рабочей арматуры\t+(" + NUMBER + ")cм2", text)
        if m:
            values["As"].append(m.group(1))
    return values


def expect_values(values, text, where):
    problems = []

    def need(pattern, what):
        if not re.search(pattern, text):
            problems.append(f"{where}: {what} not found")

    if "R" in values:
        need(r"\nR = .* = " + re.escape(values["R"]) + r" кПа", "R = " + values["R"])
    if "b" in values:
        need(r"b × l = " + re.escape(values["b"]) + " × " + re.escape(values["l"]) + " м", "b × l")
    for pmax in values["pmax"]:
        need(r"\npmax = .* = " + re.escape(pmax) + r" кПа", "pmax = " + pmax)
    for area in values["As"]:
        need(r"\nAs,факт = .* = " + re.escape(area) + r" см²", "As = " + area)
    if "s" in values:
        need(r"\ns = .* = " + re.escape(values["s"]) + r" см", "s = " + values["s"])
    return problems


def substituted(line):
    """The numbers of a formula line's third part (the values put in) and its printed result."""
    parts = line.split(" = ")
    result = re.match(NUMBER, parts[-1])
    return [number(n) for n in re.findall(NUMBER, parts[-2])], number(result.group(0))


def recompute(text):
    """Every key formula line, its result recomputed from the numbers it prints."""
    checks = 0
    problems = []

    def compare(line, got, shown):
        nonlocal checks
        checks += 1
        if abs(got - shown) > 0.0011 + 2e-6 * abs(shown):
            problems.append(f"{line!r}: the numbers give {got:.4f}")

    for line in text.split("\n"):
        if line.startswith("R = γc1·γc2/k·["):
            n, shown = substituted(line)
            yc1, yc2, k, my, kz, b, y, mq, d, y1, mc, c = n
            compare(line, yc1 * yc2 / k * (my * kz * b * y + mq * d * y1 + mc * c), shown)
        elif re.match(r"M[γqc] = M[γqc]\(φ1\) \+ ", line):
            (low, high, _low, fii, f1, f2, _f1), shown = substituted(line)
            compare(line, low + (high - low) * (fii - f1) / (f2 - f1), shown)
        elif line.startswith("p = NII/A + 20·d = "):
            (N, A, _twenty, d), shown = substituted(line)
            compare(line, N / A + 20 * d, shown)
        elif line.startswith("pmax = NII/A + 20·d + |"):
            (N, A, _twenty, d, M, Q, H, b, l, _six), shown = substituted(line)
            compare(line, N / A + 20 * d + abs(M + Q * H) / (b * l * l / 6), shown)
        elif line.startswith("M = c²·(2·p1 + p2)/6 = ") or line.startswith("M = c²·(2·p + p)/6 = "):
            (c, _two, p1, p2, _six), shown = substituted(line)
            compare(line, c * c * (2 * p1 + p2) / 6, shown)
        elif line.startswith("As = M/(0,9·h0·Rs)·10⁴ = "):
            (M, _lever, h0, Rs, scale), shown = substituted(line)
            compare(line, M / (0.9 * h0 * Rs) * scale, shown)
        elif line.startswith("s = β·Σ σzp,i·hi/Ei = Σ si = "):
            n, shown = substituted(line)
            compare(line, sum(n), shown)
    return checks, problems


def main():
    tool, tables, projects = sys.argv[1], sys.argv[2], sys.argv[3:]
    env = dict(os.environ, LC_ALL="ru_RU.UTF-8", QT_QPA_PLATFORM="offscreen")
    problems = []
    recomputed = 0
    with tempfile.TemporaryDirectory() as scratch:
        env["HOME"] = env["XDG_CONFIG_HOME"] = scratch
        for project in projects:
            name = os.path.splitext(os.path.basename(project))[0]
            run = subprocess.run([tool, "--json", "--tables", tables, project], env=env, capture_output=True, text=True)
            data = json.loads(run.stdout.strip().splitlines()[-1])
            values = report_values(data["report"] + (data["settlement"] or {}).get("report", []))
            red = [line["text"] for line in data["report"] + (data["settlement"] or {}).get("report", [])
                   if line["failure"] and line["text"]]
            for suffix in ("html", "odt"):
                out = os.path.join(scratch, name + "." + suffix)
                written = subprocess.run([tool, "--tables", tables, "--explain", out, project], env=env,
                                         capture_output=True, text=True)
                if written.returncode != run.returncode or not os.path.isfile(out):
                    problems.append(f"{name}.{suffix}: not written (exit {written.returncode}: {written.stderr})")
                    continue
                try:
                    if suffix == "html":
                        text, failures = plain_html(out)
                        checks, wrong = recompute(text)
                        recomputed += checks
                        problems += [f"{name}: {p}" for p in wrong]
                        problems += [f"{name}.html: red line {t!r} not in red" for t in red if t not in failures]
                        # R, p and pmax of three combinations, M and As of both sides, s
                        wanted = ((7 if "b" in values else 0) + (4 if values["As"] else 0) +
                                  (1 if "s" in values else 0))
                        if checks < wanted:
                            problems.append(f"{name}.html: {checks} formula lines recomputed, {wanted} wanted")
                    else:
                        text = plain_odt(out)
                        problems += [f"{name}.odt: red line {t!r} missing" for t in red if t not in text]
                except (AssertionError, KeyError, zipfile.BadZipFile) as error:
                    problems.append(f"{name}.{suffix}: {error}")
                    continue
                problems += expect_values(values, "\n" + text, f"{name}.{suffix}")
    for problem in problems:
        print(problem)
    print(f"{len(projects)} projects, {recomputed} formula lines recomputed, {len(problems)} problems")
    return 1 if problems or not projects else 0


if __name__ == "__main__":
    sys.exit(main())
