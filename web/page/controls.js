// controls.js: the page's buttons, for fingers and for keyboards without F1 to F12: each hands the
// program the very input of its key (or, for the zoom, of a zoom drag), and held down it repeats
// like a held key.
'use strict';

const QuillmarkControls = (function () {
  const { GLUT, ZOOM_DRAG } = QuillmarkInput;
  // A held key repeats after about 0.4 s, then about 15 times a second.
  const REPEAT_DELAY = 400;
  const REPEAT_INTERVAL = 66;
  const FEWEST_WAVES = 1;
  const MOST_WAVES = 12;
  const FINE_STEPS = 512;
  // A zoom step is the zoom drag of 100 pixels that adds or takes 0.1.
  const ZOOM_STEP = ZOOM_DRAG.pixelsPerZoom / 10;

  // connect(panel, input): panel holds the buttons (data-action names what each does); input is what
  // QuillmarkInput.connect gives: the program, and the owner of its pointer, which hands it keys by
  // the browser's names for them. Gives showScene(scene), for every frame.
  function connect(panel, { program, pointer }) {
    const buttons = Array.from(panel.querySelectorAll('button[data-action]'));
    const byAction = (action) => buttons.find((button) => button.dataset.action === action);
    const fewerWaves = byAction('fewer-waves');
    const moreWaves = byAction('more-waves');
    const fineResolution = byAction('fine-resolution');
    // The half-waves of the last frame, moved on by the buttons' own steps until the next frame
    // shows them: taps faster than frames count from where the previous tap went.
    let waveCount = null;

    function setWaves(count) {
      if (count < FEWEST_WAVES || count > MOST_WAVES) return;
      pointer.key(`F${count}`);
      waveCount = count;
      showWaveLimits();
    }

    function showWaveLimits() {
      fewerWaves.disabled = waveCount <= FEWEST_WAVES;
      moreWaves.disabled = waveCount >= MOST_WAVES;
    }

    // One zoom drag step, up (+1) or down (-1). The step needs the program's pointer to itself: while
    // any press is held, a motion would also move a picked point, and the step's release would end
    // a zoom drag under way; then the step does nothing.
    function zoomStep(direction) {
      if (program.isStopped() || pointer.anyHeld()) return;
      const [x, y] = ZOOM_DRAG.spot;
      program.mouse(GLUT.MIDDLE_BUTTON, GLUT.DOWN, x, y);
      program.motion(x, y - direction * ZOOM_STEP);
      program.mouse(GLUT.MIDDLE_BUTTON, GLUT.UP, x, y - direction * ZOOM_STEP);
    }

    const ACTIONS = {
      'fewer-waves': () => setWaves(waveCount - 1),
      'more-waves': () => setWaves(waveCount + 1),
      'lower-amplitude': () => pointer.key('s'),
      'raise-amplitude': () => pointer.key('a'),
      'fine-resolution': () => pointer.key('r'),
      'zoom-out': () => zoomStep(-1),
      'zoom-in': () => zoomStep(1),
      'move-left': () => pointer.key('ArrowLeft'),
      'move-right': () => pointer.key('ArrowRight'),
      'move-up': () => pointer.key('ArrowUp'),
      'move-down': () => pointer.key('ArrowDown'),
    };

    let repeat = null;

    function act(button) {
      if (button.disabled) {
        stopRepeat();
        return;
      }
      ACTIONS[button.dataset.action]();
    }

    function stopRepeat() {
      if (repeat === null) return;
      clearTimeout(repeat.timer);
      repeat = null;
    }

    function startRepeat(button) {
      stopRepeat();
      const tick = () => {
        act(button);
        if (repeat !== null) repeat.timer = setTimeout(tick, REPEAT_INTERVAL);
      };
      repeat = { button, timer: setTimeout(tick, REPEAT_DELAY) };
      act(button);
    }

    const buttonOf = (event) => event.target.closest('button[data-action]');

    // A press acts at once and repeats while held: a mouse button or a finger, on the button.
    panel.addEventListener('pointerdown', (event) => {
      const button = buttonOf(event);
      if (button === null || event.button !== 0 || button.disabled) return;
      // A finger's pointer stays with the element it landed on; released, it leaves the button
      // when the finger slides off, and the repeat stops.
      if (button.hasPointerCapture(event.pointerId)) button.releasePointerCapture(event.pointerId);
      startRepeat(button);
    });
    panel.addEventListener('pointerout', (event) => {
      if (repeat !== null && buttonOf(event) === repeat.button && !repeat.button.contains(event.relatedTarget)) {
        stopRepeat();
      }
    });
    for (const type of ['pointerup', 'pointercancel', 'blur']) window.addEventListener(type, stopRepeat);
    document.addEventListener('visibilitychange', () => { if (document.hidden) stopRepeat(); });
    // Enter or Space on a focused button click it with no pointer (detail 0); the pointer's own
    // click comes after its press, which acted already.
    panel.addEventListener('click', (event) => {
      const button = buttonOf(event);
      if (button !== null && event.detail === 0) act(button);
    });
    // A long press on a button is a held key, not a request for a menu.
    panel.addEventListener('contextmenu', (event) => {
      if (buttonOf(event) !== null) event.preventDefault();
    });

    return function showScene(scene) {
      if (waveCount === null) for (const button of buttons) button.disabled = false;
      waveCount = scene.waveCount;
      showWaveLimits();
      const fine = String(scene.segmentCount === FINE_STEPS);
      if (fineResolution.getAttribute('aria-pressed') !== fine) fineResolution.setAttribute('aria-pressed', fine);
    };
  }

  return { connect };
})();
