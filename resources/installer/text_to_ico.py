#!/usr/bin/env python3
"""Writes a 32 by 32, 16-colour .ico from a text picture.

usage: text_to_ico.py picture.txt out.ico

The picture has 32 lines of 32 characters; lines starting with '#' are comments. Each
character is a hex digit 0-F naming a colour of the standard 16-colour Windows palette, or
'.' for a transparent pixel.
"""
import struct
import sys

SIZE = 32
TRANSPARENT = "."

# The Windows 16-colour palette, in its usual index order, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]


def read_picture(path):
    with open(path, encoding="ascii") as source:
        rows = [line.rstrip("\n") for line in source if not line.startswith("#")]
    rows = [row for row in rows if row.strip()]
    if len(rows) != SIZE or any(len(row) != SIZE for row in rows):
        sys.exit(f"{path}: need {SIZE} lines of {SIZE} characters")
    for y, row in enumerate(rows, 1):
        for ch in row:
            if ch != TRANSPARENT and ch.upper() not in "0123456789ABCDEF":
                sys.exit(f"{path}: line {y}: '{ch}' is neither a colour digit nor '{TRANSPARENT}'")
    return rows


def icon_bytes(rows):
    colour_rows = bytearray()
    mask_rows = bytearray()
    for row in reversed(rows):  # bitmaps are stored bottom-up
        indices = [0 if ch == TRANSPARENT else int(ch, 16) for ch in row]
        colour_rows += bytes((indices[x] << 4) | indices[x + 1] for x in range(0, SIZE, 2))
        bits = 0
        for ch in row:
            bits = (bits << 1) | (ch == TRANSPARENT)
        mask_rows += struct.pack(">I", bits)  # 32 pixels fill one DWORD: no padding
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    # The height counts the colour bitmap and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0,
                         len(colour_rows) + len(mask_rows), 0, 0, 0, 0)
    image = header + palette + bytes(colour_rows) + bytes(mask_rows)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image),
                        len(directory) + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    data = icon_bytes(read_picture(sys.argv[1]))
    with open(sys.argv[2], "wb") as out:
        out.write(data)


if __name__ == "__main__":
    main()
