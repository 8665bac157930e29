// The JavaScript side of the Bézier length benchmark: bezier-js's length() on each curve
// set, timed per curve the same way as the C++ side (a curve measured `repeats` times in
// a row, the median of the per-curve times reported). Prints one JSON line per set.
"use strict";
const fs = require("fs");
const path = require("path");
const { Bezier } = require("bezier-js");

function readDoubles(file) {
  const buffer = fs.readFileSync(file);
  return new Float64Array(buffer.buffer, buffer.byteOffset, buffer.length / 8);
}

function median(values) {
  const sorted = Float64Array.from(values).sort();
  return sorted[Math.floor(sorted.length / 2)];
}

function measure(dir, repeats) {
  const cubics = readDoubles(path.join(dir, "cubics.bin"));
  const lengths = readDoubles(path.join(dir, "lengths.bin"));
  const count = lengths.length;
  const curves = [];
  for (let i = 0; i < count; i++) {
    const c = cubics.subarray(8 * i, 8 * i + 8);
    curves.push(new Bezier(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]));
  }
  let maxError = 0;
  let sumError = 0;
  for (let i = 0; i < count; i++) {
    const error = Math.abs(curves[i].length() - lengths[i]);
    maxError = Math.max(maxError, error);
    sumError += error;
  }
  // Warm the JIT up before timing.
  let sink = 0;
  for (let round = 0; round < 3; round++) for (const curve of curves) sink += curve.length();
  const times = new Float64Array(count);
  for (let i = 0; i < count; i++) {
    const curve = curves[i];
    const start = process.hrtime.bigint();
    for (let k = 0; k < repeats; k++) sink += curve.length();
    times[i] = Number(process.hrtime.bigint() - start) / repeats;
  }
  return { set: path.basename(dir), curves: count, medianNs: median(times),
           maxError, meanError: sumError / count, sink: sink > 0 };
}

const repeats = Number(process.env.BENCH_REPEATS || 16);
for (const dir of process.argv.slice(2)) console.log(JSON.stringify(measure(dir, repeats)));
