#!/usr/bin/env bash
# Runs the real courtlog on the accessibility bus of a private session in Xvfb and lets an
# assistive client chart and save a few points; then reads the saved file back.
#   assistive_client.sh COURTLOG COURTLOG_REPORT WORK_DIR [it|en]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ "${COURTLOG_IN_SESSION:-}" != 1 ]; then
    export COURTLOG_IN_SESSION=1
    exec "$(dirname "$0")/in_xvfb.sh" dbus-run-session -- "$0" "$@"
fi

program="$1"
report="$2"
work="$3"
language="${4:-it}"
rm -rf "$work"
mkdir -p "$work"
unset QT_QPA_PLATFORM  # a real window this time
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The bus the accessibility clients talk over, up before the program looks for it: asking the
# session bus for its address starts it and answers once it is there.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null
"$program" --lang "$language" >"$work/courtlog.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

if ! /usr/bin/python3 "$here/assistive_client.py" "$work/saved.clg" "$language"; then
    # What the program said, and how it ended if it did, so that a failure can be read.
    if ! kill -0 "$pid" 2>/dev/null; then
        status=0
        wait "$pid" || status=$?
        echo "the program ended by itself with status $status"
    fi
    echo "-- what the program printed:"
    cat "$work/courtlog.log"
    exit 1
fi
# The name nobody gave is saved as the window showed it.
second="Giocatore B"
[ "$language" = en ] && second="Player B"

# The file holds what the client chose.
csv="$("$report" --format csv "$work/saved.clg")"
expected='Punto,Set,Game A,Game B,Punti A,Punti B,Tie-break,Al servizio,Vince,Servizio,Esito del servizio,Diritto/Rovescio,Colpo,Errore/Vincente
1,1,0,0,0,0,,Jasmine Paolini,'"$second"',Seconda palla,,Rovescio,Passante,Vincente
2,1,0,0,0,15,,Jasmine Paolini,Jasmine Paolini,Prima palla,Ace,,,
3,1,0,0,15,15,,Jasmine Paolini,Jasmine Paolini,Prima palla,,,,'
if [ "$(printf '%s' "$csv" | tr -d '\r')" != "$expected" ]; then
    echo "FAIL: the saved match is not what the client charted:"
    printf '%s\n' "$csv"
    exit 1
fi
# With the rule the client chose from the menus.
if ! "$report" --format json "$work/saved.clg" | tr -d ' \n' | grep -q '"tieBreakWhen":\[false,false,true\]'; then
    echo "FAIL: the saved match does not have a tie-break in every set"
    exit 1
fi
echo "the saved match is what the client charted"
