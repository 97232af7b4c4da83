"""Checks a release zip: the 32-bit DARIVOVA.EXE at the top, the 64-bit one in
x64/, and readme.txt with CRLF line ends only.
    python3 tools/check_package.py dist/darivova-<version>.zip"""
import sys
import zipfile

EXPECTED = ["DARIVOVA.EXE", "readme.txt", "x64/DARIVOVA.EXE"]
# IMAGE_FILE_MACHINE_I386 and IMAGE_FILE_MACHINE_AMD64.
MACHINES = {"DARIVOVA.EXE": 0x14C, "x64/DARIVOVA.EXE": 0x8664}


def machine(image):
    header = int.from_bytes(image[0x3C:0x40], "little")
    return int.from_bytes(image[header + 4:header + 6], "little")


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
            readme = z.read("readme.txt")
            if b"\r\n" not in readme or b"\n" in readme.replace(b"\r\n", b""):
                problems.append("readme.txt does not have CRLF line ends throughout")
    for problem in problems:
        print(f"{path}: {problem}")
    if not problems:
        print(f"{path}: {', '.join(EXPECTED)}; readme with CRLF")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
