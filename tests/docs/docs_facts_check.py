#!/usr/bin/env python3
"""Holds the guides to the tables they speak of: the base dialog's choices as the element's page
describes them against MC_EDITDLG_CHOICE_TABLE, and no guide repeating a number or version that a
table holds (the exports' count, the project's version).
usage: docs_facts_check.py SOURCE_DIR"""
import pathlib
import re
import sys

src = pathlib.Path(sys.argv[1])
failures = []
checks = 0


def check(ok, what):
    global checks
    checks += 1
    if not ok:
        failures.append(what)


choices = re.findall(r'CHOICE\(\w+, "(--[\w-]+)", "(\w+)", "(\w+)", [01]\)',
                     (src / "standins/kernel/include/MC_EditDialogChoices.h").read_text())
check(choices, "MC_EditDialogChoices.h: no CHOICE( rows")
element = (src / "docs/ELEMENT.md").read_text()
section = re.search(r"\n### The base dialog's choices\n(.*?)(?=\n#)", element, re.S)
check(section, "docs/ELEMENT.md: no section \"The base dialog's choices\"")
text = section.group(1) if section else ""
for option, default_word, other_word in choices:
    check(f"`{option} {default_word}`" in text and f"`{other_word}`" in text,
          f"docs/ELEMENT.md: the choice {option} {default_word}|{other_word} is not described")
for option in set(re.findall(r"`(--[\w-]+)", text)) - {c[0] for c in choices}:
    check(False, f"docs/ELEMENT.md: {option} is no row of MC_EDITDLG_CHOICE_TABLE")

version = re.search(r"project\(\w+ VERSION ([\d.]+)", (src / "CMakeLists.txt").read_text()).group(1)
exports = len(re.findall(r"\n +EXPORT\(\w+,", (src / "module/include/ElementExports.h").read_text()))
words = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"]
count = rf"\b({exports}|{words[exports] if exports < len(words) else exports})\b"
for guide in [src / "README.md", *sorted((src / "docs").glob("*.md"))]:
    prose = guide.read_text()
    name = guide.relative_to(src)
    check(version not in prose, f"{name}: repeats the version {version} of CMakeLists.txt's project()")
    check(not re.search(count + r"[\w\s]{0,20}\bexport", prose, re.I),
          f"{name}: counts the exports that ElementExports.h's table lists")

for failure in failures:
    print("FAIL:", failure)
print(f"{checks - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
