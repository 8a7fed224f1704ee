#!/usr/bin/env python3
"""The match report printed on A4 both ways: the page by headless Chromium, and the window's
"Stampa" as ui_tests prints it (PrintedReport.FitsItsPages). A set of 50 points must fit three
pages and five sets of 300 eight, each figure printed once (the match's points won in one row,
each set's in one more), and no column heading cut inside a word: no piece of a heading's word
that the page does not have whole. Skipped (77) without chromium or poppler-utils.

    printed_pages.py COURTLOG_REPORT UI_TESTS SAMPLES_DIR
"""
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile

tool, ui_tests, samples = sys.argv[1:4]
if not all(shutil.which(p) for p in ("chromium", "pdfinfo", "pdftotext")):
    print("SKIP chromium or poppler-utils is not installed")
    sys.exit(77)

MATCHES = (("one-set", 3, 1), ("five-sets", 8, 5))  # name, most pages, sets
failed = []
with tempfile.TemporaryDirectory() as scratch:
    subprocess.run([ui_tests, "--gtest_filter=PrintedReport.FitsItsPages"], check=True,
                   env=dict(os.environ, COURTLOG_PRINTS=scratch, QT_QPA_PLATFORM="offscreen"))
    for name, most, sets in MATCHES:
        page = subprocess.run([tool, "--format", "html",
                               os.path.join(samples, "print", name + ".courtlog")],
                              capture_output=True, check=True).stdout.decode()
        source = os.path.join(scratch, name + ".html")
        with open(source, "w", encoding="utf-8") as out:
            out.write(page)
        subprocess.run(["chromium", "--headless", "--no-sandbox", "--disable-gpu",
                        "--user-data-dir=" + os.path.join(scratch, "profile"),
                        "--no-pdf-header-footer",
                        "--print-to-pdf=" + os.path.join(scratch, name + "-browser.pdf"),
                        "file://" + source], capture_output=True, timeout=120, check=True)
        text = set(html.unescape(re.sub(r"<[^>]+>", " ", page)).split())
        headings = {word for cell in re.findall(r'<th scope="col">([^<]*)</th>', page)
                    for word in html.unescape(cell).split()}
        for path in ("browser", "window"):
            pdf = os.path.join(scratch, f"{name}-{path}.pdf")
            info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
            pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
            printed = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                                     text=True).stdout
            won = len(re.findall(r"Punti vinti +\d+ +\d+\b", printed))
            pieces = sorted({w for w in printed.split() if w not in text and
                             any(h != w and (h.startswith(w) or h.endswith(w))
                                 for h in headings)})
            print(f"{name}, {path}: {pages} pages, points won {won} times, "
                  f"pieces of headings {pieces}")
            if pages > most or won != 1 + (sets if sets > 1 else 0) or pieces or not headings:
                failed.append(f"{name}-{path}")
sys.exit("FAIL " + " ".join(failed) if failed else 0)
