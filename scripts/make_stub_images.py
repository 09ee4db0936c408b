#!/usr/bin/env python3
"""Draws the package stub's pictures: the row image, the Launch, Save As, Delete and Exit glyphs and the Select All
glyph, one 16x16 .bmp strip (magenta for the transparent parts), with the drawing helpers of make_images.py."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from make_images import (BLUE, GREEN, OUTLINE, PAPER, RED, STEEL, bmp_strip, circle, line, page, poly,  # noqa: E402
                         rect, render, rrect)


def images():
    launch = page() + [(circle(11.5, 11.5, 4.5), (20, 100, 35)), (circle(11.5, 11.5, 3.7), GREEN),
                       (poly((10, 9), (14, 11.5), (10, 14)), PAPER)]
    save = [(rrect(1, 1, 15, 15, 1.5), (20, 50, 130)), (rrect(2, 2, 14, 14, 1), BLUE),
            (rect(4, 2, 12, 7), PAPER), (rect(9, 3, 11, 6), STEEL), (rect(4, 9, 12, 14), (225, 225, 225))]
    delete = page() + [(circle(11.5, 11.5, 4.5), (140, 20, 20)), (circle(11.5, 11.5, 3.7), RED),
                       (line(9.7, 9.7, 13.3, 13.3, 1.4), PAPER), (line(13.3, 9.7, 9.7, 13.3, 1.4), PAPER)]
    exit_ = [(rect(2, 1, 11, 15), OUTLINE), (rect(3, 2, 10, 14), (170, 120, 70)), (circle(8.5, 8.5, 0.8), PAPER),
             (poly((9, 7), (13, 7), (13, 5), (16, 8.5), (13, 12), (13, 10), (9, 10)), GREEN)]
    select_all = [(rect(1, 1, 15, 15), OUTLINE), (rect(2, 2, 14, 14), PAPER)]
    for top in (3, 7, 11):
        select_all += [(rect(3, top, 13, top + 2), BLUE)]
    return [page(), launch, save, delete, exit_, select_all]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'stub', 'resources')
    bmp_strip([render(layers, 16) for layers in images()], os.path.join(out, 'ImageList1.bmp'))


if __name__ == '__main__':
    main()
