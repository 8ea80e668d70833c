#!/usr/bin/env bash
# check_gallery.sh: runs the gallery script into a temporary folder and checks that every README
# picture is an 800 x 800 frame with a drawing on it, the markers picture has markers, the icon
# is 256 x 256, the window icon compiled into the program and the web app's icons in the built page
# are the ones made from this drawing, the vanishing derivative really printed its warning, and the
# web page's pictures (1280 x 1000, and a phone's 412 x 915 at two pixels each) have the drawing's
# colours in them.
# Usage: check_gallery.sh MAKE_GALLERY_SCRIPT QUILLMARK WINDOW_ICON_INC SITE
set -euo pipefail
script="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

QUILLMARK_BIN="$2" QUILLMARK_SITE="$4" bash "$script" "$out" >/dev/null
for picture in startup markers dragged-point vanishing-derivative; do
  # Background, curve, polygon and wave make at least four colours; a blank frame has one.
  read -r size colours < <(identify -format '%wx%h %k\n' "$out/$picture.png")
  [ "$size" = 800x800 ] || { echo "$picture.png is $size"; exit 1; }
  [ "$colours" -ge 4 ] || { echo "$picture.png has only $colours colours"; exit 1; }
done
# Colour lists are read whole first: grep -q stopping early would fail the pipe.
grep -q '#FF00FF' <<<"$(convert "$out/markers.png" -format %c histogram:info:-)" || { echo "markers.png: no marker"; exit 1; }
[ "$(identify -format '%wx%h' "$out/icon.png")" = 256x256 ]
# Width and height 48, then 48 x 48 pixels; the same drawing gives the same pixels, so the
# committed copy must be this one (after a change to the drawing, run make-gallery.sh again).
grep -qx '    48, 48,' "$out/window_icon.inc" || { echo "window_icon.inc: not 48 x 48"; exit 1; }
[ "$(grep -o '0x[0-9a-f]\{8\}' "$out/window_icon.inc" | wc -l)" -eq $((48 * 48)) ] || { echo "window_icon.inc: not 48 x 48 pixels"; exit 1; }
diff -q "$3" "$out/window_icon.inc" >/dev/null || { echo "$3 differs from the icon made from the drawing"; exit 1; }
for size in 192 512; do
  [ "$(identify -format '%wx%h' "$out/icon-$size.png")" = "${size}x$size" ] || { echo "icon-$size.png is not $size x $size"; exit 1; }
  cmp -s "$4/icon-$size.png" "$out/icon-$size.png" || { echo "$4/icon-$size.png differs from the icon made from the drawing"; exit 1; }
done
grep -qx 'warning : t = 0.000, derivative vector is (0,0)' "$out/vanishing-derivative.txt"
for page in web-page:1280x1000 web-phone:824x1830; do
  [ "$(identify -format '%wx%h' "$out/${page%%:*}.png")" = "${page#*:}" ] || { echo "${page%%:*}.png is not ${page#*:}"; exit 1; }
  page_colours="$(convert "$out/${page%%:*}.png" -format %c histogram:info:-)"
  for colour in '#00FF00' '#0000FF' '#FFFF00'; do
    grep -q "$colour" <<<"$page_colours" || { echo "${page%%:*}.png: no $colour"; exit 1; }
  done
done
echo "gallery: 4 pictures of 800 x 800 with a drawing, markers, icon 256 x 256, window icon and app icons current, warning printed, web pages drawn"
