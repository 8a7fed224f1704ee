#!/usr/bin/env python3
"""Fails when the program has a text the catalogue does not translate, or a translation that
differs from its source in placeholders or access keys.

check_catalogue.py LUPDATE CATALOGUE.ts SOURCE_FOLDER INCLUDE_FOLDER...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def placeholders(text):
    return sorted(set(re.findall(r"%(?:L)?([1-9][0-9]?)", text)))


def access_keys(text):
    # "&&" is an ampersand shown as such, not a key.
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def main():
    lupdate, catalogue, sources, *includes = sys.argv[1:]
    with tempfile.TemporaryDirectory() as folder:
        fresh = Path(folder) / Path(catalogue).name
        shutil.copy(catalogue, fresh)
        files = [str(p) for p in Path(sources).rglob("*") if p.suffix in (".cpp", ".h")]
        command = [lupdate, "-tr-function-alias", "QT_TRANSLATE_NOOP+=CL_TEXT",
                   "-locations", "none", "-no-obsolete", "-silent"]
        command += [f"-I{i}" for i in includes] + files + ["-ts", str(fresh)]
        subprocess.run(command, check=True)
        root = ET.parse(fresh).getroot()

    faults = []
    count = 0
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            count += 1
            source = message.findtext("source") or ""
            translation = message.find("translation")
            english = translation.text or ""
            where = f"{name}: {source!r}"
            if translation.get("type") in ("unfinished", "vanished", "obsolete") or not english:
                faults.append(f"no translation: {where}")
                continue
            if placeholders(source) != placeholders(english):
                faults.append(f"placeholders differ: {where} -> {english!r}")
            if access_keys(source) != access_keys(english):
                faults.append(f"access keys differ: {where} -> {english!r}")
    for fault in faults:
        print(fault)
    print(f"{count} texts, {len(faults)} faults")
    return 1 if faults or count == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
