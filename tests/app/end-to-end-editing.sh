#!/usr/bin/env bash
# Typing, paging, undo, saving and closing with edits, driven with real X events; keeps screenshots.
source "$(dirname "$0")/e2e-support.sh"

mkdir -p "$work/home"
HOME="$work/home" ${editorEnv[@]+"${editorEnv[@]}"} "$editor" --simulator >"$work/editor.log" 2>&1 &
editorPid=$!
main="$(waitForWindow "$app - Untitled 1")" || fail "no first window"
sleep 1

original="$(dirname "$0")/../../src/resources/QX61DefaultPreset.qx6"
target="$work/edited.qx6"
cp "$original" "$target" || fail "no preset to start from"
clickAt "$main" 1100 600
timeout 20 ${editorEnv[@]+"${editorEnv[@]}"} "$editor" --simulator "$target" >>"$work/editor.log" 2>&1 || fail "no hand-over"
waitForWindow "$app - edited" >/dev/null || fail "file not opened"

# "offset old new" for every preset data byte (after the 9 header bytes and the slot byte) that
# differs from the factory preset.
changes()
{
    cmp -l "$original" "$target" | while read -r at a b; do
        [ "$at" -gt 10 ] && echo "$((at - 1)) $((8#$a)) $((8#$b))"
    done
}
save() { xdotool key --clearmodifiers ctrl+s; sleep 1; }

bankTop=$((mainViewTop + 15))
ccBox() { clickAt "$main" 190 $((bankTop + 83)); }   # Knob 1's "CC" row, its box half

clickAt "$main" 204 $((menuBar + 470))                 # the "Knobs" tab
ccBox
import -window "$main" "$artifacts/editing-focused-box.png" || fail "no screenshot"
xdotool type --delay 100 99
save
read -r offset old new <<<"$(changes)"
[ "$(changes | wc -l)" -eq 1 ] && [ "$new" -eq 99 ] || fail "Ctrl+S while typing saved: $(changes | tr '\n' ';')"
waitForWindow "$app - edited" >/dev/null || fail "the saved window's title still marks edits"

# Page on with a value still being typed, then Return: the value is kept, no flag flips.
ccBox
xdotool type --delay 100 55
clickAt "$main" 1178 $((mainViewTop + 18))           # the next-bank arrow
xdotool key Return
sleep 0.5
save
[ "$(changes)" = "$offset $old 55" ] || fail "after paging and Return: $(changes | tr '\n' ';')"

# Ctrl+Z takes the last edit back (to 99), Ctrl+Y brings it again, Ctrl+Z once more.
xdotool key --clearmodifiers ctrl+z ctrl+y ctrl+z
sleep 0.5
save
[ "$(changes)" = "$offset $old 99" ] || fail "after undo: $(changes | tr '\n' ';')"

# The pads' mode boxes with their longest names, and one list open.
clickAt "$main" 468 $((menuBar + 470))               # the "Drum Pads" tab
for pad in 1 2; do
    clickAt "$main" $((40 + 300 * (pad - 1) + 150)) $((bankTop + 37))
    xdotool key --delay 150 $( [ "$pad" -eq 1 ] && echo Down Down || echo Down Down Down ) Return
done
sleep 0.5
import -window "$main" -crop 700x80+0+$((bankTop + 10)) "$artifacts/editing-mode-boxes.png" || fail "no screenshot"
clickAt "$main" 790 $((bankTop + 37))
sleep 0.5
import -window root -crop 1000x400+0+$((bankTop + 40)) "$artifacts/editing-pop-up-list.png" || fail "no screenshot"
xdotool key Escape
sleep 0.3

# A click gives the pads' toggle the focus; after paging, Return leaves it as the click set it.
save
before="$(changes)"
clickAt "$main" 477 $((mainViewTop + 6))             # the pads' "MIDI to DIN" toggle
import -window "$main" -crop 200x30+380+$((mainViewTop - 8)) "$artifacts/editing-focused-toggle.png"
clickAt "$main" 1178 $((mainViewTop + 18))           # the next-bank arrow
xdotool key Return
sleep 0.5
save
[ "$(changes)" != "$before" ] || fail "Return after paging flipped the toggle back (or the click was lost)"

# Closing the edited window asks; Cancel keeps it. A loaded machine can lose the keys that picked
# the modes above, so make sure of one edit: a value being typed counts, as Ctrl+W commits it first.
clickAt "$main" 204 $((menuBar + 470))               # back to the "Knobs" tab
ccBox
xdotool type --delay 100 42
# The list just closed may keep the key from the window on a loaded machine.
if ! pressUntil "$main" ctrl+w waitForWindow "$app" >/dev/null; then
    xdotool search --name "^$app - \*edited\$" >/dev/null || fail "the edited window closed without asking"
    fail "no question on closing an edited window"
fi
question="$(waitForWindow "$app")"
import -window "$question" "$artifacts/editing-save-question.png"
pressUntil "$question" Escape waitForNoWindow "$app" || fail "the question stayed up"
sleep 0.5
# The title marks the edit, as the question did.
xdotool search --name "^$app - \*edited\$" >/dev/null || fail "Cancel closed the window, or its title has no *"

# Opening a file over the edits asks first: Save keeps them in their file, then the file opens.
# Ctrl+Z brings back the edited preset with its own file's name, so Ctrl+S cannot overwrite the other.
cp "$original" "$work/other.qx6"
clickAt "$main" 204 $((menuBar + 470))               # the window in front takes the file
timeout 20 "$editor" --simulator "$work/other.qx6" >>"$work/editor.log" 2>&1 || fail "no second hand-over"
question="$(waitForWindow "$app")" || fail "opening over edits did not ask"
pressUntil "$question" Return waitForNoWindow "$app" || fail "the question stayed up"
waitForWindow "$app - other" >/dev/null || fail "other.qx6 not opened after Save"
grep -q " 42$" <<<"$(changes)" || fail "Save before opening: $(changes | tr '\n' ';')"
pressUntil "$main" ctrl+z waitForWindow "$app - \*edited" >/dev/null || fail "Ctrl+Z left the other file's name"

# The save chooser takes the name as typed at once; the open chooser's list takes the keys.
pressUntil "$main" ctrl+n waitForWindow "$app - Untitled 2" >/dev/null || fail "no second window"
second="$(waitForWindow "$app - Untitled 2")"
pressUntil "$second" ctrl+s waitForWindow "Select Filename to save" >/dev/null || fail "no save chooser"
sleep 0.5
xdotool type --delay 50 "gig v1.2"
xdotool key Return
waitForWindow "$app - gig v1.2" >/dev/null || fail "the typed name was not saved: $(ls "$work/home")"
[ -f "$work/home/gig v1.2.qx6" ] || fail "saved as $(ls "$work/home"), not gig v1.2.qx6"
xdotool key --clearmodifiers ctrl+o
waitForWindow "Select Filename to open" >/dev/null || fail "no open chooser"
sleep 1
xdotool key Down Return
poll 50 eval '[ "$(xdotool search --name "^$app - gig v1.2\$" | wc -l)" -eq 2 ]' || fail "Open did not list or open gig v1.2.qx6"

# Ctrl+Shift+S asks for a name also when the window has a file.
pressUntil "$second" ctrl+shift+s waitForWindow "Select Filename to save" >/dev/null || fail "Ctrl+Shift+S: no chooser"
sleep 0.5
xdotool type --delay 50 "gig v2"
xdotool key Return
waitForWindow "$app - gig v2" >/dev/null || fail "Ctrl+Shift+S did not save as gig v2: $(ls "$work/home")"

# The "Window" menu lists the windows, the one in front ticked; its first entry brings main forward.
focused() { sleep 0.5; [ "$(xdotool getwindowfocus)" = "$1" ]; }
for try in 1 2 3; do
    clickAt "$second" 170 10                         # "Window" in the menu bar
    sleep 0.5
    read -r x y <<<"$(position "$second")"
    [ "$try" -eq 1 ] && import -window root -crop 360x140+$((x + 120))+$((y + 20)) "$artifacts/editing-window-menu.png"
    clickAt "$second" 180 112                        # its first window, main
    focused "$main" && break
done
focused "$main" || fail "the Window menu did not bring the first window to the front"

# The "Mapping" window: knobs 1 to 8 numbered from CC 20 as one batch, saved, and the tool reads
# CC 20 to 27 back. Its rows start with the keybed, roll mode, six transport buttons, the two
# wheels and the sustain, so knob 1 is the twelfth.
untitled() { xdotool search --name "^$app - Untitled [0-9]+\$" 2>/dev/null | tail -1 | grep .; }
pressUntil "$main" ctrl+n poll 50 untitled >/dev/null || fail "no new window"
third="$(untitled)"
document="$(xdotool getwindowname "$third")"
document="${document#"$app - "}"
pressUntil "$third" ctrl+shift+m waitForWindow "Mapping - $document" >/dev/null || fail "no Mapping window"
mapping="$(waitForWindow "Mapping - $document")"
sleep 1
clickAt "$mapping" 50 281                           # knob 1's row
xdotool key --delay 100 $(printf 'shift+Down %.0s' {1..7})
sleep 0.5
import -window "$mapping" "$artifacts/editing-mapping-table.png" || fail "no screenshot"
numberFrom() # first: "Number in Sequence…" on the selected rows
{
    clickUntilWindow "$mapping" 605 580 "Number in Sequence" >/dev/null || fail "no Number in Sequence dialog"
    local dialog
    dialog="$(waitForWindow "Number in Sequence")"
    sleep 0.5
    clickAt "$dialog" 183 104                      # its text field
    xdotool type --delay 100 "$1"
    [ "$1" = 100 ] && import -window "$dialog" "$artifacts/editing-mapping-batch.png"
    xdotool key Return
    waitForNoWindow "Number in Sequence" || fail "the batch dialog stayed up"
    sleep 0.5
}
tool="$(dirname "$editor")"
while [ ! -x "$tool/qx61-tool" ] && [ "$tool" != / ]; do tool="$(dirname "$tool")"; done
knobCcs() { "$tool/qx61-tool" dump "$work/home/mapped.qx6" | tr -d ' \n' | grep -o '"knobs":.*' | grep -o '"CC":[0-9]*' | head -8 | cut -d: -f2 | tr '\n' ' '; }

# The default preset already numbers knobs 1-8 from 20, so they go to 100 first.
numberFrom 100
import -window "$mapping" "$artifacts/editing-mapping-numbered.png"
pressUntil "$third" ctrl+s waitForWindow "Select Filename to save" >/dev/null || fail "no save chooser for the mapped preset"
sleep 0.5
xdotool type --delay 50 "mapped"
xdotool key Return
waitForWindow "$app - mapped" >/dev/null || fail "the mapped preset was not saved"
[ "$(knobCcs)" = "100 101 102 103 104 105 106 107 " ] || fail "knobs 1-8 numbered from 100: $(knobCcs)"
numberFrom 20
pressUntil "$third" ctrl+s waitForWindow "$app - mapped" >/dev/null || fail "the mapped preset was not saved again"
[ "$(knobCcs)" = "20 21 22 23 24 25 26 27 " ] || fail "knobs 1-8 numbered from 20: $(knobCcs)"

# Pad 13, top left of the pads in the picture, shows the page holding it (pads 13-16): the first
# column's "Note" box is pad 13's. The editor goes above the Mapping window first, as a window
# manager would put it when clicked; a click a loaded machine lost is tried again.
for _ in 1 2 3; do
    xdotool windowraise "$third"
    sleep 0.3
    clickAt "$third" 54 $((menuBar + 189))
    sleep 0.5
    import -window "$third" "$artifacts/editing-picture-pad-13.png"
    clickAt "$third" 190 $((bankTop + 83))
    xdotool type --delay 100 70
    xdotool key Return
    pressUntil "$third" ctrl+s waitForWindow "$app - mapped" >/dev/null || fail "the preset was not saved after the pad edit"
    pad13="$("$tool/qx61-tool" dump "$work/home/mapped.qx6" | tr -d ' \n' | grep -o '"pads":.*' | grep -o '"Note":[0-9]*' | sed -n 13p)"
    [ "$pad13" = '"Note":70' ] && break
done
[ "$pad13" = '"Note":70' ] || fail "a click on pad 13 in the picture did not lead to its page: $pad13"

# A right-click on a title copies the control's settings; pad 14 takes pad 13's note 70. A loaded
# machine can show a menu after the click meant for it, so the pair is tried again, slower.
pad14Note() { "$tool/qx61-tool" dump "$work/home/mapped.qx6" | tr -d ' \n' | grep -o '"pads":.*' | grep -o '"Note":[0-9]*' | sed -n 14p; }
for wait in 0.5 1 2; do
    xdotool key Escape                                   # whatever a lost click left open
    xdotool windowraise "$third"                         # above the Mapping window, as a window manager would
    sleep 0.3
    xdotool mousemove --window "$third" 137 $((bankTop + 8)) sleep 0.2 click 3 sleep "$wait"
    import -window root "$artifacts/editing-copy-settings-menu.png"
    clickAt "$third" 177 $((bankTop + 31))             # "Copy Settings"
    xdotool mousemove --window "$third" 437 $((bankTop + 8)) sleep 0.2 click 3 sleep "$wait"
    clickAt "$third" 477 $((bankTop + 53))             # "Paste Settings"
    sleep 0.3
    pressUntil "$third" ctrl+s waitForWindow "$app - mapped" >/dev/null || fail "the preset was not saved after the paste"
    pad14="$(pad14Note)"
    [ "$pad14" = '"Note":70' ] && break
done
[ "$pad14" = '"Note":70' ] || fail "Paste Settings did not give pad 14 the note of pad 13: $pad14"

echo "passed; screenshots in $artifacts/editing-*.png"
