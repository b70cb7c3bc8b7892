#!/usr/bin/env bash
# Builds the benchmarks and runs them side by side under a virtual display, then prints one
# table of their figures. Figures vary with the machine's load; run it on a quiet machine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QX_BUILD_DIR:-$root/build}"
QX_BUILD_DIR="$build" "$root/tools/build.sh" -DQX_BUILD_BENCHMARKS=ON >/dev/null
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

run() { xvfb-run -a -s "-screen 0 1920x1200x24" "$@"; }

run "$build/bench/qx_engine_bench" >"$out/engine.txt"
run "$build/bench/qx_editor_bench" 200 >"$out/editor.txt"
"$build/bench/qx_mapping_bench" >"$out/mapping.txt"
editorApp="$build/src/QX61Editor_artefacts/RelWithDebInfo/qx61-editor"
# The start-up and memory figures need the application with its simulated keyboard.
if timeout 10 "$editorApp" --help 2>/dev/null </dev/null | grep -q -- --simulator; then
    run python3 "$root/bench/startup_memory_benchmark.py" "$editorApp" "$build/bench/qx_bare_window" \
        >"$out/app.txt" || true
else
    echo "start-up: the application has no --simulator yet" >"$out/app.txt"
fi
# The same pacing through the running program, from its MIDI log; the engine gives the pauses.
pause() { sed -nE "s/^$1 *: .*\(pause ([0-9]+) ms\)/\1/p" "$out/engine.txt"; }
run python3 "$root/bench/transfer_benchmark.py" "$editorApp" "$(pause get)" "$(pause send)" \
    "$(sed -nE 's/^messages per preset: ([0-9]+)/\1/p' "$out/engine.txt")" \
    >"$out/transfers.txt" || true

ratio() { sed -nE "s/^$1 *: ([0-9.]+) s, floor ([0-9.]+) s, ratio ([0-9.]+), smallest gap ([0-9.]+) ms.*/\3 (\1 s, floor \2 s), gap >= \4 ms/p" "$out/engine.txt"; }
ticks() { sed -nE "s/^message thread: .* ([0-9.]+) ms during the get, ([0-9.]+) ms during the send/$1/p" "$out/engine.txt"; }
figure() { grep "^$1" "$out/editor.txt" | sed -E 's/.*median ([0-9.]+) ms.*/\1 ms/'; }

printf '%-42s | %-34s | %s\n' "Benchmark" "Figure" "Target"
printf '%-42s-|-%-34s-|-%s\n' "$(printf -- '-%.0s' {1..42})" "$(printf -- '-%.0s' {1..34})" "------"
printf '%-42s | %-34s | %s\n' "Get pacing ratio (engine, simulator)" "$(ratio get)" "<= 1.02, gap >= 3 ms"
printf '%-42s | %-34s | %s\n' "Send pacing ratio (engine, simulator)" "$(ratio send)" "<= 1.02, gap >= 8 ms"
appRatio() { sed -nE "s/^app $1 *: ([0-9.]+) s, floor ([0-9.]+) s, ratio ([0-9.]+), smallest gap ([0-9.]+) ms.*/\3 (\1 s, floor \2 s), gap >= \4 ms/p" "$out/transfers.txt"; }
printf '%-42s | %-34s | %s\n' "Get pacing ratio (program, from its log)" "$(appRatio get)" "<= 1.02, gap >= 3 ms"
printf '%-42s | %-34s | %s\n' "Send pacing ratio (program, from its log)" "$(appRatio send)" "<= 1.02, gap >= 8 ms"
printf '%-42s | %-34s | %s\n' "Message thread unavailable, during a get" "$(ticks '\1 ms')" "<= 50 ms"
printf '%-42s | %-34s | %s\n' "Message thread unavailable, during a send" "$(ticks '\2 ms')" "<= 50 ms"
printf '%-42s | %-34s | %s\n' "Editor content built, preset applied" "$(figure 'editor build')" "-"
printf '%-42s | %-34s | %s\n' "Preset applied to an open editor (median)" "$(figure 'preset apply')" "< 10 ms"
mapping() { sed -nE "s/^mapping table refresh after $1: ([0-9.]+ ms).*/\1/p" "$out/mapping.txt"; }
printf '%-42s | %-34s | %s\n' "Mapping table refreshed after one edit" "$(mapping 'one edit')" "< 10 ms"
printf '%-42s | %-34s | %s\n' "Mapping table refreshed after a preset" "$(mapping 'a whole preset')" "< 30 ms"
printf '%-42s | %-34s | %s\n' "Command line parsed, 64 KiB to 8 KiB" \
    "$(sed -nE 's/^command-line parse: 8 KiB ([0-9.]+) ms, 64 KiB ([0-9.]+) ms, ratio ([0-9.]+).*/\3 (\2 ms vs \1 ms)/p' "$out/editor.txt")" "about 8 (linear)"
printf '%-42s | %-34s | %s\n' "Start-up, ratio to a bare JUCE window" \
    "$(sed -nE 's/^start-up: editor ([0-9]+) ms, bare window ([0-9]+) ms, ratio ([0-9.]+).*/\3 (\1 ms vs \2 ms)/p' "$out/app.txt")" "<= 1.5"
printf '%-42s | %-34s | %s\n' "Resident memory, 1 / 10 editor windows" \
    "$(sed -nE 's/^memory: 1 window ([0-9.]+) MiB, 10 windows ([0-9.]+) MiB.*/\1 MiB \/ \2 MiB/p' "$out/app.txt")" "-"
printf '%-42s | %-34s | %s\n' "Resident memory per extra window" \
    "$(sed -nE 's/.*per extra window ([0-9.]+) MiB.*/\1 MiB/p' "$out/app.txt")" "<= 10 MiB"
grep -v -E '^(start-up: editor|memory: 1 window)' "$out/app.txt" >&2 || true
grep -v -E '^app (get|send)' "$out/transfers.txt" >&2 || true
