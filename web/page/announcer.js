// announcer.js: when the drawing's changes are said, and what one announcement takes in: changes
// are said once they settle, together, never while a corner or the zoom is held, and the same
// words twice in a row are said twice. No DOM here: the clock, the words of a change and the live
// region are handed in.
'use strict';

const QuillmarkAnnouncer = (function () {
  // Changes this close together are said together: a held button repeats about 15 times a second.
  const SETTLE_MS = 500;
  // A screen reader says a live region again only when its text changes: the same words twice in
  // a row are taken away first, and put back this much later.
  const REPEAT_GAP_MS = 100;
  const LINK_OPENED = 'drawing opened from the link';

  // create({ clock, changes, warningOf, show }): clock has now(), later(callback, ms) and
  // cancel(handle); changes(before, after) gives the words for what differs between two drawings
  // ('' for nothing); warningOf(drawing), the words of its warning ('' for none); show(text) puts
  // text in the live region.
  function create({ clock, changes, warningOf, show }) {
    // The drawing at the last announcement (or the first frame), and the last frame's.
    let lastSaid = null;
    let latest = null;
    let openedByLink = false;
    let settleTimer = null;
    let shown = '';

    function say(text) {
      if (text === shown) {
        show('');
        clock.later(() => show(text), REPEAT_GAP_MS);
      } else {
        show(text);
      }
      shown = text;
    }

    // The release of a held corner or zoom brings a frame of its own, which waits again.
    function settled() {
      settleTimer = null;
      if (latest.held) return;
      const text = openedByLink ? [LINK_OPENED, warningOf(latest.drawing)].filter((words) => words !== '').join(', ')
        : changes(lastSaid, latest.drawing);
      openedByLink = false;
      lastSaid = latest.drawing;
      if (text !== '') say(text);
    }

    function waitToSettle() {
      clock.cancel(settleTimer);
      settleTimer = clock.later(settled, SETTLE_MS);
    }

    return {
      // After every frame: its drawing, a key that differs whenever its words or its presses do,
      // and whether a corner or the zoom is held.
      frameDrawn(drawing, key, held) {
        const changed = latest !== null && key !== latest.key;
        latest = { drawing, key, held };
        if (lastSaid === null) lastSaid = drawing;
        if (changed) waitToSettle();
      },
      // A drawing opened from the address is said as that, with its warning, whatever changed.
      linkOpened() {
        if (lastSaid === null) return;
        openedByLink = true;
        waitToSettle();
      },
    };
  }

  return { SETTLE_MS, REPEAT_GAP_MS, LINK_OPENED, create };
})();

if (typeof module === 'object') module.exports = QuillmarkAnnouncer;
