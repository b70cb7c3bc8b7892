#!/usr/bin/env bash
# The editor as a desktop program on a 1366 x 768 screen, driven with real X events.
if [ -z "${QX_E2E_NESTED:-}" ] && command -v xvfb-run >/dev/null; then
    QX_E2E_NESTED=1 exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$@"
fi
source "$(dirname "$0")/e2e-support.sh"

start()
{
    ${editorEnv[@]+"${editorEnv[@]}"} "$editor" --simulator --midi-log="$work/midi.log" >>"$work/editor.log" 2>&1 &
    editorPid=$!
}

geometry() { xdotool getwindowgeometry "$1" | sed -n 's/ *Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p'; }

start
main="$(waitForWindow "$app - Untitled 1")" || fail "no first window"
sleep 1
import -window "$main" "$artifacts/desktop-main-window.png" || fail "no screenshot"

# The whole window is on the small screen.
read -r x y <<<"$(position "$main")"
read -r w h <<<"$(geometry "$main")"
[ $((y + h)) -le 768 ] && [ $((x + w)) -le 1366 ] && [ "$y" -ge 0 ] || fail "window at $x,$y size ${w}x$h is off the 1366x768 screen"

# The hand-over listens on no TCP port.
if command -v ss >/dev/null; then
    ss -ltnp | grep -q "pid=$editorPid," && fail "a TCP port is open: $(ss -ltnp | grep "pid=$editorPid,")"
fi

# A second launch without a file hands over and quits; the running one keeps its one window.
timeout 20 ${editorEnv[@]+"${editorEnv[@]}"} "$editor" --simulator >>"$work/editor.log" 2>&1 || fail "second launch did not hand over"
kill -0 "$editorPid" 2>/dev/null || fail "the first instance ended"
[ "$(xdotool search --name "^$app - " | wc -l)" -eq 1 ] || fail "$(xdotool search --name "^$app - " | wc -l) editor windows"

# The get dialog: over its window and transient for it; Escape closes it without reading.
dialog="$(clickUntilWindow "$main" 130 $((mainViewTop + 22)) "Get Preset From Hardware")" || fail "no get dialog"
sleep 0.5
import -window "$dialog" "$artifacts/desktop-get-dialog.png" || fail "no dialog screenshot"
if command -v xprop >/dev/null; then
    owner="$(xprop -id "$dialog" WM_TRANSIENT_FOR | sed -n 's/.*window id # \(0x[0-9a-f]*\).*/\1/p')"
    [ -n "$owner" ] && [ $((owner)) -eq "$main" ] || fail "get dialog transient for '$owner', not its window $main"
    # Docks match a window to its desktop entry, and so to the icon, by the window's class.
    class="$(xprop -id "$main" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')"
    grep -qx "StartupWMClass=$class" "$(dirname "$0")/../../src/resources/linux/qx61-editor.desktop" \
        || fail "the desktop entry's StartupWMClass is not the window's class '$class'"
fi
pressUntil "$dialog" Escape waitForNoWindow "Get Preset From Hardware" || fail "Escape left the get dialog open"
[ "$(grep -c " OUT " "$work/midi.log" 2>/dev/null)" -eq 0 ] || fail "Escape started a get"

# About, opened again from the "Help" menu while it is behind the window, comes to the front with
# the keyboard, where Escape closes it. A loaded machine can lose a menu click, so each is tried again.
helpAbout() { clickAt "$main" 238 12; clickAt "$main" 262 38; } # "Help", "About"
hasFocus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
for _ in 1 2 3; do helpAbout; about="$(waitForWindow "About $app" 30)" && break; xdotool key Escape; done
[ -n "$about" ] || fail "no About window"
clickAt "$main" 1100 600
for _ in 1 2 3; do helpAbout; poll 30 hasFocus "$about" && break; clickAt "$main" 1100 600; done
hasFocus "$about" || fail "About, asked for again, did not come to the front with the keyboard"
xdotool key Escape
waitForNoWindow "About $app" || fail "Escape left About open"

# Ctrl+Q with the dialog in front quits.
dialog="$(clickUntilWindow "$main" 130 $((mainViewTop + 22)) "Get Preset From Hardware")" || fail "no second get dialog"
sleep 0.3
pressUntil "$dialog" ctrl+q ended || fail "still running after Ctrl+Q in the get dialog"

# Closing the last window ends the program.
start
main="$(waitForWindow "$app - Untitled 1")" || fail "no window after restart"
sleep 0.5
clickAt "$main" 1100 600
pressUntil "$main" ctrl+w ended || fail "still running after its last window closed"

# Two launches at once: one becomes the editor, the other hands over to it and ends.
for pair in $(seq 12); do
    pids=()
    for _ in 1 2; do
        ${editorEnv[@]+"${editorEnv[@]}"} "$editor" >>"$work/editor.log" 2>&1 &
        pids+=($!)
    done
    waitForWindow "$app - Untitled 1" >/dev/null || fail "pair $pair: no window"
    poll 100 eval 'alive=(); for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null && alive+=("$pid"); done; [ "${#alive[@]}" -le 1 ]'
    [ "${#alive[@]}" -eq 1 ] || fail "pair $pair: ${#alive[@]} editors running"
    [ "$(xdotool search --name "^$app - " | wc -l)" -eq 1 ] || fail "pair $pair: $(xdotool search --name "^$app - " | wc -l) editor windows"
    for pid in "${pids[@]}"; do
        [ "$pid" = "${alive[0]}" ] || wait "$pid" || fail "pair $pair: the launch that handed over ended with $?"
    done
    # Killed, the editor leaves its socket behind for the next pair to take over.
    kill -KILL "${alive[0]}"
    wait "${alive[0]}" 2>/dev/null
    waitForNoWindow "$app - Untitled 1" || fail "pair $pair: the window stayed"
done

# Under a window manager, which frames and places the window some time after it is shown, the
# whole frame ends on the screen, start after start. xdotool counts the frame into a framed
# window's position, so the place is asked of xwininfo.
if command -v openbox >/dev/null && command -v xwininfo >/dev/null; then
    wmReady() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }
    for _ in 1 2 3; do # a busy server can refuse the first connection
        openbox >"$work/openbox.log" 2>&1 &
        windowManager=$!
        poll 50 wmReady && break
    done
    wmReady || fail "openbox did not start: $(cat "$work/openbox.log")"
    frameFits()
    {
        local top height bottom
        top="$(xwininfo -id "$main" | sed -n 's/.*Absolute upper-left Y: *//p')"
        height="$(xwininfo -id "$main" | sed -n 's/^ *Height: *//p')"
        bottom="$(xprop -id "$main" _NET_FRAME_EXTENTS | sed -n 's/.*= [0-9]*, [0-9]*, [0-9]*, \([0-9]*\)$/\1/p')"
        frameEnd=$((top + height + ${bottom:-9999}))
        [ "$frameEnd" -le 768 ]
    }
    for run in $(seq 8); do
        start
        main="$(waitForWindow "$app - Untitled 1")" || fail "start $run under a window manager: no window"
        poll 50 frameFits || fail "start $run under a window manager: the frame ends at $frameEnd, below the screen"
        kill "$editorPid"
        wait "$editorPid" 2>/dev/null
        waitForNoWindow "$app - Untitled 1" || fail "start $run: the window stayed"
    done
    kill "$windowManager"
fi

echo "passed; screenshots in $artifacts/desktop-*.png"
