#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The calculation note of every sample project, written by fundis-cli --explain as HTML and ODT.

For each project the note is read back (the ODT as a zip with content.xml) and must hold the
values of fundis-cli's JSON report: R, b x l, every combination's pmax, both steel areas and the
settlement s, and every red line of the report. The key formula lines of the HTML are recomputed
from the numbers they print: R, p and pmax of each combination, the governing M and As of each
side, s (whose terms add up to it exactly as printed) and the bill of materials (the bars' lengths and
masses, the mesh's total, the concrete's volumes, the weight check); each must give the result it
shows. No number in the note carries the noise of single precision ("0,1499999") or an exponent.
The ODT is a valid zip with its mimetype first and stored, heading styles with outline levels, a
table of contents with a page reference to every heading, page numbers in the footer and the scheme
as an SVG picture.

    check-note-documents.py FUNDIS_CLI TABLES_DIR PROJECT.dan...

Runs the tool in the Russian locale, so the numbers carry the decimal comma.
"""

import html
import json
import math
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
        if odt.testzip() is not None:
            raise AssertionError(f"the ODT's entry {odt.testzip()} fails its CRC")
        first = odt.infolist()[0]
        if first.filename != "mimetype" or first.compress_type != zipfile.ZIP_STORED:
            raise AssertionError("the ODT does not begin with its mimetype, stored")
        if odt.read("mimetype") != b"application/vnd.oasis.opendocument.text":
            raise AssertionError("the ODT's mimetype is not an OpenDocument text")
        content = odt.read("content.xml").decode("utf-8")
        styles = odt.read("styles.xml").decode("utf-8")
        headings = re.findall(r'<text:h text:style-name="Heading_20_(\d)" text:outline-level="(\d)">', content)
        if any(style != level for style, level in headings):
            raise AssertionError("a heading whose style is not of its outline level")
        if headings:
            if 'style:name="Heading_20_1"' not in styles or 'style:default-outline-level="1"' not in styles:
                raise AssertionError("no heading style with an outline level")
            if "<text:table-of-content " not in content:
                raise AssertionError("no table of contents")
            references = re.findall(r'<text:bookmark-ref text:reference-format="page" text:ref-name="([^"]+)"',
                                    content)
            marks = re.findall(r'<text:h [^>]*><text:bookmark-start text:name="([^"]+)"/>', content)
            if references != marks or len(marks) != len(headings):
                raise AssertionError(f"{len(references)} page references for {len(headings)} headings")
            if "<text:page-number" not in styles:
                raise AssertionError("no page number in the footer")
            svg = odt.read("Pictures/scheme.svg").decode("utf-8")
            if not re.search(r'<svg [^>]*width="[\d.]+mm" height="[\d.]+mm"', svg) or "<text " not in svg:
                raise AssertionError("the scheme is not an SVG picture with its size and its texts")
            if 'xlink:href="Pictures/scheme.svg"' not in content:
                raise AssertionError("the scheme is not placed in the text")
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
    """The numbers of a formula line's third part (the values put in) with their texts, and its printed
    result with its text."""
    parts = line.split(" = ")
    result = re.match(NUMBER, parts[-1]).group(0)
    texts = re.findall(NUMBER, parts[-2])
    return [number(n) for n in texts], texts, number(result), result


def half_unit(text):
    """Half a unit of a printed number's last place: what its rounding may have taken away."""
    mantissa = text.split("e")[0]
    decimals = len(mantissa.split(",")[1]) if "," in mantissa else 0
    return 0.5 * 10 ** -decimals


def signed(part):
    """The numbers of a sum as printed, with their signs: "4,010 + 1,944 − 0,207"."""
    return [(-1 if sign in ("−", "-") else 1) * number(n)
            for sign, n in re.findall(r"([+−-]?)\s*(" + NUMBER.lstrip("-?") + ")", part)]


def noisy(text):
    """Numbers with the noise of single precision or in exponent form."""
    return re.findall(r"\d+[.,]\d*(?:9999|0000)\d+|\d(?:[.,]\d+)?e[-+]\d+", text)


# The key formula lines: the line's start, the formula of its printed values, and whether those values
# are exact (the bill of materials computes from the numbers it prints): then only the result's own
# rounding is allowed for.
FORMULAS = [
    (r"R = γc1·γc2/k·\[", lambda yc1, yc2, k, my, kz, b, y, mq, d, y1, mc, c:
        yc1 * yc2 / k * (my * kz * b * y + mq * d * y1 + mc * c), False),
    (r"M[γqc] = M[γqc]\(φ1\) \+ ", lambda low, high, _low, fii, f1, f2, _f1:
        low + (high - low) * (fii - f1) / (f2 - f1), False),
    (r"p = NII/A \+ 20·d = ", lambda N, A, _twenty, d: N / A + 20 * d, False),
    (r"pmax = NII/A \+ 20·d \+ \|", lambda N, A, _twenty, d, M, Q, H, b, l, _six:
        N / A + 20 * d + abs(M + Q * H) / (b * l * l / 6), False),
    (r"M = c²·\(2·p1? \+ p2?\)/6 = ", lambda c, _two, p1, p2, _six: c * c * (2 * p1 + p2) / 6, False),
    (r"As = M/\(0,9·h0·Rs\)·10⁴ = ", lambda M, _lever, h0, Rs, scale: M / (0.9 * h0 * Rs) * scale, False),
    (r"l\d+ = [lb] − 2·dz = ", lambda side, _two, cover: side - 2 * cover, True),
    (r"m = 7850·π·d²/4 = ", lambda density, d, _four: density * math.pi * d * d / 4, True),
    (r"(?:m\d+ = m·l\d+|M\d+ = n\d+·m\d+|Gf = 25·V) = ", lambda *n: math.prod(n), True),
    (r"(?:V\d+ = h\d+·l\d+·b\d+|Vп = luc·buc·)", lambda *n: math.prod(n), True),
    (r"Gгр = γ'II·\(Vd − Vф,d\) = ", lambda weight, prism, below: weight * (prism - below), True),
    (r"γm = \(Gf \+ Gгр\)/Vd = ", lambda foundation, soil, prism: (foundation + soil) / prism, True),
]
# Sums whose terms, as printed, make the total as printed.
SUMS = [r"s = β·Σ σzp,i·hi/Ei = Σ si = ", r"Mсетки = Σ Mi = ", r"V = ΣVi \+ Vп − Vст = "]


def recompute(text):
    """Every key formula line, its result recomputed from the numbers it prints: within what the
    rounding of those numbers and of the result may change, each input moved by half its last place."""
    checks = 0
    problems = []
    for line in text.split("\n"):
        for start, formula, exact in FORMULAS:
            if not re.match(start, line):
                continue
            n, texts, shown, shown_text = substituted(line)
            got = formula(*n)
            allowed = half_unit(shown_text) + 1e-9 * max(1.0, abs(shown))
            for i, value in enumerate([] if exact else n):
                moved = list(n)
                moved[i] = value + half_unit(texts[i])
                allowed += abs(formula(*moved) - got)
            checks += 1
            if abs(got - shown) > allowed:
                problems.append(f"{line!r}: the numbers give {got:.6f}")
            break
        for start in SUMS:
            if re.match(start, line):
                parts = line.split(" = ")
                total = number(re.match(NUMBER, parts[-1]).group(0))
                checks += 1
                if abs(sum(signed(parts[-2])) - total) > 1e-9 * max(1.0, abs(total)):
                    problems.append(f"{line!r}: the terms add up to {sum(signed(parts[-2])):.6f}")
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
                        problems += [f"{name}.html: noisy number {n!r}" for n in noisy(text)]
                        checks, wrong = recompute(text)
                        recomputed += checks
                        problems += [f"{name}: {p}" for p in wrong]
                        problems += [f"{name}.html: red line {t!r} not in red" for t in red if t not in failures]
                        # R, p and pmax of three combinations, M and As of both sides, s
                        # and the bill of materials: two lengths, a metre's mass, two masses, the total,
                        # the steps, the pedestal, the volume and the weight check's four lines
                        wanted = ((7 if "b" in values else 0) + (4 if values["As"] else 0) +
                                  (1 if "s" in values else 0) + (12 if data["quantities"] else 0))
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
