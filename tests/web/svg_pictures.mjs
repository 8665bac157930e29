// Pictures of SVG files as Debian's chromium draws them, for the round-trip tests:
//   node tests/web/svg_pictures.mjs LIST.json
// LIST.json: [{"svg": FILE, "png": FILE, "width": W, "height": H}, …]. Each drawing is an
// image filling a W × H page on white, screenshot at one device pixel per CSS pixel.
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchBrowser } from './harness.mjs';

const list = JSON.parse(readFileSync(process.argv[2], 'utf8'));
const dir = mkdtempSync(join(tmpdir(), 'quill-svg-pictures-'));
const context = await launchBrowser(dir);
let failed = 0;
try {
  const page = await context.newPage();
  for (const { svg, png, width, height } of list) {
    try {
      const data = readFileSync(svg).toString('base64');
      await page.setViewportSize({ width, height });
      await page.setContent(`<!DOCTYPE html><html><body style="margin:0;background:#fff">
        <img id="drawing" style="display:block;width:${width}px;height:${height}px"
             src="data:image/svg+xml;base64,${data}"></body></html>`);
      const drawn = await page.$eval('#drawing', (img) => img.decode().then(() => img.naturalWidth > 0, () => false));
      if (!drawn) throw new Error('chromium cannot draw it');
      await page.screenshot({ path: png, clip: { x: 0, y: 0, width, height } });
    } catch (e) {
      failed += 1;
      console.log(`${svg}: ${e.message.split('\n')[0]}`);
    }
  }
} finally {
  await context.close();
  rmSync(dir, { recursive: true, force: true });
}
process.exit(failed ? 1 : 0);
