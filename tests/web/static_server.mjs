// A static file server on the loopback interface, on a port the system
// picks, for the page tests: the page loads its script, module and fonts
// as from any web server (a page from file:// may not fetch its module).
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, sep } from 'node:path';
import { pathToFileURL } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.css': 'text/css; charset=utf-8',
  '.txt': 'text/plain; charset=utf-8',
  '.json': 'application/json',
  '.png': 'image/png',
};

// Serves the files under `root` until `use(baseUrl)` has finished.
export async function withStaticServer(root, use) {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    const file = join(root, path);
    if (!file.startsWith(root + sep)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'content-type': types[extname(file)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  try {
    return await use(`http://127.0.0.1:${server.address().port}`);
  } finally {
    await new Promise((resolve) => server.close(resolve));
  }
}

// Runs `use(url, { offline })` with the game's page: a folder served by a
// static server (its klonkatron.html), or one self-contained .html file
// opened from file://, which must play with the network off.
export async function withGamePage(site, use) {
  if (site.endsWith('.html')) return use(pathToFileURL(site).href, { offline: true });
  return withStaticServer(site, (base) => use(`${base}/klonkatron.html`, { offline: false }));
}
