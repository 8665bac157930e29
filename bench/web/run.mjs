// Event to frame in the browser: from a pointer move in the page (the event's own time) to
// the frame that shows the host's answer (the first animation frame after the page applied
// it), with the Segment tool tracking the pointer over drawings of 1,000 and 10,000 paths.
// Beside it, event to answer applied: the part that is the server's and the page's, the
// rest being the wait for the browser's next frame.
//   --random-phase: each move waits a random part of a 60 Hz frame first, as a hand's moves
//   come at any moment of the frame (without it, each move follows the previous one's frame
//   by the automation's own delay).
//   node bench/web/run.mjs --quill build-bench/quill [--samples 300]
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import {
  argument, launchBrowser, openPage, screenPoint, settled, startServer,
} from '../../tests/web/harness.mjs';

const quill = argument('--quill', 'build/quill');
const samples = Number(argument('--samples', 300));
const randomPhase = process.argv.includes('--random-phase');

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
        const applied = performance.now() - e.detail.started;
        requestAnimationFrame(() => window.frames_.push([performance.now() - e.detail.started, applied]));
      });
    });
    const times = [], applied = [];
    for (let i = 0; i < samples + 10; i++) {
      // Over the drawing, along a diagonal sweep that crosses paths and anchors.
      const t = (i * 7.3) % 380 + 10;
      const p = await screenPoint(page, t, (i * 13.7) % 380 + 10);
      if (randomPhase) await new Promise((resolve) => setTimeout(resolve, Math.random() * 1000 / 60));
      await page.mouse.move(p.x, p.y);
      await page.waitForFunction((n) => window.frames_.length > n, i);
      if (i < 10) continue;  // warm-up left out
      const [frame, answer] = await page.evaluate((n) => window.frames_[n], i);
      times.push(frame);
      applied.push(answer);
    }
    const figures = (list) => {
      list.sort((a, b) => a - b);
      return `median ${percentile(list, 0.5).toFixed(1)} ms, p99 ${percentile(list, 0.99).toFixed(1)} ms`;
    };
    const transport = await page.evaluate(() => (window.quill.onSocket() ? 'socket' : 'fetch'));
    console.log(`${count} paths: event to frame ${figures(times)}; event to answer applied ` +
      `${figures(applied)} (${times.length} moves, events by ${transport})`);
    await page.close();
  }
} finally {
  await context.close();
  server.stop();
}
