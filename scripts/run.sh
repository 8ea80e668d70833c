#!/usr/bin/env bash
# run.sh: installs what building and running need, builds the program alone in Release and starts
# it. With no display it runs on a virtual one and saves a screenshot instead.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"

# The virtual display and the screenshot tool only where there is no display.
groups=(BUILD)
[ -n "${DISPLAY:-}" ] || groups+=(VIRTUAL_DISPLAY)
install_and_run program "${groups[@]}"

if [ -n "${DISPLAY:-}" ]; then
  exec "$QUILLMARK_ROOT/build/release/quillmark" "$@"
fi

echo "No display found: starting Quillmark on a virtual display."
start_xvfb
trap 'kill "${APP_PID:-}" 2>/dev/null || true; stop_xvfb' EXIT
"$QUILLMARK_ROOT/build/release/quillmark" -geometry +0+0 "$@" &
APP_PID=$!
for _ in $(seq 50); do
  xwininfo -name Quillmark >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1
shot="$QUILLMARK_ROOT/build/quillmark-screenshot.png"
import -window root -crop 800x800+0+0 +repage "$shot"
echo "Screenshot of the window saved to $shot"
