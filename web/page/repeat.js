// repeat.js: a held button acts like a held key: at once, again after REPEAT_DELAY, then every
// REPEAT_INTERVAL, each act timed from the press so that late timers do not add up. No DOM here:
// the clock and the timers are handed in.
'use strict';

const QuillmarkRepeat = (function () {
  // A held key repeats after about 0.4 s, then about 15 times a second.
  const REPEAT_DELAY = 400;
  const REPEAT_INTERVAL = 66;

  // create(clock): clock has now(), later(callback, ms) giving a handle, and cancel(handle).
  // Gives start(act), which acts at once and repeats until stop(), or until act() returns false
  // (a button that became disabled), and stop().
  function create(clock) {
    let repeat = null;

    function stop() {
      if (repeat === null) return;
      clock.cancel(repeat.timer);
      repeat = null;
    }

    function scheduleNext() {
      const due = repeat.pressedAt + REPEAT_DELAY + (repeat.acts - 1) * REPEAT_INTERVAL;
      repeat.timer = clock.later(tick, Math.max(0, due - clock.now()));
    }

    function tick() {
      if (repeat.act() === false) {
        repeat = null;
        return;
      }
      repeat.acts += 1;
      scheduleNext();
    }

    function start(act) {
      stop();
      repeat = { act, pressedAt: clock.now(), acts: 0, timer: null };
      tick();
    }

    return { start, stop };
  }

  return { REPEAT_DELAY, REPEAT_INTERVAL, create };
})();

if (typeof module === 'object') module.exports = QuillmarkRepeat;
