#!/usr/bin/env bash
# make-gallery.sh: makes every picture the README shows from the real program in a real window
# (Xvfb, freeglut, Mesa) driven by real key and mouse events (xdotool), and the web page's picture
# from the real page in headless Chromium. The icons are drawn from its start-up picture by
# make-icons.sh.
#
#   ./scripts/make-gallery.sh          builds in Release, writes docs/images/
#   ./scripts/make-gallery.sh DIR      writes every picture into DIR instead (what CI checks)
#
# QUILLMARK_BIN=path/to/quillmark uses that program instead of building one, QUILLMARK_SITE=folder
# that built web page.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
source "$(dirname "${BASH_SOURCE[0]}")/site.sh"

if [ -z "${QUILLMARK_BIN:-}" ]; then
  # The program, and the virtual display and xdotool that drive it.
  install_and_run program BUILD VIRTUAL_DISPLAY TEST
  QUILLMARK_BIN="$QUILLMARK_ROOT/build/release/quillmark"
fi
if [ -z "${QUILLMARK_SITE:-}" ]; then
  install_and_run page WEB BROWSER
  QUILLMARK_SITE="$QUILLMARK_ROOT/build/web/site"
fi
images="${1:-$QUILLMARK_ROOT/docs/images}"
mkdir -p "$images"
work="$(mktemp -d)"

cleanup() {
  stop_program
  stop_site_server
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

# GLUT merges redraw requests that arrive before a frame is drawn, so events go one by one.
pace() { sleep 0.03; }

# A picture of the window's 800 x 800 client area; with no window manager it sits at the
# screen's top-left corner. -strip drops time stamps, so an unchanged picture keeps its bytes.
capture() { import -window root -crop 800x800+0+0 +repage -strip "$1"; }

# The window's colour count and pixel hash: a drawn frame has at least three colours (the white
# background and its lines); an unmapped or not yet drawn window has one.
frame_signature() {
  import -window root -crop 800x800+0+0 +repage miff:- | convert - -format '%k %#' info:
}

# Waits for a drawn frame that differs from the signature $1 (the frame before the last events,
# if given) and then stays unchanged over three looks: the last event's frame is on screen.
wait_for_frame() {
  local previous="${1:-}" current same=0 last=""
  for _ in $(seq 150); do
    sleep 0.1
    current="$(frame_signature)"
    if [ "${current%% *}" -ge 3 ] && [ "$current" != "$previous" ] && [ "$current" = "$last" ]; then
      same=$((same + 1))
      [ "$same" -ge 2 ] && return 0
    else
      same=0
    fi
    last="$current"
  done
  echo "make-gallery: no new frame settled in the window (last: $current)" >&2
  return 1
}

# Starts the program with its standard output going line by line into $work/stdout.txt,
# waits for its first frame and puts the pointer over it (keys go where the pointer is).
start_program() {
  stdbuf -oL "$QUILLMARK_BIN" -geometry +0+0 >"$work/stdout.txt" &
  APP_PID=$!
  if ! timeout 20 xdotool search --sync --name '^Quillmark$' >/dev/null; then
    echo "make-gallery: no Quillmark window appeared" >&2
    return 1
  fi
  xdotool mousemove 790 790
  wait_for_frame
}

stop_program() {
  if [ -n "${APP_PID:-}" ]; then
    kill "$APP_PID" 2>/dev/null || true
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=""
  fi
}

# Keys, one xdotool name per argument.
press_keys() {
  local key
  for key in "$@"; do
    xdotool key "$key"
    pace
  done
}

# Holds BUTTON down at the first x y pair, moves through the others one event at a time, releases.
drag() {
  local button="$1" before
  before="$(frame_signature)"
  shift
  xdotool mousemove "$1" "$2"
  pace
  xdotool mousedown "$button"
  pace
  shift 2
  while [ $# -ge 2 ]; do
    xdotool mousemove "$1" "$2"
    pace
    shift 2
  done
  xdotool mouseup "$button"
  pace
  wait_for_frame "$before"
}

start_xvfb

start_program
capture "$images/startup.png"
stop_program

# Twelve half-waves at amplitude 0.3 (0.1 + 20 x 0.01), drawn at 512 steps: the wave crosses itself.
start_program
before="$(frame_signature)"
press_keys F12
for _ in $(seq 20); do press_keys a; done
press_keys r
wait_for_frame "$before"
capture "$images/markers.png"
stop_program

# Zoom from 2 to about 2.3 by dragging the right button 300 pixels up, then drag P2, drawn at
# (400 + 400 x 0.1 x 2.3, 400 - 400 x 0.4 x 2.3) = (492, 32), down across the curve.
start_program
drag 3 700 700 700 650 700 600 700 550 700 500 700 450 700 400
drag 1 492 32 520 120 550 240 580 360 600 480 610 560
capture "$images/dragged-point.png"
stop_program

# Drag P0 (pixel 160, 400) once, then P1 (pixel 320, 80) onto the same pixel in one move: both
# points then went through the same window-to-curve conversion and are equal to the last bit,
# so the derivative at t = 0 vanishes and the program warns on every frame.
start_program
drag 1 160 400 120 520
drag 1 320 80 120 520
capture "$images/vanishing-derivative.png"
stop_program
head -n 3 "$work/stdout.txt" >"$images/vanishing-derivative.txt"

# The web page as it opens in a 1280 x 1000 browser window, and on a phone.
port="$(free_port)"
start_site_server "$QUILLMARK_SITE" "$port"
page_screenshot "http://127.0.0.1:$port/" "$images/web-page.png"
page_screenshot "http://127.0.0.1:$port/" "$images/web-phone.png" phone
stop_site_server

echo "Gallery written to $images"
