#!/usr/bin/env bash
# make-icons.sh: draws the program's icons from its start-up frame: the installed desktop icon, the
# window's icon compiled into the program, and the web page's icons (its own small one, and the app
# icons for a phone's home screen and an installed app's window). Each PNG is reduced to a palette
# and recompressed losslessly; the same frame gives the same bytes.
#
#   ./scripts/make-icons.sh                  from docs/images/startup.png (make-gallery.sh takes it),
#                                            into packaging/, src/app/window_icon.inc and web/page/
#   ./scripts/make-icons.sh FRAME DIR        from the frame FRAME, every file into DIR (what CI checks)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages ICON

frame="${1:-$QUILLMARK_ROOT/docs/images/startup.png}"
if [ $# -ge 2 ]; then
  desktop="$2" window="$2" page="$2"
else
  desktop="$QUILLMARK_ROOT/packaging" window="$QUILLMARK_ROOT/src/app" page="$QUILLMARK_ROOT/web/page"
fi
mkdir -p "$desktop" "$window" "$page"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The icon, SIZE pixels square, into FILE: the start-up drawing trimmed to its extent, centred on a
# white square, its lines thickened (a minimum filter spreads the coloured lines over white) so
# they survive scaling. Each size is drawn from the drawing, not scaled from another size.
draw_icon() {
  convert "$frame" -trim +repage -bordercolor white -border 15 -background white \
    -gravity center -extent 560x560 -morphology Erode Disk:2 -resize "$1x$1" -strip "$2"
}

# The icons are line art in three colours on white: the blends along the lines fit a small palette.
# Each icon takes the fewest colours of PALETTES that keep it within RMS_LIMIT of the drawn picture
# (a fraction of full scale, under two levels in 255 on average): side by side, even enlarged, the
# two look the same. No dithering, whose noise would cost bytes; zopflipng then finds the smallest
# lossless encoding. Each step gives the same bytes every run.
PALETTES=(32 64 128 256)
RMS_LIMIT=0.0065
compress_icon() {
  local drawn="$1" file="$2" colours error
  for colours in "${PALETTES[@]}"; do
    pngquant --nofs --speed 1 --strip --force --output "$work/palette.png" "$colours" "$drawn"
    # compare reports on its error output, and exits with 1 when the pictures differ at all.
    error="$({ compare -metric RMSE "$drawn" "$work/palette.png" null: 2>&1 || true; } | sed -n 's/.*(\(.*\))/\1/p')"
    if awk -v error="$error" -v limit="$RMS_LIMIT" 'BEGIN { exit !(error != "" && error <= limit) }'; then
      zopflipng -y -m "$work/palette.png" "$file" >/dev/null
      return 0
    fi
  done
  echo "make-icons: no palette keeps $(basename "$file") within $RMS_LIMIT RMS of the drawing" >&2
  return 1
}

draw_icon 256 "$work/desktop.png"
compress_icon "$work/desktop.png" "$desktop/org.quillmark.Quillmark.png"
for size in 64 192 512; do
  draw_icon "$size" "$work/page-$size.png"
done
# The page's own icon for its tab is small: a tab shows 16 to 32 pixels at up to twice the density.
compress_icon "$work/page-64.png" "$page/icon.png"
compress_icon "$work/page-192.png" "$page/icon-192.png"
compress_icon "$work/page-512.png" "$page/icon-512.png"

# The window's icon, compiled into the program: the drawn desktop icon at 48 x 48 as _NET_WM_ICON
# takes it, width and height, then one ARGB pixel per long, row by row from the top.
convert "$work/desktop.png" -resize 48x48 -depth 8 rgba:- | od -An -v -tu1 -w4 | awk '
  BEGIN {
    print "// window_icon.inc: the window icon (_NET_WM_ICON): width, height, then ARGB pixels row by row."
    print "// Written by scripts/make-icons.sh from the start-up frame; run it again instead of editing."
    print "constexpr unsigned long WINDOW_ICON[] = {"
    print "    48, 48,"
  }
  {
    row = row sprintf(" 0x%02x%02x%02x%02x,", $4, $1, $2, $3)
    if (NR % 48 == 0) { printf "    /* row %2d */%s\n", NR / 48 - 1, row; row = "" }
  }
  END { print "};" }' >"$window/window_icon.inc"

echo "Icons drawn from $frame into $desktop/org.quillmark.Quillmark.png, $window/window_icon.inc," \
  "$page/icon.png, $page/icon-192.png and $page/icon-512.png"
