"""The headers of a PE image, as the checks under tools/ read them.

    image = pe.Image(path, "x86" | "x64")

Leaves the program (sys.exit) with a message when the file is not a PE image
of that architecture.
"""
import struct
import sys

MACHINE = {"x86": 0x14C, "x64": 0x8664}
MAGIC = {"x86": 0x10B, "x64": 0x20B}
SCN_CNT_CODE = 0x20
SCN_MEM_EXECUTE = 0x20000000
# The optional header's fields that Image.fields holds.
FIELDS = ("Subsystem", "MajorSubsystemVersion", "MinorSubsystemVersion", "MajorOperatingSystemVersion",
          "MinorOperatingSystemVersion", "FileAlignment", "SectionAlignment")
# Indexes into the data directories.
EXCEPTION_DIRECTORY = 3
TLS_DIRECTORY = 9


class Section:
    def __init__(self, image, header):
        self.name = image[header:header + 8].rstrip(b"\0").decode("ascii", "replace")
        self.size, self.rva, self.raw_size, self.raw_offset = struct.unpack_from("<IIII", image, header + 8)
        self.flags = struct.unpack_from("<I", image, header + 36)[0]
        self.executable = bool(self.flags & (SCN_CNT_CODE | SCN_MEM_EXECUTE))
        # What the file holds of it: the rest of a section past its raw data is zeros.
        self.loaded = min(self.size or self.raw_size, self.raw_size)
        self.data = image[self.raw_offset:self.raw_offset + self.loaded]


class Image:
    def __init__(self, path, arch):
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
        wide = arch == "x64"
        self.bytes = image
        self.entry = struct.unpack_from("<I", image, optional + 16)[0]
        self.base = struct.unpack_from("<Q" if wide else "<I", image, optional + (24 if wide else 28))[0]
        # From SectionAlignment on, PE32 and PE32+ differ only in the width of
        # the stack and heap sizes, after the fields read here.
        (section_alignment, file_alignment, major_os, minor_os, _, _, major_subsystem, minor_subsystem,
         _, _, _, _, subsystem) = struct.unpack_from("<IIHHHHHHIIIIH", image, optional + 32)
        self.fields = {
            "Subsystem": subsystem,
            "MajorSubsystemVersion": major_subsystem, "MinorSubsystemVersion": minor_subsystem,
            "MajorOperatingSystemVersion": major_os, "MinorOperatingSystemVersion": minor_os,
            "FileAlignment": file_alignment, "SectionAlignment": section_alignment,
        }
        directories = optional + (112 if wide else 96)
        count = struct.unpack_from("<I", image, directories - 4)[0]
        # (RVA, size) of each of the 16 data directories; (0, 0) past the count.
        self.directories = [struct.unpack_from("<II", image, directories + 8 * i) if i < count else (0, 0)
                            for i in range(16)]
        self.sections = [Section(image, optional + optional_size + 40 * i) for i in range(section_count)]

    def code(self):
        """[(name, VA, bytes)] of the executable sections."""
        return [(s.name, self.base + s.rva, s.data) for s in self.sections if s.executable]

    def read_at(self, rva, length):
        """length bytes of the image at an RVA, or None when no section holds them."""
        for s in self.sections:
            if s.rva <= rva and rva + length <= s.rva + min(s.size, s.raw_size):
                return self.bytes[s.raw_offset + rva - s.rva:s.raw_offset + rva - s.rva + length]
        return None
