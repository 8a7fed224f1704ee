#!/usr/bin/env bash
# Charts a match from the keyboard in the real window, kills the program with SIGKILL, starts
# it again and takes the match back from the recovery file. Saved then, it must be byte for
# byte the file that a save just before the kill would have written: the same keys charted
# and saved in another run.
#   kill_and_recover.sh COURTLOG WORK_DIR
source "$(dirname "$0")/driving.sh"

program="$1"
work="$2"
shots="$work"
rm -rf "$work"
mkdir -p "$work"
# Starts the program with its own settings and data folders; prints the main window's id.
start() {
    export XDG_CONFIG_HOME="$work/$1/config" XDG_DATA_HOME="$work/$1/data"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
    "$program" >>"$work/courtlog.log" 2>&1 &
    pid=$!
}
main_window() {
    local main
    main=$(window '^Courtlog - Versione') || fail "no main window"
    xdotool windowfocus --sync "$main"
    echo "$main"
}
# Points of every kind: serves, aces, double faults, strokes, shots and endings.
chart() {
    xdotool key --delay 120 2 r n c j a f d f j i v g f 1 r z x j s f i l t j f f j j
}
stop() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=""
}

# What a save just before the kill writes.
start reference
main_window >/dev/null
chart
xdotool key F2
save_as "$work/reference.clg"
stop

# The same points, then the program dies.
start charted
main_window >/dev/null
chart
# The last keys may still be queued when xdotool returns: the kill waits until the recovery
# file has stayed the same for a second.
before=""
for _ in $(seq 1 20); do
    now=$(find "$work/charted/data" -name 'recovery-*.courtlog' -exec md5sum {} + 2>/dev/null)
    [ -n "$now" ] && [ "$now" = "$before" ] && break
    before="$now"
    sleep 1
done
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
pid=""
recovery=$(find "$work/charted/data" -name 'recovery-*.courtlog' | head -n 1)
[ -n "$recovery" ] || fail "no recovery file after the kill"

# The next start offers it; Enter takes it.
start charted
question=$(window '^Courtlog$') || fail "the recovered match was not offered"
xdotool windowfocus --sync "$question" key Return
gone '^Courtlog$' || fail "the question did not close"
main_window >/dev/null
xdotool key F2
save_as "$work/recovered.clg"
# The saved file shows before the save has finished (the folder is still being synced), and
# the recovery file goes only then: it is waited for, not raced against the stop.
recovery_files() { find "$work/charted/data" -name 'recovery-*.courtlog' | wc -l; }
for _ in $(seq 1 50); do
    [ "$(recovery_files)" = 0 ] && break
    sleep 0.1
done
stop
cmp "$work/reference.clg" "$work/recovered.clg" || fail "the recovered match differs"
left=$(recovery_files)
[ "$left" = 0 ] || fail "$left recovery files left after the save"
echo "the match charted before the kill came back whole"
