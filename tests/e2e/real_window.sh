#!/usr/bin/env bash
# Runs the real courtlog in a real X server (Xvfb) on a sample match and drives it as a user
# would: function keys, a click, the residual-points question, the File menu. Checks the
# window's title, what the keys do to the picture, and that the program ends cleanly.
#   real_window.sh COURTLOG COURTLOG_REPORT SAMPLE.clg SHOTS_DIR
source "$(dirname "$0")/driving.sh"

program="$1"
report="$2"
sample="$3"
shots="$4"
mkdir -p "$shots"
rm -f "$shots"/*.png "$shots/keys.clg"  # nothing left from an earlier run
export XDG_CONFIG_HOME="$(mktemp -d)" XDG_DATA_HOME="$(mktemp -d)"
log="$shots/courtlog.log"

# A screenshot once the screen has settled: two in a row that are the same.
shot() {
    local previous="" current
    for _ in $(seq 1 20); do
        sleep 0.2
        import -window root "$shots/$1.png"
        current=$(md5sum <"$shots/$1.png")
        [ "$current" = "$previous" ] && return 0
        previous=$current
    done
}
same() { [ "$(compare -metric AE "$shots/$1.png" "$shots/$2.png" null: 2>&1 || true)" = 0 ]; }

"$program" "$sample" >"$log" 2>&1 &
pid=$!

# The title names the file opened, and the match is as saved.
main=$(window ' - Courtlog - Versione 1\.1$') || fail "no main window"
[ -n "$main" ] || fail "no main window"
[ "$(xdotool getwindowname "$main")" = "$(basename "$sample") - Courtlog - Versione 1.1" ] \
    || fail "wrong title: $(xdotool getwindowname "$main")"
xdotool windowfocus --sync "$main"
shot end

xdotool key F7
shot back
xdotool key F8
shot forward
same end forward || fail "F7 then F8 did not come back to the same picture"
same end back && fail "F7 changed nothing on screen"
xdotool key shift+F7
shot start
same end start && fail "Shift+F7 changed nothing on screen"

# A point recorded at the start of a recorded match asks about the points after it; Enter
# answers with the default button, overwriting.
eval "$(xdotool getwindowgeometry --shell "$main")"
menubar=$((HEIGHT - 543))  # the client at 100%, heading row included
xdotool mousemove --window "$main" 89 $((menubar + 443)) click 1
question=$(window '^Attenzione: punti residui !!!$') || fail "no residual-points question"
xdotool windowfocus --sync "$question" key Return
for _ in $(seq 1 30); do
    xdotool search --onlyvisible --name '^Attenzione: punti residui' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^Attenzione: punti residui' >/dev/null 2>&1 \
    && fail "the question did not close"
shot recorded
same start recorded && fail "the click recorded nothing"

# The end-of-match question shows over the final score: the scoreboard is the same while it
# is open and after it has closed, and not the one before the last point.
board() {  # the scoreboard rows of a screenshot
    convert "$shots/$1.png" -crop "546x78+$X+$((Y + menubar + 54))" +repage "$shots/$1-board.png"
}
xdotool windowfocus --sync "$main" key shift+F8
sleep 0.3
xdotool key F7
shot before-last
xdotool mousemove --window "$main" 89 $((menubar + 443)) click 1
final=$(window '^Courtlog$') || fail "no end-of-match question"
shot question-open
xdotool windowfocus --sync "$final" key Escape
gone '^Courtlog$' || fail "the end-of-match question did not close"
shot question-closed
for s in before-last question-open question-closed; do board "$s"; done
same question-open-board question-closed-board \
    || fail "the end-of-match question showed over a stale scoreboard"
same before-last-board question-open-board && fail "the last point changed nothing on screen"

# Charting from the keyboard alone: the match cleared, three points charted by their keys,
# saved with F2 through the file dialog and read back.
xdotool windowfocus --sync "$main" key alt+g
sleep 0.5
xdotool key c
sure=$(window '^Attenzione!!!$') || fail "no question before clearing"
xdotool windowfocus --sync "$sure" key Return
gone '^Attenzione!!!$' || fail "the question before clearing did not close"
cleared=$(window '^Courtlog$') || fail "no message after clearing"
xdotool windowfocus --sync "$cleared" key Return
gone '^Courtlog$' || fail "the message after clearing did not close"
xdotool windowfocus --sync "$main" key --delay 200 2 r n c j a f F2
save_as "$shots/keys.clg"
marks=$("$report" --format csv "$shots/keys.clg" | tr -d '\r' | tail -n +2 | cut -d, -f1,5,6,9-)
[ "$marks" = "1,0,0,Nicolás Massú,Seconda palla,,Rovescio,Passante,Vincente
2,0,15,Gaël Monfils,Prima palla,Ace,,,
3,15,15,Gaël Monfils,Prima palla,,,," ] || fail "the keys charted: $marks"

# File, Esci: the program ends at once. A busy machine may open the menu late: try again.
for _ in $(seq 1 5); do
    xdotool windowfocus --sync "$main" key alt+f
    sleep 0.5
    xdotool key e
    for _ in $(seq 1 30); do
        kill -0 "$pid" 2>/dev/null || break 2
        sleep 0.1
    done
    xdotool key Escape Escape
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
wait "$pid" && status=0 || status=$?
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "the real window behaved"
