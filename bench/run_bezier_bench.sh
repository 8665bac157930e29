#!/usr/bin/env bash
# Runs the host's Bézier length and bezier-js's length() on the same curve sets, one
# after the other in this run, and prints both with the ratio of their median times per
# curve. Builds the benchmarks (build-bench/) and installs bezier-js under bench/js/ when
# needed. Usage: bench/run_bezier_bench.sh [SETS_FOLDER] (default: ../shared/bench).
set -euo pipefail
cd "$(dirname "$0")/.."
sets=${1:-$(cd .. && pwd)/shared/bench}
[ -d build-bench ] || scripts/build.sh bench >/dev/null
cmake --build build-bench --target bezier_length_bench >/dev/null
(cd bench/js && [ -d node_modules/bezier-js ] || npm install --no-audit --no-fund --silent)

quill_json=$(mktemp)
js_json=$(mktemp)
trap 'rm -f "$quill_json" "$js_json"' EXIT
QUILL_BENCH_SETS="$sets" build-bench/bench/bezier_length_bench \
  --benchmark_filter='BezierLength/' --benchmark_format=json >"$quill_json"
node bench/js/bezier_js_bench.js "$sets/corpus" "$sets/arcs" "$sets/random" >"$js_json"

node - "$quill_json" "$js_json" <<'JS'
const fs = require("fs");
const quill = JSON.parse(fs.readFileSync(process.argv[2], "utf8")).benchmarks;
const js = fs.readFileSync(process.argv[3], "utf8").trim().split("\n").map((l) => JSON.parse(l));
const row = (cells) => console.log(cells.map((c, i) => String(c).padStart(i ? 14 : 8)).join(" "));
row(["set", "curves", "Quill ns", "bezier-js ns", "time ratio", "Quill max err", "bjs max err", "Quill t err"]);
for (const j of js) {
  const q = quill.find((b) => b.name.split("/").slice(0, 2).join("/") === `BezierLength/${j.set}`);
  if (!q) continue;
  row([j.set, j.curves, q.median_ns.toFixed(1), j.medianNs.toFixed(1),
       (q.median_ns / j.medianNs).toFixed(3), q.max_error_pt.toExponential(2),
       j.maxError.toExponential(2), q.t_max_error_pt.toExponential(2)]);
}
JS
