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

# On a 3840 x 2160 screen whose desktop sets Xft.dpi 192 (as Xfce and KDE do) the editor draws at
# 200 %, from the pictures rendered at that size; "Options" → "Interface Size" → "100 %" takes
# every window back to its own size at once, and the choice lasts.
if [ -n "${QX_E2E_SCALED:-}" ]; then
    hasWidth() { [ "$(geometry "$1" | cut -d' ' -f1)" = "$2" ]; }
    # How far a crop of the screenshot is from the logo area of a rendering of the product
    # picture (normalised RMSE). The picture lies at 25,50 below the 24-pixel menu bar.
    offFrom() # screenshot rendering enlargement
    {
        local s=$((2 / $3)) # the rendering's scale
        convert "$2" -crop "$((240 * s))x$((90 * s))+$((900 * s))+$((10 * s))" -resize "$(($3 * 100))%" "$work/expected.png"
        convert "$1" -crop "480x180+$((2 * (25 + 900)))+$((2 * (24 + 50 + 10)))" "$work/shown.png"
        compare -metric RMSE "$work/shown.png" "$work/expected.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
    }
    echo "Xft.dpi: 192" | xrdb -merge || fail "xrdb refused Xft.dpi"
    start
    main="$(waitForWindow "$app - Untitled 1")" || fail "no window at Xft.dpi 192"
    poll 50 hasWidth "$main" 2400 || fail "at Xft.dpi 192 the window is $(geometry "$main"), not 2400 wide"
    xdotool mousemove 3800 2100 sleep 1 # off the pictures, which light up under the pointer
    # A slow machine (or a sanitizer) may not have painted the whole window yet: look again.
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        import -window "$main" "$artifacts/scale-200.png" || fail "no screenshot at 200 %"
        sharp="$(offFrom "$artifacts/scale-200.png" "$(dirname "$0")/../../src/resources/pictures/product-picture@2x.png" 1)"
        blurred="$(offFrom "$artifacts/scale-200.png" "$(dirname "$0")/../../src/resources/pictures/product-picture.png" 2)"
        awk -v s="$sharp" 'BEGIN { exit !(s < 0.01) }' && break
        sleep 1
    done
    echo "at 200 %, off the 2x picture by $sharp, off the 1x one enlarged by $blurred"
    awk -v s="$sharp" -v b="$blurred" 'BEGIN { exit !(s < 0.01 && s * 3 < b) }' \
        || fail "the window at 200 % does not show the 2x pictures ($sharp against $blurred)"
    for _ in 1 2 3; do # a loaded machine can lose the click on the menu
        clickAt "$main" $((2 * 80)) $((2 * 12)) # "Options"
        xdotool key Down Down Right Down Return # "Interface Size" → "100 %"
        poll 30 hasWidth "$main" 1200 && break
    done
    hasWidth "$main" 1200 || fail "after choosing 100 % the window is $(geometry "$main")"
    xdotool mousemove 3800 2100 sleep 1
    import -window "$main" "$artifacts/scale-100.png" || fail "no screenshot at 100 %"
    grep -q 'name="interfaceSize" val="100"' "$XDG_CONFIG_HOME/qx61-editor/settings.xml" \
        || fail "the interface size was not written: $(cat "$XDG_CONFIG_HOME/qx61-editor/settings.xml")"
    kill "$editorPid" && wait "$editorPid" 2>/dev/null
    start
    main="$(waitForWindow "$app - Untitled 1")" || fail "no window at the next start"
    poll 50 hasWidth "$main" 1200 || fail "100 % was not kept: the next start is $(geometry "$main")"
    exit 0
fi

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
    # At 200 % this screen is 683 x 384 of the window's units: scaled down, frame and all, it fits.
    mkdir -p "$XDG_CONFIG_HOME/qx61-editor" && echo '<PROPERTIES><VALUE name="interfaceSize" val="200"/></PROPERTIES>' \
        >"$XDG_CONFIG_HOME/qx61-editor/settings.xml"
    start
    main="$(waitForWindow "$app - Untitled 1")" || fail "no window at 200 % under a window manager"
    poll 50 frameFits || fail "at 200 % under a window manager the frame ends at $frameEnd, below the screen"
    import -window root "$artifacts/scale-200-fitted.png" || fail "no screenshot of the fitted window"
    kill "$windowManager"
fi

if command -v xrdb >/dev/null; then
    # Without -noreset the server forgets the resources when xrdb, its only client, ends.
    QX_E2E_SCALED=1 xvfb-run -a -s "-screen 0 3840x2160x24 -noreset" "$0" "$editor" "$artifacts" || exit 1
fi

echo "passed; screenshots in $artifacts/desktop-*.png and $artifacts/scale-*.png"
