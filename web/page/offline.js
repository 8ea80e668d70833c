// offline.js: the page's service worker. Every file of the site comes from the network whenever it
// can be had, so a new version shows at once; when the network or the server is gone, from the copy
// kept at the last visit.
'use strict';

const CACHE = 'quillmark';
// The whole site, kept at the first visit, whose files were fetched before this worker ran: the
// icons and the manifest too, which the page itself may never ask for.
const SITE = ['index.html', 'style.css', 'input.js', 'controls.js', 'share.js', 'words.js', 'page.js', 'offline.js', 'quillmark.js',
  'quillmark.wasm', 'icon.png', 'icon-192.png', 'icon-512.png', 'quillmark.webmanifest'];

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

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(SITE.map((file) => new Request(file, { cache: 'no-cache' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

async function fromCache(request) {
  const kept = await caches.match(keyOf(request));
  if (kept) return kept;
  if (request.mode === 'navigate') return (await caches.match('index.html')) || Response.error();
  return Response.error();
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(fromNetwork(request).then((response) => {
    if (response.status === 200) {
      const copy = response.clone();
      event.waitUntil(caches.open(CACHE).then((cache) => cache.put(keyOf(request), copy)));
    }
    return response;
  }, () => fromCache(request)));
});
