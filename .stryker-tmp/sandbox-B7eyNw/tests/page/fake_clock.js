// @ts-nocheck
// fake_clock.js: a clock for the page's logic whose time moves only when a test says so: later()
// callbacks run in time order as advance() passes them.
'use strict';

function fakeClock() {
  let time = 0;
  let nextHandle = 1;
  const pending = new Map();
  return {
    now: () => time,
    later(callback, ms) {
      pending.set(nextHandle, { at: time + ms, callback });
      return nextHandle++;
    },
    cancel: (handle) => pending.delete(handle),
    advance(ms) {
      const end = time + ms;
      for (;;) {
        const due = [...pending.entries()].filter(([, t]) => t.at <= end).sort((a, b) => a[1].at - b[1].at || a[0] - b[0])[0];
        if (due === undefined) break;
        pending.delete(due[0]);
        time = due[1].at;
        due[1].callback();
      }
      time = end;
    },
  };
}

module.exports = { fakeClock };
