#!/usr/bin/env python3
"""Draws the application icon and writes it as a Windows .ico file.

The picture: a dark touch-frame bezel with a row of red LEDs along each edge,
a blue screen, the two light beams that cross at the touched point and a
white touch point with a ripple around it.

The file holds 16, 24, 32 and 48 pixel images in 4-bit, 8-bit and 32-bit
colour, and a 256 pixel 32-bit image stored as PNG. Standard library only.

    make_icon.py OUTPUT.ico [--preview DIR]

--preview also writes enlarged PNG previews of every image into DIR.
"""

import argparse
import math
import os
import struct
import zlib

BMP_SIZES = (48, 32, 24, 16)
PNG_SIZE = 256


# ---------------------------------------------------------------------------
# Drawing: shapes are signed distance functions in pixel units (negative
# inside); a pixel's coverage is how far its centre lies inside the edge, so
# edges that fall on the pixel grid stay sharp and curves are anti-aliased.

def sdf_round_rect(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return d, (x0, y0, x1, y1)


def sdf_circle(cx, cy, r):
    return (lambda x, y: math.hypot(x - cx, y - cy) - r), (cx - r, cy - r, cx + r, cy + r)


def sdf_ring(cx, cy, r, width):
    outer = r + width / 2
    return ((lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2),
            (cx - outer, cy - outer, cx + outer, cy + outer))


def vertical_gradient(top, bottom, y0, y1):
    def colour(_x, y):
        t = min(max((y - y0) / (y1 - y0), 0.0), 1.0)
        return tuple(a + (b - a) * t for a, b in zip(top, bottom))
    return colour


def radial_gradient(inner, outer, cx, cy, r):
    def colour(x, y):
        t = min(math.hypot(x - cx, y - cy) / r, 1.0)
        return tuple(a + (b - a) * t for a, b in zip(inner, outer))
    return colour


class Canvas:
    """Straight-alpha RGBA floats (0..1), composited with "over"."""

    def __init__(self, size):
        self.size = size
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]

    def fill(self, shape, colour, alpha=1.0):
        sdf, (bx0, by0, bx1, by1) = shape
        n = self.size
        for y in range(max(0, int(by0) - 1), min(n, int(math.ceil(by1)) + 1)):
            for x in range(max(0, int(bx0) - 1), min(n, int(math.ceil(bx1)) + 1)):
                cov = min(max(0.5 - sdf(x + 0.5, y + 0.5), 0.0), 1.0)
                if cov <= 0.0:
                    continue
                r, g, b, a = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                a *= cov * alpha
                dst = self.px[y * n + x]
                out_a = a + dst[3] * (1.0 - a)
                if out_a <= 0.0:
                    continue
                for i, c in enumerate((r, g, b)):
                    dst[i] = (c * a + dst[i] * dst[3] * (1.0 - a)) / out_a
                dst[3] = out_a

    def rgba8(self):
        return [tuple(int(round(min(max(v, 0.0), 1.0) * 255)) for v in p) for p in self.px]


LED_RED = '#ff3b2f'


def rgb8(hex_colour):
    v = int(hex_colour.lstrip('#'), 16)
    return (v >> 16, (v >> 8) & 255, v & 255)


def rgb(hex_colour, a=1.0):
    return tuple(v / 255 for v in rgb8(hex_colour)) + (a,)


def draw(size):
    """The icon at one size, as rows of (r, g, b, a) bytes, top row first."""
    c = Canvas(size)
    big = size >= 128
    # The frame leaves room for a drop shadow at the bottom right. With a
    # one-pixel shadow the frame is an odd number of pixels wide, so the
    # centre, the beams and the middle LEDs fall on whole pixels at small sizes.
    shadow = max(1, round(size / 32))
    frame = size - shadow
    mid = frame / 2
    corner = frame * 0.16
    band = round(frame * 0.19)          # bezel width; the LEDs sit in it

    c.fill(sdf_round_rect(shadow, shadow, size, size, corner), rgb('#000000', 0.35))
    if big:
        c.fill(sdf_round_rect(shadow / 2, shadow / 2, size - shadow / 2, size - shadow / 2, corner),
               rgb('#000000', 0.2))

    # Bezel with a lighter rim, then the screen inside it.
    c.fill(sdf_round_rect(0, 0, frame, frame, corner), rgb('#6b7380'))
    rim = max(1.0, frame / 96) if size >= 32 else 0.0
    c.fill(sdf_round_rect(rim, rim, frame - rim, frame - rim, max(corner - rim, 0.5)),
           vertical_gradient(rgb('#464c56'), rgb('#1d2025'), 0, frame))
    s0, s1 = band, frame - band
    c.fill(sdf_round_rect(s0, s0, s1, s1, max(0.5, frame * 0.03)),
           vertical_gradient(rgb('#3583d6'), rgb('#123a6b'), s0, s1))

    # The light beams: at large sizes a faint grid from every LED pair, and
    # always the two beams that the touch breaks, across the whole screen.
    spacing = max(2, round(frame * (0.085 if big else 0.13)))
    count = int((s1 - s0 - 1) / 2 // spacing)
    leds = [mid + k * spacing for k in range(-count, count + 1)]
    beam = max(1.0, frame / 80)
    if size >= 48:
        for p in leds:
            if p != mid:
                c.fill(sdf_round_rect(s0, p - beam / 2, s1, p + beam / 2, 0), rgb('#ff5a4a', 0.16))
                c.fill(sdf_round_rect(p - beam / 2, s0, p + beam / 2, s1, 0), rgb('#ff5a4a', 0.16))
    c.fill(sdf_round_rect(s0, mid - beam / 2, s1, mid + beam / 2, 0), rgb('#ff5a4a', 0.8))
    c.fill(sdf_round_rect(mid - beam / 2, s0, mid + beam / 2, s1, 0), rgb('#ff5a4a', 0.8))

    # LEDs along all four edges, centred in the bezel band.
    edge = math.floor(band / 2) + 0.5 if size < 32 else band / 2
    for p in leds:
        for x, y in ((p, edge), (p, frame - edge), (edge, p), (frame - edge, p)):
            if size < 32:
                c.fill(sdf_round_rect(x - 0.5, y - 0.5, x + 0.5, y + 0.5, 0), rgb(LED_RED))
                continue
            r = frame * 0.034
            if big:
                c.fill(sdf_circle(x, y, r * 2.0), rgb(LED_RED, 0.18))
            c.fill(sdf_circle(x, y, r),
                   radial_gradient(rgb('#ff9a8c'), rgb('#d9271c'), x - r * 0.3, y - r * 0.3, r * 1.3))
            if big:
                c.fill(sdf_circle(x - r * 0.35, y - r * 0.35, r * 0.3), rgb('#ffffff', 0.75))

    # The touch point and its ripple.
    if size >= 32:
        c.fill(sdf_ring(mid, mid, frame * 0.17, max(1.0, frame * 0.03)), rgb('#ffffff', 0.85))
    if big:
        c.fill(sdf_ring(mid, mid, frame * 0.25, frame * 0.018), rgb('#ffffff', 0.4))
        c.fill(sdf_circle(mid, mid, frame * 0.11), rgb('#ffffff', 0.25))
    c.fill(sdf_circle(mid, mid, max(1.3, frame * 0.07)), rgb('#ffffff'))

    px = c.rgba8()
    return [px[y * size:(y + 1) * size] for y in range(size)]


# ---------------------------------------------------------------------------
# Palettes for the 4-bit and 8-bit images: median cut over the opaque pixels.
# Index 0 stays black, the colour under the AND mask's transparent pixels;
# white and the LED red are kept exact, as they cover too few pixels to win
# entries of their own.
FIXED_COLOURS = [(0, 0, 0), (255, 255, 255), rgb8(LED_RED)]

def median_cut(colours, count):
    """Every pixel counts, so colours covering large areas get entries of
    their own instead of being averaged with rare ones."""
    boxes = [sorted(colours)]
    while len(boxes) < count:
        best = None
        for i, box in enumerate(boxes):
            spans = [max(c[k] for c in box) - min(c[k] for c in box) for k in range(3)]
            k = spans.index(max(spans))
            if spans[k] > 0 and (best is None or spans[k] * len(box) > best[0]):
                best = (spans[k] * len(box), i, k)
        if best is None:
            break
        _, i, k = best
        box = sorted(boxes.pop(i), key=lambda c: c[k])
        half = len(box) // 2
        boxes += [box[:half], box[half:]]
    return [tuple(sum(c[k] for c in box) // len(box) for k in range(3)) for box in boxes if box]


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][k] - colour[k]) ** 2 for k in range(3)))


def quantise(rows, bits):
    opaque = [p[:3] for row in rows for p in row if p[3] >= 128]
    palette = FIXED_COLOURS + median_cut(opaque, (1 << bits) - len(FIXED_COLOURS))
    cache = {}
    indexes = []
    for row in rows:
        out = []
        for p in row:
            if p[3] < 128:
                out.append(0)
            else:
                if p[:3] not in cache:
                    cache[p[:3]] = nearest(palette, p[:3])
                out.append(cache[p[:3]])
        indexes.append(out)
    palette += [(0, 0, 0)] * ((1 << bits) - len(palette))
    return palette, indexes


# ---------------------------------------------------------------------------
# File formats.

def png_bytes(rows):
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data
                + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff))
    height, width = len(rows), len(rows[0])
    raw = b''.join(b'\0' + bytes(v for p in row for v in p) for row in rows)
    return (b'\x89PNG\r\n\x1a\n'
            + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def pad4(row):
    return row + b'\0' * (-len(row) % 4)


def pack_bits(values, bits):
    """Packs small integers into bytes, most significant bits first."""
    out = bytearray()
    per_byte = 8 // bits
    for i in range(0, len(values), per_byte):
        byte = 0
        for j, v in enumerate(values[i:i + per_byte]):
            byte |= v << (8 - bits * (j + 1))
        out.append(byte)
    return bytes(out)


def bmp_icon_image(rows, bits):
    """A BMP icon image: BITMAPINFOHEADER with the height doubled, the palette,
    the colour (XOR) bitmap and the 1-bit AND mask (1 = transparent), both
    bottom-up with rows padded to 4 bytes."""
    size = len(rows)
    bottom_up = rows[::-1]
    if bits == 32:
        palette = []
        xor = b''.join(pad4(bytes(v for r, g, b, a in row for v in (b, g, r, a))) for row in bottom_up)
    else:
        palette, indexes = quantise(rows, bits)
        xor = b''.join(pad4(pack_bits(row, bits)) for row in indexes[::-1])
    mask = b''.join(pad4(pack_bits([1 if p[3] < 128 else 0 for p in row], 1)) for row in bottom_up)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0,
                         len(xor) + len(mask), 0, 0, len(palette), 0)
    colours = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    return header + colours + xor + mask


def ico_bytes(images):
    """images: (size, bits, data) in directory order."""
    offset = 6 + 16 * len(images)
    directory, blobs = b'', b''
    for size, bits, data in images:
        directory += struct.pack('<BBBBHHII', size % 256, size % 256, 16 if bits == 4 else 0, 0,
                                 1, bits, len(data), offset + len(blobs))
        blobs += data
    return struct.pack('<HHH', 0, 1, len(images)) + directory + blobs


# ---------------------------------------------------------------------------

def decoded(size, bits, rows):
    """What a BMP image of the given depth shows: for previews."""
    if bits == 32:
        return rows
    palette, indexes = quantise(rows, bits)
    return [[palette[i] + (255 if p[3] >= 128 else 0,) for i, p in zip(irow, prow)]
            for irow, prow in zip(indexes, rows)]


def write_preview(directory, name, rows, scale):
    checker = lambda x, y: 200 if (x // 8 + y // 8) % 2 else 240
    out = []
    for y, row in enumerate(rows):
        line = []
        for x, (r, g, b, a) in enumerate(row):
            bg = checker(x * scale, y * scale)
            line += [tuple((v * a + bg * (255 - a)) // 255 for v in (r, g, b)) + (255,)] * scale
        out += [line] * scale
    with open(os.path.join(directory, name), 'wb') as f:
        f.write(png_bytes(out))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('output')
    parser.add_argument('--preview', metavar='DIR')
    args = parser.parse_args()

    pictures = {size: draw(size) for size in (PNG_SIZE,) + BMP_SIZES}
    images = [(PNG_SIZE, 32, png_bytes(pictures[PNG_SIZE]))]
    for bits in (32, 8, 4):
        images += [(size, bits, bmp_icon_image(pictures[size], bits)) for size in BMP_SIZES]
    with open(args.output, 'wb') as f:
        f.write(ico_bytes(images))

    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        write_preview(args.preview, 'icon-256.png', pictures[PNG_SIZE], 1)
        for size in BMP_SIZES:
            for bits in (32, 8, 4):
                write_preview(args.preview, 'icon-%d-%dbit.png' % (size, bits),
                              decoded(size, bits, pictures[size]), 256 // size)


if __name__ == '__main__':
    main()
