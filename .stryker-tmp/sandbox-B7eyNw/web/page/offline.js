// @ts-nocheck
// offline.js: the page's service worker. Every file of the site comes from the network whenever it
// can be had, so a new version shows at once; from the copy kept at the last visit when the network
// or the server is gone, or has not answered within a few seconds.
'use strict';

const CACHE = 'quillmark';
// The whole site, kept at the first visit, whose files were fetched before this worker ran: the
// icons and the manifest too, which the page itself may never ask for.
// The build writes the list in from site.txt.
const SITE = [@QUILLMARK_SITE_LIST@];
// A network that has not answered by then hangs (a captive portal, a stalled proxy): the copy answers.
const NETWORK_WAIT_MS = 3000;

// The page loads in steps (the page, its scripts, quillmark.js, quillmark.wasm), each waiting for the
// last: once a request has waited its limit, the rest of the load comes from the copy at once, while
// the network is still asked. Any answer from the network ends this; a new page waits once again.
let networkHangs = false;
// The copy being fetched anew, while it is.
let refreshing = null;

// A static host serves one file whatever the query, and a folder's index.html for the folder:
// each file is kept once, under its own path.
function keyOf(request) {
  const url = new URL(request.url);
  url.search = '';
  url.hash = '';
  if (url.pathname.endsWith('/')) url.pathname += 'index.html';
  return url.href;
}

// Past the browser's HTTP cache, which may guess that an old copy is still fresh.
function fromNetwork(request) {
  return fetch(request, { cache: 'no-cache' });
}

// The whole site into the copy in one step: addAll puts every file or none, so quillmark.js and
// quillmark.wasm of two versions never meet there.
function keepSite() {
  return caches.open(CACHE).then((cache) => cache.addAll(SITE.map((file) => new Request(file, { cache: 'no-cache' }))));
}

self.addEventListener('install', (event) => {
  event.waitUntil(keepSite().then(() => self.skipWaiting()));
});

// The first visit's page is looked after from now on, not from its next load.
self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

// The kept file; for a page of the site, the kept page; null before the first copy.
async function keptAnswer(request) {
  const kept = await caches.match(keyOf(request));
  if (kept || request.mode !== 'navigate') return kept || null;
  return (await caches.match('index.html')) || null;
}

async function sameBytes(a, b) {
  const [x, y] = (await Promise.all([a.arrayBuffer(), b.arrayBuffer()])).map((bytes) => new Uint8Array(bytes));
  return x.length === y.length && x.every((byte, i) => byte === y[i]);
}

// A kept file that the network now gives otherwise is a new version: the whole site is kept anew.
async function keepIfNew(request, response) {
  const kept = await caches.match(keyOf(request));
  if (!kept || await sameBytes(kept, response)) return;
  if (refreshing === null) refreshing = keepSite().finally(() => { refreshing = null; });
  await refreshing;
}

// The network's answer unless it fails, or hangs while there is a copy to give instead.
async function answer(request, network) {
  // A failure is answered below, or not waited for.
  network.catch(() => {});
  const kept = await keptAnswer(request);
  if (kept === null) return network;
  if (networkHangs && request.mode !== 'navigate') return kept;
  let timer;
  const waited = new Promise((resolve) => {
    timer = setTimeout(() => {
      networkHangs = true;
      resolve(kept);
    }, NETWORK_WAIT_MS);
  });
  try {
    return await Promise.race([network, waited]);
  } catch (failed) {
    return kept;
  } finally {
    clearTimeout(timer);
  }
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  // Each answer twice, before anything reads it: for the page, and to compare with the copy.
  const network = fromNetwork(request).then((response) => {
    networkHangs = false;
    return [response, response.clone()];
  });
  // A late answer is still compared, after the copy answered: the event's lifetime can only be
  // extended while the event is handled, so now.
  event.waitUntil(network.then(([, response]) => response.status === 200 && keepIfNew(request, response), () => {}));
  event.respondWith(answer(request, network.then(([response]) => response)));
});
