#!/usr/bin/env bash
# frame-time.sh: CPU time per frame of the real program under Xvfb with Mesa's software renderer,
# at 100 and 512 steps with crossing markers (twelve half-waves of amplitude 0.3).
# Usage: scripts/frame-time.sh [frames, default 400] [program ...], the program defaulting to build/release/quillmark.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

frames="${1:-400}"
shift || true
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=("$root/build/release/quillmark")

# User plus system CPU time of a process and all its threads, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

start_xvfb
trap 'kill "${APP_PID:-}" 2>/dev/null || true; stop_xvfb' EXIT
ticks_per_second="$(getconf CLK_TCK)"
for program in "${programs[@]}"; do
  for steps in 100 512; do
    LIBGL_ALWAYS_SOFTWARE=1 "$program" -geometry +0+0 >/dev/null &
    APP_PID=$!
    timeout 20 xdotool search --sync --name '^Quillmark$' >/dev/null
    # Keys go where the pointer is. F12 and twenty a: twelve half-waves of 0.1 + 20 x 0.01.
    xdotool mousemove 790 790
    keys=(F12 $(printf 'a %.0s' $(seq 20)))
    [ "$steps" = 512 ] && keys+=(r)
    xdotool key --delay 30 "${keys[@]}"
    sleep 1
    before="$(cpu_ticks "$APP_PID")"
    # x is bound to nothing: each press only asks for a redraw. 30 ms apart, GLUT draws every one.
    xdotool key --delay 30 $(printf 'x %.0s' $(seq "$frames"))
    sleep 1
    after="$(cpu_ticks "$APP_PID")"
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=""
    awk -v t=$((after - before)) -v hz="$ticks_per_second" -v n="$frames" -v s="$steps" -v p="$program" \
      'BEGIN { printf "%s, %d steps: %.2f ms CPU per frame (%d frames)\n", p, s, 1000 * t / hz / n, n }'
  done
done
