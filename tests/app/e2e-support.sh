# Shared by the end-to-end scripts: sourced as the first thing a script does, with the script's own
# arguments (EDITOR ARTIFACT_FOLDER). Gives the script a display of its own, a work folder, and the
# helpers below; exits 77 (skipped) where no display can be made.
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
# The editor's settings go to the work folder, never to the user's.
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$artifacts"
# Nothing the editor keeps between runs, or locks while it runs, reaches the user's own folders.
export XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
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
    [ -f "$work/editor.log" ] && grep -v "^ALSA" "$work/editor.log" | tail -${QX_E2E_LOG_LINES:-80}
    exit 1
}

# Polls the check every 0.1 s, at most that many times; true once it passes.
poll() # tries check...
{
    local tries="$1"
    shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
    return 1
}

windowId() { xdotool search --name "^$1\$" 2>/dev/null | head -1 | grep .; }
waitForWindow() { poll "${2:-100}" windowId "$1"; } # title [tries]: echoes the window's id
noWindow() { ! xdotool search --name "^$1\$" >/dev/null 2>&1; }
waitForNoWindow() { poll 50 noWindow "$1"; }

# Waits for the editor to end and checks it ended cleanly; false while it still runs.
ended()
{
    poll 100 eval '! kill -0 "$editorPid" 2>/dev/null' || return 1
    wait "$editorPid"
    local status=$?
    editorPid=""
    [ "$status" -eq 0 ] || fail "exit status $status"
}

position() { xdotool getwindowgeometry "$1" | sed -n 's/ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'; }

# True once the window has settled at x y (a new window is mapped before it is moved).
atPosition() { [ "$(position "$1")" = "$2 $3" ]; }
isAt() { poll 30 atPosition "$@"; }

clickAt() # window x y: a click at window coordinates
{
    xdotool mousemove --window "$1" "$2" "$3" sleep 0.2 click 1 sleep 0.3
}

# Clicks until the titled window appears: on a loaded machine the first click can land before
# the button has taken the pointer's position.
clickUntilWindow() # window x y title
{
    for _ in 1 2 3; do
        clickAt "$1" "$2" "$3"
        waitForWindow "$4" 50 && return 0
    done
    return 1
}

# Presses the keys until the check passes. Each try first hands the window the keyboard, as a click
# on it would: when a dialog closes, X gives the focus back to whatever lies under the pointer.
pressUntil() # window keys check...
{
    local window="$1" keys="$2"
    shift 2
    for _ in 1 2 3; do
        timeout 2 xdotool windowfocus --sync "$window" 2>/dev/null
        xdotool key --clearmodifiers $keys
        "$@" && return 0
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

