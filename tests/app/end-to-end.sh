#!/usr/bin/env bash
# Drives the built editor with real X events: start with the simulated keyboard, read slot "3"
# through the get dialog, save, open a second window, quit. Keeps a screenshot of the main window.
# Usage: end-to-end.sh EDITOR ARTIFACT_FOLDER. Exits 77 (skipped) where no display can be made.
set -uo pipefail

editor="$1"
artifacts="$2"
skip=77

# A display of its own, so the clicks never land on someone's desktop and a running editor
# there cannot take over the launches.
if [ -z "${QX_E2E_NESTED:-}" ] && command -v xvfb-run >/dev/null; then
    QX_E2E_NESTED=1 exec xvfb-run -a -s "-screen 0 1920x1200x24" "$0" "$@"
fi
if [ -z "${DISPLAY:-}" ]; then
    echo "no display: skipped"
    exit $skip
fi

for tool in xdotool import; do
    command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit $skip; }
done

xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "display $DISPLAY unusable: skipped"; exit $skip; }

work="$(mktemp -d)"
mkdir -p "$artifacts"
editorPid=""

cleanup()
{
    [ -n "$editorPid" ] && kill "$editorPid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail()
{
    echo "FAILED: $*"
    [ -f "$work/editor.log" ] && grep -v "^ALSA" "$work/editor.log" | tail -${QX_E2E_LOG_LINES:-20}
    exit 1
}

# The id of the window with exactly that title, waiting for it to appear.
waitForWindow()
{
    local id
    for _ in $(seq 100); do
        id="$(xdotool search --name "^$1\$" 2>/dev/null | head -1)"
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

waitForNoWindow()
{
    for _ in $(seq 50); do
        xdotool search --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

position() { xdotool getwindowgeometry "$1" | sed -n 's/ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'; }

# True once the window has settled at x y (a new window is mapped before it is moved).
isAt()
{
    for _ in $(seq 30); do
        [ "$(position "$1")" = "$2 $3" ] && return 0
        sleep 0.1
    done
    return 1
}

clickAt() # window x y: a click at window coordinates
{
    xdotool mousemove --window "$1" "$2" "$3" sleep 0.2 click 1 sleep 0.3
}

# Clicks until the titled window appears: on a loaded machine the first click can land before
# the button has taken the pointer's position.
clickUntilWindow() # window x y title
{
    local id
    for _ in 1 2 3; do
        clickAt "$1" "$2" "$3"
        for _ in $(seq 50); do
            id="$(xdotool search --name "^$4\$" 2>/dev/null | head -1)"
            [ -n "$id" ] && { echo "$id"; return 0; }
            sleep 0.1
        done
    done
    return 1
}

# Under AddressSanitizer: JUCE opens the X libraries at run time and closes them at exit, after
# which LeakSanitizer no longer sees the globals that hold their allocations and reports them all.
# Loaded up front, they stay mapped, and only our own leaks are reported.
editorEnv=()
if [ -n "${ASAN_OPTIONS:-}" ]; then
    libs=""
    for lib in libX11.so.6 libXext.so.6 libXcursor.so.1 libXinerama.so.1 libXrender.so.1 libXrandr.so.2; do
        path="$(/sbin/ldconfig -p | awk -v l="$lib" '$1 == l { print $NF; exit }')"
        [ -n "$path" ] && libs="$libs${libs:+ }$path"
    done
    editorEnv=(env LD_PRELOAD="$libs")
fi

app="Kavori QX61 Editor"
menuBar=24 # the menu bar above the 1200 x 700 content
mainViewTop=$((menuBar + 490))

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

# "Get From Hardware", slot "3" (index 2), "Get".
dialog="$(clickUntilWindow "$main" 130 $((mainViewTop + 22)) "Get Preset From Hardware")" || fail "no get dialog"
windowsBefore="$(xdotool search --onlyvisible --name "" | wc -l)"
clickAt "$dialog" 200 34      # opens the slot list with "1" highlighted
for _ in $(seq 50); do
    [ "$(xdotool search --onlyvisible --name "" | wc -l)" -gt "$windowsBefore" ] && break
    sleep 0.1
done
xdotool key --delay 200 Down Down Return
for _ in $(seq 50); do       # the slot list has closed
    [ "$(xdotool search --onlyvisible --name "" | wc -l)" -le "$windowsBefore" ] && break
    sleep 0.1
done
sleep 0.3
for _ in 1 2 3; do
    clickAt "$dialog" 87 77   # "Get"
    waitForNoWindow "Get Preset From Hardware" && break
done
xdotool search --name "^Get Preset From Hardware\$" >/dev/null 2>&1 && fail "get dialog stayed open"

# Every reply in, the preset is applied; then save it.
for _ in $(seq 100); do
    [ "$(grep -c " IN " "$work/midi.log" 2>/dev/null)" -ge 465 ] && break
    sleep 0.2
done
sleep 1
clickAt "$main" 1100 600
xdotool key --clearmodifiers ctrl+s
sleep 1
name="$(dd if="$target" bs=1 skip=10 count=13 2>/dev/null)"
[ "$name" = "Sim Preset 03" ] || fail "saved preset is named '$name'"

# Ctrl+N: the next window cascades by 15 pixels.
count="$(xdotool search --name "^$app - " | wc -l)"
xdotool key --clearmodifiers ctrl+n
next="$(waitForWindow "$app - Untitled $((count + 1))")" || fail "Ctrl+N opened no window"
isAt "$next" $((15 + 15 * count)) $((60 + 15 * count)) || fail "window $((count + 1)) at $(position "$next")"

# Ctrl+Q ends the program cleanly.
xdotool key --clearmodifiers ctrl+q
for _ in $(seq 100); do kill -0 "$editorPid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$editorPid" 2>/dev/null && fail "still running after Ctrl+Q"
wait "$editorPid"
status=$?
editorPid=""
[ "$status" -eq 0 ] || fail "exit status $status"

echo "passed; screenshot in $artifacts/main-window.png"
