// page.js: starts the program on the page's canvas and shows what it reports: the readout of the
// scene after every frame, its output lines in a bounded log, and any failure in words on the page;
// share.js keeps the drawing in the address once the program has started, words.js says the drawing
// in words.
'use strict';

(function startPage() {
  const canvas = document.getElementById('canvas');
  const status = document.getElementById('status');
  const readout = document.getElementById('readout');
  // The program prints one line per frame while the curve stands still: about 60 a second.
  const LOG_LINES = 100;

  let stopped = false;
  // The page's input, once the program runs: input.releaseAll() ends every press it gave.
  let input = null;
  // The scene of the last frame drawn, and what keeps the buttons in step with it.
  let drawnScene = null;
  let showSceneOnButtons = () => {};
  // The address and the share buttons, once main has set up the scene.
  let share = null;
  let lastErrorLine = '';
  const words = QuillmarkWords.connect(document.getElementById('drawing-words'),
    document.getElementById('drawing-news'), decimals);

  // The first failure is the one to show: what it sets off afterwards adds nothing.
  function fail(message) {
    if (stopped) return;
    stopped = true;
    for (const button of document.querySelectorAll('#panel button')) button.disabled = true;
    status.textContent = message;
    status.classList.add('failure');
    status.hidden = false;
  }

  // Runs of frames and a warning line at each are cheap to take in; the page's text is rewritten
  // at most once per animation frame, with the last LOG_LINES lines and the count of the others.
  function createLog() {
    const empty = document.getElementById('log-empty');
    const dropped = document.getElementById('log-dropped');
    const text = document.getElementById('log');
    const lines = [];
    let droppedCount = 0;
    let scheduled = false;

    function render() {
      scheduled = false;
      empty.hidden = true;
      text.hidden = false;
      text.textContent = lines.join('\n');
      text.scrollTop = text.scrollHeight;
      dropped.hidden = droppedCount === 0;
      dropped.textContent = `${droppedCount.toLocaleString('en')} earlier ${droppedCount === 1 ? 'line' : 'lines'} not shown`;
    }

    return function addLine(line) {
      lines.push(line);
      if (lines.length > LOG_LINES) {
        lines.shift();
        droppedCount += 1;
      }
      if (!scheduled) {
        scheduled = true;
        requestAnimationFrame(render);
      }
    };
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
    drawnScene = scene;
    showSceneOnButtons(scene);
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

  const addLogLine = createLog();
  window.Module = {
    canvas,
    print(line) {
      addLogLine(line);
      words.printed(line);
    },
    printErr(line) {
      lastErrorLine = line;
      console.warn(line);
    },
    onAbort(what) {
      const reason = lastErrorLine || String(what);
      fail(stoppedBecause(reason.replace(/^quillmark: /, '')));
    },
    // Reloading cannot bring WebGL back: the browser turned it off.
    onWebGlOff() {
      fail('This browser has WebGL turned off, for this graphics driver or by a setting, and Quillmark needs ' +
        'WebGL to draw. Open the page in another browser, or turn on hardware acceleration (or WebGL) in this ' +
        'browser\'s settings.');
    },
    onRuntimeInitialized() {
      input = QuillmarkInput.connect(canvas, {
        mouse: window.Module._quillmarkMouse,
        motion: window.Module._quillmarkMotion,
        specialKey: window.Module._quillmarkSpecialKey,
        key: window.Module._quillmarkKey,
        isStopped: () => stopped,
        drawnScene: () => drawnScene,
      });
      showSceneOnButtons = QuillmarkControls.connect(document.getElementById('panel'), input);
    },
    onProgramStarted() {
      share = QuillmarkShare.connect(canvas, {
        drawingLink: () => window.Module.ccall('quillmarkDrawingLink', 'string', [], []),
        readLink: (fragment) => window.Module.ccall('quillmarkReadLink', 'string', ['string'], [fragment]),
        openLink(linkRead) {
          window.Module._quillmarkOpenLink(linkRead);
          if (linkRead) words.linkOpened();
        },
        redraw: window.Module._quillmarkRedraw,
        releaseInput: () => input.releaseAll(),
        isStopped: () => stopped,
      }, showNotice);
    },
    onFrameDrawn(scene) {
      showScene(scene);
      words.frameDrawn(scene);
      share.frameDrawn();
    },
  };

  const program = document.createElement('script');
  program.src = 'quillmark.js';
  program.onerror = () => fail('The program (quillmark.js) could not be loaded. Reload the page to try again.');
  document.body.appendChild(program);
})();
