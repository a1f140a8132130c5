#!/usr/bin/env python3
"""Makes every data file of assets/: pictures (GIF), sounds (WAV), help texts and dice.ini.

Run from the repository root:  python3 tools/make_assets.py
The output is deterministic: the same bytes on every run (fixed seeds, no time stamps).
Needs only Debian's python3 and python3-pil.
"""

import math
import os
import random
import struct
import sys
import unicodedata
import wave

import help_en

try:
    from PIL import Image, ImageDraw
except ImportError:
    # A pyenv or venv interpreter lacks Debian's python3-pil; the system interpreter has it.
    if os.environ.get("QUBRIN_ASSETS_REEXEC") != "1" and os.path.exists("/usr/bin/python3"):
        os.environ["QUBRIN_ASSETS_REEXEC"] = "1"
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("make_assets.py needs Pillow (Debian package python3-pil)")

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "assets")

# Pictures: GIF with one transparent palette index; the table draws them at 1:1.

SS = 8  # supersampling factor; shapes are given in output pixels and averaged down


def rgb(hexcode):
    hexcode = hexcode.lstrip("#")
    return tuple(int(hexcode[i:i + 2], 16) for i in (0, 2, 4)) + (255,)


class Canvas:
    """An RGBA drawing surface addressed in output pixels, drawn SS times larger."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.im = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
        self.d = ImageDraw.Draw(self.im)

    @staticmethod
    def _s(v):
        return int(round(v * SS))

    def _box(self, x0, y0, x1, y1):
        return [self._s(x0), self._s(y0), self._s(x1) - 1, self._s(y1) - 1]

    def _pts(self, pts):
        return [(self._s(x), self._s(y)) for x, y in pts]

    def ellipse(self, x0, y0, x1, y1, fill, ol=None, w=1.0):
        if ol is not None:
            self.d.ellipse(self._box(x0 - w, y0 - w, x1 + w, y1 + w), fill=rgb(ol))
        self.d.ellipse(self._box(x0, y0, x1, y1), fill=rgb(fill))

    def circle(self, cx, cy, r, fill, ol=None, w=1.0):
        self.ellipse(cx - r, cy - r, cx + r, cy + r, fill, ol, w)

    def rect(self, x0, y0, x1, y1, fill, ol=None, w=1.0):
        if ol is not None:
            self.d.rectangle(self._box(x0 - w, y0 - w, x1 + w, y1 + w), fill=rgb(ol))
        self.d.rectangle(self._box(x0, y0, x1, y1), fill=rgb(fill))

    def rrect(self, x0, y0, x1, y1, r, fill, ol=None, w=1.0):
        if ol is not None:
            self.d.rounded_rectangle(self._box(x0 - w, y0 - w, x1 + w, y1 + w),
                                     radius=self._s(r + w), fill=rgb(ol))
        self.d.rounded_rectangle(self._box(x0, y0, x1, y1), radius=self._s(r), fill=rgb(fill))

    def poly(self, pts, fill, ol=None, w=1.0):
        if ol is not None:
            self.line(list(pts) + [pts[0]], ol, 2 * w)
        self.d.polygon(self._pts(pts), fill=rgb(fill))

    def line(self, pts, fill, w=1.0):
        p = self._pts(pts)
        width = max(1, self._s(w))
        self.d.line(p, fill=rgb(fill), width=width, joint="curve")
        r = width / 2.0
        for x, y in (p[0], p[-1]):  # round caps
            self.d.ellipse([x - r, y - r, x + r, y + r], fill=rgb(fill))

    def arc(self, x0, y0, x1, y1, start, end, fill, w=1.0):
        self.d.arc(self._box(x0, y0, x1, y1), start, end, fill=rgb(fill), width=max(1, self._s(w)))

    def pie(self, x0, y0, x1, y1, start, end, fill):
        self.d.pieslice(self._box(x0, y0, x1, y1), start, end, fill=rgb(fill))

    def chord(self, x0, y0, x1, y1, start, end, fill, ol=None, w=1.0):
        if ol is not None:
            self.d.chord(self._box(x0 - w, y0 - w, x1 + w, y1 + w), start, end, fill=rgb(ol))
        self.d.chord(self._box(x0, y0, x1, y1), start, end, fill=rgb(fill))

    def vgradient_rrect(self, x0, y0, x1, y1, r, top, bottom):
        """Rounded rectangle filled with a vertical gradient from top to bottom colour."""
        box = self._box(x0, y0, x1, y1)
        gw, gh = box[2] - box[0] + 1, box[3] - box[1] + 1
        grad = Image.new("RGBA", (gw, gh))
        gd = ImageDraw.Draw(grad)
        a, b = rgb(top), rgb(bottom)
        for y in range(gh):
            t = y / max(1, gh - 1)
            gd.line([(0, y), (gw, y)], fill=tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(4)))
        mask = Image.new("L", (gw, gh), 0)
        ImageDraw.Draw(mask).rounded_rectangle([0, 0, gw - 1, gh - 1], radius=self._s(r), fill=255)
        self.im.paste(grad, (box[0], box[1]), mask)

    def image(self):
        """The picture at output size, straight (not premultiplied) RGBA."""
        return self.im.resize((self.w, self.h), Image.BOX)


def save_gif(im, name):
    """Saves RGBA as a GIF: pixels less than half covered become the transparent index 255."""
    im = im.convert("RGBA")
    w, h = im.size
    src = im.load()
    opaque = [[src[x, y][3] >= 128 for x in range(w)] for y in range(h)]
    filler = next((src[x, y][:3] for y in range(h) for x in range(w) if opaque[y][x]), (0, 0, 0))
    flat = Image.new("RGB", (w, h))
    fp = flat.load()
    for y in range(h):
        for x in range(w):
            fp[x, y] = src[x, y][:3] if opaque[y][x] else filler
    colours = sorted({fp[x, y] for y in range(h) for x in range(w)})
    if len(colours) <= 255:
        index = {c: i for i, c in enumerate(colours)}
        pal_img = Image.new("P", (w, h))
        pp = pal_img.load()
        for y in range(h):
            for x in range(w):
                pp[x, y] = index[fp[x, y]]
        palette = [v for c in colours for v in c]
    else:
        pal_img = flat.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        palette = pal_img.getpalette()[:255 * 3]
    palette = (palette + [0] * (255 * 3))[:255 * 3] + [255, 0, 255]
    pp = pal_img.load()
    for y in range(h):
        for x in range(w):
            if not opaque[y][x]:
                pp[x, y] = 255
    pal_img.putpalette(palette)
    pal_img.save(os.path.join(OUT, name), format="GIF", transparency=255, optimize=False)


# Portraits img1..img9: 33 x 33, a character on a soft rounded tile.

P = 33
INK = "#4a2c20"      # outline of skin and fur
SKIN = "#fbd7b5"
CHEEK = "#f6a3a0"


def tile(c, bg_top, bg_bottom):
    c.vgradient_rrect(0, 0, P, P, 5, bg_top, bg_bottom)


def finish_tile(c, border):
    """Clips the drawing to the rounded tile and draws its border."""
    mask = Image.new("L", c.im.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, P * SS - 1, P * SS - 1], radius=5 * SS, fill=255)
    alpha = c.im.getchannel("A")
    c.im.putalpha(Image.composite(alpha, mask, mask))
    c.d.rounded_rectangle([0, 0, P * SS - 1, P * SS - 1], radius=5 * SS, outline=rgb(border), width=SS)


def eyes(c, y=15.0, dx=0.0, col="#2b2020", h=3.0):
    for x in (12.0 + dx, 19.0 - dx):
        c.ellipse(x, y, x + 2.2, y + h, col)
        c.rect(x + 0.2, y + 0.3, x + 1.1, y + 1.2, "#ffffff")


def smile(c, x0=14.0, y0=18.0, x1=19.0, y1=22.0, col=INK):
    c.arc(x0, y0, x1, y1, 20, 160, col, 1.0)


def cheeks(c, y=19.5):
    c.ellipse(9.2, y, 12.2, y + 1.8, CHEEK)
    c.ellipse(20.8, y, 23.8, y + 1.8, CHEEK)


def human_head(c, skin=SKIN):
    c.ellipse(5.5, 13.5, 9.0, 19.5, skin, INK)      # ears
    c.ellipse(24.0, 13.5, 27.5, 19.5, skin, INK)
    c.ellipse(7.0, 6.0, 26.0, 26.5, skin, INK)


def body(c, col, y=26.0, ol=INK):
    c.rrect(4.0, y, 29.0, y + 14.0, 6.0, col, ol)


def portrait_boy(c):
    tile(c, "#dcecff", "#b8d4fa")
    body(c, "#3f73d6")
    c.poly([(13.0, 26.0), (16.5, 29.5), (20.0, 26.0)], "#ffffff")          # collar
    c.rect(14.0, 24.5, 19.0, 27.0, SKIN)                                     # neck
    human_head(c)
    hair = "#2a2a34"
    c.chord(6.3, 4.0, 26.7, 21.0, 180, 360, hair)
    c.poly([(6.6, 12.0), (9.5, 12.0), (8.0, 16.5)], hair)                   # sideburns
    c.poly([(23.5, 12.0), (26.4, 12.0), (25.0, 16.5)], hair)
    for x in (9.0, 12.5, 16.0, 19.5, 23.0):                                 # bangs
        c.poly([(x - 2.2, 12.0), (x + 2.2, 12.0), (x + 0.6, 14.6)], hair)
    for (x, y) in ((10.0, 3.5), (14.5, 1.8), (19.5, 2.2), (23.8, 4.4)):    # spikes
        c.poly([(x - 2.8, y + 4.0), (x, y), (x + 2.8, y + 4.0)], hair)
    eyes(c)
    cheeks(c)
    c.chord(14.0, 19.0, 19.0, 23.0, 0, 180, "#8a2a2a")                       # open smile
    c.chord(14.8, 19.0, 18.2, 21.5, 0, 180, "#ffffff")


def portrait_glasses(c):
    tile(c, "#fff0d8", "#ffd9a8")
    body(c, "#f2f2f2")
    c.poly([(12.0, 26.0), (16.5, 30.0), (21.0, 26.0)], "#d84a3a")          # tie knot area
    c.rect(14.0, 24.5, 19.0, 27.0, SKIN)
    c.poly([(15.5, 27.5), (17.5, 27.5), (18.0, 33.0), (16.5, 34.0), (15.0, 33.0)], "#d84a3a")
    human_head(c)
    c.rect(7.2, 11.0, 9.5, 16.0, "#6a4a32")                                 # side hair
    c.rect(23.5, 11.0, 25.8, 16.0, "#6a4a32")
    cap, dark = "#2e9a5a", "#1f6e3f"
    c.chord(6.0, 2.5, 27.0, 22.0, 180, 360, cap, INK)
    c.ellipse(5.0, 10.0, 28.0, 14.0, dark, INK)                             # brim
    c.circle(16.5, 6.8, 2.0, "#ffffff")                                     # badge
    c.circle(16.5, 6.8, 0.9, "#e0a020")
    rim = "#2a2a2a"
    for x in (12.8, 20.2):
        c.circle(x, 17.0, 3.4, rim)
        c.circle(x, 17.0, 2.5, "#eaf6ff")
        c.circle(x, 17.2, 1.1, "#2b2020")
    c.line([(15.5, 16.6), (17.5, 16.6)], rim, 0.9)
    smile(c, 14.0, 19.5, 19.0, 23.2)


def portrait_girl(c):
    tile(c, "#ffe6ef", "#ffc6da")
    hair, dark = "#8b4a26", "#6a3418"
    c.rrect(4.5, 6.0, 28.5, 31.0, 8.0, hair, INK)                            # long hair behind
    body(c, "#f06a94", 27.0)
    c.rect(14.0, 24.5, 19.0, 28.0, SKIN)
    c.ellipse(7.0, 6.5, 26.0, 26.5, SKIN, INK)
    c.chord(6.4, 3.8, 26.6, 22.5, 180, 360, hair)
    for x, drop in ((9.0, 15.0), (13.0, 13.6), (17.0, 14.0), (21.0, 13.6), (24.5, 15.5)):
        c.poly([(x - 2.6, 12.0), (x + 2.6, 12.0), (x, drop)], hair)
    c.line([(12.0, 6.0), (10.0, 10.5)], dark, 0.8)
    c.line([(19.0, 5.5), (21.0, 10.0)], dark, 0.8)
    red = "#e8283c"
    c.poly([(23.0, 5.0), (28.5, 1.5), (28.5, 8.5)], red, "#8a1020", 0.5)     # ribbon
    c.poly([(23.0, 5.0), (17.5, 1.5), (17.5, 8.5)], red, "#8a1020", 0.5)
    c.circle(23.0, 5.0, 1.6, "#ff5a6a", "#8a1020", 0.5)
    for x in (11.8, 18.8):                                                 # bigger eyes, lashes
        c.ellipse(x, 15.0, x + 2.6, 18.6, "#3a2020")
        c.rect(x + 0.3, 15.4, x + 1.3, 16.4, "#ffffff")
    c.line([(11.0, 15.0), (14.8, 14.6)], "#3a2020", 0.7)
    c.line([(18.4, 14.6), (22.2, 15.0)], "#3a2020", 0.7)
    cheeks(c, 19.8)
    smile(c, 14.5, 19.5, 18.5, 22.5, "#b0303a")


def portrait_oldman(c):
    tile(c, "#f6f0d0", "#e6d8a0")
    body(c, "#2d3f7a")
    c.line([(12.0, 26.5), (16.5, 34.0)], "#ffffff", 1.4)                    # happi collar
    c.line([(21.0, 26.5), (16.5, 34.0)], "#ffffff", 1.4)
    c.rect(14.0, 24.5, 19.0, 27.0, SKIN)
    human_head(c)
    grey = "#d8d8d8"
    c.ellipse(6.5, 12.0, 10.5, 18.0, grey, INK, 0.6)                         # side hair
    c.ellipse(22.5, 12.0, 26.5, 18.0, grey, INK, 0.6)
    c.ellipse(11.0, 7.5, 15.0, 9.5, "#fff0e0")                              # shine on the bald head
    c.rect(6.8, 9.6, 26.2, 12.4, "#ffffff", INK, 0.6)                        # hachimaki
    c.line([(7.3, 11.0), (25.7, 11.0)], "#e0e0e0", 0.5)
    c.poly([(24.5, 10.0), (29.5, 7.5), (28.5, 11.0)], "#ffffff", INK, 0.5)   # knot ends
    c.poly([(24.5, 12.0), (29.5, 14.5), (28.0, 11.5)], "#ffffff", INK, 0.5)
    c.circle(25.0, 11.0, 1.4, "#ffffff", INK, 0.5)
    c.rrect(10.0, 13.2, 15.0, 14.8, 0.8, grey, INK, 0.5)                     # eyebrows
    c.rrect(18.0, 13.2, 23.0, 14.8, 0.8, grey, INK, 0.5)
    c.arc(11.0, 15.5, 14.5, 18.5, 200, 340, "#2b2020", 1.0)                 # smiling closed eyes
    c.arc(18.5, 15.5, 22.0, 18.5, 200, 340, "#2b2020", 1.0)
    c.ellipse(15.3, 16.8, 17.7, 19.8, "#f0b890")                            # nose
    c.ellipse(10.5, 19.3, 16.8, 22.6, grey, INK, 0.6)                        # moustache
    c.ellipse(16.2, 19.3, 22.5, 22.6, grey, INK, 0.6)
    c.chord(14.5, 21.0, 18.5, 24.5, 0, 180, "#8a2a2a")


def portrait_cat(c):
    tile(c, "#dcf7ea", "#b4ead0")
    white, orange, black = "#fffaf2", "#f29a3a", "#3a3030"
    c.rrect(5.0, 25.0, 28.0, 38.0, 7.0, white, INK)                          # body
    c.poly([(6.0, 3.5), (14.0, 10.0), (7.0, 15.0)], orange, INK, 0.6)        # ears
    c.poly([(27.0, 3.5), (19.0, 10.0), (26.0, 15.0)], black, INK, 0.6)
    c.poly([(7.6, 6.5), (12.0, 10.0), (8.4, 12.5)], "#f7b8b8")
    c.ellipse(4.5, 7.5, 28.5, 27.5, white, INK)
    c.pie(4.5, 7.5, 28.5, 27.5, 185, 262, orange)                           # calico patches
    c.pie(4.5, 7.5, 28.5, 27.5, 292, 345, black)
    c.ellipse(13.5, 6.5, 17.0, 10.5, orange)
    for x in (10.5, 19.5):                                                 # eyes
        c.ellipse(x, 14.5, x + 3.0, 18.5, "#5aa63a")
        c.ellipse(x + 1.0, 14.7, x + 2.0, 18.3, "#1a1a1a")
        c.rect(x + 0.4, 15.0, x + 1.2, 15.8, "#ffffff")
    c.poly([(15.3, 19.2), (17.7, 19.2), (16.5, 20.6)], "#f07890")            # nose
    c.arc(13.6, 19.6, 16.6, 22.6, 20, 160, INK, 0.8)                        # ω mouth
    c.arc(16.4, 19.6, 19.4, 22.6, 20, 160, INK, 0.8)
    wh = "#8a7a70"
    for dy in (-0.8, 1.2):                                                 # whiskers
        c.line([(1.5, 19.5 + dy * 1.5), (9.5, 20.0 + dy)], wh, 0.5)
        c.line([(31.5, 19.5 + dy * 1.5), (23.5, 20.0 + dy)], wh, 0.5)


def portrait_tanuki(c):
    tile(c, "#e8f6d4", "#c8e6a4")
    brown, dark, light = "#a8784c", "#4c3424", "#f4e6cc"
    c.rrect(6.0, 25.0, 27.0, 38.0, 7.0, brown, INK)                          # body
    c.ellipse(10.5, 26.5, 22.5, 36.0, light)
    c.circle(8.5, 9.0, 3.6, brown, INK)                                     # ears
    c.circle(24.5, 9.0, 3.6, brown, INK)
    c.circle(8.5, 9.0, 1.8, dark)
    c.circle(24.5, 9.0, 1.8, dark)
    c.ellipse(4.5, 7.0, 28.5, 27.5, brown, INK)
    c.ellipse(7.5, 12.5, 15.5, 20.5, dark)                                  # eye mask
    c.ellipse(17.5, 12.5, 25.5, 20.5, dark)
    c.ellipse(12.0, 18.0, 21.0, 26.5, light)                                # muzzle
    for x in (10.5, 19.5):
        c.circle(x + 1.5, 16.3, 1.6, "#ffffff")
        c.circle(x + 1.6, 16.5, 1.0, "#1a1a1a")
    c.ellipse(14.6, 18.6, 18.4, 21.0, "#1e1410")                            # nose
    c.arc(14.0, 20.5, 19.0, 24.5, 30, 150, INK, 0.8)
    leaf = "#4cae4c"                                                        # leaf on the head
    c.poly([(12.0, 7.5), (16.5, 1.5), (21.5, 5.0), (17.0, 9.5)], leaf, "#2a6a2a", 0.5)
    c.line([(12.5, 7.3), (19.0, 3.5)], "#2a6a2a", 0.6)


def portrait_oni(c):
    tile(c, "#fff7c4", "#ffe88a")
    red, ink = "#e8563f", "#5a1a10"
    body(c, "#f5c23a", 26.0, ink)                                           # tiger-striped cloth
    for x in (7.0, 12.5, 20.5, 26.0):
        c.line([(x, 27.5), (x + 1.5, 32.0)], "#2a2020", 1.1)
    c.rect(14.0, 24.5, 19.0, 27.0, red)
    c.ellipse(5.5, 13.5, 9.0, 19.5, red, ink)
    c.ellipse(24.0, 13.5, 27.5, 19.5, red, ink)
    c.ellipse(7.0, 6.0, 26.0, 26.5, red, ink)
    for (x, y) in ((10.5, 8.0), (14.0, 6.6), (17.5, 6.4), (21.5, 7.2), (13.0, 9.4), (19.5, 9.2), (16.5, 9.8),
                   (8.5, 10.5), (24.0, 10.0)):
        c.circle(x, y, 2.4, "#2a2424")                                      # curly hair
    horn, ridge = "#f6dc80", "#b8923a"
    c.poly([(8.6, 9.0), (10.0, 0.4), (13.0, 8.0)], horn, ink, 0.6)          # horns
    c.poly([(24.4, 9.0), (23.0, 0.4), (20.0, 8.0)], horn, ink, 0.6)
    for y, x0, x1, x2, x3 in ((5.8, 9.5, 12.0, 21.0, 23.5), (3.4, 9.9, 11.2, 21.8, 23.1)):
        c.line([(x0, y), (x1, y)], ridge, 0.6)
        c.line([(x2, y), (x3, y)], ridge, 0.6)
    c.rect(10.0, 13.0, 14.5, 14.3, "#2a2424")                               # brows
    c.rect(18.5, 13.0, 23.0, 14.3, "#2a2424")
    eyes(c, 15.2)
    c.chord(12.5, 17.5, 20.5, 24.5, 0, 180, "#7a1a1a")                      # grin
    c.poly([(13.5, 21.0), (15.2, 21.0), (14.3, 22.8)], "#ffffff")
    c.poly([(17.8, 21.0), (19.5, 21.0), (18.7, 22.8)], "#ffffff")


def portrait_robot(c):
    tile(c, "#dcf6fc", "#aee4f2")
    metal, ink = "#b7c2cc", "#2c3440"
    c.rrect(5.0, 27.0, 28.0, 40.0, 4.0, metal, ink)                          # torso
    c.circle(16.5, 31.0, 1.8, "#ffcc33", ink, 0.5)
    c.rect(13.0, 24.5, 20.0, 27.5, "#8a96a2", ink, 0.5)                      # neck
    c.line([(16.5, 8.0), (16.5, 3.5)], ink, 1.0)                            # antenna
    c.circle(16.5, 3.0, 2.0, "#ff4a3a", ink, 0.6)
    c.rect(4.0, 13.0, 7.0, 19.0, "#8a96a2", ink, 0.6)                        # ear bolts
    c.rect(26.0, 13.0, 29.0, 19.0, "#8a96a2", ink, 0.6)
    c.d.rounded_rectangle(c._box(6.0, 7.0, 27.0, 25.5), radius=3 * SS, fill=rgb(ink))
    c.vgradient_rrect(7.0, 8.0, 26.0, 24.5, 2.5, "#dfe6ec", "#9eabb8")
    c.rrect(8.8, 11.0, 24.2, 18.0, 2.0, "#1e2a44")                          # visor
    for x in (12.8, 20.2):
        c.circle(x, 14.5, 2.2, "#49e6ff")
        c.circle(x - 0.5, 14.0, 0.8, "#e8ffff")
    c.rrect(11.5, 19.8, 21.5, 23.0, 1.0, "#5a6672")                         # mouth grille
    for x in (13.5, 15.5, 17.5, 19.5):
        c.line([(x, 20.4), (x, 22.4)], "#cfd8e0", 0.6)


def portrait_fox(c):
    tile(c, "#eee6ff", "#d4c4ff")
    fur, white, ink = "#f28c2c", "#fffaf4", "#5a2a10"
    c.rrect(5.0, 26.0, 28.0, 40.0, 7.0, fur, ink)                            # body
    c.poly([(11.0, 26.5), (22.0, 26.5), (16.5, 34.0)], white)
    c.poly([(4.5, 2.5), (14.0, 9.0), (6.5, 16.0)], fur, ink, 0.6)           # ears
    c.poly([(28.5, 2.5), (19.0, 9.0), (26.5, 16.0)], fur, ink, 0.6)
    c.poly([(5.2, 3.5), (8.8, 6.0), (6.0, 7.8)], "#3a2018")
    c.poly([(27.8, 3.5), (24.2, 6.0), (27.0, 7.8)], "#3a2018")
    c.poly([(6.6, 8.0), (11.5, 10.0), (7.4, 13.0)], "#ffe0c0")
    c.poly([(26.4, 8.0), (21.5, 10.0), (25.6, 13.0)], "#ffe0c0")
    head = [(4.5, 13.0), (9.0, 8.5), (16.5, 7.0), (24.0, 8.5), (28.5, 13.0),
            (28.0, 19.5), (22.5, 24.0), (16.5, 27.0), (10.5, 24.0), (5.0, 19.5)]
    c.poly(head, fur, ink, 0.6)
    c.poly([(5.5, 18.5), (12.5, 18.0), (16.5, 21.0), (20.5, 18.0), (27.5, 18.5),
            (22.5, 23.5), (16.5, 26.2), (10.5, 23.5)], white)                # cheeks and chin
    c.arc(9.5, 13.5, 14.5, 18.0, 200, 340, "#2b2020", 1.1)                  # happy eyes
    c.arc(18.5, 13.5, 23.5, 18.0, 200, 340, "#2b2020", 1.1)
    c.ellipse(15.0, 20.2, 18.0, 22.4, "#1e1410")                            # nose
    c.arc(14.0, 21.0, 19.0, 25.0, 40, 140, ink, 0.8)
    c.ellipse(15.5, 9.5, 17.5, 12.5, "#d8342a")                             # mark on the brow


PORTRAITS = [portrait_boy, portrait_glasses, portrait_girl, portrait_oldman, portrait_cat,
             portrait_tanuki, portrait_oni, portrait_robot, portrait_fox]
TILE_BORDERS = ["#7a9cd0", "#d0a060", "#d890a8", "#b8a860", "#70b890",
                "#88b060", "#d0b040", "#60a8c0", "#9a88d0"]


def make_portraits():
    for i, (draw, border) in enumerate(zip(PORTRAITS, TILE_BORDERS), start=1):
        c = Canvas(P, P)
        draw(c)
        finish_tile(c, border)
        save_gif(c.image(), "img%d.gif" % i)


# Dice 1_..6_ and the out-of-bowl mark 9_: 33 x 33.
# The table sets the three dice 32 px apart, so the die and its shadow keep to 32 x 32
# and the last column and row stay transparent.

D = 33
PIP_AT = {1: [(15, 15)],
          2: [(23, 7), (7, 23)],
          3: [(23, 7), (15, 15), (7, 23)],
          4: [(7, 7), (23, 7), (7, 23), (23, 23)],
          5: [(7, 7), (23, 7), (15, 15), (7, 23), (23, 23)],
          6: [(7, 7), (23, 7), (7, 15), (23, 15), (7, 23), (23, 23)]}


def die_blank(c, top="#ffffff", bottom="#e4e6ec", edge="#7c828e"):
    c.rrect(1.5, 1.5, 32.0, 32.0, 6.0, "#8e929c")                          # shadow
    c.rrect(0.0, 0.0, 30.0, 30.0, 6.0, edge)
    c.vgradient_rrect(1.0, 1.0, 29.0, 29.0, 5.0, top, bottom)


def make_dice():
    for face in range(1, 7):
        c = Canvas(D, D)
        die_blank(c)
        if face == 1:
            c.circle(15.0, 15.0, 6.5, "#c8102e", "#8a0a1e", 0.6)            # the big red one
            c.ellipse(11.5, 11.0, 14.5, 13.5, "#e8707e")
        else:
            for (x, y) in PIP_AT[face]:
                c.circle(x, y, 3.1, "#1c1c24")
                c.circle(x - 0.9, y - 0.9, 0.8, "#5a5a66")
        save_gif(c.image(), "%d_.gif" % face)
    c = Canvas(D, D)                                                        # 9_: a die out of the bowl
    die_blank(c, "#ececec", "#c8c8cc", "#8a8a92")
    red = "#d4141e"
    c.line([(8.0, 8.0), (22.0, 22.0)], red, 4.0)
    c.line([(22.0, 8.0), (8.0, 22.0)], red, 4.0)
    save_gif(c.image(), "9_.gif")


# Table markers: bent.gif (bet coin, 16 x 16), auto.gif (computer seat, 16 x 16),
# arrow.gif (clockwise order, 24 x 24).

def make_markers():
    c = Canvas(16, 16)                                                      # a gold coin with a square hole
    c.circle(8.0, 8.0, 7.2, "#8a5a08")
    c.circle(8.0, 8.0, 6.2, "#f2c23a")
    c.circle(8.0, 8.0, 4.8, "#e0a81e")
    c.arc(2.6, 2.6, 13.4, 13.4, 200, 290, "#fff0a8", 1.0)
    c.rect(6.0, 6.0, 10.0, 10.0, "#8a5a08")
    c.d.rectangle(c._box(7.0, 7.0, 9.0, 9.0), fill=(0, 0, 0, 0))
    save_gif(c.image(), "bent.gif")

    c = Canvas(16, 16)                                                      # a small robot head
    ink = "#263040"
    c.line([(8.0, 4.0), (8.0, 1.8)], ink, 1.0)
    c.circle(8.0, 1.6, 1.5, "#ff4a3a")
    c.rect(0.5, 7.0, 2.5, 11.0, "#7c8896")
    c.rect(13.5, 7.0, 15.5, 11.0, "#7c8896")
    c.d.rounded_rectangle(c._box(1.5, 3.5, 14.5, 15.5), radius=2 * SS, fill=rgb(ink))
    c.vgradient_rrect(2.5, 4.5, 13.5, 14.5, 1.5, "#e4eaf0", "#a4b0bc")
    c.rrect(3.5, 6.0, 12.5, 10.5, 1.0, "#1e2a44")
    c.circle(5.9, 8.2, 1.35, "#49e6ff")
    c.circle(10.1, 8.2, 1.35, "#49e6ff")
    c.rect(5.0, 12.0, 11.0, 13.5, "#5a6672")
    save_gif(c.image(), "auto.gif")

    c = Canvas(24, 24)                                                      # a circular arrow, clockwise
    blue, ink = "#2f62c8", "#1a3a80"
    cx, cy, r, end = 11.5, 12.5, 8.0, 268.0
    c.arc(cx - r - 2.2, cy - r - 2.2, cx + r + 2.2, cy + r + 2.2, -35, end + 2, ink, 4.4)
    c.arc(cx - r - 1.5, cy - r - 1.5, cx + r + 1.5, cy + r + 1.5, -35, end + 2, blue, 3.0)
    a = math.radians(end)
    px, py = cx + (r + 0.3) * math.cos(a), cy + (r + 0.3) * math.sin(a)
    tx, ty = -math.sin(a), math.cos(a)                                      # clockwise tangent
    nx, ny = math.cos(a), math.sin(a)
    head = [(px + tx * 6.5, py + ty * 6.5),
            (px + nx * 4.6, py + ny * 4.6), (px - nx * 4.6, py - ny * 4.6)]
    c.poly(head, blue, ink, 0.7)
    save_gif(c.image(), "arrow.gif")


# Sound indicator: sound_1.gif (on), sound_0.gif (off), 24 x 20.

def speaker(c):
    ink = "#2a2e38"
    c.poly([(2.0, 7.0), (6.0, 7.0), (11.5, 2.5), (11.5, 17.5), (6.0, 13.0), (2.0, 13.0)], "#5a6070", ink, 0.7)
    c.rect(2.0, 7.0, 6.0, 13.0, "#8a90a0")


def make_sound_icons():
    c = Canvas(24, 20)
    speaker(c)
    green = "#1e9a4a"
    for r, w in ((3.2, 1.6), (6.4, 1.6), (9.6, 1.6)):
        c.arc(11.5 - r, 10.0 - r, 11.5 + r, 10.0 + r, -50, 50, green, w)
    save_gif(c.image(), "sound_1.gif")
    c = Canvas(24, 20)
    speaker(c)
    red = "#d4141e"
    c.line([(15.0, 6.0), (22.0, 13.5)], red, 2.2)
    c.line([(22.0, 6.0), (15.0, 13.5)], red, 2.2)
    save_gif(c.image(), "sound_0.gif")


# Speed indicator speed_1..speed_19: 64 x 20.
# A tortoise (slow) on the left, a hare (fast) on the right and ten rising bars between them;
# the lower the level (the shorter the pauses), the more bars are lit.

def tortoise(c, x, y):
    ink, shell, dark, skin = "#2c4a1c", "#5cb84c", "#2f7a2a", "#b4cc64"
    c.ellipse(x + 0.0, y + 4.6, x + 4.8, y + 9.0, skin, ink, 0.7)           # head
    c.rect(x + 4.6, y + 8.6, x + 6.8, y + 11.0, skin, ink, 0.6)             # legs
    c.rect(x + 10.6, y + 8.6, x + 12.8, y + 11.0, skin, ink, 0.6)
    c.poly([(x + 14.0, y + 7.6), (x + 15.8, y + 9.2), (x + 13.5, y + 9.2)], skin, ink, 0.5)
    c.chord(x + 3.4, y + 1.2, x + 15.2, y + 16.2, 180, 360, shell, ink, 0.8)
    c.rect(x + 3.4, y + 8.0, x + 15.2, y + 9.2, "#e2d488", ink, 0.5)      # rim of the shell
    c.poly([(x + 7.6, y + 3.8), (x + 11.0, y + 3.8), (x + 12.2, y + 5.8),
            (x + 11.0, y + 7.6), (x + 7.6, y + 7.6), (x + 6.4, y + 5.8)], dark)
    c.rect(x + 1.3, y + 5.9, x + 2.2, y + 6.8, "#101010")                 # eye


def hare(c, x, y):
    ink, fur, inner = "#4a3020", "#d8b48a", "#f4c0b8"
    c.ellipse(x + 5.5, y - 0.5, x + 8.2, y + 6.5, fur, ink, 0.6)           # ears
    c.ellipse(x + 8.0, y + 0.2, x + 10.7, y + 7.0, fur, ink, 0.6)
    c.ellipse(x + 8.8, y + 1.2, x + 9.9, y + 5.5, inner)
    c.line([(x + 2.0, y + 11.0), (x - 0.5, y + 12.5)], ink, 1.3)           # hind leg
    c.line([(x + 7.5, y + 11.5), (x + 10.5, y + 13.0)], ink, 1.3)           # fore leg
    c.ellipse(x + 0.0, y + 6.0, x + 10.0, y + 12.5, fur, ink, 0.7)         # body
    c.circle(x + 0.3, y + 7.6, 1.3, "#ffffff", ink, 0.5)                    # tail
    c.ellipse(x + 7.0, y + 4.0, x + 13.5, y + 9.5, fur, ink, 0.7)          # head
    c.rect(x + 10.4, y + 5.6, x + 11.3, y + 6.5, "#101010")               # eye
    c.rect(x + 12.6, y + 7.0, x + 13.4, y + 7.8, "#e87080")               # nose


def blend(a, b, t):
    a, b = rgb(a), rgb(b)
    return "#%02x%02x%02x" % tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def bar_colour(i):
    if i < 5:
        return blend("#34b04a", "#f2c21e", i / 4.0)
    return blend("#f2c21e", "#e43a26", (i - 5) / 4.0)


def make_speed_icons():
    for level in range(1, 20):
        lit = 10 - (level - 1) // 2
        c = Canvas(64, 20)
        c.rrect(0.0, 0.0, 64.0, 20.0, 4.0, "#8a8a7e")
        c.vgradient_rrect(1.0, 1.0, 63.0, 19.0, 3.0, "#ffffff", "#eeeee2")
        tortoise(c, 1.2, 2.6)
        for i in range(10):
            x = 18.0 + 3.0 * i
            top = 15.5 - (3.0 + 1.1 * i)
            col = bar_colour(i) if i < lit else "#d6d6ce"
            c.rect(x, top, x + 2.0, 16.5, col)
        hare(c, 49.0, 3.0)
        save_gif(c.image(), "speed_%d.gif" % level)



# Sounds: 16-bit PCM mono, 44100 Hz, brought to one loudness with the peak at most -1 dBFS,
# short fades at both ends so that no sound starts or stops with a click.

RATE = 44100


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def add(dst, src, at):
    """Mixes src into dst starting at the time at (seconds), growing dst as needed."""
    start = int(round(at * RATE))
    if len(dst) < start + len(src):
        dst.extend([0.0] * (start + len(src) - len(dst)))
    for i, v in enumerate(src):
        dst[start + i] += v
    return dst


def tone(partials, seconds, attack=0.004, release=0.3):
    """A struck tone: partials are (frequency, amplitude, decay time constant in s). Its last
    release share fades out along a half cosine, so that a note never stops dead, even when
    another one still sounds over its end."""
    n = int(round(seconds * RATE))
    fade = max(1, int(n * release))
    out = []
    for i in range(n):
        t = i / RATE
        v = 0.0
        for f, a, tau in partials:
            v += a * math.exp(-t / tau) * math.sin(2.0 * math.pi * f * t)
        tail = min(1.0, (n - i) / fade)
        out.append(v * min(1.0, t / attack) * (0.5 - 0.5 * math.cos(math.pi * tail)))
    return out


class BandPass:
    """A two-pole band-pass filter (constant peak gain)."""

    def __init__(self, freq, q):
        self.set(freq, q)
        self.x1 = self.x2 = self.y1 = self.y2 = 0.0

    def set(self, freq, q):
        w = 2.0 * math.pi * freq / RATE
        alpha = math.sin(w) / (2.0 * q)
        a0 = 1.0 + alpha
        self.b0, self.b2 = alpha / a0, -alpha / a0
        self.a1, self.a2 = -2.0 * math.cos(w) / a0, (1.0 - alpha) / a0

    def __call__(self, x):
        y = self.b0 * x + self.b2 * self.x2 - self.a1 * self.y1 - self.a2 * self.y2
        self.x2, self.x1 = self.x1, x
        self.y2, self.y1 = self.y1, y
        return y


def loudness(samples):
    """RMS of the loudest 100 ms stretch."""
    win, best = int(0.1 * RATE), 0.0
    for a in range(0, max(1, len(samples) - win), RATE // 200):
        seg = samples[a:a + win]
        best = max(best, math.sqrt(sum(v * v for v in seg) / len(seg)))
    return best


def write_wav(name, samples, level=0.16, peak=0.891):
    """Scales the sound to the loudness level, or less where its peak would pass -1 dBFS."""
    fade_in, fade_out = int(0.003 * RATE), int(0.012 * RATE)
    n = len(samples)
    s = list(samples)
    for i in range(min(fade_in, n)):
        s[i] *= i / fade_in
    for i in range(min(fade_out, n)):
        s[n - 1 - i] *= i / fade_out
    gain = min(peak / (max(abs(v) for v in s) or 1.0), level / (loudness(s) or 1.0))
    frames = b"".join(struct.pack("<h", int(round(v * gain * 32767))) for v in s)
    with wave.open(os.path.join(OUT, name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def bell(freq, seconds, level=1.0):
    return [v * level for v in tone([(freq, 1.0, 0.14), (freq * 2.0, 0.35, 0.08),
                                     (freq * 3.0, 0.12, 0.05), (freq * 4.07, 0.08, 0.03)], seconds)]


def chime():
    """beep1: a rising three-note chime (C6, E6, G6) for a new game."""
    out = []
    for k, f in enumerate((1046.5, 1318.5, 1568.0)):
        add(out, bell(f, 0.44, 1.0 - 0.1 * k), 0.08 * k)
    return out


def done():
    """beep2: a soft two-note 'done' (G5 then C5), sine-like with a gentle decay."""
    out = []
    for at, f, level in ((0.0, 783.99, 0.8), (0.14, 523.25, 1.0)):
        add(out, [v * level for v in tone([(f, 1.0, 0.11), (f * 2.0, 0.12, 0.06)], 0.36, 0.012)], at)
    return out


def rattle(seconds, hits, seed):
    """Dice tumbling in a ceramic bowl: short filtered clicks that excite the bowl's ring,
    closer together at first and slowing down as the dice settle; the last ring has died
    away when the given time is up."""
    rnd = random.Random(seed)
    ring_seconds = 0.09
    out = silence(seconds)
    times = []
    for k in range(hits):
        u = (k + 0.5 * rnd.random()) / hits
        times.append((seconds - ring_seconds) * (1.0 - (1.0 - u) ** 1.6))
    bowl = [(1870.0, 0.040), (2930.0, 0.030), (4160.0, 0.022), (5330.0, 0.015)]
    for k, at in enumerate(times):
        level = (1.0 - 0.55 * k / hits) * (0.6 + 0.4 * rnd.random())
        click_len = int(0.004 * RATE)
        bp = BandPass(2600.0 + 2400.0 * rnd.random(), 1.4)
        click = [bp(rnd.uniform(-1.0, 1.0) * (1.0 - i / click_len)) * 2.2 for i in range(click_len)]
        ring = tone([(f * (0.97 + 0.06 * rnd.random()), 0.25 * rnd.random() + 0.08, tau)
                     for f, tau in bowl], ring_seconds, 0.0008)
        hit = [0.0] * len(ring)
        for i, v in enumerate(click):
            hit[i] += v
        for i, v in enumerate(ring):
            hit[i] += v * 0.55
        add(out, [v * level for v in hit], at)
    return out


def coin():
    """beep4: two coins clinking."""
    rnd = random.Random(4)
    out = []
    for at, level, base in ((0.0, 1.0, 2360.0), (0.085, 0.75, 2510.0)):
        partials = [(base, 0.6, 0.09), (base * 2.41, 0.5, 0.07), (base * 3.87, 0.35, 0.05),
                    (base * 5.12, 0.2, 0.035)]
        clink = tone(partials, 0.26, 0.0005)
        bp = BandPass(6000.0, 1.0)
        for i in range(int(0.003 * RATE)):
            clink[i] += bp(rnd.uniform(-1.0, 1.0)) * 1.5
        add(out, [v * level for v in clink], at)
    return out


def descend():
    """beep5: a falling tone, the game is broken off."""
    n = int(0.5 * RATE)
    out, phase = [], 0.0
    for i in range(n):
        t = i / n
        f = 660.0 * (0.5 ** (1.4 * t))                                     # down by 1.4 octaves
        phase += 2.0 * math.pi * f / RATE
        env = min(1.0, i / (0.01 * RATE)) * (1.0 - t) ** 1.5
        out.append(env * (math.sin(phase) + 0.25 * math.sin(2.0 * phase) + 0.1 * math.sin(3.0 * phase)))
    return out


def whoosh():
    """beep6: filtered noise sweeping upwards and back, the bank slides to the next seat."""
    rnd = random.Random(6)
    n = int(0.45 * RATE)
    bp1, bp2 = BandPass(500.0, 2.0), BandPass(500.0, 2.0)
    out = []
    for i in range(n):
        t = i / n
        bp1.set(400.0 + 2600.0 * math.sin(math.pi * t) ** 1.5, 2.2)
        bp2.set(400.0 + 2600.0 * math.sin(math.pi * t) ** 1.5, 2.2)
        env = math.sin(math.pi * t) ** 2
        out.append(env * bp2(bp1(rnd.uniform(-1.0, 1.0))))
    return out


def rolling_seconds(speed_level):
    """How long the dice roll before the hand shows: the 0.30 s animation, then 0.04 s per level."""
    return 0.30 + 0.04 * speed_level


def make_sounds():
    # Each throw sound serves a range of speed levels and lasts as long as the dice roll at the
    # fastest of them (beep3 from level 1, beep7 from 7, beep8 from 15): the slower the game, the
    # longer the rattle, and it always ends before the next throw.
    write_wav("beep1.wav", chime())
    write_wav("beep2.wav", done())
    write_wav("beep3.wav", rattle(rolling_seconds(1), 9, 3))
    write_wav("beep4.wav", coin())
    write_wav("beep5.wav", descend())
    write_wav("beep6.wav", whoosh())
    write_wav("beep7.wav", rattle(rolling_seconds(7), 14, 7))
    write_wav("beep8.wav", rattle(rolling_seconds(15), 20, 8))


# Texts: Help1.txt, Help1_en.txt and Readme.txt in UTF-8 with LF; dice.ini in CP932 with CR LF.

HELP = """\
Qubrin　ちんちろりん　ヘルプ
============================

  1. ちんちろりんとは
  2. テーブルの見方
  3. ゲームの進め方
  4. 役と配当
  5. 親の目で勝負が決まるとき
  6. 親の交代とスルー
  7. 特別ルール（12の設定）
  8. 設定画面
  9. 出目集計
 10. 効果音とスピード
 11. メニューとキー
 12. キーボードで遊ぶ


1. ちんちろりんとは
--------------------

サイコロ3個を丼（どんぶり）に振り、出た目の「役」の強さで勝負する遊びです。
参加者のうち一人が「親」、ほかの全員が「子」になります。子は親に対して点を
賭け（ベント）、親と子がそれぞれサイコロを振って役を比べます。勝負はいつも
親と子の一対一で、子どうしが勝負することはありません。

Qubrin では 2～6人で遊べます。どの席も、人が操作することも、コンピュータに
任せること（設定の「自動にする」）もできます。人の席はいくつあってもかまい
ませんので、一つの画面を囲んで何人でも一緒に遊べます。


2. テーブルの見方
------------------

席は左右2列に並び、時計回りに番号が付いています。設定画面の番号で言うと、

    2番（左上）      3番（右上）
    1番（左中）      4番（右中）
    6番（左下）      5番（右下）

の順に時計回りです。5人以上で遊ぶときは下の段が現れ、窓が縦に長くなります。
列の間の矢印（時計回り）が、親が移っていく向きと子が振る順番を示します。

それぞれの席には次のものが表示されます。

  ・名前、似顔絵、スコア（持ち点）
  ・ベント額（コインの絵の横の数字。親は賭けないので空欄）
  ・コンピュータの席には小さなロボットの印
  ・人が操作する子の席には、ベント額を決めるスクロールバー
  ・サイコロ3個、何投目か（「2投目」など）、役の名前と役の値
  ・親の席は青紫色のパネルになり、「親１戦」「親２戦」…と表示されます
    （その席が親になってから何回目の勝負か）。子の席は緑色です。

上の段には、次に何をすればよいかを示す案内（「ベントして下さい」など）と、
4つのコマンド「ベント」「実 行」「次のﾀｰﾝ」「ｽﾙｰ」があります。そのとき押せる
コマンドだけが有効になり、押せないコマンドは灰色で表示されます。

テーブルにはほかに、「残り回数」「親の回数」「振る回数」「下限」「上限」の
設定値と、スピードの絵（カメとウサギ）、効果音の絵（スピーカー）があります。


3. ゲームの進め方
------------------

(1) 新しいゲーム
    メニューの「ｹﾞｰﾑ」→「新規ｹﾞｰﾑ」（F2キー）で始めます。全員のスコアが設定の
    「初期値」になり、最初の親が時計の秒で決まります。

(2) ベント（賭け）
    「ベント」を押すと、子が賭けます。親は賭けません。
    ・コンピュータの子は「下限」～「上限」の間で賭け額を決めます（10点単位、
      1000点以上は100点単位に切り上げ、上限は超えません）。
    ・人の子には、前の勝負と同じ額（そのゲームで初めてのときは下限と上限の
      中ほどの額）が示されます。「実 行」を押すまでは、自分のスクロールバー
      で自由に変えられます。

(3) 実 行（サイコロを振る）
    「実 行」を押すと、その勝負のサイコロがすべて自動で振られます。
    ・まず親が振ります。親の役で勝負が決まったときは、子は振りません
      （→「5. 親の目で勝負が決まるとき」）。
    ・決まらなければ、親の次の席から時計回りに、子が一人ずつ振ります。
    ・一人が振れるのは「振る回数」まで（ふつうは3回）です。役が出ればそこで
      終わり、「役なし」なら振り直します。最後まで役なしなら「役なし」です。
    ・全員が振り終わると精算され、スコアが変わります。

(4) 次のﾀｰﾝ
    結果を確かめたら「次のﾀｰﾝ」を押します。テーブルが片付き、「残り回数」が
    一つ減って、次の勝負のベントに移ります。親の交代もこのときに行われます。

(5) ゲームの終わり
    「残り回数」が 0 になるとゲームは終わり、案内に「ゲームの中断」と出ます。
    最後のスコアはそのまま残ります。新しいゲームを始めるには、まず「ｹﾞｰﾑ」→
    「ｹﾞｰﾑ中断」（F9キー）でそのゲームを閉じてから「新規ｹﾞｰﾑ」を選びます。
    ゲームが終わると「対局結果」の窓が開き、席ごとの順位（同じ点なら同じ順位）、
    持ち点、初期値からの増減、親をしたターン数、いちばん強かった役を示します。
    スコアが 0 以下になった席も、ゲームの終わりまでそのまま続けて遊びます。

ゲームの中断（F9）
    いつでも（サイコロが転がっている間を除いて）「ｹﾞｰﾑ中断」でゲームを
    やめられます。確認で「はい」を選ぶとゲームは終わり、「いいえ」なら
    そのまま続きます。中断したゲームは再開できません。
    中断の後は「ｹﾞｰﾑ」→「読込」（Ctrl+L）で設定ファイルを読み直せます。
    各席のスコアは初期値に、名前と似顔絵は設定ファイルのものに戻ります。


4. 役と配当
------------

役は強い順に並べると次のとおりです。役の名前の横に出る数字が「役の値」で、
小さいほど強い役です。値が同じなら引き分けです。
役の名前は、ゾロ目とシゴロが青、役なし・場外・ヒフミなど負けの役が赤で表示
されます。

  ゾロ目（3つとも同じ目）
      1のゾロ目（値11）、2のゾロ目（12）… 6のゾロ目（16）。
      目の小さいゾロ目ほど強く、1のゾロ目が一番強いゾロ目です。
      勝てば 3倍もらえます。

  シゴロ（4・5・6）
      値20。勝てば 2倍もらえます。

  目（2つが同じで、残り1つの数字が「目」になります）
      6の目（値34）、5の目（35）、4の目（36）、3の目（37）、2の目（38）、
      1の目（39）。例えば 3・3・5 は「5の目」です。
      勝ち負けとも 1倍です。

  役なし（3つともばらばらで、シゴロでもヒフミでもない）
      値50。「振る回数」まで振り直せます。最後まで役なしなら、その人の役は
      役なしで、負ければ 1倍払います。

  場　外（サイコロが丼から飛び出した）
      値51。まれに（およそ2000回に1回）起こります。サイコロ3つに×印が出て、
      その人の番はすぐに終わります。負ければ 1倍払います。
      （「場外は役なしと同じとする」にすると、役なしと同じく振り直せます。）

  ヒフミ（1・2・3）
      値60。一番弱い役で、負ければ 2倍払います。

特別ルールで加わる役（→「7. 特別ルール」）

  「１のゾロ目を５倍勝ちにする」
      1のゾロ目が値1の最強の役になり、勝てば 5倍もらえます。
  「５のゾロ目を５倍勝ちにする」
      5のゾロ目が値5になり、ほかのどのゾロ目よりも強く（5倍勝ちの1のゾロ目
      よりは弱く）なって、勝てば 5倍もらえます。
  「１のゾロ目を３倍負けにする」
      1のゾロ目が値70の最弱の役になり、負ければ 3倍払います。

配当のきまり

  子も振ったときは、子の役と親の役を比べます。
  ・子の役が強いとき：親が子に「ベント額 × 倍率」を払います。
    倍率は子の役で決まります。5倍勝ちのゾロ目 5倍、ゾロ目 3倍、シゴロ 2倍、
    そのほかは 1倍。
  ・子の役が弱いとき：子が親に「ベント額 × 倍率」を払います。
    倍率は子の役で決まります。ヒフミ 2倍、3倍負けの1のゾロ目 3倍、そのほか
    は 1倍。親の役がどんなに強くても倍率は上がりません。
  ・値が同じとき：引き分けで、点は動きません。

  親の役で勝負が決まったときは、親の役の倍率が子の全員に当てはまります
  （次の節）。


5. 親の目で勝負が決まるとき
----------------------------

親が振り終わったとき、次の役なら子は振らずに、その場で全員との勝負が決まり
ます（子の全員について「ベント額 × 倍率」が動きます）。

@BANKER@

親が 2の目～5の目のときは、子が順に振って親の役と比べます。

特別ルールで変えられます。
  「親が６の目の場合、子は出来る」  親の6の目でも子が振ります。
  「親が１の目の場合、子は出来る」  親の1の目でも子が振ります。
このときは、ほかの目のときと同じように、子の役と親の役を比べます。


6. 親の交代とスルー
--------------------

・親は「親の回数」だけ続けて勝負をすると、時計回りで次の席に移ります。
・特別ルール「親の出目でスルーする」の項目をONにすると、その目を出した勝負の
  後で、親の回数が残っていても親が次の席に移ります。
・親を自分から流す「ｽﾙｰ」：特別ルール「親のスルー」をONにすると、ベントの前に
  「ｽﾙｰ」が表示されます。押すと親がすぐ次の席に移り、新しい親の1戦目になり
  ます。スルーは勝負の回数に数えず、「残り回数」は減りません。
    「親をスルーする事が出来る」
        親はいつでも（ベントの前なら）スルーできます。
    「親をスルーする事が出来るが、1回は必ずする」
        親になって最初の勝負は必ずしなければならず、2戦目からスルーできます。
  ベントまでの間に、親が一周（参加人数の回数）を超えてスルーすることはでき
  ません。


7. 特別ルール（12の設定）
--------------------------

設定画面の「特別ﾙｰﾙ」の欄で、12のルールをそれぞれON／OFFにできます。
かっこの中は設定ファイル dice.ini での名前です（1 がON、0 がOFF）。

【特別配当】
  「１のゾロ目を５倍勝ちにする」（P_CHECK3）
      1のゾロ目が最強の役（値1）になり、5倍勝ちになります。
  「１のゾロ目を３倍負けにする」（P_CHECK4）
      1のゾロ目が最弱の役（値70）になり、3倍負けになります。
  「５のゾロ目を５倍勝ちにする」（P_CHECK5）
      5のゾロ目（値5）が、5倍勝ちの1のゾロ目の次に強い役になり、5倍勝ちに
      なります。
  ※「１のゾロ目を５倍勝ちにする」と、ほかの二つは同時に選べません。
    「１のゾロ目を３倍負けにする」と「５のゾロ目を５倍勝ちにする」は
    一緒に選べます。

【親の出目で子は？】
  「親が６の目の場合、子は出来る」（P_CHECK1）
      親が6の目でも勝負を決めず、子が振ります。
  「親が１の目の場合、子は出来る」（P_CHECK2）
      親が1の目でも勝負を決めず、子が振ります。

【親のスルー】
  「親をスルーする事が出来る」（P_CHECK6）
      親はベントの前にいつでも「ｽﾙｰ」で親を流せます。
  「親をスルーする事が出来るが、1回は必ずする」（P_CHECK7）
      親になって2戦目から「ｽﾙｰ」で親を流せます。
  ※この二つは同時に選べません。

【親の出目でスルーする】（その勝負の後で親が次の席に移ります）
  「親がヒフミ(3倍負け含む)の場合」（P_CHECK8）
      親がヒフミか、3倍負けの1のゾロ目を出したとき。
  「親が場外の場合」（P_CHECK9）
  「親が役なしの場合」（P_CHECK10）
  「親が1の目の場合」（P_CHECK11）

【その他】
  「場外は役なしと同じとする」（P_CHECK12）
      場外でも番が終わらず、役なしと同じく「振る回数」まで振り直せます。
      最後の一投が場外なら、その人の役は場外です。（基本はその場で終了）


8. 設定画面
------------

「ｹﾞｰﾑ」→「設定」（Ctrl+S）で開きます。開いたままでもテーブルは使えます。
設定画面には3つのタブがあります。

【参加者】
  「参加人数」（2～6人）を選び、席ごとに
    ・名前
    ・「自動にする」（チェックするとコンピュータが遊びます）
    ・似顔絵の番号（1～9。右に選んだ絵が出ます）
  を決めます。下の「イメージ」の欄に、9つの似顔絵が番号順に並んでいます。
  席の番号は「2. テーブルの見方」の図のとおりです。
  名前を空にすると「○△□」になります。

【数値設定】
  「スコア」の「初期値」 ………… ゲーム開始時の持ち点（上限～999999）
  「ベント」の「上限」 …………… 賭け額の上限（下限～9999、初期値以下）
  「ベント」の「下限」 …………… 賭け額の下限（0～上限）
  「回数」の「ゲームの回数」 …… 1ゲームの勝負の数（1～9999）
  「回数」の「親の回数」 ………… 親が続けて勝負する数（1～9）
  「回数」の「振る回数」 ………… 一人が一回の勝負で振れる数（1～5。基本は3回）
  範囲の外の値や数字でないものを入れると「(ToT)」の付いた注意が出ます。
  OKを押したときに範囲に直され、数字でないものは決まった値（初期値 500、
  上限 50、下限 5、ゲームの回数 30、親の回数 3、振る回数 3）になります。

【特別ﾙｰﾙ】
  12のルール（→「7. 特別ルール」）。

下のボタン
  「保存（S）」  いま画面に出ている設定を、選んだ設定ファイル（*.ini）に書き
                 込みます。次に起動したときもこの設定で遊ぶには、最初に開く
                 フォルダの dice.ini に保存してください。
  「読込(L)」    選んだ設定ファイルの内容を設定画面に読み込みます。テーブルに
                 使うには、続けてOKを押します。
  「OK」         設定をテーブルに当てはめて画面を閉じます。ファイルには書き
                 込みません（保存するのは「保存」ボタンだけです）。
  「ｷｬﾝｾﾙ(C)」   画面を閉じます。
  「ﾍﾙﾌﾟ」       このヘルプを開きます。

ゲームの途中では、名前と似顔絵だけが変えられます（OKを押すとすぐにテーブル
に反映されます）。ほかの設定と「保存」「読込」は、ゲームを中断するか終えて
から使えます。
人数・初期値・上限・下限・ゲームの回数は、次の「新規ｹﾞｰﾑ」から使われます。


9. 出目集計
------------

「ｵﾌﾟｼｮﾝ」→「出目集計」で開きます。席ごとに、それぞれの勝負の最後の役が何回
出たかを、1のゾロ目からヒフミまでの16の役に分けて数え、右の「Total」に合計を
出します。5倍勝ち・3倍負けの1のゾロ目は1のゾロ目に、5倍勝ちの5のゾロ目は
5のゾロ目に数えます。親の役で勝負が決まり、振らなかった子はどの役にも数え
られません。

表は開いたときの数です。勝負が進んだら、一度閉じて開き直してください。
「集計クリア」で数を 0 に戻せます。「新規ｹﾞｰﾑ」でも 0 に戻ります。

「ｵﾌﾟｼｮﾝ」→「ターン履歴」（Ctrl+H）では、ゲームのすべてのターンについて、親、
席ごとの出目（振った順）、役、賭け、支払い、ターン後の持ち点を一覧にし、その下に
持ち点の推移をグラフで示します。開いたままでも勝負に合わせて増えていきます。
「コピー」でクリップボードへ、「CSV保存」で UTF-8 の CSV ファイルに書き出せます。
「ｵﾌﾟｼｮﾝ」→「成績」（Ctrl+R）では、ゲームの途中でもその時点の順位を見られます。


10. 効果音とスピード
---------------------

効果音
  「ｵﾌﾟｼｮﾝ」→「効果音を出す」→「ON」／「OFF」で切り替えます。テーブルの
  スピーカーの絵をクリックすると「効果音」の小窓が開き、「効果音を出す」の
  チェックでも切り替えられます。音が出るのは、新しいゲーム（チャイム）、
  ベント（コインの音）、サイコロを振るたび（サイコロの音。スピードで長さが
  変わります）、勝負の精算（終わりの合図）、親のスルー、ゲームの中断のときです。

スピード
  サイコロを振るときの間（ま）の長さです。「ｵﾌﾟｼｮﾝ」→「スピード」→「▲Up」で
  速く、「▼Down」で遅くなります（1～17）。テーブルのスピードの絵（カメと
  ウサギ）をクリックすると「スピード」の小窓が開き、「▲Up」「▼Down」の
  ボタンでも変えられます（1～19）。
  数字が小さいほど速く、絵では緑から赤へ伸びる棒が多いほど速くなります。
  サイコロが転がっている間に変えても、すぐに効きます。

効果音もスピードも保存されません。起動するたびに、効果音はON、スピードは7
から始まります。


11. メニューとキー
-------------------

@MENU@

ゲームのスコアや出目集計はファイルに残りません。設定が書き込まれるのは、
設定画面の「保存」ボタンを押したときだけです。表示の大きさだけは、選ぶと
すぐに自分用の設定（~/.config/qubrin/qubrin.conf）に記録され、次に起動した
ときも同じ大きさで開きます。画面に入りきらない大きさは、入る大きさで表示
されます。長すぎる名前は「…」で切って表示し、マウスを載せると全体が出ます。


12. キーボードで遊ぶ
--------------------

マウスを使わずに、キーだけで最後まで遊べます。次に押すコマンド（ベント、
実 行、次のﾀｰﾝ）には自動でフォーカス（オレンジ色の枠）が移ります。

@KEYS@
"""

README = """\
Qubrin　ちんちろりん　Ver1.02
==============================

Qubrin is a desktop game of chinchirorin, the Japanese three-dice game with
one banker, for two to six players (people or the computer). It speaks
Japanese or English (menu 言語 / Language); see "How to play" below.


■ Qubrin とは

サイコロ3個で遊ぶ「ちんちろりん」のゲームです。一人が親になり、ほかの子が親に
賭けて、出た目の役で勝負します。2～6人で遊べ、どの席も人が操作することも
コンピュータに任せることもできます。役と配当、12の特別ルール、親の交代、
出目集計、効果音、スピードの調整があります。
遊び方は Help1.txt（メニューの「ﾍﾙﾌﾟ」→「ヘルプ」）をご覧ください。


■ 動作環境

  Linux（Debian 12）
  Qt 6.4、日本語フォント（fonts-noto-cjk）


■ インストールと起動（Debian 12）

Qubrin はソースから作って遊びます。ソース一式のフォルダ（git clone した
フォルダ、または受け取ったアーカイブを展開したフォルダ。run.sh と
CMakeLists.txt が入っているところ）で、次のコマンドを一つ実行してください:

  ./run.sh

./run.sh は、足りない Debian パッケージ（g++、cmake、ninja-build、
qt6-base-dev、qt6-multimedia-dev、qt6-translations-l10n、libgtest-dev、
fonts-noto-cjk）を apt で入れ（root でないときは sudo がパスワードを
聞きます）、ゲームだけをビルドして起動します。初めての起動はビルドのぶん
待ちます（2コアの機械で数分、ほかの作業で混んでいると10分ほど）。
2回目からはビルド済みなので、すぐに始まります。ビルドしたプログラムは
build/release/bin/qubrin で、直接起動することもできます。

パッケージにしてインストールするには（メニューの「ゲーム」に入ります）:

  cd build/release && cpack -G DEB -B "$PWD/package"
  sudo apt install ./package/qubrin_*.deb

アンインストールは sudo apt remove qubrin です（設定ファイルは残ります）。
qubrin --help でコマンドラインのオプションが見られます。

テストとベンチマークは ./test.sh がビルドして走らせます（時間がかかります）:

  ./test.sh


■ プログラムと同じフォルダ（インストールしたときは share/qubrin）にあるファイル

  qubrin                      プログラム
  dice.ini                    設定ファイル
  Help1.txt                   ヘルプ（遊び方）
  Help1_en.txt                ヘルプの英語版（Help in English）
  Readme.txt                  このファイル
  img1.gif～img9.gif          似顔絵（9種類）
  1_.gif～6_.gif              サイコロの目
  9_.gif                      丼から飛び出したサイコロ（場外）
  speed_1.gif～speed_19.gif   スピードの絵
  sound_0.gif、sound_1.gif    効果音 OFF／ON の絵
  bent.gif、auto.gif          ベントの印、コンピュータの席の印
  arrow.gif                   時計回りの矢印
  beep1.wav～beep8.wav        効果音

絵・音・テキストはすべてデータのファイルで、ビルドのときにソースの assets/ から
プログラムのフォルダにコピーされます。assets/ の中身は tools/make_assets.py で
作り直せます（python3 と python3-pil が要ります）:

  python3 tools/make_assets.py


■ 設定ファイル dice.ini

設定は dice.ini に入っていて、起動するたびに読み込まれます。その場所は:
  ./run.sh で起動したとき   build/release/bin/dice.ini（プログラムと同じフォルダ）
  インストールしたとき      ~/.config/qubrin/dice.ini（最初の起動で作られます）
qubrin --settings ファイル名 で、ほかの設定ファイルを使って起動できます。
ファイルに書き込まれるのは、設定画面（Ctrl+S）の「保存（S）」ボタンを押した
ときだけです。OKを押しただけの設定や、スコア・出目集計・効果音・スピードは、
終了すると残りません。

dice.ini は Windows の INI 形式で、[DiceGame] の欄に37の項目が並びます
（文字コードは Shift_JIS（CP932）、改行は CR LF。UTF-8 で書くときは先頭に
BOM を付けてください）。手で書き換えることもできますが、ふつうは設定画面を
使ってください。dice.ini が見つからないときは「設定ﾌｧｲﾙが見つかりません。(ToT)」
と出ます。そのときは設定画面で値を決めて、上の場所に dice.ini という名前で
保存してください。

最初の dice.ini の設定:
  4人（あなた、タロウ、ハナコ、ゲンさん。ミケとポンタは5人目・6人目）、
  「あなた」だけが人、ほかはコンピュータ。初期値 500、上限 50、下限 5、
  親の回数 3、ゲームの回数 30、振る回数 3、特別ルールはすべてOFF。


■ キー

  F2       新規ゲーム
  F9       ゲーム中断
  Ctrl+S   設定
  Ctrl+L   設定ファイルの読み直し（ゲームを中断した後）
  Ctrl+H   ターン履歴
  Ctrl+R   成績
  Ctrl+X   終了


■ How to play

  1. Game -> New game (F2) seats the players and picks the first banker.
  2. Bet: each player bets against the banker (a person sets the bet with
     the seat's scroll bar; the computer bets by its character).
  3. Roll: the banker rolls first, then each player clockwise, up to the set
     number of throws, until the dice make a hand. Some banker hands (a
     triple, 4-5-6, point 6, point 1, no hand, out of the bowl, 1-2-3)
     decide every bet at once.
  4. Next turn clears the table; the bank moves clockwise after the set
     number of turns. Pass lets the banker give up the bank when the rule
     options allow it.
  5. After the last turn the results window shows the ranks. Game -> Quit
     this game (F9) closes a game before the next new game.

The hands, the payouts and the twelve rule options are explained in
Help1_en.txt (menu Help -> Help). The English edition covers the table, its
menus and messages and the help; a window not yet translated shows its
Japanese texts. The settings file dice.ini, the names typed by the players
and the network play do not change with the language; the turn history's
CSV file keeps its columns in the same order, only its header row follows
the language in force.


■ バージョン

  Qubrin Ver1.02
"""

def width(text):
    """Columns the text takes in a fixed-pitch CJK font."""
    return sum(2 if unicodedata.east_asian_width(ch) in "WF" else 1 for ch in text)


def table(rows, indent, gap=2):
    """Lines of two or three columns, each column padded to its widest cell."""
    cols = max(len(r) for r in rows)
    widths = [max(width(r[i]) for r in rows if len(r) > i) for i in range(cols)]
    lines = []
    for r in rows:
        cells = [c + " " * (widths[i] - width(c) + gap) if i < len(r) - 1 else c for i, c in enumerate(r)]
        lines.append(" " * indent + "".join(cells))
    return "\n".join(lines)


BANKER_TABLE = table([
    ("親の役", "結果"),
    ("5倍勝ちのゾロ目", "親の勝ち、子が 5倍払う"),
    ("ゾロ目", "親の勝ち、子が 3倍払う"),
    ("シゴロ", "親の勝ち、子が 2倍払う"),
    ("6の目", "親の勝ち、子が 1倍払う"),
    ("1の目", "親の負け、親が 1倍払う"),
    ("役なし（最後まで）、場外", "親の負け、親が 1倍払う"),
    ("ヒフミ", "親の負け、親が 2倍払う"),
    ("3倍負けの1のゾロ目", "親の負け、親が 3倍払う"),
], 2)

MENU_TABLE = "\n".join([
    "「ｹﾞｰﾑ(G)」",
    table([("設定(S)", "Ctrl+S", "設定画面を開く"),
           ("新規ｹﾞｰﾑ（N）", "F2", "新しいゲームを始める"),
           ("ｹﾞｰﾑ中断（Q）", "F9", "ゲームを中断する／終わったゲームを閉じる"),
           ("読込(L)", "Ctrl+L", "設定ファイルを読み直す（ゲームの中断の後）"),
           ("終了（X）", "Ctrl+X", "すぐに終了する（何も保存しません）")], 4),
    "「ｵﾌﾟｼｮﾝ(O)」",
    table([("出目集計(D)", "出目集計の窓を開く"),
           ("ターン履歴(T)", "各ターンの記録と持ち点のグラフを開く（Ctrl+H）"),
           ("成績(R)", "順位と成績を開く（Ctrl+R）"),
           ("スピード", "▲Up（速く）／▼Down（遅く）"),
           ("効果音を出す", "ON／OFF")], 4),
    "「表示(V)」",
    table([("拡大(I)", "Ctrl++", "テーブルと、そこから開く窓を一段大きくする"),
           ("縮小(O)", "Ctrl+-", "一段小さくする"),
           ("100 %", "Ctrl+0", "元の大きさに戻す"),
           ("125 %／150 %／200 %", "", "その大きさにする"),
           ("画面に合わせる(F)", "", "画面に収まるいちばん大きな大きさにする")], 4),
    "「ﾍﾙﾌﾟ(H)」",
    table([("ヘルプ(H)", "このヘルプを開く"),
           ("Rademeを見る(R)", "Readme.txt を開く"),
           ("ﾊﾞｰｼﾞｮﾝ情報(A)", "バージョンを表示する")], 4),
])

KEYS_TABLE = table([
    ("Enter／スペース", "フォーカスのあるコマンドを実行する"),
    ("Tab／Shift+Tab", "コマンドと、人の席のベント用スクロールバーを順に移る"),
    ("矢印キー", "ベントを 1 ずつ増減する"),
    ("PageUp／PageDown", "ベントを 10 ずつ（上限が 1000 以上なら 100 ずつ）増減する"),
    ("Home／End", "ベントを下限／上限にする"),
    ("F2／F9", "新規ｹﾞｰﾑ／ｹﾞｰﾑ中断"),
    ("Ctrl++／Ctrl+-", "テーブルを拡大／縮小する（Ctrl+0 で 100 %）"),
], 2)

HELP = HELP.replace("@BANKER@", BANKER_TABLE).replace("@MENU@", MENU_TABLE).replace("@KEYS@", KEYS_TABLE)

HELP_EN = help_en.HELP_EN.replace("@BANKER@", table(help_en.BANKER_ROWS, 2)) \
    .replace("@MENU@", "\n".join(line for title, rows in help_en.MENU_ROWS for line in (title, table(rows, 4)))) \
    .replace("@KEYS@", table(help_en.KEYS_ROWS, 2))

DICE_INI = [
    ("NINZU", "4"), ("SCORE", "500"), ("BETMAX", "50"), ("BETMIN", "5"),
    ("OYA", "3"), ("LAST", "30"), ("NAGEKAI", "3"),
    ("P_NAME0", "あなた"), ("P_NAME1", "タロウ"), ("P_NAME2", "ハナコ"),
    ("P_NAME3", "ゲンさん"), ("P_NAME4", "ミケ"), ("P_NAME5", "ポンタ"),
] + [("P_FLG%d" % i, "0" if i == 0 else "1") for i in range(6)] \
  + [("P_IMAG%d" % i, str(i + 1)) for i in range(6)] \
  + [("P_CHECK%d" % i, "0") for i in range(1, 13)]


def write_bytes(name, data):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


def make_texts():
    write_bytes("Help1.txt", HELP.encode("utf-8"))
    write_bytes("Help1_en.txt", HELP_EN.encode("utf-8"))
    write_bytes("Readme.txt", README.encode("utf-8"))
    lines = ["[DiceGame]"] + ["%s=%s" % kv for kv in DICE_INI]
    write_bytes("dice.ini", "".join(line + "\r\n" for line in lines).encode("cp932"))

def main():
    os.makedirs(OUT, exist_ok=True)
    make_portraits()
    make_dice()
    make_markers()
    make_sound_icons()
    make_speed_icons()
    make_sounds()
    make_texts()


if __name__ == "__main__":
    main()
