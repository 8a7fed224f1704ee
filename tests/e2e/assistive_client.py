#!/usr/bin/python3
"""Charts a few points in the running courtlog as an assistive client would, over the
accessibility bus: controls found by role and name, options chosen with their Toggle action,
buttons pressed with Press, a player renamed from the keyboard, a round typed into its list, the
match saved with F2 through the real file dialog, all by the names of the window's language.
Usage: assistive_client.py SAVED.clg [it|en]"""
import subprocess
import sys
import time

import pyatspi

PAUSE = 0.3  # Qt animates a press: let each action finish

# What the client looks for, by the language the window speaks.
WORDS = {
    "it": {
        "title": "^Courtlog - Versione", "Giocatore A": "Giocatore A", "Cambio nome": "Cambio nome",
        "Punto a %s": "Punto a %s", "Punto": "Punto", "Turno": "Turno", "s": "Semifinale",
        "Seconda palla": "Seconda palla", "Servizio": "Servizio", "Rovescio": "Rovescio",
        "Diritto / Rovescio": "Diritto / Rovescio", "Passante": "Passante", "Colpo": "Colpo",
        "Vincente": "Vincente", "Errore / Vincente": "Errore / Vincente",
        "Giocatore B": "Giocatore B", "Prima palla": "Prima palla", "Ace": "Ace",
        "Punteggio %s": "Punteggio Giocatore %s", "Ace %s": "Ace Giocatore %s",
        "tb7": "Tie-break a 7 sul 6 pari", "Tutti i set": "Tutti i set",
        "Primo al servizio %s": "Primo al servizio Giocatore %s",
    },
    "en": {
        "title": "^Courtlog - Version", "Giocatore A": "Player A", "Cambio nome": "Rename",
        "Punto a %s": "Point to %s", "Punto": "Point", "Turno": "Round", "s": "Second round",
        "Seconda palla": "Second serve", "Servizio": "Serve", "Rovescio": "Backhand",
        "Diritto / Rovescio": "Forehand / Backhand", "Passante": "Passing", "Colpo": "Shot",
        "Vincente": "Winner", "Errore / Vincente": "Error / Winner",
        "Giocatore B": "Player B", "Prima palla": "First serve", "Ace": "Ace",
        "Punteggio %s": "Score Player %s", "Ace %s": "Ace Player %s",
        "tb7": "Tie-break to 7 at 6-all", "Tutti i set": "Every set",
        "Primo al servizio %s": "First server Player %s",
    },
}
W = WORDS["it"]


def fail(why):
    print("FAIL: " + why)
    sys.exit(1)


def app():
    for _ in range(100):
        for a in pyatspi.Registry.getDesktop(0):
            if a is not None and a.name == "Courtlog":
                return a
        time.sleep(0.2)
    fail("the program is not on the accessibility bus")


def find(root, role, name, inside=None):
    """The first control of that role and name, under the panel named `inside` if given."""
    def walk(node, within):
        if node is None:
            return None
        here = within or (node.getRoleName() == "panel" and node.name == inside)
        if node.getRoleName() == role and node.name == name and (inside is None or within):
            return node
        for child in node:
            hit = walk(child, here)
            if hit is not None:
                return hit
        return None
    hit = walk(root, False)
    if hit is None:
        fail("no %s named %r%s" % (role, name, " in " + inside if inside else ""))
    return hit


def act(control, action):
    actions = control.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == action:
            actions.doAction(i)
            time.sleep(PAUSE)
            return
    fail("%r has no %s action" % (control.name, action))


def value(root, name):
    return find(root, "label", name).queryText().getText(0, -1)


def keys(*args):
    subprocess.run(["xdotool", *args], check=True)
    time.sleep(PAUSE)


def expect(what, got, wanted):
    if got != wanted:
        fail("%s: %r, expected %r" % (what, got, wanted))


def main():
    saved = sys.argv[1]
    global W
    W = WORDS[sys.argv[2] if len(sys.argv) > 2 else "it"]
    courtlog = app()
    keys("search", "--sync", "--onlyvisible", "--name", W["title"], "windowfocus",
         "--sync")

    # A player renamed from the keyboard: the name label takes the focus, Space opens the box.
    find(courtlog, "push button", W["Giocatore A"]).queryComponent().grabFocus()
    time.sleep(PAUSE)
    keys("key", "space")
    keys("search", "--sync", "--onlyvisible", "--name", "^" + W["Cambio nome"] + "$", "windowfocus", "--sync")
    keys("key", "ctrl+a")
    keys("type", "--delay", "20", "Jasmine Paolini")
    keys("key", "Return")
    # The name renames and the point button records: each is found by a name of its own.
    find(courtlog, "push button", "Jasmine Paolini")
    find(courtlog, "push button", W["Punto a %s"] % "Jasmine Paolini", inside=W["Punto"])

    # The round list reads "Turno" with the round as its text; an S typed there chooses
    # "Semifinale" and charts no service winner.
    turno = find(courtlog, "combo box", W["Turno"])
    turno.queryComponent().grabFocus()
    time.sleep(PAUSE)
    keys("key", "s")
    expect("round", turno.queryText().getText(0, -1), W["s"])
    expect("score after typing in the round list", value(courtlog, W["Punteggio %s"] % "A"), "0")

    # A second-serve backhand passing-shot winner for B, chosen by Toggle.
    act(find(courtlog, "radio button", W["Seconda palla"], inside=W["Servizio"]), "Toggle")
    act(find(courtlog, "radio button", W["Rovescio"], inside=W["Diritto / Rovescio"]), "Toggle")
    act(find(courtlog, "radio button", W["Passante"], inside=W["Colpo"]), "Toggle")
    act(find(courtlog, "radio button", W["Vincente"], inside=W["Errore / Vincente"]), "Toggle")
    act(find(courtlog, "push button", W["Punto a %s"] % W["Giocatore B"], inside=W["Punto"]), "Press")
    expect("score after the winner", value(courtlog, W["Punteggio %s"] % "B"), "15")
    # The panel starts the next point clean.
    state = find(courtlog, "radio button", W["Prima palla"], inside=W["Servizio"]).getState()
    if not state.contains(pyatspi.STATE_CHECKED):
        fail("the next point does not start on the first serve")

    act(find(courtlog, "push button", W["Ace"], inside=W["Servizio"]), "Press")
    act(find(courtlog, "push button", W["Punto a %s"] % "Jasmine Paolini", inside=W["Punto"]), "Press")
    expect("score", value(courtlog, W["Punteggio %s"] % "A") + "-" +
           value(courtlog, W["Punteggio %s"] % "B"), "30-15")
    expect("aces", value(courtlog, W["Ace %s"] % "A"), "1")

    # A deciding set with a tie-break at six all, chosen from its menu: the tie-break menu
    # then marks every set.
    act(find(courtlog, "menu item", W["tb7"]), "Press")
    every = find(courtlog, "menu item", W["Tutti i set"]).getState()
    if not every.contains(pyatspi.STATE_CHECKED):
        fail("the tie-break menu does not mark every set")
    # The first server's items are read by what they do, not by the names they show.
    first = find(courtlog, "menu item", W["Primo al servizio %s"] % "A")
    act(first, "Press")
    if not first.getState().contains(pyatspi.STATE_CHECKED):
        fail("A is not the first server")

    # Saved with F2 through the real file dialog.
    keys("search", "--sync", "--onlyvisible", "--name", W["title"], "windowfocus",
         "--sync")
    keys("key", "F2")
    time.sleep(1)
    keys("key", "ctrl+a")
    keys("type", "--delay", "10", saved)
    keys("key", "Return")
    for _ in range(50):
        try:
            with open(saved, "rb"):
                break
        except OSError:
            time.sleep(0.2)
    else:
        fail("the match was not saved")
    print("the assistive client charted and saved the match")


main()
