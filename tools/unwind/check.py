#!/usr/bin/env python3
"""Check that the 64-bit DARIVOVA.EXE has unwind data wherever x64 needs it.

    python3 tools/unwind/check.py PATH/TO/DARIVOVA.EXE

x64 Windows finds a function's frame only through the image's exception
directory (.pdata): one entry per function, its code range and its unwind
information (.xdata). Every function that calls another, pushes a register or
moves the stack pointer must have one; a leaf that does none of these needs
none. Without it the system's exception dispatch cannot walk past our frames,
so a fault in our code is neither reported nor debuggable. Wine walks frames
without the data, so only this check shows it.

Fails (exit 1) when the exception directory is missing or malformed (entries
unsorted, overlapping, outside the code, or pointing at unwind information
that is not there), when an instruction that calls, pushes or writes the stack
pointer lies outside every entry's range, or when a call lands inside an
entry's range rather than at its start (the unwinder would take the callee
for the middle of another function).
"""
import os
import re
import struct
import subprocess
import sys

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
sys.path[:0] = [TOOLS, os.path.join(TOOLS, "cpu")]
import pe  # noqa: E402  (tools/pe.py)
from check import linker_lists_start  # noqa: E402  (tools/cpu/check.py)

OBJDUMP = "x86_64-w64-mingw32-objdump"
UNW_FLAG_CHAININFO = 0x4
# The instructions that make a frame: a call, a push, or a write to %rsp
# (AT&T syntax: the destination comes last).
FRAME_MAKING = re.compile(r"(call\w*|push\w*|enter\w*)$")
WRITES_RSP = re.compile(r"(^|,)%rsp$")


def read_entries(image, problems):
    """The exception directory's (begin, end) ranges, checked."""
    rva, size = image.directories[pe.EXCEPTION_DIRECTORY]
    code = [(s.rva, s.loaded) for s in image.sections if s.executable]
    if rva == 0 or size == 0:
        problems.append("no exception directory (.pdata): no function has unwind data")
        return []
    if size % 12 != 0:
        problems.append("exception directory: %d bytes, not a whole number of 12-byte entries" % size)
    data = image.read_at(rva, size - size % 12)
    if data is None:
        problems.append("exception directory at 0x%x lies outside the image's sections" % rva)
        return []
    entries, previous_end = [], 0
    for i in range(len(data) // 12):
        begin, end, info = struct.unpack_from("<III", data, 12 * i)
        where = "entry %d (0x%x-0x%x)" % (i, begin, end)
        if begin >= end:
            problems.append("%s: empty or reversed range" % where)
        if begin < previous_end:
            problems.append("%s: not sorted, or overlapping the entry before" % where)
        if not any(start <= begin and end <= start + length for start, length in code):
            problems.append("%s: outside the code" % where)
        header = image.read_at(info, 4)
        if header is None:
            problems.append("%s: unwind information at 0x%x lies outside the image" % (where, info))
        else:
            version, flags = header[0] & 7, header[0] >> 3
            codes = header[2]
            if version not in (1, 2):
                problems.append("%s: unwind information version %d" % (where, version))
            if flags & UNW_FLAG_CHAININFO:
                # The chained entry follows the unwind codes (padded to an even count).
                chained = image.read_at(info + 4 + 2 * ((codes + 1) & ~1), 12)
                if chained is None:
                    problems.append("%s: chained unwind information outside the image" % where)
        entries.append((begin, end))
        previous_end = max(previous_end, end)
    return entries


def disassemble(path, name, start, stop):
    result = subprocess.run([OBJDUMP, "-d", "-w", "--no-show-raw-insn", "-j", name,
                             "--start-address=0x%x" % start, "--stop-address=0x%x" % stop, path],
                            capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit("check.py: %s failed:\n%s" % (OBJDUMP, result.stderr))
    for line in result.stdout.splitlines():
        m = re.match(r"\s*([0-9a-f]+):\t(\S+)\s*(.*)$", line)
        if m:
            yield int(m.group(1), 16), m.group(2), m.group(3).split("#")[0].strip()


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.split("\n\n")[1])
    path = sys.argv[1]
    image = pe.Image(path, "x64")
    base = image.base
    problems = []
    entries = read_entries(image, problems)

    def covering(rva):
        return next(((b, e) for b, e in entries if b <= rva < e), None)

    code = image.code()
    framed, calls = 0, []
    for name, va, data in code:
        stop = va + linker_lists_start(data, 8, code)
        for address, mnemonic, operands in disassemble(path, name, va, stop):
            rva = address - base
            if mnemonic.startswith("call"):
                m = re.fullmatch(r"(?:0x)?([0-9a-f]+)(\s+<.*>)?", operands)
                if m:
                    calls.append((rva, int(m.group(1), 16) - base))
            if FRAME_MAKING.match(mnemonic) or WRITES_RSP.search(operands):
                framed += 1
                if covering(rva) is None:
                    problems.append("0x%x %s %s: makes a frame outside every unwind entry" % (
                        address, mnemonic, operands))
    for rva, target in calls:
        entry = covering(target)
        if entry is not None and entry[0] != target:
            problems.append("0x%x: call to 0x%x, inside the unwind entry 0x%x-0x%x rather than at its start" % (
                base + rva, base + target, base + entry[0], base + entry[1]))
    for problem in problems:
        print("FAIL " + problem)
    print("check.py: %s: %d unwind entries, %d frame-making instructions, %d direct calls, %s" % (
        path, len(entries), framed, len(calls), "%d problems" % len(problems) if problems else "every one covered"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
