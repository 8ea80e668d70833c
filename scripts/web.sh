#!/usr/bin/env bash
# web.sh: installs what building the web page needs, builds it into build/web/site and serves it at
# http://127.0.0.1:8080/ until stopped with Ctrl+C. With no display it also saves a screenshot of
# the page, taken by headless Chromium. With --build-only it stops once the page is built.
# Usage: scripts/web.sh [--port N | --build-only]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
source "$(dirname "${BASH_SOURCE[0]}")/site.sh"

port=8080
build_only=false
while [ $# -gt 0 ]; do
  case "$1" in
    --port) port="${2:-}"; shift $(($# >= 2 ? 2 : 1)) ;;
    --port=*) port="${1#--port=}"; shift ;;
    --build-only) build_only=true; shift ;;
    -h|--help) sed -n '2,5s/^# \{0,1\}//p' "$0"; exit 0 ;;
    *) echo "web.sh: unknown option '$1' (try --help)" >&2; exit 2 ;;
  esac
done
if ! [[ "$port" =~ ^[0-9]+$ ]] || [ "$port" -lt 1 ] || [ "$port" -gt 65535 ]; then
  echo "web.sh: --port takes a port number from 1 to 65535" >&2
  exit 2
fi

if $build_only; then
  install_and_run page WEB
  exit 0
fi

# Chromium, and Playwright to drive it, only where there is no display: for the screenshot.
groups=(WEB)
[ -n "${DISPLAY:-}" ] || groups+=(BROWSER WEB_TEST)
install_and_run page "${groups[@]}"
[ -n "${DISPLAY:-}" ] || install_playwright

url="http://127.0.0.1:$port/"
trap stop_site_server EXIT
if ! start_site_server "$QUILLMARK_ROOT/build/web/site" "$port"; then
  echo "web.sh: port $port is taken; choose another with --port N" >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ]; then
  shot="$QUILLMARK_ROOT/build/quillmark-web-screenshot.png"
  if page_screenshot "$url" "$shot"; then
    echo "No display found: a screenshot of the page is saved to $shot"
  else
    echo "web.sh: headless Chromium took no screenshot of the page" >&2
  fi
fi
echo "Quillmark is served at $url (Ctrl+C stops it)"
wait "$SITE_SERVER_PID"
