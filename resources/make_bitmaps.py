#!/usr/bin/env python3
"""Writes the two 32 x 32, 16-colour bitmaps of the extension (resources 400 and 401):
a game pad drawn from the picture below, in colour and in greys.
Run from the repository root: python3 resources/make_bitmaps.py"""
import struct

PICTURE = """
................................
................................
................................
................................
................................
................................
................................
.......KKKKKK......KKKKKK.......
.....KKBBBBBBKKKKKKBBBBBBKK.....
....KBBBBBBBBBBBBBBBBBBBBBBK....
...KBBBBBBBBBBBBBBBBBBBBBBBBK...
..KBBBBBKKBBBBBBBBBBBBBBYBBBBK..
..KBBBBBKKBBBBBBBBBBBBBYYYBBBK..
..KBBBBBKKBBBBBBBBBBBBBBYBBBBK..
.KBBBKKKKKKKKBBBBBBBBBGBBBRBBBK.
.KBBBKKKKKKKKBBBWWBWWGGGBRRRBBK.
.KBBBBBBKKBBBBBBBBBBBBGBBBRBBBK.
.KBBBBBBKKBBBBBBBBBBBBBBEBBBBBK.
.KBBBBBBKKBBBBBBBBBBBBBEEEBBBBK.
.KBBBBBBBBBBBBBBBBBBBBBBEBBBBBK.
.KBBBBBBBBBBKKKKKKKKBBBBBBBBBBK.
.KBBBBBBBBBK........KBBBBBBBBBK.
.KBBBBBBBBK..........KBBBBBBBBK.
..KBBBBBBK............KBBBBBBK..
..KBBBBBK..............KBBBBBK..
...KBBBK................KBBBK...
....KKK..................KKK....
................................
................................
................................
................................
................................
"""

# The 16 colours of the standard palette, as (blue, green, red).
PALETTE = [(0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128), (128, 128, 0),
           (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255), (255, 0, 0),
           (255, 0, 255), (255, 255, 0), (255, 255, 255)]

# Palette index of each picture letter, in colour and in greys.
COLOUR = {'.': 15, 'K': 0, 'B': 8, 'W': 7, 'R': 9, 'G': 10, 'Y': 11, 'E': 12}
GREY = {'.': 15, 'K': 0, 'B': 7, 'W': 15, 'R': 8, 'G': 8, 'Y': 8, 'E': 8}


def write_bitmap(path, colours):
    rows = [line for line in PICTURE.strip().splitlines()]
    assert len(rows) == 32 and all(len(r) == 32 for r in rows)
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        for x in range(0, 32, 2):
            pixels.append(colours[row[x]] << 4 | colours[row[x + 1]])
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (b, g, r) in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, 32, 32, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    with open(path, 'wb') as f:
        f.write(header + info + palette + bytes(pixels))


write_bitmap('resources/pad.bmp', COLOUR)
write_bitmap('resources/pad_grey.bmp', GREY)
