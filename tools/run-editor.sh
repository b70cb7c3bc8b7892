#!/usr/bin/env bash
# Builds the editor and starts it with the simulated keyboard, so it works without hardware.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/build.sh"
build="${QX_BUILD_DIR:-$root/build}"
exec "$build/src/QX61Editor_artefacts/RelWithDebInfo/qx61-editor" --simulator "$@"
