// @ts-nocheck
// announcer.js: when the drawing's changes are said, and what one announcement takes in: changes
// are said once they settle, together, never while a corner or the zoom is held, and the same
// words twice in a row are said twice. No DOM here: the clock, the words of a change and the live
// region are handed in.
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
const QuillmarkAnnouncer = function () {
  if (stryMutAct_9fa48("25")) {
    {}
  } else {
    stryCov_9fa48("25");
    // Changes this close together are said together: a held button repeats about 15 times a second.
    const SETTLE_MS = 500;
    // A screen reader says a live region again only when its text changes: the same words twice in
    // a row are taken away first, and put back this much later.
    const REPEAT_GAP_MS = 100;
    const LINK_OPENED = stryMutAct_9fa48("26") ? "" : (stryCov_9fa48("26"), 'drawing opened from the link');

    // create({ clock, changes, show }): clock has now(), later(callback, ms) and cancel(handle);
    // changes(before, after) gives the words for what differs between two drawings ('' for nothing);
    // show(text) puts text in the live region.
    function create({
      clock,
      changes,
      show
    }) {
      if (stryMutAct_9fa48("27")) {
        {}
      } else {
        stryCov_9fa48("27");
        // The drawing at the last announcement (or the first frame), and the last frame's.
        let lastSaid = null;
        let latest = null;
        let openedByLink = stryMutAct_9fa48("28") ? true : (stryCov_9fa48("28"), false);
        let settleTimer = null;
        let shown = stryMutAct_9fa48("29") ? "Stryker was here!" : (stryCov_9fa48("29"), '');
        function say(text) {
          if (stryMutAct_9fa48("30")) {
            {}
          } else {
            stryCov_9fa48("30");
            if (stryMutAct_9fa48("33") ? text !== shown : stryMutAct_9fa48("32") ? false : stryMutAct_9fa48("31") ? true : (stryCov_9fa48("31", "32", "33"), text === shown)) {
              if (stryMutAct_9fa48("34")) {
                {}
              } else {
                stryCov_9fa48("34");
                show(stryMutAct_9fa48("35") ? "Stryker was here!" : (stryCov_9fa48("35"), ''));
                clock.later(stryMutAct_9fa48("36") ? () => undefined : (stryCov_9fa48("36"), () => show(text)), REPEAT_GAP_MS);
              }
            } else {
              if (stryMutAct_9fa48("37")) {
                {}
              } else {
                stryCov_9fa48("37");
                show(text);
              }
            }
            shown = text;
          }
        }

        // The release of a held corner or zoom brings a frame of its own, which waits again.
        function settled() {
          if (stryMutAct_9fa48("38")) {
            {}
          } else {
            stryCov_9fa48("38");
            settleTimer = null;
            if (stryMutAct_9fa48("40") ? false : stryMutAct_9fa48("39") ? true : (stryCov_9fa48("39", "40"), latest.held)) return;
            const text = openedByLink ? LINK_OPENED : changes(lastSaid, latest.drawing);
            openedByLink = stryMutAct_9fa48("41") ? true : (stryCov_9fa48("41"), false);
            lastSaid = latest.drawing;
            if (stryMutAct_9fa48("44") ? text === '' : stryMutAct_9fa48("43") ? false : stryMutAct_9fa48("42") ? true : (stryCov_9fa48("42", "43", "44"), text !== (stryMutAct_9fa48("45") ? "Stryker was here!" : (stryCov_9fa48("45"), '')))) say(text);
          }
        }
        function waitToSettle() {
          if (stryMutAct_9fa48("46")) {
            {}
          } else {
            stryCov_9fa48("46");
            clock.cancel(settleTimer);
            settleTimer = clock.later(settled, SETTLE_MS);
          }
        }
        return stryMutAct_9fa48("47") ? {} : (stryCov_9fa48("47"), {
          // After every frame: its drawing, a key that differs whenever its words or its presses do,
          // and whether a corner or the zoom is held.
          frameDrawn(drawing, key, held) {
            if (stryMutAct_9fa48("48")) {
              {}
            } else {
              stryCov_9fa48("48");
              const changed = stryMutAct_9fa48("51") ? latest !== null || key !== latest.key : stryMutAct_9fa48("50") ? false : stryMutAct_9fa48("49") ? true : (stryCov_9fa48("49", "50", "51"), (stryMutAct_9fa48("53") ? latest === null : stryMutAct_9fa48("52") ? true : (stryCov_9fa48("52", "53"), latest !== null)) && (stryMutAct_9fa48("55") ? key === latest.key : stryMutAct_9fa48("54") ? true : (stryCov_9fa48("54", "55"), key !== latest.key)));
              latest = stryMutAct_9fa48("56") ? {} : (stryCov_9fa48("56"), {
                drawing,
                key,
                held
              });
              if (stryMutAct_9fa48("59") ? lastSaid !== null : stryMutAct_9fa48("58") ? false : stryMutAct_9fa48("57") ? true : (stryCov_9fa48("57", "58", "59"), lastSaid === null)) lastSaid = drawing;
              if (stryMutAct_9fa48("61") ? false : stryMutAct_9fa48("60") ? true : (stryCov_9fa48("60", "61"), changed)) waitToSettle();
            }
          },
          // A drawing opened from the address is said as that, whatever changed.
          linkOpened() {
            if (stryMutAct_9fa48("62")) {
              {}
            } else {
              stryCov_9fa48("62");
              if (stryMutAct_9fa48("65") ? lastSaid !== null : stryMutAct_9fa48("64") ? false : stryMutAct_9fa48("63") ? true : (stryCov_9fa48("63", "64", "65"), lastSaid === null)) return;
              openedByLink = stryMutAct_9fa48("66") ? false : (stryCov_9fa48("66"), true);
              waitToSettle();
            }
          }
        });
      }
    }
    return stryMutAct_9fa48("67") ? {} : (stryCov_9fa48("67"), {
      SETTLE_MS,
      REPEAT_GAP_MS,
      LINK_OPENED,
      create
    });
  }
}();
if (stryMutAct_9fa48("70") ? typeof module !== 'object' : stryMutAct_9fa48("69") ? false : stryMutAct_9fa48("68") ? true : (stryCov_9fa48("68", "69", "70"), typeof module === (stryMutAct_9fa48("71") ? "" : (stryCov_9fa48("71"), 'object')))) module.exports = QuillmarkAnnouncer;