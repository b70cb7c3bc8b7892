#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks what the desktop and its tools find there, then
# packs a Debian package of it for lintian. Usage: install-test.sh BUILD_FOLDER
set -uo pipefail
build="$1"
source="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
prefix="$work/usr"
trap 'rm -rf "$work"' EXIT

fail() { echo "FAILED: $*"; exit 1; }

for tool in xmllint desktop-file-validate update-mime-database appstreamcli man gio file lintian; do
    command -v "$tool" >/dev/null || fail "no $tool (tools/setup.sh installs it)"
done

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "install"
# What was installed, without the desktop caches refreshed after the install.
installed="$(cd "$prefix" && find . -type f ! -path './share/mime/*' ! -name mimeinfo.cache -o -path './share/mime/packages/*' \
    | sed 's|^\./|./usr/|' | sort)"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"

[ -x "$prefix/bin/qx61-editor" ] || fail "no program"
"$prefix/bin/qx61-editor" --version | grep -q "^Kavori QX61 Editor " || fail "installed program does not run"

desktop="$prefix/share/applications/qx61-editor.desktop"
mime="$prefix/share/mime/packages/qx61-editor.xml"
icon="$prefix/share/icons/hicolor/scalable/apps/qx61-editor.svg"
metainfo="$prefix/share/metainfo/com.kavori.qx61editor.metainfo.xml"
for f in "$desktop" "$mime" "$icon" "$metainfo"; do [ -f "$f" ] || fail "missing $f"; done

grep -qx "Exec=qx61-editor %f" "$desktop" || fail "desktop entry does not pass the file"
grep -qx "Icon=qx61-editor" "$desktop" || fail "desktop entry names another icon"
type="$(sed -n 's/.*mime-type type="\([^"]*\)".*/\1/p' "$mime")"
grep -qx "MimeType=$type;" "$desktop" || fail "desktop entry does not open $type"
grep -q 'glob pattern="\*.qx6"' "$mime" || fail "no *.qx6 glob"
xmllint --noout "$mime" "$icon" || fail "malformed XML"
desktop-file-validate "$desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || fail "AppStream data: $(cat "$work/appstream.log")"

for size in 16 22 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x$size/apps/qx61-editor.png"
    file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "no ${size}-px icon: $(file -b "$png")"
done

# The file type by name, and by the first bytes for a preset saved without the extension.
grep -q "$type:\*\.qx6" "$prefix/share/mime/globs2" || fail "mime database not updated"
cp "$source/src/resources/QX61DefaultPreset.qx6" "$work/preset"
found="$(GIO_USE_VFS=local XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS="$prefix/share" \
    gio info -a standard::content-type "$work/preset" | sed -n 's/.*content-type: //p')"
[ "$found" = "$type" ] || fail "a preset without its extension is taken for '$found'"

# The manual pages format without a warning and name every option and subcommand the programs'
# help shows.
mentionsAll()
{
    local page="$1" help="$2" text
    text="$(MANWIDTH=100 man --nh --nj -l "$page" 2>/dev/null)"
    shift 2
    for word in $(grep -oE -- '(^|[ ,])--?[a-z][a-z-]*' <<<"$help" | tr -d ' ,') "$@"; do
        grep -qw -- "$word" <<<"$text" || fail "$(basename "$page") does not mention $word"
    done
}
for page in qx61-editor qx61-tool; do
    page="$prefix/share/man/man1/$page.1.gz"
    [ -f "$page" ] || fail "missing $page"
    warnings="$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done
mentionsAll "$prefix/share/man/man1/qx61-editor.1.gz" "$("$prefix/bin/qx61-editor" --help)"
commands="$("$prefix/bin/qx61-tool" --help | sed -n '/^Subcommands:/,/^$/s/^  \([a-z]*\) .*/\1/p')"
[ -n "$commands" ] || fail "qx61-tool --help lists no subcommand"
for command in "" $commands; do
    # shellcheck disable=SC2086 # no subcommand for the tool's own help
    mentionsAll "$prefix/share/man/man1/qx61-tool.1.gz" "$("$prefix/bin/qx61-tool" $command --help)" $command
done

guide="share/doc/qx61-editor/QX61 Editor - User Guide - v1.1.pdf"
[ "$(head -c 5 "$prefix/$guide" 2>/dev/null)" = "%PDF-" ] || fail "no user guide in $prefix/$guide"
# A version without its changelog entry and release note is a release nobody described.
zcat "$prefix/share/doc/qx61-editor/changelog.gz" | head -1 | grep -q "^qx61-editor ($version) " \
    || fail "the changelog does not start with $version"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream data has no release $version"

# A sanitizer build's programs need the sanitizers' runtimes, so it makes no package worth checking.
if grep -Eq '^QX_(SANITIZE:[A-Z]+=(address|thread)|FUZZ:BOOL=ON)$' "$build/CMakeCache.txt"; then
    echo "passed (sanitizer build: package not made)"
    exit 0
fi

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 \
    || fail "cpack: $(tail -5 "$work/cpack.log")"
deb="$work/package/qx61-editor_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb"
packed="$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort)"
[ "$packed" = "$installed" ] || fail "the package holds other files than the install:
$(diff <(echo "$installed") <(echo "$packed"))"

depends="$(dpkg-deb -f "$deb" Depends)"
for library in libc6 libstdc++6 libasound2 libfreetype6 libpng16-16 libx11-6 libxrandr2; do
    sed 's/, /\n/g' <<<"$depends" | grep -q "^$library\( \|$\)" || fail "the package does not depend on $library: $depends"
done

# Lintian tells a missing hardening flag (fortify, bind-now) only as information.
if ! lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1 || grep -q "hardening-" "$work/lintian.log"; then
    fail "lintian: $(cat "$work/lintian.log")"
fi
echo passed
