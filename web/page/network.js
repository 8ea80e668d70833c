// network.js: when the page says that it shows the copy kept on this device because the network
// failed or hangs. A page that came from the copy asks the network (ask(): a promise, the browser's
// look for a new version of the site); a failure, or no answer within a few seconds, shows the
// offline line, and the network is asked again now and then until it answers, which takes the line
// away. No DOM here: the clock, the question and the line are handed in.
'use strict';

const QuillmarkNetwork = (function () {
  // A network that has not answered by then hangs (a captive portal, a stalled proxy).
  const ANSWER_WAIT_MS = 3000;
  // While offline, the network is asked again this long after its last failure.
  const ASK_AGAIN_MS = 5000;

  // watch({ clock, ask, offline }): clock has later(callback, ms) and cancel(handle); offline(shown)
  // shows or hides the line, called only when that changes. Asks at once; gives askNow(), for the
  // browser's word that the network is back.
  function watch({ clock, ask, offline }) {
    let shown = false;
    let asking = false;
    let waitTimer = null;
    let againTimer = null;

    function show(value) {
      if (value === shown) return;
      shown = value;
      offline(value);
    }

    function answered(reached) {
      asking = false;
      clock.cancel(waitTimer);
      show(!reached);
      if (!reached) againTimer = clock.later(askNow, ASK_AGAIN_MS);
    }

    // One question at a time: a hanging one is answered, or fails, before the next.
    function askNow() {
      if (asking) return;
      asking = true;
      clock.cancel(againTimer);
      waitTimer = clock.later(() => show(true), ANSWER_WAIT_MS);
      ask().then(() => answered(true), () => answered(false));
    }

    askNow();
    return { askNow };
  }

  return { ANSWER_WAIT_MS, ASK_AGAIN_MS, watch };
})();

if (typeof module === 'object') module.exports = QuillmarkNetwork;
