#!/usr/bin/env bash
# Configures and builds one flavour: `scripts/build.sh` (build/) or
# `scripts/build.sh asan` (build-asan/, AddressSanitizer and UBSan), `scripts/build.sh fuzz`
# (build-fuzz/, the libFuzzer targets alone, built by clang with the same sanitizers).
# A second argument names the one target to build, for example
# `scripts/build.sh release quill_demo` (the quill program and the plug-in alone).
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=${1:-release}
target=()
case "$flavour" in
  release) dir=build; flags=() ;;
  asan) dir=build-asan; flags=(-DQUILL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug) ;;
  bench) dir=build-bench; flags=(-DQUILL_BENCH=ON -DCMAKE_BUILD_TYPE=Release) ;;
  fuzz) dir=build-fuzz; target=(--target quill_fuzzers)
    flags=(-DQUILL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang
      -DCMAKE_CXX_COMPILER=clang++) ;;
  *) echo "usage: scripts/build.sh [release|asan|bench|fuzz] [TARGET]" >&2; exit 2 ;;
esac
if [ $# -ge 2 ]; then
  target=(--target "$2")
fi
cmake -S . -B "$dir" -G Ninja -DQUILL_WERROR=ON "${flags[@]}" >/dev/null
cmake --build "$dir" "${target[@]}"
