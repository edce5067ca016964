#!/usr/bin/env python3
"""Draws the program icon, an external disk drive with a lit lamp, at 64, 48, 32 and
16 pixels, 32 bits per pixel, and writes it as res/program.ico.

    python3 tools/make_program_icon.py [output]
"""
import math
import struct
import sys

SIZES = (64, 48, 32, 16)


def coverage(x, y, size):
    """How much of pixel (x, y) lies inside the rounded drive body (0..1), 4x4 samples."""
    margin_x, margin_y = size * 0.16, size * 0.06
    left, right = margin_x, size - margin_x
    top, bottom = margin_y, size - margin_y
    radius = size * 0.14
    inside = 0
    for sy in range(4):
        for sx in range(4):
            px, py = x + (sx + 0.5) / 4, y + (sy + 0.5) / 4
            cx = min(max(px, left + radius), right - radius)
            cy = min(max(py, top + radius), bottom - radius)
            if (px - cx) ** 2 + (py - cy) ** 2 <= radius ** 2 and left <= px <= right and top <= py <= bottom:
                inside += 1
    return inside / 16


def colour(x, y, size):
    """Body colour at the pixel centre: light body, dark band at the foot, green lamp."""
    fy = (y + 0.5) / size
    fx = (x + 0.5) / size
    lamp = math.hypot(fx - 0.5, fy - 0.32)
    if lamp < 0.11:
        glow = 1 - lamp / 0.11
        return (40, int(170 + 80 * glow), 40)
    if lamp < 0.14:
        return (90, 110, 90)
    if fy > 0.74:
        if 0.60 < fx < 0.74 and 0.80 < fy < 0.88:
            return (128, 128, 40)
        return (70, 74, 82)
    shade = int(236 - 30 * fy)
    return (shade, shade, shade + 4)


def image(size):
    pixels = bytearray()
    mask = bytearray()
    row_bytes = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        bits = 0
        row = bytearray(row_bytes)
        for x in range(size):
            alpha = coverage(x, y, size)
            r, g, b = colour(x, y, size)
            pixels += bytes((b, g, r, int(round(alpha * 255))))
            if alpha == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    return header + bytes(pixels) + bytes(mask)


def icon_file():
    images = [image(size) for size in SIZES]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b''.join(images)


if __name__ == '__main__':
    target = sys.argv[1] if len(sys.argv) > 1 else 'res/program.ico'
    with open(target, 'wb') as f:
        f.write(icon_file())
