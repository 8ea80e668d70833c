// program.js: the program as the page sees it. Every name that crosses between the page and the
// program's C++ is written here once, on the page's side (web/platform/page.h lists them on the
// program's): the Module callbacks the program calls, and the functions it exports, wrapped into
// the one `program` object the page's files are handed.
'use strict';

const QuillmarkProgram = (function () {
  function programOf(Module, facts) {
    const json = (name, types, values) => JSON.parse(Module.ccall(name, 'string', types, values));
    return {
      // The program's codes and limits (page_answers.h).
      facts,
      mouse: Module._quillmarkMouse,
      motion: Module._quillmarkMotion,
      specialKey: Module._quillmarkSpecialKey,
      key: Module._quillmarkKey,
      // { refusal, release: [x, y] }
      cornerStep: (k, dx, dy) => json('quillmarkCornerStep', ['number', 'number', 'number'], [k, dx, dy]),
      zoomStep: (direction) => json('quillmarkZoomStep', ['number'], [direction]),
      cornerPixel: (k) => [Module._quillmarkCornerPixel(k, 0), Module._quillmarkCornerPixel(k, 1)],
      drawingLink: () => Module.ccall('quillmarkDrawingLink', 'string', [], []),
      // The drawing in words: the scene's description; what differs between two drawings, each
      // named by its link; a drawing's warning.
      description: () => Module.ccall('quillmarkDescription', 'string', [], []),
      drawingChanges: (before, after) => Module.ccall('quillmarkChanges', 'string', ['string', 'string'], [before, after]),
      drawingWarning: (link) => Module.ccall('quillmarkWarning', 'string', ['string'], [link]),
      readLink: (fragment) => Module.ccall('quillmarkReadLink', 'string', ['string'], [fragment]),
      openLink: (linkRead) => Module._quillmarkOpenLink(linkRead ? 1 : 0),
      redraw: Module._quillmarkRedraw,
      // The wave the last frame drew (page_answers.h): { points: [x0, y0, ...], markers: [{ x, y, step }] }.
      drawnWave() {
        const heap = Module.HEAPF32;
        const at = Module._quillmarkDrawnWave() / 4;
        const markersAt = at + 2 + 2 * heap[at];
        const markers = [];
        for (let k = markersAt; markers.length < heap[at + 1]; k += 3) markers.push({ x: heap[k], y: heap[k + 1], step: heap[k + 2] });
        return { points: heap.slice(at + 2, markersAt), markers };
      },
      drawNow: Module._quillmarkDrawNow,
    };
  }

  // What went wrong with a file of the program, in words: its HTTP status, or that it could not be
  // read (no answer, or not a program).
  const COULD_NOT_BE_READ = 'could not be read';
  const statusOf = (response) => `answered with HTTP status ${response.status}`;

  // load(canvas, page) starts the program on the canvas. page has print(line) and printErr(line),
  // the program's output; aborted(what); webGlOff(); started(program), once main has set up the
  // scene, before the first frame; frameDrawn(scene), after every frame (page.h lists its fields);
  // notLoaded(file, what), when quillmark.js or quillmark.wasm could not be loaded, and why.
  function load(canvas, page) {
    // The WebAssembly is asked for at once, beside quillmark.js rather than after it, and handed to
    // the program as it asks for it; a host that sends it with another type is read whole instead.
    const wasm = fetch('quillmark.wasm');
    wasm.catch(() => {});
    const instantiate = (imports) => wasm.then((response) => {
      if (!response.ok) return Promise.reject(statusOf(response));
      return WebAssembly.instantiateStreaming(response.clone(), imports)
        .catch(() => response.arrayBuffer().then((bytes) => WebAssembly.instantiate(bytes, imports)));
    });
    const Module = {
      instantiateWasm(imports, receiveInstance) {
        instantiate(imports).then(({ instance, module }) => receiveInstance(instance, module),
          (why) => page.notLoaded('quillmark.wasm', typeof why === 'string' ? why : COULD_NOT_BE_READ));
        return {};
      },
      canvas,
      print: page.print,
      printErr: page.printErr,
      onAbort: page.aborted,
      onWebGlOff: page.webGlOff,
      onProgramStarted: (facts) => page.started(programOf(Module, facts)),
      onFrameDrawn: page.frameDrawn,
    };
    window.Module = Module;
    const script = document.createElement('script');
    script.src = 'quillmark.js';
    // A script that fails to load says nothing of why: the file is asked for again to learn it.
    script.onerror = () => fetch('quillmark.js', { cache: 'no-store' })
      .then((response) => page.notLoaded('quillmark.js', response.ok ? COULD_NOT_BE_READ : statusOf(response)),
        () => page.notLoaded('quillmark.js', COULD_NOT_BE_READ));
    document.body.appendChild(script);
  }

  return { load };
})();
