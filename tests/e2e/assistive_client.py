#!/usr/bin/python3
"""Charts a few points in the running courtlog as an assistive client would, over the
accessibility bus: controls found by role and name, options chosen with their Toggle action,
buttons pressed with Press, a player renamed from the keyboard, a round typed into its list, the
match saved with F2 through the real file dialog.  Usage: assistive_client.py SAVED.clg"""
import subprocess
import sys
import time

import pyatspi

PAUSE = 0.3  # Qt animates a press: let each action finish


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
    courtlog = app()
    keys("search", "--sync", "--onlyvisible", "--name", "^Courtlog - Versione", "windowfocus",
         "--sync")

    # A player renamed from the keyboard: the name label takes the focus, Space opens the box.
    find(courtlog, "push button", "Giocatore A").queryComponent().grabFocus()
    time.sleep(PAUSE)
    keys("key", "space")
    keys("search", "--sync", "--onlyvisible", "--name", "^Cambio nome$", "windowfocus", "--sync")
    keys("key", "ctrl+a")
    keys("type", "--delay", "20", "Jasmine Paolini")
    keys("key", "Return")
    # The name renames and the point button records: each is found by a name of its own.
    find(courtlog, "push button", "Jasmine Paolini")
    find(courtlog, "push button", "Punto a Jasmine Paolini", inside="Punto")

    # The round list reads "Turno" with the round as its text; an S typed there chooses
    # "Semifinale" and charts no service winner.
    turno = find(courtlog, "combo box", "Turno")
    turno.queryComponent().grabFocus()
    time.sleep(PAUSE)
    keys("key", "s")
    expect("round", turno.queryText().getText(0, -1), "Semifinale")
    expect("score after typing in the round list", value(courtlog, "Punteggio Giocatore A"), "0")

    # A second-serve backhand passing-shot winner for B, chosen by Toggle.
    act(find(courtlog, "radio button", "Seconda palla", inside="Servizio"), "Toggle")
    act(find(courtlog, "radio button", "Rovescio", inside="Diritto / Rovescio"), "Toggle")
    act(find(courtlog, "radio button", "Passante", inside="Colpo"), "Toggle")
    act(find(courtlog, "radio button", "Vincente", inside="Errore / Vincente"), "Toggle")
    act(find(courtlog, "push button", "Punto a Giocatore B", inside="Punto"), "Press")
    expect("score after the winner", value(courtlog, "Punteggio Giocatore B"), "15")
    # The panel starts the next point clean.
    state = find(courtlog, "radio button", "Prima palla", inside="Servizio").getState()
    if not state.contains(pyatspi.STATE_CHECKED):
        fail("the next point does not start on the first serve")

    act(find(courtlog, "push button", "Ace", inside="Servizio"), "Press")
    act(find(courtlog, "push button", "Punto a Jasmine Paolini", inside="Punto"), "Press")
    expect("score", value(courtlog, "Punteggio Giocatore A") + "-" +
           value(courtlog, "Punteggio Giocatore B"), "30-15")
    expect("aces", value(courtlog, "Ace Giocatore A"), "1")

    # Saved with F2 through the real file dialog.
    keys("search", "--sync", "--onlyvisible", "--name", "^Courtlog - Versione", "windowfocus",
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
