#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and starts Фундис (in build/run, the "run" preset of
# CMakePresets.json). With --web: builds the browser edition into build/web/site (the "web" preset)
# and serves it on this computer, printing the address to open (Ctrl+C stops it).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if [ "${1:-}" = "--web" ]; then
  export NODE_PATH=/usr/share/nodejs
  cmake --preset web > /dev/null
  cmake --build --preset web -j"$(nproc)" --target fundis-site
  exec node web/check/serve.mjs build/web/site "${2:-8026}"
fi
cmake --preset run > /dev/null
cmake --build --preset run -j"$(nproc)" --target fundis
exec build/run/app/fundis "$@"
