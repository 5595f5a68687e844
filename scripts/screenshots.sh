#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and saves pictures of its windows under Xvfb with a window manager, in the
# Russian locale our users have unless another is given:
#   scripts/screenshots.sh [output folder] [locale] [scales]
#   (default build/screenshots, ru_RU.UTF-8, "1 1.5")
# It builds in build/run, the folder of scripts/run.sh (the "run" preset of CMakePresets.json), or
# takes the tool of another build folder given as FUNDIS_BUILD_DIR (build/test, build/asan).
# One set of pictures a scale factor (QT_SCALE_FACTOR, as a screen scaled to 150 % shows the
# windows): the first in the output folder, the others in scale-1.5/ and so on inside it.
# main-first-start.png (the main window as a first start opens it), file-dialog.png, main.png (a
# calculated project), main-end.png, unreadable-fields.png (OK's warning about fields that are not
# numbers or that the calculation cannot go without), main-refused.png (the calculation refused for
# such a field), main-out-of-date.png, main-failure.png (red failure lines), input-1.png .. input-4.png,
# settlement.png, scheme-fitted.png, scheme-zoomed.png, settings.png, settings-chooser.png,
# about.png, help.png (the help page in its own window), splash.png, message.png (a warning with an
# OK button), note.png (the calculation note).
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/screenshots}"
lang="${2:-ru_RU.UTF-8}"
scales="${3:-1 1.5}"
scripts/install-deps.sh
if ! command -v openbox > /dev/null; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends openbox > /dev/null
fi
build="${FUNDIS_BUILD_DIR:-build/run}"
if [ -z "${FUNDIS_BUILD_DIR:-}" ]; then
  cmake --preset run > /dev/null
fi
cmake --build "$build" -j"$(nproc)" --target fundis-screenshots > /dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data" "$out"

# a project in the .dan order: 9 list indices, the 41 texts ("#" = empty), the crane-and-wind box
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
# soil layers under the first one: loam, a soft clay lens, sand; a frame building (su 8 cm)
printf '\r\nS\r\n3\r\n0\r\n#\r\n2.4\r\n18.6\r\n14\r\n1.3\r\n17.8\r\n4.5\r\n4\r\n19.4\r\n28' \
  >> "$work/data/колонна.dan"

shoot() {  # shoot PROJECT FOLDER SCALE: a fresh account each time, so the first start is a first start
  rm -rf "$work/home" && mkdir -p "$work/home"
  HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" LANG="$lang" LC_ALL="$lang" QT_QPA_PLATFORM=xcb \
    QT_SCALE_FACTOR="$3" \
    xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96" sh -c 'openbox > /dev/null 2>&1 & sleep 0.5; exec "$@"' _ \
    "$build/tools/fundis-screenshots" "$2" "$1"
}
first=1
for scale in $scales; do
  set_out="$out"
  [ "$first" = 1 ] || set_out="$out/scale-$scale"
  first=0
  shoot "$work/data/колонна.dan" "$set_out" "$scale"
  shoot "$work/data/без подколонника.dan" "$work/failure" "$scale"
  cp "$work/failure/main-end.png" "$set_out/main-failure.png"
  echo "$set_out (scale $scale):"
  ls -1 "$set_out" | grep -v '^scale-'
done
