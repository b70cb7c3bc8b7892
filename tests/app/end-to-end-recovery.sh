#!/usr/bin/env bash
# SIGTERM just after an edit ends the editor within a second (status 143), asking nothing, with the
# edit in the recovery folder; the next start offers it, and Return opens it in place of the empty
# first window, with its old title and counting as edited (closing it asks). Then only that run's
# copy is left. Usage: end-to-end-recovery.sh EDITOR ARTIFACT_FOLDER. Exits 77 where no display can be made.
source "$(dirname "$0")/e2e-support.sh"

original="$(dirname "$0")/../../src/resources/QX61DefaultPreset.qx6"
start() { ${editorEnv[@]+"${editorEnv[@]}"} "$editor" --simulator >>"$work/editor.log" 2>&1 & editorPid=$!; }
kept() { find "$XDG_STATE_HOME/qx61-editor/recovery" -name '*.qx6' 2>/dev/null; }
terminate()
{
    kill -TERM "$editorPid"
    for _ in $(seq 12); do kill -0 "$editorPid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$editorPid" 2>/dev/null && fail "still running a second after SIGTERM"
    wait "$editorPid"
    local status=$?
    editorPid=""
    [ "$status" -eq 143 ] || fail "exit status $status after SIGTERM"
}

start
main="$(waitForWindow "$app - Untitled 1")" || fail "no first window"
sleep 1
clickAt "$main" 204 $((menuBar + 470))               # the "Knobs" tab
clickAt "$main" 190 $((mainViewTop + 15 + 83))       # Knob 1's "CC" box
xdotool type --delay 100 99
terminate
[ "$(kept | wc -l)" -eq 1 ] || fail "recovery folder holds: $(kept)"
grep -q " 143$" <<<"$(cmp -l "$original" "$(kept)")" || fail "the typed 99 (octal 143) is not in $(kept)"

start
question="$(waitForWindow "$app")" || fail "nothing offered"
import -window "$question" "$artifacts/recovery-offer.png"
pressUntil "$question" Return waitForNoWindow "$app" || fail "the offer stayed up"
sleep 1
# One window, the recovered one, marked edited.
[ "$(xdotool search --name "^$app - " | wc -l)" -eq 1 ] || fail "not one editor window"
recovered="$(waitForWindow "$app - \*Untitled 1")" || fail "the recovered window is not titled *Untitled 1"
pressUntil "$recovered" ctrl+w waitForWindow "$app" >/dev/null || fail "the recovered window closed without asking"
pressUntil "$(waitForWindow "$app")" Escape waitForNoWindow "$app" || fail "the question stayed up"
[ "$(kept | wc -l)" -eq 1 ] || fail "after recovering, the folder holds: $(kept)"
terminate
[ "$(kept | wc -l)" -eq 1 ] || fail "after the second SIGTERM, the folder holds: $(kept)"
echo "passed"
