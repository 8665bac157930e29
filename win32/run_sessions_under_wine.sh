#!/usr/bin/env bash
# The Windows sessions: Quill.aip driven by the Windows host under 32-bit wine.
#
#   run_sessions_under_wine.sh examples WIN32_DIR LINUX_QUILL EXAMPLES_DIR
#       runs every script of EXAMPLES_DIR with quill.exe and with the Linux quill, and
#       passes when each pair of dumps is the same, byte for byte, and so is the outcome;
#   run_sessions_under_wine.sh gtest WIN32_DIR PROGRAM.exe
#       runs a GoogleTest program built for Windows and passes when every test passed.
#
# Wine's own exit code is not trusted alone: it answers 0 when it could not start the
# program at all. Where wine cannot run a 32-bit program at all (no wine32), the sessions
# are skipped with a line saying so (exit 77), never silently.
set -uo pipefail
mode=$1
win32=$2
skip() {
  echo "SKIPPED: $1: the Windows sessions did not run"
  exit 77
}
command -v wine >/dev/null || skip "wine is not installed"
mkdir -p "${WINEPREFIX:?}"
[ -f "$win32/quill.exe" ] || { echo "$win32/quill.exe is not built"; exit 1; }
if ! wine "$win32/quill.exe" --help 2>/dev/null | tr -d '\r' | grep -qx "usage:"; then
  skip "wine cannot start the 32-bit quill.exe here (Debian: wine32:i386)"
fi
cd "$win32" || exit 1

if [ "$mode" = gtest ]; then
  output=$(wine "$3" 2>&1)
  status=$?
  echo "$output" | tr -d '\r' | grep -E '^\[  (PASSED|FAILED|SKIPPED) |tests? from .* ran'
  clean=$(echo "$output" | tr -d '\r')
  if [ "$status" -eq 0 ] && grep -q '^\[  PASSED  \]' <<<"$clean" &&
    ! grep -q '^\[  FAILED  \]' <<<"$clean"; then
    exit 0
  fi
  echo "$clean" | grep -B2 -A12 'Failure$' | head -200
  exit 1
fi

linux_quill=$3
examples=$4
# The scripts run from a copy of their folder, so that what they save ("../out/...")
# stays out of the sources; each host gets its own copy.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
count=0
for host in linux windows; do
  mkdir -p "$work/$host/out"
  cp -r "$examples" "$work/$host/examples"
done
for script in "$examples"/*.qs; do
  name=$(basename "$script" .qs)
  count=$((count + 1))
  (cd "$work/linux/examples" &&
    "$linux_quill" run "$name.qs" --dump "../$name.json" >"../$name.out" 2>&1)
  echo "exit $?" >>"$work/linux/$name.out"
  # quill.exe finds Quill.aip and its font list beside itself.
  (cd "$work/windows/examples" &&
    wine "$win32/quill.exe" run "$name.qs" --dump "../$name.json" >"../$name.out" 2>&1)
  echo "exit $?" >>"$work/windows/$name.out"
  if cmp -s "$work/linux/$name.json" "$work/windows/$name.json" &&
    diff -q <(tr -d '\r' <"$work/linux/$name.out") <(tr -d '\r' <"$work/windows/$name.out") \
      >/dev/null; then
    echo "same     $name"
  else
    echo "DIFFERS  $name"
    diff <(tr -d '\r' <"$work/linux/$name.out") <(tr -d '\r' <"$work/windows/$name.out")
    diff "$work/linux/$name.json" "$work/windows/$name.json" | head -40
    failures=$((failures + 1))
  fi
done
echo "$((count - failures)) of $count example sessions give the same dump on Windows"
[ "$count" -gt 0 ] && [ "$failures" -eq 0 ]
