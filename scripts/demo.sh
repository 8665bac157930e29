#!/usr/bin/env bash
# Sets up a fresh machine, builds Quill, dimensions the mounting plate of
# examples/plaque.svg with the Segment tool (examples/demo.qs), and draws the result:
# out/plaque.svg and out/plaque.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh release
mkdir -p out
build/quill run examples/demo.qs --dump out/demo.json
build/quill render out/plaque.svg -o out/plaque.png --width 1400
echo "demo: wrote out/plaque.svg, out/plaque.png and the session's dump out/demo.json"
