#!/usr/bin/env python3
"""Draws Vantrel's icon: a green rounded square with a console prompt ">_".

Writes a Windows .ico with 16, 24, 32 and 48 pixel images in 32-bit colour,
each as a PNG with alpha, which every Windows version from Vista on reads at
any size; a PNG of this drawing takes a tenth of the room of a bitmap, and
the icon goes into the program itself.
Usage: make_icon.py OUTPUT.ico [PREVIEW.ppm]
"""
import math
import struct
import sys
import zlib

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


def png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data +
            struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def png_entry(image):
    """An 8-bit RGBA PNG, rows top-down, each with filter type 0."""
    size = len(image)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    rows = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in image)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) +
            png_chunk(b"IDAT", zlib.compress(rows, 9)) + png_chunk(b"IEND", b""))


def icon_file(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for image in images:
        blob = png_entry(image)
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
