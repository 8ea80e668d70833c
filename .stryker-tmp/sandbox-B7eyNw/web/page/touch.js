// @ts-nocheck
// touch.js: fingers on the drawing get what a mouse cannot give them: a corner picked within a
// fingertip's reach, two fingers zooming the drawing. A finger that lands near a corner drags it;
// one that lands elsewhere is the browser's and scrolls the page, unless a second finger lands
// before the page has begun to scroll: the two then zoom the drawing as they spread (twice their
// distance, twice the zoom), through one drag of the middle button.
'use strict';

const QuillmarkTouch = (function () {
  // A fingertip covers about 40 CSS pixels: a touch this close to a drawn corner picks it (a 44-pixel
  // target), however small the canvas shows.
  const FINGER_REACH = 22;

  function touchById(list, id) {
    return Array.from(list).find((touch) => touch.identifier === id);
  }

  // connect(canvas, { program, pointer, canvasPosition, drawnScene, isStopped }): program, for its
  // facts and where it draws each corner; pointer, the owner of the program's pointer;
  // canvasPosition(touch, exact), the canvas pixel under a touch (its fraction kept if exact);
  // drawnScene(), the scene of the last frame, or null before the first.
  function connect(canvas, { program, pointer, canvasPosition, drawnScene, isStopped }) {
    const { buttons, zoomDrag } = program.facts;
    // What the fingers on the canvas are doing: null (none is down), or
    // { kind: 'drag', id, corner, start } | { kind: 'waiting', id } (the browser may scroll) |
    // { kind: 'pinch', ids, pinch } (pinch.js) | { kind: 'spent' } (ignored until
    // every finger lifts).
    let gesture = null;
    let pageScrolled = false;
    pointer.onReleaseAll(() => { gesture = null; });

    // The nearest drawn corner within a finger's reach of the touch, as its canvas pixel.
    function cornerInReach(touch) {
      const box = canvas.getBoundingClientRect();
      let nearest = null;
      let nearestDistance = FINGER_REACH;
      for (let k = 0; k < 4; ++k) {
        const pixel = program.cornerPixel(k);
        const distance = Math.hypot(box.left + pixel[0] * box.width / canvas.width - touch.clientX,
          box.top + pixel[1] * box.height / canvas.height - touch.clientY);
        if (distance <= nearestDistance) {
          nearest = pixel.map(Math.round);
          nearestDistance = distance;
        }
      }
      return nearest;
    }

    // The dragged corner's pixel moved as the finger has moved since it landed.
    function dragPosition(touch) {
      const now = canvasPosition(touch);
      return [gesture.corner[0] + now[0] - gesture.start[0], gesture.corner[1] + now[1] - gesture.start[1]];
    }

    // The distance of two fingers in canvas pixels, fractions kept.
    function fingerDistance(touches, ids) {
      const [a, b] = ids.map((id) => canvasPosition(touchById(touches, id), true));
      return Math.hypot(a[0] - b[0], a[1] - b[1]);
    }

    // Zooms from the zoom of the last frame; before the first, there is none to zoom.
    function startPinch(event, ids) {
      event.preventDefault();
      const scene = drawnScene();
      if (scene === null) {
        gesture = { kind: 'spent' };
        return;
      }
      gesture = { kind: 'pinch', ids, pinch: QuillmarkPinch.start(scene.zoom, fingerDistance(event.touches, ids), zoomDrag) };
      pointer.press(buttons.middle, zoomDrag.spot, 'touch');
    }

    function pinchTo(touches) {
      pointer.move(QuillmarkPinch.motion(gesture.pinch, fingerDistance(touches, gesture.ids), zoomDrag));
    }

    // Once the page scrolls under a waiting finger, the gesture stays the browser's.
    window.addEventListener('scroll', () => { pageScrolled = true; }, { passive: true });

    canvas.addEventListener('touchstart', (event) => {
      // The first fingers of a gesture: none of the canvas's others is still down. Whatever an
      // earlier gesture left behind unseen is ended first.
      const first = event.targetTouches.length === event.changedTouches.length;
      if (first && pointer.holder() === 'touch') pointer.releaseAll();
      if (isStopped()) return;
      if (first) {
        pageScrolled = false;
        const touch = event.changedTouches[0];
        const corner = pointer.holder() === null ? cornerInReach(touch) : null;
        if (pointer.holder() !== null) {
          gesture = { kind: 'spent' };
        } else if (event.changedTouches.length === 2) {
          startPinch(event, [0, 1].map((k) => event.changedTouches[k].identifier));
        } else if (event.changedTouches.length > 2) {
          gesture = { kind: 'spent' };
        } else if (corner !== null) {
          event.preventDefault();
          gesture = { kind: 'drag', id: touch.identifier, corner, start: canvasPosition(touch) };
          pointer.press(buttons.left, corner, 'touch');
        } else {
          gesture = { kind: 'waiting', id: touch.identifier };
        }
        return;
      }
      if (gesture === null || gesture.kind === 'spent') return;
      if (gesture.kind === 'waiting') {
        if (pageScrolled || event.targetTouches.length !== 2 || pointer.holder() !== null) {
          gesture = { kind: 'spent' };
        } else {
          startPinch(event, [gesture.id, event.changedTouches[0].identifier]);
        }
        return;
      }
      // A further finger during a drag or a pinch changes nothing, and moves nothing of the page.
      event.preventDefault();
    }, { passive: false });

    canvas.addEventListener('touchmove', (event) => {
      if (isStopped() || gesture === null) return;
      if (gesture.kind === 'waiting') {
        // A move the page may no longer cancel is one it scrolls with.
        if (!event.cancelable) gesture = { kind: 'spent' };
        return;
      }
      if (gesture.kind === 'drag') {
        event.preventDefault();
        const touch = touchById(event.changedTouches, gesture.id);
        if (touch !== undefined) pointer.move(dragPosition(touch));
      } else if (gesture.kind === 'pinch') {
        event.preventDefault();
        pinchTo(event.touches);
      }
    }, { passive: false });

    // A finger lifted, inside the canvas or out of it, or cancelled (an incoming call), ends the
    // press it was giving.
    function endTouch(event) {
      // No mouse events are made up for a lifted finger: the program has had what it means.
      if (event.cancelable) event.preventDefault();
      if (gesture !== null && !isStopped()) {
        if (gesture.kind === 'drag') {
          const touch = touchById(event.changedTouches, gesture.id);
          if (touch !== undefined) {
            pointer.release(buttons.left, dragPosition(touch));
            gesture = { kind: 'spent' };
          }
        } else if (gesture.kind === 'pinch' && gesture.ids.some((id) => touchById(event.changedTouches, id))) {
          pointer.release(buttons.middle, pointer.position());
          gesture = { kind: 'spent' };
        }
      }
      if (event.targetTouches.length === 0) gesture = null;
    }
    canvas.addEventListener('touchend', endTouch, { passive: false });
    canvas.addEventListener('touchcancel', endTouch, { passive: false });
  }

  return { connect };
})();
