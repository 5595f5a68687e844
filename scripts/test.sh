#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds with warnings as errors and runs the whole test suite:
# the unit, widget and end-to-end tests, the sample projects, the formatting check, clang-tidy, the
# suite again under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, and a short run of
# each fuzzer. The configurations are the presets of CMakePresets.json, each in its folder under build/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

echo "== formatting"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || true)
if [ -n "$files" ]; then
  clang-format --dry-run --Werror $files
fi
# every source file says its licence in its first lines
unlicensed=$(git ls-files '*.cpp' '*.h' '*.py' '*.sh' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt' |
  while read -r f; do head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"; done)
if [ -n "$unlicensed" ]; then
  echo "no SPDX-License-Identifier line in:" $unlicensed >&2
  exit 1
fi

echo "== build and test"
cmake --preset test
cmake --build --preset test -j"$jobs"
ctest --preset test -j"$jobs"

echo "== browser edition"
# the core in WebAssembly and the page, tested in Debian's Chromium: the number texts in the browser
# build's C++ library, the page's commands, the sample projects through the page (fundis-web-check)
export NODE_PATH=/usr/share/nodejs
cmake --preset web
cmake --build --preset web -j"$jobs"
ctest --preset web -j"$jobs"

echo "== clang-tidy"
# on the test preset's compile commands; any finding fails
scripts/tidy.sh build/test

echo "== sanitizers"
# leaks too: what the libraries below us leak is suppressed in tests/lsan.supp, ours is not
cmake --preset asan
cmake --build --preset asan -j"$jobs"
ctest --preset asan -j"$jobs"

echo "== fuzz smoke"
cmake --preset fuzz
cmake --build --preset fuzz -j"$jobs"
for f in build/fuzz/fuzz/fuzz_*; do
  [ -x "$f" ] || continue
  corpus="fuzz/corpus/$(basename "$f" | sed 's/^fuzz_//')"
  mkdir -p /tmp/fundis-fuzz && work=$(mktemp -d /tmp/fundis-fuzz/XXXX)
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  # a crash leaves its input in the work folder, not in the source tree
  "$f" -max_total_time=20 -rss_limit_mb=2048 -artifact_prefix="$work/" "$work"
done
echo "== all tests passed"
