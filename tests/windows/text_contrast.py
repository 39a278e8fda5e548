#!/usr/bin/env python3
"""Every text of a window's screenshot against the ground around it.

    text_contrast.py WINDOW SHOT.ppm

WINDOW is main, question, summary or review. Each text is looked for in an
area (client pixels at 96 dpi; or the best of several) that holds nothing
else: its commonest colour is the ground, the pixel standing out most is the
ink, and enough pixels must stand out for a text to be there at all. Prints
one line per text; exits 1 if one reads below 4.5:1.
"""

import sys
from collections import Counter

# x, y, width, height. Frames' titles: from just right of the frame's corner,
# above its top line's reach; buttons and centred labels: a band round the
# centre; left-aligned texts: from their start.
WINDOWS = {
    "main": {
        "size": (536, 172),
        "texts": {
            "Frame1 title": (18, 8, 60, 13),
            "Text1": (26, 33, 12, 14),
            "PushButton1": (248, 78, 40, 15),
            "Frame2 title": (18, 106, 60, 13),
            "PushButton2": (248, 132, 40, 15),
        },
    },
    "question": {
        "size": (536, 420),
        "texts": {
            "Frame1 title": (18, 262, 60, 13),
            "PushButton1": (134, 288, 16, 15),
            "PushButton2": (378, 288, 16, 15),
            "PushButton3": (134, 322, 16, 15),
            "PushButton4": (378, 322, 16, 15),
            "Frame2 title": (18, 360, 60, 13),
            "Label2": (228, 382, 80, 14),
        },
    },
    "summary": {
        "size": (536, 421),
        "texts": {
            "Frame1 title": (18, 8, 60, 13),
            "lblCorrect": (24, 32, 60, 14),
            "lblWrong": (24, 56, 60, 14),
            "lblPercentage": (24, 80, 60, 14),
            "ListView1 header": (11, 123, 60, 14),
            "ListView2 header": (283, 123, 60, 14),
            # The one answer is in one list or the other.
            "first item": [(11, 144, 14, 14), (275, 144, 14, 14)],
            "Close Window": (238, 392, 60, 15),
        },
    },
    "review": {
        "size": (536, 371),
        "texts": {
            "Label2": (248, 276, 40, 44),
            "PushButton1": (248, 342, 40, 15),
        },
    },
}


def read_ppm(path):
    with open(path, "rb") as f:
        kind, size, depth, pixels = f.read().split(b"\n", 3)
    if kind != b"P6" or depth != b"255":
        sys.exit(f"{path}: not an 8-bit binary PPM as ImageMagick writes it")
    width, height = map(int, size.split())
    return width, height, pixels


def luminance(c):
    def channel(v):
        s = v / 255
        return s / 12.92 if s <= 0.04045 else ((s + 0.055) / 1.055) ** 2.4

    return 0.2126 * channel(c[0]) + 0.7152 * channel(c[1]) + 0.0722 * channel(c[2])


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def measure(width, rgb, area):
    x0, y0, w, h = area
    counts = Counter()
    for y in range(y0, y0 + h):
        row = (y * width + x0) * 3
        for i in range(row, row + w * 3, 3):
            counts[rgb[i : i + 3]] += 1
    ground = counts.most_common(1)[0][0]
    ink, ratio, standing_out = ground, 1.0, 0
    for colour, n in counts.items():
        c = contrast(ground, colour)
        if c >= 3:
            standing_out += n
        if c > ratio:
            ink, ratio = colour, c
    return ground, ink, ratio, standing_out


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in WINDOWS:
        sys.exit(__doc__)
    window = WINDOWS[sys.argv[1]]
    width, height, rgb = read_ppm(sys.argv[2])
    if (width, height) != window["size"]:
        print(f"{sys.argv[1]}: {width}x{height}, not %dx%d" % window["size"])
        return 1
    status = 0
    for name, areas in window["texts"].items():
        if isinstance(areas, tuple):
            areas = [areas]
        ground, ink, ratio, standing_out = max(
            (measure(width, rgb, area) for area in areas), key=lambda m: (m[3] > 0, m[2]))
        # A glyph's stems alone are more than a few pixels.
        readable = ratio >= 4.5 and standing_out >= 8
        print(f"{sys.argv[1]} {name}: #{ink.hex()} on #{ground.hex()}, {ratio:.2f}:1, "
              f"{standing_out} pixels stand out{'' if readable else '  <- unreadable'}")
        status |= not readable
    return status


if __name__ == "__main__":
    sys.exit(main())
