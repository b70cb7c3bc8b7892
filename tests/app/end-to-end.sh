#!/usr/bin/env bash
# Reads slot 3 from the simulated keyboard through the get dialog, saves, cascades a window, quits.
source "$(dirname "$0")/e2e-support.sh"

# An instance of another test run must not take our files: each run has its own display.
${editorEnv[@]+"${editorEnv[@]}"} "$editor" --simulator --midi-log="$work/midi.log" >"$work/editor.log" 2>&1 &
editorPid=$!

main="$(waitForWindow "$app - Untitled 1")" || fail "no first window"
isAt "$main" 15 60 || fail "first window at $(position "$main")"
sleep 1
import -window "$main" "$artifacts/main-window.png" || fail "no screenshot"

# A second launch hands its file to this instance, into the active window, which takes it as its
# file; so a later Ctrl+S writes the model there without a file dialog.
target="$work/saved.qx6"
cp "$(dirname "$0")/../../src/resources/QX61DefaultPreset.qx6" "$target" || fail "no preset to start from"
clickAt "$main" 1100 600       # an empty spot: the window is now the active one
timeout 20 ${editorEnv[@]+"${editorEnv[@]}"} "$editor" --simulator "$target" >>"$work/editor.log" 2>&1 || fail "second launch did not hand over"
saved="$(waitForWindow "$app - saved")" || fail "handed-over file not opened"
[ "$saved" = "$main" ] || fail "the file went to a new window, not the active one"

visibleWindows() { xdotool search --onlyvisible --name "" | wc -l; }

# "Get From Hardware", slot "3" (index 2), "Get"; once every reply is in, save.
getSlot3AndSave()
{
    local dialog windowsBefore repliesBefore
    repliesBefore="$(grep -c " IN " "$work/midi.log" 2>/dev/null)"
    dialog="$(clickUntilWindow "$main" 130 $((mainViewTop + 22)) "Get Preset From Hardware")" || fail "no get dialog"
    windowsBefore="$(visibleWindows)"
    clickAt "$dialog" 200 34      # opens the slot list with "1" highlighted
    poll 50 eval '[ "$(visibleWindows)" -gt "$windowsBefore" ]'
    sleep 0.5
    xdotool key --delay 200 Down Down Return
    poll 50 eval '[ "$(visibleWindows)" -le "$windowsBefore" ]' # the slot list has closed
    sleep 0.3
    for _ in 1 2 3; do
        clickAt "$dialog" 87 77   # "Get"
        waitForNoWindow "Get Preset From Hardware" && break
    done
    noWindow "Get Preset From Hardware" || fail "get dialog stayed open"
    poll 200 eval '[ "$(grep -c " IN " "$work/midi.log" 2>/dev/null)" -ge $((repliesBefore + 465)) ]'
    sleep 1
    clickAt "$main" 1100 600
    xdotool key --clearmodifiers ctrl+s
    sleep 1
    dd if="$target" bs=1 skip=10 count=13 2>/dev/null
}

# A loaded machine can lose a key in the slot list, and another slot is read: choose again then.
for _ in 1 2 3; do
    name="$(getSlot3AndSave)"
    [ "$name" = "Sim Preset 03" ] && break
done
[ "$name" = "Sim Preset 03" ] || fail "saved preset is named '$name'"

# Ctrl+N: the next window cascades by 15 pixels.
count="$(xdotool search --name "^$app - " | wc -l)"
xdotool key --clearmodifiers ctrl+n
next="$(waitForWindow "$app - Untitled $((count + 1))")" || fail "Ctrl+N opened no window"
isAt "$next" $((15 + 15 * count)) $((60 + 15 * count)) || fail "window $((count + 1)) at $(position "$next")"

# Ctrl+Q ends the program cleanly.
pressUntil "$next" ctrl+q ended || fail "still running after Ctrl+Q"

echo "passed; screenshot in $artifacts/main-window.png"
