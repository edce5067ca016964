#!/usr/bin/env python3
"""Draws the two 16 x 16 tray icons, an external drive seen from the front with a round
lamp that is lit (keep-awake on) or unlit (off), and writes res/tray_on.ico and
res/tray_off.ico.

    python3 tools/make_tray_icons.py [output-directory]   (default: res)
    python3 tools/make_tray_icons.py --show               (prints both pictures)

Each file holds one 16 x 16 image with 32 bits per pixel (blue, green, red, alpha), its
AND mask, and nothing else: 1150 bytes. The two pictures are the same box pixel for pixel
and differ only in the pixels of the lamp.
"""
import math
import os
import struct
import sys

SIZE = 16
SAMPLES = 4  # per pixel side: coverage is measured on a 4 x 4 grid inside each pixel

# ---- the picture, in pixel units (x to the right, y downwards, pixel i spans [i, i+1]) --

# The drive's body: an upright box with rounded corners. Its sides fall inside the second
# and the second-to-last columns and its top and bottom inside the first and last rows,
# so every edge of the box comes out soft.
BODY_LEFT, BODY_RIGHT = 1.4, 14.6
BODY_TOP, BODY_BOTTOM = 0.3, 15.7
BODY_CORNER_RADIUS = 1.5

# The dark band along the foot of the box. Its upper part is a bumper that stands out a
# little on both sides, into the outermost columns, where it shows only faintly.
BAND_TOP = 10.0
BUMPER_TOP, BUMPER_BOTTOM = 10.0, 13.0
BUMPER_LEFT, BUMPER_RIGHT = 0.75, 15.25
BUMPER_OPACITY = 0.5  # of the bumper where it stands out of the box

# The small olive mark in the band, right of the middle.
MARK_LEFT, MARK_RIGHT = 10.0, 13.0
MARK_TOP, MARK_BOTTOM = 11.0, 12.0

# The round lamp in the upper middle, centred on a pixel.
LAMP_X, LAMP_Y = 7.5, 5.5
LAMP_RADIUS = 4.55
LAMP_RIM = 3.3  # beyond this distance from the centre the lamp shows its darker rim

# Colours (red, green, blue).
BODY_TOP_COLOUR = (236, 237, 240)     # light grey, nearly white
BODY_BOTTOM_COLOUR = (214, 216, 220)
BAND_COLOUR = (62, 66, 72)
MARK_COLOUR = (128, 128, 32)          # olive

LIT = {  # the lamp when keep-awake is on: bright green, darker at its rim
    'centre': (150, 255, 150),
    'inside': (40, 215, 60),
    'rim': (0, 120, 24),
}
UNLIT = {  # the lamp when keep-awake is off: pale grey and white
    'centre': (255, 255, 255),
    'inside': (222, 224, 228),
    'rim': (150, 154, 160),
}


# ---- drawing -------------------------------------------------------------------------

def inside_body(x, y):
    if not (BODY_LEFT <= x <= BODY_RIGHT and BODY_TOP <= y <= BODY_BOTTOM):
        return False
    # Round off the corners: outside the inner rectangle, stay within the radius of it.
    cx = min(max(x, BODY_LEFT + BODY_CORNER_RADIUS), BODY_RIGHT - BODY_CORNER_RADIUS)
    cy = min(max(y, BODY_TOP + BODY_CORNER_RADIUS), BODY_BOTTOM - BODY_CORNER_RADIUS)
    return (x - cx) ** 2 + (y - cy) ** 2 <= BODY_CORNER_RADIUS ** 2


def inside_bumper(x, y):
    return BUMPER_LEFT <= x <= BUMPER_RIGHT and BUMPER_TOP <= y <= BUMPER_BOTTOM


def inside_lamp(x, y):
    return math.hypot(x - LAMP_X, y - LAMP_Y) <= LAMP_RADIUS


def coverage(px, py, inside):
    """The share (0..1) of pixel (px, py) that lies inside the shape."""
    hits = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            if inside(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES):
                hits += 1
    return hits / SAMPLES ** 2


def mix(a, b, share_of_b):
    return tuple(round(ca + (cb - ca) * share_of_b) for ca, cb in zip(a, b))


def box_colour(px, py):
    """The colour of the box without its lamp, at the pixel's centre."""
    x, y = px + 0.5, py + 0.5
    if MARK_LEFT <= x < MARK_RIGHT and MARK_TOP <= y < MARK_BOTTOM:
        return MARK_COLOUR
    if y >= BAND_TOP:
        return BAND_COLOUR
    return mix(BODY_TOP_COLOUR, BODY_BOTTOM_COLOUR, y / BAND_TOP)


def lamp_colour(px, py, lamp):
    distance = math.hypot(px + 0.5 - LAMP_X, py + 0.5 - LAMP_Y)
    if distance > LAMP_RIM:
        return lamp['rim']
    return mix(lamp['centre'], lamp['inside'], distance / LAMP_RIM)


def picture(lamp):
    """Rows of (red, green, blue, alpha), top row first."""
    rows = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            body = coverage(px, py, inside_body)
            bumper = BUMPER_OPACITY * coverage(px, py, inside_bumper)
            alpha = round(255 * (1 - (1 - body) * (1 - bumper)))
            if alpha == 0:
                row.append((0, 0, 0, 0))
                continue
            colour = mix(box_colour(px, py), lamp_colour(px, py, lamp),
                         coverage(px, py, inside_lamp))
            row.append(colour + (alpha,))
        rows.append(row)
    return rows


# ---- the ICO file ----------------------------------------------------------------------

def mask_rows(rows):
    """AND mask rows, top row first: a set bit marks a fully transparent pixel."""
    masks = []
    for row in rows:
        bits = 0
        for px, (_, _, _, alpha) in enumerate(row):
            if alpha == 0:
                bits |= 0x8000 >> px
        masks.append(struct.pack('>H', bits) + b'\0\0')  # 2 bytes of bits, 2 of padding
    return masks


def icon_file(rows):
    colour = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask = b''.join(reversed(mask_rows(rows)))
    bitmap_header = struct.pack('<IiiHHIIiiII', 40, SIZE, 2 * SIZE, 1, 32, 0,
                                len(colour) + len(mask), 0, 0, 0, 0)
    data = bitmap_header + colour + mask
    file_header = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 32, len(data),
                        len(file_header) + 16)
    return file_header + entry + data


def check(on_rows, off_rows, on_file, off_file):
    """The properties both files must have; stops the script when one does not hold."""
    assert len(on_file) == len(off_file) == 1150
    for rows in (on_rows, off_rows):
        for py, row in enumerate(rows):
            band_lip = 10 <= py <= 12
            for px, pixel in enumerate(row):
                edge = px in (0, SIZE - 1)
                assert (pixel[3] == 0) == (edge and not band_lip), (px, py, pixel)
    differing = sum(1 for a, b in zip(sum(on_rows, []), sum(off_rows, [])) if a != b)
    assert differing == 77, differing
    assert on_file[62 + 1024:] == off_file[62 + 1024:]  # identical masks


def show(rows):
    for row in rows:
        line = ''
        for r, g, b, a in row:
            if a == 0:
                line += ' .'
            elif g > r + 40:
                line += ' G'
            elif r + g + b < 300:
                line += ' #'
            elif a < 255:
                line += ' +'
            else:
                line += ' o'
        print(line)


def main(args):
    on_rows, off_rows = picture(LIT), picture(UNLIT)
    on_file, off_file = icon_file(on_rows), icon_file(off_rows)
    check(on_rows, off_rows, on_file, off_file)
    if args and args[0] == '--show':
        show(on_rows)
        print()
        show(off_rows)
        return
    directory = args[0] if args else 'res'
    for name, data in (('tray_on.ico', on_file), ('tray_off.ico', off_file)):
        with open(os.path.join(directory, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main(sys.argv[1:])
