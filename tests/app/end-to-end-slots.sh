#!/usr/bin/env bash
# The preset's name typed in the main view, saved and dumped; the slot list reading the simulated
# keyboard's names, opening slot 3 and backing up every slot into a folder. Keeps screenshots of the display, main view and slot list.
source "$(dirname "$0")/e2e-support.sh"

tool="$(dirname "$editor")"
while [ ! -x "$tool/qx61-tool" ] && [ "$tool" != / ]; do tool="$(dirname "$tool")"; done
tool="$tool/qx61-tool"
[ -x "$tool" ] || fail "no qx61-tool next to $editor"

cp "$(dirname "$0")/../../src/resources/QX61DefaultPreset.qx6" "$work/named.qx6"
${editorEnv[@]+"${editorEnv[@]}"} "$editor" --simulator --midi-log="$work/midi.log" "$work/named.qx6" \
    >"$work/editor.log" 2>&1 &
editorPid=$!
main="$(waitForWindow "$app - named")" || fail "no window with the file"
sleep 1

# The "Name" box beside the four buttons: a click opens it for typing.
clickAt "$main" 70 $((menuBar + 470))           # the "Main View" tab
clickAt "$main" 440 $((mainViewTop + 14))
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 80 "Lead Split"
xdotool key Return
waitForWindow "$app - \*named" >/dev/null || fail "the rename did not mark the window edited"
import -window "$main" "$artifacts/slots-renamed-main-view.png" || fail "no screenshot"
xdotool key --clearmodifiers ctrl+s
waitForWindow "$app - named" >/dev/null || fail "Ctrl+S did not save the rename"
timeout 30 "$tool" dump "$work/named.qx6" >"$work/dump.json" || fail "dump failed"
grep -q '"Lead Split      "' "$work/dump.json" || fail "the saved name is not Lead Split: $(grep -m1 -i name "$work/dump.json")"

# "File", then "Hardware" (the seventh item, "Open Recent" holding the file) and "Keyboard Slots".
openSlots() { clickAt "$main" 20 12; xdotool key --delay 120 Down Down Down Down Down Down Down Right Down Down Down Down Return; }
for _ in 1 2 3; do openSlots; slots="$(waitForWindow "Keyboard Slots" 30)" && break; xdotool key Escape Escape; done
[ -n "$slots" ] || fail "no Keyboard Slots window"

outCount() { grep -c " OUT " "$work/midi.log" 2>/dev/null; }
before="$(outCount)"
clickAt "$slots" 58 559                       # "Read Names"
poll 100 eval '[ "$(outCount)" -ge $((before + 384)) ]' || fail "the names read sent $(($(outCount) - before)) requests"
sleep 1
[ "$(outCount)" -eq $((before + 384)) ] || fail "the names read sent $(($(outCount) - before)) requests, not 384"
import -window "$slots" "$artifacts/slots-list.png" || fail "no screenshot"

clickAt "$slots" 100 63                       # the third row
clickAt "$slots" 149 559                      # "Open": the front window was edited, so a new one
second="$(waitForWindow "$app - Untitled 2")" || fail "Open made no new window"
poll 100 eval '[ "$(outCount)" -ge $((before + 384 + 465)) ]' || fail "Open did not get the slot"
sleep 1
import -window "$second" "$artifacts/slots-opened-slot-3.png" || fail "no screenshot"

# "Back Up All…" asks for a folder, typed as a path, and writes one file per slot.
# The window Open made may lie over the slot list.
xdotool windowraise "$slots"
sleep 0.5
chooser="$(clickUntilWindow "$slots" 68 591 "Back Up All Slots")" || { import -window root "$artifacts/slots-backup-failed.png"; fail "Back Up All gave no folder chooser"; }
sleep 0.5
xdotool type --delay 50 "$work/all-slots"
import -window "$chooser" "$artifacts/slots-backup-chooser.png" || fail "no screenshot"
xdotool key Return
sleep 0.5
# Return in the name box of a folder not yet there only checks it; "Choose" takes it.
noWindow "Back Up All Slots" || clickAt "$chooser" 536 474
poll 900 eval '[ "$(ls "$work/all-slots" 2>/dev/null | grep -c "^slot-[0-9][0-9]\.qx6$")" -eq 24 ]' \
    || fail "the backup wrote $(ls "$work/all-slots" 2>/dev/null | tr '\n' ' ')"
[ "$(stat -c %s "$work/all-slots/slot-05.qx6")" -eq "$(stat -c %s "$work/named.qx6")" ] || fail "slot-05.qx6 is no preset file"
# The message saying what was written is a second window of that title.
poll 100 eval '[ "$(xdotool search --name "^Keyboard Slots\$" | wc -l)" -ge 2 ]' || fail "no message at the end of the backup"
xdotool key Return

echo "passed; screenshots in $artifacts/slots-*.png"
