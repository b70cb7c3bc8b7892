#!/usr/bin/env bash
# Fails when a C++ file differs from the committed .clang-format (pass --fix to reformat instead).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
    clang-format -i --style=file "${files[@]}"
else
    clang-format --dry-run --Werror --style=file "${files[@]}"
fi
