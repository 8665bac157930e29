// Screenshots of a session for the README: the plate opened, a segment dimension being
// placed, then the alert of a refusal.
//   node tests/web/screenshots.mjs --quill build/quill
import { join } from 'node:path';
import { argument, launchBrowser, openPage, pickTool, screenPoint, settled, startServer } from './harness.mjs';

const root = new URL('../../', import.meta.url).pathname;
const quill = argument('--quill', join(root, 'build/quill'));
const server = await startServer(quill, [join(root, 'examples/plaque.svg')]);
const context = await launchBrowser(server.dir);
try {
  const page = await openPage(context, server.url);
  const move = async (x, y) => {
    const p = await screenPoint(page, x, y);
    await page.mouse.move(p.x, p.y, { steps: 5 });
    await settled(page);
  };
  await pickTool(page, 'segment');
  await move(56.69, 85.04);
  await page.mouse.down();
  await page.mouse.up();
  await move(481.89, 85.04);
  await page.screenshot({ path: join(root, 'docs/images/serve_hover.png') });
  await page.mouse.down();
  await move(270, 40);
  await page.mouse.up();
  await move(300, 200);
  await page.screenshot({ path: join(root, 'docs/images/serve_dimension.png') });
  await move(481.89, 85.04);
  await page.mouse.down();
  await page.mouse.up();
  await move(481.89, 85.04);
  await page.mouse.down();
  await page.mouse.up();
  await page.waitForSelector('#alert[open]');
  await page.screenshot({ path: join(root, 'docs/images/serve_alert.png') });
} finally {
  await context.close();
  server.stop();
}
