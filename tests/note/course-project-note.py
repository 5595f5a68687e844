#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The course project's note in docs/ is the one the program writes today.

    course-project-note.py FUNDIS_CLI SOURCE_DIR [--write]

Runs fundis-cli --explain on tests/verification/course_middle_column.dan from the source folder, in
the Russian locale with the decimal comma, and compares the HTML note with docs/course-project-note.html;
--write puts the new note there instead.
"""
import os
import subprocess
import sys
import tempfile

PROJECT = "tests/verification/course_middle_column.dan"
NOTE = "docs/course-project-note.html"


def main():
    tool, source = sys.argv[1], sys.argv[2]
    write = "--write" in sys.argv[3:]
    with tempfile.TemporaryDirectory() as scratch:
        env = dict(os.environ, LC_ALL="ru_RU.UTF-8", HOME=scratch, XDG_CONFIG_HOME=scratch)
        out = os.path.join(scratch, "note.html")
        run = subprocess.run([tool, "--sep", ",", "--tables", "data", "--explain", out, PROJECT], cwd=source,
                             env=env, capture_output=True, text=True)
        if run.returncode != 0:
            print(f"{PROJECT}: exit {run.returncode} (the example must pass every check): {run.stderr}")
            return 1
        with open(out, encoding="utf-8") as f:
            note = f.read()
    path = os.path.join(source, NOTE)
    if write:
        with open(path, "w", encoding="utf-8") as f:
            f.write(note)
        return 0
    with open(path, encoding="utf-8") as f:
        if f.read() != note:
            print(f"{NOTE} is out of date: tests/note/course-project-note.py {tool} {source} --write")
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
