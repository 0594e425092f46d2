#!/usr/bin/env python3
"""Draws the agent's notification-area icon: one 48 x 48 image, 32-bit colour.

A mouse outline in white on a rounded dark-blue tile, with a cyan wheel and a
cyan stripe. Writes an .ico file (BITMAPINFOHEADER image with alpha and an
AND mask) to the path given as the only argument.
"""
import struct
import sys

SIZE = 48


def inside_rounded_rect(x, y, left, top, right, bottom, radius):
    if x < left or x > right or y < top or y > bottom:
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def pixel(x, y):
    """Colour of one pixel as (blue, green, red, alpha)."""
    px, py = x + 0.5, y + 0.5
    if not inside_rounded_rect(px, py, 1, 1, 47, 47, 9):
        return (0, 0, 0, 0)
    tile = (96, 40, 16, 255)
    # Mouse body: a tall rounded shape in the middle of the tile.
    body = inside_rounded_rect(px, py, 14, 7, 34, 41, 10)
    body_inner = inside_rounded_rect(px, py, 16.5, 9.5, 31.5, 38.5, 8)
    if body and not body_inner:
        return (255, 255, 255, 255)
    if body_inner:
        if abs(px - 24) <= 1.0 and py < 21:
            return (255, 255, 255, 255)  # split between the buttons
        if inside_rounded_rect(px, py, 22, 12, 26, 19, 2):
            return (255, 230, 0, 255)  # wheel
        if 21 <= py <= 22.5:
            return (255, 230, 0, 255)  # lighting stripe
        return (70, 28, 10, 255)
    return tile


def main():
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up, as bitmaps are stored
        rows.append(b"".join(struct.pack("BBBB", *pixel(x, y)) for x in range(SIZE)))
    xor = b"".join(rows)
    mask_row_bytes = ((SIZE + 31) // 32) * 4
    mask = bytes(mask_row_bytes * SIZE)  # the alpha channel decides transparency
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    with open(sys.argv[1], "wb") as out:
        out.write(directory + entry + image)


if __name__ == "__main__":
    main()
