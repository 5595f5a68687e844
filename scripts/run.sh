#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and starts Фундис (in build/run, the "run" preset of
# CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset run > /dev/null
cmake --build --preset run -j"$(nproc)" --target fundis
exec build/run/app/fundis "$@"
