#!/usr/bin/env python3
"""Draws a preview sheet of the Steel theme: a mock-up of the player's
window built from the theme's bitmaps (the display tinted the way the player
tints it, by ANDing the white-on-black art with the display colour), then
every bitmap of the theme on its own, all at three times their size.

    steel_preview.py --artwork PATH/TO/artwork --output sheet.png [--colour RRGGBB]

Needs ImageMagick's montage and convert for the labels and the PNG.
"""
import argparse
import os
import subprocess
import sys
import tempfile

SCALE = 3
SHEET_COLOUR = (0x5A, 0x5F, 0x68)

# Rows of the sheet, each with as many columns: the display art, the
# panels, then the buttons, size by size.
# The font strip is shown in two halves to keep the sheet narrow.
ROWS = [
    (["font"], 1),
    (["titres", "grille", "grise"], 3),
    (["fond"], 1),
    (["play", "playing", "paused"], 2),
    (["trackdn", "rew", "stop", "for", "trackup", "eject", "progup", "progdown"], 4),
    (["time", "titre", "elapsed", "remaining", "fromstart", "toend",
      "normal", "repeat", "repeat1", "random", "audioon", "audiooff"], 5),
]
ORDER = [name for names, _ in ROWS for name in names]


class Image:
    def __init__(self, width, height, fill=(0, 0, 0)):
        self.width, self.height = width, height
        self.px = [list(fill) for _ in range(width * height)]

    def get(self, x, y):
        return self.px[y * self.width + x]

    def put(self, x, y, rgb):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y * self.width + x] = list(rgb)


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    width, height = int(fields[1]), int(fields[2])
    img = Image(width, height)
    for i in range(width * height):
        img.px[i] = list(data[pos + 3 * i:pos + 3 * i + 3])
    return img


def write_ppm(img, path):
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (img.width, img.height))
        f.write(bytes(v for p in img.px for v in p))


def scaled(img, factor):
    out = Image(img.width * factor, img.height * factor)
    for y in range(out.height):
        for x in range(out.width):
            out.px[y * out.width + x] = img.get(x // factor, y // factor)
    return out


def blit(dst, src, dx, dy, sx=0, sy=0, w=None, h=None, op=None):
    w = src.width - sx if w is None else w
    h = src.height - sy if h is None else h
    for y in range(h):
        for x in range(w):
            if not (0 <= sx + x < src.width and 0 <= sy + y < src.height):
                continue
            s = src.get(sx + x, sy + y)
            if op:
                s = op(dst.get(dx + x, dy + y) if 0 <= dx + x < dst.width and 0 <= dy + y < dst.height else [0, 0, 0], s)
            dst.put(dx + x, dy + y, s)


def padded(img, min_width):
    """Centred on the sheet's colour, at least min_width wide, so that a
    small picture keeps room for its label."""
    if img.width >= min_width:
        return img
    out = Image(min_width, img.height, SHEET_COLOUR)
    blit(out, img, (min_width - img.width) // 2, 0)
    return out


def tinted(img, colour):
    out = Image(img.width, img.height)
    out.px = [[p[0] & colour[0], p[1] & colour[1], p[2] & colour[2]] for p in img.px]
    return out


def stretched(img, width, height):
    out = Image(width, height)
    for y in range(height):
        for x in range(width):
            out.px[y * width + x] = img.get(x * img.width // width, y * img.height // height)
    return out


def sunken_frame(img, left, top, right, bottom):
    grey, white = (100, 100, 100), (255, 255, 255)
    for x in range(left, right + 1):
        img.put(x, top, grey)
        img.put(x, bottom, white)
    for y in range(top, bottom + 1):
        img.put(left, y, grey)
        img.put(right, y, white)


def face(img, art, x, y, state):
    w = art.width // 4
    blit(img, art, x, y, (state - 1) * w, 0, w, art.height)


def mock_window(art, colour):
    """The window with the icon bar, display, grid and transport row."""
    win = stretched(art["fond"], 414, 128)
    ybar = 30
    icons = ["time", "titre", "elapsed", "remaining", "fromstart", "toend",
             "normal", "repeat", "repeat1", "random", "audioon"]
    current = {"time", "elapsed", "repeat"}
    for i, name in enumerate(icons):
        face(win, art[name], 5 + 26 * i + (8 if i >= 2 else 0) + (8 if i >= 6 else 0), 3,
             3 if name in current else 1)
    # The display: frame, black panel, text line and the labels.
    sunken_frame(win, 5, ybar + 5, 296, ybar + 55)
    for y in range(ybar + 6, ybar + 56):
        for x in range(6, 296):
            win.put(x, y, (0, 0, 0))
    font = tinted(art["font"], colour)
    text = " 03      02:47    "
    for i, ch in enumerate(text):
        k = ord(ch) - 32
        blit(win, font, 7 + 16 * i, ybar + 20, k * 16, 0, 16, 20)
    titres = tinted(art["titres"], colour)
    upper, lower = ybar + 8, ybar + 44
    blit(win, titres, 10, upper, 0, 0, 26, 8)      # Track
    blit(win, titres, 113, upper, 52, 0, 37, 10)   # Elapsed
    blit(win, titres, 20, lower, 0, 11, 33, 10)    # Repeat
    blit(win, titres, 80, lower, 58, 11, 38, 8)    # Random
    # The grid, tracks 1 and 2 played (dimmed by the mask).
    gx, gy = 304 + 27, 5 + ybar
    blit(win, tinted(art["grille"], colour), gx, gy)
    sunken_frame(win, gx + 1, gy + 1, gx + 79, gy + 79)
    for k in (1, 2):
        c, r = (k - 1) % 5, (k - 1) // 5
        blit(win, art["grise"], gx + 3 + 15 * c, gy + 3 + 15 * r,
             op=lambda d, s: [d[0] & s[0], d[1] & s[1], d[2] & s[2]])
    # Transport row under the display, the play button showing "playing".
    x = 5
    for name in ["trackdn", "rew", "playing", "stop", "for", "trackup", "eject"]:
        face(win, art[name], x, ybar + 62, 2 if name == "stop" else 1)
        x += art[name].width // 4 + 2
    return win


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--artwork", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("--colour", default="00FFFF", help="display colour, RRGGBB")
    args = parser.parse_args()
    colour = [int(args.colour[i:i + 2], 16) for i in (0, 2, 4)]

    with tempfile.TemporaryDirectory() as work:
        subprocess.run([args.artwork, "--ppm", work] + ["steel-" + n for n in ORDER], check=True)
        art = {n: read_ppm(os.path.join(work, "steel-%s.ppm" % n)) for n in ORDER}

        mock = os.path.join(work, "mock.ppm")
        write_ppm(scaled(mock_window(art, colour), SCALE), mock)
        background = "#%02X%02X%02X" % SHEET_COLOUR
        parts = [mock]
        for row, (row_names, columns) in enumerate(ROWS):
            cmd = ["montage", "-font", "DejaVu-Sans", "-pointsize", "14", "-background", background,
                   "-fill", "white"]
            for n in row_names:
                label = "%s  %dx%d" % (n.upper(), art[n].width, art[n].height)
                pieces = [(art[n], label)]
                if n == "font":
                    half = art[n].width // 2
                    pieces = []
                    for i, first in enumerate((32, 64)):
                        piece = Image(half, art[n].height)
                        blit(piece, art[n], 0, 0, i * half, 0, half, art[n].height)
                        pieces.append((piece, "%s, characters %d-%d" % (label, first, first + 31)))
                for i, (picture, text) in enumerate(pieces):
                    path = os.path.join(work, "tile-%s-%d.ppm" % (n, i))
                    write_ppm(padded(scaled(picture, SCALE), 160), path)
                    cmd += ["-label", text, path]
            part = os.path.join(work, "row-%d.png" % row)
            subprocess.run(cmd + ["-tile", "%dx" % columns, "-geometry", "+12+8", part], check=True)
            parts.append(part)
        subprocess.run(["convert", "-background", background, "-gravity", "center"] + parts +
                       ["+repage", "-append", "-depth", "8", args.output], check=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
