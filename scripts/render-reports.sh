#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the printed report and the scheme of a few sample projects to PNG images for a look by
# eye: each project's PDF pages at 60 dpi (four with the settlement page), its SVG beside it, its DXF
# drawing as ezdxf draws it and its HTML report as headless Chromium shows it (when chromium is installed). The windows themselves
# are shot by scripts/screenshots.sh.
#   scripts/render-reports.sh [BUILD_DIR] [OUT_DIR]
# Without a BUILD_DIR it builds fundis-cli in build/run (the "run" preset of CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -ge 1 ]; then
  build="$1"
else
  build=build/run
  cmake --preset run > /dev/null
  cmake --build --preset run -j"$(nproc)" --target fundis-cli > /dev/null
fi
out="${2:-$build/render}"
cli="$build/cli/fundis-cli"
[ -x "$cli" ] || { echo "no $cli: build the project first" >&2; exit 1; }
mkdir -p "$out"

command -v chromium > /dev/null || echo "no chromium (apt-get install chromium): the HTML reports are written, not shot" >&2

projects=(tests/data/*.dan tests/samples/design/cases/case_0001.dan tests/samples/settlement/cases/settle_0003.dan)

for project in "${projects[@]}"; do
  name="$(basename "$project" .dan)"
  rm -f "$out/$name.pdf" "$out/$name"-*.png
  # a design that fails its checks still gets its documents; the exit status says so
  QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}" \
    "$cli" --tables data --pdf "$out/$name.pdf" --svg "$out/$name.svg" --html "$out/$name.htm" --dxf "$out/$name.dxf" \
    "$project" > "$out/$name.txt" || true
  [ -s "$out/$name.pdf" ] || { echo "$project: no PDF written" >&2; continue; }
  pdftoppm -png -r 60 "$out/$name.pdf" "$out/$name"
  echo "$out/$name.pdf -> $(ls "$out/$name"-*.png | tr '\n' ' ')"
  if [ -s "$out/$name.dxf" ]; then
    LC_ALL=ru_RU.UTF-8 /usr/bin/python3 scripts/render-dxf.py "$out/$name.dxf" "$out/$name-dxf.png" \
      && echo "$out/$name.dxf -> $out/$name-dxf.png" || echo "$project: the DXF drawing was not rendered" >&2
  fi
  if command -v chromium > /dev/null && [ -s "$out/$name.htm" ]; then
    chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1000,2400 \
      --screenshot="$out/$name-html.png" "file://$(realpath "$out/$name.htm")" > /dev/null 2>&1 \
      && echo "$out/$name.htm -> $out/$name-html.png" || echo "$project: chromium screenshot failed" >&2
  fi
done
