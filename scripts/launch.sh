#!/usr/bin/env bash
# launch.sh: starts a built Quillmark. On a display it simply runs; with none it runs on a virtual
# display until its window is drawn, then saves a screenshot of that window and stops it.
# Usage: scripts/launch.sh PROGRAM [ARGUMENTS...]; QUILLMARK_SCREENSHOT names the screenshot's file
# (default build/quillmark-screenshot.png). A program that ends by itself (--help, --version, an
# address it cannot open) leaves its own output and exit status, and no screenshot.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"

program="$1"
shift
if [ -n "${DISPLAY:-}" ]; then
  exec "$program" "$@"
fi

start_xvfb
trap 'kill "${APP_PID:-}" 2>/dev/null || true; stop_xvfb' EXIT
"$program" -geometry +0+0 "$@" &
APP_PID=$!

# The exit status of a program that has ended, and nothing more from this script.
exit_with_program() {
  local status=0
  wait "$APP_PID" || status=$?
  APP_PID=""
  exit "$status"
}

running() {
  kill -0 "$APP_PID" 2>/dev/null
}

for _ in $(seq 100); do
  running || exit_with_program
  xwininfo -name Quillmark >/dev/null 2>&1 && break
  sleep 0.1
done
# The first frame follows the window.
sleep 1
running || exit_with_program
shot="${QUILLMARK_SCREENSHOT:-$(dirname "${BASH_SOURCE[0]}")/../build/quillmark-screenshot.png}"
mkdir -p "$(dirname "$shot")"
shot="$(cd "$(dirname "$shot")" && pwd)/$(basename "$shot")"
import -window root -crop 800x800+0+0 +repage "$shot"
# A program that ended while the picture was taken left no window in it.
if ! running; then
  rm -f "$shot"
  exit_with_program
fi
echo "No display found: Quillmark ran on a virtual display, stopped after its first frame."
echo "Screenshot of the window saved to $shot"
