#!/usr/bin/env bash
# Runs every fuzz target of build-fuzz/ (made by `scripts/build.sh fuzz`) from its seed
# corpus: `scripts/fuzz.sh 60` for 60 seconds each, `scripts/fuzz.sh -runs=1000` for a
# number of inputs each (default: 30 seconds). New inputs go to build-fuzz/corpus/, crashes
# to build-fuzz/crashes/; the first crash stops the script with a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
limit=${1:-30}
case "$limit" in
  -runs=*) budget=("$limit") ;;
  *) budget=(-max_total_time="$limit") ;;
esac
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
for target in svg_reader css_parser path_data script_parser preference_file event; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus" build-fuzz/crashes
  log=build-fuzz/$target.log
  # Long enough for every input to nest past the host's depth limits (256 levels of JSON
  # or elements). A session's input stays short, its events, not its length, make it worth
  # running, but takes that length from the start: libFuzzer would otherwise hold it
  # to a few bytes for minutes.
  max_len=4096
  len_control=()
  [ "$target" = svg_reader ] && max_len=16384
  [ "$target" = event ] && { max_len=512; len_control=(-len_control=0); }
  if ! build-fuzz/fuzz/${target}_fuzz "${budget[@]}" -timeout=10 -rss_limit_mb=2048 \
      -max_len="$max_len" "${len_control[@]}" -artifact_prefix="build-fuzz/crashes/$target-" \
      -print_final_stats=1 \
      "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
    tail -40 "$log"
    echo "fuzz: $target failed (log: $log)" >&2
    exit 1
  fi
  echo "fuzz: $target: $(grep -o 'number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') inputs" \
    "$(grep -o '^quill: [0-9]* events' "$log" | cut -d' ' -f2- || true)"
done
