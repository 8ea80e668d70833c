#!/usr/bin/env bash
# check_info_options.sh: -h, --help, --version and --describe answer on standard output with no
# display at all, a bad --open is refused before any display is tried, and every other argument
# still reaches GLUT.
# Usage: check_info_options.sh QUILLMARK VERSION
set -euo pipefail
program="$1" version="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
no_display() { env -u DISPLAY -u WAYLAND_DISPLAY "$program" "$@"; }

fail() { echo "FAIL: $*"; exit 1; }

no_display --help >"$out/help" 2>"$out/err" || fail "--help exited with $?"
[ ! -s "$out/err" ] || fail "--help wrote to standard error: $(cat "$out/err")"
for text in 'Usage: quillmark' '--open ADDRESS' '--describe' '-geometry +X+Y' 'at 800 x 800' '-display' 'note on standard error' \
            'close the window'; do
  grep -q -e "$text" "$out/help" || fail "--help does not mention '$text'"
done
no_display -h >"$out/short-help" 2>&1 || fail "-h exited with $?"
cmp -s "$out/help" "$out/short-help" || fail "-h does not print what --help prints"

no_display --version >"$out/version" 2>"$out/err" || fail "--version exited with $?"
[ "$(cat "$out/version")" = "quillmark $version" ] || fail "--version printed '$(cat "$out/version")'"
[ ! -s "$out/err" ] || fail "--version wrote to standard error"

# Help or words that cannot be written are a failure, not a success.
for option in --help --describe; do
  if no_display $option >/dev/full 2>/dev/null; then fail "$option into a full device exited 0"; fi
done

# An --open that cannot be used is named in one line and exits 2 before GLUT looks for a display.
# Usage: refused NOTE ARGUMENTS...
refused() {
  local note="$1" status=0
  shift
  no_display "$@" >/dev/null 2>"$out/err" || status=$?
  [ "$status" -eq 2 ] || fail "$*: the exit status was $status"
  [ "$(wc -l <"$out/err")" -eq 1 ] && grep -qF "quillmark: --open: $note" "$out/err" ||
    fail "$*: standard error: $(cat "$out/err")"
}
good='p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0&n=10&a=0.1&s=100&z=2'
# The drawing in words, and only those: a drawing whose frames warn prints no warning line.
no_display --describe --open "${good/-0.1,0.4/-0.3,0}" -geometry +0+0 >"$out/words" 2>"$out/err" || fail "--describe exited with $?"
[ ! -s "$out/err" ] && [ "$(wc -l <"$out/words")" -eq 1 ] && grep -q '^A green cubic .* no direction at t = 0.000' "$out/words" ||
  fail "--describe printed: $(cat "$out/words" "$out/err")"
refused "the half-waves must be a whole number from 1 to 12, not '13'" --describe --open "${good/n=10/n=13}"
# An empty address is usually an unset variable; an option in its place is no address either.
for args in "--open" "--open=" "--open --help" "--open -h -display :quillmark-none"; do
  # shellcheck disable=SC2086
  refused "needs an address after it, such as --open" $args
done
refused "needs an address after it" --open ''
refused "the zoom must be from 0.1 to 5, not '7'" --open "https://example.org/#${good/z=2/z=7}"
refused "the amplitude must be a plain decimal number, not 'nan'" "--open=${good/a=0.1/a=nan}"
refused "given more than once" "--open=$good" --open "$good"
refused "'localhost:8080/' is not a part of a drawing" --open localhost:8080/

# Any other argument goes to GLUT whole: it tries the named display, or the default one, and
# reports its failure; a mistyped option does not hide that.
for case in "--bogus -display :quillmark-none|failed to open display ':quillmark-none'" \
            "--open=$good -display :quillmark-none|failed to open display ':quillmark-none'" \
            "--open http://127.0.0.1:8080/ -display :quillmark-none|failed to open display ':quillmark-none'" \
            "--bogus|failed to open display ''"; do
  status=0
  # shellcheck disable=SC2086
  no_display ${case%%|*} >/dev/null 2>"$out/err" || status=$?
  [ "$status" -eq 1 ] || fail "${case%%|*}: with no display to open the exit status was $status"
  grep -qF "${case#*|}" "$out/err" || fail "${case%%|*}: GLUT did not report the display: $(cat "$out/err")"
done
echo "-h, --help, --version, --describe, --open and GLUT's own options behave"
