#!/usr/bin/env bash
# Redraws every built-in picture into src/resources/pictures/ from tools/artwork/make_artwork.py.
# Needs python3, rsvg-convert (librsvg2-bin), ImageMagick and the DejaVu fonts; tools/setup.sh installs them.
# Pass a folder to also keep the intermediate SVG files there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
{ command -v rsvg-convert && command -v convert; } >/dev/null || "$root/tools/setup.sh"
[[ "$(fc-list : family)" == *"DejaVu Sans"* ]] || { echo "DejaVu Sans is missing (fonts-dejavu-core)" >&2; exit 1; }
python3 "$root/tools/artwork/make_artwork.py" "$root/src/resources/pictures" "$@"
