// The drawing's name as the user opened it: in the tab's title, in the toolbar and in the
// names of the files downloaded. The tab keeps it across reloads, as it keeps its session.
const NAME_KEY = 'quill-drawing-name';
const UNNAMED = 'dessin';

export class DrawingName {
  constructor(shown) {
    this.shown = shown;
    this.set(sessionStorage.getItem(NAME_KEY));
  }

  set(name) {
    this.name = name || null;
    if (this.name) sessionStorage.setItem(NAME_KEY, this.name);
    else sessionStorage.removeItem(NAME_KEY);
    document.title = this.name ? `${this.name} — Quill` : 'Quill';
    this.shown.textContent = this.name ?? '';
  }

  // The name without its extension, nor the suffix a dimensioned copy was saved with: a
  // drawing saved, then opened again, is saved under the same name.
  stem() {
    return this.name ? this.name.replace(/\.svg$/i, '').replace(/-cotes$/, '') || UNNAMED : UNNAMED;
  }

  get dimensioned() {
    return `${this.stem()}-cotes.svg`;
  }

  get picture() {
    return `${this.stem()}.png`;
  }

  get asShown() {
    return `${this.stem()}-affiché.svg`;
  }
}
