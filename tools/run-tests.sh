#!/usr/bin/env bash
# Builds everything and runs every test through CTest, under a virtual display.
#
# With --all (as CI runs it), the suite then runs again under AddressSanitizer with
# UndefinedBehaviorSanitizer and under ThreadSanitizer, and each fuzz target runs for a short
# while. Any sanitizer report fails the run. Other arguments go to CMake for the first build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

all=false
args=()
for arg in "$@"; do
    if [ "$arg" = --all ]; then all=true; else args+=("$arg"); fi
done

jobs="${QX_JOBS:-$(nproc)}"
export QX_JOBS="$jobs"

run_suite()
{
    local build="$1"
    shift
    QX_BUILD_DIR="$build" "$root/tools/build.sh" "$@"
    (cd "$build" && xvfb-run -a -s "-screen 0 1920x1200x24" ctest --output-on-failure --timeout 600)
}

if [ "$all" = true ]; then
    # CI: the committed format, and our own code free of warnings.
    "$root/tools/setup.sh"
    "$root/tools/check-format.sh"
    args+=(-DQX_WARNINGS_AS_ERRORS=ON)
fi

run_suite "${QX_BUILD_DIR:-$root/build}" ${args[@]+"${args[@]}"}

if [ "$all" != true ]; then
    exit 0
fi

failed=()
supp="$root/tools/sanitizers"

# One clang build serves the AddressSanitizer run and the fuzz targets, saving a JUCE build.
echo "== AddressSanitizer + UndefinedBehaviorSanitizer =="
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:exitcode=23:detect_leaks=1:strict_init_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:exitcode=24"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
CC=clang CXX=clang++ run_suite "$root/build-asan" -DQX_FUZZ=ON -DQX_BUILD_BENCHMARKS=OFF || failed+=(asan)
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

echo "== ThreadSanitizer =="
export TSAN_OPTIONS="halt_on_error=1:exitcode=66:second_deadlock_stack=1:suppressions=$supp/tsan.supp"
run_suite "$root/build-tsan" -DQX_SANITIZE=thread -DQX_BUILD_BENCHMARKS=OFF || failed+=(tsan)
unset TSAN_OPTIONS

echo "== Fuzzing =="
QX_FUZZ_BUILD_DIR="$root/build-asan" "$root/tools/run-fuzzers.sh" || failed+=(fuzz)

if [ ${#failed[@]} -ne 0 ]; then
    echo "Failed: ${failed[*]}" >&2
    exit 1
fi
echo "All sanitizer and fuzz runs passed."
