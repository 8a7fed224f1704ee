#!/usr/bin/env python3
"""The tool's JSON follows the installed schema, for the samples, a timed match with points after
its end and the totals, and the schema refuses what a program could not read."""
import copy
import json
import os
import subprocess
import sys
import tempfile

import jsonschema

tool, schema_path, samples = sys.argv[1], sys.argv[2], sys.argv[3:]
schema = json.load(open(schema_path, encoding="utf-8"))
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)


def report(*args):
    out = subprocess.run([tool, "--format", "json", *args], capture_output=True, check=True)
    return json.loads(out.stdout)


def check(doc, what):
    errors = [e.message for e in validator.iter_errors(doc)]
    if errors:
        sys.exit(f"FAIL {what}: {errors[:3]}")


# Player A wins two sets 6-0 with an ace on every first point of a game; two more points follow
# the end. The fifth point has no time; every third has a moment in the video beside the match.
points = []
for i in range(50):
    point = {"word": 0x0400 if i % 4 == 0 else 0}
    if i != 5:
        point["ms"] = 20000 * i
    if i % 3 == 0:
        point["videoMs"] = 1000 * i
    points.append(point)
document = {"format": "courtlog-match", "version": 1, "players": ["Ана", "李"],
            "tournament": "", "round": 0, "start": "2026-06-01T10:00:00Z",
            "rules": {"bestOf": 3, "setTieBreak": True, "decidingSet": "mtb10", "noAd": False,
                      "firstServer": 1}, "video": {"file": "v/partita.webm", "offsetMs": -2000},
            "points": points}
with tempfile.TemporaryDirectory() as scratch:
    timed = os.path.join(scratch, "timed.courtlog")
    with open(timed, "w", encoding="utf-8") as f:
        json.dump(document, f, ensure_ascii=False)
    outputs = {"timed": report(timed), "timed --at 30": report("--at", "30", timed)}
    video = {"file": os.path.join(scratch, "v", "partita.webm"), "offsetMs": -2000}
    # Two doubles matches at 2-2: an ace in the first game, a double fault opening the
    # second, the third to love, an ace in the fourth. Ana plays on side A with Bea, then on
    # side B with Cleo, who served on side B both times.
    words = [0x400, 0, 0, 0, 0x802, 1, 1, 1, 1, 0, 0, 0, 0, 0x401, 1, 1, 1]
    pairs = {"doubles": ([["Ana", "Bea"], ["Cleo", "Dina"]], [1, 2, 0, 3]),
             "doubles 2": ([["Zoe", "Eva"], ["Ana", "Cleo"]], [0, 2, 1, 3])}
    for name, (players, turn) in pairs.items():
        pairs[name] = os.path.join(scratch, name + ".courtlog")
        untimed = {k: v for k, v in document.items() if k not in ("start", "video")}
        with open(pairs[name], "w", encoding="utf-8") as f:
            json.dump({**untimed, "players": players,
                       "rules": {**document["rules"], "firstServer": 0, "doubles": True},
                       "servingOrder": [turn], "points": [{"word": w} for w in words]}, f)
        outputs[name] = report(pairs[name])
    outputs["--total doubles"] = report("--total", *pairs.values())
for sample in samples:
    whole = outputs[os.path.basename(sample)] = report(sample)
    middle = str(whole["pointCount"] // 2)
    outputs[os.path.basename(sample) + " --at " + middle] = report("--at", middle, sample)
outputs["--total"] = report("--total", *samples)
for what, doc in outputs.items():
    check(doc, what)
totals = outputs["--total"]

whole, at30 = outputs["timed"], outputs["timed --at 30"]
a = whole["statistics"]["match"][0]
# Thirteen aces, the one after the end included; B serves the two points after the end, as the
# frames count them.
expect = {"aces": 13, "pointsWon": 48, "servicePointsPlayed": 24, "longestRun": 48,
          "returnPointsWon": 24 + 2}
got = {k: a[k] for k in expect}
if got != expect:
    sys.exit(f"FAIL timed match figures: {got} != {expect}")
last = whole["points"][-2:]
if [p["afterMatchEnd"] for p in last] != [True, True] or {p["set"] for p in last} != {2}:
    sys.exit(f"FAIL points after the end: {last}")
if "ms" in whole["points"][5] or whole["points"][6]["ms"] != 120000:
    sys.exit("FAIL point times")
# The video with its path taken from the document's folder, and each point's moment in it.
if whole["video"] != video or [p.get("videoMs") for p in whole["points"][:4]] != [0, None, None, 3000]:
    sys.exit(f"FAIL the video {whole['video']} and its moments")
# The statistics follow --at; the points stay the whole match's.
if (len(at30["points"]), len(at30["statistics"]["sets"]), at30["statistics"]["match"][0]["aces"]) \
        != (50, 2, 8):
    sys.exit("FAIL --at 30")
if whole["statistics"]["times"]["match"] != {"lengthMs": 49 * 20000, "medianGapMs": 20000}:
    sys.exit(f"FAIL times {whole['statistics']['times']['match']}")

# The four players, who of them served each game, and their serve by hand; the sides keep theirs.
doubles = outputs["doubles"]
servers = [p["serverPlayer"] for p in doubles["points"]]
mine = doubles["statistics"]["players"]
got = (doubles["players"], doubles["doublesPlayers"], doubles["rules"]["doubles"], servers,
       [p["aces"] for p in mine], [p["doubleFaults"] for p in mine], mine[2]["servicePointsWon"],
       [p["aces"] for p in doubles["statistics"]["match"]])
expect = (["Ana / Bea", "Cleo / Dina"], ["Ana", "Bea", "Cleo", "Dina"], True,
          [1] * 4 + [2] * 5 + [0] * 4 + [3] * 4, [0, 1, 0, 1], [0, 0, 1, 0], 4, [1, 1])
if got != expect:
    sys.exit(f"FAIL doubles report {got} != {expect}")
# Each player summed by name over both matches, whoever the partner and whichever the side.
summed = {p["name"]: p for p in outputs["--total doubles"]["doublesPlayers"]}
got = [(summed[n]["matches"], summed[n]["serve"]["servicePointsPlayed"],
        summed[n]["serve"]["servicePointsWon"], summed[n]["serve"]["aces"],
        summed[n]["serve"]["doubleFaults"], summed[n]["serve"]["serviceGamesHeld"]) for n in ("Ana", "Cleo")]
if got != [(2, 9, 8, 0, 1, 2), (2, 9, 8, 1, 1, 2)] or len(summed) != 6 or "doublesPlayers" in totals:
    sys.exit(f"FAIL doubles totals {got}")

# What the schema must refuse.
for name, base, spoil in [
    ("a missing figure", whole, lambda d: d["statistics"]["match"][0].pop("breakPointsSaved")),
    ("a third player", whole, lambda d: d["statistics"]["match"].append({})),
    ("a stroke the panel has not", whole, lambda d: d["points"][0].update(stroke="Volee")),
    ("a moment before the video", whole, lambda d: d["points"][0].update(videoMs=-1)),
    ("a video without its file", whole, lambda d: d["video"].pop("file")),
    ("a negative count", whole, lambda d: d["statistics"]["sets"][0][1].update(aces=-1)),
    ("totals without a run", totals, lambda d: d["players"][1]["statistics"].pop("longestRun")),
    ("a doubles point without its server", doubles, lambda d: d["points"][3].pop("serverPlayer")),
    ("a fifth player", doubles, lambda d: d["statistics"]["players"].append(d["statistics"]["players"][0])),
    ("the four players in singles", whole, lambda d: d.update(doublesPlayers=["a", "b", "c", "d"])),
]:
    spoilt = copy.deepcopy(base)
    spoil(spoilt)
    if validator.is_valid(spoilt):
        sys.exit(f"FAIL the schema takes {name}")
print(f"{len(outputs)} outputs follow the schema")
