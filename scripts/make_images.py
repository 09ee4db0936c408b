#!/usr/bin/env python3
"""Draws the main program's pictures: the eight 16x16 tool bar and list images (one .bmp strip, magenta
for the transparent parts), the program icon (16x16, 32x32 and 48x48 in one .ico) and the About window's
60x55 product picture (magenta for the transparent parts). No packages needed."""
import math
import os
import struct
import sys

SS = 4  # samples per pixel along each axis


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rrect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r0, r1, a0=0.0, a1=360.0):
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if not r0 <= d <= r1:
            return False
        a = math.degrees(math.atan2(cy - y, x - cx)) % 360
        return a0 <= a <= a1 if a0 <= a1 else (a >= a0 or a <= a1)
    return inside


def poly(*pts):
    def inside(x, y):
        result = False
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def line(x0, y0, x1, y1, w):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - x0 - t * dx, y - y0 - t * dy) <= w / 2
    return inside


def render(layers, size, unit=16):
    """layers: (shape, (r, g, b)) painted in order; returns rows of (r, g, b, a) floats."""
    scale = unit / size
    out = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SS):
                for sx in range(SS):
                    x = (px + (sx + 0.5) / SS) * scale
                    y = (py + (sy + 0.5) / SS) * scale
                    color = None
                    for shape, c in layers:
                        if shape(x, y):
                            color = c
                    if color is not None:
                        acc[0] += color[0]
                        acc[1] += color[1]
                        acc[2] += color[2]
                        acc[3] += 1
            n = SS * SS
            a = acc[3] / n
            row.append((acc[0] / max(acc[3], 1), acc[1] / max(acc[3], 1), acc[2] / max(acc[3], 1), a))
        out.append(row)
    return out


OUTLINE = (64, 64, 64)
PAPER = (255, 255, 255)
GOLD = (230, 176, 40)
GOLD_DARK = (150, 105, 10)
STEEL = (120, 128, 140)
GREEN = (40, 150, 60)
RED = (200, 40, 40)
BLUE = (40, 90, 190)


def page():
    return [(poly((3, 1), (10, 1), (13, 4), (13, 15), (3, 15)), OUTLINE),
            (poly((4, 2), (9.5, 2), (12, 4.5), (12, 14), (4, 14)), PAPER),
            (poly((9, 1.5), (9, 5), (12.5, 5)), OUTLINE),
            (poly((9.8, 2.2), (9.8, 4.2), (11.8, 4.2)), (220, 220, 220)),
            (rect(5, 7, 11, 8), (150, 160, 190)), (rect(5, 9, 11, 10), (150, 160, 190)),
            (rect(5, 11, 9, 12), (150, 160, 190))]


def padlock(open_):
    shackle = ring(8, 6.5, 2.6, 4.0, 0, 180) if not open_ else ring(11.5, 5, 2.6, 4.0, 0, 180)
    legs = [(rect(4.0, 6.5, 5.4, 8), STEEL), (rect(10.6, 6.5, 12.0, 8), STEEL)] if not open_ else \
           [(rect(13.1, 5, 14.5, 8), STEEL)]
    return [(shackle, STEEL)] + legs + [
        (rrect(2, 7.5, 14, 15.5, 1.2), GOLD_DARK),
        (rrect(3, 8.5, 13, 14.5, 0.8), GOLD),
        (circle(8, 10.8, 1.3), (70, 50, 10)),
        (rect(7.4, 11, 8.6, 13.3), (70, 50, 10))]


def images():
    refresh = [(ring(8, 8, 4.2, 6.2, 20, 160), GREEN), (poly((13.5, 3.5), (14.5, 9), (9.5, 7)), GREEN),
               (ring(8, 8, 4.2, 6.2, 200, 340), GREEN), (poly((2.5, 12.5), (1.5, 7), (6.5, 9)), GREEN)]
    add = page() + [(rrect(7, 7, 16, 16, 1.5), (20, 100, 35)), (rect(8, 8, 15, 15), GREEN),
                    (rect(10.8, 9, 12.2, 14), PAPER), (rect(9, 10.8, 14, 12.2), PAPER)]
    remove = page() + [(circle(11.5, 11.5, 4.5), (140, 20, 20)), (circle(11.5, 11.5, 3.7), RED),
                       (line(9.7, 9.7, 13.3, 13.3, 1.4), PAPER), (line(13.3, 9.7, 9.7, 13.3, 1.4), PAPER)]
    help_ = [(circle(8, 8, 7), (20, 50, 130)), (circle(8, 8, 6.2), BLUE),
             (ring(8, 6, 1.6, 3.0, 300, 200), PAPER), (rect(7.3, 8.2, 8.7, 10.2), PAPER),
             (circle(8, 12, 1.0), PAPER)]
    sort = [(poly((8, 5), (12.5, 11), (3.5, 11)), (90, 90, 90))]
    return [refresh, add, remove, padlock(False), padlock(True), help_, page(), sort]


def icon_layers():
    def shrink(shape):
        return lambda x, y: shape(8 + (x - 8) / 0.8, 8.6 + (y - 8) / 0.8)
    return [(rrect(0.5, 0.5, 15.5, 15.5, 3), (25, 60, 140)), (rrect(1.3, 1.3, 14.7, 14.7, 2.4), (50, 100, 200))] + \
        [(shrink(s), c) for s, c in padlock(False)]


def bmp_strip(pictures, path):
    """Pictures of one height side by side in a 24-bit .bmp, magenta where they are transparent."""
    w, h = sum(len(pic[0]) for pic in pictures), len(pictures[0])
    stride = (w * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(h)):
        row = bytearray()
        for pic in pictures:
            for r, g, b, a in pic[y]:
                if a < 0.5:
                    row += bytes((255, 0, 255))
                else:
                    row += bytes((int(b + 0.5), int(g + 0.5), int(r + 0.5)))
        pixels += row + bytes(stride - len(row))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + pixels)


def ico(sizes, path):
    entries, blobs = [], []
    for size in sizes:
        pic = render(icon_layers(), size)
        xor = bytearray()
        for y in reversed(range(size)):
            for r, g, b, a in pic[y]:
                xor += bytes((int(b + 0.5), int(g + 0.5), int(r + 0.5), int(a * 255 + 0.5)))
        mask_stride = ((size + 31) // 32) * 4
        mask = bytearray()
        for y in reversed(range(size)):
            bits = bytearray(mask_stride)
            for x, (_, _, _, a) in enumerate(pic[y]):
                if a < 0.5:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        blobs.append(info + xor + mask)
    offset = 6 + 16 * len(sizes)
    head = struct.pack('<HHH', 0, 1, len(sizes))
    for size, blob in zip(sizes, blobs):
        entries.append(struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(blob), offset))
        offset += len(blob)
    with open(path, 'wb') as f:
        f.write(head + b''.join(entries) + b''.join(blobs))


def product_picture():
    """The program icon at 55x55, centred in a picture 60 wide."""
    square = render(icon_layers(), 55)
    clear = [(0.0, 0.0, 0.0, 0.0)]
    return [clear * 2 + row + clear * 3 for row in square]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'app', 'resources')
    bmp_strip([render(layers, 16) for layers in images()], os.path.join(out, 'ImageList1.bmp'))
    ico([16, 32, 48], os.path.join(out, 'QVL.ico'))
    bmp_strip([product_picture()], os.path.join(out, 'Image1.bmp'))


if __name__ == '__main__':
    main()
