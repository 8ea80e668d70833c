// input.test.js: the one owner of the program's pointer and the pinch's zoom, with a program that
// records what it is handed and facts of the test's own.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const QuillmarkPointer = require('../../web/page/pointer.js');
const QuillmarkPinch = require('../../web/page/pinch.js');

const FACTS = {
  down: 10,
  up: 11,
  specialKeys: { F3: 3, ArrowLeft: 100 },
  characterKeys: 'aA',
};

// A program that records its calls, and answers steps as `answers` says.
function recordingProgram(answers = {}) {
  const calls = [];
  const record = (name) => (...args) => calls.push([name, ...args]);
  return {
    calls,
    program: {
      facts: FACTS,
      mouse: record('mouse'),
      motion: record('motion'),
      specialKey: record('specialKey'),
      key: record('key'),
      cornerStep: (...args) => { calls.push(['cornerStep', ...args]); return answers.corner; },
      zoomStep: (...args) => { calls.push(['zoomStep', ...args]); return answers.zoom; },
    },
  };
}

test('presses, motions and releases reach the program once each, from one holder at a time', () => {
  const { calls, program } = recordingProgram();
  const pointer = QuillmarkPointer.create(program);
  assert.equal(pointer.key('F3'), true);
  pointer.press(0, [5, 6], 'mouse');
  pointer.press(2, [5, 6], 'mouse');
  pointer.move([5, 6]);
  pointer.move([7, 6]);
  assert.deepEqual([pointer.holder(), pointer.heldButtons(), pointer.holds(2), pointer.holds(1), pointer.anyHeld()],
    ['mouse', [0, 2], true, false, true]);
  pointer.release(0, [8, 9]);
  assert.equal(pointer.holder(), 'mouse');
  pointer.release(2, [8, 9]);
  assert.deepEqual([pointer.holder(), pointer.anyHeld(), pointer.position()], [null, false, [8, 9]]);
  pointer.click(3, [1, 2]);
  assert.deepEqual(calls, [['specialKey', 3, 0, 0], ['mouse', 0, 10, 5, 6], ['mouse', 2, 10, 5, 6], ['motion', 7, 6], ['mouse', 0, 11, 8, 9],
    ['mouse', 2, 11, 8, 9], ['mouse', 3, 10, 1, 2], ['mouse', 3, 11, 1, 2]]);

  // Ending every press from outside ends the gestures first, then releases where the pointer was.
  const order = [];
  pointer.onReleaseAll(() => order.push('hook'));
  pointer.press(1, [4, 4], 'touch');
  pointer.move([4, 9]);
  calls.length = 0;
  pointer.releaseAll();
  order.push(...calls);
  assert.deepEqual(order, ['hook', ['mouse', 1, 11, 4, 9]]);
  assert.equal(pointer.holder(), null);
});

test("keys by the browser's names: the program's own, with the pointer's position; no other", () => {
  const { calls, program } = recordingProgram();
  const pointer = QuillmarkPointer.create(program);
  pointer.press(0, [30, 40], 'mouse');
  calls.length = 0;
  assert.deepEqual(['F3', 'ArrowLeft', 'a', 'A', 'b', 'aA', 'F4', 'toString', ''].map(pointer.key),
    [true, true, true, true, false, false, false, false, false]);
  assert.deepEqual(calls, [['specialKey', 3, 30, 40], ['specialKey', 100, 30, 40], ['key', 97, 30, 40], ['key', 65, 30, 40]]);
});

test('a corner or zoom step is sent only with no press held, and leaves the pointer at its release', () => {
  const { calls, program } = recordingProgram({
    corner: { refusal: '', release: [20, 28] },
    zoom: { refusal: '', release: [400, 300] },
  });
  const pointer = QuillmarkPointer.create(program);
  pointer.press(0, [1, 1], 'touch');
  assert.equal(pointer.cornerStep(2, [0, 8]), null);
  assert.equal(pointer.zoomStep(1), null);
  pointer.release(0, [1, 1]);
  assert.equal(pointer.cornerStep(2, [0, 8]), '');
  assert.deepEqual(pointer.position(), [20, 28]);
  assert.equal(pointer.zoomStep(-1), '');
  assert.deepEqual(pointer.position(), [400, 300]);
  assert.deepEqual(calls.filter(([name]) => name.endsWith('Step')), [['cornerStep', 2, 0, 8], ['zoomStep', -1]]);
  // A refused step moves nothing, the pointer included.
  const refusing = recordingProgram({ corner: { refusal: 'P1 lies on P0 here', release: [0, 0] } });
  const other = QuillmarkPointer.create(refusing.program);
  other.press(0, [3, 4], 'mouse');
  other.release(0, [3, 4]);
  assert.equal(other.cornerStep(1, [8, 0]), 'P1 lies on P0 here');
  assert.deepEqual(other.position(), [3, 4]);
});

test('a pinch zooms in proportion from its start, in whole pixels, and anchors a pixel past a bound', () => {
  const zoomDrag = { spot: [400, 400], pixelsPerZoom: 1000, least: 0.1, most: 5 };
  const pinch = QuillmarkPinch.start(2, 100, zoomDrag);
  assert.deepEqual(QuillmarkPinch.motion(pinch, 100, zoomDrag), [400, 400]);
  assert.deepEqual(QuillmarkPinch.motion(pinch, 150, zoomDrag), [400, -600]);
  assert.deepEqual(QuillmarkPinch.motion(pinch, 50.05, zoomDrag), [400, 1399]);
  // Past the top bound the drag goes a pixel beyond 5 and counts from there.
  assert.deepEqual(QuillmarkPinch.motion(pinch, 300, zoomDrag), [400, -2601]);
  assert.deepEqual(pinch.anchor, { y: -2601, zoom: 5 });
  assert.deepEqual(QuillmarkPinch.motion(pinch, 200, zoomDrag), [400, -1601]);
  assert.deepEqual(QuillmarkPinch.motion(pinch, 1, zoomDrag), [400, 2300]);
  assert.deepEqual(pinch.anchor, { y: 2300, zoom: 0.1 });
  // Within the bounds every motion counts from the anchor, so fractions of a pixel add up.
  const slow = QuillmarkPinch.start(2, 10000, zoomDrag);
  assert.deepEqual([10002, 10004].map((distance) => QuillmarkPinch.motion(slow, distance, zoomDrag)), [[400, 400], [400, 399]]);
  // Fingers closer than a pixel count as one pixel apart.
  const close = QuillmarkPinch.start(1, 0.25, zoomDrag);
  assert.deepEqual(QuillmarkPinch.motion(close, 2, zoomDrag), [400, -600]);
});
