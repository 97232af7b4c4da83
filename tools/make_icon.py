#!/usr/bin/env python3
"""Draws the program icon (a folder receiving a downward arrow) and writes it
as src/ui/darivova.ico: a 32x32 and a 16x16 image, 16 colours each, with an
AND mask. Run it again to remake the icon; the output is committed."""
import struct
import sys
from pathlib import Path

# The standard 16-colour palette, as (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
CLEAR, BLACK, DARK_YELLOW, GREY, YELLOW, GREEN, DARK_GREEN, WHITE = -1, 0, 3, 8, 11, 10, 2, 15


def draw(size):
    """Returns rows (top first) of palette indexes, CLEAR for transparent."""
    s = size / 32.0
    img = [[CLEAR] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                img[y][x] = colour

    # Folder: a tab, then the body with a dark outline and a lighter front.
    rect(2, 9, 13, 13, DARK_YELLOW)
    rect(3, 10, 12, 13, YELLOW)
    rect(2, 12, 30, 29, DARK_YELLOW)
    rect(3, 13, 29, 28, YELLOW)
    rect(3, 17, 29, 18, DARK_YELLOW)
    # The arrow: a shaft and a head pointing into the folder.
    rect(13, 1, 19, 14, DARK_GREEN)
    rect(14, 1, 18, 14, GREEN)
    for row in range(8):
        half = 8 - row
        rect(16 - half, 13 + row, 16 + half, 14 + row, DARK_GREEN)
        if half > 1:
            rect(17 - half, 13 + row, 15 + half, 14 + row, GREEN)
    # A shadow line under the folder.
    rect(3, 29, 31, 30, GREY)
    return img


def bitmap(img):
    size = len(img)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_rows, and_rows = [], []
    for row in reversed(img):  # bottom-up
        nibbles = [0 if c == CLEAR else c for c in row]
        packed = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(packed.ljust((len(packed) + 3) // 4 * 4, b'\0'))
        bits = 0
        mask = bytearray()
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c == CLEAR else 0)
            if i % 8 == 7:
                mask.append(bits)
                bits = 0
        and_rows.append(bytes(mask).ljust((len(mask) + 3) // 4 * 4, b'\0'))
    return header + palette + b''.join(xor_rows) + b''.join(and_rows)


def icon(sizes):
    images = [bitmap(draw(size)) for size in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b''.join(images)


if __name__ == '__main__':
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent.parent / 'src/ui/darivova.ico'
    target.write_bytes(icon([32, 16]))
    print(f'wrote {target}')
