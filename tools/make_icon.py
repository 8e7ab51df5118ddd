#!/usr/bin/env python3
"""Draws the program's icon from one design:

- res/morvana.ico: four uncompressed DIB images with a colour table and a
  1-bit transparency mask, 16x16 and 32x32 at 4 and 8 bits per pixel (4710
  bytes), pixel for pixel as Morvana.exe has always carried them;
- res/icons/: the Linux desktop's larger icons, 48 to 256 pixels as PNG and
  a scalable SVG, named after the application id.

The picture is a network mask: a blue tile holding four octet blocks, the
first three solid (the network part) and the last one hollow or dimmed
(the hosts), over a bracket that spans the range.

Run it from the repository root; it writes every file deterministically.
  tools/make_icon.py [OUT_DIR]     (default res)
"""
import os
import struct
import sys
import zlib

# The 16-colour VGA palette; the 8-bit images use it too, padded with black,
# so both depths show the same colours.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
EXTRA_8BIT = [(32, 80, 160), (224, 224, 224), (16, 48, 112)]  # richer blues and the box grey

T = None  # transparent


APP_ID = 'example.kestiva.Morvana'
TILE, DARK, WHITE, GREY = (32, 80, 160), (16, 48, 112), (255, 255, 255), (128, 128, 128)


def shapes(small):
    """The design as rectangles (x0, y0, x1, y1, colour) on a 16-unit grid,
    painted in order. The small form is for 16 pixels, where a hollow block
    would not show."""
    out = [(0, 1, 16, 15, DARK),   # tile edge
           (1, 2, 15, 14, TILE)]   # tile face
    # four octet blocks; the last is hollow, or dimmed when small
    for i in range(4):
        x = 2 + i * 3 if small else 1.5 + i * 3.375
        w = 2 if small else 2.75
        out.append((x, 4, x + w, 9, WHITE))
        if i == 3 and small:
            out.append((x, 4, x + w, 9, GREY))
        elif i == 3:
            out.append((x + 0.5, 4.5, x + w - 0.5, 8.5, TILE))
    # the range bracket under the blocks
    out += [(2, 11, 14, 12, WHITE), (2, 10, 3, 12, WHITE), (13, 10, 14, 12, WHITE)]
    return out


def draw(size):
    """Returns rows (top first) of RGB tuples or T: the .ico's pixel art, each
    edge cut down to a whole pixel."""
    s = size / 16.0
    px = [[T] * size for _ in range(size)]
    for x0, y0, x1, y1, colour in shapes(size < 32):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                px[y][x] = colour
    return px


def draw_smooth(size):
    """Returns rows of RGBA tuples: the large design with each edge that falls
    inside a pixel blended by how much of the pixel it covers."""
    s = size / 16.0
    px = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]

    def coverage(lo, hi, i):  # of pixel i by the span [lo, hi) in pixels
        return max(0.0, min(hi, i + 1) - max(lo, i))

    for x0, y0, x1, y1, colour in shapes(False):
        x0, y0, x1, y1 = x0 * s, y0 * s, x1 * s, y1 * s
        for y in range(int(y0), min(size, int(y1) + 1)):
            cy = coverage(y0, y1, y)
            for x in range(int(x0), min(size, int(x1) + 1)):
                a = cy * coverage(x0, x1, x)
                if a > 0:  # paint over what is there
                    r, g, b, under = px[y][x]
                    out = a + under * (1 - a)
                    mix = [(c * a + u * under * (1 - a)) / out for c, u in zip(colour, (r, g, b))]
                    px[y][x] = (*mix, out)
    return [[tuple(round(c) for c in p[:3]) + (round(p[3] * 255),) for p in row] for row in px]


def png(rows):
    """An RGBA PNG with no time stamp or text, so the bytes depend on the picture only."""
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    raw = b''.join(b'\0' + bytes(v for p in row for v in p) for row in rows)
    header = struct.pack('>IIBBBBB', len(rows[0]), len(rows), 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9)) +
            chunk(b'IEND', b''))


def svg():
    def hex_colour(c):
        return '#%02x%02x%02x' % c

    def num(v):
        return f'{v:g}'

    rects = ''.join(f'  <rect x="{num(x0)}" y="{num(y0)}" width="{num(x1 - x0)}" height="{num(y1 - y0)}" '
                    f'fill="{hex_colour(c)}"/>\n' for x0, y0, x1, y1, c in shapes(False))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 16 16">\n'
            f'{rects}</svg>\n').encode()


def nearest(palette, colour):
    return min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], colour)))


def dib(size, bits):
    palette = VGA if bits == 4 else VGA + EXTRA_8BIT + [(0, 0, 0)] * (256 - len(VGA) - len(EXTRA_8BIT))
    pixels = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, 0, 0, 0, len(palette), 0)
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    xor_rows, and_rows = [], []
    for row in reversed(pixels):  # DIBs run bottom-up
        indices = [0 if p is T else nearest(palette, p) for p in row]
        if bits == 4:
            data = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, size, 2))
        else:
            data = bytes(indices)
        xor_rows.append(data.ljust((len(data) + 3) // 4 * 4, b'\0'))
        mask = 0
        for p in row:
            mask = (mask << 1) | (1 if p is T else 0)
        mask_bytes = mask.to_bytes(size // 8, 'big')
        and_rows.append(mask_bytes.ljust((len(mask_bytes) + 3) // 4 * 4, b'\0'))
    return header + table + b''.join(xor_rows) + b''.join(and_rows), len(palette) if bits == 4 else 0


def ico():
    images = [(16, 4), (16, 8), (32, 4), (32, 8)]
    blobs = [dib(size, bits) for size, bits in images]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, bits), (blob, colours) in zip(images, blobs):
        out += struct.pack('<BBBBHHII', size, size, colours, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    return out + b''.join(blob for blob, _ in blobs)


def main(out_dir):
    files = {'morvana.ico': ico(), f'icons/{APP_ID}.svg': svg()}
    for size in (48, 64, 128, 256):
        files[f'icons/{APP_ID}-{size}.png'] = png(draw_smooth(size))
    os.makedirs(os.path.join(out_dir, 'icons'), exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(out_dir, name), 'wb') as f:
            f.write(data)
        print(f'{out_dir}/{name}: {len(data)} bytes')


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'res')
