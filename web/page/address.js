// address.js: how often the page writes the drawing into its address: WebKit refuses
// history.replaceState after 100 calls in 30 s, and a held key changes the drawing 15 times a second.
// The first change after a quiet second is written at once, later ones a second after the last
// write, so the address never lags the drawing by more than a second. No DOM here: the clock and
// the write are handed in.
'use strict';

const QuillmarkAddress = (function () {
  const WRITE_INTERVAL_MS = 1000;

  // create({ clock, write }): clock has now(), later(callback, ms) and cancel(handle); write()
  // writes the address and gives 'written', 'same' (nothing to write) or 'refused' (tried again
  // a second later). Gives changed(), for every change of the drawing, and writeNow().
  function create({ clock, write }) {
    let timer = null;
    let lastWrite = -Infinity;

    function writeNow() {
      clock.cancel(timer);
      timer = null;
      const result = write();
      if (result === 'same') return;
      lastWrite = clock.now();
      if (result === 'refused') changed();
    }

    function changed() {
      if (timer !== null) return;
      timer = clock.later(writeNow, Math.max(0, lastWrite + WRITE_INTERVAL_MS - clock.now()));
    }

    return { changed, writeNow };
  }

  return { WRITE_INTERVAL_MS, create };
})();

if (typeof module === 'object') module.exports = QuillmarkAddress;
