// The page's line to its session on the server. Events go one at a time, in order; a
// move or drag waiting behind the one in flight is replaced by the next one, so that the
// page never queues stale pointer positions.
export class Connection {
  constructor(session, onChanges, onRefusal) {
    this.session = session;
    this.onChanges = onChanges;
    this.onRefusal = onRefusal;
    this.queue = [];
    this.busy = false;
  }

  url(path, params = {}) {
    const query = new URLSearchParams({ session: this.session, ...params });
    return `${path}?${query}`;
  }

  async state() {
    const answer = await fetch(this.url('api/state'));
    if (!answer.ok) throw new Error((await answer.json()).error);
    return answer.json();
  }

  send(event, started = performance.now()) {
    const last = this.queue[this.queue.length - 1];
    const coalesces = (event.type === 'move' || event.type === 'drag') && last &&
      last.event.type === event.type && last.event.keys.join() === event.keys.join();
    if (coalesces) this.queue[this.queue.length - 1] = { event, started };
    else this.queue.push({ event, started });
    this.pump();
  }

  async pump() {
    if (this.busy) return;
    this.busy = true;
    while (this.queue.length) {
      const { event, started } = this.queue.shift();
      try {
        const answer = await fetch(this.url('api/event'), {
          method: 'POST', headers: { 'Content-Type': 'application/json' },
          body: JSON.stringify(event),
        });
        const body = await answer.json();
        if (answer.ok) this.onChanges(body, started);
        else this.onRefusal(body.error);
      } catch (e) {
        this.onRefusal(`the server does not answer (${e.message})`);
      }
    }
    this.busy = false;
  }

  // Opens a drawing: the changes, or the refusal's message.
  async open(file) {
    const answer = await fetch(this.url('api/open', { name: file.name }), {
      method: 'POST', headers: { 'Content-Type': 'image/svg+xml' }, body: file,
    });
    if (answer.status === 413) return { error: `${file.name}: larger than the 32 MiB a drawing may be` };
    try {
      return await answer.json();
    } catch {
      return { error: `${file.name}: the server's answer cannot be read (${answer.status})` };
    }
  }

  async download(path) {
    const answer = await fetch(this.url(path));
    if (!answer.ok) throw new Error((await answer.json()).error);
    return answer.blob();
  }
}
