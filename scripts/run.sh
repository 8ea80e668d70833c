#!/usr/bin/env bash
# run.sh: installs what building and running need, builds the program alone in Release and starts
# it (launch.sh). With no display it runs on a virtual one and saves a screenshot instead.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# The virtual display and the screenshot tool only where there is no display.
groups=(BUILD)
[ -n "${DISPLAY:-}" ] || groups+=(VIRTUAL_DISPLAY)
install_and_run program "${groups[@]}"

exec "$QUILLMARK_ROOT/scripts/launch.sh" "$QUILLMARK_ROOT/build/release/quillmark" "$@"
