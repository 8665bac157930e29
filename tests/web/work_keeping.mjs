// Browser tests of what keeps the user's work in `quill serve`: reloads, opening another
// drawing, two tabs' settings, a server that stops.
//   node tests/web/work_keeping.mjs --quill build/quill
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { argument, at, check, dimensionLabels as labels, drag, LINE, openPage, openShown, panelClick, pickTool, runCaseFile, settled, startServer } from './harness.mjs';

const quill = argument('--quill', 'build/quill');
const OTHER = LINE.replace('M100 200 L200 200', 'M50 50 L250 250');

// A 100 pt segment dimension on LINE's path.
async function dimensionLine(page) {
  await openShown(page, 'line.svg', LINE);
  await pickTool(page, 'segment');
  await at(page, 'click', 100, 100);
  await drag(page, [200, 100], [150, 130]);
}

// Every dialog the browser raises is noted and accepted.
function noteDialogs(page) {
  const seen = [];
  page.on('dialog', (dialog) => {
    seen.push(dialog.type());
    dialog.accept();
  });
  return seen;
}

// The Parameters panel's chooser opened, then its first row clicked: the unit page.
async function openUnitPage(page) {
  await openShown(page, 'line.svg', LINE);
  await pickTool(page, 'parameters');
  await panelClick(page, 0, 0);
  await panelClick(page, 100, 9);
}

const cases = {
  async 'a reloaded tab asks first, then shows the same drawing and dimension'(page) {
    const dialogs = noteDialogs(page);
    await dimensionLine(page);
    assert.deepEqual(await labels(page), ['100 pt']);
    const zoom = await page.textContent('#zoom-level');
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    assert.deepEqual(dialogs, ['beforeunload']);
    assert.deepEqual(await labels(page), ['100 pt']);
    assert.equal(await page.locator('[data-art]').count(), 2);  // the path and the dimension
    assert.equal(await page.textContent('#zoom-level'), zoom);
    assert.equal(await page.evaluate(() => window.quill.tool), 'segment');
  },

  async 'a copy of the tab (as the browser duplicates it) takes a session of its own'(page) {
    await dimensionLine(page);
    const [copy] = await Promise.all([page.waitForEvent('popup'),
      page.evaluate(() => { window.open(location.href); })]);
    await copy.waitForSelector('body[data-ready="true"]');
    const id = (p) => p.evaluate(() => sessionStorage.getItem('quill-session'));
    assert.notEqual(await id(copy), await id(page));
    assert.deepEqual(await labels(copy), []);
    await copy.close();
  },

  async '"Ouvrir…" asks before a changed drawing is let go, and not once it is saved'(page) {
    const dialogs = noteDialogs(page);
    await dimensionLine(page);
    let choosers = 0;
    page.on('filechooser', () => { choosers += 1; });
    await page.click('#open');
    await page.waitForSelector('#discard[open]');
    assert.match(await page.textContent('#discard'), /modifications qui ne sont pas enregistrées/);
    await page.click('#discard-cancel');
    await page.waitForSelector('#discard:not([open])', { state: 'attached' });
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'),
      page.click('#open').then(() => page.click('#discard-open'))]);
    await chooser.setFiles({ name: 'other.svg', mimeType: 'image/svg+xml', buffer: Buffer.from(OTHER) });
    await page.waitForFunction(() => !document.querySelector('g[data-layer="Dimensions"] > g'));
    assert.equal(choosers, 1);
    // Opened and untouched: nothing to lose, no question.
    await Promise.all([page.waitForEvent('filechooser'), page.click('#open')]);
    assert.ok(!(await page.isVisible('#discard')));
    // Changed, then saved: no question either, when opening or leaving.
    await dimensionLine(page);
    await Promise.all([page.waitForEvent('download'), page.click('#save')]);
    await Promise.all([page.waitForEvent('filechooser'), page.click('#open')]);
    assert.ok(!(await page.isVisible('#discard')));
    await page.close({ runBeforeUnload: true });
    assert.deepEqual(dialogs, []);
  },

  async 'Escape cancels an open waiting on the question, by the button or by a drop'(page) {
    await dimensionLine(page);
    let choosers = 0;
    page.on('filechooser', () => { choosers += 1; });
    const escaped = async () => {
      await page.waitForSelector('#discard[open]');
      await page.keyboard.press('Escape');
      await page.waitForSelector('#discard:not([open])', { state: 'attached' });
      await settled(page);
    };
    await page.click('#open');
    await escaped();
    await page.evaluate((text) => {
      const files = new DataTransfer();
      files.items.add(new File([text], 'other.svg', { type: 'image/svg+xml' }));
      document.getElementById('scroller').dispatchEvent(
        new DragEvent('drop', { dataTransfer: files, bubbles: true, cancelable: true }));
    }, OTHER);
    await escaped();
    assert.equal(choosers, 0);
    assert.deepEqual(await labels(page), ['100 pt']);
    assert.equal(await page.textContent('#drawing-name'), 'line.svg');
  },

  async 'two tabs store only what each changed, and a new tab starts with both'(first, dir, context, url) {
    const second = await openPage(context, url);
    await openUnitPage(first);
    await openUnitPage(second);
    await panelClick(first, 100, 45);  // "Centimètres"
    await panelClick(second, 60, 245);  // "Affiche l'unité : Non", the unit page stored whole
    const stored = JSON.parse(readFileSync(join(dir, 'prefs.json'), 'utf8')).ORLQUILL;
    assert.equal(stored.UnitePrefs, 2);
    assert.equal(stored.AfficheUnite, false);
    await second.close();
    const third = await openPage(context, url);
    await dimensionLine(third);
    assert.deepEqual(await labels(third), ['3,5']);  // 100 pt in centimetres, no unit
    await third.close();
  },
};

// The server stops under an open tab, or vanishes: the tab says so and still gives what
// it shows.
async function serverStops(context, signal, told) {
  const server = await startServer(quill);
  const page = await openPage(context, server.url);
  await dimensionLine(page);
  server.stop(signal);
  await page.waitForSelector('#gone[open]');
  assert.match(await page.textContent('#gone-text'), told);
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#gone-download')]);
  const shown = readFileSync(await download.path(), 'utf8');
  assert.match(shown, /<path[^>]*d="M/);
  assert.match(shown, />100 pt</);
  await page.close();
}

// A tab back long after it went finds its session freed, and starts another, saying so.
async function sessionExpired(context) {
  const server = await startServer(quill, ['--idle-minutes', '0.005']);  // 0.3 s
  const page = await openPage(context, server.url);
  await dimensionLine(page);
  const id = await page.evaluate(() => sessionStorage.getItem('quill-session'));
  await page.goto('about:blank');
  await new Promise((resolve) => setTimeout(resolve, 2000));
  await page.goto(server.url);
  await page.waitForSelector('body[data-ready="true"]');
  assert.match(await page.textContent('#message'), /n'existait plus sur le serveur/);
  assert.notEqual(await page.evaluate(() => sessionStorage.getItem('quill-session')), id);
  assert.deepEqual(await labels(page), []);
  await page.close();
  server.stop();
}

await runCaseFile(quill, cases, async (context) => {
  let failures = await check('a tab back after its session expired starts another and says so',
    () => sessionExpired(context));
  failures += await check('a stopped server is told in French, and what the tab shows can be downloaded',
    () => serverStops(context, 'SIGTERM', /^Le serveur Quill s'est arrêté\. /));
  failures += await check('a server gone without a word is noticed, and what the tab shows can be downloaded',
    () => serverStops(context, 'SIGKILL', /^Le serveur ne répond pas/));
  return failures;
});
