// log.js: the program's output as the page keeps it: the last LOG_LINES lines and the count of the
// others. The program prints one line per frame while the curve stands still, about 60 a second.
// No DOM here.
'use strict';

const QuillmarkLog = (function () {
  const LOG_LINES = 100;

  function create() {
    const lines = [];
    let dropped = 0;
    return {
      add(line) {
        lines.push(line);
        if (lines.length > LOG_LINES) {
          lines.shift();
          dropped += 1;
        }
      },
      text: () => lines.join('\n'),
      dropped: () => dropped,
      droppedText: () => `${dropped.toLocaleString('en')} earlier ${dropped === 1 ? 'line' : 'lines'} not shown`,
    };
  }

  return { LOG_LINES, create };
})();

if (typeof module === 'object') module.exports = QuillmarkLog;
