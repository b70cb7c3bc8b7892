#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-asan/ (or $QX_FUZZ_BUILD_DIR), the build the
# AddressSanitizer suite runs from, and runs each for QX_FUZZ_SECONDS (default 30) from its seed
# corpus in fuzz/corpus/. Inputs that crash are written to the build folder; any crash or
# sanitizer report fails the run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/setup.sh"
build="${QX_FUZZ_BUILD_DIR:-$root/build-asan}"
seconds="${QX_FUZZ_SECONDS:-30}"
targets=(preset_file_fuzzer get_reply_fuzzer preset_json_fuzzer)

export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$root")}"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQX_FUZZ=ON \
    -DQX_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --parallel "${QX_JOBS:-$(nproc)}" --target "${targets[@]}"

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
failed=()
for target in "${targets[@]}"; do
    # New inputs go to a scratch corpus, so the committed seeds stay small.
    work="$build/corpus/$target"
    mkdir -p "$work" "$build/crashes"
    echo "== $target: ${seconds} s =="
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$build/crashes/$target-" -print_final_stats=1 \
            "$work" "$root/fuzz/corpus/$target" >"$build/$target.log" 2>&1; then
        tail -n 60 "$build/$target.log" >&2
        failed+=("$target")
    else
        grep -E '^(stat::number_of_executed_units|#[0-9]+.*DONE)' "$build/$target.log" || true
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Fuzz targets that failed: ${failed[*]} (inputs in $build/crashes)" >&2
    exit 1
fi
