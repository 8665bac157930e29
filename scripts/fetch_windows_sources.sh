#!/usr/bin/env bash
# Unpacks Debian's sources of the libraries the Windows host is built with (FreeType,
# pugixml) into build-sources/NAME, at the versions the Linux host links. Nothing is
# fetched when they are there already.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p build-sources
cd build-sources
for package in freetype pugixml; do
  [ -f "$package/.unpacked" ] && continue
  rm -rf "$package" "$package".download
  mkdir "$package".download
  (cd "$package".download && apt-get source -qq --download-only "$package")
  # apt has checked the files against the archive's signed index already.
  dpkg-source --no-check -x "$package".download/*.dsc "$package" >/dev/null
  rm -rf "$package".download ./*.tar.*
  touch "$package/.unpacked"
done
