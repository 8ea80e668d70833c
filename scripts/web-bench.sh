#!/usr/bin/env bash
# web-bench.sh: builds the web page and measures it: each file of build/web/site with its gzipped
# size, then in headless Chromium where the time to the first frame goes (bench/web_first_frame.mjs),
# a reload's first frame against a blank WebGL page's (bench/web_against_blank.mjs), and the CPU
# time per frame (bench/web_frame_time.mjs).
# Usage: scripts/web-bench.sh [frames, default 400]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_and_run page WEB BROWSER WEB_TEST
install_playwright

site="$QUILLMARK_ROOT/build/web/site"
echo "build/web/site, bytes and bytes gzipped (gzip -9):"
total=0
total_gzipped=0
for file in "$site"/*; do
  bytes="$(wc -c <"$file")"
  gzipped="$(gzip -9c "$file" | wc -c)"
  printf '  %-16s %7d %7d\n' "$(basename "$file")" "$bytes" "$gzipped"
  total=$((total + bytes))
  total_gzipped=$((total_gzipped + gzipped))
done
printf '  %-16s %7d %7d\n' "all" "$total" "$total_gzipped"

QUILLMARK_SITE="$site" node "$QUILLMARK_ROOT/bench/web_first_frame.mjs"
QUILLMARK_SITE="$site" node "$QUILLMARK_ROOT/bench/web_against_blank.mjs"
QUILLMARK_SITE="$site" node "$QUILLMARK_ROOT/bench/web_frame_time.mjs" "${1:-400}"
