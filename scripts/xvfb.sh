#!/usr/bin/env bash
# xvfb.sh: starts a virtual X display (Xvfb) on a free number and exports DISPLAY; sourced by scripts.

# Starts Xvfb with a 24-bit screen (GLX needs it), sets DISPLAY and XVFB_PID.
start_xvfb() {
  local fifo
  fifo="$(mktemp -u)"
  mkfifo "$fifo"
  # -noreset: a client that disconnects early (a window probe) must not reset the server
  # under the program that is still starting.
  Xvfb -displayfd 3 -screen 0 1024x1024x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local number
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
}

stop_xvfb() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
