#!/usr/bin/env bash
# Installs what building and testing Quill needs on a fresh Debian machine.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config clang-format
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libfreetype-dev libfontconfig-dev fonts-dejavu-core fonts-dejavu-extra fonts-urw-base35
  libpugixml-dev nlohmann-json3-dev librsvg2-dev librsvg2-bin
  g++-mingw-w64-i686 wine64 clang libclang-rt-14-dev
  libcpp-httplib-dev zlib1g-dev libboost-dev nodejs chromium inkscape)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
# npm comes with some builds of nodejs and as a package of its own with Debian's.
if ! command -v npm >/dev/null; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq npm
fi
# The browser tests' Playwright, at the version package-lock.json pins.
(cd "$(dirname "$0")/../tests/web" && npm ci --no-audit --no-fund --loglevel=error)
