// Starts `quill serve` and Debian's chromium for the browser tests, the screenshots and
// the benchmark.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

export function argument(name, fallback) {
  const i = process.argv.indexOf(name);
  return i > 0 ? process.argv[i + 1] : fallback;
}

// The server on a free port with a preference file of its own; resolves once it prints
// its address.
export function startServer(quill, args = []) {
  const dir = mkdtempSync(join(tmpdir(), 'quill-web-'));
  const server = spawn(quill, ['serve', ...args, '--port', '0', '--prefs', join(dir, 'prefs.json')],
    { stdio: ['ignore', 'pipe', 'inherit'] });
  return new Promise((resolve, reject) => {
    let out = '';
    server.on('exit', (code) => reject(new Error(`quill serve ended (${code})`)));
    server.stdout.on('data', (data) => {
      out += data;
      const match = out.match(/Quill is at (\S+)/);
      if (match) {
        resolve({ url: match[1], dir, stop: (signal = 'SIGTERM') => {
          server.kill(signal);
          rmSync(dir, { recursive: true, force: true });
        } });
      }
    });
  });
}

export async function launchBrowser(dir) {
  return chromium.launchPersistentContext(join(dir, 'profile'), {
    executablePath: '/usr/bin/chromium',
    headless: true,
    acceptDownloads: true,
    viewport: { width: 1200, height: 800 },
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

// A page of the session, ready once the server's first state is shown.
export async function openPage(context, url) {
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]');
  return page;
}

// Resolves once every event sent has been answered and shown.
export async function settled(page) {
  await page.waitForFunction(() => window.quill.idle());
}

// Where a document point is on the screen.
export async function screenPoint(page, x, y) {
  return page.evaluate(([px, py]) => {
    const box = document.getElementById('sheet').getBoundingClientRect();
    const at = window.quill.placeOf(px, py);
    return { x: box.left + at.x, y: box.top + at.y };
  }, [x, y]);
}

// A 300 pt square page with one open path from (100, 100) to (200, 100), y upwards.
export const LINE = '<svg xmlns="http://www.w3.org/2000/svg" width="300pt" height="300pt" viewBox="0 0 300 300">' +
  '<path id="base" d="M100 200 L200 200" stroke="black" fill="none"/></svg>';

// The mouse moved to a document point, then clicked, pressed or released there.
export async function at(page, action, x, y) {
  const p = await screenPoint(page, x, y);
  await page.mouse.move(p.x, p.y, { steps: 4 });
  if (action === 'click') await page.mouse.click(p.x, p.y);
  if (action === 'down') await page.mouse.down();
  if (action === 'up') await page.mouse.up();
  await settled(page);
}

// A press at `from`, the pointer moved through each of `through`, released at the last.
export async function drag(page, from, ...through) {
  await at(page, 'down', ...from);
  for (const point of through) await at(page, 'move', ...point);
  await at(page, 'up', ...through[through.length - 1]);
}

// A click on the Parameters panel opened at the document point (50, 290), `dx` and `dy`
// screen pixels right of and below that point, as the panel lays itself out.
export async function panelClick(page, dx, dy) {
  const zoom = await page.evaluate(() => window.quillView().zoom);
  await at(page, 'click', 50 + dx / zoom, 290 - dy / zoom);
}

export async function openDrawing(page, name, text) {
  await page.setInputFiles('#open-file', { name, mimeType: 'image/svg+xml', buffer: Buffer.from(text) });
}

// A drawing opened and shown, its first `count` pieces of art on the page: the upload and
// the events go by different ways, and clicks must find the drawing.
export async function openShown(page, name, text, count = 1) {
  await openDrawing(page, name, text);
  await page.waitForSelector(`[data-art] >> nth=${count - 1}`, { state: 'attached' });
  await settled(page);
}

// A tool of the palette picked, as by a click on its button.
export async function pickTool(page, tool) {
  await page.click(`#palette button[data-tool="${tool}"]`);
  await settled(page);
}

// LINE opened and its first anchor clicked twice with the Segment tool: the refusal's
// alert open.
export async function refusalShown(page) {
  await openShown(page, 'line.svg', LINE);
  await pickTool(page, 'segment');
  await at(page, 'click', 100, 100);
  await at(page, 'click', 100, 100);
  await page.waitForSelector('#alert[open]');
}

// The labels of the dimensions shown, bottom to top.
export function dimensionLabels(page) {
  return page.$$eval('g[data-layer="Dimensions"] > g text', (texts) => texts.map((t) => t.textContent));
}

// Runs one named check, telling ok or FAIL with the error; 1 when it failed.
export async function check(name, body) {
  try {
    await body();
    console.log(`ok   ${name}`);
    return 0;
  } catch (e) {
    console.log(`FAIL ${name}\n${e.stack}`);
    return 1;
  }
}

// Runs each case on a page of its own; the number of failures. Each case gets the page,
// then `extra`.
export async function runCases(context, url, cases, ...extra) {
  let failures = 0;
  for (const [name, test] of Object.entries(cases)) {
    const page = await openPage(context, url);
    failures += await check(name, () => test(page, ...extra));
    if (!page.isClosed()) await page.close();
  }
  return failures;
}

// A file of cases against one server and one browser: runs them, each given the page, the
// server's folder, the browser and the server's address, then `more` (the browser and the
// server; the number of failures), and ends the process with the outcome.
export async function runCaseFile(quill, cases, more = async () => 0) {
  const server = await startServer(quill);
  const context = await launchBrowser(server.dir);
  let failures = 0;
  try {
    failures += await runCases(context, server.url, cases, server.dir, context, server.url);
    failures += await more(context, server);
  } finally {
    await context.close();
    server.stop();
  }
  process.exit(failures ? 1 : 0);
}
