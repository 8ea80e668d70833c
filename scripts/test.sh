#!/usr/bin/env bash
# test.sh: installs what is missing, builds in Release and runs every test: unit and real-window.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
quillmark_setup
cd "$QUILLMARK_ROOT"
ctest --preset release -j "$(nproc)"
