#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need, where missing.
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libgmock-dev
  libbenchmark-dev clang libclang-rt-14-dev clang-format python3 fonts-liberation fonts-dejavu-core
  xvfb xauth poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
