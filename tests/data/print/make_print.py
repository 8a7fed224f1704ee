#!/usr/bin/env python3
"""Writes the two matches whose printed report must fit its pages: a first set of 50 points
(6-3, the match still going) and five sets of 300 points, every point marked as the generated
matches are.

    make_print.py FOLDER
"""
import json
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "generated"))
import make_generated  # noqa: E402

# name, bestOf, seed, how often the server holds, points kept
MATCHES = [("one-set", 3, 32, 0.62, 50), ("five-sets", 5, 178, 0.80, 300)]


def main():
    for name, best_of, seed, hold, kept in MATCHES:
        words = make_generated.play((best_of, True, "tb7", False, 0, hold, 0, False), seed)
        document = {
            "format": "courtlog-match", "version": 1,
            "players": ["Giocatore A", "Giocatore B"], "tournament": "Torneo", "round": 1,
            "rules": {"bestOf": best_of, "setTieBreak": True, "decidingSet": "tb7",
                      "noAd": False, "firstServer": 0},
            "points": [{"word": w} for w in words[:kept]],
        }
        assert len(document["points"]) == kept
        with open(os.path.join(sys.argv[1], name + ".courtlog"), "w", encoding="utf-8") as out:
            json.dump(document, out, indent=1)
            out.write("\n")


if __name__ == "__main__":
    main()
