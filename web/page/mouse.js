// mouse.js: the mouse and the wheel, handed to the program as GLUT reports them on the desktop:
// positions in the canvas's own pixels; a drag that goes on outside the canvas until its button is
// released; a wheel step over the canvas as a press and a release.
'use strict';

const QuillmarkMouse = (function () {
  const { GLUT } = QuillmarkInput;
  // DOM button numbers to GLUT's: left, middle, right, back and forward.
  const GLUT_BUTTONS = new Map([[0, GLUT.LEFT_BUTTON], [1, GLUT.MIDDLE_BUTTON], [2, GLUT.RIGHT_BUTTON],
    [3, GLUT.BACK_BUTTON], [4, GLUT.FORWARD_BUTTON]]);
  // The bit of each GLUT button in MouseEvent.buttons.
  const HELD_BITS = new Map([[GLUT.LEFT_BUTTON, 1], [GLUT.MIDDLE_BUTTON, 4], [GLUT.RIGHT_BUTTON, 2],
    [GLUT.BACK_BUTTON, 8], [GLUT.FORWARD_BUTTON, 16]]);

  // connect(canvas, program, pointer): program as QuillmarkInput.connect has it; pointer, the owner
  // of the program's pointer.
  function connect(canvas, program, pointer) {
    const canvasPosition = (event) => QuillmarkInput.canvasPosition(canvas, event);
    let menuAfterRightPress = false;

    window.addEventListener('mousedown', (event) => {
      const button = GLUT_BUTTONS.get(event.button);
      if (program.isStopped() || button === undefined || pointer.holds(button) || pointer.holder() === 'touch') return;
      if (event.target !== canvas && !pointer.anyHeld()) return;
      // No text selection, no middle-button scrolling, no side-button page history.
      event.preventDefault();
      if (button === GLUT.RIGHT_BUTTON) menuAfterRightPress = true;
      pointer.press(button, canvasPosition(event), 'mouse');
    });

    window.addEventListener('mouseup', (event) => {
      const button = GLUT_BUTTONS.get(event.button);
      if (program.isStopped() || pointer.holder() !== 'mouse' || !pointer.holds(button)) return;
      event.preventDefault();
      pointer.release(button, canvasPosition(event));
    });

    window.addEventListener('mousemove', (event) => {
      if (program.isStopped() || pointer.holder() !== 'mouse') return;
      const position = canvasPosition(event);
      // A release the page never saw (the button let go outside the browser) is given first.
      for (const button of pointer.heldButtons()) {
        if ((event.buttons & HELD_BITS.get(button)) === 0) pointer.release(button, position);
      }
      if (pointer.anyHeld()) pointer.move(position);
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
        program.mouse(button, GLUT.DOWN, position[0], position[1]);
        program.mouse(button, GLUT.UP, position[0], position[1]);
      };
      if (event.deltaY !== 0) click(event.deltaY < 0 ? GLUT.WHEEL_UP : GLUT.WHEEL_DOWN);
      if (event.deltaX !== 0) click(event.deltaX < 0 ? GLUT.WHEEL_LEFT : GLUT.WHEEL_RIGHT);
    }, { passive: false });
  }

  return { connect };
})();
