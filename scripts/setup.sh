#!/usr/bin/env bash
# setup.sh: the system packages Quillmark needs (Debian 12's names; the build's are Ubuntu's too),
# grouped by purpose, and the steps that build the program alone (run.sh) or with its tests and run
# them (test.sh). Sourced by the scripts; run alone it installs what building and running need and
# builds the program.
set -euo pipefail

QUILLMARK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# The browser tests drive Debian's Chromium: Playwright must not download a browser of its own.
export PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1

# Each group: one package a line, its Debian name first, then what it is for. A script installs
# only the groups it uses, e.g. `ensure_packages BUILD VIRTUAL_DISPLAY`.

# Building and running the program.
BUILD_PACKAGES=(
  "build-essential     the C++ compiler and make"
  "cmake               the build system"
  "libgl-dev           OpenGL headers and library"
  "libglu1-mesa-dev    GLU headers and library (window and drawing coordinates)"
  "libglut-dev         freeglut headers and library, the window and its events (freeglut3-dev before Debian 12)"
  "libx11-dev          Xlib headers, to give the window its class and icon"
  "libgl1-mesa-dri     Mesa's drivers, which draw the frames"
)

# A virtual display and a screenshot of it, for machines without a display.
VIRTUAL_DISPLAY_PACKAGES=(
  "xvfb                the virtual X display"
  "xauth               display authorisation for xvfb-run"
  "x11-utils           xwininfo and xprop, to find the window and read its properties"
  "imagemagick         import, which takes the screenshot, and convert"
)

# The icons, drawn from the start-up frame and made small (make-icons.sh).
ICON_PACKAGES=(
  "imagemagick         convert, which draws each icon, and compare, which checks its palette"
  "pngquant            reduces an icon to a palette"
  "zopfli              zopflipng, the smallest lossless encoding of each icon"
)

# The unit and real-window tests.
TEST_PACKAGES=(
  "libgtest-dev        GoogleTest, the unit tests' framework"
  "xdotool             real key presses and mouse drags for the window tests"
  "python3             runs the window tests and the soak"
  "python3-xlib        the soak's input events (XTEST)"
)

# The installed files and the Debian package, built and checked.
PACKAGING_PACKAGES=(
  "desktop-file-utils  checks the desktop menu entry"
  "appstream           checks the AppStream metadata"
  "man-db              checks the manual page"
  "lintian             checks the Debian package"
  "dpkg-dev            the package's library dependencies and hardening flags"
  "file                checks the types of the installed files"
)

# The web page: built to WebAssembly (web.sh, test.sh) and served on 127.0.0.1 (web.sh).
WEB_PACKAGES=(
  "cmake               the build system"
  "make                runs the build that CMake writes"
  "emscripten          the C++ to WebAssembly compiler, with Node.js"
  "python3             serves the page (web.sh)"
)

# A real browser: the page's tests, and its screenshot where there is no display.
BROWSER_PACKAGES=(
  "chromium            the browser the page is tested in and photographed with"
  "fonts-dejavu-core   the page's text in screenshots"
)

# The page's smoke list in Firefox and WebKit, each in a real window on a virtual display.
ENGINE_PACKAGES=(
  "firefox-esr         Firefox, driven over WebDriver BiDi by puppeteer-core from npm"
  "webkit2gtk-driver   WebKitWebDriver, which drives WebKitGTK's MiniBrowser"
)

# The page's browser tests drive Chromium with Playwright, which npm installs into tests/web.
WEB_TEST_PACKAGES=(
  "npm                 installs Playwright (not needed where Node.js brought npm along)"
)

# The benchmarks (scripts/bench.sh).
BENCH_PACKAGES=(
  "libbenchmark-dev    Google Benchmark"
)

# The fuzzers (scripts/fuzz.sh).
FUZZ_PACKAGES=(
  "clang-14            the compiler libFuzzer comes with"
  "libclang-rt-14-dev  libFuzzer and the sanitizer runtimes"
)

# The lines of the groups named, e.g. `group_entries BUILD TEST`.
group_entries() {
  local group
  for group in "$@"; do
    local entries="${group}_PACKAGES[@]"
    printf '%s\n' "${!entries}"
  done
}

# The GLUT development package has two names across Debian releases; whichever the release
# offers is taken.
glut_package() {
  if package_installed libglut-dev; then echo libglut-dev; return; fi
  if package_installed freeglut3-dev; then echo freeglut3-dev; return; fi
  if apt-cache show libglut-dev >/dev/null 2>&1; then echo libglut-dev; else echo freeglut3-dev; fi
}

package_installed() {
  command -v dpkg-query >/dev/null && dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"
}

# The steps, one command a line, run from the top folder: build the program alone (program), the
# web page alone (page), or both with every test and run them (tests).
steps() {
  case "$1" in
    program)
      echo "cmake --preset release -DBUILD_TESTING=OFF"
      echo "cmake --build --preset release -j $(nproc) --target quillmark" ;;
    page)
      echo "cmake --preset web"
      echo "cmake --build --preset web -j $(nproc)" ;;
    tests)
      echo "cmake --preset web"
      echo "cmake --build --preset web -j $(nproc)"
      echo "npm ci --prefix tests/web --no-audit --no-fund"
      # Every tier: a tool still missing stops the configure step instead of leaving its tests out.
      echo "cmake --preset release -DQUILLMARK_REQUIRE_ALL_TIERS=ON"
      echo "cmake --build --preset release -j $(nproc)"
      echo "ctest --preset release -j $(nproc)" ;;
  esac
}

run_steps() {
  local step
  cd "$QUILLMARK_ROOT"
  while read -r step; do
    # Configuring is quiet; building and testing show their progress.
    case "$step" in
      "cmake --preset"*) $step </dev/null >/dev/null ;;
      *) $step </dev/null ;;
    esac
  done < <(steps "$1")
}

# For whoever sets the machine up by hand, after the package list: the steps that follow.
show_steps() {
  echo "then, in $QUILLMARK_ROOT:"
  steps "$1" | sed 's/^/  /'
  echo "Trying them now anyway: the packages may be installed under other names."
}

install_packages() {
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then sudo="sudo"; else
      echo "Missing packages; as root, run:" >&2
      echo "  apt-get install -y --no-install-recommends $*" >&2
      exit 1
    fi
  fi
  echo "Installing: $*"
  $sudo apt-get update -qq
  # apt-cache answers reliably only after an update, so the GLUT name is chosen again here.
  local p list=()
  for p in "$@"; do
    case "$p" in
      freeglut3-dev|libglut-dev) list+=("$(glut_package)") ;;
      *) list+=("$p") ;;
    esac
  done
  # Every package needed is named in a group; what packages merely recommend is left out.
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${list[@]}" >/dev/null
}

has_apt() {
  command -v apt-get >/dev/null
}

# Installs what the groups need and is missing. Without apt-get it lists the groups' packages
# for installing by hand; the caller then shows what follows (show_steps) and goes on.
ensure_packages() {
  if ! has_apt; then
    echo "No apt-get on this system: install these packages (Debian names; other systems name them differently):"
    group_entries "$@" | sed 's/^/  /'
    return 0
  fi
  local entry name missing=()
  while read -r entry; do
    name="${entry%% *}"
    [ "$name" = libglut-dev ] && name="$(glut_package)"
    # Node.js from elsewhere (NodeSource, nvm) brings its own npm, which Debian's would clash with.
    [ "$name" = npm ] && command -v npm >/dev/null && continue
    package_installed "$name" || missing+=("$name")
  done < <(group_entries "$@")
  [ ${#missing[@]} -eq 0 ] || install_packages "${missing[@]}"
}

# Playwright, which drives Chromium for the browser tests and the page's screenshots, into tests/web
# as its lock file pins it.
install_playwright() {
  npm ci --prefix "$QUILLMARK_ROOT/tests/web" --no-audit --no-fund --loglevel=error >/dev/null
}

# Installs the groups' packages, or without apt-get lists them with the steps after them, then
# runs the steps (program or tests). Usage: install_and_run STEPS GROUP...
install_and_run() {
  local kind="$1"
  shift
  ensure_packages "$@"
  has_apt || show_steps "$kind"
  run_steps "$kind"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  install_and_run program BUILD
fi
