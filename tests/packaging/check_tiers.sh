#!/usr/bin/env bash
# check_tiers.sh: configures the project afresh as machines with more or fewer tools would, and checks
# the test tiers that each gets, as relations that hold whatever tests are added: with every tool,
# every tier has tests, each tests/web/*.test.mjs is run by a web test and each window test method has
# a test of its own; a tool missing leaves out exactly the tiers that need it, named in one message
# (without Firefox: every test but those labelled firefox), or stops the configure step when every
# tier is required; with nothing but the unit tier's tools only unit tests remain; a sanitizer build
# has no browser, packaging or gallery test, and the same window and soak tests.
# Configuring only: the GoogleTest programs show as one placeholder each.
# Usage: check_tiers.sh PROJECT_ROOT
set -euo pipefail
root="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

# configure NAME CMAKE_ARGUMENTS...: configures into $out/build, its messages in $out/NAME.txt and
# the names of its tests, sorted, in $out/NAME.tests. One build folder, each time with the tools
# looked up afresh: the compiler is found only once.
configure() {
  local name="$1"
  shift
  cmake -S "$root" -B "$out/build" -U 'QUILLMARK_*' -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON "$@" \
    >"$out/$name.txt" 2>&1 || return 1
  names >"$out/$name.tests"
}
# names CTEST_ARGUMENTS...: the names of the tests ctest lists for the last configure step, sorted.
names() { ctest --test-dir "$out/build" -N "$@" | sed -n 's/^ *Test *#[0-9]*: //p' | sort; }
# The one message's list of tiers left out.
left_out() { sed -n 's/^Tests left out, their tools missing: \([^.]*\)\..*/\1/p' "$out/$1.txt"; }

configure all || fail "configuring with every tool failed: $(cat "$out/all.txt")"
! grep -q 'Tests left out' "$out/all.txt" || fail "this machine lacks a tool: $(cat "$out/all.txt")"
for tier in unit window soak packaging gallery web chromium firefox webkit; do
  [ -n "$(names -L "^$tier\$")" ] || fail "with every tool, no test labelled $tier"
done
# Found, not listed: each browser test file is run by a web test, each window test method has one.
commands="$(ctest --test-dir "$out/build" -N -V -L '^web$' | grep 'Test command:')"
for file in "$root"/tests/web/*.test.mjs; do
  grep -q " \"$(basename "$file")\"\$" <<<"$commands" || fail "no web test runs $(basename "$file")"
done
methods="$(sed -n 's/^    def \(test_[A-Za-z0-9_]*\)(self.*/\1/p' "$root"/tests/window/*_test.py | sort)"
[ -n "$methods" ] || fail "no window test method found in tests/window"
[ "$(names -L '^window$' | sed 's/.*\.//' | sort)" = "$methods" ] ||
  fail "the window tests are not one per test method: $(names -L '^window$' | tr '\n' ' ')"

configure firefox -DQUILLMARK_FIREFOX=/nowhere/firefox-esr || fail "configuring without Firefox failed: $(cat "$out/firefox.txt")"
[ "$(grep -c 'Tests left out' "$out/firefox.txt")" -eq 1 ] || fail "not one message without Firefox: $(cat "$out/firefox.txt")"
[ "$(left_out firefox)" = firefox ] || fail "without Firefox, left out: $(left_out firefox)"
grep -q 'install: firefox-esr;' "$out/firefox.txt" || fail "the message does not name firefox-esr"
[ -z "$(names -L '^firefox$')" ] || fail "without Firefox, tests labelled firefox remain: $(names -L '^firefox$' | tr '\n' ' ')"
# This check itself runs only where every tier does.
configure all >/dev/null && names -LE '^firefox$' | grep -vx 'packaging\.tiers' >"$out/all-but-firefox.tests"
cmp -s "$out/firefox.tests" "$out/all-but-firefox.tests" ||
  fail "without Firefox, not every test but those labelled firefox: $(diff "$out/all-but-firefox.tests" "$out/firefox.tests")"

configure required -DQUILLMARK_FIREFOX=/nowhere/firefox-esr -DQUILLMARK_REQUIRE_ALL_TIERS=ON && fail "configuring without Firefox, every tier required, went on"
grep -q 'CMake Error' "$out/required.txt" || fail "no error when every tier is required: $(cat "$out/required.txt")"

nowhere=()
for tool in PYTHON NODE XVFB XDOTOOL IMAGEMAGICK PNGQUANT ZOPFLIPNG LINTIAN DESKTOP_FILE_VALIDATE APPSTREAMCLI MAN FILE \
            DPKG_SHLIBDEPS CHROMIUM FIREFOX WEBKIT_DRIVER MINIBROWSER; do
  nowhere+=("-DQUILLMARK_$tool=/nowhere/tool")
done
configure bare "${nowhere[@]}" -DQUILLMARK_SITE_DIR=/nowhere || fail "configuring with no tool failed: $(cat "$out/bare.txt")"
[ "$(left_out bare)" = "page-logic, window, soak, packaging, gallery, web, chromium, firefox, webkit" ] || fail "with no tool, left out: $(left_out bare)"
[ -n "$(names -L '^unit$')" ] || fail "with no tool, no unit test"
# Every test but a GoogleTest program's placeholder (labelled once the program is built) is a unit test.
other="$(names -LE '^unit$' | grep -v '_NOT_BUILT$' || true)"
[ -z "$other" ] || fail "with no tool, tests not labelled unit: $(tr '\n' ' ' <<<"$other")"

configure sanitized -DQUILLMARK_SANITIZE=ON -DQUILLMARK_REQUIRE_ALL_TIERS=ON || fail "the sanitizer build did not configure"
[ -z "$(names -L 'web|chromium|firefox|webkit|packaging|gallery')" ] || fail "the sanitizer build has browser, packaging or gallery tests"
names -L '^window$|^soak$' >"$out/sanitized-window.tests"
configure all >/dev/null && names -L '^window$|^soak$' >"$out/all-window.tests"
cmp -s "$out/sanitized-window.tests" "$out/all-window.tests" ||
  fail "the sanitizer build's window and soak tests are not the Release build's: $(diff "$out/all-window.tests" "$out/sanitized-window.tests")"
echo "tiers: with every tool every tier has tests, found from their files; a missing tool leaves out its tiers in one" \
  "message, or stops the configure step when all are required; the sanitizer build has the C++ tiers"
