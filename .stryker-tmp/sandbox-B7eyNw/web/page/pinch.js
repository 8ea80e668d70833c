// @ts-nocheck
// pinch.js: two fingers zoom the drawing in proportion to their distance (twice the distance, twice
// the zoom), through one zoom drag of the middle button. No DOM here: distances and the program's
// zoom drag facts are handed in.
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
const QuillmarkPinch = function () {
  if (stryMutAct_9fa48("99")) {
    {}
  } else {
    stryCov_9fa48("99");
    // A pinch from the zoom at its start and the fingers' distance then, in canvas pixels; fingers
    // closer than a pixel count as one pixel apart. Its press goes at zoomDrag.spot.
    function start(zoom, distance, zoomDrag) {
      if (stryMutAct_9fa48("100")) {
        {}
      } else {
        stryCov_9fa48("100");
        return stryMutAct_9fa48("101") ? {} : (stryCov_9fa48("101"), {
          startZoom: zoom,
          startDistance: stryMutAct_9fa48("102") ? Math.min(distance, 1) : (stryCov_9fa48("102"), Math.max(distance, 1)),
          anchor: stryMutAct_9fa48("103") ? {} : (stryCov_9fa48("103"), {
            y: zoomDrag.spot[1],
            zoom
          })
        });
      }
    }

    // The motion of the zoom drag for fingers `distance` apart: the zoom at the pinch's start times
    // the growth of their distance, within the program's bounds, in whole pixels from the anchor: the
    // drag's last place where the program's zoom is known exactly, never from the last frame's zoom,
    // which may not show the last motion yet. The anchor is the press, with the zoom at the start,
    // until the fingers go past a bound: the drag then goes a pixel past it, where the program holds
    // the zoom at the bound exactly, whatever its steps add up to, and that place is the anchor from
    // then on.
    function motion(pinch, distance, zoomDrag) {
      if (stryMutAct_9fa48("104")) {
        {}
      } else {
        stryCov_9fa48("104");
        const wanted = stryMutAct_9fa48("105") ? pinch.startZoom * distance * pinch.startDistance : (stryCov_9fa48("105"), (stryMutAct_9fa48("106") ? pinch.startZoom / distance : (stryCov_9fa48("106"), pinch.startZoom * distance)) / pinch.startDistance);
        const target = stryMutAct_9fa48("107") ? Math.max(Math.max(wanted, zoomDrag.least), zoomDrag.most) : (stryCov_9fa48("107"), Math.min(stryMutAct_9fa48("108") ? Math.min(wanted, zoomDrag.least) : (stryCov_9fa48("108"), Math.max(wanted, zoomDrag.least)), zoomDrag.most));
        const {
          anchor
        } = pinch;
        let y = stryMutAct_9fa48("109") ? anchor.y + Math.round((target - anchor.zoom) * zoomDrag.pixelsPerZoom) : (stryCov_9fa48("109"), anchor.y - Math.round(stryMutAct_9fa48("110") ? (target - anchor.zoom) / zoomDrag.pixelsPerZoom : (stryCov_9fa48("110"), (stryMutAct_9fa48("111") ? target + anchor.zoom : (stryCov_9fa48("111"), target - anchor.zoom)) * zoomDrag.pixelsPerZoom)));
        if (stryMutAct_9fa48("114") ? target === wanted : stryMutAct_9fa48("113") ? false : stryMutAct_9fa48("112") ? true : (stryCov_9fa48("112", "113", "114"), target !== wanted)) {
          if (stryMutAct_9fa48("115")) {
            {}
          } else {
            stryCov_9fa48("115");
            stryMutAct_9fa48("116") ? y += Math.sign(wanted - target) : (stryCov_9fa48("116"), y -= Math.sign(stryMutAct_9fa48("117") ? wanted + target : (stryCov_9fa48("117"), wanted - target)));
            pinch.anchor = stryMutAct_9fa48("118") ? {} : (stryCov_9fa48("118"), {
              y,
              zoom: target
            });
          }
        }
        return stryMutAct_9fa48("119") ? [] : (stryCov_9fa48("119"), [zoomDrag.spot[0], y]);
      }
    }
    return stryMutAct_9fa48("120") ? {} : (stryCov_9fa48("120"), {
      start,
      motion
    });
  }
}();
if (stryMutAct_9fa48("123") ? typeof module !== 'object' : stryMutAct_9fa48("122") ? false : stryMutAct_9fa48("121") ? true : (stryCov_9fa48("121", "122", "123"), typeof module === (stryMutAct_9fa48("124") ? "" : (stryCov_9fa48("124"), 'object')))) module.exports = QuillmarkPinch;