#!/usr/bin/env bash
# check_gallery.sh: runs the gallery script into a temporary folder and checks that every README
# picture is an 800 x 800 frame with a drawing on it, the markers picture has markers, the
# vanishing derivative really printed its warning, and the web page's pictures (1280 x 1000, and a
# phone's 412 x 915 at two pixels each) have the drawing's colours in them; then draws the icons
# from this start-up picture and checks that the committed ones, and the page's in the built site,
# are these to the byte.
# Usage: check_gallery.sh PROJECT_ROOT QUILLMARK SITE
set -euo pipefail
root="$1" site="$3"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

QUILLMARK_BIN="$2" QUILLMARK_SITE="$site" bash "$root/scripts/make-gallery.sh" "$out" >/dev/null
for picture in startup markers dragged-point vanishing-derivative; do
  # Background, curve, polygon and wave make at least four colours; a blank frame has one.
  read -r size colours < <(identify -format '%wx%h %k\n' "$out/$picture.png")
  [ "$size" = 800x800 ] || { echo "$picture.png is $size"; exit 1; }
  [ "$colours" -ge 4 ] || { echo "$picture.png has only $colours colours"; exit 1; }
done
# Colour lists are read whole first: grep -q stopping early would fail the pipe.
grep -q '#FF00FF' <<<"$(convert "$out/markers.png" -format %c histogram:info:-)" || { echo "markers.png: no marker"; exit 1; }
grep -qx 'warning : t = 0.000, derivative vector is (0,0)' "$out/vanishing-derivative.txt"
for page in web-page:1280x1000 web-phone:824x1830; do
  [ "$(identify -format '%wx%h' "$out/${page%%:*}.png")" = "${page#*:}" ] || { echo "${page%%:*}.png is not ${page#*:}"; exit 1; }
  page_colours="$(convert "$out/${page%%:*}.png" -format %c histogram:info:-)"
  for colour in '#00FF00' '#0000FF' '#FFFF00'; do
    grep -q "$colour" <<<"$page_colours" || { echo "${page%%:*}.png: no $colour"; exit 1; }
  done
done
# The icons: each its size, and the committed copy and the site's copy byte for byte the one drawn
# from this start-up picture (after a change to the drawing, run make-icons.sh again).
bash "$root/scripts/make-icons.sh" "$out/startup.png" "$out/icons" >/dev/null
for icon in packaging/org.quillmark.Quillmark.png:256 web/page/icon.png:64 web/page/icon-192.png:192 web/page/icon-512.png:512; do
  file="${icon%%:*}" size="${icon#*:}"
  made="$out/icons/$(basename "$file")"
  [ "$(identify -format '%wx%h' "$made")" = "${size}x$size" ] || { echo "$(basename "$file") is not $size x $size"; exit 1; }
  cmp -s "$root/$file" "$made" || { echo "$file differs from the icon drawn from the start-up picture"; exit 1; }
  [[ "$file" != web/page/* ]] || cmp -s "$site/$(basename "$file")" "$made" || { echo "$site/$(basename "$file") is not the page's icon"; exit 1; }
done
# Width and height 48, then 48 x 48 pixels.
grep -qx '    48, 48,' "$out/icons/window_icon.inc" || { echo "window_icon.inc: not 48 x 48"; exit 1; }
[ "$(grep -o '0x[0-9a-f]\{8\}' "$out/icons/window_icon.inc" | wc -l)" -eq $((48 * 48)) ] || { echo "window_icon.inc: not 48 x 48 pixels"; exit 1; }
diff -q "$root/src/app/window_icon.inc" "$out/icons/window_icon.inc" >/dev/null || { echo "src/app/window_icon.inc differs from the icon drawn from the start-up picture"; exit 1; }
echo "gallery: 4 pictures of 800 x 800 with a drawing, markers, warning printed, web pages drawn; icons current"
