// Browser tests of the drawing area of `quill serve` as a desk as large as the window:
// panels, texts and art beyond the page are shown whole and take the pointer.
//   node tests/web/desk.mjs --quill build/quill
import assert from 'node:assert/strict';
import { argument, at, drag, LINE, openShown, pickTool, runCaseFile, settled } from './harness.mjs';

const quill = argument('--quill', 'build/quill');

async function realSize(page) {
  await page.click('#zoom-real');
  await page.waitForFunction(() => window.quillView().zoom === 1);
  await settled(page);
}

// Whether a box of the screen lies whole within an element's box on the screen.
function within(box, outer) {
  return box.left >= outer.left - 0.5 && box.right <= outer.right + 0.5 &&
    box.top >= outer.top - 0.5 && box.bottom <= outer.bottom + 0.5;
}

const boxOf = (page, selector) => page.$eval(selector, (e) => e.getBoundingClientRect().toJSON());

// The feedback drawn, whole in the overlay and in the window.
async function feedbackShown(page) {
  const feedback = await boxOf(page, '#annotation');
  assert.ok(feedback.width > 0);
  assert.ok(within(feedback, await boxOf(page, '#overlay')), 'cut by the overlay');
  assert.ok(within(feedback, await boxOf(page, '#scroller')), 'out of the window');
  return feedback;
}

const cases = {
  async 'a Parameters panel opened at the page\'s lower right corner is on screen whole'(page) {
    await openShown(page, 'line.svg', LINE);
    await pickTool(page, 'parameters');
    await at(page, 'click', 295, 5);
    const panel = await feedbackShown(page);
    // The chooser lists every parameter, down to the last tool's.
    assert.ok(panel.height > 300, `${panel.height} px`);
  },

  async 'a feedback text beside the page\'s right edge is not cut'(page) {
    await openShown(page, 'line.svg', LINE);
    await realSize(page);
    await pickTool(page, 'parameters');
    await at(page, 'move', 298, 150);
    const hint = await feedbackShown(page);
    const view = await page.evaluate(() => window.quillView());
    const pageRight = (await boxOf(page, '#page')).right;
    // The hint runs on past the page and its margin, where the view used to end.
    assert.ok(hint.right > pageRight + view.zoom * 72 * 4 / 3, `${hint.right} px`);
  },

  async 'a dimension dragged far below the page is shown whole, hovered and dragged again'(page) {
    await openShown(page, 'line.svg', LINE);
    await realSize(page);
    await pickTool(page, 'segment');
    await at(page, 'click', 100, 100);
    await drag(page, [200, 100], [150, -120]);
    const dimension = 'g[data-layer="Dimensions"] > g';
    const first = await boxOf(page, dimension);
    assert.ok(within(first, await boxOf(page, '#drawing')));
    assert.ok(first.bottom > (await boxOf(page, '#page')).bottom + 120 * 4 / 3);
    await at(page, 'move', 120, -120);
    assert.equal(await page.evaluate(() => window.quill.cursor), 21003);  // over its line
    await drag(page, [120, -120], [120, -150]);
    const moved = await boxOf(page, dimension);
    assert.ok(Math.abs(moved.bottom - first.bottom - 30 * 4 / 3) < 2, `${moved.bottom - first.bottom} px`);
    assert.ok(within(moved, await boxOf(page, '#drawing')));
    assert.deepEqual(await page.$$eval(`${dimension} text`, (t) => t.map((e) => e.textContent)), ['100 pt']);
  },

  async 'the grey desk around the page takes the pointer wherever the window shows it'(page) {
    await openShown(page, 'line.svg', LINE);
    await realSize(page);
    await pickTool(page, 'segment');
    const scroller = await boxOf(page, '#scroller');
    const sheet = await boxOf(page, '#sheet');
    assert.ok(within(scroller, sheet), 'the desk fills the window');
    const pageBefore = await boxOf(page, '#page');
    // The window's far corner, far outside the page and its margin.
    await page.mouse.move(scroller.right - 3, scroller.bottom - 3, { steps: 4 });
    await settled(page);
    // The feedback there grew the desk beyond the window, and moved nothing.
    assert.deepEqual(await boxOf(page, '#page'), pageBefore);
    assert.ok((await boxOf(page, '#sheet')).right > sheet.right);
    const point = await page.evaluate(() => window.quill.lastPointer);
    const view = await page.evaluate(() => window.quillView());
    assert.ok(point.x > view.pageWidth + 72 && point.y < -72, JSON.stringify(point));
  },
};

await runCaseFile(quill, cases);
