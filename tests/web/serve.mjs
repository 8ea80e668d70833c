// serve.mjs: serves the built page (QUILLMARK_SITE) over HTTP on a free port of 127.0.0.1 while the
// tests run, with the types a static host gives, and hands the address to them as QUILLMARK_URL.
// A test that stops its server (the page offline) starts one of its own with serveFolder, or one
// that never answers with hangOn.
import fs from 'node:fs';
import http from 'node:http';
import net from 'node:net';
import path from 'node:path';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

// Serves the folder, on a free port unless given one; gives its address and a function that stops
// the server, dropping the connections that browsers keep open.
export async function serveFolder(folder, port = 0) {
  const site = path.resolve(folder);
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = path.join(site, name.endsWith('/') ? `${name}index.html` : name);
    if (!file.startsWith(site + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  const stop = () => new Promise((resolve) => {
    server.close(resolve);
    server.closeAllConnections();
  });
  return { url: `http://127.0.0.1:${server.address().port}/`, stop };
}

// A server that takes connections on the port and never answers, as a captive portal or a stalled
// proxy; gives a function that stops it.
export async function hangOn(port) {
  const connections = new Set();
  const server = net.createServer((connection) => connections.add(connection));
  await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  return () => new Promise((resolve) => {
    server.close(resolve);
    for (const connection of connections) connection.destroy();
  });
}

export default async function serveSite() {
  const site = path.resolve(process.env.QUILLMARK_SITE || '');
  if (!fs.existsSync(path.join(site, 'index.html'))) {
    throw new Error(`No built page in '${site}': build it with cmake --preset web && cmake --build --preset web`);
  }
  const { url, stop } = await serveFolder(site);
  process.env.QUILLMARK_URL = url;
  return stop;
}
