#!/usr/bin/env bash
# Sets up a fresh machine, builds the quill program and the plug-in (the tests are left
# out), dimensions the mounting plate of examples/plaque.svg with the five measuring tools
# (examples/demo.qs), and draws the result: out/plaque.svg and out/plaque.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh release quill_demo
mkdir -p out
build/quill run examples/demo.qs --dump out/demo.json
build/quill render out/plaque.svg -o out/plaque.png --fit --width 1400
echo "demo: wrote out/plaque.svg (the dimensioned drawing), out/plaque.png (its picture)"
echo "      and out/demo.json (the session's dump)"
echo "demo: to dimension the drawing yourself in the browser, run"
echo "  build/quill serve out/plaque.svg"
