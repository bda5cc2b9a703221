#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the sample plant database, alias file and notes into data/sample/.

Sources, all UTF-8 and next to this script:
  plants-*.tsv   name, family, ten characteristic tokens, value lists, class
  aliases-*.tsv  alias, plant name
  notes-*.txt    "## name" followed by the note's lines

Names are written in full-width katakana here for readability and become
half-width katakana in the files, as the program expects. Output files are
CP932 with CR LF line ends.
"""
import glob
import os
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.normpath(os.path.join(HERE, "..", "..", "data", "sample"))

# full-width katakana -> half-width, built from Unicode's own compatibility map
_HALF = {}
for cp in range(0xFF61, 0xFFA0):
    full = unicodedata.normalize("NFKC", chr(cp))
    if len(full) == 1:
        _HALF[full] = chr(cp)
_HALF["\u3099"] = "\uFF9E"  # combining voiced mark
_HALF["\u309A"] = "\uFF9F"  # combining semi-voiced mark


def half_width(text):
    out = []
    for ch in unicodedata.normalize("NFD", text):
        out.append(_HALF.get(ch, ch))
    return "".join(out)


ALLOWED = set("012345678XYABCDHIJ")
OPTION_COUNT = [6, 8, 5, 7, 8, 5, 5, 3, 5, 6]  # the last option is "unknown"


def build_code(tokens, lists, klass, where):
    if len(tokens) != 10:
        sys.exit(f"{where}: expected 10 tokens, got {len(tokens)}")
    code = []
    for k, tok in enumerate(tokens):
        primary, _, secondary = tok.partition("/")
        # No alternative state: the secondary code repeats the primary, so the
        # lenient search accepts exactly the primary (a "0" there would accept
        # anything in that category).
        secondary = secondary or primary
        for c in (primary, secondary):
            if len(c) != 1 or c not in ALLOWED:
                sys.exit(f"{where}: bad code character {c!r} in category {k + 1}")
            if c.isdigit() and c != "0" and int(c) >= OPTION_COUNT[k]:
                sys.exit(f"{where}: option {c} out of range in category {k + 1}")
        code += [secondary, primary]
    value_lists = (lists.split("|") + ["", "", ""])[:3] if lists != "-" else ["", "", ""]
    for lst in value_lists:
        if len(lst) > 3 or any(c not in "12345678" for c in lst):
            sys.exit(f"{where}: bad value list {lst!r}")
        code += list(lst.ljust(3, "0"))
    need = {"A": [0], "H": [0], "B": [1], "I": [1], "C": [2], "J": [2], "D": [0, 1]}
    for c in code[:20]:
        if c in need and not any(value_lists[i] for i in need[c]):
            sys.exit(f"{where}: {c} used without digits in its value list")
    code.append(klass)
    return "".join(code)


def read_tsv(pattern):
    rows = []
    for path in sorted(glob.glob(os.path.join(HERE, pattern))):
        with open(path, encoding="utf-8") as f:
            for n, line in enumerate(f, 1):
                line = line.rstrip("\n")
                if not line or line.startswith("#"):
                    continue
                rows.append((f"{os.path.basename(path)}:{n}", line.split("\t")))
    return rows


def write_cp932(path, lines):
    with open(path, "wb") as f:
        f.write("".join(l + "\r\n" for l in lines).encode("cp932"))


def key_of(name):
    return name[:8].rstrip()


def main():
    os.makedirs(OUT, exist_ok=True)
    plants = []
    seen = set()
    for where, cols in read_tsv("plants-*.tsv"):
        if len(cols) < 5:
            sys.exit(f"{where}: too few columns")
        name, family = half_width(cols[0]), half_width(cols[1])
        if name in seen:
            sys.exit(f"{where}: {cols[0]} listed twice")
        seen.add(name)
        code = build_code(cols[2].split(), cols[3], cols[4], where)
        plants.append((name, code, family))
    write_cp932(os.path.join(OUT, "KUYU.DAT"), [f"{n},{c},{f}" for n, c, f in plants])

    aliases = []
    for where, cols in read_tsv("aliases-*.tsv"):
        alias, plant = half_width(cols[0]), half_width(cols[1])
        if plant not in seen:
            sys.exit(f"{where}: alias {cols[0]} names unknown plant {cols[1]}")
        aliases.append(f"{alias},{plant}")
    write_cp932(os.path.join(OUT, "SNAME.DAT"), aliases)

    notes = 0
    for path in sorted(glob.glob(os.path.join(HERE, "notes-*.txt"))):
        current, body = None, []
        with open(path, encoding="utf-8") as f:
            chunks = f.read().split("## ")[1:]
        for chunk in chunks:
            title, _, text = chunk.partition("\n")
            name = half_width(title.strip())
            if name not in seen:
                sys.exit(f"{path}: note for unknown plant {title}")
            write_cp932(os.path.join(OUT, key_of(name) + ".txt"), text.strip("\n").split("\n"))
            notes += 1
    print(f"{len(plants)} plants, {len(aliases)} aliases, {notes} notes -> {OUT}")


if __name__ == "__main__":
    main()
