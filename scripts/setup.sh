#!/usr/bin/env bash
# Installs what building and testing Quill needs on a fresh Debian machine.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config clang-format
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libfreetype-dev libfontconfig-dev fonts-dejavu-core fonts-dejavu-extra fonts-urw-base35
  libpugixml-dev nlohmann-json3-dev librsvg2-dev librsvg2-bin
  g++-mingw-w64-i686 wine wine64 wine32:i386 dpkg-dev clang libclang-rt-14-dev
  libcpp-httplib-dev zlib1g-dev libboost-dev nodejs chromium inkscape)
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
export DEBIAN_FRONTEND=noninteractive
# The Windows host runs under 32-bit wine (i386 packages), and the libraries it needs that
# Debian has no MinGW build of come from Debian's source packages (deb-src).
refresh=false
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo_cmd dpkg --add-architecture i386
  refresh=true
fi
if [ -f /etc/apt/sources.list.d/debian.sources ] &&
  ! grep -q '^Types:.*deb-src' /etc/apt/sources.list.d/debian.sources; then
  $sudo_cmd sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources
  refresh=true
elif [ -f /etc/apt/sources.list ] && ! grep -q '^deb-src' /etc/apt/sources.list; then
  sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | $sudo_cmd tee -a /etc/apt/sources.list >/dev/null
  refresh=true
fi
if $refresh; then $sudo_cmd apt-get update -qq; fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
# npm comes with some builds of nodejs and as a package of its own with Debian's.
if ! command -v npm >/dev/null; then
  $sudo_cmd apt-get install -y -qq npm
fi
# The sources of the Windows host's libraries, as Debian patches them (same versions as the
# Linux host's libraries), unpacked once into build-sources/.
"$(dirname "$0")/fetch_windows_sources.sh"
# The browser tests' Playwright, at the version package-lock.json pins.
(cd "$(dirname "$0")/../tests/web" && npm ci --no-audit --no-fund --loglevel=error)
