#!/usr/bin/env python3
"""What courtlog-report says of every sample and generated match, kept as digests.

    recording.py write REPORT OUT           record what the built courtlog-report says now
    recording.py check REPORT FILE [STRIDE]  run it again and name every output that differs;
                                             with a stride, only every STRIDE-th position

Each line is one output: the match, the arguments and a digest of the bytes. The JSON report
at a position is split into what the window shows, the statistics and the rest, so that a
difference names what changed. A
change of behaviour that is meant refreshes the file with `write`; anything else that moves a
digest is a fault.
"""
import concurrent.futures
import hashlib
import json
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "..", "data")
# A line of the JSON report at one position, as `positions` writes it.
POSITION = re.compile(r"^\S+ json --at (\d+):")


def matches():
    found = []
    for folder in (DATA, os.path.join(DATA, "generated")):
        for name in sorted(os.listdir(folder)):
            if name.endswith((".clg", ".courtlog")):
                found.append(os.path.relpath(os.path.join(folder, name), DATA))
    return found


def digest(data):
    return hashlib.sha256(data).hexdigest()[:12]


def run(report, args):
    done = subprocess.run([report] + args, capture_output=True, cwd=DATA)
    return done.returncode, done.stdout


def point_count(report, match):
    status, out = run(report, ["--format", "json", match])
    return json.loads(out)["pointCount"] if status == 0 else 0


def positions(report, match, stride):
    """The JSON report at every position (or every stride-th), a line per position."""
    lines = []
    for at in range(0, point_count(report, match) + 1, stride):
        status, out = run(report, ["--format", "json", "--at", str(at), match])
        document = json.loads(out)
        fields = document.pop("fields", None)
        statistics = document.pop("statistics", None)
        parts = " ".join(f"{key}={digest(json.dumps(value, sort_keys=True).encode())}"
                         for key, value in (("fields", fields), ("statistics", statistics),
                                            ("rest", document)))
        lines.append(f"{match} json --at {at}: {status} {parts}")
    return lines


def whole(report, match):
    """Every report of the whole match and of its middle, byte for byte, in both languages."""
    lines = []
    middle = str(point_count(report, match) // 2)
    for lang in ("it", "en"):
        for fmt in ("text", "json", "csv", "html"):
            for at in ([], ["--at", middle]):
                args = ["--lang", lang, "--format", fmt] + at + [match]
                status, out = run(report, args)
                lines.append(f"{match} {' '.join(args[:-1])}: {status} {digest(out)}")
    return lines


def totals(report, all_matches):
    lines = []
    for lang in ("it", "en"):
        for fmt in ("text", "json", "html"):
            args = ["--total", "--lang", lang, "--format", fmt]
            status, out = run(report, args + all_matches)
            lines.append(f"totals {' '.join(args)}: {status} {digest(out)}")
    return lines


def record(report, stride=1):
    found = matches()
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        jobs = [pool.submit(positions, report, m, stride) for m in found]
        jobs += [pool.submit(whole, report, m) for m in found]
        jobs.append(pool.submit(totals, report, found))
        return [line for job in jobs for line in job.result()]


def main():
    if len(sys.argv) not in (4, 5) or sys.argv[1] not in ("write", "check"):
        sys.exit(__doc__)
    mode, report, path = sys.argv[1:4]
    stride = int(sys.argv[4]) if len(sys.argv) == 5 and mode == "check" else 1
    lines = record(os.path.abspath(report), stride)
    if mode == "write":
        with open(path, "w", encoding="utf-8") as out:
            out.write("\n".join(lines) + "\n")
        return
    with open(path, encoding="utf-8") as recorded_file:
        recorded = [line for line in recorded_file.read().splitlines()
                    if not (m := POSITION.match(line)) or int(m.group(1)) % stride == 0]
    if recorded == lines:
        print(f"{len(lines)} outputs as recorded")
        return
    new = set(lines)
    old = set(recorded)
    for line in recorded:
        if line not in new:
            print("recorded:", line)
    for line in lines:
        if line not in old:
            print("now:     ", line)
    sys.exit(1)


if __name__ == "__main__":
    main()
