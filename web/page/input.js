// input.js: the page's mouse, wheel, touch and key events, handed to the program as GLUT reports them
// on the desktop: positions in the canvas's own pixels; a drag that goes on outside the canvas until
// its button is released; a wheel step over the canvas as a press and a release; only the program's
// own keys taken from the browser, every other key keeping its meaning there. Fingers get what a
// mouse cannot give them: a corner picked within a fingertip's reach, two fingers zooming the drawing.
'use strict';

const QuillmarkInput = (function () {
  const DOWN = 0;
  const UP = 1;
  const LEFT_BUTTON = 0;
  const MIDDLE_BUTTON = 1;
  const RIGHT_BUTTON = 2;
  // DOM button numbers to GLUT's: left, middle, right, then the back and forward side buttons,
  // which X numbers after the four wheel directions.
  const GLUT_BUTTONS = new Map([[0, 0], [1, 1], [2, 2], [3, 7], [4, 8]]);
  // The bit of each GLUT button in MouseEvent.buttons.
  const HELD_BITS = new Map([[0, 1], [1, 4], [2, 2], [7, 8], [8, 16]]);
  const WHEEL_UP = 3;
  const WHEEL_DOWN = 4;
  const WHEEL_LEFT = 5;
  const WHEEL_RIGHT = 6;
  const SPECIAL_KEYS = new Map([
    ['F1', 1], ['F2', 2], ['F3', 3], ['F4', 4], ['F5', 5], ['F6', 6],
    ['F7', 7], ['F8', 8], ['F9', 9], ['F10', 10], ['F11', 11], ['F12', 12],
    ['ArrowLeft', 100], ['ArrowUp', 101], ['ArrowRight', 102], ['ArrowDown', 103],
  ]);
  const CHARACTER_KEYS = new Set(['r', 'R', 'a', 'A', 's', 'S']);
  // A fingertip covers about 40 CSS pixels: a touch this close to a drawn corner picks it (a 44-pixel
  // target), however small the canvas shows.
  const FINGER_REACH = 22;
  // Where the zoom buttons drag: one step is the zoom drag of 100 pixels that adds or takes 0.1.
  const ZOOM_SPOT = [400, 400];
  const ZOOM_STEP = 100;

  // connect(canvas, program): program has mouse, motion, specialKey, key (the program's entry
  // points), isStopped() and drawnScene() (the scene of the last frame, or null before the first).
  function connect(canvas, program) {
    // GLUT buttons given to the program and not released yet, and whose they are: the mouse's or
    // the fingers'. One pointer at a time: while one holds a button, the other gets none.
    const held = new Set();
    let holder = null;
    // The last pointer position the program was given, to pass with keys and to skip motion that
    // does not move by a whole canvas pixel.
    let pointer = [0, 0];
    let menuAfterRightPress = false;

    // Canvas pixels from the top-left corner, however large the page shows the canvas; `exact`
    // keeps the fraction.
    function canvasPosition(event, exact) {
      const box = canvas.getBoundingClientRect();
      const x = (event.clientX - box.left) * canvas.width / box.width;
      const y = (event.clientY - box.top) * canvas.height / box.height;
      return exact ? [x, y] : [Math.floor(x), Math.floor(y)];
    }

    function press(button, position, by) {
      held.add(button);
      holder = by;
      pointer = position;
      program.mouse(button, DOWN, position[0], position[1]);
    }

    function release(button, position) {
      held.delete(button);
      if (held.size === 0) holder = null;
      program.mouse(button, UP, position[0], position[1]);
    }

    function move(position) {
      if (position[0] === pointer[0] && position[1] === pointer[1]) return;
      pointer = position;
      program.motion(position[0], position[1]);
    }

    // Ends every press the page gave the program, as releases where the pointer last was.
    function releaseAll() {
      gesture = null;
      for (const button of Array.from(held)) release(button, pointer);
    }

    // Mouse ----------------------------------------------------------------------------------------

    window.addEventListener('mousedown', (event) => {
      const button = GLUT_BUTTONS.get(event.button);
      if (program.isStopped() || button === undefined || held.has(button) || holder === 'touch') return;
      if (event.target !== canvas && held.size === 0) return;
      // No text selection, no middle-button scrolling, no side-button page history.
      event.preventDefault();
      if (button === RIGHT_BUTTON) menuAfterRightPress = true;
      press(button, canvasPosition(event), 'mouse');
    });

    window.addEventListener('mouseup', (event) => {
      const button = GLUT_BUTTONS.get(event.button);
      if (program.isStopped() || holder !== 'mouse' || !held.has(button)) return;
      event.preventDefault();
      release(button, canvasPosition(event));
    });

    window.addEventListener('mousemove', (event) => {
      if (program.isStopped() || holder !== 'mouse') return;
      const position = canvasPosition(event);
      // A release the page never saw (the button let go outside the browser) is given first.
      for (const button of held) {
        if ((event.buttons & HELD_BITS.get(button)) === 0) release(button, position);
      }
      if (held.size > 0) move(position);
    });

    // The right button zooms: the browser's menu stays closed for its press, wherever the menu
    // event comes (on press or on release, depending on the system); a long press on the drawing
    // opens none either.
    window.addEventListener('contextmenu', (event) => {
      if (event.target === canvas || menuAfterRightPress) event.preventDefault();
      menuAfterRightPress = false;
    });

    // A wheel step reaches the program as on the desktop, and the page still scrolls: the step
    // by itself changes nothing the program shows. Not a passive listener: the browser would
    // scroll first, and the step would be placed on the canvas where it was not.
    canvas.addEventListener('wheel', (event) => {
      if (program.isStopped()) return;
      const position = canvasPosition(event);
      const click = (button) => {
        program.mouse(button, DOWN, position[0], position[1]);
        program.mouse(button, UP, position[0], position[1]);
      };
      if (event.deltaY !== 0) click(event.deltaY < 0 ? WHEEL_UP : WHEEL_DOWN);
      if (event.deltaX !== 0) click(event.deltaX < 0 ? WHEEL_LEFT : WHEEL_RIGHT);
    }, { passive: false });

    // Touch ----------------------------------------------------------------------------------------
    // A finger that lands near a corner drags it; one that lands elsewhere is the browser's and
    // scrolls the page, unless a second finger lands before the page has begun to scroll: the
    // two then zoom the drawing as a drag of the middle button, up by the growth of their distance.

    // What the fingers on the canvas are doing: null (none is down), or
    // { kind: 'drag', id, corner, start } | { kind: 'waiting', id } (the browser may scroll) |
    // { kind: 'pinch', ids, startDistance } | { kind: 'spent' } (ignored until every finger lifts).
    let gesture = null;
    let pageScrolled = false;

    // The nearest drawn corner within a finger's reach of the touch, as its canvas pixel.
    function cornerInReach(touch) {
      const scene = program.drawnScene();
      if (scene === null) return null;
      const box = canvas.getBoundingClientRect();
      let nearest = null;
      let nearestDistance = FINGER_REACH;
      for (let k = 0; k < 4; ++k) {
        // Drawn where the vertex lands: each coordinate times the zoom, as a 32-bit float.
        const glX = Math.fround(scene.controlPoints[2 * k] * scene.zoom);
        const glY = Math.fround(scene.controlPoints[2 * k + 1] * scene.zoom);
        const pixel = [(glX + 1) * canvas.width / 2, canvas.height - (glY + 1) * canvas.height / 2];
        const distance = Math.hypot(box.left + pixel[0] * box.width / canvas.width - touch.clientX,
          box.top + pixel[1] * box.height / canvas.height - touch.clientY);
        if (distance <= nearestDistance) {
          nearest = pixel.map(Math.round);
          nearestDistance = distance;
        }
      }
      return nearest;
    }

    function touchById(list, id) {
      return Array.from(list).find((touch) => touch.identifier === id);
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

    function startPinch(event, ids) {
      event.preventDefault();
      gesture = { kind: 'pinch', ids, startDistance: fingerDistance(event.touches, ids) };
      press(MIDDLE_BUTTON, ZOOM_SPOT, 'touch');
    }

    // Once the page scrolls under a waiting finger, the gesture stays the browser's.
    window.addEventListener('scroll', () => { pageScrolled = true; }, { passive: true });

    canvas.addEventListener('touchstart', (event) => {
      // The first fingers of a gesture: none of the canvas's others is still down. Whatever an
      // earlier gesture left behind unseen is ended first.
      const first = event.targetTouches.length === event.changedTouches.length;
      if (first && holder === 'touch') releaseAll();
      if (program.isStopped()) return;
      if (first) {
        pageScrolled = false;
        const touch = event.changedTouches[0];
        const corner = holder === null ? cornerInReach(touch) : null;
        if (holder !== null) {
          gesture = { kind: 'spent' };
        } else if (event.changedTouches.length === 2) {
          startPinch(event, [0, 1].map((k) => event.changedTouches[k].identifier));
        } else if (event.changedTouches.length > 2) {
          gesture = { kind: 'spent' };
        } else if (corner !== null) {
          event.preventDefault();
          gesture = { kind: 'drag', id: touch.identifier, corner, start: canvasPosition(touch) };
          press(LEFT_BUTTON, corner, 'touch');
        } else {
          gesture = { kind: 'waiting', id: touch.identifier };
        }
        return;
      }
      if (gesture === null || gesture.kind === 'spent') return;
      if (gesture.kind === 'waiting') {
        if (pageScrolled || event.targetTouches.length !== 2 || holder !== null) {
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
      if (program.isStopped() || gesture === null) return;
      if (gesture.kind === 'waiting') {
        // A move the page may no longer cancel is one it scrolls with.
        if (!event.cancelable) gesture = { kind: 'spent' };
        return;
      }
      if (gesture.kind === 'drag') {
        event.preventDefault();
        const touch = touchById(event.changedTouches, gesture.id);
        if (touch !== undefined) move(dragPosition(touch));
      } else if (gesture.kind === 'pinch') {
        event.preventDefault();
        const growth = Math.round(fingerDistance(event.touches, gesture.ids) - gesture.startDistance);
        move([ZOOM_SPOT[0], ZOOM_SPOT[1] - growth]);
      }
    }, { passive: false });

    // A finger lifted, inside the canvas or out of it, or cancelled (an incoming call), ends the
    // press it was giving.
    function endTouch(event) {
      // No mouse events are made up for a lifted finger: the program has had what it means.
      if (event.cancelable) event.preventDefault();
      if (gesture !== null && !program.isStopped()) {
        if (gesture.kind === 'drag') {
          const touch = touchById(event.changedTouches, gesture.id);
          if (touch !== undefined) {
            release(LEFT_BUTTON, dragPosition(touch));
            gesture = { kind: 'spent' };
          }
        } else if (gesture.kind === 'pinch' && gesture.ids.some((id) => touchById(event.changedTouches, id))) {
          release(MIDDLE_BUTTON, pointer);
          gesture = { kind: 'spent' };
        }
      }
      if (event.targetTouches.length === 0) gesture = null;
    }
    canvas.addEventListener('touchend', endTouch, { passive: false });
    canvas.addEventListener('touchcancel', endTouch, { passive: false });

    // Keys ----------------------------------------------------------------------------------------

    // Keys go to the program wherever the focus is, like keys over the desktop window; with Ctrl,
    // Alt or Meta they are the browser's, and in a text field (the link to copy by hand) the field's.
    window.addEventListener('keydown', (event) => {
      if (program.isStopped() || event.ctrlKey || event.altKey || event.metaKey) return;
      if (event.target instanceof Element && event.target.closest('input, textarea, [contenteditable]')) return;
      if (SPECIAL_KEYS.has(event.key)) {
        event.preventDefault();
        program.specialKey(SPECIAL_KEYS.get(event.key), pointer[0], pointer[1]);
      } else if (CHARACTER_KEYS.has(event.key)) {
        event.preventDefault();
        program.key(event.key.charCodeAt(0), pointer[0], pointer[1]);
      }
    });

    // What the page's buttons hand the program: the keys, with the pointer as keys pass it, and
    // one zoom drag step, up (+1) or down (-1). The step needs the program's pointer to itself: while
    // any press is held, a motion would also move a picked point, and the step's release would end
    // a zoom drag under way; then the step does nothing.
    return {
      releaseAll,
      specialKey: (key) => program.specialKey(key, pointer[0], pointer[1]),
      key: (code) => program.key(code, pointer[0], pointer[1]),
      zoomStep(direction) {
        if (program.isStopped() || held.size > 0) return;
        const [x, y] = ZOOM_SPOT;
        program.mouse(MIDDLE_BUTTON, DOWN, x, y);
        program.motion(x, y - direction * ZOOM_STEP);
        program.mouse(MIDDLE_BUTTON, UP, x, y - direction * ZOOM_STEP);
      },
    };
  }

  return { connect };
})();
