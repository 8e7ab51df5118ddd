#!/usr/bin/env python3
"""Draws res/morvana.ico: four uncompressed DIB images with a colour table and a
1-bit transparency mask, 16x16 and 32x32 at 4 and 8 bits per pixel (4710 bytes).

The picture is a network mask: a blue tile holding four octet blocks, the
first three solid (the network part) and the last one hollow or dimmed
(the hosts),
over a bracket that spans the range.

Run it from the repository root; it writes the file deterministically.
"""
import struct
import sys

# The 16-colour VGA palette; the 8-bit images use it too, padded with black,
# so both depths show the same colours.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
EXTRA_8BIT = [(32, 80, 160), (224, 224, 224), (16, 48, 112)]  # richer blues and the box grey

T = None  # transparent


def draw(size):
    """Returns rows (top first) of RGB tuples or T."""
    s = size / 16.0
    px = [[T] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                px[y][x] = colour

    tile, dark, white = (32, 80, 160), (16, 48, 112), (255, 255, 255)
    rect(0, 1, 16, 15, dark)          # tile edge
    rect(1, 2, 15, 14, tile)          # tile face
    # four octet blocks; the last is hollow
    for i in range(4):
        x = 1.5 + i * 3.375 if size == 32 else 2 + i * 3
        w = 2.75 if size == 32 else 2
        rect(x, 4, x + w, 9, white)
        if i == 3 and size == 32:
            rect(x + 1 / s, 4 + 1 / s, x + w - 1 / s, 9 - 1 / s, tile)
        elif i == 3:  # too small to be hollow: dimmed instead
            rect(x, 4, x + w, 9, (128, 128, 128))
    # the range bracket under the blocks
    rect(2, 11, 14, 12, white)
    rect(2, 10, 2 + 1 / s * (2 if size == 32 else 1), 12, white)
    rect(14 - 1 / s * (2 if size == 32 else 1), 10, 14, 12, white)
    return px


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


def main(path):
    images = [(16, 4), (16, 8), (32, 4), (32, 8)]
    blobs = [dib(size, bits) for size, bits in images]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, bits), (blob, colours) in zip(images, blobs):
        out += struct.pack('<BBBBHHII', size, size, colours, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    out += b''.join(blob for blob, _ in blobs)
    with open(path, 'wb') as f:
        f.write(out)
    print(f'{path}: {len(out)} bytes, images {[len(b) for b, _ in blobs]}')


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'res/morvana.ico')
