// sound.js: the wave curve as sound, for listening to the drawing: its height as pitch, its place
// from left to right as stereo position, and a tick where it crosses itself. schedule() works the
// sound out from the drawn points alone; play() hands it to an audio context; listener() keeps the
// Listen button's rules: when the sound starts and when it stops.
'use strict';

const QuillmarkSound = (function () {
  // The bottom of the visible square sounds at LOW_HZ and its top OCTAVES higher, the pitch rising
  // by equal intervals as the point rises: the ear hears intervals, not hertz.
  const LOW_HZ = 220;
  const OCTAVES = 2;
  const GAIN = 0.2;
  // A point off the square sounds at the edge it left by, quieter, so that leaving the view is heard.
  const CLAMPED_GAIN = 0.05;
  // A tick: a short decaying beep, high above the wave's pitches so it stands out.
  const TICK_HZ = 2000;
  const TICK_SECONDS = 0.01;
  const TICK_GAIN = 0.4;
  // The tone fades out this fast after the last point instead of stopping with a click.
  const RELEASE_SECONDS = 0.02;

  // A coordinate of the visible square (-1 to 1) as the sound can use it, and whether it lay outside.
  // A NaN is no place at all: it is kept, and silenced by the caller.
  function clamped(value) {
    return { value: Math.min(Math.max(value, -1), 1), outside: !(Math.abs(value) <= 1) };
  }

  // points: the wave's points as the frame draws them, [x0, y0, x1, y1, ...] in the GL units of the
  // visible square (-1 to 1 each way), at least one point. markers: the marker points in the frame's
  // order, each with `step`, the wave step (the earlier segment) at which the wave first crosses it.
  // duration: seconds from the first point to the last.
  // Gives { duration, steps, ticks }: per point, in wave order, the time it sounds at (seconds from
  // the start), its frequency in hertz, its pan (-1 left, 1 right) and its gain; per marker, the time
  // of its tick, which is the time of its step.
  function schedule(points, markers, duration) {
    const count = points.length / 2;
    const timeOf = (step) => (step / Math.max(count - 1, 1)) * duration;
    const steps = [];
    for (let k = 0; k < count; k += 1) {
      const x = clamped(points[2 * k]);
      const y = clamped(points[2 * k + 1]);
      const silent = Number.isNaN(x.value) || Number.isNaN(y.value);
      steps.push({
        time: timeOf(k),
        frequency: silent ? LOW_HZ : LOW_HZ * 2 ** (OCTAVES * (y.value + 1) / 2),
        pan: silent ? 0 : x.value,
        gain: silent ? 0 : x.outside || y.outside ? CLAMPED_GAIN : GAIN,
      });
    }
    return { duration, steps, ticks: markers.map((marker) => timeOf(marker.step)) };
  }

  // The parameter follows one field of the steps: the first value set at the start, a straight ramp
  // to each next one at its time.
  function follow(param, start, steps, field) {
    param.setValueAtTime(steps[0][field], start);
    for (const step of steps.slice(1)) param.linearRampToValueAtTime(step[field], start + step.time);
  }

  // All ticks in one buffer, played by one source: a drawing may cross itself thousands of times.
  function tickBuffer(context, plan) {
    const rate = context.sampleRate;
    const tickLength = Math.round(TICK_SECONDS * rate);
    const buffer = context.createBuffer(1, Math.ceil(plan.duration * rate) + tickLength, rate);
    const samples = buffer.getChannelData(0);
    for (const time of plan.ticks) {
      const first = Math.round(time * rate);
      for (let i = 0; i < tickLength; i += 1) {
        samples[first + i] = TICK_GAIN * (1 - i / tickLength) * Math.sin((2 * Math.PI * TICK_HZ * i) / rate);
      }
    }
    return buffer;
  }

  // Plays the plan from schedule() on context (an AudioContext) from now on: an oscillator through a
  // gain and a stereo panner, the ticks through the same panner, so each sounds where the wave is.
  // onEnded is called once the tone has ended, played out or stopped. Gives stop(), which ends it now.
  function play(context, plan, onEnded) {
    const start = context.currentTime;
    const end = start + plan.duration + RELEASE_SECONDS;
    const oscillator = context.createOscillator();
    const gain = context.createGain();
    const panner = context.createStereoPanner();
    const ticks = context.createBufferSource();
    oscillator.connect(gain);
    gain.connect(panner);
    ticks.connect(panner);
    panner.connect(context.destination);
    follow(oscillator.frequency, start, plan.steps, 'frequency');
    follow(panner.pan, start, plan.steps, 'pan');
    follow(gain.gain, start, plan.steps, 'gain');
    gain.gain.linearRampToValueAtTime(0, end);
    ticks.buffer = tickBuffer(context, plan);
    oscillator.onended = onEnded;
    oscillator.start(start);
    oscillator.stop(end);
    ticks.start(start);
    return {
      stop() {
        oscillator.stop();
        ticks.stop();
        panner.disconnect();
      },
    };
  }

  // Whether two scenes draw the same: the fields that place the drawn points. A press, a drag that
  // has not moved yet, or the pointer's place changes none of them.
  function sameDrawing(a, b) {
    const DRAWING = ['waveCount', 'waveAmplitude', 'segmentCount', 'zoom'];
    return DRAWING.every((name) => a[name] === b[name]) && a.controlPoints.every((value, k) => Object.is(value, b.controlPoints[k]));
  }

  // listener({ start, show }): start(ended) plays the drawing of the last frame and gives its
  // stop(); it throws where audio cannot start, and calls ended() once the sound has played out.
  // show(state) shows 'idle', 'playing' or 'failed'. Gives pressed(), for each press of the button;
  // frameDrawn(scene), after every frame; hidden(), when the page is hidden; failed(), when audio
  // that had started gives up.
  function listener({ start, show }) {
    let drawn = null;
    // What plays: the scene of its drawing and its stop(); null for nothing.
    let playing = null;

    function stop(state) {
      if (playing !== null) {
        const { sound } = playing;
        playing = null;
        sound.stop();
      }
      show(state);
    }

    return {
      pressed() {
        if (playing !== null) {
          stop('idle');
          return;
        }
        if (drawn === null) return;
        // A sound stopped before it played out ends later: its end must not end the next one.
        const current = { scene: drawn };
        try {
          current.sound = start(() => {
            if (playing === current) stop('idle');
          });
        } catch {
          show('failed');
          return;
        }
        playing = current;
        show('playing');
      },
      frameDrawn(scene) {
        drawn = scene;
        if (playing !== null && !sameDrawing(playing.scene, scene)) stop('idle');
      },
      hidden() {
        if (playing !== null) stop('idle');
      },
      failed: () => stop('failed'),
    };
  }

  return { schedule, play, listener };
})();

if (typeof module === 'object') module.exports = QuillmarkSound;
