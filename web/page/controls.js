// controls.js: the page's buttons, for fingers and for keyboards without F1 to F12: each hands the
// program the very input of its key (or, for the zoom, of a zoom drag), and held down it repeats
// like a held key.
'use strict';

const QuillmarkControls = (function () {
  // A held key repeats after about 0.4 s, then about 15 times a second.
  const REPEAT_DELAY = 400;
  const REPEAT_INTERVAL = 66;
  const FEWEST_WAVES = 1;
  const MOST_WAVES = 12;
  const KEY_A = 97;
  const KEY_R = 114;
  const KEY_S = 115;
  const ARROW_LEFT = 100;
  const ARROW_UP = 101;
  const ARROW_RIGHT = 102;
  const ARROW_DOWN = 103;
  const FINE_STEPS = 512;

  // connect(panel, input): panel holds the buttons (data-action names what each does); input is what
  // input.js gives the program (specialKey, key, zoomStep). Gives showScene(scene), for every frame.
  function connect(panel, input) {
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
      // F1 to F12 are GLUT's special keys 1 to 12.
      input.specialKey(count);
      waveCount = count;
      showWaveLimits();
    }

    function showWaveLimits() {
      fewerWaves.disabled = waveCount <= FEWEST_WAVES;
      moreWaves.disabled = waveCount >= MOST_WAVES;
    }

    const ACTIONS = {
      'fewer-waves': () => setWaves(waveCount - 1),
      'more-waves': () => setWaves(waveCount + 1),
      'lower-amplitude': () => input.key(KEY_S),
      'raise-amplitude': () => input.key(KEY_A),
      'fine-resolution': () => input.key(KEY_R),
      'zoom-out': () => input.zoomStep(-1),
      'zoom-in': () => input.zoomStep(1),
      'move-left': () => input.specialKey(ARROW_LEFT),
      'move-right': () => input.specialKey(ARROW_RIGHT),
      'move-up': () => input.specialKey(ARROW_UP),
      'move-down': () => input.specialKey(ARROW_DOWN),
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
