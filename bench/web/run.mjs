// Event to frame in the browser: from a pointer move in the page (the event's own time) to
// the frame that shows the host's answer (the first animation frame after the page applied
// it), with the Segment tool tracking the pointer over drawings of 1,000, 10,000 and
// 100,000 paths. Beside it, event to answer applied: the part that is the server's and the
// page's, the rest being the wait for the browser's next frame; and that time's three
// parts, each with its own median and p99.
//   --random-phase: each move waits a random part of a 60 Hz frame first, as a hand's moves
//   come at any moment of the frame (without it, each move follows the previous one's frame
//   by the automation's own delay).
//   --tabs N: N pages open at once, each with its own session on a drawing of --paths
//   paths (1,000 by default); every round moves the pointer in each of them in turn, as
//   one person going from tab to tab (with --together, in all of them at the same moment),
//   and event to answer applied is measured on each.
//   node bench/web/run.mjs --quill build-bench/quill [--samples 300]
//     [--tabs 50 [--paths N] [--together]]
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import {
  argument, launchBrowser, openPage, screenPoint, settled, startServer,
} from '../../tests/web/harness.mjs';

const quill = argument('--quill', 'build/quill');
const samples = Number(argument('--samples', 300));
const randomPhase = process.argv.includes('--random-phase');
const tabs = Number(argument('--tabs', 0));
const tabPaths = Number(argument('--paths', 1000));
const together = process.argv.includes('--together');

// A page of `count` open four-point paths in a grid of cells, each a small zigzag.
function drawing(count) {
  const side = Math.ceil(Math.sqrt(count)), cell = 400 / side;
  const paths = [];
  for (let i = 0; i < count; i++) {
    const x = (i % side) * cell, y = Math.floor(i / side) * cell;
    const k = cell * 0.8;
    paths.push(`<path d="M${x} ${y} L${x + k} ${y + k * 0.3} L${x + k * 0.2} ${y + k * 0.7} L${x + k} ${y + k}" stroke="black" fill="none"/>`);
  }
  return `<svg xmlns="http://www.w3.org/2000/svg" width="400pt" height="400pt" viewBox="0 0 400 400">${paths.join('')}</svg>`;
}

function percentile(sorted, p) {
  return sorted[Math.min(sorted.length - 1, Math.floor(p * sorted.length))];
}

const figures = (list) => {
  list.sort((a, b) => a - b);
  return `median ${percentile(list, 0.5).toFixed(1)} ms, p99 ${percentile(list, 0.99).toFixed(1)} ms`;
};

// A page of its own session showing `count` paths, the Segment tool chosen, recording
// each answer's time from its event to its being applied (and the frame after).
async function pageOver(context, url, file, count) {
  const page = await openPage(context, url);
  await page.setInputFiles('#open-file', file);
  await page.waitForFunction((n) => document.querySelectorAll('[data-art]').length === n, count,
    { timeout: 600000, polling: 500 });
  await page.click('#palette button[data-tool="segment"]');
  await settled(page);
  await page.evaluate(() => {
    window.frames_ = [];
    window.applied_ = [];
    window.parts_ = [];
    window.addEventListener('quill:applied', (e) => {
      const t = e.detail, now = performance.now();
      const applied = now - t.started;
      window.applied_.push(applied);
      window.parts_.push([t.handled - t.started, t.answered - t.handled, now - t.answered]);
      requestAnimationFrame(() => window.frames_.push([performance.now() - t.started, applied]));
    });
  });
  return page;
}

// Over the drawing, along a diagonal sweep that crosses paths and anchors.
const sweep = (i) => [(i * 7.3) % 380 + 10, (i * 13.7) % 380 + 10];

async function oneTab(context, url, dir, count) {
  const file = join(dir, `paths_${count}.svg`);
  writeFileSync(file, drawing(count));
  const page = await pageOver(context, url, file, count);
  const times = [], applied = [];
  for (let i = 0; i < samples + 10; i++) {
    const p = await screenPoint(page, ...sweep(i));
    if (randomPhase) await new Promise((resolve) => setTimeout(resolve, Math.random() * 1000 / 60));
    await page.mouse.move(p.x, p.y);
    await page.waitForFunction((n) => window.frames_.length > n, i);
    if (i < 10) continue;  // warm-up left out
    const [frame, answer] = await page.evaluate((n) => window.frames_[n], i);
    times.push(frame);
    applied.push(answer);
  }
  const transport = await page.evaluate(() => (window.quill.onSocket() ? 'socket' : 'fetch'));
  console.log(`${count} paths: event to frame ${figures(times)}; event to answer applied ` +
    `${figures(applied)} (${times.length} moves, events by ${transport})`);
  // The parts of event to answer applied, each on its own: the browser's delivery of the
  // event to the page, the exchange with the server (the socket both ways, the server and
  // the session's worker), the page applying the answer.
  const parts = (await page.evaluate(() => window.parts_)).slice(-times.length);
  const part = (k) => figures(parts.map((p) => p[k]));
  console.log(`  event to page ${part(0)}; exchange ${part(1)}; applying ${part(2)}`);
  await page.close();
}

// `tabs` pages at once; each round moves the pointer in every one of them, in turn or
// together.
async function manyTabs(context, url, dir) {
  const file = join(dir, `paths_${tabPaths}.svg`);
  writeFileSync(file, drawing(tabPaths));
  const pages = [];
  for (let t = 0; t < tabs; t++) pages.push(await pageOver(context, url, file, tabPaths));
  const rounds = Math.max(20, Math.ceil(samples / tabs)) + 2;
  const move = async (page, t, i) => {
    const p = await screenPoint(page, ...sweep(i * tabs + t));
    await page.mouse.move(p.x, p.y);
    await page.waitForFunction((n) => window.applied_.length > n, i, { polling: 5 });
  };
  for (let i = 0; i < rounds; i++) {
    if (together) await Promise.all(pages.map((page, t) => move(page, t, i)));
    else for (const [t, page] of pages.entries()) await move(page, t, i);
  }
  const applied = [];
  for (const page of pages) applied.push(...(await page.evaluate(() => window.applied_.slice(2))));
  const sessions = new Set(await Promise.all(pages.map((page) =>
    page.evaluate(() => sessionStorage.getItem('quill-session')))));
  console.log(`${tabs} tabs open, ${tabPaths} paths each (${sessions.size} sessions), moves ` +
    `${together ? 'in all tabs together' : 'in one tab at a time'}: event to ` +
    `answer applied ${figures(applied)} (${applied.length} moves)`);
  for (const page of pages) await page.close();
}

const server = await startServer(quill, tabs > 16 ? ['--sessions', String(tabs)] : []);
const context = await launchBrowser(server.dir);
try {
  if (tabs > 0) await manyTabs(context, server.url, server.dir);
  else for (const count of [1000, 10000, 100000]) await oneTab(context, server.url, server.dir, count);
} finally {
  await context.close();
  server.stop();
}
