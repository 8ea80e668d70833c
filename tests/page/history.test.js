// history.test.js: the undo history's steps, with a drawing, presses and storage of the test's own.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const QuillmarkHistory = require('../../web/page/history.js');

// A history over the drawing in state.shown, the program's press in state.held and the tab's storage
// in state.kept; tap(id, ...links) presses, shows each link in turn and lets go; go(name) runs undo,
// redo or startAgain and opens what it gives, as the page does.
function historyOf({ shown = '', kept = null, readable = () => true } = {}) {
  const state = { shown, held: false, kept };
  const history = QuillmarkHistory.create({
    drawing: () => state.shown, programHeld: () => state.held, readable, kept, keep: (now) => { state.kept = now; },
  });
  const tap = (id, ...links) => {
    history.press(id);
    for (const link of links) state.shown = link;
    history.release(id);
  };
  const go = (name) => {
    const link = history[name]();
    if (link !== null) state.shown = link;
    return link;
  };
  return { state, history, tap, go };
}

test('a change is one step once no press holds it; taps faster than frames are a step each, changes that come back none', () => {
  const { state, history, tap } = historyOf();
  tap('key a', 'a1');
  tap('key a', 'a2');
  // A link opened is a step when the next press comes.
  state.shown = 'link';
  tap('key r', 'link r');
  // A button held by a pointer while a key comes and goes, then a drag the program holds: one step,
  // taken when the next press comes; a press that comes back where it started makes none.
  history.press('pointer 1');
  tap('key F3', 'b1');
  state.held = true;
  history.release('pointer 1');
  tap('key r', 'b2');
  history.release('pointer 7');
  assert.equal(state.kept.links.length, 5);
  state.held = false;
  tap('pointer 1', 'c', 'b2');
  // Focus lost: every press is let go; a drag the page ended is a step while still held.
  history.press('key r');
  state.shown = 'd';
  history.lost();
  state.held = true;
  state.shown = 'e';
  history.settle();
  assert.deepEqual(state.kept, { links: ['', 'a1', 'a2', 'link', 'link r', 'b2', 'd', 'e'], at: 7 });
});

test('undo and redo walk the steps, a change under way first becomes one, a new step drops those undone; start again is one more', () => {
  const { state, history, tap, go } = historyOf({ shown: 's' });
  assert.deepEqual([history.canUndo(), history.canRedo(), go('undo'), go('redo')], [false, false, null, null]);
  state.shown = '1';
  assert.equal(history.canUndo(), true);
  tap('key a', '1', '2');
  tap('key a', '3');
  assert.deepEqual([go('undo'), go('undo'), go('redo'), history.canUndo(), history.canRedo()], ['2', '1', '2', true, true]);
  // A drag under way: no Redo; Undo makes the drag a step and undoes it, Redo brings it back.
  state.shown = 'dragged';
  assert.deepEqual([history.canRedo(), go('undo'), go('redo'), go('redo')], [false, '2', 'dragged', null]);
  assert.deepEqual([go('startAgain'), go('startAgain'), go('undo'), go('undo')], ['', null, 'dragged', '2']);
  tap('key a', 'new');
  assert.deepEqual(state.kept, { links: ['s', '1', '2', 'new'], at: 3 });
});

test('the most recent steps are kept, and a reload restores a usable history kept in the tab', () => {
  const MOST = QuillmarkHistory.MOST_STEPS;
  const { state, tap, go } = historyOf();
  for (let k = 1; k <= MOST + 5; ++k) tap('key a', `n${k}`);
  for (let k = 0; k < MOST; ++k) go('undo');
  assert.deepEqual([go('undo'), state.shown, state.kept.links.length], [null, 'n5', MOST + 1]);
  // Restored where the tab left it; a drawing opened since (another address in the tab) is a step.
  const kept = { links: ['', 'x', 'y'], at: 0 };
  const reloaded = historyOf({ shown: '', kept });
  assert.deepEqual([reloaded.go('redo'), reloaded.go('redo'), reloaded.go('undo')], ['x', 'y', 'x']);
  assert.deepEqual(historyOf({ shown: 'z', kept }).state.kept, { links: ['', 'z'], at: 1 });
  // Anything else starts afresh, keeping nothing yet.
  for (const [bad, readable] of [[kept, (link) => link !== 'y'], [{ links: ['', 'x'], at: 2 }], [{ links: ['x'], at: -1 }],
    [{ links: ['x'], at: 0.5 }], [{ links: 'x', at: 0 }], [{ links: [3], at: 0 }], [{ links: Array(MOST + 2).fill('z'), at: 0 }]]) {
    const fresh = historyOf({ shown: 'z', kept: bad, readable });
    assert.deepEqual([fresh.history.canUndo(), fresh.history.canRedo(), fresh.state.kept], [false, false, bad], JSON.stringify(bad));
  }
  assert.equal(historyOf({ shown: 'z', kept: { links: Array(MOST + 1).fill('z'), at: 0 } }).history.canRedo(), true);
});
