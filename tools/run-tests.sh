#!/usr/bin/env bash
# Builds everything and runs every test through CTest, under a virtual display.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/build.sh" "$@"
build="${QX_BUILD_DIR:-$root/build}"
cd "$build"
xvfb-run -a -s "-screen 0 1920x1200x24" ctest --output-on-failure --timeout 600
