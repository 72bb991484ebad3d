#!/usr/bin/env python3
"""Checks the BMP files the artwork program writes with readers that share no
code with it.

Default mode: this script's own decoder (struct only) parses the headers,
decodes the pixels (RLE4 included) and compares them with the PPM the
program writes straight from the canvas; also checks that two runs give the
same bytes and that the command line reports and refuses what it should.

--imagemagick: ImageMagick's identify and convert read the same files, and
the icons (.ico) too. Exits 77 (skipped) when identify is not installed.
"""
import argparse
import os
import re
import shutil
import struct
import subprocess
import sys

BI_RGB, BI_RLE4 = 0, 2

# name: (bits per pixel, compression, colour table entries)
EXPECTED = {
    "testcard-24": (24, BI_RGB, 0),
    "testcard-8-256": (8, BI_RGB, 256),
    "testcard-8-72": (8, BI_RGB, 72),
    "testcard-8-12": (8, BI_RGB, 12),
    "testcard-4": (4, BI_RGB, 16),
    "testcard-4-rle": (4, BI_RLE4, 16),
    "testcard-1": (1, BI_RGB, 2),
    "testcard-1-lcd": (1, BI_RGB, 2),
    "splash": (8, BI_RGB, 256),
}

# icon: its images, as registered pictures, in file order
ICONS = {
    "icone": ["icone-32", "icone-16"],
    "iconedoc": ["iconedoc-32", "iconedoc-16"],
}


class Bad(Exception):
    pass


def expect(cond, message):
    if not cond:
        raise Bad(message)


def run(cmd):
    return subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE)


def render(artwork, outdir):
    shutil.rmtree(outdir, ignore_errors=True)
    r = run([artwork, "--ppm", outdir] + sorted(EXPECTED))
    if r.returncode != 0:
        raise Bad("artwork failed: " + r.stderr.decode(errors="replace"))


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    m = re.match(rb"P6\n(\d+) (\d+)\n255\n", data)
    expect(m, path + ": not a PPM")
    w, h = int(m.group(1)), int(m.group(2))
    pixels = data[m.end():]
    expect(len(pixels) == w * h * 3, path + ": PPM size")
    return w, h, pixels


def decode_rle4(data, w, h):
    """Strict: every row is whole, rows end with end-of-line, the last with
    end-of-bitmap at the very end of the data; no deltas."""
    rows = []
    row = []
    i = 0
    while True:
        expect(i + 2 <= len(data), "RLE4 data ends without end-of-bitmap")
        count, value = data[i], data[i + 1]
        i += 2
        if count:
            row += [value >> 4 if k % 2 == 0 else value & 15 for k in range(count)]
        elif value in (0, 1):
            expect(len(row) == w, "RLE4 row %d has %d pixels, not %d" % (len(rows), len(row), w))
            rows.append(row)
            row = []
            if value == 1:
                break
        elif value == 2:
            raise Bad("RLE4 delta in a stream that should not need one")
        else:
            nbytes = (value + 1) // 2
            padded = nbytes + nbytes % 2
            expect(i + padded <= len(data), "RLE4 absolute run cut off")
            chunk = data[i:i + nbytes]
            row += [chunk[k // 2] >> 4 if k % 2 == 0 else chunk[k // 2] & 15 for k in range(value)]
            if value % 2:
                expect(chunk[-1] & 15 == 0, "RLE4 absolute run: unused nibble not zero")
            if padded > nbytes:
                expect(data[i + nbytes] == 0, "RLE4 pad byte not zero")
            i += padded
        expect(len(row) <= w, "RLE4 run passes the end of row %d" % len(rows))
    expect(i == len(data), "RLE4: %d bytes after end-of-bitmap" % (len(data) - i))
    expect(len(rows) == h, "RLE4 has %d rows, not %d" % (len(rows), h))
    return rows


def decode_bmp(path, bits, compression, colors):
    """Returns (width, height, RGB bytes top row first), checking every
    header field against what the format requires."""
    with open(path, "rb") as f:
        data = f.read()
    expect(len(data) >= 54, "shorter than the headers")
    sig, size, r1, r2, offset = struct.unpack_from("<2sIHHI", data, 0)
    (hsize, w, h, planes, bpp, comp, size_image, _xppm, _yppm, clr_used,
     clr_important) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    expect(sig == b"BM", "signature %r" % sig)
    expect(size == len(data), "bfSize %d, file is %d bytes" % (size, len(data)))
    expect(r1 == 0 and r2 == 0, "reserved fields not zero")
    expect(hsize == 40, "info header size %d" % hsize)
    expect(w > 0 and h > 0, "size %d x %d (rows must be bottom-up)" % (w, h))
    expect(planes == 1, "planes %d" % planes)
    expect(bpp == bits, "bit count %d, expected %d" % (bpp, bits))
    expect(comp == compression, "compression %d, expected %d" % (comp, compression))
    expect(clr_used == colors, "biClrUsed %d, expected %d" % (clr_used, colors))
    expect(clr_important <= clr_used, "biClrImportant %d" % clr_important)
    expect(offset == 54 + 4 * colors, "bfOffBits %d" % offset)
    palette = []
    for k in range(colors):
        b, g, r, x = data[54 + 4 * k:58 + 4 * k]
        expect(x == 0, "palette entry %d: reserved byte %d" % (k, x))
        palette.append(bytes((r, g, b)))

    pixel_data = data[offset:]
    if compression == BI_RLE4:
        expect(size_image == len(pixel_data), "biSizeImage %d, data is %d" % (size_image, len(pixel_data)))
        rows = decode_rle4(pixel_data, w, h)
    else:
        stride = (w * bits + 31) // 32 * 4
        expect(size_image == stride * h, "biSizeImage %d, expected %d" % (size_image, stride * h))
        expect(len(pixel_data) == stride * h, "pixel data is %d bytes, expected %d" % (len(pixel_data), stride * h))
        rows = []
        for r in range(h):
            line = pixel_data[r * stride:(r + 1) * stride]
            used = (w * bits + 7) // 8
            expect(not any(line[used:]), "row %d: padding not zero" % r)
            if bits == 24:
                rows.append([bytes((line[3 * x + 2], line[3 * x + 1], line[3 * x])) for x in range(w)])
            elif bits == 8:
                rows.append(list(line[:w]))
            elif bits == 4:
                rows.append([line[x // 2] >> 4 if x % 2 == 0 else line[x // 2] & 15 for x in range(w)])
            else:
                rows.append([(line[x // 8] >> (7 - x % 8)) & 1 for x in range(w)])
    out = bytearray()
    for row in reversed(rows):  # stored bottom-up
        for px in row:
            if bits == 24:
                out += px
            else:
                expect(px < len(palette), "index %d past the %d-colour table" % (px, len(palette)))
                out += palette[px]
    return w, h, bytes(out)


def check_python(artwork, workdir):
    failures = 0
    first, second = os.path.join(workdir, "a"), os.path.join(workdir, "b")
    render(artwork, first)
    render(artwork, second)
    listed = run([artwork, "--list"]).stdout.decode().split()
    for name, (bits, compression, colors) in sorted(EXPECTED.items()):
        bmp = os.path.join(first, name + ".bmp")
        try:
            expect(name in listed, "not in artwork --list")
            w, h, pixels = decode_bmp(bmp, bits, compression, colors)
            pw, ph, ppm = read_ppm(os.path.join(first, name + ".ppm"))
            expect((w, h) == (pw, ph), "size %dx%d, drawn %dx%d" % (w, h, pw, ph))
            if pixels != ppm:
                n = next(i for i in range(len(ppm)) if pixels[i] != ppm[i]) // 3
                raise Bad("pixel (%d, %d) differs from the drawing" % (n % w, n // w))
            with open(bmp, "rb") as f1, open(os.path.join(second, name + ".bmp"), "rb") as f2:
                expect(f1.read() == f2.read(), "two runs wrote different bytes")
            info = run([artwork, "--info", bmp])
            want = "%s width=%d height=%d bits=%d compression=%s colors=%d" % (
                bmp, w, h, bits, "BI_RLE4" if compression == BI_RLE4 else "BI_RGB", colors)
            expect(info.returncode == 0 and info.stdout.decode().strip() == want,
                   "--info said %r" % info.stdout.decode().strip())
            print("ok   %s: %d-bit %dx%d, %d colours" % (name, bits, w, h, colors))
        except Bad as e:
            print("FAIL %s: %s" % (name, e))
            failures += 1

    # The command line refuses what it cannot do, with a message.
    cli = [
        ("unknown picture", [artwork, os.path.join(workdir, "c"), "no-such-picture"], 1, "no-such-picture"),
        ("--info on a PPM", [artwork, "--info", os.path.join(first, "testcard-1.ppm")], 1, "not a BMP"),
        ("--info on a missing file", [artwork, "--info", os.path.join(workdir, "missing.bmp")], 1, "cannot open"),
        ("unknown icon", [artwork, "--ico", os.path.join(workdir, "c"), "no-such-icon"], 1, "no-such-icon"),
        ("no arguments", [artwork], 2, "usage"),
    ]
    for what, cmd, code, message in cli:
        r = run(cmd)
        if r.returncode == code and message in r.stderr.decode():
            print("ok   %s" % what)
        else:
            print("FAIL %s: exit %d, stderr %r" % (what, r.returncode, r.stderr.decode()))
            failures += 1
    return failures


def identify_fields(path):
    out = run(["identify", "-verbose", path])
    expect(out.returncode == 0, "identify failed: " + out.stderr.decode(errors="replace"))
    fields = {}
    for line in out.stdout.decode(errors="replace").splitlines():
        m = re.match(r"^  ([A-Za-z ]+): (.*)$", line)
        if m:
            fields[m.group(1)] = m.group(2).strip()
    return fields


def check_imagemagick(artwork, workdir):
    if not shutil.which("identify"):
        print("identify (ImageMagick) is not installed: skipping the ImageMagick checks")
        return None
    convert = shutil.which("convert")
    outdir = os.path.join(workdir, "a")
    render(artwork, outdir)
    failures = 0
    for name, (bits, compression, colors) in sorted(EXPECTED.items()):
        bmp = os.path.join(outdir, name + ".bmp")
        try:
            w, h, ppm = read_ppm(os.path.join(outdir, name + ".ppm"))
            f = identify_fields(bmp)
            expect(f.get("Geometry") == "%dx%d+0+0" % (w, h), "geometry %s" % f.get("Geometry"))
            depth = int(re.match(r"\d+", f.get("Depth", "0")).group(0))
            expect(depth == (8 if bits == 24 else bits), "depth %s" % f.get("Depth"))
            want_compression = "RLE" if compression == BI_RLE4 else "None"
            expect(f.get("Compression") == want_compression, "compression %s" % f.get("Compression"))
            distinct = len({ppm[i:i + 3] for i in range(0, len(ppm), 3)})
            expect(f.get("Colors") == str(distinct), "colours %s, drawn %d" % (f.get("Colors"), distinct))
            if bits == 24:
                expect(f.get("Class") == "DirectClass", "class %s" % f.get("Class"))
                expect(f.get("Type") == "TrueColor", "type %s" % f.get("Type"))
            else:
                expect(f.get("Class") == "PseudoClass", "class %s" % f.get("Class"))
                expect(f.get("Colormap entries") == str(colors), "colormap entries %s" % f.get("Colormap entries"))
                expect(f.get("Type") in ("Bilevel", "Grayscale", "Palette"), "type %s" % f.get("Type"))
            if convert:
                r = run([convert, bmp, "-depth", "8", "rgb:-"])
                expect(r.returncode == 0, "convert failed: " + r.stderr.decode(errors="replace"))
                expect(r.stdout == ppm, "convert's pixels differ from the drawing")
            print("ok   %s: %s, %s, %s colours, compression %s" % (
                name, f.get("Geometry"), f.get("Depth"), f.get("Colors"), f.get("Compression")))
        except Bad as e:
            print("FAIL %s: %s" % (name, e))
            failures += 1
    for name, images in sorted(ICONS.items()):
        try:
            failures += check_icon_imagemagick(artwork, outdir, name, images, convert)
        except Bad as e:
            print("FAIL %s.ico: %s" % (name, e))
            failures += 1
    if not convert:
        print("convert is not installed: pixels were not compared")
    return failures


def check_icon_imagemagick(artwork, outdir, name, images, convert):
    """Each frame has its picture's size; where ImageMagick finds it opaque
    it shows the picture's pixel, and some of it is see-through."""
    r = run([artwork, "--ico", outdir, name])
    expect(r.returncode == 0, "artwork --ico failed: " + r.stderr.decode(errors="replace"))
    r = run([artwork, "--ppm", outdir] + images)
    expect(r.returncode == 0, "artwork failed: " + r.stderr.decode(errors="replace"))
    ico = os.path.join(outdir, name + ".ico")
    out = run(["identify", "-format", "%w %h\n", ico])
    expect(out.returncode == 0, "identify failed: " + out.stderr.decode(errors="replace"))
    sizes = [tuple(int(v) for v in line.split()) for line in out.stdout.decode().split("\n") if line]
    pictures = [read_ppm(os.path.join(outdir, image + ".ppm")) for image in images]
    expect(sizes == [(w, h) for w, h, _ in pictures], "frames %s" % sizes)
    if convert:
        for k, (w, h, ppm) in enumerate(pictures):
            r = run([convert, "%s[%d]" % (ico, k), "-depth", "8", "rgba:-"])
            expect(r.returncode == 0, "convert failed: " + r.stderr.decode(errors="replace"))
            rgba = r.stdout
            expect(len(rgba) == w * h * 4, "frame %d: %d bytes" % (k, len(rgba)))
            clear = 0
            for p in range(w * h):
                alpha = rgba[4 * p + 3]
                expect(alpha in (0, 255), "frame %d: alpha %d" % (k, alpha))
                if alpha == 0:
                    clear += 1
                elif rgba[4 * p:4 * p + 3] != ppm[3 * p:3 * p + 3]:
                    raise Bad("frame %d: pixel (%d, %d) differs from the drawing" % (k, p % w, p // w))
            expect(0 < clear < w * h, "frame %d: %d transparent pixels" % (k, clear))
    print("ok   %s.ico: %s" % (name, ", ".join("%dx%d" % s for s in sizes)))
    return 0


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--artwork", required=True, help="the artwork program")
    ap.add_argument("--workdir", required=True, help="scratch directory for the files")
    ap.add_argument("--imagemagick", action="store_true", help="check with ImageMagick instead")
    args = ap.parse_args()
    os.makedirs(args.workdir, exist_ok=True)
    try:
        if args.imagemagick:
            failures = check_imagemagick(args.artwork, args.workdir)
            if failures is None:
                return 77
        else:
            failures = check_python(args.artwork, args.workdir)
    except Bad as e:
        print("FAIL " + str(e))
        return 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
