// What keeps the user's work: the tab's session id, kept across reloads of the tab (the
// server keeps the session a while after its page goes), and a question before a drawing
// that changed since it was opened or saved is let go, by opening another or by leaving.
const SESSION_KEY = 'quill-session';
// Set while a page of the tab holds the session: a tab duplicated by the browser copies it
// along with the id, and takes a session of its own; a reload clears it first.
const HELD_KEY = 'quill-session-held';

// The session this tab had before a reload, or a new one.
export function tabSessionId() {
  let id = sessionStorage.getItem(SESSION_KEY);
  if (!id || sessionStorage.getItem(HELD_KEY)) {
    id = crypto.randomUUID();
    sessionStorage.setItem(SESSION_KEY, id);
  }
  sessionStorage.setItem(HELD_KEY, 'true');
  window.addEventListener('pagehide', () => sessionStorage.removeItem(HELD_KEY));
  window.addEventListener('pageshow', () => sessionStorage.setItem(HELD_KEY, 'true'));
  return id;
}

// The tab's session was freed or gave way while it was away: it starts another.
export function replaceTabSessionId() {
  const id = crypto.randomUUID();
  sessionStorage.setItem(SESSION_KEY, id);
  return id;
}

export const RESTARTED_SESSION =
  'La session de cet onglet n\'existait plus sur le serveur (restée trop longtemps sans ' +
  'onglet, ou remplacée par un autre) : une nouvelle commence.';

const DISCARD_QUESTION =
  'Le dessin a des modifications qui ne sont pas enregistrées. Ouvrir un autre dessin les abandonne.';

export class WorkKeeping {
  // `openButton` lets the user choose a file with `openInput`, once they agreed to let
  // the drawing go.
  constructor(openButton, openInput) {
    this.unsaved = false;
    this.dialog = this.makeDialog();
    // The browser asks in its own words; it asks only when there is something to lose.
    window.addEventListener('beforeunload', (e) => {
      if (!this.unsaved) return;
      e.preventDefault();
      e.returnValue = '';
    });
    openButton.addEventListener('click', () => this.mayDiscard().then((agreed) => agreed && openInput.click()));
  }

  makeDialog() {
    const dialog = document.createElement('dialog');
    dialog.id = 'discard';
    const text = document.createElement('p');
    text.textContent = DISCARD_QUESTION;
    const form = document.createElement('form');
    form.method = 'dialog';
    const button = (id, value, label) => {
      const b = document.createElement('button');
      Object.assign(b, { id, value, textContent: label });
      return b;
    };
    form.append(button('discard-open', 'open', 'Abandonner et ouvrir'), ' ',
      button('discard-cancel', 'cancel', 'Annuler'));
    dialog.append(text, form);
    document.body.append(dialog);
    return dialog;
  }

  // What the server says of the drawing.
  note(changes) {
    if ('unsaved' in changes) this.unsaved = changes.unsaved;
  }

  // The drawing was downloaded whole (as the server saves it, or as the page shows it).
  saved() {
    this.unsaved = false;
  }

  // Resolves true when nothing is lost, or the user agreed to lose it.
  mayDiscard() {
    if (!this.unsaved) return Promise.resolve(true);
    this.dialog.returnValue = '';
    this.dialog.showModal();
    return new Promise((resolve) => {
      this.dialog.addEventListener('close', () => resolve(this.dialog.returnValue === 'open'),
        { once: true });
    });
  }
}
