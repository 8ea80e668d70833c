// @ts-nocheck
// log.js: the program's output as the page keeps it: the last LOG_LINES lines and the count of the
// others. The program prints one line per frame while the curve stands still, about 60 a second.
// No DOM here.
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
const QuillmarkLog = function () {
  if (stryMutAct_9fa48("72")) {
    {}
  } else {
    stryCov_9fa48("72");
    const LOG_LINES = 100;
    function create() {
      if (stryMutAct_9fa48("73")) {
        {}
      } else {
        stryCov_9fa48("73");
        const lines = stryMutAct_9fa48("74") ? ["Stryker was here"] : (stryCov_9fa48("74"), []);
        let dropped = 0;
        return stryMutAct_9fa48("75") ? {} : (stryCov_9fa48("75"), {
          add(line) {
            if (stryMutAct_9fa48("76")) {
              {}
            } else {
              stryCov_9fa48("76");
              lines.push(line);
              if (stryMutAct_9fa48("80") ? lines.length <= LOG_LINES : stryMutAct_9fa48("79") ? lines.length >= LOG_LINES : stryMutAct_9fa48("78") ? false : stryMutAct_9fa48("77") ? true : (stryCov_9fa48("77", "78", "79", "80"), lines.length > LOG_LINES)) {
                if (stryMutAct_9fa48("81")) {
                  {}
                } else {
                  stryCov_9fa48("81");
                  lines.shift();
                  stryMutAct_9fa48("82") ? dropped -= 1 : (stryCov_9fa48("82"), dropped += 1);
                }
              }
            }
          },
          text: stryMutAct_9fa48("83") ? () => undefined : (stryCov_9fa48("83"), () => lines.join(stryMutAct_9fa48("84") ? "" : (stryCov_9fa48("84"), '\n'))),
          dropped: stryMutAct_9fa48("85") ? () => undefined : (stryCov_9fa48("85"), () => dropped),
          droppedText: stryMutAct_9fa48("86") ? () => undefined : (stryCov_9fa48("86"), () => stryMutAct_9fa48("87") ? `` : (stryCov_9fa48("87"), `${dropped.toLocaleString(stryMutAct_9fa48("88") ? "" : (stryCov_9fa48("88"), 'en'))} earlier ${(stryMutAct_9fa48("91") ? dropped !== 1 : stryMutAct_9fa48("90") ? false : stryMutAct_9fa48("89") ? true : (stryCov_9fa48("89", "90", "91"), dropped === 1)) ? stryMutAct_9fa48("92") ? "" : (stryCov_9fa48("92"), 'line') : stryMutAct_9fa48("93") ? "" : (stryCov_9fa48("93"), 'lines')} not shown`))
        });
      }
    }
    return stryMutAct_9fa48("94") ? {} : (stryCov_9fa48("94"), {
      LOG_LINES,
      create
    });
  }
}();
if (stryMutAct_9fa48("97") ? typeof module !== 'object' : stryMutAct_9fa48("96") ? false : stryMutAct_9fa48("95") ? true : (stryCov_9fa48("95", "96", "97"), typeof module === (stryMutAct_9fa48("98") ? "" : (stryCov_9fa48("98"), 'object')))) module.exports = QuillmarkLog;