#!/usr/bin/env bash
# Configures and builds one flavour: `scripts/build.sh` (build/) or
# `scripts/build.sh asan` (build-asan/, AddressSanitizer and UBSan).
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=${1:-release}
case "$flavour" in
  release) dir=build; flags=() ;;
  asan) dir=build-asan; flags=(-DQUILL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug) ;;
  bench) dir=build-bench; flags=(-DQUILL_BENCH=ON -DCMAKE_BUILD_TYPE=Release) ;;
  *) echo "usage: scripts/build.sh [release|asan|bench]" >&2; exit 2 ;;
esac
cmake -S . -B "$dir" -G Ninja -DQUILL_WERROR=ON "${flags[@]}" >/dev/null
cmake --build "$dir"
