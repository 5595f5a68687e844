#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages the build, the program and the tests need, where missing, and
# makes sure the Russian locale the program is used in (and tested in) exists. The browser edition
# takes Debian's emscripten (with node-acorn), its Chromium for the tests, and Node.js with npm for
# the page's build: Debian's nodejs and npm unless a Node.js is installed already.
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev libgtest-dev
  libgmock-dev libbenchmark-dev clang libclang-rt-14-dev clang-format clang-tidy python3 fonts-liberation
  fonts-dejavu-core xvfb xauth poppler-utils locales desktop-file-utils shared-mime-info x11-utils
  libdxflib-dev libfast-float-dev libfmt-dev python3-ezdxf python3-matplotlib
  emscripten node-acorn chromium patch)
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  $sudo sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
# the page's build (Vite 8) runs on Node.js 20.19 or later: Debian 12's own nodejs (18) cannot build
# it, and the browser edition's build stops with the same words
node_version="$(node --version 2>/dev/null | sed 's/^v//')"
if [ -z "$node_version" ] || [ "$(printf '%s\n' 20.19 "$node_version" | sort -V | head -n1)" != 20.19 ]; then
  echo "install-deps: the browser edition needs Node.js 20.19 or later with npm; this machine has" \
    "${node_version:-none} (Debian 12's own nodejs is 18). The desktop program builds without it." >&2
fi
