// SPDX-License-Identifier: GPL-3.0-or-later
// A static web server for the page's folder on this computer only (127.0.0.1), for scripts/run.sh
// --web, fundis-web-check and the browser tests: `node serve.mjs FOLDER [PORT]` prints the address.
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.htm': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json',
  '.json': 'application/json',
  '.png': 'image/png',
};

// Serves `folder`; resolves to {url, close()} once it listens (port 0: any free one).
export function serve(folder, port = 0) {
  const root = path.resolve(folder);
  const server = createServer((request, response) => {
    const address = new URL(request.url ?? '/', 'http://localhost');
    let file = path.join(root, decodeURIComponent(address.pathname));
    if (!file.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    try {
      if (statSync(file).isDirectory()) file = path.join(file, 'index.html');
      const { size, mtime } = statSync(file);
      // asked again each time, answered "not modified" when it is not: a rebuilt folder shows at
      // once, and the browser keeps what it compiled of an unchanged module
      const modified = new Date(Math.floor(mtime.getTime() / 1000) * 1000);
      const since = Date.parse(request.headers['if-modified-since'] ?? '');
      if (!Number.isNaN(since) && modified.getTime() <= since) {
        response.writeHead(304, { 'Cache-Control': 'no-cache', 'Last-Modified': modified.toUTCString() }).end();
        return;
      }
      response.writeHead(200, {
        'Content-Type': kTypes[path.extname(file).toLowerCase()] ?? 'application/octet-stream',
        'Content-Length': size,
        'Cache-Control': 'no-cache',
        'Last-Modified': modified.toUTCString(),
      });
      if (request.method === 'HEAD') response.end();
      else createReadStream(file).pipe(response);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain; charset=utf-8' }).end('нет такого файла');
    }
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => {
      const { port: bound } = server.address();
      resolve({ url: `http://127.0.0.1:${bound}/`, close: () => new Promise((done) => server.close(done)) });
    });
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const folder = process.argv[2];
  if (!folder) {
    console.error('serve.mjs FOLDER [PORT]');
    process.exit(2);
  }
  const { url } = await serve(folder, Number(process.argv[3] ?? 0));
  console.log(`Фундис: ${url} (Ctrl+C — остановить)`);
}
