// @ts-nocheck
// pointer.js: the one owner of the program's pointer. Every press, motion, release, wheel step, key
// and corner or zoom step reaches the program through it, so it knows which buttons are held and by
// whom (the mouse's or the fingers'), and where the program's pointer last was. No DOM here: the
// program's entry points and its facts are handed in.
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
const QuillmarkPointer = function () {
  if (stryMutAct_9fa48("125")) {
    {}
  } else {
    stryCov_9fa48("125");
    // create(program): program has facts (the program's codes, page.h), mouse, motion, specialKey,
    // key, cornerStep and zoomStep.
    function create(program) {
      if (stryMutAct_9fa48("126")) {
        {}
      } else {
        stryCov_9fa48("126");
        const {
          facts
        } = program;
        const held = new Set();
        let holder = null;
        // The last position the program was given, to pass with keys and to skip motion that does not
        // move by a whole canvas pixel.
        let position = stryMutAct_9fa48("127") ? [] : (stryCov_9fa48("127"), [0, 0]);
        // Called when every press is ended from outside, so a gesture under way ends with it.
        const endedHooks = stryMutAct_9fa48("128") ? ["Stryker was here"] : (stryCov_9fa48("128"), []);
        function release(button, at) {
          if (stryMutAct_9fa48("129")) {
            {}
          } else {
            stryCov_9fa48("129");
            held.delete(button);
            if (stryMutAct_9fa48("132") ? held.size !== 0 : stryMutAct_9fa48("131") ? false : stryMutAct_9fa48("130") ? true : (stryCov_9fa48("130", "131", "132"), held.size === 0)) holder = null;
            position = at;
            program.mouse(button, facts.up, at[0], at[1]);
          }
        }

        // A corner or zoom step sends a press, a motion and a release of its own: while any press is
        // held, its motion would also move a picked point, and its release would end a zoom drag under
        // way, so it is not sent (null). Sent, it gives the program's refusal, or '' when done.
        function step(send) {
          if (stryMutAct_9fa48("133")) {
            {}
          } else {
            stryCov_9fa48("133");
            if (stryMutAct_9fa48("137") ? held.size <= 0 : stryMutAct_9fa48("136") ? held.size >= 0 : stryMutAct_9fa48("135") ? false : stryMutAct_9fa48("134") ? true : (stryCov_9fa48("134", "135", "136", "137"), held.size > 0)) return null;
            const answer = send();
            if (stryMutAct_9fa48("140") ? answer.refusal !== '' : stryMutAct_9fa48("139") ? false : stryMutAct_9fa48("138") ? true : (stryCov_9fa48("138", "139", "140"), answer.refusal === (stryMutAct_9fa48("141") ? "Stryker was here!" : (stryCov_9fa48("141"), '')))) position = answer.release;
            return answer.refusal;
          }
        }
        return stryMutAct_9fa48("142") ? {} : (stryCov_9fa48("142"), {
          holder: stryMutAct_9fa48("143") ? () => undefined : (stryCov_9fa48("143"), () => holder),
          holds: stryMutAct_9fa48("144") ? () => undefined : (stryCov_9fa48("144"), button => held.has(button)),
          heldButtons: stryMutAct_9fa48("145") ? () => undefined : (stryCov_9fa48("145"), () => Array.from(held)),
          anyHeld: stryMutAct_9fa48("146") ? () => undefined : (stryCov_9fa48("146"), () => stryMutAct_9fa48("150") ? held.size <= 0 : stryMutAct_9fa48("149") ? held.size >= 0 : stryMutAct_9fa48("148") ? false : stryMutAct_9fa48("147") ? true : (stryCov_9fa48("147", "148", "149", "150"), held.size > 0)),
          position: stryMutAct_9fa48("151") ? () => undefined : (stryCov_9fa48("151"), () => position),
          press(button, at, by) {
            if (stryMutAct_9fa48("152")) {
              {}
            } else {
              stryCov_9fa48("152");
              held.add(button);
              holder = by;
              position = at;
              program.mouse(button, facts.down, at[0], at[1]);
            }
          },
          release,
          move(at) {
            if (stryMutAct_9fa48("153")) {
              {}
            } else {
              stryCov_9fa48("153");
              if (stryMutAct_9fa48("156") ? at[0] === position[0] || at[1] === position[1] : stryMutAct_9fa48("155") ? false : stryMutAct_9fa48("154") ? true : (stryCov_9fa48("154", "155", "156"), (stryMutAct_9fa48("158") ? at[0] !== position[0] : stryMutAct_9fa48("157") ? true : (stryCov_9fa48("157", "158"), at[0] === position[0])) && (stryMutAct_9fa48("160") ? at[1] !== position[1] : stryMutAct_9fa48("159") ? true : (stryCov_9fa48("159", "160"), at[1] === position[1])))) return;
              position = at;
              program.motion(at[0], at[1]);
            }
          },
          // A press and a release at once, as a wheel step is.
          click(button, at) {
            if (stryMutAct_9fa48("161")) {
              {}
            } else {
              stryCov_9fa48("161");
              program.mouse(button, facts.down, at[0], at[1]);
              program.mouse(button, facts.up, at[0], at[1]);
            }
          },
          // A key by the browser's name for it, with the pointer's position as keys pass it; false for
          // a key that is not the program's.
          key(name) {
            if (stryMutAct_9fa48("162")) {
              {}
            } else {
              stryCov_9fa48("162");
              if (stryMutAct_9fa48("164") ? false : stryMutAct_9fa48("163") ? true : (stryCov_9fa48("163", "164"), Object.hasOwn(facts.specialKeys, name))) {
                if (stryMutAct_9fa48("165")) {
                  {}
                } else {
                  stryCov_9fa48("165");
                  program.specialKey(facts.specialKeys[name], position[0], position[1]);
                }
              } else if (stryMutAct_9fa48("168") ? name.length === 1 || facts.characterKeys.includes(name) : stryMutAct_9fa48("167") ? false : stryMutAct_9fa48("166") ? true : (stryCov_9fa48("166", "167", "168"), (stryMutAct_9fa48("170") ? name.length !== 1 : stryMutAct_9fa48("169") ? true : (stryCov_9fa48("169", "170"), name.length === 1)) && facts.characterKeys.includes(name))) {
                if (stryMutAct_9fa48("171")) {
                  {}
                } else {
                  stryCov_9fa48("171");
                  program.key(name.charCodeAt(0), position[0], position[1]);
                }
              } else {
                if (stryMutAct_9fa48("172")) {
                  {}
                } else {
                  stryCov_9fa48("172");
                  return stryMutAct_9fa48("173") ? true : (stryCov_9fa48("173"), false);
                }
              }
              return stryMutAct_9fa48("174") ? false : (stryCov_9fa48("174"), true);
            }
          },
          cornerStep: stryMutAct_9fa48("175") ? () => undefined : (stryCov_9fa48("175"), (k, [dx, dy]) => step(stryMutAct_9fa48("176") ? () => undefined : (stryCov_9fa48("176"), () => program.cornerStep(k, dx, dy)))),
          zoomStep: stryMutAct_9fa48("177") ? () => undefined : (stryCov_9fa48("177"), direction => step(stryMutAct_9fa48("178") ? () => undefined : (stryCov_9fa48("178"), () => program.zoomStep(direction)))),
          onReleaseAll: stryMutAct_9fa48("179") ? () => undefined : (stryCov_9fa48("179"), hook => endedHooks.push(hook)),
          // Ends every press the page gave the program, as releases where the pointer last was.
          releaseAll() {
            if (stryMutAct_9fa48("180")) {
              {}
            } else {
              stryCov_9fa48("180");
              for (const hook of endedHooks) hook();
              for (const button of Array.from(held)) release(button, position);
            }
          }
        });
      }
    }
    return stryMutAct_9fa48("181") ? {} : (stryCov_9fa48("181"), {
      create
    });
  }
}();
if (stryMutAct_9fa48("184") ? typeof module !== 'object' : stryMutAct_9fa48("183") ? false : stryMutAct_9fa48("182") ? true : (stryCov_9fa48("182", "183", "184"), typeof module === (stryMutAct_9fa48("185") ? "" : (stryCov_9fa48("185"), 'object')))) module.exports = QuillmarkPointer;