"""Checks a release zip: the 32-bit DARIVOVA.EXE at the top, the 64-bit one in
x64/, and readme.txt with CRLF line ends only, naming every DLL either
executable imports (it tells users what the program needs).
    python3 tools/check_package.py dist/darivova-<version>.zip"""
import struct
import sys
import tempfile
import zipfile

import pe

IMPORT_DIRECTORY = 1

EXPECTED = ["DARIVOVA.EXE", "readme.txt", "x64/DARIVOVA.EXE"]
# IMAGE_FILE_MACHINE_I386 and IMAGE_FILE_MACHINE_AMD64.
MACHINES = {"DARIVOVA.EXE": 0x14C, "x64/DARIVOVA.EXE": 0x8664}


def machine(image):
    header = int.from_bytes(image[0x3C:0x40], "little")
    return int.from_bytes(image[header + 4:header + 6], "little")


def imported_dlls(image, arch):
    """The names of the DLLs an executable's import table names, upper case."""
    with tempfile.NamedTemporaryFile(suffix=".exe") as f:
        f.write(image)
        f.flush()
        exe = pe.Image(f.name, arch)
    names = []
    rva = exe.directories[IMPORT_DIRECTORY][0]
    while rva:
        descriptor = exe.read_at(rva, 20)
        name_rva = struct.unpack_from("<I", descriptor, 12)[0] if descriptor else 0
        if not name_rva:
            break
        name = b""
        while (byte := exe.read_at(name_rva + len(name), 1)) not in (None, b"\0"):
            name += byte
        names.append(name.decode("ascii", "replace").upper())
        rva += 20
    return names


def main(path):
    problems = []
    with zipfile.ZipFile(path) as z:
        names = sorted(z.namelist())
        if names != EXPECTED:
            problems.append(f"entries {names}, expected {EXPECTED}")
        else:
            for name, wanted in MACHINES.items():
                if machine(z.read(name)) != wanted:
                    problems.append(f"{name} is not built for machine {wanted:#x}")
            machines_right = not problems
            readme = z.read("readme.txt")
            if b"\r\n" not in readme or b"\n" in readme.replace(b"\r\n", b""):
                problems.append("readme.txt does not have CRLF line ends throughout")
            text = readme.decode("ascii", "replace").upper()
            for name, arch in (("DARIVOVA.EXE", "x86"), ("x64/DARIVOVA.EXE", "x64")) if machines_right else ():
                for dll in imported_dlls(z.read(name), arch):
                    if dll.removesuffix(".DLL") not in text:
                        problems.append(f"readme.txt does not name {dll}, which {name} imports")
    for problem in problems:
        print(f"{path}: {problem}")
    if not problems:
        print(f"{path}: {', '.join(EXPECTED)}; readme with CRLF, naming every imported DLL")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
