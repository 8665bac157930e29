// The drawing as the page shows it: the page and its layers in document points (each
// layer flipped, as in the file), every top-level art an element of its own, and the
// selection's outlines and the host's annotation pass over it in view pixels.
const SVG = 'http://www.w3.org/2000/svg';
// Real size: a point is 4/3 of a CSS pixel.
export const CSS_PIXELS_PER_POINT = 4 / 3;

export class Drawing {
  constructor(sheet, drawing, overlay, marks) {
    this.sheet = sheet;
    this.svg = drawing;
    this.overlay = overlay;
    // The selected paths' outlines and the tool's annotation pass, each replaced alone.
    this.outlines = document.createElementNS(SVG, 'g');
    this.pass = document.createElementNS(SVG, 'g');
    overlay.replaceChildren(this.outlines, this.pass);
    this.marks = marks;
    this.layers = new Map();
    this.art = new Map();
    this.view = null;
    this.desk = null;  // see place()
    this.namespaces = `xmlns="${SVG}"`;
    this.parser = new DOMParser();
  }

  reset() {
    this.svg.replaceChildren();
    this.layers.clear();
    this.art.clear();
    this.page = document.createElementNS(SVG, 'rect');
    this.page.setAttribute('fill', 'white');
    this.page.setAttribute('id', 'page');
    this.svg.append(this.page);
  }

  apply(changes) {
    if (changes.namespaces) this.namespaces = changes.namespaces;
    if (changes.reset) this.reset();
    if (changes.view) this.setView(changes.view);
    if (changes.layers) this.setLayers(changes.layers);
    for (const { id, svg } of changes.art ?? []) this.setArt(id, svg);
    for (const id of changes.disposed ?? []) {
      this.art.get(id)?.remove();
      this.art.delete(id);
    }
    for (const [layer, ids] of Object.entries(changes.order ?? {})) {
      const group = this.layers.get(layer);
      for (const id of ids) if (this.art.has(id)) group?.append(this.art.get(id));
    }
    if (changes.outlines !== undefined) this.outlines.innerHTML = changes.outlines;
    if (changes.annotation !== undefined) this.pass.innerHTML = changes.annotation;
    if (changes.selection) this.setSelection(changes.selection);
  }

  // The bounding box of each selected object, view pixels; the anchors and outlines of
  // selected paths come apart, as `outlines`.
  setSelection({ boxes }) {
    this.marks.replaceChildren(...boxes.map(([l, t, r, b]) => {
      const box = document.createElementNS(SVG, 'rect');
      for (const [name, value] of Object.entries({ x: l, y: t, width: r - l, height: b - t }))
        box.setAttribute(name, value);
      return box;
    }));
  }

  setView(view) {
    this.view = view;
    this.page.setAttribute('width', view.pageWidth);
    this.page.setAttribute('height', view.pageHeight);
    for (const group of this.layers.values())
      group.setAttribute('transform', `matrix(1 0 0 -1 0 ${view.pageHeight})`);
    this.place(this.desk ?? { left: 0, top: 0, width: view.widthPx * CSS_PIXELS_PER_POINT,
      height: view.heightPx * CSS_PIXELS_PER_POINT });
  }

  // The sheet covers the desk: a box of CSS pixels from the view's top-left corner, which
  // reaches beyond the view where there is more to show.
  place(desk) {
    this.desk = desk;
    const v = this.view, k = CSS_PIXELS_PER_POINT, s = v.zoom * k;
    for (const svg of [this.svg, this.overlay, this.marks]) {
      svg.setAttribute('width', desk.width);
      svg.setAttribute('height', desk.height);
    }
    this.sheet.style.width = `${desk.width}px`;
    this.sheet.style.height = `${desk.height}px`;
    this.svg.setAttribute('viewBox', [v.originH + desk.left / s, v.pageHeight - v.originV + desk.top / s,
      desk.width / s, desk.height / s].join(' '));
    const viewPixels = [desk.left / k, desk.top / k, desk.width / k, desk.height / k].join(' ');
    this.overlay.setAttribute('viewBox', viewPixels);
    this.marks.setAttribute('viewBox', viewPixels);
  }

  setLayers(layers) {
    const kept = new Map();
    for (const layer of layers) {
      let group = this.layers.get(layer.id);
      if (!group) {
        group = document.createElementNS(SVG, 'g');
        group.dataset.layer = layer.title;
        group.setAttribute('transform', `matrix(1 0 0 -1 0 ${this.view?.pageHeight ?? 0})`);
      }
      group.style.display = layer.visible ? '' : 'none';
      this.svg.append(group);
      kept.set(layer.id, group);
    }
    for (const [id, group] of this.layers) if (!kept.has(id)) group.remove();
    this.layers = kept;
  }

  setArt(id, text) {
    const parsed = this.parser.parseFromString(`<svg ${this.namespaces}>${text}</svg>`, 'image/svg+xml');
    const element = document.importNode(parsed.documentElement.firstElementChild, true);
    element.dataset.art = id;
    const old = this.art.get(id);
    if (old) old.replaceWith(element);
    this.art.set(id, element);
  }

  // The document point under a place of the sheet (CSS pixels from its top-left corner).
  pointAt(x, y) {
    const v = this.view;
    return {
      x: v.originH + (x + this.desk.left) / CSS_PIXELS_PER_POINT / v.zoom,
      y: v.originV - (y + this.desk.top) / CSS_PIXELS_PER_POINT / v.zoom,
    };
  }

  // Where a document point is on the sheet, CSS pixels.
  placeOf(point) {
    const v = this.view;
    return {
      x: (point.x - v.originH) * v.zoom * CSS_PIXELS_PER_POINT - this.desk.left,
      y: (v.originV - point.y) * v.zoom * CSS_PIXELS_PER_POINT - this.desk.top,
    };
  }
}
