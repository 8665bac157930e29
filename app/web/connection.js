// The page's line to its session on the server. Events go one at a time, in order; a
// move or drag waiting behind the one in flight is replaced by the next one, so that the
// page never queues stale pointer positions. They go on the server's event socket when it
// is open (a message costs a fraction of a millisecond, a fetch several), by fetch
// otherwise. A server that stops says so as it closes the socket; one that vanishes is
// noticed by the next request that fails.
const KEEP_WHAT_IS_SHOWN = ' Ce que la page montre n\'est plus enregistré ; téléchargez-le pour le garder.';
export const SERVER_SILENT = 'Le serveur ne répond pas (il s\'est sans doute arrêté).' + KEEP_WHAT_IS_SHOWN;

// An answer's JSON, or the error of an answer that is not JSON.
const bodyOf = (answer) => answer.json().catch(() => ({ error: `Réponse illisible du serveur (${answer.status})` }));

// How often a page without the event socket tells the server it is still open (the
// server frees a session no page uses for half an hour).
const ALIVE_EVERY_MS = 60 * 1000;

export class Connection {
  constructor(session, onChanges, onRefusal, onGone) {
    this.session = session;
    this.onChanges = onChanges;
    this.onRefusal = onRefusal;
    this.onGone = onGone;  // the server no longer keeps this tab's session
    this.gone = false;
    this.queue = [];
    this.busy = false;
    this.socket = null;
    this.answered = null;  // resolves the event in flight on the socket
  }

  url(path, params = {}) {
    const query = new URLSearchParams({ session: this.session, ...params });
    return `${path}?${query}`;
  }

  // The session's whole state; an error whose `gone` is set when the server no longer
  // keeps this session.
  async state() {
    let answer;
    try {
      answer = await fetch(this.url('api/state'));
    } catch {
      throw new Error(SERVER_SILENT);
    }
    if (!answer.ok) {
      const body = await bodyOf(answer);
      throw Object.assign(new Error(body.error), { gone: Boolean(body.gone) });
    }
    const state = await answer.json();
    if (state.eventPort && !this.socket) await this.openSocket(state.eventPort);
    this.alive ??= setInterval(() => this.sayAlive(), ALIVE_EVERY_MS);
    return state;
  }

  // Resolves once the socket is open, or has failed (events then go by fetch).
  openSocket(port) {
    const path = location.pathname.replace(/[^/]*$/, '');
    const socket = new WebSocket(`ws://${location.hostname}:${port}${path}${this.url('api/events')}`);
    return new Promise((resolve) => {
      socket.onopen = () => {
        this.socket = socket;
        resolve();
      };
      socket.onmessage = (e) => this.answered?.(JSON.parse(e.data));
      socket.onclose = (e) => {
        const wasOpen = this.socket === socket;
        if (wasOpen) this.socket = null;
        if (e.code === 1001 && e.reason) this.lost(e.reason + KEEP_WHAT_IS_SHOWN);
        else if (wasOpen) this.sayAlive();
        this.answered?.({ error: 'Le serveur a fermé la connexion des évènements.' });
        resolve();
      };
    });
  }

  // One event's answer: { ok, body }. `times` gets when the event went and when its
  // answer came.
  async exchange(event, times = {}) {
    if (this.socket) {
      const body = await new Promise((resolve) => {
        this.answered = resolve;
        times.sent = performance.now();
        this.socket.send(JSON.stringify(event));
      });
      times.answered = performance.now();
      this.answered = null;
      return { ok: !('error' in body), body };
    }
    times.sent = performance.now();
    const answer = await fetch(this.url('api/event'), {
      method: 'POST', headers: { 'Content-Type': 'application/json' },
      body: JSON.stringify(event),
    });
    const body = await bodyOf(answer);
    times.answered = performance.now();
    return { ok: answer.ok, body };
  }

  // `started`: when the event happened in the page (a pointer event's own time), which
  // the answer's timing starts from.
  send(event, started = performance.now()) {
    if (this.gone) return;
    const last = this.queue[this.queue.length - 1];
    const coalesces = (event.type === 'move' || event.type === 'drag') && last &&
      last.event.type === event.type && last.event.keys.join() === event.keys.join();
    const item = { event, times: { started, handled: performance.now() } };
    if (coalesces) this.queue[this.queue.length - 1] = item;
    else this.queue.push(item);
    this.pump();
  }

  async pump() {
    if (this.busy) return;
    this.busy = true;
    while (this.queue.length) {
      const { event, times } = this.queue.shift();
      try {
        const { ok, body } = await this.exchange(event, times);
        if (ok) this.onChanges(body, times, event);
        else if (body.gone) this.lost(body.error);
        else this.onRefusal(body.error);
      } catch {
        this.lost(SERVER_SILENT);  // the request itself failed: nobody listens
      }
    }
    this.busy = false;
  }

  // Without the socket (or once it closed without a word): whether the server still
  // keeps the session, which the request keeps in use.
  async sayAlive() {
    if (this.socket || this.gone) return;
    try {
      const answer = await fetch(this.url('api/alive'));
      if (answer.status === 410) this.lost((await answer.json()).error);
    } catch {
      this.lost(SERVER_SILENT);
    }
  }

  // The session is gone: nothing more is sent, the page is told once.
  lost(message) {
    this.queue = [];
    if (this.gone) return;
    this.gone = true;
    this.onGone(message);
  }

  // Opens a drawing: the changes, or the refusal's message.
  async open(file) {
    let answer;
    try {
      answer = await fetch(this.url('api/open', { name: file.name }), {
        method: 'POST', headers: { 'Content-Type': 'image/svg+xml' }, body: file,
      });
    } catch {
      this.lost(SERVER_SILENT);
      return { error: SERVER_SILENT };
    }
    if (answer.status === 413) return { error: `${file.name} : plus grand que les 32 Mio qu'un dessin peut faire` };
    try {
      const body = await answer.json();
      if (body.gone) this.lost(body.error);
      return body;
    } catch {
      return { error: `${file.name} : la réponse du serveur est illisible (${answer.status})` };
    }
  }

  async download(path, params = {}) {
    let answer;
    try {
      answer = await fetch(this.url(path, params));
    } catch {
      this.lost(SERVER_SILENT);
      throw new Error(SERVER_SILENT);
    }
    if (!answer.ok) {
      const body = await bodyOf(answer);
      if (body.gone) this.lost(body.error);
      throw new Error(body.error);
    }
    try {
      return await answer.blob();
    } catch {
      throw new Error('Le téléchargement s\'est interrompu.');
    }
  }
}
