#!/usr/bin/env bash
# test.sh: installs what building and testing need, builds the program and every test in Release
# and the web page, and runs them: unit, real-window, packaging, soak, and the page in Chromium,
# Firefox and WebKit.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_and_run tests BUILD VIRTUAL_DISPLAY TEST PACKAGING WEB BROWSER ENGINE WEB_TEST
