#!/usr/bin/env bash
# Runs a command in a private X server (Xvfb, 1024x768x24) on a display the server chooses for
# itself, and waits for the server to be gone before returning the command's status. Two runs
# one after the other never meet on one display: with a display picked from the lock files, a
# server still closing could take the next one's socket away with its own.
#   in_xvfb.sh COMMAND [ARG...]
set -euo pipefail
dir="$(mktemp -d)"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
server=$!
# The number is written once the server takes connections.
for _ in $(seq 200); do
    [ -s "$dir/display" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.05
done
if [ ! -s "$dir/display" ]; then
    echo "FAIL: Xvfb did not start:"
    cat "$dir/xvfb.log"
    kill "$server" 2>/dev/null || true
    rm -rf "$dir"
    exit 1
fi
export DISPLAY=":$(head -n 1 "$dir/display")"
status=0
"$@" || status=$?
kill "$server" 2>/dev/null || true
wait "$server" 2>/dev/null || true
rm -rf "$dir"
exit "$status"
