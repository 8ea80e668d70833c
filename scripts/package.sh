#!/usr/bin/env bash
# package.sh: builds the Debian package from a Release build in build/package and checks it with lintian.
# Install the result with: sudo apt-get install ./build/package/quillmark_*.deb
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

ensure_packages BUILD PACKAGING

build="$QUILLMARK_ROOT/build/package"
# Debian's hardening flags (stack protector, fortified libc calls, read-only relocations);
# none of them touches floating-point arithmetic.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$QUILLMARK_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/quillmark_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/quillmark_*.deb)"
lintian --fail-on error "$deb"
echo "Package: $deb"
