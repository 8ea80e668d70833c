// controls.js: the page's buttons, for fingers and for keyboards without F1 to F12: each hands the
// program the very input of its key (or, for the zoom, of a zoom drag; for the arrows with a corner
// chosen, of a drag of that corner), and held down it repeats like a held key.
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
  // An arrow with a corner chosen drags it this many canvas pixels.
  const CORNER_STEP = 8;
  // Each arrow's key, and its direction in canvas pixels (y grows downwards).
  const ARROWS = {
    'move-left': ['ArrowLeft', [-1, 0]],
    'move-right': ['ArrowRight', [1, 0]],
    'move-up': ['ArrowUp', [0, -1]],
    'move-down': ['ArrowDown', [0, 1]],
  };

  // connect(panel, input): panel holds the buttons (data-action names what each does), the choice of
  // what the arrows move (radio buttons named "arrows", "curve" or a corner's index) and the line
  // that says why a corner did not move; input is what QuillmarkInput.connect gives: the canvas, the
  // program, and the owner of its pointer, which hands it keys by the browser's names for them.
  // Gives showScene(scene), for every frame.
  function connect(panel, { canvas, program, pointer }) {
    const buttons = Array.from(panel.querySelectorAll('button[data-action]'));
    const byAction = (action) => buttons.find((button) => button.dataset.action === action);
    const fewerWaves = byAction('fewer-waves');
    const moreWaves = byAction('more-waves');
    const fineResolution = byAction('fine-resolution');
    const choices = Array.from(panel.querySelectorAll('input[name=arrows]'));
    const arrowsSaid = panel.querySelector('#arrows-said');
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

    // The chosen corner's index, or null for the whole curve.
    function chosenCorner() {
      const chosen = choices.find((choice) => choice.checked);
      return chosen === undefined || chosen.value === 'curve' ? null : Number(chosen.value);
    }

    function sayWhyNot(sentence) {
      if (arrowsSaid.textContent !== sentence) arrowsSaid.textContent = sentence;
    }

    // The pixels each corner has been dragged by the steps below since the last frame: taps faster
    // than frames press where the previous step left the corner.
    let stepped = [];
    const steppedBy = (k) => stepped[k] ?? [0, 0];

    // The corner a left press at canvas pixel `at` picks, as the program picks it: the one drawn
    // nearest to the pixel's own point, each corner times the zoom in double, the first of equals.
    // A corner is drawn within a pixel of its press, well inside the picking radius, so one is
    // always picked.
    function pickedCorner(scene, at) {
      const { width, height } = canvas;
      const x = (at[0] / width) * 2 - 1;
      const y = ((height - at[1]) / height) * 2 - 1;
      let picked = -1;
      let pickedDistance = Infinity;
      for (let k = 0; k < 4; ++k) {
        const [sx, sy] = steppedBy(k);
        const dx = x - (scene.controlPoints[2 * k] * scene.zoom + sx * 2 / width);
        const dy = y - (scene.controlPoints[2 * k + 1] * scene.zoom - sy * 2 / height);
        const distance = dx * dx + dy * dy;
        if (distance < pickedDistance) {
          picked = k;
          pickedDistance = distance;
        }
      }
      return picked;
    }

    // One step of corner k in `direction`: the drag a mouse gives it, a left press on the pixel it
    // is drawn at, one motion of CORNER_STEP pixels, a release. Like the zoom step, it needs the
    // program's pointer to itself. A corner the press would not pick (another lies on it) or that
    // no press can reach (drawn off the canvas) stays, and the line beside the choice says why.
    function cornerStep(k, direction) {
      const scene = program.drawnScene();
      if (program.isStopped() || pointer.anyHeld() || scene === null) return;
      const shift = steppedBy(k);
      const [x, y] = QuillmarkInput.drawnCorner(canvas, scene, k).map((c, i) => Math.round(c) + shift[i]);
      if (!(x >= 0 && x < canvas.width && y >= 0 && y < canvas.height)) {
        sayWhyNot(`P${k} lies outside the drawing: move the curve or zoom out first`);
        return;
      }
      const picked = pickedCorner(scene, [x, y]);
      if (picked !== k) {
        sayWhyNot(`P${k} lies on P${picked} here: drag it, or move P${picked} away first`);
        return;
      }
      sayWhyNot('');
      const [dx, dy] = direction.map((d) => d * CORNER_STEP);
      program.mouse(GLUT.LEFT_BUTTON, GLUT.DOWN, x, y);
      program.motion(x + dx, y + dy);
      program.mouse(GLUT.LEFT_BUTTON, GLUT.UP, x + dx, y + dy);
      stepped[k] = [shift[0] + dx, shift[1] + dy];
    }

    // The arrow keys move the whole curve whatever is chosen: with a corner chosen, the arrow
    // buttons are no longer theirs.
    function showChoice() {
      sayWhyNot('');
      const corner = chosenCorner();
      for (const [action, [key]] of Object.entries(ARROWS)) {
        if (corner === null) byAction(action).setAttribute('aria-keyshortcuts', key);
        else byAction(action).removeAttribute('aria-keyshortcuts');
      }
    }
    for (const choice of choices) choice.addEventListener('change', showChoice);
    showChoice();

    const move = ([key, direction]) => () => {
      const corner = chosenCorner();
      if (corner === null) pointer.key(key);
      else cornerStep(corner, direction);
    };

    const ACTIONS = {
      'fewer-waves': () => setWaves(waveCount - 1),
      'more-waves': () => setWaves(waveCount + 1),
      'lower-amplitude': () => pointer.key('s'),
      'raise-amplitude': () => pointer.key('a'),
      'fine-resolution': () => pointer.key('r'),
      'zoom-out': () => zoomStep(-1),
      'zoom-in': () => zoomStep(1),
      ...Object.fromEntries(Object.entries(ARROWS).map(([action, arrow]) => [action, move(arrow)])),
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
      stepped = [];
      showWaveLimits();
      const fine = String(scene.segmentCount === FINE_STEPS);
      if (fineResolution.getAttribute('aria-pressed') !== fine) fineResolution.setAttribute('aria-pressed', fine);
    };
  }

  return { connect };
})();
