#!/usr/bin/env bash
# Under a real window manager, which gives and takes the focus as a desktop does: the detailed
# statistics and the key map, opened by their keys, stand beside the main window and leave it
# active; a charting key pressed while either of them is the active window records the point.
#   helpers_focus.sh COURTLOG COURTLOG_REPORT WORK_DIR
source "$(dirname "$0")/driving.sh"

program="$1"
report="$2"
shots="$3"
rm -rf "$shots"
mkdir -p "$shots"
export XDG_CONFIG_HOME="$shots/config" XDG_DATA_HOME="$shots/data"

openbox --sm-disable >"$shots/openbox.log" 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true' EXIT
# The manager is up once it names itself on the root window.
for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "openbox did not start"

"$program" >"$shots/courtlog.log" 2>&1 &
pid=$!
main=$(window '^Courtlog - Versione') || fail "no main window"
[ -n "$main" ] || fail "no main window"
xdotool windowactivate --sync "$main"

# Waits up to 5 s for the manager to have framed the window: by then it has given the focus or
# left it where it was.
framed() {
    for _ in $(seq 1 50); do
        xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '=' && break
        sleep 0.1
    done
    xprop -id "$1" _NET_FRAME_EXTENTS | grep -q '=' || fail "the window was never framed"
}
still_main() { [ "$(xdotool getactivewindow)" = "$main" ] || fail "$1 took the focus"; }
# Whether two windows' rectangles, frames left out, stand apart.
apart() {
    local a b
    a=($(xdotool getwindowgeometry --shell "$1" | cut -d= -f2 | sed -n 2,5p))
    b=($(xdotool getwindowgeometry --shell "$2" | cut -d= -f2 | sed -n 2,5p))
    [ $((a[0] + a[2])) -le "${b[0]}" ] || [ $((b[0] + b[2])) -le "${a[0]}" ] \
        || [ $((a[1] + a[3])) -le "${b[1]}" ] || [ $((b[1] + b[3])) -le "${a[1]}" ]
}

xdotool key F6
statistics=$(window '^Statistiche dettagliate$') || fail "no statistics window"
framed "$statistics"
still_main "the statistics window"
apart "$main" "$statistics" || fail "the statistics window covers the main window"

# "?" is the menu bar's last menu: Alt takes the bar, Left wraps round to it. A busy machine
# may open the menu late: Esc closes what opened, and the keys again.
keys=""
for _ in 1 2 3; do
    xdotool windowactivate --sync "$main" key --delay 150 alt Left Down t
    keys=$(timeout 5 xdotool search --sync --onlyvisible --name '^Tasti rapidi$' | head -n 1) \
        && [ -n "$keys" ] && break
    xdotool key Escape Escape
done
[ -n "$keys" ] || fail "no key map"
framed "$keys"
still_main "the key map"
apart "$main" "$keys" || fail "the key map covers the main window"
import -window root "$shots/beside.png"

# F is a point for the player on the left, from either window while it is the active one.
for helper in "$keys" "$statistics"; do
    xdotool windowactivate --sync "$helper"
    [ "$(xdotool getactivewindow)" = "$helper" ] || fail "the manager did not activate $helper"
    xdotool key f
done
xdotool windowactivate --sync "$main" key ctrl+s
save_as "$shots/helpers.clg" windowactivate
winners=$("$report" --format csv "$shots/helpers.clg" | tr -d '\r' | tail -n +2 | cut -d, -f1,9)
[ "$winners" = "1,Giocatore A
2,Giocatore A" ] || fail "the keys charted: $winners"

kill "$pid"
wait "$pid" 2>/dev/null || true
echo "OK"
