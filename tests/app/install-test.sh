#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the desktop finds the program, its
# icon, the .qx6 file type and the user guide there; then packs the build as a Debian package and
# checks that it holds the same files and declares its libraries. Usage: install-test.sh BUILD_FOLDER
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
guide="share/doc/qx61-editor/QX61 Editor - User Guide - v1.1.pdf"
[ "$(head -c 5 "$prefix/$guide" 2>/dev/null)" = "%PDF-" ] || fail "no user guide in $prefix/$guide"
# What was installed, without the desktop caches refreshed after the install.
installed="$(cd "$prefix" && find . -type f ! -path './share/mime/*' ! -name mimeinfo.cache -o -path './share/mime/packages/*' \
    | sed 's|^\./|./usr/|' | sort)"

# A sanitizer build's programs need the sanitizers' runtimes, so it makes no package worth checking.
if grep -Eq '^QX_(SANITIZE:[A-Z]+=(address|thread)|FUZZ:BOOL=ON)$' "$build/CMakeCache.txt"; then
    echo "passed (sanitizer build: package not made)"
    exit 0
fi

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$prefix/package" >"$prefix/cpack.log" 2>&1 \
    || fail "cpack: $(tail -5 "$prefix/cpack.log")"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
deb="$prefix/package/qx61-editor_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb"
packed="$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort)"
[ "$packed" = "$installed" ] || fail "the package holds other files than the install:
$(diff <(echo "$installed") <(echo "$packed"))"

depends="$(dpkg-deb -f "$deb" Depends)"
for library in libc6 libstdc++6 libasound2 libfreetype6 libpng16-16 libx11-6 libxrandr2; do
    sed 's/, /\n/g' <<<"$depends" | grep -q "^$library\( \|$\)" || fail "the package does not depend on $library: $depends"
done
echo passed
