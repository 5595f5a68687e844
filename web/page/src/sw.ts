// SPDX-License-Identifier: GPL-3.0-or-later
// The service worker: after the first visit every file of the folder comes from the browser's cache,
// so that the page opens without a network. The build writes the list of files and a version made
// from their contents in place of the two names below; a new version replaces the old cache.

declare const FUNDIS_FILES: string[];
declare const FUNDIS_VERSION: string;

interface ExtendableEvent extends Event {
  waitUntil(promise: Promise<unknown>): void;
}
interface FetchEvent extends ExtendableEvent {
  request: Request;
  respondWith(response: Promise<Response>): void;
}
interface WorkerScope {
  location: Location;
  addEventListener(type: 'install' | 'activate', listener: (event: ExtendableEvent) => void): void;
  addEventListener(type: 'fetch', listener: (event: FetchEvent) => void): void;
  skipWaiting(): Promise<void>;
  clients: { claim(): Promise<void> };
}

const worker = self as unknown as WorkerScope;
const cacheName = `fundis-${FUNDIS_VERSION}`;
const scope = new URL('./', worker.location.href);

worker.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(cacheName)
      .then((cache) => cache.addAll(FUNDIS_FILES.map((file) => new URL(file, scope).href)))
      .then(() => worker.skipWaiting()),
  );
});

worker.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((name) => name.startsWith('fundis-') && name !== cacheName).map((name) => caches.delete(name))))
      .then(() => worker.clients.claim()),
  );
});

worker.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || !request.url.startsWith(scope.href)) return;
  event.respondWith(
    caches.open(cacheName).then(async (cache) => {
      // the page itself by its folder's address too
      const key = request.mode === 'navigate' && new URL(request.url).pathname.endsWith('/') ? new URL('index.html', scope).href : request;
      const cached = await cache.match(key, { ignoreSearch: true });
      return cached ?? fetch(request);
    }),
  );
});
