// page.js: connects the page's files, loaded before it in the order of the site's list: starts the
// program on the canvas (program.js), hands it the page's input through the one owner of its
// pointer (pointer.js; mouse.js, touch.js, keys.js, controls.js), keeps the drawing in the address
// (share.js), says it in words (words.js), plays it as sound (listen.js), undoes its changes
// (undo.js), shows the readout and the program's output, says any failure in words, connects the
// offline copy (kept_copy.js), full screen and printing.
'use strict';

(function startPage() {
  const canvas = document.getElementById('canvas');
  const status = document.getElementById('status');
  const readout = document.getElementById('readout');
  const clock = {
    now: () => performance.now(),
    later: (callback, ms) => setTimeout(callback, ms),
    cancel: (handle) => clearTimeout(handle),
  };

  let stopped = false;
  const isStopped = () => stopped;
  // Once the program has started: the owner of its pointer, and what each part does after a frame.
  let pointer = null;
  let share = null;
  let buttonsFrameDrawn = () => {};
  let undoFrameDrawn = () => {};
  let listenFrameDrawn = () => {};
  // The program once it has started, for the printed page.
  let startedProgram = null;
  // The scene of the last frame drawn.
  let drawnScene = null;
  let lastErrorLine = '';

  // The first failure is the one to show: what it sets off afterwards adds nothing.
  function fail(message) {
    if (stopped) return;
    stopped = true;
    for (const button of document.querySelectorAll('#panel button, #listen button, #history button')) button.disabled = true;
    status.textContent = message;
    status.classList.add('failure');
    status.hidden = false;
  }

  // What stopped the program, said once as a sentence: a reason of its own may end in a full stop.
  function stoppedBecause(reason) {
    return `Quillmark stopped: ${reason.replace(/\.$/, '')}. Reload the page to start again.`;
  }

  // A link the program could not use: said below the drawing; '' takes it away.
  function showNotice(sentence) {
    if (stopped) return;
    status.textContent = sentence;
    status.classList.toggle('notice', sentence !== '');
    status.hidden = sentence === '';
  }

  // A value that rounds to zero, such as an amplitude reached by steps of 0.01, shows as 0.00, not -0.00.
  function decimals(value, digits) {
    return (Math.abs(value) < 0.5 * 10 ** -digits ? 0 : value).toFixed(digits);
  }

  // act(sessionStorage), the tab's storage, where the browser allows it; null where it does not.
  function inSession(act) {
    try {
      return act(sessionStorage);
    } catch (refused) {
      return null;
    }
  }

  // Canvas pixels from the top-left corner, however large the page shows the canvas; `exact`
  // keeps the fraction.
  function canvasPosition(event, exact) {
    const box = canvas.getBoundingClientRect();
    const x = (event.clientX - box.left) * canvas.width / box.width;
    const y = (event.clientY - box.top) * canvas.height / box.height;
    return exact ? [x, y] : [Math.floor(x), Math.floor(y)];
  }

  // The program's output: a run of frames, each printing a warning line, is cheap to take in; the
  // page's text is rewritten at most once per animation frame.
  function showLog() {
    const empty = document.getElementById('log-empty');
    const dropped = document.getElementById('log-dropped');
    const text = document.getElementById('log');
    const log = QuillmarkLog.create();
    let scheduled = false;

    function render() {
      scheduled = false;
      empty.hidden = true;
      text.hidden = false;
      text.textContent = log.text();
      text.scrollTop = text.scrollHeight;
      dropped.hidden = log.dropped() === 0;
      dropped.textContent = log.droppedText();
    }

    return function addLine(line) {
      log.add(line);
      if (!scheduled) {
        scheduled = true;
        requestAnimationFrame(render);
      }
    };
  }

  const point = (k) => (scene) => `(${decimals(scene.controlPoints[2 * k], 3)}, ${decimals(scene.controlPoints[2 * k + 1], 3)})`;
  const READOUT_TEXT = {
    waveCount: (scene) => String(scene.waveCount),
    waveAmplitude: (scene) => decimals(scene.waveAmplitude, 2),
    segmentCount: (scene) => String(scene.segmentCount),
    zoom: (scene) => decimals(scene.zoom, 2),
    p0: point(0),
    p1: point(1),
    p2: point(2),
    p3: point(3),
    markerPoints: (scene) => scene.markerPoints.toLocaleString('en'),
  };
  const readoutValues = Array.from(readout.querySelectorAll('[data-field]'));
  let firstFrame = true;

  // The scene as the program holds it after a frame: the values for people, and every value in full
  // (JSON keeps each number exact) in data-scene for anything that reads the page.
  function showScene(scene) {
    if (firstFrame) {
      firstFrame = false;
      if (!status.classList.contains('notice')) status.hidden = true;
      performance.mark('quillmark-first-frame');
    }
    for (const value of readoutValues) {
      const text = READOUT_TEXT[value.dataset.field](scene);
      if (value.textContent !== text) value.textContent = text;
    }
    readout.dataset.scene = JSON.stringify(scene);
  }

  if (location.protocol === 'file:') {
    fail('This page must be served over HTTP: browsers do not start its WebAssembly program from a file. ' +
      'In the Quillmark folder, run ./scripts/web.sh and open the address it prints.');
    return;
  }
  if (typeof WebAssembly !== 'object') {
    fail('This browser does not run WebAssembly, which Quillmark needs.');
    return;
  }
  if (typeof WebGLRenderingContext !== 'function') {
    fail('This browser does not offer WebGL, which Quillmark draws with.');
    return;
  }

  window.addEventListener('error', (event) => {
    fail(stoppedBecause(event.message));
  });
  window.addEventListener('unhandledrejection', (event) => {
    fail(stoppedBecause(String(event.reason)));
  });

  const addLogLine = showLog();
  let words = null;

  QuillmarkProgram.load(canvas, {
    print: addLogLine,
    printErr(line) {
      lastErrorLine = line;
      console.warn(line);
    },
    aborted(what) {
      const reason = lastErrorLine || String(what);
      fail(stoppedBecause(reason.replace(/^quillmark: /, '')));
    },
    // Reloading cannot bring WebGL back: the browser turned it off.
    webGlOff() {
      fail('This browser has WebGL turned off, for this graphics driver or by a setting, and Quillmark needs ' +
        'WebGL to draw. Open the page in another browser, or turn on hardware acceleration (or WebGL) in this ' +
        'browser\'s settings.');
    },
    notLoaded(file, what) {
      fail(`Quillmark could not be loaded: its file ${file} ${what}. Reload the page to try again.`);
    },
    started(program) {
      const { facts } = program;
      words = QuillmarkWords.connect(document.getElementById('drawing-words'), document.getElementById('drawing-news'),
        { program, clock });
      startedProgram = program;
      pointer = QuillmarkPointer.create(program);
      QuillmarkMouse.connect(canvas, { pointer, buttons: facts.buttons, canvasPosition, isStopped });
      QuillmarkTouch.connect(canvas, { program, pointer, canvasPosition, drawnScene: () => drawnScene, isStopped });
      QuillmarkKeys.connect({ pointer, isStopped });
      buttonsFrameDrawn = QuillmarkControls.connect(document.getElementById('panel'), { pointer, facts, clock, isStopped });
      listenFrameDrawn = QuillmarkListen.connect(document.querySelector('#listen button'), document.getElementById('listen-said'),
        { program, isStopped });
      share = QuillmarkShare.connect(canvas, {
        program,
        clock,
        releaseInput: () => pointer.releaseAll(),
        linkOpened: () => words.linkOpened(),
        notice: showNotice,
        isStopped,
        inSession,
      });
      undoFrameDrawn = QuillmarkUndo.connect(document.getElementById('history'),
        { program, pointer, said: words, isStopped, inSession });
    },
    frameDrawn(scene) {
      drawnScene = scene;
      showScene(scene);
      buttonsFrameDrawn(scene);
      words.frameDrawn(scene);
      share.frameDrawn();
      listenFrameDrawn(scene);
      undoFrameDrawn();
    },
  });

  // After one visit the page opens from the copy kept on this device, and says when that is because
  // the network failed or hangs, and when a new version is ready.
  QuillmarkKeptCopy.connect({ clock });

  // For a class: the drawing and its controls full screen, and a printed page of the drawing.
  QuillmarkFullScreen.connect(document.querySelector('main'), document.getElementById('full-screen'));
  QuillmarkPrint.connect(canvas, () => startedProgram);
})();
