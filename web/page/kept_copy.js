// kept_copy.js: the page and its offline copy (offline.js). Registers the copy; says, in a line of its
// own, when the page shows the copy because the network failed or hangs (network.js decides when);
// and once a new version has been kept whole, says so with a button that reloads into it.
'use strict';

const QuillmarkKeptCopy = (function () {
  function connect({ clock }) {
    // A browser that refuses the worker still runs the page.
    if (!('serviceWorker' in navigator)) return;
    const worker = navigator.serviceWorker;
    const offlineLine = document.getElementById('offline');
    const newVersion = document.getElementById('new-version');
    // With the copy in charge of its load, the page came from the copy.
    const fromCopy = worker.controller !== null;
    let reloading = false;

    // The new version waits until no page shows the one before, or until asked to take over.
    function offer(waiting) {
      newVersion.hidden = false;
      document.getElementById('reload-new').onclick = () => {
        reloading = true;
        waiting.postMessage('take over');
      };
    }

    // A version being kept: offered once all of it is, unless it is the first one kept.
    function follow(installing) {
      if (!installing) return;
      installing.addEventListener('statechange', () => {
        if (installing.state === 'installed' && worker.controller !== null) offer(installing);
      });
    }

    worker.addEventListener('controllerchange', () => {
      if (reloading) location.reload();
    });

    worker.register('offline.js').then((registration) => {
      if (registration.waiting && worker.controller !== null) offer(registration.waiting);
      follow(registration.installing);
      registration.addEventListener('updatefound', () => follow(registration.installing));
      if (!fromCopy) return;
      const network = QuillmarkNetwork.watch({
        clock,
        ask: () => registration.update(),
        offline: (shown) => { offlineLine.hidden = !shown; },
      });
      window.addEventListener('online', network.askNow);
    }).catch(() => {});
  }

  return { connect };
})();
