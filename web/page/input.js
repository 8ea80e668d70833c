// input.js: the page's mouse, wheel, touch and key events, handed to the program as GLUT reports them
// on the desktop: positions in the canvas's own pixels; a drag that goes on outside the canvas until
// its button is released; a wheel step over the canvas as a press and a release; a one-finger touch
// as the left button; and only the program's own keys taken from the browser, every other key
// keeping its meaning there.
'use strict';

const QuillmarkInput = (function () {
  const DOWN = 0;
  const UP = 1;
  const LEFT_BUTTON = 0;
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

  function connect(canvas, program) {
    // GLUT buttons pressed over the canvas and not released yet: while there are any, the pointer
    // belongs to the program, inside the canvas or not.
    const held = new Set();
    // The last pointer position the program was given, to pass with keys and to skip motion that
    // does not move by a whole canvas pixel.
    let pointer = [0, 0];
    let touchId = null;
    let menuAfterRightPress = false;

    // Canvas pixels from the top-left corner, however large the page shows the canvas.
    function canvasPixel(event) {
      const box = canvas.getBoundingClientRect();
      return [Math.floor((event.clientX - box.left) * canvas.width / box.width),
        Math.floor((event.clientY - box.top) * canvas.height / box.height)];
    }

    function press(button, position) {
      held.add(button);
      pointer = position;
      program.mouse(button, DOWN, position[0], position[1]);
    }

    function release(button, position) {
      held.delete(button);
      program.mouse(button, UP, position[0], position[1]);
    }

    function move(position) {
      if (position[0] === pointer[0] && position[1] === pointer[1]) return;
      pointer = position;
      program.motion(position[0], position[1]);
    }

    window.addEventListener('mousedown', (event) => {
      const button = GLUT_BUTTONS.get(event.button);
      if (program.isStopped() || button === undefined || held.has(button)) return;
      if (event.target !== canvas && held.size === 0) return;
      // No text selection, no middle-button scrolling, no side-button page history.
      event.preventDefault();
      if (button === RIGHT_BUTTON) menuAfterRightPress = true;
      press(button, canvasPixel(event));
    });

    window.addEventListener('mouseup', (event) => {
      const button = GLUT_BUTTONS.get(event.button);
      if (program.isStopped() || !held.has(button)) return;
      event.preventDefault();
      release(button, canvasPixel(event));
    });

    window.addEventListener('mousemove', (event) => {
      if (program.isStopped() || held.size === 0) return;
      const position = canvasPixel(event);
      // A release the page never saw (the button let go outside the browser) is given first.
      for (const button of held) {
        if ((event.buttons & HELD_BITS.get(button)) === 0) release(button, position);
      }
      if (held.size > 0) move(position);
    });

    // The right button zooms: the browser's menu stays closed for its press, wherever the menu
    // event comes (on press or on release, depending on the system).
    window.addEventListener('contextmenu', (event) => {
      if (event.target === canvas || menuAfterRightPress) event.preventDefault();
      menuAfterRightPress = false;
    });

    canvas.addEventListener('wheel', (event) => {
      event.preventDefault();
      if (program.isStopped()) return;
      const position = canvasPixel(event);
      const click = (button) => {
        program.mouse(button, DOWN, position[0], position[1]);
        program.mouse(button, UP, position[0], position[1]);
      };
      if (event.deltaY !== 0) click(event.deltaY < 0 ? WHEEL_UP : WHEEL_DOWN);
      if (event.deltaX !== 0) click(event.deltaX < 0 ? WHEEL_LEFT : WHEEL_RIGHT);
    }, { passive: false });

    // One finger drags like the left button; further fingers are not followed.
    function trackedTouch(event) {
      return Array.from(event.changedTouches).find((touch) => touch.identifier === touchId);
    }

    canvas.addEventListener('touchstart', (event) => {
      event.preventDefault();
      if (program.isStopped() || touchId !== null || held.has(LEFT_BUTTON)) return;
      const touch = event.changedTouches[0];
      touchId = touch.identifier;
      press(LEFT_BUTTON, canvasPixel(touch));
    }, { passive: false });

    canvas.addEventListener('touchmove', (event) => {
      event.preventDefault();
      const touch = trackedTouch(event);
      if (program.isStopped() || touch === undefined) return;
      move(canvasPixel(touch));
    }, { passive: false });

    function endTouch(event) {
      const touch = trackedTouch(event);
      if (touch === undefined) return;
      event.preventDefault();
      touchId = null;
      if (!program.isStopped()) release(LEFT_BUTTON, canvasPixel(touch));
    }
    canvas.addEventListener('touchend', endTouch, { passive: false });
    canvas.addEventListener('touchcancel', endTouch, { passive: false });

    // Keys go to the program wherever the focus is, like keys over the desktop window; with Ctrl,
    // Alt or Meta they are the browser's.
    window.addEventListener('keydown', (event) => {
      if (program.isStopped() || event.ctrlKey || event.altKey || event.metaKey) return;
      if (SPECIAL_KEYS.has(event.key)) {
        event.preventDefault();
        program.specialKey(SPECIAL_KEYS.get(event.key), pointer[0], pointer[1]);
      } else if (CHARACTER_KEYS.has(event.key)) {
        event.preventDefault();
        program.key(event.key.charCodeAt(0), pointer[0], pointer[1]);
      }
    });

    // Ends every press the page gave the program, as releases where the pointer last was: for
    // whatever replaces the drawing under a drag.
    function releaseAll() {
      touchId = null;
      for (const button of Array.from(held)) release(button, pointer);
    }

    return { releaseAll };
  }

  return { connect };
})();
