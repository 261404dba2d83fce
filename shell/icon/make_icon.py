#!/usr/bin/env python3
"""Draws the program's icon, a sheet of paper cut in two, as a 32 x 32 32-bit .ico.

Run it after changing the drawing: python3 make_icon.py quorvanteline.ico
The .ico it writes is kept in the repository, so that a build needs no Python.
"""
import struct
import sys

SIZE = 32
TRANSPARENT = (0, 0, 0, 0)
OUTLINE = (60, 64, 72, 255)
PAPER = (250, 250, 246, 255)
FOLD = (205, 210, 218, 255)
WRITING = (70, 110, 190, 255)
CUT = (215, 40, 40, 255)


def blank():
    return [[TRANSPARENT] * SIZE for _ in range(SIZE)]


def sheet_piece(pixels, left, top, right, bottom, folded_corner):
    """One piece of the sheet: outlined paper with lines of writing; the upper piece keeps
    the dog-ear in its top right corner."""
    fold = 6 if folded_corner else 0
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            if folded_corner and x - (right - fold) > y - top:
                continue  # cut away by the dog-ear
            edge = x in (left, right) or y in (top, bottom)
            on_fold_edge = folded_corner and x - (right - fold) == y - top
            pixels[y][x] = OUTLINE if edge or on_fold_edge else PAPER
    if folded_corner:
        for y in range(top, top + fold + 1):
            for x in range(right - fold, right + 1):
                if x - (right - fold) < y - top:
                    on_edge = x == right - fold or y == top + fold
                    pixels[y][x] = OUTLINE if on_edge else FOLD
    for y in range(top + 3, bottom - 1, 3):
        for x in range(left + 3, right - 2):
            if folded_corner and y < top + fold + 2 and x > right - fold - 2:
                continue
            pixels[y][x] = WRITING


def cut_line(pixels, y):
    """The dashed red line along which the sheet was cut."""
    for x in range(1, SIZE - 1):
        if x % 4 != 3:
            pixels[y][x] = CUT


def draw():
    pixels = blank()
    sheet_piece(pixels, 3, 1, 22, 13, folded_corner=True)
    sheet_piece(pixels, 9, 18, 28, 30, folded_corner=False)
    cut_line(pixels, 15)
    cut_line(pixels, 16)
    return pixels


def ico_bytes(pixels):
    """An icon file with one 32 x 32 image: a BITMAPINFOHEADER of double height, the
    colour rows bottom-up as BGRA, then the 1-bit AND mask (1 = transparent)."""
    colour = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        bits = 0
        for x, (r, g, b, a) in enumerate(row):
            colour += bytes((b, g, r, a))
            if a == 0:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    image = header + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT.ico")
    with open(sys.argv[1], "wb") as out:
        out.write(ico_bytes(draw()))


if __name__ == "__main__":
    main()
