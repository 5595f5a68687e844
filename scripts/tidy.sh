#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# clang-tidy over the program's sources with the checks of .clang-tidy, on the compile commands of a
# configured build folder (the test preset's by default). Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/test}"
if [ ! -f "$build/compile_commands.json" ]; then
  echo "no $build/compile_commands.json: configure with 'cmake --preset test' first" >&2
  exit 2
fi
# the generated Qt sources (moc, rcc) are not ours; the browser's bindings need emscripten's headers
git ls-files 'core/*.cpp' 'gui/*.cpp' 'cli/*.cpp' 'tools/*.cpp' 'web/api/WebProject.cpp' |
  xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet
