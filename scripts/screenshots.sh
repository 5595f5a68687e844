#!/usr/bin/env bash
# Builds the program and saves pictures of its windows under Xvfb:
#   scripts/screenshots.sh [output folder]     (default build-screenshots/png)
# main.png (a calculated project), main-failure.png (the end of a report with red failure lines),
# input-1.png .. input-4.png (the input tabs), settings.png, settings-chooser.png, about.png,
# splash.png.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build-screenshots/png}"
build="${FUNDIS_BUILD_DIR:-build-screenshots}"
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing: apt-get install xvfb xauth" >&2; exit 1; }
# a folder configured before keeps its options (the tests stay on in a developer's build folder)
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
  -DFUNDIS_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fundis-screenshots >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/fundis" "$work/data" "$out"
tables="$(pwd)/data"
printf '5\r\n0\r\n1\r\n%s\r\n75\r\n%s\r\n' "$work/data" "$tables" > "$work/config/fundis/kp.ini"

# a project: 9 combo indices, Edit1..Edit41 ("#" = empty), the crane-and-wind box
project() {  # project FILE COLUMN_WIDTH COLUMN_LENGTH
  local edits=(49 "#" 120 1500 30 60 1900 20 80 1600 60 0.3 28 5 "#" 18 17 0.7 -0.150 0.3 0.600 0.600
    "$3" "#" "#" "#" "$2" 0.020 0.070 365 365 132 1650 33 66 2090 22 88 1760 66 "#")
  {
    printf '0\r\n2\r\n2\r\n0\r\n1\r\n0\r\n0\r\n1\r\n0\r\n'
    printf '%s\r\n' "${edits[@]}"
    printf '0'
  } > "$1"
}
project "$work/data/колонна.dan" 0.4 0.4
project "$work/data/без подколонника.dan" 0.35 0.45

shoot() {  # shoot PROJECT FOLDER
  HOME="$work" XDG_CONFIG_HOME="$work/config" LANG=C.UTF-8 \
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$build/app/fundis-screenshots" "$2" "$1"
}
shoot "$work/data/колонна.dan" "$out"
shoot "$work/data/без подколонника.dan" "$work/failure"
cp "$work/failure/main-end.png" "$out/main-failure.png"
rm -f "$out/main-end.png"
ls -1 "$out"
