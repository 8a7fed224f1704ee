#!/usr/bin/env bash
# Runs a command in a private X server (Xvfb, 1024x768x24) on a display the server chooses for
# itself, and waits for the server to be gone before returning the command's status. Two runs
# one after the other never meet on one display: with a display picked from the lock files, a
# server still closing could take the next one's socket away with its own. The server never
# resets (it would when its last client leaves), and it must answer a client before the command
# starts; one that does not is replaced, and what it printed is shown if the command fails.
#   in_xvfb.sh COMMAND [ARG...]
set -euo pipefail
dir="$(mktemp -d)"
server=""
stop_server() {
    [ -n "$server" ] || return 0
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
    server=""
}
answers() {
    command -v xdotool >/dev/null || return 0
    for _ in $(seq 50); do
        DISPLAY="$1" xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
for attempt in 1 2 3; do
    : >"$dir/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$dir/display" \
        2>"$dir/xvfb.log" &
    server=$!
    # The number is written once the server takes connections.
    for _ in $(seq 200); do
        [ -s "$dir/display" ] && break
        kill -0 "$server" 2>/dev/null || break
        sleep 0.05
    done
    if [ -s "$dir/display" ] && answers ":$(head -n 1 "$dir/display")"; then
        break
    fi
    echo "Xvfb (attempt $attempt) did not answer:"
    cat "$dir/xvfb.log"
    stop_server
done
if [ -z "$server" ]; then
    echo "FAIL: Xvfb did not start"
    rm -rf "$dir"
    exit 1
fi
export DISPLAY=":$(head -n 1 "$dir/display")"
status=0
"$@" || status=$?
if [ "$status" != 0 ] && [ -s "$dir/xvfb.log" ]; then
    echo "-- what the X server printed:"
    cat "$dir/xvfb.log"
fi
stop_server
rm -rf "$dir"
exit "$status"
