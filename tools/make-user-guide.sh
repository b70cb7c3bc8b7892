#!/usr/bin/env bash
# Makes docs/"QX61 Editor - User Guide - v1.1.pdf" from docs/user-guide/: builds the editor and
# the view snapshot tool, retakes the guide's pictures from them (on a virtual display of its own),
# then renders the HTML with WeasyPrint, installing it first when it is missing.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QX_BUILD_DIR:-$root/build}"
docs="$root/docs"
images="$docs/user-guide/images"
pdf="$docs/QX61 Editor - User Guide - v1.1.pdf"

if ! command -v weasyprint >/dev/null; then
    echo "Installing: weasyprint" >&2
    if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends weasyprint >/dev/null
fi

"$root/tools/setup.sh"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target qx_view_snapshots QX61Editor --parallel "${QX_JOBS:-$(nproc)}" >/dev/null

# Runs in the virtual display: the nine views, then a real editor window with its menu bar.
if [ -z "${QX_GUIDE_NESTED:-}" ]; then
    shots="$(mktemp -d)"
    trap 'rm -rf "$shots"' EXIT
    QX_GUIDE_NESTED="$shots" xvfb-run -a -s "-screen 0 1920x1200x24" "$0" "$@"
    mkdir -p "$images"
    # The whole content for the cover; for each section only its panel below the tabs, and of
    # the sections that fill only their left part only that.
    cp "$shots/0-main.png" "$images/window.png"
    cp "$shots/editor-window.png" "$images/editor-window.png"
    for view in 1-knobs:1200 2-switches:1200 3-pads:1200 4-roll-mode:660 5-transport:1200 6-keybed:660 \
                7-wheels:660 8-sustain:1200; do
        name="${view%:*}"
        convert "$shots/$name.png" -crop "${view#*:}x178+0+490" +repage -strip "$images/${name#*-}.png"
    done
    (cd "$docs/user-guide" && weasyprint --presentational-hints user-guide.html "$pdf")
    echo "$pdf"
    exit 0
fi

shots="$QX_GUIDE_NESTED"
"$build/tools/qx_view_snapshots" "$shots" >/dev/null 2> >(grep -v "^ALSA lib" >&2)

"$build/src/QX61Editor_artefacts/RelWithDebInfo/qx61-editor" --simulator >/dev/null 2>&1 &
editor=$!
trap 'kill $editor 2>/dev/null' EXIT
for _ in $(seq 100); do
    window="$(xdotool search --name "^Kavori QX61 Editor - Untitled 1\$" 2>/dev/null | head -1)" && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "${window:-}" ] || { echo "the editor window did not appear" >&2; exit 1; }
sleep 1.5 # the pictures are drawn once the window is shown
import -window "$window" -strip "$shots/editor-window.png"
