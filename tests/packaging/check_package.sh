#!/usr/bin/env bash
# check_package.sh: builds the Debian package from the build tree with CPack and checks that it holds
# exactly the installed files, has its library dependencies computed and that lintian finds no error.
# Usage: check_package.sh BUILD_DIR EXPECTED_FILE_LIST
set -euo pipefail
build="$1" expected="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb="$(ls "$out"/quillmark_*.deb)"
diff -u "$expected" <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort)
# dpkg-shlibdeps found the GLUT library the program links; nobody typed it in.
dpkg-deb --field "$deb" Depends | grep -q 'libglut'
if ! lintian --fail-on error "$deb" >"$out/lintian.txt" 2>&1; then
  cat "$out/lintian.txt"
  exit 1
fi
echo "package $(basename "$deb"): file list matches the install, lintian found no error"
