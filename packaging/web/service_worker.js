// Klonkatron's site plays offline after the first visit: every file of the
// site is kept at installation and served from there, the network asked
// only for what is not kept. A new version of the site names a new cache.
const cacheName = 'klonkatron-@KLONKATRON_VERSION@';
const files = [
  'klonkatron.html', 'klonkatron.js', 'klonkatron.wasm', 'klonkatron-fonts.css',
  'LICENSE-fonts-liberation.txt', 'THIRD-PARTY.txt', 'manifest.webmanifest', 'icon-192.png',
  'icon-512.png',
];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) =>
    Promise.all(names.filter((name) => name !== cacheName).map((name) => caches.delete(name)))));
});

self.addEventListener('fetch', (event) => {
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((kept) => kept || fetch(event.request)));
});
