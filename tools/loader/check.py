#!/usr/bin/env python3
"""Check the header fields of DARIVOVA.EXE that an older loader checks.

    python3 tools/loader/check.py --arch x86|x64 PATH/TO/DARIVOVA.EXE

Reads the image's headers itself and compares each field of fields.tsv with
the build's expectation; fails (exit 1) naming every field that differs.
"""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
import pe  # noqa: E402  (tools/pe.py)

FIELDS = os.path.join(HERE, "fields.tsv")
COLUMNS = ["field", "x86", "x64", "why"]
DIRECTORIES = {"Resource directory": 2, "Base relocation directory": 5,
               "TLS directory": 9, "Bound import directory": 11, "Delay import directory": 13}


def shown(value):
    return "%d" % value if value < 0x100 else "0x%x" % value


def judge(field, expected, image):
    """None when the image meets the expectation, else what it holds instead."""
    if field in image.fields:
        value = image.fields[field]
        if expected.startswith(">="):
            return None if value >= int(expected[2:], 0) else shown(value)
        return None if value == int(expected, 0) else shown(value)
    rva, size = image.directories[DIRECTORIES[field]]
    present = rva != 0 or size != 0
    if expected == "absent":
        return None if not present else "present at 0x%x, 0x%x bytes" % (rva, size)
    if expected == "present":
        return None if present and size != 0 else "absent"
    want = expected[len("in "):]
    holder = [s.name for s in image.sections if s.rva <= rva and rva + size <= s.rva + s.size]
    if present and holder == [want]:
        return None
    return "in %s" % (holder[0] if holder else "no section") if present else "absent"


def read_rows(problems):
    rows = []
    with open(FIELDS, encoding="utf-8") as f:
        lines = [(n, line) for n, line in enumerate(f.read().splitlines(), 1)
                 if line.strip() and not line.startswith("#")]
    if not lines or lines[0][1].split("\t") != COLUMNS:
        problems.append("fields.tsv: header must be: %s" % " ".join(COLUMNS))
        return rows
    for number, line in lines[1:]:
        row = dict(zip(COLUMNS, line.split("\t")))
        where = "fields.tsv:%d" % number
        if len(line.split("\t")) != len(COLUMNS):
            problems.append("%s: want %d fields" % (where, len(COLUMNS)))
        elif row["field"] not in DIRECTORIES and row["field"] not in pe.FIELDS:
            problems.append("%s: check.py reads no field %r" % (where, row["field"]))
        else:
            rows.append(row)
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--arch", choices=sorted(pe.MACHINE), required=True)
    parser.add_argument("exe")
    args = parser.parse_args()

    problems = []
    rows = read_rows(problems)
    image = pe.Image(args.exe, args.arch)
    for row in rows:
        expected = row[args.arch]
        try:
            found = judge(row["field"], expected, image)
        except (ValueError, KeyError):
            problems.append("fields.tsv: %s: cannot read the expectation %r" % (row["field"], expected))
            continue
        if found is not None:
            problems.append("%s: %s, want %s (%s)" % (row["field"], found, expected, row["why"]))
    label = "%s (%s)" % (args.exe, args.arch)
    for problem in problems:
        print("FAIL " + problem)
    print("check.py: %s: %s" % (label, "%d problems" % len(problems) if problems
                                else "%d loader fields as expected" % len(rows)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
