// @ts-nocheck
// address.js: how often the page writes the drawing into its address: WebKit refuses
// history.replaceState after 100 calls in 30 s, and a held key changes the drawing 15 times a second.
// The first change after a quiet second is written at once, later ones a second after the last
// write, so the address never lags the drawing by more than a second. No DOM here: the clock and
// the write are handed in.
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
const QuillmarkAddress = function () {
  if (stryMutAct_9fa48("0")) {
    {}
  } else {
    stryCov_9fa48("0");
    const WRITE_INTERVAL_MS = 1000;

    // create({ clock, write }): clock has now(), later(callback, ms) and cancel(handle); write()
    // writes the address and gives 'written', 'same' (nothing to write) or 'refused' (tried again
    // a second later). Gives changed(), for every change of the drawing, and writeNow().
    function create({
      clock,
      write
    }) {
      if (stryMutAct_9fa48("1")) {
        {}
      } else {
        stryCov_9fa48("1");
        let timer = null;
        let lastWrite = stryMutAct_9fa48("2") ? +Infinity : (stryCov_9fa48("2"), -Infinity);
        function writeNow() {
          if (stryMutAct_9fa48("3")) {
            {}
          } else {
            stryCov_9fa48("3");
            clock.cancel(timer);
            timer = null;
            const result = write();
            if (stryMutAct_9fa48("6") ? result !== 'same' : stryMutAct_9fa48("5") ? false : stryMutAct_9fa48("4") ? true : (stryCov_9fa48("4", "5", "6"), result === (stryMutAct_9fa48("7") ? "" : (stryCov_9fa48("7"), 'same')))) return;
            lastWrite = clock.now();
            if (stryMutAct_9fa48("10") ? result !== 'refused' : stryMutAct_9fa48("9") ? false : stryMutAct_9fa48("8") ? true : (stryCov_9fa48("8", "9", "10"), result === (stryMutAct_9fa48("11") ? "" : (stryCov_9fa48("11"), 'refused')))) changed();
          }
        }
        function changed() {
          if (stryMutAct_9fa48("12")) {
            {}
          } else {
            stryCov_9fa48("12");
            if (stryMutAct_9fa48("15") ? timer === null : stryMutAct_9fa48("14") ? false : stryMutAct_9fa48("13") ? true : (stryCov_9fa48("13", "14", "15"), timer !== null)) return;
            timer = clock.later(writeNow, stryMutAct_9fa48("16") ? Math.min(0, lastWrite + WRITE_INTERVAL_MS - clock.now()) : (stryCov_9fa48("16"), Math.max(0, stryMutAct_9fa48("17") ? lastWrite + WRITE_INTERVAL_MS + clock.now() : (stryCov_9fa48("17"), (stryMutAct_9fa48("18") ? lastWrite - WRITE_INTERVAL_MS : (stryCov_9fa48("18"), lastWrite + WRITE_INTERVAL_MS)) - clock.now()))));
          }
        }
        return stryMutAct_9fa48("19") ? {} : (stryCov_9fa48("19"), {
          changed,
          writeNow
        });
      }
    }
    return stryMutAct_9fa48("20") ? {} : (stryCov_9fa48("20"), {
      WRITE_INTERVAL_MS,
      create
    });
  }
}();
if (stryMutAct_9fa48("23") ? typeof module !== 'object' : stryMutAct_9fa48("22") ? false : stryMutAct_9fa48("21") ? true : (stryCov_9fa48("21", "22", "23"), typeof module === (stryMutAct_9fa48("24") ? "" : (stryCov_9fa48("24"), 'object')))) module.exports = QuillmarkAddress;