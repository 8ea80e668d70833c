// timing.test.js: what the page times by itself, on a clock the test moves: a held button's repeats,
// the address's writes, the announcements' settling and merging.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const { fakeClock } = require('./fake_clock.js');
const QuillmarkRepeat = require('../../web/page/repeat.js');
const QuillmarkAddress = require('../../web/page/address.js');
const QuillmarkAnnouncer = require('../../web/page/announcer.js');

test('a button held repeats from its press as the delay and interval imply, and stops when let go or disabled', () => {
  const clock = fakeClock();
  const repeat = QuillmarkRepeat.create(clock);
  const acts = [];
  repeat.start(() => acts.push(clock.now()));
  clock.advance(1000);
  const { REPEAT_DELAY: delay, REPEAT_INTERVAL: interval } = QuillmarkRepeat;
  assert.equal(acts.length, 2 + Math.floor((1000 - delay) / interval));
  assert.deepEqual(acts.slice(0, 3), [0, delay, delay + interval]);
  repeat.stop();
  clock.advance(1000);
  assert.equal(acts.length, 2 + Math.floor((1000 - delay) / interval));

  // A button disabled by its own act (the last half-wave) acts no more; a new press starts afresh.
  let left = 3;
  repeat.start(() => (left-- > 0));
  clock.advance(5000);
  assert.equal(left, -1);
  const again = [];
  const t = clock.now();
  repeat.start(() => again.push(clock.now()));
  repeat.start(() => again.push(-clock.now()));
  clock.advance(delay);
  assert.deepEqual(again, [t, -t, -(t + delay)]);
});

test('the address is written at once after a quiet second, then at most once a second, last drawing included', () => {
  const clock = fakeClock();
  const writes = [];
  let result = 'written';
  const address = QuillmarkAddress.create({ clock, write: () => { writes.push(clock.now()); return result; } });
  address.changed();
  clock.advance(0);
  // A held key changes the drawing 15 times a second for three seconds.
  for (let t = 0; t < 3000; t += 66) {
    address.changed();
    clock.advance(66);
  }
  clock.advance(2000);
  assert.deepEqual(writes, [0, 1000, 2000, 3000]);
  // Nothing to write counts as no write; a refused write is tried again a second later.
  const t = clock.now();
  result = 'same';
  address.changed();
  clock.advance(0);
  result = 'refused';
  address.changed();
  clock.advance(0);
  result = 'written';
  clock.advance(999);
  assert.deepEqual(writes.slice(4), [t, t]);
  clock.advance(1);
  assert.deepEqual(writes.slice(4), [t, t, t + 1000]);
  // Writing now takes any write waiting.
  address.changed();
  address.writeNow();
  clock.advance(5000);
  assert.deepEqual(writes.slice(4), [t, t, t + 1000, t + 1000]);
});

test('changes are said once they settle, merged, never while held, and the same words twice are said twice', () => {
  const clock = fakeClock();
  const shown = [];
  const announcer = QuillmarkAnnouncer.create({
    clock,
    changes: (before, after) => (before === after ? '' : `moved ${after - before}`),
    warningOf: (drawing) => (drawing === 11 ? 'it warns' : ''),
    show: (text) => shown.push([clock.now(), text]),
  });
  const frame = (drawing, held = false) => announcer.frameDrawn(drawing, `${drawing} ${held}`, held);
  const { SETTLE_MS: settle, REPEAT_GAP_MS: gap } = QuillmarkAnnouncer;
  frame(1);
  frame(2);
  clock.advance(settle - 1);
  frame(3);
  // Frames that change nothing put nothing off.
  clock.advance(settle - 1);
  frame(3);
  clock.advance(1);
  assert.deepEqual(shown, [[2 * settle - 1, 'moved 2']]);
  // Changes that undo each other say nothing.
  frame(4);
  frame(3);
  clock.advance(settle);
  assert.equal(shown.length, 1);
  // Held, nothing is said however long; the release's frame waits again.
  frame(6, true);
  clock.advance(10 * settle);
  const released = clock.now();
  frame(6);
  clock.advance(settle);
  assert.deepEqual(shown.slice(1), [[released + settle, 'moved 3']]);
  // A frame with the same words puts nothing off and says nothing.
  frame(6);
  clock.advance(10 * settle);
  assert.equal(shown.length, 2);
  // The same announcement again: taken away, put back a moment later.
  const again = clock.now() + settle;
  frame(9);
  clock.advance(settle + gap);
  assert.deepEqual(shown.slice(2), [[again, ''], [again + gap, 'moved 3']]);
  // A link opened is said as that, with its drawing's warning, whatever changed; before the first
  // frame there is nothing to say.
  announcer.linkOpened();
  frame(10);
  clock.advance(settle);
  assert.equal(shown.at(-1)[1], QuillmarkAnnouncer.LINK_OPENED);
  announcer.linkOpened();
  frame(11);
  clock.advance(settle);
  assert.equal(shown.at(-1)[1], `${QuillmarkAnnouncer.LINK_OPENED}, it warns`);
  const early = QuillmarkAnnouncer.create({ clock, changes: () => 'x', warningOf: () => '', show: (text) => shown.push([clock.now(), text]) });
  const count = shown.length;
  early.linkOpened();
  clock.advance(10 * settle);
  assert.equal(shown.length, count);
});
