// Quill in the browser: the palette, the drawing, the pointer and the keys, the alerts,
// opening and saving. Everything the tools see goes to this tab's session on the server.
import { Connection } from './connection.js';
import { Desk } from './desk.js';
import { Drawing } from './drawing.js';
import { DrawingName } from './drawing_name.js';
import { PictureExport } from './picture_export.js';
import { Zoom } from './zoom.js';
import { RESTARTED_SESSION, WorkKeeping, replaceTabSessionId, tabSessionId } from './work_keeping.js';

const $ = (id) => document.getElementById(id);
const scroller = $('scroller'), sheet = $('sheet');
const drawing = new Drawing(sheet, $('drawing'), $('overlay'), $('selection-marks'));
const desk = new Desk(scroller, drawing);
const connection = new Connection(tabSessionId(), applyChanges, showMessage, sessionGone);
const work = new WorkKeeping($('open'), $('open-file'));
const zoom = new Zoom(scroller, drawing, (event) => connection.send(event), $('zoom-box'));
const drawingName = new DrawingName($('drawing-name'));
const picture = new PictureExport($('picture'));
const cursors = new Map();
// What the page shows of its work, for anyone watching it (the browser tests).
window.quill = { applied: 0, tool: null, cursor: null, messages: [], undo: null, redo: null };
// The host's selection tool has no icon of the plug-in's: an arrow of the page's own.
const SELECT_ICON = 'data:image/svg+xml;base64,' + btoa('<svg xmlns="http://www.w3.org/2000/svg" ' +
  'width="24" height="24" viewBox="0 0 24 24"><path d="M6 3 L6 20 L10 16 L13 22 L15.5 21 L12.5 15 ' +
  'L18 15 Z" fill="black" stroke="white" stroke-width="1"/></svg>');
window.quillView = () => drawing.view;
window.quill.placeOf = (x, y) => drawing.placeOf({ x, y });
window.quill.pointAt = (x, y) => drawing.pointAt(x, y);
window.quill.idle = () => !connection.busy && !connection.queue.length;
window.quill.onSocket = () => connection.socket !== null;

// The keys the tools read, by the key the keyboard reports.
const KEYS = { ShiftLeft: 'lshift', ShiftRight: 'rshift', AltLeft: 'alt', AltRight: 'alt',
  ControlLeft: 'ctrl', ControlRight: 'ctrl', Space: 'space', Escape: 'esc' };
const held = new Set();
let pressed = false, panning = null;

function showMessage(text) {
  $('message').textContent = text;
  window.quill.messages.push(text);
}

// The server gave this tab's session to another tab, freed it, or stopped: what the page
// still shows can be downloaded as it is drawn, then the page reloaded for a new session.
function sessionGone(text) {
  showMessage(text);
  window.quill.gone = text;
  $('gone-text').textContent = text;
  $('gone').showModal();
}
$('gone').addEventListener('close', () => {
  if ($('gone').returnValue === 'reload') location.reload();
});
$('gone-download').addEventListener('click', (e) => {
  e.preventDefault();
  const svg = new XMLSerializer().serializeToString($('drawing'));
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
  link.download = drawingName.asShown;
  link.click();
  work.saved();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
});

// --- what the server says changed --------------------------------------------------------

const alerts = [];
function showAlerts(texts) {
  alerts.push(...texts);
  const dialog = $('alert');
  if (dialog.open || !alerts.length) return;
  const text = alerts.shift();
  dialog.dataset.text = text;
  $('alert-text').textContent = text.replaceAll('\r', '\n');
  dialog.showModal();
}
$('alert').addEventListener('close', () => showAlerts([]));

async function setCursor(id) {
  window.quill.cursor = id;
  if (id === null) {
    scroller.style.cursor = '';
    return;
  }
  if (!cursors.has(id)) {
    const answer = await fetch(connection.url(`api/resource/cursor/${id}`));
    if (!answer.ok) return;
    const { hotX, hotY, svg } = await answer.json();
    cursors.set(id, `url("data:image/svg+xml;base64,${btoa(svg)}") ${hotX} ${hotY}, crosshair`);
  }
  if (window.quill.cursor === id) scroller.style.cursor = cursors.get(id);
}

// `times`, for an event's answer: when the event happened, was handled, went and was
// answered (page clock); the page tells when the answer is applied, with them.
function applyChanges(changes, times, event) {
  if (changes.reset) zoom.forget();
  desk.apply(changes);
  if (changes.view) zoom.viewShown();
  // A click may open a panel or write a text near the window's edge: it is shown whole.
  if (event?.type === 'up') desk.reveal();
  work.note(changes);
  if (changes.tools) buildPalette(changes.tools);
  if ('tool' in changes) {
    window.quill.tool = changes.tool;
    for (const button of $('palette').children)
      button.setAttribute('aria-pressed', button.dataset.tool === changes.tool);
  }
  if ('cursor' in changes && changes.cursor !== window.quill.cursor) setCursor(changes.cursor);
  for (const [which, idle] of [['undo', 'Annuler'], ['redo', 'Rétablir']]) {
    if (!(which in changes)) continue;
    window.quill[which] = changes[which];
    $(which).textContent = changes[which] ?? idle;
    $(which).disabled = changes[which] === null;
  }
  if (changes.view) $('zoom-level').textContent = `${Math.round(changes.view.zoom * 100)} %`;
  for (const warning of changes.warnings ?? []) showMessage(warning);
  if (changes.alerts) showAlerts(changes.alerts);
  window.quill.applied += 1;
  if (times?.started !== undefined) window.dispatchEvent(new CustomEvent('quill:applied', { detail: times }));
}

function buildPalette(tools) {
  const palette = $('palette');
  palette.replaceChildren();
  for (const tool of tools) {
    const button = document.createElement('button');
    button.type = 'button';
    button.dataset.tool = tool.name;
    button.title = tool.tooltip;
    button.setAttribute('aria-label', tool.title);
    if (tool.icon !== null || tool.name === 'select') {
      const icon = document.createElement('img');
      icon.alt = '';
      icon.src = tool.icon !== null ? connection.url(`api/resource/icon/${tool.icon}`) : SELECT_ICON;
      button.append(icon);
    }
    button.addEventListener('click', () => {
      connection.send({ type: 'tool', name: tool.name });
      scroller.focus();
    });
    palette.append(button);
  }
}

// --- the pointer and the keys ------------------------------------------------------------

function keys() {
  return [...held].sort();
}

function sheetPlace(e) {
  const box = sheet.getBoundingClientRect();
  return { x: e.clientX - box.left, y: e.clientY - box.top };
}

function sendPointer(type, e) {
  const place = sheetPlace(e);
  const point = drawing.pointAt(place.x, place.y);
  window.quill.lastPointer = point;
  connection.send({ type, x: point.x, y: point.y, keys: keys() }, e.timeStamp);
}

sheet.addEventListener('pointerdown', (e) => {
  scroller.focus({ preventScroll: true });
  if (e.button === 1) {
    panning = { x: e.clientX, y: e.clientY, left: scroller.scrollLeft, top: scroller.scrollTop };
  } else if (e.button === 0 && zoom.startBox(sheetPlace(e))) {
    // the rectangle follows the pointer
  } else if (e.button === 0) {
    pressed = true;
    sendPointer('down', e);
  } else {
    return;
  }
  sheet.setPointerCapture(e.pointerId);
  e.preventDefault();
});

// Moves as the pointer reports them rather than once a frame, where the browser can.
const MOVE = 'onpointerrawupdate' in window ? 'pointerrawupdate' : 'pointermove';
sheet.addEventListener(MOVE, (e) => {
  if (panning) {
    scroller.scrollLeft = panning.left - (e.clientX - panning.x);
    scroller.scrollTop = panning.top - (e.clientY - panning.y);
  } else if (zoom.box) {
    zoom.box.to = sheetPlace(e);
    const r = $('zoom-rect'), { from, to } = zoom.box;
    Object.assign(r.style, { left: `${Math.min(from.x, to.x)}px`, top: `${Math.min(from.y, to.y)}px`,
      width: `${Math.abs(to.x - from.x)}px`, height: `${Math.abs(to.y - from.y)}px` });
    r.hidden = false;
  } else {
    sendPointer(pressed ? 'drag' : 'move', e);
  }
});

sheet.addEventListener('pointerup', (e) => {
  if (e.button === 1 && panning) {
    panning = null;
  } else if (e.button === 0 && zoom.box) {
    zoom.finishBox($('zoom-rect'));
  } else if (e.button === 0 && pressed) {
    pressed = false;
    sendPointer('up', e);
  }
});
sheet.addEventListener('auxclick', (e) => e.preventDefault());
scroller.addEventListener('pointerleave', () => {
  if (!pressed && !panning && !zoom.box) scroller.classList.add('away');
});
scroller.addEventListener('pointerenter', () => scroller.classList.remove('away'));

function keyEvent(e, down) {
  const name = KEYS[e.code];
  if (!name) return;
  // A button that has the keyboard takes Space as its press.
  if (name === 'space' && e.target instanceof HTMLButtonElement) return;
  // The browser would scroll, open menus or leave full screen: the tools want the keys.
  if (name !== 'ctrl' || !down) e.preventDefault();
  if (e.repeat || held.has(name) === down) return;
  if (down) held.add(name);
  else held.delete(name);
  if (drawing.view) connection.send({ type: 'key', keys: keys() });
}
// The Edit menu's keys, and the keys of the selection: arrows nudge it, Delete removes it.
const EDIT_KEYS = { ArrowLeft: 'left', ArrowRight: 'right', ArrowUp: 'up', ArrowDown: 'down',
  Delete: 'delete', Backspace: 'delete' };
function editKey(e) {
  if (!drawing.view || pressed || e.target instanceof HTMLInputElement) return false;
  const command = e.ctrlKey || e.metaKey;
  if (command && e.code === 'KeyZ') connection.send({ type: e.shiftKey ? 'redo' : 'undo' });
  else if (command && e.code === 'KeyY') connection.send({ type: 'redo' });
  else if (!command && EDIT_KEYS[e.code]) connection.send({ type: 'edit', name: EDIT_KEYS[e.code], shift: e.shiftKey });
  else return false;
  e.preventDefault();
  return true;
}
for (const which of ['undo', 'redo'])
  $(which).addEventListener('click', () => {
    connection.send({ type: which });
    scroller.focus();
  });

// The view's keys: Ctrl+0 fits the drawing to the window, Ctrl+1 shows it at real size,
// Escape leaves the zoom rectangle. An open dialog keeps the keys: Escape closes it.
function viewKey(e) {
  if (document.querySelector('dialog[open]')) return true;
  const command = e.ctrlKey || e.metaKey;
  if (command && ['Digit0', 'Numpad0'].includes(e.code) && drawing.view) zoom.fit();
  else if (command && ['Digit1', 'Numpad1'].includes(e.code) && drawing.view) zoom.realSize();
  else if (e.code === 'Escape' && zoom.armed) {
    zoom.arm(false);
    $('zoom-rect').hidden = true;
  } else return false;
  e.preventDefault();
  return true;
}

window.addEventListener('keydown', (e) => viewKey(e) || editKey(e) || keyEvent(e, true));
window.addEventListener('keyup', (e) => keyEvent(e, false));
window.addEventListener('blur', () => {
  if (!held.size) return;
  held.clear();
  connection.send({ type: 'key', keys: [] });
});

// --- zoom: Ctrl + wheel about the pointer, fit, real size, or a rectangle dragged ------

scroller.addEventListener('wheel', (e) => {
  if (!e.ctrlKey || !drawing.view) return;
  e.preventDefault();
  zoom.wheel(e);
}, { passive: false });

$('zoom-box').addEventListener('click', () => zoom.arm(!zoom.armed));
$('zoom-fit').addEventListener('click', () => drawing.view && zoom.fit());
$('zoom-real').addEventListener('click', () => drawing.view && zoom.realSize());

// --- files ---------------------------------------------------------------------------------

async function openFile(file) {
  const changes = await connection.open(file);
  if (changes.error) {
    showMessage(changes.error);
    return;
  }
  $('message').textContent = '';
  applyChanges(changes);
  drawingName.set(file.name);
  // A drawing just opened is shown whole.
  zoom.fit();
}

$('open-file').addEventListener('change', (e) => {
  if (e.target.files.length) openFile(e.target.files[0]);
  e.target.value = '';
});
scroller.addEventListener('dragover', (e) => {
  e.preventDefault();
  scroller.classList.add('dropping');
});
scroller.addEventListener('dragleave', () => scroller.classList.remove('dropping'));
scroller.addEventListener('drop', (e) => {
  e.preventDefault();
  scroller.classList.remove('dropping');
  const file = e.dataTransfer.files[0];
  if (file) work.mayDiscard().then((agreed) => agreed && openFile(file));
});

async function download(path, name, params) {
  try {
    const blob = await connection.download(path, params);
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    link.click();
    if (path === 'api/save') work.saved();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  } catch (e) {
    showMessage(e.message);
  }
}
$('save').addEventListener('click', () => download('api/save', drawingName.dimensioned));
$('export-png').addEventListener('click', () => picture.ask().then((dpi) =>
  dpi !== null && download('api/png', drawingName.picture, { dpi })));

// A tab reloaded long after it went finds its session freed: it starts another.
connection.state().catch((e) => {
  if (!e.gone) throw e;
  connection.session = replaceTabSessionId();
  drawingName.set(null);
  return connection.state().then((state) => {
    showMessage(RESTARTED_SESSION);
    return state;
  });
}).then((state) => {
  applyChanges(state);
  document.body.dataset.ready = 'true';
}, (e) => showMessage(e.message));
