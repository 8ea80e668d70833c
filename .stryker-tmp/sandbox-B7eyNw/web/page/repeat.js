// @ts-nocheck
// repeat.js: a held button acts like a held key: at once, again after REPEAT_DELAY, then every
// REPEAT_INTERVAL, each act timed from the press so that late timers do not add up. No DOM here:
// the clock and the timers are handed in.
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
const QuillmarkRepeat = function () {
  if (stryMutAct_9fa48("186")) {
    {}
  } else {
    stryCov_9fa48("186");
    // A held key repeats after about 0.4 s, then about 15 times a second.
    const REPEAT_DELAY = 400;
    const REPEAT_INTERVAL = 66;

    // create(clock): clock has now(), later(callback, ms) giving a handle, and cancel(handle).
    // Gives start(act), which acts at once and repeats until stop(), or until act() returns false
    // (a button that became disabled), and stop().
    function create(clock) {
      if (stryMutAct_9fa48("187")) {
        {}
      } else {
        stryCov_9fa48("187");
        let repeat = null;
        function stop() {
          if (stryMutAct_9fa48("188")) {
            {}
          } else {
            stryCov_9fa48("188");
            if (stryMutAct_9fa48("191") ? repeat !== null : stryMutAct_9fa48("190") ? false : stryMutAct_9fa48("189") ? true : (stryCov_9fa48("189", "190", "191"), repeat === null)) return;
            clock.cancel(repeat.timer);
            repeat = null;
          }
        }
        function scheduleNext() {
          if (stryMutAct_9fa48("192")) {
            {}
          } else {
            stryCov_9fa48("192");
            const due = stryMutAct_9fa48("193") ? repeat.pressedAt + REPEAT_DELAY - (repeat.acts - 1) * REPEAT_INTERVAL : (stryCov_9fa48("193"), (stryMutAct_9fa48("194") ? repeat.pressedAt - REPEAT_DELAY : (stryCov_9fa48("194"), repeat.pressedAt + REPEAT_DELAY)) + (stryMutAct_9fa48("195") ? (repeat.acts - 1) / REPEAT_INTERVAL : (stryCov_9fa48("195"), (stryMutAct_9fa48("196") ? repeat.acts + 1 : (stryCov_9fa48("196"), repeat.acts - 1)) * REPEAT_INTERVAL)));
            repeat.timer = clock.later(tick, stryMutAct_9fa48("197") ? Math.min(0, due - clock.now()) : (stryCov_9fa48("197"), Math.max(0, stryMutAct_9fa48("198") ? due + clock.now() : (stryCov_9fa48("198"), due - clock.now()))));
          }
        }
        function tick() {
          if (stryMutAct_9fa48("199")) {
            {}
          } else {
            stryCov_9fa48("199");
            if (stryMutAct_9fa48("202") ? repeat.act() !== false : stryMutAct_9fa48("201") ? false : stryMutAct_9fa48("200") ? true : (stryCov_9fa48("200", "201", "202"), repeat.act() === (stryMutAct_9fa48("203") ? true : (stryCov_9fa48("203"), false)))) {
              if (stryMutAct_9fa48("204")) {
                {}
              } else {
                stryCov_9fa48("204");
                repeat = null;
                return;
              }
            }
            stryMutAct_9fa48("205") ? repeat.acts -= 1 : (stryCov_9fa48("205"), repeat.acts += 1);
            scheduleNext();
          }
        }
        function start(act) {
          if (stryMutAct_9fa48("206")) {
            {}
          } else {
            stryCov_9fa48("206");
            stop();
            repeat = stryMutAct_9fa48("207") ? {} : (stryCov_9fa48("207"), {
              act,
              pressedAt: clock.now(),
              acts: 0,
              timer: null
            });
            tick();
          }
        }
        return stryMutAct_9fa48("208") ? {} : (stryCov_9fa48("208"), {
          start,
          stop,
          holding: stryMutAct_9fa48("209") ? () => undefined : (stryCov_9fa48("209"), () => stryMutAct_9fa48("212") ? repeat === null : stryMutAct_9fa48("211") ? false : stryMutAct_9fa48("210") ? true : (stryCov_9fa48("210", "211", "212"), repeat !== null))
        });
      }
    }
    return stryMutAct_9fa48("213") ? {} : (stryCov_9fa48("213"), {
      REPEAT_DELAY,
      REPEAT_INTERVAL,
      create
    });
  }
}();
if (stryMutAct_9fa48("216") ? typeof module !== 'object' : stryMutAct_9fa48("215") ? false : stryMutAct_9fa48("214") ? true : (stryCov_9fa48("214", "215", "216"), typeof module === (stryMutAct_9fa48("217") ? "" : (stryCov_9fa48("217"), 'object')))) module.exports = QuillmarkRepeat;