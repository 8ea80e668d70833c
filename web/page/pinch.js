// pinch.js: two fingers zoom the drawing in proportion to their distance (twice the distance, twice
// the zoom), through one zoom drag of the middle button. No DOM here: distances and the program's
// zoom drag facts are handed in.
'use strict';

const QuillmarkPinch = (function () {
  // A pinch from the zoom at its start and the fingers' distance then, in canvas pixels; fingers
  // closer than a pixel count as one pixel apart. Its press goes at zoomDrag.spot.
  function start(zoom, distance, zoomDrag) {
    return { startZoom: zoom, startDistance: Math.max(distance, 1), anchor: { y: zoomDrag.spot[1], zoom } };
  }

  // The motion of the zoom drag for fingers `distance` apart: the zoom at the pinch's start times
  // the growth of their distance, within the program's bounds, in whole pixels from the anchor: the
  // drag's last place where the program's zoom is known exactly, never from the last frame's zoom,
  // which may not show the last motion yet. The anchor is the press, with the zoom at the start,
  // until the fingers go past a bound: the drag then goes a pixel past it, where the program holds
  // the zoom at the bound exactly, whatever its steps add up to, and that place is the anchor from
  // then on.
  function motion(pinch, distance, zoomDrag) {
    const wanted = pinch.startZoom * distance / pinch.startDistance;
    const target = Math.min(Math.max(wanted, zoomDrag.least), zoomDrag.most);
    const { anchor } = pinch;
    let y = anchor.y - Math.round((target - anchor.zoom) * zoomDrag.pixelsPerZoom);
    if (target !== wanted) {
      y -= Math.sign(wanted - target);
      pinch.anchor = { y, zoom: target };
    }
    return [zoomDrag.spot[0], y];
  }

  return { start, motion };
})();

if (typeof module === 'object') module.exports = QuillmarkPinch;
