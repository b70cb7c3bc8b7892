#!/usr/bin/env bash
# Configures and builds the project into build/ (or $QX_BUILD_DIR) with extra CMake arguments.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/setup.sh"
build="${QX_BUILD_DIR:-$root/build}"
# Paths under the parent folder are hashed relative to the build folder, so every checkout
# (and every worktree) shares the compiler cache and JUCE is compiled once per machine.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$root")}"
# Debug builds would otherwise hash the build folder too, and no two checkouts would share.
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" --parallel "${QX_JOBS:-$(nproc)}"
