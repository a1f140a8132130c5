#!/usr/bin/env python3
"""Makes the game's icon for the desktop: three dice showing シゴロ (4, 5, 6) in a lacquered bowl.

Run from the repository root:  python3 tools/make_icon.py
Writes data/icons/hicolor/scalable/apps/<id>.svg and the 48, 64, 128 and 256 px PNGs beside it.
Both come from one list of shapes on a 256-unit square, so the SVG and the PNGs agree.
The output is deterministic. Needs only Debian's python3 and python3-pil.
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_assets import Image, ImageDraw  # noqa: E402  Pillow, found as for the other assets

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
APP_ID = "io.github.qubrin.Qubrin"
ICONS = os.path.join(ROOT, "data", "icons", "hicolor")
SIZES = (48, 64, 128, 256)
UNIT = 256
SS = 8  # supersampling of the PNGs


def arc(cx, cy, rx, ry, start, end, steps=48):
    """Points of an elliptic arc, angles in degrees, y pointing down."""
    return [(cx + rx * math.cos(math.radians(start + (end - start) * i / steps)),
             cy + ry * math.sin(math.radians(start + (end - start) * i / steps))) for i in range(steps + 1)]


def rounded_square(cx, cy, half, radius, angle):
    """Corner-rounded square centred on (cx, cy), turned by angle degrees."""
    pts = []
    for corner, (sx, sy) in enumerate(((1, 1), (-1, 1), (-1, -1), (1, -1))):
        ox, oy = sx * (half - radius), sy * (half - radius)
        pts += [(ox + dx, oy + dy) for dx, dy in arc(0, 0, radius, radius, 90 * corner, 90 * corner + 90, 8)]
    return turned(pts, cx, cy, angle)


def turned(pts, cx, cy, angle):
    c, s = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    return [(cx + x * c - y * s, cy + x * s + y * c) for x, y in pts]


PIPS = {4: [(-1, -1), (1, -1), (-1, 1), (1, 1)],
        5: [(-1, -1), (1, -1), (0, 0), (-1, 1), (1, 1)],
        6: [(-1, -1), (1, -1), (-1, 0), (1, 0), (-1, 1), (1, 1)]}


def die(cx, cy, face, angle, half=34.0):
    """A die as shapes: its side seen below it, the face, and the pips."""
    shapes = [("#9a9ca6", rounded_square(cx + 3, cy + 7, half, 10, angle)),
              ("#5c5f6b", rounded_square(cx, cy, half + 2.5, 11, angle)),
              ("#fdfcf7", rounded_square(cx, cy, half, 10, angle)),
              ("#e6e4dc", rounded_square(cx + 3, cy + 3, half - 6, 8, angle))]
    shapes.append(("#fdfcf7", rounded_square(cx - 1, cy - 1, half - 7, 8, angle)))
    step = half * 0.52
    for px, py in PIPS[face]:
        (x, y), = turned([(px * step, py * step)], cx, cy, angle)
        shapes.append(("#1f1d24", arc(x, y, 6.8, 6.8, 0, 360, 24)))
    return shapes


def icon_shapes():
    """Every shape of the icon, back to front, as (colour, polygon) on the 256-unit square."""
    cx, rim_y, rx, ry = 128.0, 118.0, 112.0, 36.0
    inner_rx, inner_ry = 100.0, 29.0
    shapes = [
        ("#00000038", arc(cx, 236, 86, 12, 0, 360)),                          # shadow on the table
        ("#7d1a12", arc(cx, 224, 50, 12, 0, 360)),                            # foot ring
        ("#d8473a", arc(cx, rim_y, rx, ry, 0, 360)),                          # rim
        ("#2e0e0b", arc(cx, rim_y + 2, inner_rx, inner_ry, 0, 360)),          # inside of the bowl
        ("#4a1812", arc(cx, rim_y + 10, inner_rx - 16, inner_ry - 10, 0, 360)),
    ]
    shapes += die(74, 92, 4, -14) + die(180, 90, 6, 11) + die(128, 64, 5, 4)
    body = arc(cx, rim_y + 2, inner_rx, inner_ry, 0, 180) + arc(cx, rim_y, rx, 104, 180, 0)
    shapes.append(("#b3291f", body))                                         # the bowl's front
    shapes.append(("#8e1f17", arc(cx, rim_y, rx, 104, 180, 0) + arc(cx, rim_y + 40, rx - 8, 56, 0, 180)))
    shapes.append(("#e8695c", arc(cx, rim_y + 2, inner_rx, inner_ry, 30, 150)
                   + arc(cx, rim_y + 2, inner_rx + 6, inner_ry + 5, 150, 30)))  # shine on the lip
    shapes.append(("#f3d27a", arc(cx, rim_y + 52, 70, 20, 25, 155, 32)
                   + arc(cx, rim_y + 52, 70, 26, 155, 25, 32)))                 # gold band
    return shapes


def colour(hexcode):
    hexcode = hexcode.lstrip("#")
    alpha = int(hexcode[6:8], 16) if len(hexcode) == 8 else 255
    return tuple(int(hexcode[i:i + 2], 16) for i in (0, 2, 4)) + (alpha,)


def svg(shapes):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
             % (UNIT, UNIT, UNIT, UNIT)]
    for hexcode, pts in shapes:
        r, g, b, a = colour(hexcode)
        opacity = "" if a == 255 else ' fill-opacity="%.3f"' % (a / 255)
        path = "M" + " L".join("%.2f %.2f" % p for p in pts) + " Z"
        lines.append('  <path fill="#%02x%02x%02x"%s d="%s"/>' % (r, g, b, opacity, path))
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def png(shapes, size):
    scale = size * SS / UNIT
    im = Image.new("RGBA", (size * SS, size * SS), (0, 0, 0, 0))
    for hexcode, pts in shapes:
        layer = Image.new("RGBA", im.size, (0, 0, 0, 0))
        ImageDraw.Draw(layer).polygon([(x * scale, y * scale) for x, y in pts], fill=colour(hexcode))
        im = Image.alpha_composite(im, layer)
    return im.resize((size, size), Image.LANCZOS)


def main():
    shapes = icon_shapes()
    scalable = os.path.join(ICONS, "scalable", "apps")
    os.makedirs(scalable, exist_ok=True)
    with open(os.path.join(scalable, APP_ID + ".svg"), "w", encoding="utf-8") as f:
        f.write(svg(shapes))
    for size in SIZES:
        folder = os.path.join(ICONS, "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        png(shapes, size).save(os.path.join(folder, APP_ID + ".png"), optimize=True)


if __name__ == "__main__":
    main()
