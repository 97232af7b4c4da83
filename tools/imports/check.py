#!/usr/bin/env python3
"""Check DARIVOVA.EXE's import table against the audit in this directory.

    python3 tools/imports/check.py --arch x86|x64 PATH/TO/DARIVOVA.EXE

Wine exports every function whatever Windows version it pretends to be, so a
run under Wine proves nothing about old systems. This reads the imports the
loader will resolve and fails (exit 1) when one of them is not audited, or the
audit does not place it on every system the build claims to run on:
  x86: Windows 95 and NT 4.0 (and wide functions must be usable on 9x);
  x64: Windows NT 5.2 (XP x64 / Server 2003 SP1).
It also fails when a system the build claims (systems.tsv) does not carry an
imported DLL at all (dlls.tsv): the loader then refuses the whole program. And
it fails on audit rows whose claims their cited reference lists do not back,
whether or not this build imports them.
"""
import argparse
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
AUDIT = os.path.join(HERE, "audit.tsv")
DLLS = os.path.join(HERE, "dlls.tsv")
SYSTEMS = os.path.join(HERE, "systems.tsv")
REFERENCE_DIR = os.path.join(HERE, "reference")

OBJDUMP = {"x86": "i686-w64-mingw32-objdump", "x64": "x86_64-w64-mingw32-objdump"}
FILE_FORMAT = {"x86": "pei-i386", "x64": "pei-x86-64"}
NEWEST_NT = {"x86": (4, 0), "x64": (5, 2)}
COLUMNS = ["dll", "function", "win9x", "nt", "src9x", "srcnt", "wide9x", "note"]
WIN9X_VALUES = ("95", "98", "ME", "-")
# The Windows 9x releases by build, oldest first.
WIN9X_BUILDS = ["4.00.950", "4.00.950A", "4.00.950B", "4.00.950C", "4.10.1998", "4.10.2222", "4.90.3000"]


def nt_version(text):
    """'3.51' -> (3, 51); '-' (never) -> None."""
    if text == "-":
        return None
    major, minor = text.split(".")
    return (int(major), int(minor))


def dll_key(name):
    name = name.upper()
    return name if name.endswith(".DLL") else name + ".DLL"


def looks_wide(dll, function):
    # The C runtime implements its wide functions itself; only system DLLs
    # have 9x stubs. Names like lstrlenW or CreateSemaphoreW end in a W that
    # follows a lower-case letter or digit.
    return dll != "MSVCRT.DLL" and re.search(r"[a-z0-9]W$", function) is not None


def read_reference(name, cache={}):
    """Return (claims, names) of reference/NAME, or None if it is missing."""
    if name not in cache:
        path = os.path.join(REFERENCE_DIR, name)
        if not os.path.isfile(path):
            cache[name] = None
        else:
            claims, names = {}, set()
            with open(path, encoding="utf-8") as f:
                for line in f:
                    line = line.strip()
                    if line.startswith("# claims:"):
                        for item in line[len("# claims:"):].split():
                            key, _, value = item.partition("=")
                            claims[key] = value
                    elif line and not line.startswith("#"):
                        names.add(line.split()[-1])
            cache[name] = (claims, names)
    return cache[name]


def read_docs():
    """The doc:<key> documents defined at the top of audit.tsv."""
    with open(AUDIT, encoding="utf-8") as f:
        return {m.group(1) for m in (re.match(r"#\s*(doc:\S+)\s", line) for line in f) if m}


def read_audit(problems):
    """Parse audit.tsv; report malformed rows and claims the cited lists deny."""
    rows, docs = {}, read_docs()
    with open(AUDIT, encoding="utf-8") as f:
        lines = f.read().splitlines()
    header_seen = False
    for number, line in enumerate(lines, 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        where = "audit.tsv:%d" % number
        if not header_seen:
            header_seen = True
            if fields != COLUMNS:
                problems.append("%s: header must be: %s" % (where, " ".join(COLUMNS)))
                return rows
            continue
        if len(fields) != len(COLUMNS):
            problems.append("%s: %d fields, want %d" % (where, len(fields), len(COLUMNS)))
            continue
        row = dict(zip(COLUMNS, fields))
        row["dll"] = dll_key(row["dll"])
        key = (row["dll"], row["function"])
        label = "%s!%s" % key
        if key in rows:
            problems.append("%s: %s listed twice" % (where, label))
            continue
        rows[key] = row
        if row["win9x"] not in WIN9X_VALUES:
            problems.append("%s: %s: win9x must be one of %s" % (where, label, " ".join(WIN9X_VALUES)))
        if not re.fullmatch(r"-|\d+\.\d+", row["nt"]):
            problems.append("%s: %s: nt must be a version like 3.51, or -" % (where, label))
        wide = row["wide9x"]
        if not (wide in ("-", "implemented", "stub") or re.fullmatch(r"stub: \S.*", wide)):
            problems.append("%s: %s: wide9x must be -, implemented, stub or 'stub: why harmless'" % (where, label))
        for column, family in (("src9x", "win9x"), ("srcnt", "nt")):
            claim = row[family]
            if not row[column].split():
                problems.append("%s: %s: %s is empty" % (where, label, column))
            for source in row[column].split():
                if source == "-":
                    if claim != "-":
                        problems.append("%s: %s: %s=%s needs a source" % (where, label, family, claim))
                elif source.startswith("doc:"):
                    if source not in docs:
                        problems.append("%s: %s: %s is not defined at the top of audit.tsv" % (where, label, source))
                else:
                    reference = read_reference(source)
                    if reference is None:
                        problems.append("%s: %s: no reference list %s" % (where, label, source))
                        continue
                    claims, names = reference
                    if claims.get(family) != claim:
                        problems.append("%s: %s: claims %s=%s but %s backs %s=%s" % (
                            where, label, family, claim, source, family, claims.get(family, "nothing")))
                    elif row["function"] not in names:
                        problems.append("%s: %s: claims %s=%s but %s does not list it" % (
                            where, label, family, claim, source))
    if not header_seen:
        problems.append("audit.tsv: no header line")
    return rows


def read_tsv(path, columns, problems):
    """Rows of a tab-separated file as dicts; the first non-comment line is the header."""
    name = os.path.basename(path)
    with open(path, encoding="utf-8") as f:
        lines = [(n, line) for n, line in enumerate(f.read().splitlines(), 1)
                 if line.strip() and not line.startswith("#")]
    if not lines or lines[0][1].split("\t") != columns:
        problems.append("%s: header must be: %s" % (name, " ".join(columns)))
        return []
    rows = []
    for number, line in lines[1:]:
        fields = line.split("\t")
        if len(fields) != len(columns):
            problems.append("%s:%d: %d fields, want %d" % (name, number, len(fields), len(columns)))
            continue
        row = dict(zip(columns, fields))
        row["where"] = "%s:%d" % (name, number)
        rows.append(row)
    return rows


def read_dlls(problems, docs):
    """dlls.tsv as {DLL: row}, its sources checked as the audit's are."""
    dlls = {}
    for row in read_tsv(DLLS, ["dll", "9x", "nt", "src", "note"], problems):
        where, dll = row["where"], dll_key(row["dll"])
        if row["9x"] != "-" and row["9x"] not in WIN9X_BUILDS:
            problems.append("%s: %s: 9x must be - or one of %s" % (where, dll, " ".join(WIN9X_BUILDS)))
        if not re.fullmatch(r"-|\d+\.\d+", row["nt"]):
            problems.append("%s: %s: nt must be a version like 4.0, or -" % (where, dll))
        if not row["src"].split():
            problems.append("%s: %s: src is empty" % (where, dll))
        for source in row["src"].split():
            if source.startswith("doc:"):
                if source not in docs:
                    problems.append("%s: %s: %s is not defined at the top of audit.tsv" % (where, dll, source))
            elif read_reference(source) is None:
                problems.append("%s: %s: no reference list %s" % (where, dll, source))
        if dll in dlls:
            problems.append("%s: %s listed twice" % (where, dll))
        dlls[dll] = row
    return dlls


def claimed_systems(arch, problems):
    systems = []
    for row in read_tsv(SYSTEMS, ["arch", "system", "family", "release"], problems):
        if row["family"] == "9x" and row["release"] not in WIN9X_BUILDS or \
                row["family"] == "nt" and not re.fullmatch(r"\d+\.\d+", row["release"]) or \
                row["family"] not in ("9x", "nt"):
            problems.append("%s: family must be 9x with a build of %s, or nt with a version" % (
                row["where"], " ".join(WIN9X_BUILDS)))
        elif row["arch"] == arch:
            systems.append(row)
    return systems


def lacking_systems(dll_row, systems):
    """The claimed systems that do not carry the DLL of dll_row."""
    lacking = []
    for system in systems:
        first = dll_row[system["family"]]
        if first == "-":
            lacking.append((system, "none"))
        elif system["family"] == "9x" and WIN9X_BUILDS.index(first) > WIN9X_BUILDS.index(system["release"]):
            lacking.append((system, first))
        elif system["family"] == "nt" and nt_version(first) > nt_version(system["release"]):
            lacking.append((system, first))
    return lacking


def read_imports(exe, arch):
    """Return [(DLL, function or '@ordinal')] from objdump's import tables."""
    try:
        result = subprocess.run([OBJDUMP[arch], "-p", exe], capture_output=True, text=True)
    except FileNotFoundError:
        sys.exit("check.py: %s not found" % OBJDUMP[arch])
    if result.returncode != 0:
        sys.exit("check.py: %s failed:\n%s" % (OBJDUMP[arch], result.stderr))
    if "file format %s" % FILE_FORMAT[arch] not in result.stdout:
        sys.exit("check.py: %s is not a %s image (wrong --arch?)" % (exe, FILE_FORMAT[arch]))
    imports, dll = [], None
    for line in result.stdout.splitlines():
        m = re.match(r"\s*DLL Name: (\S+)", line)
        if m:
            dll = dll_key(m.group(1))
            continue
        if line and not line.startswith("\t"):
            dll = None  # next import descriptor, or the end of the tables
            continue
        m = re.match(r"\t([0-9a-fA-F]+)\s+(\d+)\s+(\S+)", line)
        if dll and m:
            hint_or_ordinal, name = m.group(2), m.group(3)
            imports.append((dll, "@%d" % int(hint_or_ordinal) if name == "<none>" else name))
    return imports


def check_import(row, arch, dll, function):
    """Return the reasons this import is not fit for the build's systems."""
    reasons = []
    nt = nt_version(row["nt"])
    if nt is None or nt > NEWEST_NT[arch]:
        reasons.append("oldest NT exporting it: %s, the build claims NT %d.%d" % (
            row["nt"], *NEWEST_NT[arch]))
    if arch == "x86":
        if row["win9x"] != "95":
            reasons.append("oldest Windows 9x exporting it: %s, the build claims Windows 95" % row["win9x"])
        wide = row["wide9x"]
        if wide == "-" and looks_wide(dll, function):
            reasons.append("wide function: the audit must say whether Windows 9x implements it")
        elif wide == "stub":
            reasons.append("Windows 9x only stubs it and the audit gives no reason that is harmless")
    return reasons


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--arch", choices=sorted(OBJDUMP), required=True)
    parser.add_argument("exe")
    args = parser.parse_args()

    problems = []
    rows = read_audit(problems)
    imports = read_imports(args.exe, args.arch)
    dlls = read_dlls(problems, read_docs())
    systems = claimed_systems(args.arch, problems)
    for dll in sorted({dll for dll, _ in imports}):
        if dll not in dlls:
            problems.append("%s: not in dlls.tsv: which systems carry it is unknown" % dll)
            continue
        for system, first in lacking_systems(dlls[dll], systems):
            problems.append("%s: %s lacks it (the first %s release known to carry it: %s)" % (
                dll, system["system"], system["family"], first))

    per_dll = {}
    for dll, function in imports:
        per_dll[dll] = per_dll.get(dll, 0) + 1
        row = rows.get((dll, function))
        label = "%s!%s" % (dll, function)
        if row is None:
            what = "import by ordinal" if function.startswith("@") else "import"
            problems.append("%s: %s missing from audit.tsv" % (label, what))
            continue
        for reason in check_import(row, args.arch, dll, function):
            problems.append("%s: %s" % (label, reason))

    print("%s %s: %d imports from %d DLLs" % (args.arch, os.path.basename(args.exe), len(imports), len(per_dll)))
    for dll in sorted(per_dll):
        print("  %-14s %3d" % (dll, per_dll[dll]))
    unused = len(set(rows) - set(imports))
    if unused:
        print("notice: %d audit rows are not imported by this build (the other build's, or guards)" % unused)
    for problem in problems:
        print("FAIL " + problem)
    print("FAILED: %d problems" % len(problems) if problems else "OK")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
