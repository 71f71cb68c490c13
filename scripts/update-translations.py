#!/usr/bin/env python3
"""Refreshes the translation sources of the three programs.

1. lupdate collects every tr() text of each program into
   resources/translations/<Program>_zh_CN.ts and <Program>_en_CN.ts.
2. The Chinese files get every message filled with its own source text (an
   empty translator cannot be installed).
3. Texts without Chinese characters (names, units, style sheets) stand for
   themselves; the English files get the others (a message with a
   disambiguation comment looks for "source@comment" first) from resources/translations/en.tsv
   (source TAB english, one message per line; "\\n" stands for a line break).
Messages without an English entry are listed and left unfinished, so lrelease
still builds; add them to en.tsv and run this again.
"""
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TR = os.path.join(ROOT, "resources", "translations")
PROGRAMS = {
    "VexoCam": ["viewer", "common"],
    "Addrix": ["ipconfig", "common"],
    "VexoUpgrade": ["upgrade", "common"],
}


def load_glossary():
    glossary = {}
    path = os.path.join(TR, "en.tsv")
    if not os.path.exists(path):
        return glossary
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            if "\t" not in line:
                sys.exit(f"en.tsv:{n}: no TAB")
            src, en = line.split("\t", 1)
            glossary[src.replace("\\n", "\n")] = en.replace("\\n", "\n")
    return glossary


def has_cjk(text):
    return any(ord(c) >= 0x2E80 for c in text)


def english(glossary, source, comment):
    if not has_cjk(source):
        return source
    if comment:
        return glossary.get(f"{source}@{comment}", glossary.get(source))
    return glossary.get(source)


def fill(ts_path, translate):
    tree = ET.parse(ts_path)
    missing = []
    for msg in tree.getroot().iter("message"):
        src = msg.findtext("source") or ""
        comment = msg.findtext("comment")
        tr = msg.find("translation")
        if tr is None:
            tr = ET.SubElement(msg, "translation")
        if tr.get("type") in ("vanished", "obsolete"):
            continue
        text = translate(src, comment)
        if text is None:
            missing.append(src)
            tr.set("type", "unfinished")
            continue
        tr.text = text
        tr.attrib.pop("type", None)
    tree.write(ts_path, encoding="utf-8", xml_declaration=True)
    return missing


def main():
    glossary = load_glossary()
    lupdate = os.environ.get("LUPDATE", "lupdate")
    all_missing = set()
    for program, dirs in PROGRAMS.items():
        ts = [os.path.join(TR, f"{program}_zh_CN.ts"), os.path.join(TR, f"{program}_en_CN.ts")]
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                        *[os.path.join(ROOT, d) for d in dirs], "-ts", *ts], check=True)
        fill(ts[0], lambda s, c: s)
        all_missing.update(fill(ts[1], lambda s, c: english(glossary, s, c)))
    if all_missing:
        print(f"{len(all_missing)} English messages missing from en.tsv:")
        for s in sorted(all_missing):
            print("  " + s.replace("\n", "\\n"))
        return 1
    print("All messages translated.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
