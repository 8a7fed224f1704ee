#!/usr/bin/env python3
"""The match page printed by headless Chromium on A4: a set of 50 points on at most three pages,
five sets of 300 on at most eight, and no column heading cut inside a word (a piece of a heading's
word that the page does not have whole). Skipped (77) without chromium or poppler-utils.

    printed_pages.py COURTLOG_REPORT SAMPLES_DIR
"""
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile

tool, samples = sys.argv[1:3]
if not all(shutil.which(p) for p in ("chromium", "pdfinfo", "pdftotext")):
    print("SKIP chromium or poppler-utils is not installed")
    sys.exit(77)

failed = []
with tempfile.TemporaryDirectory() as scratch:
    for name, most in (("one-set", 3), ("five-sets", 8)):
        page = subprocess.run([tool, "--format", "html",
                               os.path.join(samples, "print", name + ".courtlog")],
                              capture_output=True, check=True).stdout.decode()
        source, pdf = os.path.join(scratch, name + ".html"), os.path.join(scratch, name + ".pdf")
        with open(source, "w", encoding="utf-8") as out:
            out.write(page)
        subprocess.run(["chromium", "--headless", "--no-sandbox", "--disable-gpu",
                        "--user-data-dir=" + os.path.join(scratch, "profile"),
                        "--no-pdf-header-footer", "--print-to-pdf=" + pdf, "file://" + source],
                       capture_output=True, timeout=120, check=True)
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
        pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
        printed = subprocess.run(["pdftotext", pdf, "-"], capture_output=True,
                                 text=True).stdout.split()
        text = set(html.unescape(re.sub(r"<[^>]+>", " ", page)).split())
        headings = {word for cell in re.findall(r'<th scope="col">([^<]*)</th>', page)
                    for word in html.unescape(cell).split()}
        pieces = sorted({w for w in printed if w not in text and
                         any(h != w and (h.startswith(w) or h.endswith(w)) for h in headings)})
        print(f"{name}: {pages} pages, pieces of headings: {pieces}")
        if pages > most or pieces or not headings:
            failed.append(name)
sys.exit("FAIL " + " ".join(failed) if failed else 0)
