#!/usr/bin/env bash
# test.sh: installs what building and testing need, builds the program and every test in Release
# and runs them: unit, real-window, packaging and soak.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_and_run tests BUILD VIRTUAL_DISPLAY TEST PACKAGING
