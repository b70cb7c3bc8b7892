#!/usr/bin/env bash
# The missing MIDI system is reported once, in the program's own words, by the editor and the tool.
source "$(dirname "$0")/e2e-support.sh"

${editorEnv[@]+"${editorEnv[@]}"} "$editor" --simulator >"$work/editor.out" 2>"$work/editor.log" &
editorPid=$!
main="$(waitForWindow "$app - Untitled 1")" || fail "no first window"
clickAt "$main" 1100 600
sleep 3.5 # three watch ticks

checkStderr() # file what
{
    grep -q "^ALSA lib" "$1" && fail "$2 printed ALSA's own errors: $(grep -m1 "^ALSA lib" "$1")"
    [ "$(grep -c "^MIDI is not available: " "$1")" -le 1 ] || fail "$2 reported the missing MIDI system more than once"
}

checkStderr "$work/editor.log" "the editor"

tool="$(dirname "$editor")/../../qx61-tool"
[ -x "$tool" ] || fail "no qx61-tool next to the editor"
"$tool" ports >"$work/ports.out" 2>"$work/ports.err" || fail "ports failed: $(cat "$work/ports.err")"
checkStderr "$work/ports.err" "qx61-tool ports"
grep -q "^inputs:" "$work/ports.out" || fail "ports listed nothing: $(cat "$work/ports.out")"
echo "passed"
