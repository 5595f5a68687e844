#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The verification manual's Markdown (docs/verification.md) as the HTML page of the help.

Knows the little Markdown the manual uses: headings, paragraphs, "- " lists, tables, **bold** and
`code`. Usage: markdown-to-html.py IN.md OUT.htm, or --check IN.md OUT.htm to fail when OUT.htm
is not what IN.md gives (the help ships the page, so it must follow the Markdown).
"""
import html
import re
import sys

STYLE = """body { font-family: sans-serif; max-width: 60em; margin: 1em auto; padding: 0 1em; line-height: 1.4; }
table { border-collapse: collapse; margin: 0.5em 0; }
th, td { border: 1px solid #999; padding: 0.2em 0.5em; vertical-align: top; }
th { background: #eee; }
code { font-family: monospace; }"""


def inline(text):
    text = html.escape(text, quote=False)
    text = re.sub(r"`([^`]+)`", r"<code>\1</code>", text)
    return re.sub(r"\*\*(.+?)\*\*", r"<b>\1</b>", text)


def cells(line):
    return [c.strip() for c in line.strip().strip("|").split("|")]


def convert(markdown):
    out = []
    lines = markdown.splitlines()
    i = 0
    title = ""
    while i < len(lines):
        line = lines[i]
        if not line.strip():
            i += 1
        elif line.startswith("#"):
            level = len(line) - len(line.lstrip("#"))
            text = line[level:].strip()
            title = title or text
            out.append(f"<h{level}>{inline(text)}</h{level}>")
            i += 1
        elif line.startswith("|"):
            head = cells(line)
            i += 2  # the header and its separator row
            out.append("<table>")
            out.append("<tr>" + "".join(f"<th>{inline(c)}</th>" for c in head) + "</tr>")
            while i < len(lines) and lines[i].startswith("|"):
                out.append("<tr>" + "".join(f"<td>{inline(c)}</td>" for c in cells(lines[i])) + "</tr>")
                i += 1
            out.append("</table>")
        elif line.startswith("- "):
            out.append("<ul>")
            while i < len(lines) and lines[i].startswith("- "):
                item = [lines[i][2:].strip()]
                i += 1
                while i < len(lines) and lines[i].startswith("  ") and lines[i].strip():
                    item.append(lines[i].strip())
                    i += 1
                out.append(f"<li>{inline(' '.join(item))}</li>")
            out.append("</ul>")
        else:
            paragraph = []
            while i < len(lines) and lines[i].strip() and not lines[i].startswith(("#", "|", "- ")):
                paragraph.append(lines[i].strip())
                i += 1
            out.append(f"<p>{inline(' '.join(paragraph))}</p>")
    return ("<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
            f"<title>{html.escape(title)}</title>\n<style>\n{STYLE}\n</style>\n</head>\n<body>\n"
            + "\n".join(out) + "\n</body>\n</html>\n")


def main(args):
    check = args[:1] == ["--check"]
    source, target = args[1:] if check else args
    with open(source, encoding="utf-8") as f:
        page = convert(f.read())
    if check:
        with open(target, encoding="utf-8") as f:
            if f.read() != page:
                sys.exit(f"{target} is out of date: run scripts/markdown-to-html.py {source} {target}")
        return
    with open(target, "w", encoding="utf-8", newline="\n") as f:
        f.write(page)


if __name__ == "__main__":
    main(sys.argv[1:])
