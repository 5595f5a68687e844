#!/usr/bin/env bash
# Installs what is missing, builds and starts Фундис.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build -j"$(nproc)" --target fundis
exec build/app/fundis "$@"
