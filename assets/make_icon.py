#!/usr/bin/env python3
"""Draws Vantrel's icon: a green rounded square with a console prompt ">_".

Writes a Windows .ico with 16, 24, 32 and 48 pixel images in 32-bit colour
(BGRA bitmaps with alpha, which every Windows version from 7 on reads).
Usage: make_icon.py OUTPUT.ico [PREVIEW.ppm]
"""
import math
import struct
import sys

SIZES = (16, 24, 32, 48)
SUPERSAMPLING = 4

BACKGROUND_TOP = (0x4C, 0xE0, 0x8F)
BACKGROUND_BOTTOM = (0x1E, 0x9E, 0x5A)
PROMPT = (0xFF, 0xFF, 0xFF)


def rounded_square_inside(x, y, radius):
    """Whether (x, y), in unit coordinates, lies in the rounded square."""
    margin = 0.04
    cx = min(max(x, margin + radius), 1 - margin - radius)
    cy = min(max(y, margin + radius), 1 - margin - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def distance_to_segment(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy))


def prompt_inside(x, y):
    """The ">" chevron and the "_" cursor, as thick strokes."""
    stroke = 0.075
    chevron = min(distance_to_segment(x, y, 0.24, 0.28, 0.50, 0.50),
                  distance_to_segment(x, y, 0.50, 0.50, 0.24, 0.72))
    cursor = distance_to_segment(x, y, 0.56, 0.72, 0.78, 0.72)
    return min(chevron, cursor) <= stroke


def pixel(size, px, py):
    """Premultiplied-free RGBA of one pixel, averaged over subsamples."""
    r = g = b = a = 0.0
    n = SUPERSAMPLING
    for sy in range(n):
        for sx in range(n):
            x = (px + (sx + 0.5) / n) / size
            y = (py + (sy + 0.5) / n) / size
            if not rounded_square_inside(x, y, 0.2):
                continue
            if prompt_inside(x, y):
                colour = PROMPT
            else:
                colour = tuple(top + (bottom - top) * y
                               for top, bottom in zip(BACKGROUND_TOP, BACKGROUND_BOTTOM))
            r, g, b, a = r + colour[0], g + colour[1], b + colour[2], a + 1
    samples = n * n
    if a == 0:
        return (0, 0, 0, 0)
    return (round(r / a), round(g / a), round(b / a), round(255 * a / samples))


def render(size):
    return [[pixel(size, x, y) for x in range(size)] for y in range(size)]


def bitmap_entry(image):
    """A BITMAPINFOHEADER image: BGRA rows bottom-up, then an all-zero AND mask."""
    size = len(image)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(image) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    return header + pixels + bytes(mask_row * size)


def icon_file(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for image in images:
        blob = bitmap_entry(image)
        size = len(image)
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob),
                               offset + len(data))
        data += blob
    return directory + entries + data


def preview(image):
    """The image over white, as a binary PPM, for looking at the drawing."""
    size = len(image)
    rows = b"".join(
        bytes(round(c * a / 255 + 255 * (1 - a / 255)) for c in (r, g, b))
        for row in image for (r, g, b, a) in row)
    return b"P6 %d %d 255\n" % (size, size) + rows


def main():
    images = [render(size) for size in SIZES]
    with open(sys.argv[1], "wb") as out:
        out.write(icon_file(images))
    if len(sys.argv) > 2:
        with open(sys.argv[2], "wb") as out:
            out.write(preview(images[-1]))


if __name__ == "__main__":
    main()
