// @ts-nocheck
// sound.js: the wave curve as sound, for listening to the drawing: its height as pitch, its place
// from left to right as stereo position, and a tick where it crosses itself. schedule() works the
// sound out from the drawn points alone; play() hands it to an audio context.
'use strict';

function stryNS_9fa48() {
  var g = typeof globalThis === 'object' && globalThis && globalThis.Math === Math && globalThis || new Function("return this")();
  var ns = g.__stryker__ || (g.__stryker__ = {});
  if (ns.activeMutant === undefined && g.process && g.process.env && g.process.env.__STRYKER_ACTIVE_MUTANT__) {
    ns.activeMutant = g.process.env.__STRYKER_ACTIVE_MUTANT__;
  }
  function retrieveNS() {
    return ns;
  }
  stryNS_9fa48 = retrieveNS;
  return retrieveNS();
}
stryNS_9fa48();
function stryCov_9fa48() {
  var ns = stryNS_9fa48();
  var cov = ns.mutantCoverage || (ns.mutantCoverage = {
    static: {},
    perTest: {}
  });
  function cover() {
    var c = cov.static;
    if (ns.currentTestId) {
      c = cov.perTest[ns.currentTestId] = cov.perTest[ns.currentTestId] || {};
    }
    var a = arguments;
    for (var i = 0; i < a.length; i++) {
      c[a[i]] = (c[a[i]] || 0) + 1;
    }
  }
  stryCov_9fa48 = cover;
  cover.apply(null, arguments);
}
function stryMutAct_9fa48(id) {
  var ns = stryNS_9fa48();
  function isActive(id) {
    if (ns.activeMutant === id) {
      if (ns.hitCount !== void 0 && ++ns.hitCount > ns.hitLimit) {
        throw new Error('Stryker: Hit count limit reached (' + ns.hitCount + ')');
      }
      return true;
    }
    return false;
  }
  stryMutAct_9fa48 = isActive;
  return isActive(id);
}
const QuillmarkSound = function () {
  if (stryMutAct_9fa48("218")) {
    {}
  } else {
    stryCov_9fa48("218");
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
      if (stryMutAct_9fa48("219")) {
        {}
      } else {
        stryCov_9fa48("219");
        return stryMutAct_9fa48("220") ? {} : (stryCov_9fa48("220"), {
          value: stryMutAct_9fa48("221") ? Math.max(Math.max(value, -1), 1) : (stryCov_9fa48("221"), Math.min(stryMutAct_9fa48("222") ? Math.min(value, -1) : (stryCov_9fa48("222"), Math.max(value, stryMutAct_9fa48("223") ? +1 : (stryCov_9fa48("223"), -1))), 1)),
          outside: stryMutAct_9fa48("224") ? Math.abs(value) <= 1 : (stryCov_9fa48("224"), !(stryMutAct_9fa48("228") ? Math.abs(value) > 1 : stryMutAct_9fa48("227") ? Math.abs(value) < 1 : stryMutAct_9fa48("226") ? false : stryMutAct_9fa48("225") ? true : (stryCov_9fa48("225", "226", "227", "228"), Math.abs(value) <= 1)))
        });
      }
    }

    // points: the wave's points as the frame draws them, [x0, y0, x1, y1, ...] in the GL units of the
    // visible square (-1 to 1 each way), at least one point. markers: the marker points in the frame's
    // order, each with `step`, the wave step (the earlier segment) at which the wave first crosses it.
    // duration: seconds from the first point to the last.
    // Gives { duration, steps, ticks }: per point, in wave order, the time it sounds at (seconds from
    // the start), its frequency in hertz, its pan (-1 left, 1 right) and its gain; per marker, the time
    // of its tick, which is the time of its step.
    function schedule(points, markers, duration) {
      if (stryMutAct_9fa48("229")) {
        {}
      } else {
        stryCov_9fa48("229");
        const count = stryMutAct_9fa48("230") ? points.length * 2 : (stryCov_9fa48("230"), points.length / 2);
        const timeOf = stryMutAct_9fa48("231") ? () => undefined : (stryCov_9fa48("231"), (() => {
          const timeOf = step => stryMutAct_9fa48("232") ? step / Math.max(count - 1, 1) / duration : (stryCov_9fa48("232"), (stryMutAct_9fa48("233") ? step * Math.max(count - 1, 1) : (stryCov_9fa48("233"), step / (stryMutAct_9fa48("234") ? Math.min(count - 1, 1) : (stryCov_9fa48("234"), Math.max(stryMutAct_9fa48("235") ? count + 1 : (stryCov_9fa48("235"), count - 1), 1))))) * duration);
          return timeOf;
        })());
        const steps = stryMutAct_9fa48("236") ? ["Stryker was here"] : (stryCov_9fa48("236"), []);
        for (let k = 0; stryMutAct_9fa48("239") ? k >= count : stryMutAct_9fa48("238") ? k <= count : stryMutAct_9fa48("237") ? false : (stryCov_9fa48("237", "238", "239"), k < count); stryMutAct_9fa48("240") ? k -= 1 : (stryCov_9fa48("240"), k += 1)) {
          if (stryMutAct_9fa48("241")) {
            {}
          } else {
            stryCov_9fa48("241");
            const x = clamped(points[stryMutAct_9fa48("242") ? 2 / k : (stryCov_9fa48("242"), 2 * k)]);
            const y = clamped(points[stryMutAct_9fa48("243") ? 2 * k - 1 : (stryCov_9fa48("243"), (stryMutAct_9fa48("244") ? 2 / k : (stryCov_9fa48("244"), 2 * k)) + 1)]);
            const silent = stryMutAct_9fa48("247") ? Number.isNaN(x.value) && Number.isNaN(y.value) : stryMutAct_9fa48("246") ? false : stryMutAct_9fa48("245") ? true : (stryCov_9fa48("245", "246", "247"), Number.isNaN(x.value) || Number.isNaN(y.value));
            steps.push(stryMutAct_9fa48("248") ? {} : (stryCov_9fa48("248"), {
              time: timeOf(k),
              frequency: silent ? LOW_HZ : stryMutAct_9fa48("249") ? LOW_HZ / 2 ** (OCTAVES * (y.value + 1) / 2) : (stryCov_9fa48("249"), LOW_HZ * 2 ** (stryMutAct_9fa48("250") ? OCTAVES * (y.value + 1) * 2 : (stryCov_9fa48("250"), (stryMutAct_9fa48("251") ? OCTAVES / (y.value + 1) : (stryCov_9fa48("251"), OCTAVES * (stryMutAct_9fa48("252") ? y.value - 1 : (stryCov_9fa48("252"), y.value + 1)))) / 2))),
              pan: silent ? 0 : x.value,
              gain: silent ? 0 : (stryMutAct_9fa48("255") ? x.outside && y.outside : stryMutAct_9fa48("254") ? false : stryMutAct_9fa48("253") ? true : (stryCov_9fa48("253", "254", "255"), x.outside || y.outside)) ? CLAMPED_GAIN : GAIN
            }));
          }
        }
        return stryMutAct_9fa48("256") ? {} : (stryCov_9fa48("256"), {
          duration,
          steps,
          ticks: markers.map(stryMutAct_9fa48("257") ? () => undefined : (stryCov_9fa48("257"), marker => timeOf(marker.step)))
        });
      }
    }

    // The parameter follows one field of the steps: the first value set at the start, a straight ramp
    // to each next one at its time.
    function follow(param, start, steps, field) {
      if (stryMutAct_9fa48("258")) {
        {}
      } else {
        stryCov_9fa48("258");
        param.setValueAtTime(steps[0][field], start);
        for (const step of stryMutAct_9fa48("259") ? steps : (stryCov_9fa48("259"), steps.slice(1))) param.linearRampToValueAtTime(step[field], stryMutAct_9fa48("260") ? start - step.time : (stryCov_9fa48("260"), start + step.time));
      }
    }

    // All ticks in one buffer, played by one source: a drawing may cross itself thousands of times.
    function tickBuffer(context, plan) {
      if (stryMutAct_9fa48("261")) {
        {}
      } else {
        stryCov_9fa48("261");
        const rate = context.sampleRate;
        const tickLength = Math.round(stryMutAct_9fa48("262") ? TICK_SECONDS / rate : (stryCov_9fa48("262"), TICK_SECONDS * rate));
        const buffer = context.createBuffer(1, stryMutAct_9fa48("263") ? Math.ceil(plan.duration * rate) - tickLength : (stryCov_9fa48("263"), Math.ceil(stryMutAct_9fa48("264") ? plan.duration / rate : (stryCov_9fa48("264"), plan.duration * rate)) + tickLength), rate);
        const samples = buffer.getChannelData(0);
        for (const time of plan.ticks) {
          if (stryMutAct_9fa48("265")) {
            {}
          } else {
            stryCov_9fa48("265");
            const first = Math.round(stryMutAct_9fa48("266") ? time / rate : (stryCov_9fa48("266"), time * rate));
            for (let i = 0; stryMutAct_9fa48("269") ? i >= tickLength : stryMutAct_9fa48("268") ? i <= tickLength : stryMutAct_9fa48("267") ? false : (stryCov_9fa48("267", "268", "269"), i < tickLength); stryMutAct_9fa48("270") ? i -= 1 : (stryCov_9fa48("270"), i += 1)) {
              if (stryMutAct_9fa48("271")) {
                {}
              } else {
                stryCov_9fa48("271");
                samples[stryMutAct_9fa48("272") ? first - i : (stryCov_9fa48("272"), first + i)] = stryMutAct_9fa48("273") ? TICK_GAIN * (1 - i / tickLength) / Math.sin(2 * Math.PI * TICK_HZ * i / rate) : (stryCov_9fa48("273"), (stryMutAct_9fa48("274") ? TICK_GAIN / (1 - i / tickLength) : (stryCov_9fa48("274"), TICK_GAIN * (stryMutAct_9fa48("275") ? 1 + i / tickLength : (stryCov_9fa48("275"), 1 - (stryMutAct_9fa48("276") ? i * tickLength : (stryCov_9fa48("276"), i / tickLength)))))) * Math.sin(stryMutAct_9fa48("277") ? 2 * Math.PI * TICK_HZ * i * rate : (stryCov_9fa48("277"), (stryMutAct_9fa48("278") ? 2 * Math.PI * TICK_HZ / i : (stryCov_9fa48("278"), (stryMutAct_9fa48("279") ? 2 * Math.PI / TICK_HZ : (stryCov_9fa48("279"), (stryMutAct_9fa48("280") ? 2 / Math.PI : (stryCov_9fa48("280"), 2 * Math.PI)) * TICK_HZ)) * i)) / rate)));
              }
            }
          }
        }
        return buffer;
      }
    }

    // Plays the plan from schedule() on context (an AudioContext) from now on: an oscillator through a
    // gain and a stereo panner, the ticks through the same panner, so each sounds where the wave is.
    // onEnded is called once the tone has ended, played out or stopped. Gives stop(), which ends it now.
    function play(context, plan, onEnded) {
      if (stryMutAct_9fa48("281")) {
        {}
      } else {
        stryCov_9fa48("281");
        const start = context.currentTime;
        const end = stryMutAct_9fa48("282") ? start + plan.duration - RELEASE_SECONDS : (stryCov_9fa48("282"), (stryMutAct_9fa48("283") ? start - plan.duration : (stryCov_9fa48("283"), start + plan.duration)) + RELEASE_SECONDS);
        const oscillator = context.createOscillator();
        const gain = context.createGain();
        const panner = context.createStereoPanner();
        const ticks = context.createBufferSource();
        oscillator.connect(gain);
        gain.connect(panner);
        ticks.connect(panner);
        panner.connect(context.destination);
        follow(oscillator.frequency, start, plan.steps, stryMutAct_9fa48("284") ? "" : (stryCov_9fa48("284"), 'frequency'));
        follow(panner.pan, start, plan.steps, stryMutAct_9fa48("285") ? "" : (stryCov_9fa48("285"), 'pan'));
        follow(gain.gain, start, plan.steps, stryMutAct_9fa48("286") ? "" : (stryCov_9fa48("286"), 'gain'));
        gain.gain.linearRampToValueAtTime(0, end);
        ticks.buffer = tickBuffer(context, plan);
        oscillator.onended = onEnded;
        oscillator.start(start);
        oscillator.stop(end);
        ticks.start(start);
        return stryMutAct_9fa48("287") ? {} : (stryCov_9fa48("287"), {
          stop() {
            if (stryMutAct_9fa48("288")) {
              {}
            } else {
              stryCov_9fa48("288");
              oscillator.stop();
              ticks.stop();
              panner.disconnect();
            }
          }
        });
      }
    }
    return stryMutAct_9fa48("289") ? {} : (stryCov_9fa48("289"), {
      schedule,
      play
    });
  }
}();
if (stryMutAct_9fa48("292") ? typeof module !== 'object' : stryMutAct_9fa48("291") ? false : stryMutAct_9fa48("290") ? true : (stryCov_9fa48("290", "291", "292"), typeof module === (stryMutAct_9fa48("293") ? "" : (stryCov_9fa48("293"), 'object')))) module.exports = QuillmarkSound;