// The view's zoom as a drawing program offers it: fit to the window, real size, Ctrl +
// wheel about the pointer and a rectangle dragged. While the server answers, a document
// point is kept under a place of the window, so quick notches add up without drifting.
import { CSS_PIXELS_PER_POINT } from './drawing.js';

// The server's own bounds: a zoom asked beyond them is answered at the bound.
const SMALLEST_ZOOM = 0.05, LARGEST_ZOOM = 64;
const NOTCH = 1.25;

export class Zoom {
  constructor(scroller, drawing, send, button) {
    this.scroller = scroller;
    this.drawing = drawing;
    this.send = send;
    this.button = button;
    this.anchor = null;  // { zoom asked, document point, window place }
    this.armed = false;
    this.box = null;
  }

  // A place of the window, CSS pixels from the scroller's top-left corner.
  windowPlace(e) {
    const box = this.scroller.getBoundingClientRect();
    return { x: e.clientX - box.left, y: e.clientY - box.top };
  }

  // The document point under a place of the window, as it will be once the zoom asked
  // last is shown.
  pointUnder(place) {
    const a = this.anchor;
    if (!a) {
      return this.drawing.pointAt(place.x + this.scroller.scrollLeft, place.y + this.scroller.scrollTop);
    }
    const scale = a.zoom * CSS_PIXELS_PER_POINT;
    return { x: a.point.x + (place.x - a.place.x) / scale, y: a.point.y - (place.y - a.place.y) / scale };
  }

  zoomTo(zoom, point, place) {
    zoom = Math.min(Math.max(zoom, SMALLEST_ZOOM), LARGEST_ZOOM);
    this.anchor = { zoom, point, place };
    this.send({ type: 'zoom', zoom });
  }

  // Each view the server shows puts the anchored point back under its place.
  viewShown() {
    const a = this.anchor;
    if (!a || !this.drawing.view) return;
    const at = this.drawing.placeOf(a.point);
    this.scroller.scrollLeft = at.x - a.place.x;
    this.scroller.scrollTop = at.y - a.place.y;
    if (Math.abs(this.drawing.view.zoom - a.zoom) <= a.zoom * 1e-3) this.anchor = null;
  }

  // A new drawing: whatever was asked of the old one's view no longer holds.
  forget() {
    this.anchor = null;
  }

  wheel(e) {
    const place = this.windowPlace(e);
    const zoom = this.anchor?.zoom ?? this.drawing.view.zoom;
    this.zoomTo(zoom * (e.deltaY < 0 ? NOTCH : 1 / NOTCH), this.pointUnder(place), place);
  }

  // The page and its margin whole in the window.
  fit() {
    const v = this.drawing.view;
    // The sheet's size at zoom 1, CSS pixels; a pixel spare against rounding up.
    const width = (v.widthPx / v.zoom) * CSS_PIXELS_PER_POINT, height = (v.heightPx / v.zoom) * CSS_PIXELS_PER_POINT;
    const zoom = Math.min((this.scroller.clientWidth - 2) / width, (this.scroller.clientHeight - 2) / height);
    this.zoomTo(zoom, { x: v.originH, y: v.originV }, { x: 0, y: 0 });
  }

  // Real size about the window's centre.
  realSize() {
    const centre = { x: this.scroller.clientWidth / 2, y: this.scroller.clientHeight / 2 };
    this.zoomTo(1, this.pointUnder(centre), centre);
  }

  arm(armed) {
    this.armed = armed;
    this.button.setAttribute('aria-pressed', armed);
    if (!armed) this.box = null;
  }

  // A rectangle dragged from `place` (sheet CSS pixels) when armed; false when not armed.
  startBox(place) {
    if (!this.armed) return false;
    this.box = { from: place, to: place };
    return true;
  }

  finishBox(rect) {
    const { from, to } = this.box;
    this.arm(false);
    rect.hidden = true;
    const width = Math.abs(to.x - from.x), height = Math.abs(to.y - from.y);
    if (width < 4 || height < 4) return;
    const factor = Math.min(this.scroller.clientWidth / width, this.scroller.clientHeight / height);
    const corner = this.drawing.pointAt(Math.min(from.x, to.x), Math.min(from.y, to.y));
    this.zoomTo(this.drawing.view.zoom * factor, corner, { x: 0, y: 0 });
  }
}
