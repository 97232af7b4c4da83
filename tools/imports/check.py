#!/usr/bin/env python3
"""Check DARIVOVA.EXE's import table against the audit in this directory.

    python3 tools/imports/check.py --arch x86|x64 PATH/TO/DARIVOVA.EXE

Wine exports every function whatever Windows version it pretends to be, so a
run under Wine proves nothing about old systems. This reads the imports the
loader will resolve and fails (exit 1) when one of them is not audited, or the
audit does not place it on every system the build claims to run on:
  x86: Windows 95 and NT 4.0 (and wide functions must be usable on 9x);
  x64: Windows NT 5.2 (XP x64 / Server 2003 SP1).
It also fails on audit rows whose claims their cited reference lists do not
back, whether or not this build imports them.
"""
import argparse
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
AUDIT = os.path.join(HERE, "audit.tsv")
REFERENCE_DIR = os.path.join(HERE, "reference")

OBJDUMP = {"x86": "i686-w64-mingw32-objdump", "x64": "x86_64-w64-mingw32-objdump"}
FILE_FORMAT = {"x86": "pei-i386", "x64": "pei-x86-64"}
NEWEST_NT = {"x86": (4, 0), "x64": (5, 2)}
COLUMNS = ["dll", "function", "win9x", "nt", "src9x", "srcnt", "wide9x", "note"]
WIN9X_VALUES = ("95", "98", "ME", "-")


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


def read_audit(problems):
    """Parse audit.tsv; report malformed rows and claims the cited lists deny."""
    rows, docs = {}, set()
    with open(AUDIT, encoding="utf-8") as f:
        lines = f.read().splitlines()
    for line in lines:
        m = re.match(r"#\s*(doc:\S+)\s", line)
        if m:
            docs.add(m.group(1))
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
