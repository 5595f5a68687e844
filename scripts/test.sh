#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs the whole test suite:
# the unit, widget and end-to-end tests, the sample projects, the formatting check, the suite
# again under AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of each fuzzer.
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

echo "== build and test"
# the options are given in full: scripts/run.sh configures the same folder without the tests
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUNDIS_WERROR=ON -DFUNDIS_GUI=ON \
  -DFUNDIS_SANITIZE=OFF -DBUILD_TESTING=ON -DFUNDIS_BENCH=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure --no-tests=error -j"$jobs"

echo "== sanitizers"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DFUNDIS_WERROR=ON -DFUNDIS_SANITIZE=ON -DFUNDIS_BENCH=OFF \
  -DBUILD_TESTING=ON
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=0 ctest --test-dir build-asan --output-on-failure --no-tests=error -j"$jobs"

if [ -d fuzz ] && [ -f fuzz/CMakeLists.txt ]; then
  echo "== fuzz smoke"
  CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DFUNDIS_FUZZ=ON -DFUNDIS_GUI=OFF \
    -DBUILD_TESTING=OFF -DFUNDIS_BENCH=OFF
  cmake --build build-fuzz -j"$jobs"
  for f in build-fuzz/fuzz/fuzz_*; do
    [ -x "$f" ] || continue
    corpus="fuzz/corpus/$(basename "$f" | sed 's/^fuzz_//')"
    mkdir -p /tmp/fundis-fuzz && work=$(mktemp -d /tmp/fundis-fuzz/XXXX)
    [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
    # a crash leaves its input in the work folder, not in the source tree
    "$f" -max_total_time=20 -rss_limit_mb=2048 -artifact_prefix="$work/" "$work"
  done
fi
echo "== all tests passed"
