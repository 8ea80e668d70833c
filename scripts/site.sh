#!/usr/bin/env bash
# site.sh: serves the built web page on 127.0.0.1 and photographs it in headless Chromium; sourced by
# web.sh and make-gallery.sh after setup.sh.

# A port of 127.0.0.1 that nothing listens on now.
free_port() {
  python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# Serves the folder $1 at http://127.0.0.1:$2/ in the background (SITE_SERVER_PID) and returns once
# it listens. Fails, saying why, when it cannot listen there (the port is taken, say).
start_site_server() {
  local folder="$1" port="$2" log
  log="$(mktemp)"
  # Python's own file server, with the types a static host gives whatever the system's type table
  # holds (the app manifest's among them); unbuffered, so its "Serving HTTP" line shows as soon as
  # it listens.
  python3 -u -c '
import functools, http.server, sys
http.server.SimpleHTTPRequestHandler.extensions_map.update(
    {".wasm": "application/wasm", ".webmanifest": "application/manifest+json", ".js": "text/javascript"})
http.server.test(functools.partial(http.server.SimpleHTTPRequestHandler, directory=sys.argv[1]),
                 http.server.ThreadingHTTPServer, port=int(sys.argv[2]), bind="127.0.0.1")
' "$folder" "$port" >"$log" 2>&1 &
  SITE_SERVER_PID=$!
  for _ in $(seq 100); do
    if grep -q '^Serving HTTP' "$log"; then
      rm -f "$log"
      return 0
    fi
    if ! kill -0 "$SITE_SERVER_PID" 2>/dev/null; then
      tail -n 1 "$log" >&2
      rm -f "$log"
      return 1
    fi
    sleep 0.1
  done
  rm -f "$log"
  return 1
}

stop_site_server() {
  [ -n "${SITE_SERVER_PID:-}" ] && kill "$SITE_SERVER_PID" 2>/dev/null || true
}

# A 1280 x 1000 screenshot of the page at $1 into $2, once its program has drawn, or with $3 phone
# one on a phone held upright (Playwright, as npm installed it into tests/web).
page_screenshot() {
  node "$QUILLMARK_ROOT/scripts/page_screenshot.mjs" "$@"
}
