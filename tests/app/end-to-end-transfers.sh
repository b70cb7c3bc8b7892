#!/usr/bin/env bash
# The window answers and shows progress during a send; Ctrl+W during one asks before stopping it.
source "$(dirname "$0")/e2e-support.sh"

${editorEnv[@]+"${editorEnv[@]}"} "$editor" --simulator --midi-log="$work/midi.log" >"$work/editor.log" 2>&1 &
editorPid=$!

main="$(waitForWindow "$app - Untitled 1")" || fail "no first window"
sleep 1

strip="600x30+300+$((menuBar + 670))" # the transfer status strip, bottom centre of the content
tabs="1200x40+0+$((menuBar + 450))"
# The bar is drawn with a sheen: a quarter-full bar scores about 100, an empty strip none.
accentPixels() { convert "$1" -crop "$strip" +repage -fuzz 8% -fill black +opaque "#117FC6" -format "%[fx:mean*w*h]" info: 2>/dev/null | cut -d. -f1; }
differs() { [ "$(compare -metric AE -crop "$3" "$1" "$2" null: 2>&1 | cut -d' ' -f1)" != "0" ]; }

import -window "$main" "$work/before.png" || fail "no screenshot"

# "Send To Hardware", slot "1", "Send": a send takes 465 x 8 ms.
startSend()
{
    local dialog
    dialog="$(clickUntilWindow "$main" 130 $((mainViewTop + 67)) "Send Preset To Hardware")" || fail "no send dialog"
    for _ in 1 2 3; do          # "Send": a loaded machine can swallow the first click
        clickAt "$dialog" 87 77
        waitForNoWindow "Send Preset To Hardware" && break
    done
    waitForNoWindow "Send Preset To Hardware" || fail "send dialog stayed open"
}

startSend

clickAt "$main" 204 $((menuBar + 470))   # the "Knobs" tab
import -window "$main" "$work/during.png" || fail "no screenshot"
cp "$work/during.png" "$artifacts/transfer-during-send.png"

# The same picture shows the tab answered and the progress bar still running.
differs "$work/before.png" "$work/during.png" "$tabs" || fail "the tab click was not answered during the send"
[ "$(accentPixels "$work/during.png")" -gt 40 ] || fail "no progress bar while sending"

outCount() { grep -c " OUT " "$work/midi.log" 2>/dev/null; }
poll 100 eval '[ "$(outCount)" -ge 465 ]'
[ "$(outCount)" -eq 465 ] || fail "the send did not write 465 messages"
sleep 0.5
import -window "$main" "$work/after.png" || fail "no screenshot"
[ "$(accentPixels "$work/after.png")" -lt 40 ] || fail "the progress bar stayed after the send"

clickAt "$main" 70 $((menuBar + 470))   # back to the "Main View" tab
startSend
poll 100 eval '[ "$(outCount)" -ge $((465 + 30)) ]'
question="$(pressUntil "$main" ctrl+w waitForWindow "$app")" || fail "Ctrl+W during a send did not ask"
[ "$(outCount)" -lt 930 ] || fail "the send had ended before the question"
pressUntil "$question" Return waitForNoWindow "$app" || fail "Return left the question open"
ended || fail "still running after the send ended"
[ "$(outCount)" -eq 930 ] || fail "the kept send wrote $(($(outCount) - 465)) of 465 messages"

echo "passed; screenshot during the send in $artifacts/transfer-during-send.png"
