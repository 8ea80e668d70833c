// @ts-nocheck
// controls.js: the page's buttons, for fingers and for keyboards without F1 to F12: each hands the
// program the very input of its key (or, for the zoom, of a zoom drag; for the arrows with a corner
// chosen, of a drag of that corner), and held down it repeats like a held key (repeat.js).
'use strict';

const QuillmarkControls = (function () {
  // An arrow with a corner chosen drags it this many canvas pixels.
  const CORNER_STEP = 8;
  // Each arrow's key, and its direction in canvas pixels (y grows downwards).
  const ARROWS = {
    'move-left': ['ArrowLeft', [-1, 0]],
    'move-right': ['ArrowRight', [1, 0]],
    'move-up': ['ArrowUp', [0, -1]],
    'move-down': ['ArrowDown', [0, 1]],
  };

  // connect(panel, { pointer, facts, clock, isStopped }): panel holds the buttons (data-action names
  // what each does), the choice of what the arrows move (radio buttons named "arrows", "curve" or a
  // corner's index) and the line that says why a corner did not move; pointer, the owner of the
  // program's pointer; facts, the program's limits. Gives frameDrawn(scene), for every frame.
  function connect(panel, { pointer, facts, clock, isStopped }) {
    const buttons = Array.from(panel.querySelectorAll('button[data-action]'));
    const byAction = (action) => buttons.find((button) => button.dataset.action === action);
    const fewerWaves = byAction('fewer-waves');
    const moreWaves = byAction('more-waves');
    const fineResolution = byAction('fine-resolution');
    const choices = Array.from(panel.querySelectorAll('input[name=arrows]'));
    const whyNotLine = panel.querySelector('#arrows-said');
    // The half-waves of the last frame, moved on by the buttons' own steps until the next frame
    // shows them: taps faster than frames count from where the previous tap went.
    let waveCount = null;

    function setWaves(count) {
      if (count < facts.fewestWaves || count > facts.mostWaves) return;
      pointer.key(`F${count}`);
      waveCount = count;
      showWaveLimits();
    }

    function showWaveLimits() {
      fewerWaves.disabled = waveCount <= facts.fewestWaves;
      moreWaves.disabled = waveCount >= facts.mostWaves;
    }

    // The chosen corner's index, or null for the whole curve.
    function chosenCorner() {
      const chosen = choices.find((choice) => choice.checked);
      return chosen === undefined || chosen.value === 'curve' ? null : Number(chosen.value);
    }

    function sayWhyNot(sentence) {
      if (whyNotLine.textContent !== sentence) whyNotLine.textContent = sentence;
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

    // With a corner chosen, the program drags it; a corner it would not pick, or that no press can
    // reach, stays, and the line beside the choice says why.
    const move = ([key, direction]) => () => {
      const corner = chosenCorner();
      if (corner === null) {
        pointer.key(key);
        return;
      }
      const refusal = pointer.cornerStep(corner, direction.map((d) => d * CORNER_STEP));
      if (refusal !== null) sayWhyNot(refusal);
    };

    const ACTIONS = {
      'fewer-waves': () => setWaves(waveCount - 1),
      'more-waves': () => setWaves(waveCount + 1),
      'lower-amplitude': () => pointer.key('s'),
      'raise-amplitude': () => pointer.key('a'),
      'fine-resolution': () => pointer.key('r'),
      'zoom-out': () => pointer.zoomStep(-1),
      'zoom-in': () => pointer.zoomStep(1),
      ...Object.fromEntries(Object.entries(ARROWS).map(([action, arrow]) => [action, move(arrow)])),
    };

    const repeat = QuillmarkRepeat.create(clock);
    let repeated = null;

    // False for a button that became disabled (the last half-wave reached): its repeat stops.
    function act(button) {
      if (button.disabled || isStopped()) return false;
      ACTIONS[button.dataset.action]();
      return true;
    }

    function stopRepeat() {
      repeat.stop();
      repeated = null;
    }

    const buttonOf = (event) => event.target.closest('button[data-action]');

    // A press acts at once and repeats while held: a mouse button or a finger, on the button.
    panel.addEventListener('pointerdown', (event) => {
      const button = buttonOf(event);
      if (button === null || event.button !== 0 || button.disabled) return;
      // A finger's pointer stays with the element it landed on; released, it leaves the button
      // when the finger slides off, and the repeat stops.
      if (button.hasPointerCapture(event.pointerId)) button.releasePointerCapture(event.pointerId);
      repeated = button;
      repeat.start(() => act(button));
    });
    panel.addEventListener('pointerout', (event) => {
      if (repeated !== null && buttonOf(event) === repeated && !repeated.contains(event.relatedTarget)) stopRepeat();
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

    return function frameDrawn(scene) {
      if (waveCount === null) for (const button of buttons) button.disabled = false;
      waveCount = scene.waveCount;
      showWaveLimits();
      const fine = String(scene.segmentCount === facts.fineSteps);
      if (fineResolution.getAttribute('aria-pressed') !== fine) fineResolution.setAttribute('aria-pressed', fine);
    };
  }

  return { connect };
})();
