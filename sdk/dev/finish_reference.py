#!/usr/bin/env python3
"""Checks the SDK's API reference and makes its HTML self-contained.

Doxygen refuses undocumented functions and parameters in documented files;
this checks every function of every header, documented file or not, for a
brief description, every parameter, its return statuses and its thread
safety, and fails when one lacks any of them.

The HTML needs no script (static menus, no folding sections); the copy of
jQuery doxygen adds anyway is removed, so the pages carry no embedded
library.

Usage: finish_reference.py <doxygen output folder with xml/ and html/>
"""
import pathlib
import sys
import xml.etree.ElementTree as ET


def problems(xml_dir):
    for path in sorted(pathlib.Path(xml_dir).glob("*_8h.xml")):
        for member in ET.parse(path).getroot().iter("memberdef"):
            if member.get("kind") != "function":
                continue
            name = member.findtext("name")
            if not "".join(member.find("briefdescription").itertext()).strip():
                yield f"{path.name}: {name} has no description"
            documented = {"".join(n.itertext()).strip()
                          for n in member.iter("parametername")}
            for param in member.iter("param"):
                declared = param.findtext("declname")
                if declared and declared not in documented:
                    yield f"{path.name}: {name} does not describe its parameter {declared}"
            details = member.find("detaileddescription")
            sections = details.iter("simplesect") if details is not None else []
            kinds = set()
            for section in sections:
                kind = section.get("kind")
                if kind == "par":
                    kind = "par:" + "".join(section.findtext("title", "").split()).rstrip(":")
                kinds.add(kind)
            has_retvals = details is not None and any(
                p.get("kind") == "retval" for p in details.iter("parameterlist"))
            if "return" not in kinds and not has_retvals:
                yield f"{path.name}: {name} does not state its return statuses"
            if "par:Threadsafety" not in kinds:
                yield f"{path.name}: {name} does not state its thread safety"


SCRIPTS = ("jquery.js", "dynsections.js", "menu.js", "menudata.js")


def strip_scripts(html_dir):
    for name in SCRIPTS:
        (html_dir / name).unlink(missing_ok=True)
    for page in html_dir.glob("*.html"):
        lines = page.read_text(encoding="utf-8").splitlines(keepends=True)
        kept = [line for line in lines
                if not any(f'src="{name}"' in line for name in SCRIPTS)]
        if any("<script" in line for line in kept):
            sys.exit(f"finish_reference: {page.name} still needs a script")
        page.write_text("".join(kept), encoding="utf-8")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = pathlib.Path(sys.argv[1])
    found = list(problems(out / "xml"))
    for problem in found:
        print(problem, file=sys.stderr)
    functions = sum(1 for path in (out / "xml").glob("*_8h.xml")
                    for m in ET.parse(path).getroot().iter("memberdef") if m.get("kind") == "function")
    if functions == 0:
        sys.exit("finish_reference: no functions in the reference")
    if found:
        sys.exit(1)
    strip_scripts(out / "html")


if __name__ == "__main__":
    main()
