#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the desktop finds the program, its
# icon and the .qx6 file type there. Usage: install-test.sh BUILD_FOLDER
set -uo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

fail() { echo "FAILED: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "install"

[ -x "$prefix/bin/qx61-editor" ] || fail "no program"
"$prefix/bin/qx61-editor" --version | grep -q "^Kavori QX61 Editor " || fail "installed program does not run"

desktop="$prefix/share/applications/qx61-editor.desktop"
mime="$prefix/share/mime/packages/qx61-editor.xml"
icon="$prefix/share/icons/hicolor/scalable/apps/qx61-editor.svg"
for f in "$desktop" "$mime" "$icon"; do [ -f "$f" ] || fail "missing $f"; done

grep -qx "Exec=qx61-editor %f" "$desktop" || fail "desktop entry does not pass the file"
grep -qx "Icon=qx61-editor" "$desktop" || fail "desktop entry names another icon"
type="$(sed -n 's/.*mime-type type="\([^"]*\)".*/\1/p' "$mime")"
grep -qx "MimeType=$type;" "$desktop" || fail "desktop entry does not open $type"
grep -q 'glob pattern="\*.qx6"' "$mime" || fail "no *.qx6 glob"

if command -v xmllint >/dev/null; then
    xmllint --noout "$mime" "$icon" || fail "malformed XML"
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop entry invalid"
fi
if command -v update-mime-database >/dev/null; then
    grep -q "$type:\*\.qx6" "$prefix/share/mime/globs2" || fail "mime database not updated"
fi
echo passed
