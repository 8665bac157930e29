// The PNG's resolution, asked in a small dialog before the server draws the picture. The
// last one chosen is offered again.
const SMALLEST_DPI = 72, LARGEST_DPI = 600, FIRST_DPI = 150;
const DPI_KEY = 'quill-png-dpi';
const DPI_REFUSED = `La résolution doit être un nombre entier de ${SMALLEST_DPI} à ${LARGEST_DPI} points par pouce.`;

// The resolution a text names, or null.
function dpiOf(text) {
  if (!/^\s*\d{1,4}\s*$/.test(text)) return null;
  const dpi = Number(text);
  return dpi >= SMALLEST_DPI && dpi <= LARGEST_DPI ? dpi : null;
}

export class PictureExport {
  constructor(dialog) {
    this.dialog = dialog;
    this.input = dialog.querySelector('input');
    this.refusal = dialog.querySelector('.refusal');
    // A value out of range keeps the dialog open, saying why.
    dialog.querySelector('form').addEventListener('submit', (e) => {
      if (e.submitter?.value !== 'export' || dpiOf(this.input.value) !== null) return;
      e.preventDefault();
      this.refusal.textContent = DPI_REFUSED;
      this.input.focus();
    });
  }

  // Resolves the resolution chosen, or null when the user let it be.
  ask() {
    this.input.value = localStorage.getItem(DPI_KEY) ?? FIRST_DPI;
    this.refusal.textContent = '';
    this.dialog.returnValue = '';
    this.dialog.showModal();
    this.input.select();
    return new Promise((resolve) => {
      this.dialog.addEventListener('close', () => {
        const dpi = this.dialog.returnValue === 'export' ? dpiOf(this.input.value) : null;
        if (dpi !== null) localStorage.setItem(DPI_KEY, dpi);
        resolve(dpi);
      }, { once: true });
    });
  }
}
