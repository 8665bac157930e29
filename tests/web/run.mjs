// Browser tests of `quill serve`: a person's session in Chromium, with real mouse events.
//   node tests/web/run.mjs --quill build/quill
import assert from 'node:assert/strict';
import { argument, at, check, drag, LINE, openDrawing, openShown, pickTool, refusalShown, runCaseFile, settled } from './harness.mjs';

const quill = argument('--quill', 'build/quill');
// A plate (60 to 100 pt wide, 50 to 100 pt high) and a mark at x = 200 pt, y upwards.
const PLATE = '<svg xmlns="http://www.w3.org/2000/svg" width="300pt" height="300pt" viewBox="0 0 300 300">' +
  '<path id="plate" d="M60 200 L100 200 L100 250 L60 250 Z" stroke="black" fill="none"/>' +
  '<path id="mark" d="M200 200 L200 240" stroke="black" fill="none"/></svg>';

const cases = {
  async 'the palette shows the plug-in tools with their icons and tool tips'(page) {
    await page.waitForFunction(() => [...document.querySelectorAll('#palette img')].every((i) => i.complete));
    const tools = await page.$$eval('#palette button', (buttons) => buttons.map((b) =>
      ({ tip: b.title, icon: b.querySelector('img').naturalWidth > 0 })));
    assert.deepEqual(tools.map((t) => t.tip), ['Sélection', 'Outil Segment 7.0', 'Outil Angle 7.0', 'Outil Cercle 7.0',
      'Outil Bézier 7.0', 'Longueur & Aires 7.0', 'Outil Paramètres 7.0']);
    assert.ok(tools.every((t) => t.icon));
    await pickTool(page, 'segment');
    assert.equal(await page.getAttribute('#palette button[data-tool="segment"]', 'aria-pressed'), 'true');
  },

  async 'a segment dimension drawn with the mouse, Shift held while dragging'(page) {
    await openShown(page, 'line.svg', LINE);
    await pickTool(page, 'segment');
    await at(page, 'click', 100, 100);
    assert.equal(await page.evaluate(() => window.quill.cursor), 21001);  // over an anchor
    await at(page, 'down', 200, 100);
    await page.keyboard.down('Shift');
    await at(page, 'move', 150, 120);
    await at(page, 'up', 150, 120);
    await page.keyboard.up('Shift');
    await settled(page);
    const dimension = await page.$$eval('g[data-layer="Dimensions"] > g', (groups) => groups.map((g) =>
      ({ pieces: g.children.length, label: g.querySelector('text')?.textContent })));
    assert.deepEqual(dimension, [{ pieces: 7, label: '100 pt' }]);
  },

  async 'the plate moved under its dimension is measured again, each step undone and redone'(page) {
    await openShown(page, 'plate.svg', PLATE, 2);
    const shown = () => page.$eval('#drawing', (svg) => svg.innerHTML);
    const label = () => page.$eval('g[data-layer="Dimensions"] text', (t) => t.textContent);
    const key = async (keys) => {
      await page.keyboard.press(keys);
      await settled(page);
    };
    await pickTool(page, 'segment');
    await at(page, 'click', 100, 100);
    await at(page, 'click', 200, 100);
    assert.equal(await label(), '100 pt');
    const dimensioned = await shown();

    await pickTool(page, 'select');
    await drag(page, [80, 50], [70, 50], [60, 50]);
    assert.equal(await page.textContent('#undo'), 'Annuler Déplacement');
    // Its bounding box, and a square on each of its four anchors.
    assert.equal(await page.$$eval('#selection-marks rect', (boxes) => boxes.length), 1);
    assert.equal(await page.$$eval('#overlay #selection rect', (anchors) => anchors.length), 4);
    const moved = await shown();
    await pickTool(page, 'segment');
    await at(page, 'click', 115, 112);
    assert.equal(await label(), '120 pt');

    await key('Control+z');
    await key('Control+z');
    assert.equal(await shown(), dimensioned);
    assert.equal(await label(), '100 pt');
    assert.equal(await page.textContent('#redo'), 'Rétablir Déplacement');
    await key('Control+Shift+z');
    assert.equal(await shown(), moved);

    await pickTool(page, 'select');
    await at(page, 'click', 40, 75);
    await key('Delete');
    assert.equal(await page.$$eval('g[data-layer="Calque 1"] > *', (art) => art.length), 1);
    await page.click('#undo');
    await settled(page);
    assert.equal(await page.$$eval('g[data-layer="Calque 1"] > *', (art) => art.length), 2);
    assert.equal(await page.textContent('#undo'), 'Annuler Déplacement');
  },

  async 'a refusal is shown as a modal alert with its exact text'(page) {
    await refusalShown(page);
    assert.equal(await page.getAttribute('#alert', 'data-text'),
      'Il faut cliquer sur deux points distincts. Cotation impossible !');
    await page.click('#alert-ok');
    await page.waitForSelector('#alert:not([open])', { state: 'attached' });
  },

  async 'a bad upload is answered with a message and the drawing stays'(page) {
    await openShown(page, 'line.svg', LINE);
    await openDrawing(page, 'broken.svg', '<svg xmlns="http://www.w3.org/2000/svg"><path d=');
    await page.waitForFunction(() => document.getElementById('message').textContent.includes('broken.svg'));
    assert.match(await page.textContent('#message'), /^broken\.svg ne peut pas être ouvert ; le dessin ouvert reste \(/);
    assert.equal(await page.locator('[data-art]').count(), 1);
  },

  async 'events go on the event socket, which refuses a malformed event and goes on'(page) {
    assert.ok(await page.evaluate(() => window.quill.onSocket()));
    const answers = await page.evaluate(async () => {
      const port = (await (await fetch('api/state?session=probe')).json()).eventPort;
      const url = (token) => `ws://${location.hostname}:${port}/${token}/api/events?session=probe`;
      const talk = (token, messages) => new Promise((resolve) => {
        const socket = new WebSocket(url(token)), heard = [];
        socket.onopen = () => socket.send(messages[0]);
        socket.onmessage = (e) => {
          heard.push(JSON.parse(e.data));
          if (heard.length < messages.length) socket.send(messages[heard.length]);
          else socket.close();
        };
        socket.onclose = () => resolve(heard);
      });
      const token = location.pathname.split('/')[1];
      return { good: await talk(token, ['{', '{"type":"move","x":10,"y":10,"keys":[]}']),
        noToken: await talk('nope', ['{"type":"move","x":10,"y":10,"keys":[]}']) };
    });
    assert.equal(answers.good[0].error, 'L\'évènement n\'est pas du JSON.');
    assert.ok(!('error' in answers.good[1]) && 'cursor' in answers.good[1]);
    assert.deepEqual(answers.noToken, []);
  },

};

// A handshake from another site's page is refused, as its requests are.
async function socketFromElsewhere(serverUrl, port) {
  const { request } = await import('node:http');
  const url = new URL(serverUrl);
  return new Promise((resolve, reject) => {
    const r = request({ host: url.hostname, port, path: `${url.pathname}api/events?session=x`, headers: {
      Connection: 'Upgrade', Upgrade: 'websocket', 'Sec-WebSocket-Version': '13',
      'Sec-WebSocket-Key': 'dGhlIHNhbXBsZSBub25jZQ==', Origin: 'http://elsewhere.example' } });
    r.on('response', (answer) => resolve(answer.statusCode));
    r.on('upgrade', () => resolve(101));
    r.on('error', reject);
    r.end();
  });
}

// (A request without the token is the server tests'.)
await runCaseFile(quill, cases, (context, server) =>
  check('a socket from another site is refused', async () => {
    const state = await (await fetch(new URL('api/state?session=x', server.url))).json();
    assert.equal(await socketFromElsewhere(server.url, state.eventPort), 403);
  }));
