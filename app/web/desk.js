// The desk: the drawing area, at least as large as the window and as large as everything
// drawn on it (the page, art wherever it lies, the tools' feedback and panels), so that
// all of it is shown whole, can be scrolled to, and takes the pointer anywhere.
import { CSS_PIXELS_PER_POINT as K } from './drawing.js';

// Room left around art beyond the page, document points: the server's own view margin.
const ART_MARGIN_POINTS = 72;
// Room around the tools' feedback, CSS pixels.
const FEEDBACK_MARGIN = 16;
// The farthest the desk reaches beyond the view, CSS pixels: art sent far away still
// leaves the desk a size the browser can lay out.
const FARTHEST = 2000000;

const grown = (box, other, margin) => other && {
  left: Math.min(box.left, Math.max(other.left - margin, -FARTHEST)),
  top: Math.min(box.top, Math.max(other.top - margin, -FARTHEST)),
  right: Math.max(box.right, Math.min(other.right + margin, box.right + FARTHEST)),
  bottom: Math.max(box.bottom, Math.min(other.bottom + margin, box.bottom + FARTHEST)),
} || box;

// A box at least `size` across between `low` and `high`, grown evenly on both sides.
function widened(box, low, high, size) {
  const missing = size - (box[high] - box[low]);
  if (missing <= 0) return box;
  const before = Math.floor(missing / 2);
  return { ...box, [low]: box[low] - before, [high]: box[high] + missing - before };
}

const sameView = (a, b) => a && b && a.zoom === b.zoom && a.originH === b.originH && a.originV === b.originV;

export class Desk {
  constructor(scroller, drawing) {
    this.scroller = scroller;
    this.drawing = drawing;
    this.artBounds = null;  // document points, y upwards; measured again when art changes
    this.feedback = null;  // view CSS pixels; measured again when the feedback changes
    // All the feedback has covered since the view changed: the desk does not shrink and
    // grow again (and the drawing drawn again) as a text follows the pointer.
    this.reach = null;
    new ResizeObserver(() => this.layout()).observe(scroller);
  }

  // Applies the server's changes to the drawing, and lays the desk out again. What the
  // window showed stays where it was, unless the view itself changed.
  apply(changes) {
    const old = this.drawing.view;
    const topLeft = old && this.drawing.pointAt(this.scroller.scrollLeft, this.scroller.scrollTop);
    this.drawing.apply(changes);
    if (['reset', 'art', 'disposed', 'layers', 'order'].some((key) => key in changes)) this.artBounds = null;
    if ('annotation' in changes) this.feedback = null;
    const moved = !sameView(old, this.drawing.view);
    if (moved) this.reach = null;
    this.layout(moved ? topLeft : null);
  }

  // `keep`: a document point to put back at the window's top-left corner; without it,
  // what the window shows stays in place as the desk grows or shrinks around it.
  layout(keep = null) {
    const view = this.drawing.view;
    if (!view) return;
    const before = this.drawing.desk;
    // The view in the middle of the window, whatever else grows the desk: what lies
    // within the window does not move the page.
    let box = { left: 0, top: 0, right: view.widthPx * K, bottom: view.heightPx * K };
    box = widened(box, 'left', 'right', this.scroller.clientWidth);
    box = widened(box, 'top', 'bottom', this.scroller.clientHeight);
    box = grown(box, this.artBox(view), ART_MARGIN_POINTS * view.zoom * K);
    this.reach = grown(this.reach ?? this.feedbackBox(), this.feedbackBox(), 0);
    box = grown(box, this.reach, FEEDBACK_MARGIN);
    const desk = { left: Math.floor(box.left), top: Math.floor(box.top) };
    desk.width = Math.ceil(box.right - box.left);
    desk.height = Math.ceil(box.bottom - box.top);
    if (before && ['left', 'top', 'width', 'height'].every((side) => before[side] === desk[side]) && !keep) return;
    this.drawing.place(desk);
    if (keep) {
      const at = this.drawing.placeOf(keep);
      this.scroller.scrollLeft = at.x;
      this.scroller.scrollTop = at.y;
    } else if (before) {
      this.scroller.scrollLeft += before.left - desk.left;
      this.scroller.scrollTop += before.top - desk.top;
    }
  }

  // The art of every shown layer, view CSS pixels.
  artBox(view) {
    this.artBounds ??= this.measureArt();
    const b = this.artBounds;
    if (!b) return null;
    const s = view.zoom * K;
    return { left: (b.left - view.originH) * s, right: (b.right - view.originH) * s,
      top: (view.originV - b.top) * s, bottom: (view.originV - b.bottom) * s };
  }

  // Each layer draws in document points: its own box is the art's, in points, y upwards.
  measureArt() {
    let bounds = null;
    for (const layer of this.drawing.layers.values()) {
      if (layer.style.display === 'none' || !layer.firstChild) continue;
      const { x, y, width, height } = layer.getBBox();
      if (!width && !height) continue;
      bounds = {
        left: Math.min(bounds?.left ?? x, x), right: Math.max(bounds?.right ?? x + width, x + width),
        bottom: Math.min(bounds?.bottom ?? y, y), top: Math.max(bounds?.top ?? y + height, y + height),
      };
    }
    return bounds;
  }

  // The tools' feedback and panels, view CSS pixels (the overlay draws in view pixels).
  feedbackBox() {
    this.feedback ??= this.measureFeedback();
    return this.feedback.box;
  }

  measureFeedback() {
    const feedback = this.drawing.overlay.querySelector('#annotation');
    if (!feedback?.firstChild) return { box: null };
    const { x, y, width, height } = feedback.getBBox();
    if (!width && !height) return { box: null };
    return { box: { left: x * K, top: y * K, right: (x + width) * K, bottom: (y + height) * K } };
  }

  // Scrolls the least that shows the feedback whole in the window (a panel just opened
  // near the window's edge), when it fits there.
  reveal() {
    const box = this.feedbackBox(), desk = this.drawing.desk;
    if (!box || !desk) return;
    const s = this.scroller;
    const show = (low, high, size, scroll) => {
      const from = low - FEEDBACK_MARGIN, to = high + FEEDBACK_MARGIN;
      if (to - from > size) return s[scroll];
      if (from < s[scroll]) return from;
      return to > s[scroll] + size ? to - size : s[scroll];
    };
    s.scrollLeft = show(box.left - desk.left, box.right - desk.left, s.clientWidth, 'scrollLeft');
    s.scrollTop = show(box.top - desk.top, box.bottom - desk.top, s.clientHeight, 'scrollTop');
  }
}
