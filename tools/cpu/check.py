#!/usr/bin/env python3
"""Check that DARIVOVA.EXE's code runs on the oldest processor its build claims.

    python3 tools/cpu/check.py --arch x86|x64 PATH/TO/DARIVOVA.EXE

Wine runs the program on this machine's processor, so a run proves nothing
about an 80486. This disassembles every executable section of the image and
fails (exit 1), naming instruction and address, on each instruction that
instructions.tsv forbids for the build:
  x86: anything the 80486 lacks;
  x64: anything the first x86-64 processors (Athlon 64, EM64T) lack.
It also fails when code could run that the disassembly does not show: bytes
that do not decode, an entry point outside the code, or a TLS directory
(whose callbacks the loader runs before the entry point).
"""
import argparse
import os
import re
import struct
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
import pe  # noqa: E402  (tools/pe.py)

INSTRUCTIONS = os.path.join(HERE, "instructions.tsv")
PROCESSORS = os.path.join(HERE, "processors.tsv")

OBJDUMP = {"x86": "i686-w64-mingw32-objdump", "x64": "x86_64-w64-mingw32-objdump"}
MODE = {"x86": "32", "x64": "64"}
OLDEST = {"x86": "the 80486", "x64": "the first x86-64 processors"}
# Words that objdump prints before the mnemonic.
PREFIXES = re.compile(r"(lock|rep\w*|data16|data32|addr16|addr32|[c-gs]s|rex(\.\w+)?|notrack|bnd|"
                      r"xacquire|xrelease|\{\w+\})$")


def read_table(path, columns, problems):
    """Rows of a tab-separated file as dicts; the first non-comment line is the header."""
    rows, header = [], None
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f.read().splitlines(), 1):
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            where = "%s:%d" % (os.path.basename(path), number)
            if header is None:
                header = fields
                if header != columns:
                    problems.append("%s: header must be: %s" % (where, " ".join(columns)))
                    return []
            elif len(fields) != len(columns):
                problems.append("%s: %d fields, want %d" % (where, len(fields), len(columns)))
            else:
                row = dict(zip(columns, fields))
                row["where"] = where
                rows.append(row)
    return rows


def forbidden_rows(arch, problems):
    """The rows of instructions.tsv that hold for the build and name a processor it lacks."""
    allowed = {}
    for row in read_table(PROCESSORS, ["processor", "x86", "x64"], problems):
        if row["x86"] not in ("yes", "no") or row["x64"] not in ("yes", "no"):
            problems.append("%s: x86 and x64 must be yes or no" % row["where"])
        allowed[row["processor"]] = row[arch] == "yes"
    forbidden = []
    for row in read_table(INSTRUCTIONS, ["kind", "pattern", "mode", "processor", "note"], problems):
        where = row["where"]
        if row["kind"] not in ("mnemonic", "register", "encoding"):
            problems.append("%s: kind must be mnemonic, register or encoding" % where)
        if row["mode"] not in ("32", "64", "any"):
            problems.append("%s: mode must be 32, 64 or any" % where)
        if row["processor"] not in allowed:
            problems.append("%s: processor %r is not in processors.tsv" % (where, row["processor"]))
            continue
        try:
            if row["kind"] == "register":
                row["regex"] = re.compile(r"%(?:" + row["pattern"] + r")\b")
            else:
                row["regex"] = re.compile(row["pattern"])
        except re.error as e:
            problems.append("%s: pattern: %s" % (where, e))
            continue
        if row["mode"] in ("any", MODE[arch]) and not allowed[row["processor"]]:
            forbidden.append(row)
    return forbidden


def linker_lists_start(data, word, code):
    """Offset in data where the linker's constructor and destructor lists begin.

    ld's script puts both at the end of .text: each is -1, pointers into the
    code, 0. They are data; everything before them is code. Returns len(data)
    when the section does not end so."""
    def pointer_into_code(value):
        return any(start <= value < start + len(bytes_) for _, start, bytes_ in code)

    end, marker = len(data), (1 << (8 * word)) - 1
    fmt = "<Q" if word == 8 else "<I"
    for _ in range(2):
        if end < 2 * word or struct.unpack_from(fmt, data, end - word)[0] != 0:
            return len(data)
        end -= word
        while True:
            if end < word:
                return len(data)
            value = struct.unpack_from(fmt, data, end - word)[0]
            end -= word
            if value == marker:
                break
            if not pointer_into_code(value):
                return len(data)
    return end


def disassemble(path, arch, name, start, stop):
    """[(address, bytes, mnemonic, operands)] of one section from start to stop;
    bytes as objdump prints them, two hex digits each, space-separated."""
    result = subprocess.run(
        [OBJDUMP[arch], "-D", "-w", "-j", name,
         "--start-address=0x%x" % start, "--stop-address=0x%x" % stop, path],
        capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit("check.py: %s failed:\n%s" % (OBJDUMP[arch], result.stderr))
    instructions = []
    for line in result.stdout.splitlines():
        m = re.match(r"\s*([0-9a-f]+):\t([0-9a-f ]+)\t(.*)$", line)
        if not m:
            continue
        words = m.group(3).split()
        while len(words) > 1 and PREFIXES.match(words[0]):
            words.pop(0)
        if words:
            instructions.append((int(m.group(1), 16), " ".join(m.group(2).split()), words[0],
                                 " ".join(words[1:])))
    return instructions


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--arch", choices=sorted(OBJDUMP), required=True)
    parser.add_argument("exe")
    args = parser.parse_args()

    problems = []
    forbidden = forbidden_rows(args.arch, problems)
    if problems:
        for problem in problems:
            print("check.py: %s" % problem)
        return 1

    image = pe.Image(args.exe, args.arch)
    entry, code = image.base + image.entry, image.code()
    tls = any(image.directories[pe.TLS_DIRECTORY])
    word = 8 if args.arch == "x64" else 4
    findings, total, entry_seen = [], 0, False
    if tls:
        findings.append((None, "TLS directory", "its callbacks run before the entry point"))
    for name, va, data in code:
        stop = va + linker_lists_start(data, word, code)
        entry_seen = entry_seen or va <= entry < stop
        instructions = disassemble(args.exe, args.arch, name, va, stop) if stop > va else []
        for address, encoding, mnemonic, operands in instructions:
            total += 1
            if mnemonic in ("(bad)", ".byte"):
                findings.append((address, "%s %s" % (mnemonic, operands),
                                 "bytes that do not decode: what runs there cannot be checked"))
                continue
            for row in forbidden:
                if row["kind"] == "register":
                    hit = row["regex"].search(operands)
                elif row["kind"] == "encoding":
                    hit = row["regex"].match(encoding)
                else:
                    hit = row["regex"].fullmatch(mnemonic)
                if hit:
                    note = ": " + row["note"] if row["note"] else ""
                    findings.append((address, "%s %s" % (mnemonic, operands), row["processor"] + note))
                    break
    if not entry_seen:
        findings.append((entry, "entry point", "outside the code this check disassembles"))

    label = "%s (%s, %s)" % (args.exe, args.arch, OLDEST[args.arch])
    if findings:
        print("check.py: %s: %d problems in %d instructions:" % (label, len(findings), total))
        for address, instruction, why in findings:
            where = "0x%x" % address if address is not None else "image"
            print("  %-12s %-32s %s" % (where, instruction.strip(), why))
        return 1
    print("check.py: %s: %d instructions, every one executable there" % (label, total))
    return 0


if __name__ == "__main__":
    sys.exit(main())
