#!/usr/bin/env python3
"""Writes the generated match documents: one per rule set worth telling apart, played by a
server who holds most games, so that long sets, tie-breaks and deciding sets all happen.

    make_generated.py FOLDER

The matches are fixed by their seeds; rerunning writes the same files.
"""
import json
import os
import random
import sys

# bestOf, setTieBreak, decidingSet, noAd, firstServer, hold, extra points after the end, timed
RULES = [
    (3, True, "adv", False, 0, 0.80, 0, False),
    (3, True, "tb7", False, 1, 0.85, 0, True),
    (3, True, "tb10", True, 0, 0.82, 3, False),
    (3, True, "tb7at12", False, 0, 0.90, 0, True),
    (3, True, "mtb10", False, 1, 0.75, 0, False),
    (3, False, "adv", False, 0, 0.88, 5, False),
    (3, False, "mtb10", True, 1, 0.70, 0, True),
    (5, True, "adv", False, 1, 0.86, 0, False),
    (5, True, "tb7", False, 0, 0.84, 2, True),
    (5, True, "tb10", False, 0, 0.83, 0, False),
    (5, True, "tb7at12", True, 1, 0.92, 0, False),
    (5, True, "mtb10", False, 0, 0.78, 0, True),
    (5, False, "adv", False, 0, 0.72, 0, False),
    (5, False, "tb7", True, 1, 0.65, 4, False),
    (3, True, "adv", True, 0, 0.60, 0, False),
    (5, True, "adv", False, 0, 0.55, 0, True),
]


def tie_break_to(set_no, rules):
    """Points that win the tie-break of this set at 6-6, 0 for none (12-12 for tb7at12)."""
    best_of, set_tb, deciding = rules[0], rules[1], rules[2]
    if set_no < best_of - 1:
        return (6, 7) if set_tb else (0, 0)
    return {"adv": (0, 0), "tb7": (6, 7), "tb10": (6, 10), "tb7at12": (12, 7),
            "mtb10": (0, 10)}[deciding]


def play(rules, seed):
    """Point words of a match, with a simple score to know who serves."""
    rng = random.Random(seed)
    best_of, _, deciding, no_ad, server, hold, extra, _ = rules
    sets = [0, 0]
    words = []
    set_no = 0
    while max(sets) <= best_of // 2:
        at, to = tie_break_to(set_no, rules)
        games = [0, 0]
        match_tb = set_no == best_of - 1 and deciding == "mtb10"
        while True:
            tb = match_tb or (at and games == [at, at])
            points = [0, 0]
            first = server
            n = 0
            while True:
                s = first if not tb else (first if n % 4 in (0, 3) else 1 - first)
                winner = s if rng.random() < (hold if not tb else 0.55) else 1 - s
                words.append(word(rng, winner, winner == s))
                points[winner] += 1
                n += 1
                need = to if tb else 4
                lead = 1 if (no_ad and not tb) else 2
                if points[winner] >= need and points[winner] - points[1 - winner] >= lead:
                    break
            games[winner] += 1
            server = 1 - first
            if tb or (max(games) >= 6 and abs(games[0] - games[1]) >= 2):
                break
        sets[games.index(max(games))] += 1
        set_no += 1
        if max(sets) > best_of // 2:
            break
    for _ in range(extra):
        words.append(word(rng, rng.randrange(2), False))
    return words


def word(rng, winner, by_server):
    roll = rng.random()
    if by_server and roll < 0.08:
        return winner | (1 << 10)  # ace
    if by_server and roll < 0.12:
        return winner | (3 << 10)  # service winner
    if not by_server and roll < 0.05:
        return winner | (2 << 10) | (1 << 1)  # double fault
    return (winner | (rng.randrange(2) << 1) | (rng.randrange(3) << 2) | (rng.randrange(8) << 4)
            | (rng.randrange(5) << 7))


def main():
    folder = sys.argv[1]
    for i, rules in enumerate(RULES):
        best_of, set_tb, deciding, no_ad, first, _, _, timed = rules
        words = play(rules, 1000 + i)[:1000]
        ms = 0
        points = []
        rng = random.Random(i)
        for w in words:
            point = {"word": w}
            if timed and rng.random() > 0.05:
                point["ms"] = ms
            ms += rng.randrange(15000, 70000)
            points.append(point)
        document = {
            "format": "courtlog-match", "version": 1,
            "players": [f"Giocatore {i} A", f"Giocatore {i} B"],
            "tournament": f"Torneo {i}", "round": i % 8,
            "rules": {"bestOf": best_of, "setTieBreak": set_tb, "decidingSet": deciding,
                      "noAd": no_ad, "firstServer": first},
            "points": points,
        }
        if timed:
            document["start"] = "2026-06-01T10:00:00.000Z"
        with open(os.path.join(folder, f"match-{i:02d}.courtlog"), "w", encoding="utf-8") as out:
            json.dump(document, out, ensure_ascii=False, indent=1)
            out.write("\n")


if __name__ == "__main__":
    main()
