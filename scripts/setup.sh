#!/usr/bin/env bash
# setup.sh: installs the system packages Quillmark needs (Debian/Ubuntu) and builds it in Release.
# Sourced by run.sh and test.sh; run alone it just prepares build/release.
set -euo pipefail

QUILLMARK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# What building, running and testing need. The GLUT development package has two
# names across Debian releases; whichever the release offers is taken.
QUILLMARK_PACKAGES=(build-essential cmake libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  libgtest-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick x11-utils python3 python3-xlib
  desktop-file-utils appstream man-db lintian dpkg-dev file)

glut_package() {
  if dpkg-query -W -f='${Status}' libglut-dev 2>/dev/null | grep -q "ok installed"; then echo libglut-dev; return; fi
  if dpkg-query -W -f='${Status}' freeglut3-dev 2>/dev/null | grep -q "ok installed"; then echo freeglut3-dev; return; fi
  if apt-cache show libglut-dev >/dev/null 2>&1; then echo libglut-dev; else echo freeglut3-dev; fi
}

missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || echo "$p"
  done
}

install_packages() {
  if ! command -v apt-get >/dev/null; then
    echo "This is not a Debian-like system. Install the equivalents of:" >&2
    echo "  ${QUILLMARK_PACKAGES[*]} freeglut (development files)" >&2
    echo "then run: cmake --preset release && cmake --build --preset release" >&2
    exit 1
  fi
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then sudo="sudo"; else
      echo "Missing packages; as root, run:" >&2
      echo "  apt-get install -y $*" >&2
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
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${list[@]}" >/dev/null
}

quillmark_setup() {
  if command -v dpkg-query >/dev/null; then
    local missing
    missing="$(missing_packages "${QUILLMARK_PACKAGES[@]}" "$(glut_package)" "$@")"
    if [ -n "$missing" ]; then
      # shellcheck disable=SC2086
      install_packages $missing
    fi
  fi
  cd "$QUILLMARK_ROOT"
  cmake --preset release >/dev/null
  cmake --build --preset release -j "$(nproc)"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  quillmark_setup "$@"
fi
