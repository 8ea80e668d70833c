// timing.test.js: what the page times by itself, on a clock the test moves: a held button's repeats,
// the address's writes, the announcements' settling and merging, the offline line's questions.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const { fakeClock } = require('./fake_clock.js');
const QuillmarkRepeat = require('../../web/page/repeat.js');
const QuillmarkAddress = require('../../web/page/address.js');
const QuillmarkAnnouncer = require('../../web/page/announcer.js');
const QuillmarkNetwork = require('../../web/page/network.js');

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
  // Undone or redone: what changed, after the word; the last way the drawing came wins, and what
  // came back says nothing. Then changes are said plainly again.
  announcer.undone();
  frame(7);
  clock.advance(settle);
  assert.equal(shown.at(-1)[1], 'undone: moved -4');
  announcer.linkOpened();
  announcer.redone();
  frame(8);
  clock.advance(settle);
  assert.equal(shown.at(-1)[1], 'redone: moved 1');
  announcer.undone();
  frame(7);
  announcer.redone();
  frame(8);
  clock.advance(settle);
  frame(9);
  clock.advance(settle);
  assert.deepEqual(shown.slice(-2).map(([, text]) => text), ['redone: moved 1', 'moved 1']);
  const early = QuillmarkAnnouncer.create({ clock, changes: () => 'x', warningOf: () => '', show: (text) => shown.push([clock.now(), text]) });
  const count = shown.length;
  early.linkOpened();
  clock.advance(10 * settle);
  assert.equal(shown.length, count);
});

test('the offline line shows when the network fails or does not answer in time, and goes once it answers', async () => {
  const clock = fakeClock();
  const settled = () => new Promise(setImmediate);
  const { ANSWER_WAIT_MS: wait, ASK_AGAIN_MS: again } = QuillmarkNetwork;
  // Each question as [time asked, answer(reached)]; the line's changes as [time, shown].
  const asked = [];
  const line = [];
  const network = QuillmarkNetwork.watch({
    clock,
    ask: () => new Promise((resolve, reject) => asked.push([clock.now(), (reached) => (reached ? resolve() : reject())])),
    offline: (shown) => line.push([clock.now(), shown]),
  });
  const answer = async (reached) => {
    asked.at(-1)[1](reached);
    await settled();
  };
  // Answered in time: nothing is said, and nothing asked again.
  clock.advance(wait - 1);
  await answer(true);
  clock.advance(10 * again);
  assert.deepEqual([asked.length, line], [1, []]);

  // A failure is said at once, and the network asked again until it answers.
  network.askNow();
  await answer(false);
  clock.advance(again - 1);
  assert.equal(asked.length, 2);
  clock.advance(1);
  await answer(false);
  clock.advance(again);
  const back = clock.now();
  await answer(true);
  const t = back - 2 * again;
  assert.deepEqual(asked.map(([time]) => time), [0, t, t + again, t + 2 * again]);
  assert.deepEqual(line, [[t, true], [back, false]]);

  // A hanging question is said after the wait, and no other is asked until it ends; the browser's
  // word that the network is back asks at once.
  line.length = 0;
  network.askNow();
  const hung = clock.now();
  clock.advance(wait - 1);
  assert.deepEqual(line, []);
  clock.advance(1);
  network.askNow();
  clock.advance(10 * again);
  assert.deepEqual([asked.length, line], [5, [[hung + wait, true]]]);
  await answer(false);
  clock.advance(1);
  network.askNow();
  await answer(true);
  assert.deepEqual([asked.length, line.at(-1)], [6, [clock.now(), false]]);
});
