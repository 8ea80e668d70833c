#!/usr/bin/env bash
# check_tiers.sh: configures the project afresh as machines with fewer tools would, and checks the
# test tiers that each gets: a tool missing leaves out exactly the tiers that need it, named in one
# message, or stops the configure step when every tier is required; with nothing but the unit
# tier's tools only unit tests remain; a sanitizer build has no browser, packaging or gallery test.
# Configuring only: the GoogleTest programs show as one placeholder each, with their labels.
# Usage: check_tiers.sh PROJECT_ROOT
set -euo pipefail
root="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

# configure NAME CMAKE_ARGUMENTS...: configures into $out/NAME, its messages in $out/NAME.txt. One
# build folder, each time with the tools looked up afresh: the compiler is found only once.
configure() {
  local name="$1"
  shift
  cmake -S "$root" -B "$out/build" -U 'QUILLMARK_*' -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON "$@" \
    >"$out/$name.txt" 2>&1
}
# count CTEST_ARGUMENTS...: the number of tests ctest lists for the last configure step.
count() {
  ctest --test-dir "$out/build" -N "$@" | sed -n 's/^Total Tests: //p'
}
# The one message's list of tiers left out.
left_out() { sed -n 's/^Tests left out, their tools missing: \([^.]*\)\..*/\1/p' "$out/$1.txt"; }

configure firefox -DQUILLMARK_FIREFOX=/nowhere/firefox-esr || fail "configuring without Firefox failed: $(cat "$out/firefox.txt")"
[ "$(grep -c 'Tests left out' "$out/firefox.txt")" -eq 1 ] || fail "not one message without Firefox: $(cat "$out/firefox.txt")"
[ "$(left_out firefox)" = firefox ] || fail "without Firefox, left out: $(left_out firefox)"
grep -q 'install: firefox-esr;' "$out/firefox.txt" || fail "the message does not name firefox-esr"
for engine in chromium:3 firefox:0 webkit:2 web:5 window:7 soak:1 gallery:1; do
  [ "$(count -L "^${engine%%:*}\$")" = "${engine#*:}" ] || fail "without Firefox, not ${engine#*:} tests labelled ${engine%%:*}"
done

configure required -DQUILLMARK_FIREFOX=/nowhere/firefox-esr -DQUILLMARK_REQUIRE_ALL_TIERS=ON && fail "configuring without Firefox, every tier required, went on"
grep -q 'CMake Error' "$out/required.txt" || fail "no error when every tier is required: $(cat "$out/required.txt")"

nowhere=()
for tool in PYTHON NODE XVFB XDOTOOL IMAGEMAGICK PNGQUANT ZOPFLIPNG LINTIAN DESKTOP_FILE_VALIDATE APPSTREAMCLI MAN FILE \
            DPKG_SHLIBDEPS CHROMIUM FIREFOX WEBKIT_DRIVER; do
  nowhere+=("-DQUILLMARK_$tool=/nowhere/tool")
done
configure bare "${nowhere[@]}" -DQUILLMARK_SITE_DIR=/nowhere || fail "configuring with no tool failed: $(cat "$out/bare.txt")"
[ "$(left_out bare)" = "page-logic, window, soak, packaging, gallery, web, chromium, firefox, webkit" ] || fail "with no tool, left out: $(left_out bare)"
[ "$(count -R '^(window|soak|packaging|gallery|web)(\.|$)')" = 0 ] || fail "with no tool, tests of other tiers remain"
# Every GoogleTest program of tests/ is a unit test; the two in tier folders are labelled once built.
[ "$(count -L '^unit$')" -ge 5 ] || fail "the GoogleTest programs of tests/ are not labelled unit"
unlabelled="$(ctest --test-dir "$out/build" -N -LE '^unit$' | sed -n 's/^ *Test *#[0-9]*: //p' | sort | tr '\n' ' ')"
[ "$unlabelled" = "controls_doc_test_NOT_BUILT web_page_answers_tests_NOT_BUILT web_projection_tests_NOT_BUILT " ] || fail "with no tool, not unit: $unlabelled"

configure sanitized -DQUILLMARK_SANITIZE=ON -DQUILLMARK_REQUIRE_ALL_TIERS=ON || fail "the sanitizer build did not configure"
[ "$(count -L 'web|packaging|gallery')" = 0 ] || fail "the sanitizer build has browser, packaging or gallery tests"
[ "$(count -L '^window$|^soak$')" = 8 ] || fail "the sanitizer build lacks window or soak tests"
echo "tiers: a missing tool leaves out its tiers in one message, or stops the configure step when all are required; the sanitizer build has the C++ tiers"
