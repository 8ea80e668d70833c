// offline.js: the page's service worker. The page opens from the copy of the site kept on this device,
// at once, with or without a network, while the browser looks for a new version in the background.
// Each version is kept whole in a cache of its own, named by the version stamp that the build writes
// in below from every other file of the site: any change to the site changes this worker, and the
// browser then keeps the new version beside the one the open pages run on. A page is served from one
// version for its whole load, and a version's cache is deleted once no page uses it.
'use strict';

const VERSION = '@QUILLMARK_VERSION@';
// The whole site, the icons and the manifest too, which the page itself may never ask for. The build
// writes the list in from site.txt.
const SITE = [@QUILLMARK_SITE_LIST@];
const PREFIX = 'quillmark-';
const CACHE = `${PREFIX}${VERSION}`;
// Which version each page loads from, kept beside the copies: the browser may stop this worker
// between two requests of a page, and the next version's worker serves the pages of the one before.
const PAGES = `${PREFIX}pages`;
const pageVersions = new Map();
// The pages that have asked for a file since this worker started: the page a reload replaced is
// gone by then.
const pagesSeen = new Set();

// A static host serves one file whatever the query, and a folder's index.html for the folder:
// each file is kept once, under its own path.
function keyOf(request) {
  const url = new URL(request.url);
  url.search = '';
  url.hash = '';
  if (url.pathname.endsWith('/')) url.pathname += 'index.html';
  return url.href;
}

const pageKey = (clientId) => new URL(`pages/${encodeURIComponent(clientId)}`, self.registration.scope).href;

// The whole version into its cache in one step: addAll puts every file or none. Past the browser's
// HTTP cache, which may guess that a file of the last version is still fresh.
self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(SITE.map((file) => new Request(file, { cache: 'no-cache' })))));
});

// The page's "reload into the new version": this version takes over at once instead of waiting until
// no page shows the last one.
self.addEventListener('message', (event) => {
  if (event.data === 'take over') self.skipWaiting();
});

// The first visit's page is looked after from now on, not from its next load.
self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim().then(() => forgetUnused(true))));

async function versionOfPage(clientId) {
  if (!pageVersions.has(clientId)) {
    const kept = await caches.match(pageKey(clientId), { cacheName: PAGES });
    // A page this worker's versions never served: the first visit's, from the network.
    pageVersions.set(clientId, kept ? await kept.text() : VERSION);
  }
  return pageVersions.get(clientId);
}

async function keepPageVersion(clientId, version) {
  pageVersions.set(clientId, version);
  await (await caches.open(PAGES)).put(pageKey(clientId), new Response(version));
}

// Deletes the copies that no open page loads from: those of closed pages, or, once this version
// takes over, every other (a version kept but never shown too); never one that no page has shown yet,
// which may be the next version, still waiting. The copy before versions had stamps was 'quillmark'.
async function forgetUnused(everyOther) {
  const open = new Set((await self.clients.matchAll({ type: 'window', includeUncontrolled: true })).map((client) => client.id));
  const pages = await caches.open(PAGES);
  const used = new Set([CACHE, PAGES]);
  const left = new Set();
  for (const request of await pages.keys()) {
    const cache = `${PREFIX}${await (await pages.match(request)).text()}`;
    if (open.has(decodeURIComponent(new URL(request.url).pathname.split('/').pop()))) {
      used.add(cache);
    } else {
      left.add(cache);
      await pages.delete(request);
    }
  }
  for (const name of await caches.keys()) {
    const unused = name === 'quillmark' || (name.startsWith(PREFIX) && (everyOther || left.has(name)));
    if (unused && !used.has(name)) await caches.delete(name);
  }
}

// The file of that version; for a page of the site, its page; undefined when it is not kept.
async function keptAnswer(request, version) {
  const options = { cacheName: `${PREFIX}${version}` };
  const kept = await caches.match(keyOf(request), options);
  if (kept || request.mode !== 'navigate') return kept;
  return caches.match(new URL('index.html', self.registration.scope).href, options);
}

// A new page loads from this worker's version, and every later request of the page from the same.
async function answer(event) {
  const request = event.request;
  let version = VERSION;
  if (request.mode === 'navigate') {
    event.waitUntil(keepPageVersion(event.resultingClientId, VERSION));
  } else {
    version = await versionOfPage(event.clientId);
    if (!pagesSeen.has(event.clientId)) {
      pagesSeen.add(event.clientId);
      event.waitUntil(forgetUnused(false));
    }
  }
  return (await keptAnswer(request, version)) || fetch(request);
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(answer(event));
});
