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
