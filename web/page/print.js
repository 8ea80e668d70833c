// print.js: the page as printed: the drawing as a picture of the canvas taken when printing starts (a
// WebGL canvas may print blank, and keeps a frame's pixels only while the frame is drawn), with its
// description in words and its link as text (style.css's print rules show these and hide the rest).
'use strict';

const QuillmarkPrint = (function () {
  // program() gives the program once it has started, else null: its drawNow() draws a frame at
  // once, its drawingLink() the fragment naming the drawing ('' for the start-up one).
  function connect(canvas, program) {
    const picture = document.getElementById('print-drawing');
    const linkText = document.getElementById('print-link');
    window.addEventListener('beforeprint', () => {
      const started = program();
      if (started !== null) started.drawNow();
      picture.src = canvas.toDataURL('image/png');
      const fragment = started === null ? null : started.drawingLink();
      const page = `${location.origin}${location.pathname}${location.search}`;
      linkText.textContent = fragment === null ? location.href : `${page}${fragment === '' ? '' : `#${fragment}`}`;
    });
  }

  return { connect };
})();
