#!/usr/bin/env bash
# The built qx61-tool as a script would use it, and the editor refusing a MIDI log it cannot write.
source "$(dirname "$0")/e2e-support.sh"

tool="$(dirname "$editor")"
while [ ! -x "$tool/qx61-tool" ] && [ "$tool" != / ]; do tool="$(dirname "$tool")"; done
tool="$tool/qx61-tool"
[ -x "$tool" ] || fail "no qx61-tool next to $editor"

# Runs the tool (as the given user when the first argument is "as USER"), keeping its
# streams and status in $work/out, $work/err and $status. Blocking counts as a failure.
run()
{
    local prefix=()
    [ "$1" = as ] && { prefix=(setpriv --reuid="$2" --regid="$(id -g "$2")" --clear-groups); shift 2; }
    timeout 60 "${prefix[@]}" "$tool" "$@" >"$work/out" 2>"$work/err"
    status=$?
}

expect() # STATUS TEXT-ON-STDERR DESCRIPTION
{
    [ "$status" = "$1" ] || fail "$3: exit status $status, not $1: $(cat "$work/err")"
    grep -qF -- "$2" "$work/err" || fail "$3: \"$2\" not on standard error: $(cat "$work/err")"
}

chmod 0777 "$work"
cp "$(dirname "$0")/../../src/resources/QX61DefaultPreset.qx6" "$work/preset.qx6"

run dump "$work/preset.qx6"
[ "$status" = 0 ] && python3 -m json.tool "$work/out" >/dev/null || fail "dump is not JSON alone"
cp "$work/out" "$work/preset.json"

# The printable mapping sheet, its first page kept as a picture.
run mapping "$work/preset.qx6" -o "$work/mapping.pdf"
[ "$status" = 0 ] || fail "mapping -o mapping.pdf: $(cat "$work/err")"
if command -v pdftoppm >/dev/null; then
    pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$work/mapping.pdf" "$artifacts/tool-mapping-sheet" || fail "no page"
fi

# Hostile input: refused with a reason, exit status 1, no crash and no blocking.
python3 -c "print('[' * 50000)" >"$work/deep.json"
mkfifo "$work/fifo"
{ cat "$work/preset.json"; echo x; } >"$work/trailing.json"
{ cat "$work/preset.json"; printf '\0garbage'; } >"$work/nul.json"
sed '0,/"Gate": /s//"Gate": 1, "Gate": /' "$work/preset.json" >"$work/twice.json"
while read -r input reason; do
    run build "$input" -o "$work/out.qx6"
    expect 1 "$reason" "build $input"
    [ -e "$work/out.qx6" ] && fail "build $input wrote a file"
done <<LIST
$work/deep.json nested deeper than 64 levels
/dev/zero not a regular file
$work/fifo not a regular file
$work/trailing.json expected end of input
$work/nul.json unexpected NUL byte; expected end of input
$work/twice.json is given twice in one object
$work/missing.json No such file or directory
$work is a directory
LIST

# Standard output carries only what was asked for, and a failure to write it is a failure.
for command in --version --help ports; do
    timeout 60 "$tool" $command >/dev/full 2>"$work/err"
    status=$?
    expect 1 "No space left on device" "$command > /dev/full"
done
run get --slot 3 -o "$work/three.qx6" --simulator
[ "$status" = 0 ] && [ ! -s "$work/out" ] || fail "get wrote to standard output: $(cat "$work/out")"
grep -F "MIDI is not available" "$work/err" && fail "the simulator alone reported the system's MIDI"
run get --slot 3 -o "$work/no/three.qx6" --simulator
expect 1 "No such file or directory" "get into a missing folder"

# Saving: through a link to its target, keeping the mode; refused where the user may not write;
# a file-size limit is a write failure that leaves no temporary file.
cp "$work/preset.qx6" "$work/target.qx6" && chmod 0640 "$work/target.qx6"
ln -s target.qx6 "$work/link.qx6"
run build "$work/preset.json" -o "$work/link.qx6"
[ "$status" = 0 ] && [ -L "$work/link.qx6" ] && [ "$(stat -c %a "$work/target.qx6")" = 640 ] \
    || fail "save through a link: status $status, $(ls -l "$work/link.qx6" "$work/target.qx6")"

cp "$work/preset.qx6" "$work/readonly.qx6" && chmod 0444 "$work/readonly.qx6"
chmod 0644 "$work/preset.json"
run as nobody build "$work/preset.json" -o "$work/readonly.qx6"
expect 1 "Permission denied" "save over a read-only file"

# The limit binds every file the tool writes, so its standard error goes through a pipe.
# ThreadSanitizer's own signal handling lets the file-size signal through, so not under it.
if [ -z "${TSAN_OPTIONS:-}" ]; then
    ( ulimit -f 0; exec "$tool" build "$work/preset.json" -o "$work/limited.qx6" ) 2>&1 >/dev/null | cat >"$work/err"
    status=${PIPESTATUS[0]}
    expect 1 "File too large" "save beyond the file-size limit"
    [ -z "$(find "$work" -name '.*.tmp')" ] || fail "a temporary file was left behind"
    # The MIDI log outgrows the limit long before the get is done: the get stops, saving nothing.
    ( ulimit -f 4; exec "$tool" get --slot 1 -o "$work/logged.qx6" --simulator --midi-log "$work/midi.log" ) \
        2>&1 >/dev/null | cat >"$work/err"
    status=${PIPESTATUS[0]}
    expect 1 "midi.log: File too large" "a MIDI log beyond the file-size limit"
    [ -e "$work/logged.qx6" ] && fail "the get went on without its MIDI log"
fi

# The command line: help per subcommand, usage errors, a MIDI log that cannot be written.
run restore --help
[ "$status" = 0 ] && grep -q -- "--dir" "$work/out" || fail "restore --help"
run get --slot 1 -o "$work/x.qx6" --simulator --midi-log=
expect 2 "--help" "an empty --midi-log"
run ports --midi-log "$work/preset.qx6/log.txt"
expect 1 "Not a directory" "a MIDI log under a file"

timeout 30 ${editorEnv[@]+"${editorEnv[@]}"} "$editor" --midi-log="$work/preset.qx6/log.txt" >"$work/editor.log" 2>&1
status=$?
[ "$status" = 1 ] && grep -q "Not a directory" "$work/editor.log" \
    || fail "editor with an unwritable MIDI log: status $status"
xdotool search --name "^$app - " >/dev/null 2>&1 && fail "the editor opened a window"

echo "passed"
