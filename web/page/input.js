// input.js: what the page's input files share: GLUT's numbers, as the desktop program is handed
// them, and the one owner of the program's pointer: the buttons given to it and not released yet,
// whose they are (the mouse's or the fingers'), and where the pointer last was, which keys pass.
// mouse.js, touch.js and keys.js hand the program the page's events through it; controls.js, its
// buttons' presses.
'use strict';

const QuillmarkInput = (function () {
  const GLUT = Object.freeze({
    DOWN: 0,
    UP: 1,
    // The buttons, then the wheel's four directions, then the back and forward side buttons.
    LEFT_BUTTON: 0,
    MIDDLE_BUTTON: 1,
    RIGHT_BUTTON: 2,
    WHEEL_UP: 3,
    WHEEL_DOWN: 4,
    WHEEL_LEFT: 5,
    WHEEL_RIGHT: 6,
    BACK_BUTTON: 7,
    FORWARD_BUTTON: 8,
    // The special keys by the browser's names for them.
    SPECIAL_KEYS: new Map([
      ['F1', 1], ['F2', 2], ['F3', 3], ['F4', 4], ['F5', 5], ['F6', 6],
      ['F7', 7], ['F8', 8], ['F9', 9], ['F10', 10], ['F11', 11], ['F12', 12],
      ['ArrowLeft', 100], ['ArrowUp', 101], ['ArrowRight', 102], ['ArrowDown', 103],
    ]),
    // The program's character keys, which GLUT hands over as their character codes.
    CHARACTER_KEYS: new Set(['r', 'R', 'a', 'A', 's', 'S']),
  });
  // The program's zoom drag, as the page makes one: where it presses, the pixels up that add 1 to the
  // zoom (100 for 0.1), and the bounds that the program holds the zoom within.
  const ZOOM_DRAG = Object.freeze({ spot: [400, 400], pixelsPerZoom: 1000, least: 0.1, most: 5 });

  // Canvas pixels from the top-left corner, however large the page shows the canvas; `exact`
  // keeps the fraction.
  function canvasPosition(canvas, event, exact) {
    const box = canvas.getBoundingClientRect();
    const x = (event.clientX - box.left) * canvas.width / box.width;
    const y = (event.clientY - box.top) * canvas.height / box.height;
    return exact ? [x, y] : [Math.floor(x), Math.floor(y)];
  }

  // Where corner k of a scene lands on the canvas, in canvas pixels with the fraction kept: each
  // coordinate times the zoom, as the 32-bit float the vertex is drawn from. Rounded, it is the
  // pixel to press for the program to pick the corner.
  function drawnCorner(canvas, scene, k) {
    const glX = Math.fround(scene.controlPoints[2 * k] * scene.zoom);
    const glY = Math.fround(scene.controlPoints[2 * k + 1] * scene.zoom);
    return [(glX + 1) * canvas.width / 2, canvas.height - (glY + 1) * canvas.height / 2];
  }

  // The owner of the program's pointer, over program's mouse and motion entry points. One pointer at
  // a time: while the mouse or the fingers hold a button, the other gets none.
  function pointerOwner(program) {
    const held = new Set();
    let holder = null;
    // The last position the program was given, to pass with keys and to skip motion that does not
    // move by a whole canvas pixel.
    let position = [0, 0];
    // Called when every press is ended from outside, so a gesture under way ends with it.
    const endedHooks = [];

    function release(button, at) {
      held.delete(button);
      if (held.size === 0) holder = null;
      program.mouse(button, GLUT.UP, at[0], at[1]);
    }

    return {
      holder: () => holder,
      holds: (button) => held.has(button),
      heldButtons: () => Array.from(held),
      anyHeld: () => held.size > 0,
      position: () => position,
      press(button, at, by) {
        held.add(button);
        holder = by;
        position = at;
        program.mouse(button, GLUT.DOWN, at[0], at[1]);
      },
      release,
      move(at) {
        if (at[0] === position[0] && at[1] === position[1]) return;
        position = at;
        program.motion(at[0], at[1]);
      },
      // A key by the browser's name for it, with the pointer's position as keys pass it; false for
      // a key that is not the program's.
      key(name) {
        if (GLUT.SPECIAL_KEYS.has(name)) {
          program.specialKey(GLUT.SPECIAL_KEYS.get(name), position[0], position[1]);
        } else if (GLUT.CHARACTER_KEYS.has(name)) {
          program.key(name.charCodeAt(0), position[0], position[1]);
        } else {
          return false;
        }
        return true;
      },
      onReleaseAll: (hook) => endedHooks.push(hook),
      // Ends every press the page gave the program, as releases where the pointer last was.
      releaseAll() {
        for (const hook of endedHooks) hook();
        for (const button of Array.from(held)) release(button, position);
      },
    };
  }

  // connect(canvas, program): program has mouse, motion, specialKey, key (the program's entry
  // points), isStopped() and drawnScene() (the scene of the last frame, or null before the first).
  // Gives what the page's buttons and links need: the canvas, the program and its pointer's owner,
  // and releaseAll().
  function connect(canvas, program) {
    const pointer = pointerOwner(program);
    QuillmarkMouse.connect(canvas, program, pointer);
    QuillmarkTouch.connect(canvas, program, pointer);
    QuillmarkKeys.connect(program, pointer);
    return { canvas, program, pointer, releaseAll: pointer.releaseAll };
  }

  return { GLUT, ZOOM_DRAG, canvasPosition, drawnCorner, connect };
})();
