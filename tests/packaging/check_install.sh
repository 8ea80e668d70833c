#!/usr/bin/env bash
# check_install.sh: installs the build into a temporary DESTDIR and checks the exact file list and
# each installed file with its own validator.
# Usage: check_install.sh BUILD_DIR EXPECTED_FILE_LIST LICENSE
set -euo pipefail
build="$1" expected="$2" license="$3"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
diff -u "$expected" <(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)

share="$root/usr/share"
desktop="$(desktop-file-validate "$share/applications/org.quillmark.Quillmark.desktop" 2>&1)"
[ -z "$desktop" ] || { echo "desktop-file-validate: $desktop"; exit 1; }
appstreamcli validate --no-net --strict "$share/metainfo/org.quillmark.Quillmark.metainfo.xml"
man_warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/quillmark.1.gz" 2>&1 >/dev/null)"
[ -z "$man_warnings" ] || { echo "man: $man_warnings"; exit 1; }
zcat "$share/man/man1/quillmark.1.gz" | grep -q '^\.SH EXIT STATUS$'

# The icon is a PNG of at least 256 x 256 pixels, as its hicolor folder says.
file "$share/icons/hicolor/256x256/apps/org.quillmark.Quillmark.png" | grep -q 'PNG image data, 256 x 256,'
cmp "$license" "$share/doc/quillmark/copyright"
file "$root/usr/bin/quillmark" | grep -q 'ELF 64-bit'
echo "installed tree: $(wc -l <"$expected") files, validators passed"
