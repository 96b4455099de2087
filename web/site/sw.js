// The page's service worker: keeps the site and the core of one build in a cache of their own,
// so that the page opens and computes without the network. A new build served is a new worker
// (its name below changes with every file): it caches the new files, takes over at once and
// drops the old cache.
const BUILD = '@BUILD@';
const CACHE = `varnello-${BUILD}`;
const FILES = [
  './',
@FILES@
];

self.addEventListener('install', (event) => {
  // Fetched past the browser's HTTP cache, so that the cache holds this build's files.
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((f) => new Request(f, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('varnello-') && n !== CACHE).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// The site's own files from the cache (a page's address with its query is the page); anything
// else, and a file the cache lacks, from the network.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((hit) => hit ?? fetch(request)));
});

// The page asks which build it runs on.
self.addEventListener('message', (event) => {
  if (event.data === 'build') event.source?.postMessage({ build: BUILD });
});
