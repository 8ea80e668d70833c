// sound.test.js: the wave's sound worked out from drawn points, played on a context that records, and
// the Listen button's rules of when it starts and stops.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const { schedule, play, listener } = require('../../web/page/sound.js');

// Five points over 4 s: one a second. The fourth lies right of the square, the fifth has no x.
const plan = schedule([-1, -1, 0, 0, 1, 1, 2, 0, NaN, 0.5], [{ step: 1 }, { step: 3 }], 4);
const field = (name) => plan.steps.map((step) => step[name]);
const RATE = 48000;

test('pitch in octaves from y, pan from x, held at the edges; off the square quieter, nowhere silent', () => {
  assert.deepEqual(field('time'), [0, 1, 2, 3, 4]);
  assert.deepEqual(field('frequency').slice(0, 4), [220, 440, 880, 440]);
  assert.deepEqual(field('pan').slice(0, 4), [-1, 0, 1, 1]);
  assert.deepEqual(plan.ticks, [1, 3]);
  const [halfway, below, above] = schedule([0, 0.5, 5, -Infinity, -3, 7], [], 4).steps;
  assert.ok(Math.abs(halfway.frequency - Math.sqrt(440 * 880)) < 1e-9);
  assert.deepEqual([halfway.pan, below.frequency, below.pan, above.frequency, above.pan], [0, 220, 1, 880, -1]);
  assert.deepEqual(schedule([0, 0, 0, 0, 0, 0], [{ step: 1 }], 3).ticks, [1.5]);
  const [inside, , , off, none] = field('gain');
  assert.deepEqual(field('gain').slice(0, 3), [inside, inside, inside]);
  assert.ok(inside > off && off > 0 && none === 0);
  assert.ok(Number.isFinite(plan.steps[4].frequency) && Number.isFinite(plan.steps[4].pan));
});

// An audio node that notes each call of its methods, and its parameters' methods, as 'path args'.
function recorder(path, calls) {
  const fields = { path };
  return new Proxy(() => {}, {
    get: (target, key) => (key in fields ? fields[key] : recorder(`${path}.${key}`, calls)),
    set: (target, key, value) => Reflect.set(fields, key, value),
    apply: (target, self, args) => calls.push([path, ...args.map((arg) => arg.path ?? arg)].join(' ')),
  });
}

test('play sets each value at its step from now, ticks through the panner, and stops on demand', () => {
  const calls = [];
  const nodes = {};
  const node = (name) => (nodes[name] = recorder(name, calls));
  const ended = () => {};
  const sound = play({ currentTime: 10, sampleRate: RATE, destination: { path: 'destination' },
    createOscillator: () => node('oscillator'), createGain: () => node('gain'),
    createStereoPanner: () => node('panner'), createBufferSource: () => node('ticks'),
    createBuffer: (channels, length) => {
      const samples = new Float32Array(channels === 1 ? length : 0);
      return { getChannelData: () => samples };
    },
  }, plan, ended);
  const on = (path) => calls.filter((call) => call.startsWith(`${path} `) || call.startsWith(`${path}.`));
  const ramps = (path, values) =>
    values.map((v, k) => `${path}.${k ? 'linearRampToValueAtTime' : 'setValueAtTime'} ${v} ${10 + k}`);
  assert.deepEqual(on('oscillator.frequency'), ramps('oscillator.frequency', field('frequency')));
  assert.deepEqual(on('panner.pan'), ramps('panner.pan', field('pan')));
  const end = Number(on('oscillator.stop')[0].split(' ')[1]);
  assert.ok(end > 14 && end < 14.1);
  assert.deepEqual(on('gain.gain'), [...ramps('gain.gain', field('gain')), `gain.gain.linearRampToValueAtTime 0 ${end}`]);
  assert.deepEqual(calls.filter((call) => call.split(' ')[0].split('.').length === 2).sort(),
    ['gain.connect panner', 'oscillator.connect gain', 'oscillator.start 10', `oscillator.stop ${end}`,
      'panner.connect destination', 'ticks.connect panner', 'ticks.start 10']);
  assert.equal(nodes.oscillator.onended, ended);
  // The same tick at 1 s and at 3 s, and nothing else: loud at once, never clipped, high above the
  // tone, gone within 25 ms.
  const samples = nodes.ticks.buffer.getChannelData(0);
  const tick = samples.subarray(RATE, RATE + RATE / 40);
  const loudness = (part) => part.reduce((sum, sample) => sum + Math.abs(sample), 0);
  assert.deepEqual(samples.subarray(3 * RATE, 3 * RATE + RATE / 40), tick);
  assert.ok(samples.length > 4 * RATE && tick[1] !== 0);
  assert.ok(Math.abs(loudness(samples) - 2 * loudness(tick)) < 1e-9);
  assert.ok(Math.max(...tick.map(Math.abs)) > field('gain')[0] && tick.every((sample) => Math.abs(sample) <= 1));
  assert.ok(loudness(tick.subarray(0, RATE / 200)) > loudness(tick.subarray(RATE / 200)));
  const seconds = tick.filter((sample) => sample !== 0).length / RATE;
  assert.ok(tick.filter((sample, k) => k > 0 && sample * tick[k - 1] < 0).length > 2 * 880 * seconds);
  sound.stop();
  assert.deepEqual(calls.slice(-3), ['oscillator.stop', 'ticks.stop', 'panner.disconnect']);
});

test('a press plays the drawing shown until a second press, a change of the drawing, the page hidden or audio giving up', () => {
  const log = [];
  const ends = [];
  let refuse = false;
  const button = listener({
    start(ended) {
      if (refuse) throw new Error('no audio');
      ends.push(ended);
      log.push(`start ${ends.length}`);
      return { stop: () => log.push(`stop ${ends.length}`) };
    },
    show: (state) => log.push(state),
  });
  const scene = { controlPoints: [-0.3, 0, -0.1, 0.4, 0.1, 0.4, 0.3, 0], waveCount: 10, waveAmplitude: 0.1, segmentCount: 100, zoom: 2, selectedPoint: -1 };
  const changed = (name, value) => ({ ...scene, [name]: value });
  const cornerAt = (k, value) => changed('controlPoints', scene.controlPoints.map((old, i) => (i === k ? value : old)));
  const steps = (...actions) => {
    log.length = 0;
    for (const action of actions) action();
    return log.join(', ');
  };
  const press = () => button.pressed();
  const frame = (drawn) => () => button.frameDrawn(drawn);
  assert.equal(steps(press), '');
  assert.equal(steps(frame(scene), press, press), 'start 1, playing, stop 1, idle');
  // A press held or let go, the pointer moved: the same drawing plays on.
  assert.equal(steps(press, frame({ ...changed('selectedPoint', 2), lastMouse: [1, 2] }), press), 'start 2, playing, stop 2, idle');
  for (const drawing of [changed('zoom', 2.1), changed('waveCount', 11), changed('waveAmplitude', 0.11),
    changed('segmentCount', 512), cornerAt(0, -0.31), cornerAt(7, -0), cornerAt(7, NaN)]) {
    assert.equal(steps(frame(scene), press, frame(drawing), frame(scene)), `start ${ends.length}, playing, stop ${ends.length}, idle`);
  }
  assert.equal(steps(frame(cornerAt(7, NaN)), press, frame(cornerAt(7, NaN)), () => button.hidden(), () => button.hidden()),
    'start 10, playing, stop 10, idle');
  // A sound stopped ends later, after the next has started: only the next one's end stops it.
  assert.equal(steps(press, press, press, () => ends[10](), () => ends[11]()), 'start 11, playing, stop 11, idle, start 12, playing, stop 12, idle');
  // Audio that gives up late, when nothing plays any more, is said too.
  assert.equal(steps(press, () => button.failed(), () => button.failed(), press), 'start 13, playing, stop 13, failed, failed, start 14, playing');
  refuse = true;
  assert.equal(steps(press, press, press), 'stop 14, idle, failed, failed');
});
