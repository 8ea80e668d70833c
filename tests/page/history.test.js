// history.test.js: the undo history's steps, with a drawing, presses and storage of the test's own.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const QuillmarkHistory = require('../../web/page/history.js');

// A history over a drawing the test sets (shown), with the program's press (held) and the tab's
// storage (kept) in the test's hands; steps() gives the links and where Undo and Redo are.
function historyOf({ shown = '', kept = null, readable = () => true } = {}) {
  const state = { shown, held: false, kept };
  const history = QuillmarkHistory.create({
    drawing: () => state.shown,
    programHeld: () => state.held,
    readable,
    kept,
    keep: (history) => { state.kept = history; },
  });
  // Undo, Redo and Start again open the drawing they give, as the page does.
  const open = (link) => {
    if (link !== null) state.shown = link;
    return link;
  };
  return { state, history, undo: () => open(history.undo()), redo: () => open(history.redo()), startAgain: () => open(history.startAgain()) };
}

test('a change is one step once no press holds it; taps faster than frames are a step each, changes that come back none', () => {
  const { state, history } = historyOf();
  // A key tap between two frames, then another: two steps.
  history.press('key a');
  state.shown = 'a1';
  history.changed();
  history.release('key a');
  history.press('key a');
  state.shown = 'a2';
  history.release('key a');
  assert.deepEqual(state.kept, { links: ['', 'a1', 'a2'], at: 2 });
  // A button held by a pointer while a key comes and goes, and a drag held by the program: one step
  // when the last lets go; a release of nothing held settles nothing.
  history.press('pointer 1');
  state.shown = 'b1';
  history.press('key F3');
  state.shown = 'b2';
  history.release('key F3');
  state.held = true;
  history.release('pointer 1');
  state.shown = 'b3';
  history.changed();
  history.release('pointer 7');
  assert.equal(state.kept.links.length, 3);
  state.held = false;
  history.changed();
  assert.deepEqual(state.kept, { links: ['', 'a1', 'a2', 'b3'], at: 3 });
  // A drag that comes back where it started, and frames that change nothing: no step.
  history.press('pointer 1');
  state.shown = 'c';
  history.changed();
  state.shown = 'b3';
  history.release('pointer 1');
  history.changed();
  assert.equal(state.kept.links.length, 4);
  // Focus lost: every press is let go; a drag ended by the page is a step while still held.
  history.press('key r');
  state.shown = 'd';
  history.lost();
  state.held = true;
  state.shown = 'e';
  history.settle();
  assert.deepEqual(state.kept.links.slice(4), ['d', 'e']);
});

test('undo and redo walk the steps, a change under way first becomes one, a new step drops those undone; start again is one more', () => {
  const { state, history, undo, redo, startAgain } = historyOf({ shown: 's' });
  assert.deepEqual([history.canUndo(), history.canRedo(), undo(), redo()], [false, false, null, null]);
  state.held = true;
  state.shown = '1';
  assert.equal(history.canUndo(), true);
  state.held = false;
  for (const link of ['1', '2', '3']) {
    state.shown = link;
    history.changed();
  }
  assert.deepEqual([undo(), undo(), history.canUndo(), history.canRedo()], ['2', '1', true, true]);
  assert.deepEqual([redo(), state.kept.at], ['2', 2]);
  // A drag under way at the Undo: the drag is a step, undone at once; Redo brings it back.
  state.held = true;
  state.shown = 'dragged';
  assert.deepEqual([history.canUndo(), history.canRedo()], [true, false]);
  assert.deepEqual([undo(), redo(), redo()], ['2', 'dragged', null]);
  state.held = false;
  assert.deepEqual(state.kept.links, ['s', '1', '2', 'dragged']);
  // Start again: the start-up drawing, undone like any step; pressed there, it does nothing.
  assert.deepEqual([startAgain(), startAgain(), undo()], ['', null, 'dragged']);
  // A new change after undoing drops the steps undone.
  undo();
  state.shown = 'new';
  history.changed();
  assert.deepEqual([state.kept.links, history.canRedo()], [['s', '1', '2', 'new'], false]);
});

test('the most recent steps are kept, and a reload restores a usable history kept in the tab', () => {
  const { state, history, undo } = historyOf();
  const MOST = QuillmarkHistory.MOST_STEPS;
  for (let k = 1; k <= MOST + 5; ++k) {
    state.shown = `n${k}`;
    history.changed();
  }
  assert.deepEqual([state.kept.links.length, state.kept.links[0], state.kept.at], [MOST + 1, 'n5', MOST]);
  for (let k = 0; k < MOST; ++k) undo();
  assert.deepEqual([undo(), state.shown], [null, 'n5']);

  // Restored where the tab left it, Redo included; a drawing opened since (another address typed
  // into the tab) is a step after it.
  const kept = { links: ['', 'x', 'y'], at: 1 };
  const reloaded = historyOf({ shown: 'x', kept });
  assert.deepEqual([reloaded.redo(), reloaded.undo(), reloaded.undo(), reloaded.undo()], ['y', 'x', '', null]);
  const moved = historyOf({ shown: 'z', kept });
  assert.deepEqual(moved.state.kept, { links: ['', 'x', 'z'], at: 2 });
  // Anything else starts afresh: a link the program refuses, a place outside, too many links.
  for (const [bad, readable] of [[kept, (link) => link !== 'y'], [{ links: ['', 'x'], at: 2 }], [{ links: ['x'], at: -1 }],
    [{ links: ['x'], at: 0.5 }], [{ links: [], at: 0 }], [{ links: 'xy', at: 0 }], [{ links: [3], at: 0 }], ['x'],
    [{ links: Array(MOST + 2).fill('x'), at: 0 }]]) {
    const fresh = historyOf({ shown: 'z', kept: bad, readable });
    assert.deepEqual([fresh.history.canUndo(), fresh.undo(), fresh.state.kept], [false, null, bad], JSON.stringify(bad));
  }
  const full = historyOf({ shown: 'z', kept: { links: Array(MOST + 1).fill('z'), at: 0 } }).history;
  assert.deepEqual([full.canUndo(), full.canRedo()], [false, true]);
});
