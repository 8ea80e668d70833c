#!/usr/bin/env bash
# test.sh: installs Debian 12's packages that building and testing need, builds the program and
# every test in Release and the web page, and runs every tier: unit, real-window, soak, packaging,
# gallery, and the page in Chromium, Firefox and WebKit. A tool missing fails it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# Elsewhere some packages are missing or are other programs (Ubuntu has no firefox-esr, and its
# chromium is a snap): said first, and the step that fails names what is missing.
release="$( (. /etc/os-release && echo "${ID:-} ${VERSION_ID:-}") 2>/dev/null || true)"
if [ "$release" != "debian 12" ]; then
  echo "test.sh installs Debian 12's packages; this system is '${release:-unknown}'. The README's" \
    "\"Tests elsewhere\" says which tiers run here and what they need." >&2
fi
install_and_run tests BUILD VIRTUAL_DISPLAY ICON TEST PACKAGING WEB BROWSER ENGINE WEB_TEST
