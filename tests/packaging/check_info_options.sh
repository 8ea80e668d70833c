#!/usr/bin/env bash
# check_info_options.sh: -h, --help and --version answer on standard output with no display at all,
# and every other argument still reaches GLUT.
# Usage: check_info_options.sh QUILLMARK VERSION
set -euo pipefail
program="$1" version="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
no_display() { env -u DISPLAY -u WAYLAND_DISPLAY "$program" "$@"; }

fail() { echo "FAIL: $*"; exit 1; }

no_display --help >"$out/help" 2>"$out/err" || fail "--help exited with $?"
[ ! -s "$out/err" ] || fail "--help wrote to standard error: $(cat "$out/err")"
for text in 'Usage: quillmark' '-geometry +X+Y' 'at 800 x 800' '-display' 'note on standard error' \
            'close the window'; do
  grep -q -e "$text" "$out/help" || fail "--help does not mention '$text'"
done
no_display -h >"$out/short-help" 2>&1 || fail "-h exited with $?"
cmp -s "$out/help" "$out/short-help" || fail "-h does not print what --help prints"

no_display --version >"$out/version" 2>"$out/err" || fail "--version exited with $?"
[ "$(cat "$out/version")" = "quillmark $version" ] || fail "--version printed '$(cat "$out/version")'"
[ ! -s "$out/err" ] || fail "--version wrote to standard error"

# Help that cannot be written is a failure, not a success.
if no_display --help >/dev/full 2>/dev/null; then fail "--help into a full device exited 0"; fi

# Any other argument goes to GLUT whole: it tries the named display, or the default one, and
# reports its failure; a mistyped option does not hide that.
for case in "--bogus -display :quillmark-none|failed to open display ':quillmark-none'" \
            "--bogus|failed to open display ''"; do
  status=0
  # shellcheck disable=SC2086
  no_display ${case%%|*} >/dev/null 2>"$out/err" || status=$?
  [ "$status" -eq 1 ] || fail "${case%%|*}: with no display to open the exit status was $status"
  grep -qF "${case#*|}" "$out/err" || fail "${case%%|*}: GLUT did not report the display: $(cat "$out/err")"
done
echo "-h, --help, --version and GLUT's own options behave"
