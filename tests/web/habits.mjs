// Browser tests of the page's drawing-program habits in `quill serve`: fit and real size,
// Ctrl + wheel about the pointer, Escape, the drawing's name, the pointer leaving.
//   node tests/web/habits.mjs --quill build/quill
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { argument, at, drag, LINE, openShown, pickTool, refusalShown, runCaseFile, screenPoint, settled } from './harness.mjs';

const quill = argument('--quill', 'build/quill');
// A sheet far larger than the window at real size.
const LARGE = LINE.replace('width="300pt" height="300pt" viewBox="0 0 300 300"',
  'width="3000pt" height="2000pt" viewBox="0 0 3000 2000"');

const zoomOf = (page) => page.evaluate(() => window.quillView().zoom);
const waitZoom = (page, zoom) => page.waitForFunction((z) => Math.abs(window.quillView().zoom - z) < 1e-3 * z, zoom);

// How the page and its margin lie in the window: whole, touching its width or its height,
// with nothing to scroll to.
async function shownWhole(page) {
  return page.evaluate(() => {
    const scroller = document.getElementById('scroller'), v = window.quillView();
    const k = 4 / 3, w = v.widthPx * k, h = v.heightPx * k;
    const inside = w <= scroller.clientWidth && h <= scroller.clientHeight;
    const touching = scroller.clientWidth - w < 8 || scroller.clientHeight - h < 8;
    const still = scroller.scrollWidth <= scroller.clientWidth && scroller.scrollHeight <= scroller.clientHeight;
    return inside && touching && still;
  });
}

// The document point under a place of the screen.
function documentPoint(page, place) {
  return page.evaluate(({ x, y }) => {
    const box = document.getElementById('sheet').getBoundingClientRect();
    return window.quill.pointAt(x - box.left, y - box.top);
  }, place);
}

const cases = {
  async 'an opened drawing is shown whole; "100 %", "Ajuster", Ctrl+1 and Ctrl+0'(page) {
    await openShown(page, 'grand.svg', LARGE);
    await page.waitForFunction(() => window.quillView().zoom < 0.5);
    await settled(page);
    assert.ok(await shownWhole(page));
    const fitted = await zoomOf(page);
    await page.click('#zoom-real');
    await waitZoom(page, 1);
    assert.equal(await page.textContent('#zoom-level'), '100 %');
    await page.click('#zoom-fit');
    await waitZoom(page, fitted);
    await page.click('#scroller', { position: { x: 5, y: 5 } });
    await page.keyboard.press('Control+1');
    await waitZoom(page, 1);
    await page.keyboard.press('Control+0');
    await waitZoom(page, fitted);
    assert.ok(await shownWhole(page));
  },

  async 'Ctrl + wheel keeps the point under the pointer, notches quick or slow'(page) {
    await openShown(page, 'grand.svg', LARGE);
    await page.click('#zoom-real');
    await waitZoom(page, 1);
    await settled(page);
    const pointer = { x: 500, y: 400 };
    const point = await documentPoint(page, pointer);
    const drift = async () => {
      const p = await screenPoint(page, point.x, point.y);
      return Math.hypot(p.x - pointer.x, p.y - pointer.y);
    };
    await page.mouse.move(pointer.x, pointer.y);
    await page.keyboard.down('Control');
    // Four notches in one go, before the server answers any.
    await page.evaluate(({ x, y }) => {
      for (let i = 0; i < 4; i += 1) {
        document.getElementById('sheet').dispatchEvent(new WheelEvent('wheel',
          { clientX: x, clientY: y, deltaY: -100, ctrlKey: true, bubbles: true, cancelable: true }));
      }
    }, pointer);
    await waitZoom(page, 1.25 ** 4);
    await settled(page);
    assert.ok(await drift() < 1.5, `${await drift()} px`);
    for (const [notch, zoom] of [[100, 1.25 ** 3], [100, 1.25 ** 2], [-100, 1.25 ** 3]]) {
      await page.mouse.wheel(0, notch);
      await waitZoom(page, zoom);
      await settled(page);
      assert.ok(await drift() < 1.5, `${await drift()} px at zoom ${zoom}`);
    }
    await page.keyboard.up('Control');
  },

  async 'Escape closes an alert and leaves the zoom rectangle, whose button shows it is armed'(page) {
    await refusalShown(page);
    await page.keyboard.press('Escape');
    await page.waitForSelector('#alert:not([open])', { state: 'attached' });
    const pressed = () => page.getAttribute('#zoom-box', 'aria-pressed');
    const colour = () => page.$eval('#zoom-box', (b) => getComputedStyle(b).backgroundColor);
    const idle = await colour();
    await page.click('#zoom-box');
    assert.equal(await pressed(), 'true');
    assert.notEqual(await colour(), idle);
    await page.keyboard.press('Escape');
    assert.equal(await pressed(), 'false');
    // The mode is left: a drag is the tool's again, not a zoom.
    const zoom = await zoomOf(page);
    await drag(page, [50, 50], [250, 250]);
    assert.equal(await zoomOf(page), zoom);
  },

  async 'downloads are named after the drawing, whose name is in the title and the toolbar'(page) {
    await openShown(page, 'plaque.svg', LINE);
    const named = async (button) => {
      const [file] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
      return file.suggestedFilename();
    };
    assert.equal(await named('#save'), 'plaque-cotes.svg');
    await page.click('#export-png');
    assert.equal(await named('#picture-export'), 'plaque.png');
    assert.equal(await page.textContent('#drawing-name'), 'plaque.svg');
    assert.match(await page.title(), /^plaque\.svg/);
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    assert.match(await page.title(), /^plaque\.svg/);
    await openShown(page, 'plaque-cotes.svg', LINE);
    assert.equal(await named('#save'), 'plaque-cotes.svg');
  },

  async 'the picture\'s resolution is asked, values out of range refused in French'(page) {
    await openShown(page, 'plaque.svg', LINE);
    const widthAt = async (dpi) => {
      await page.click('#export-png');
      await page.fill('#picture-dpi', String(dpi));
      const [file] = await Promise.all([page.waitForEvent('download'), page.press('#picture-dpi', 'Enter')]);
      assert.equal(file.suggestedFilename(), 'plaque.png');
      // The PNG's header: its width, big-endian, 16 bytes in.
      return readFileSync(await file.path()).readUInt32BE(16);
    };
    await page.click('#export-png');
    assert.equal(await page.inputValue('#picture-dpi'), '150');
    await page.click('#picture-cancel');
    // The page of 300 pt (400 px at 96 to the inch) and a margin of 8 px each side.
    assert.equal(await widthAt(150), 650);
    assert.equal(await widthAt(300), 1300);
    await page.click('#export-png');
    assert.equal(await page.inputValue('#picture-dpi'), '300');
    for (const wrong of ['50', '601', 'cent', '']) {
      await page.fill('#picture-dpi', wrong);
      await page.click('#picture-export');
      assert.ok(await page.isVisible('#picture'), wrong);
      assert.equal(await page.textContent('#picture .refusal'),
        'La résolution doit être un nombre entier de 72 à 600 points par pouce.');
    }
    await page.keyboard.press('Escape');
    assert.ok(!(await page.isVisible('#picture')));
    const refused = await page.evaluate(async () => {
      const answer = await fetch(`api/png?session=${sessionStorage.getItem('quill-session')}&dpi=7000`);
      return [answer.status, (await answer.json()).error];
    });
    assert.deepEqual(refused, [400, 'La résolution doit être un nombre entier de 72 à 600 points par pouce.']);
  },

  async 'the feedback goes when the pointer leaves the drawing, and comes back with it'(page) {
    await openShown(page, 'line.svg', LINE);
    await pickTool(page, 'segment');
    await at(page, 'move', 100, 100);
    const feedback = () => page.$eval('#overlay', (o) =>
      o.childElementCount > 0 && getComputedStyle(o).visibility === 'visible');
    assert.ok(await feedback());
    const bar = await page.locator('#zoom-level').boundingBox();
    await page.mouse.move(bar.x + 2, bar.y + 2, { steps: 4 });
    assert.equal(await feedback(), false);
    await at(page, 'move', 100, 100);
    assert.ok(await feedback());
  },

  async 'Tab reaches every control, its focus outlined; Space and Enter press it'(page) {
    await openShown(page, 'line.svg', LINE);
    await page.evaluate(() => document.activeElement.blur());
    const reached = [];
    for (let i = 0; i < 15; i += 1) {
      await page.keyboard.press('Tab');
      reached.push(await page.evaluate(() => {
        const e = document.activeElement, style = getComputedStyle(e);
        const outlined = style.outlineStyle !== 'none' && parseFloat(style.outlineWidth) >= 1;
        return `${e.dataset.tool ?? e.id}${outlined ? '' : ' (no outline)'}`;
      }));
    }
    assert.deepEqual(reached, ['select', 'segment', 'angle', 'circle', 'bezier', 'lengths', 'parameters',
      'undo', 'open', 'save', 'export-png', 'zoom-fit', 'zoom-real', 'zoom-box', 'scroller']);
    await page.focus('#palette button[data-tool="angle"]');
    await page.keyboard.press('Space');
    await settled(page);
    assert.equal(await page.evaluate(() => window.quill.tool), 'angle');
    const chooser = page.waitForEvent('filechooser');
    await page.focus('#open');
    await page.keyboard.press('Enter');
    await chooser;
  },

  async 'the toolbar wraps in a narrow window, every control on screen'(page) {
    await page.setViewportSize({ width: 480, height: 700 });
    await page.waitForSelector('#palette button');
    const outside = await page.$$eval('#bar button', (controls) =>
      controls.filter((c) => c.getBoundingClientRect().right > window.innerWidth).map((c) => c.textContent));
    assert.deepEqual(outside, []);
  },
};

await runCaseFile(quill, cases);
