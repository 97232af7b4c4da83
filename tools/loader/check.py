#!/usr/bin/env python3
"""Check the header fields of DARIVOVA.EXE that an older loader checks.

    python3 tools/loader/check.py --arch x86|x64 PATH/TO/DARIVOVA.EXE

Reads the image's headers itself and compares each field of fields.tsv with
the build's expectation; fails (exit 1) naming every field that differs.
"""
import argparse
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
FIELDS = os.path.join(HERE, "fields.tsv")
COLUMNS = ["field", "x86", "x64", "why"]
MACHINE = {"x86": 0x14C, "x64": 0x8664}
MAGIC = {"x86": 0x10B, "x64": 0x20B}
DIRECTORIES = {"Resource directory": 2, "Base relocation directory": 5,
               "TLS directory": 9, "Bound import directory": 11, "Delay import directory": 13}


def read_headers(path, arch):
    """The named fields of the optional header, the data directories as
    (RVA, size) and the sections as (name, RVA, virtual size)."""
    with open(path, "rb") as f:
        image = f.read()
    if image[:2] != b"MZ":
        sys.exit("check.py: %s is not an executable" % path)
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        sys.exit("check.py: %s is not a PE image" % path)
    machine, section_count, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", image, pe + 4)
    optional = pe + 24
    if machine != MACHINE[arch] or struct.unpack_from("<H", image, optional)[0] != MAGIC[arch]:
        sys.exit("check.py: %s is not an %s image (wrong --arch?)" % (path, arch))
    # From SectionAlignment on, PE32 and PE32+ differ only in the width of the
    # stack and heap sizes, after the fields read here.
    (section_alignment, file_alignment, major_os, minor_os, _, _, major_subsystem, minor_subsystem,
     _, _, _, _, subsystem) = struct.unpack_from("<IIHHHHHHIIIIH", image, optional + 32)
    fields = {
        "Subsystem": subsystem,
        "MajorSubsystemVersion": major_subsystem, "MinorSubsystemVersion": minor_subsystem,
        "MajorOperatingSystemVersion": major_os, "MinorOperatingSystemVersion": minor_os,
        "FileAlignment": file_alignment, "SectionAlignment": section_alignment,
    }
    directories_at = optional + (112 if arch == "x64" else 96)
    count = struct.unpack_from("<I", image, directories_at - 4)[0]
    directories = [struct.unpack_from("<II", image, directories_at + 8 * i) if i < count else (0, 0)
                   for i in range(16)]
    sections = []
    for i in range(section_count):
        header = optional + optional_size + 40 * i
        name = image[header:header + 8].rstrip(b"\0").decode("ascii", "replace")
        size, rva = struct.unpack_from("<II", image, header + 8)
        sections.append((name, rva, size))
    return fields, directories, sections


def shown(value):
    return "%d" % value if value < 0x100 else "0x%x" % value


def judge(field, expected, fields, directories, sections):
    """None when the image meets the expectation, else what it holds instead."""
    if field in fields:
        value = fields[field]
        if expected.startswith(">="):
            return None if value >= int(expected[2:], 0) else shown(value)
        return None if value == int(expected, 0) else shown(value)
    rva, size = directories[DIRECTORIES[field]]
    present = rva != 0 or size != 0
    if expected == "absent":
        return None if not present else "present at 0x%x, 0x%x bytes" % (rva, size)
    if expected == "present":
        return None if present and size != 0 else "absent"
    want = expected[len("in "):]
    holder = [name for name, start, length in sections if start <= rva and rva + size <= start + length]
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
        elif row["field"] not in DIRECTORIES and row["field"] not in (
                "Subsystem", "MajorSubsystemVersion", "MinorSubsystemVersion", "MajorOperatingSystemVersion",
                "MinorOperatingSystemVersion", "FileAlignment", "SectionAlignment"):
            problems.append("%s: check.py reads no field %r" % (where, row["field"]))
        else:
            rows.append(row)
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--arch", choices=sorted(MACHINE), required=True)
    parser.add_argument("exe")
    args = parser.parse_args()

    problems = []
    rows = read_rows(problems)
    fields, directories, sections = read_headers(args.exe, args.arch)
    for row in rows:
        expected = row[args.arch]
        try:
            found = judge(row["field"], expected, fields, directories, sections)
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
