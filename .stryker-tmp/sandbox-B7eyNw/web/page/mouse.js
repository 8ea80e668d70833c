// @ts-nocheck
// mouse.js: the mouse and the wheel, handed to the program as GLUT reports them on the desktop:
// positions in the canvas's own pixels; a drag that goes on outside the canvas until its button is
// released; a wheel step over the canvas as a press and a release.
'use strict';

const QuillmarkMouse = (function () {
  // connect(canvas, { pointer, buttons, canvasPosition, isStopped }): pointer, the owner of the
  // program's pointer; buttons, the program's button codes; canvasPosition(event), the canvas
  // pixel under an event.
  function connect(canvas, { pointer, buttons, canvasPosition, isStopped }) {
    // DOM button numbers to GLUT's: left, middle, right, back and forward.
    const GLUT_BUTTONS = new Map([[0, buttons.left], [1, buttons.middle], [2, buttons.right],
      [3, buttons.back], [4, buttons.forward]]);
    // The bit of each GLUT button in MouseEvent.buttons.
    const HELD_BITS = new Map([[buttons.left, 1], [buttons.middle, 4], [buttons.right, 2],
      [buttons.back, 8], [buttons.forward, 16]]);
    let menuAfterRightPress = false;

    window.addEventListener('mousedown', (event) => {
      const button = GLUT_BUTTONS.get(event.button);
      if (isStopped() || button === undefined || pointer.holds(button) || pointer.holder() === 'touch') return;
      if (event.target !== canvas && !pointer.anyHeld()) return;
      // No text selection, no middle-button scrolling, no side-button page history.
      event.preventDefault();
      if (button === buttons.right) menuAfterRightPress = true;
      pointer.press(button, canvasPosition(event), 'mouse');
    });

    window.addEventListener('mouseup', (event) => {
      const button = GLUT_BUTTONS.get(event.button);
      if (isStopped() || pointer.holder() !== 'mouse' || !pointer.holds(button)) return;
      event.preventDefault();
      pointer.release(button, canvasPosition(event));
    });

    window.addEventListener('mousemove', (event) => {
      if (isStopped() || pointer.holder() !== 'mouse') return;
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
      if (isStopped()) return;
      const position = canvasPosition(event);
      if (event.deltaY !== 0) pointer.click(event.deltaY < 0 ? buttons.wheelUp : buttons.wheelDown, position);
      if (event.deltaX !== 0) pointer.click(event.deltaX < 0 ? buttons.wheelLeft : buttons.wheelRight, position);
    }, { passive: false });
  }

  return { connect };
})();
