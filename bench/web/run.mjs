// Event to frame in the browser: from a pointer move in the page to the frame that shows
// the host's answer (the first animation frame after the page applied it), with the
// Segment tool tracking the pointer over drawings of 1,000 and 10,000 paths.
//   node bench/web/run.mjs --quill build-bench/quill [--samples 300]
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import {
  argument, launchBrowser, openPage, screenPoint, settled, startServer,
} from '../../tests/web/harness.mjs';

const quill = argument('--quill', 'build/quill');
const samples = Number(argument('--samples', 300));

// A page of `count` open four-point paths in a grid of cells, each a small zigzag.
function drawing(count) {
  const side = Math.ceil(Math.sqrt(count)), cell = 400 / side;
  let paths = '';
  for (let i = 0; i < count; i++) {
    const x = (i % side) * cell, y = Math.floor(i / side) * cell;
    const k = cell * 0.8;
    paths += `<path d="M${x} ${y} L${x + k} ${y + k * 0.3} L${x + k * 0.2} ${y + k * 0.7} L${x + k} ${y + k}" stroke="black" fill="none"/>`;
  }
  return `<svg xmlns="http://www.w3.org/2000/svg" width="400pt" height="400pt" viewBox="0 0 400 400">${paths}</svg>`;
}

function percentile(sorted, p) {
  return sorted[Math.min(sorted.length - 1, Math.floor(p * sorted.length))];
}

const server = await startServer(quill);
const context = await launchBrowser(server.dir);
try {
  for (const count of [1000, 10000]) {
    const file = join(server.dir, `paths_${count}.svg`);
    writeFileSync(file, drawing(count));
    const page = await openPage(context, server.url);
    await page.setInputFiles('#open-file', file);
    await page.waitForFunction((n) => document.querySelectorAll('[data-art]').length === n, count);
    await page.click('#palette button[data-tool="segment"]');
    await settled(page);
    await page.evaluate(() => {
      window.frames_ = [];
      window.addEventListener('quill:applied', (e) => {
        requestAnimationFrame(() => window.frames_.push(performance.now() - e.detail.started));
      });
    });
    const times = [];
    for (let i = 0; i < samples + 10; i++) {
      // Over the drawing, along a diagonal sweep that crosses paths and anchors.
      const t = (i * 7.3) % 380 + 10;
      const p = await screenPoint(page, t, (i * 13.7) % 380 + 10);
      await page.mouse.move(p.x, p.y);
      await page.waitForFunction((n) => window.frames_.length > n, i);
      if (i >= 10) times.push(await page.evaluate((n) => window.frames_[n], i));  // warm-up left out
    }
    times.sort((a, b) => a - b);
    console.log(`${count} paths: event to frame median ${percentile(times, 0.5).toFixed(1)} ms, ` +
      `p99 ${percentile(times, 0.99).toFixed(1)} ms (${times.length} moves)`);
    await page.close();
  }
} finally {
  await context.close();
  server.stop();
}
