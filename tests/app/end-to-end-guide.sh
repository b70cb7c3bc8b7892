#!/usr/bin/env bash
# Ctrl+H opens the user guide as built and as installed, through a stand-in xdg-open.
source "$(dirname "$0")/e2e-support.sh"

guideName="QX61 Editor - User Guide - v1.1.pdf"
mkdir -p "$work/bin" "$work/home"
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$work/opened"
EOF
chmod +x "$work/bin/xdg-open"

build="$(dirname "$editor")"
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build="$(dirname "$build")"; done
cmake --install "$build" --prefix "$work/prefix" >/dev/null || fail "install"

# Opens the guide with Ctrl+H in a fresh run of the program; $work/opened names what was shown.
openGuide() # program
{
    rm -f "$work/opened"
    # No guide of the user's own in ~/Documents: only the one beside the program counts.
    HOME="$work/home" PATH="$work/bin:$PATH" ${editorEnv[@]+"${editorEnv[@]}"} "$1" >"$work/editor.log" 2>&1 &
    editorPid=$!
    local main
    main="$(waitForWindow "$app - Untitled 1")" || fail "no window from $1"
    for _ in 1 2 3; do
        clickAt "$main" 1100 600
        xdotool key --clearmodifiers ctrl+h
        poll 30 test -s "$work/opened" && break
    done
    kill "$editorPid" 2>/dev/null
    wait "$editorPid" 2>/dev/null
    editorPid=""
    waitForNoWindow "$app - Untitled 1" || fail "the editor did not end"
}

for program in "$editor" "$work/prefix/bin/qx61-editor"; do
    openGuide "$program"
    shown="$(head -1 "$work/opened" 2>/dev/null)"
    [ -n "$shown" ] || fail "$program opened no user guide"
    [ "$shown" -ef "$(dirname "$program")/../share/doc/qx61-editor/$guideName" ] \
        || fail "$program opened $shown, not the guide beside it"
    [ "$(head -c 5 "$shown")" = "%PDF-" ] || fail "$shown is no PDF"
done

printf '#!/bin/sh\necho "xdg-open: no method available" >&2\nexit 3\n' >"$work/bin/xdg-open"
HOME="$work/home" PATH="$work/bin:$PATH" ${editorEnv[@]+"${editorEnv[@]}"} "$editor" >"$work/editor.log" 2>&1 &
editorPid=$!
main="$(waitForWindow "$app - Untitled 1")" || fail "no window"
clickAt "$main" 1100 600
pressUntil "$main" "ctrl+h ctrl+h" waitForWindow "$app" >/dev/null || fail "no alert when no viewer shows the guide"
sleep 0.5
import -window root "$artifacts/guide-no-viewer.png"
poll 30 eval '[ -z "$(ps -o pid= --ppid "$editorPid")" ]' || fail "viewers left: $(ps -o pid=,stat=,args= --ppid "$editorPid")"
echo "passed; screenshot in $artifacts/guide-no-viewer.png"
