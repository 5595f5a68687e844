#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks what the desktop sees of it: a valid
# .desktop entry that opens .dan files, the MIME type of *.dan, both programs' --version, the
# tables, the verification manual and the example projects beside the program, and, under a
# virtual X server when there is one, that
# `fundis FILE.dan` shows the project's name in its window title.
#   check-install.sh [BUILD_DIR] [PROJECT.dan]   (ctest gives both; by hand: build/test, a sample)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../../build/test}"
project="$(realpath "${2:-$here/../data/sand_frost_depth.dan}")"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null

desktop="$prefix/share/applications/fundis.desktop"
desktop-file-validate "$desktop"
grep -qx 'Exec=fundis %f' "$desktop"
grep -qx 'MimeType=application/x-fundis-project;' "$desktop"

update-mime-database "$prefix/share/mime" > /dev/null 2>&1
grep -q '^application/x-fundis-project:\*\.dan$' "$prefix/share/mime/globs"
[ -f "$prefix/share/mime/application/x-fundis-project.xml" ]

"$prefix/bin/fundis" --version | grep -q "^fundis (Фундис) [0-9]"
"$prefix/bin/fundis-cli" --version | grep -q "^fundis-cli (Фундис) [0-9]"
[ -f "$prefix/share/fundis/table4.dat" ]
# the verification manual in the help and its example projects for "Файл" → "Примеры"
[ -f "$prefix/share/fundis/Help/verification.htm" ]
[ "$(ls "$prefix/share/fundis/examples/"*.dan | wc -l)" -ge 12 ]

if command -v xvfb-run > /dev/null && command -v xwininfo > /dev/null; then
  home="$(mktemp -d "$prefix/home.XXXX")"
  HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
      "$1" "$2" > /dev/null 2>&1 &
      for i in $(seq 1 40); do
        sleep 0.25
        xwininfo -root -tree | grep -q "$(basename "$2")\*\? — Фундис" && { kill $!; exit 0; }
      done
      xwininfo -root -tree >&2
      kill $!
      exit 1' _ "$prefix/bin/fundis" "$project"
fi
echo "install check passed"
