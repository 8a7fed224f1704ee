# What the end-to-end scripts share, sourced at their top: the private X server they run in,
# and waiting for windows by their titles. The script sets `pid` to the program it drives and
# `shots` to the folder where a failure leaves its screenshot.
set -euo pipefail
if [ -z "${DISPLAY:-}" ] || [ "${COURTLOG_IN_XVFB:-}" != 1 ]; then
    export COURTLOG_IN_XVFB=1
    exec "$(dirname "$0")/in_xvfb.sh" "$0" "$@"
fi
unset QT_QPA_PLATFORM  # a real window
pid=""

fail() {
    echo "FAIL: $*"
    import -window root "$shots/failure.png" 2>/dev/null || true
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    exit 1
}
# Waits for a window whose title matches, up to 20 s; prints its id.
window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
# Waits up to 5 s for every window whose title matches to close.
gone() {
    for _ in $(seq 1 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}
# Names FILE in the save dialog a key has just opened and waits up to 5 s for it to be written.
# Under a window manager the dialog is given the keys through it: FOCUS windowactivate.
#   save_as FILE [FOCUS]
save_as() {
    local dialog
    dialog=$(window '^Salva con nome$') || fail "no save dialog"
    xdotool "${2:-windowfocus}" --sync "$dialog" key ctrl+a
    xdotool type --delay 10 "$1"
    xdotool key Return
    for _ in $(seq 1 50); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    fail "nothing saved to $1"
}
