#!/usr/bin/env python3
"""Generates the die-cut shape tables (common/shapes/shape_tables.cpp).

Each outline in outlines.py is sampled at pixel centres into a one-bit mask, the mask is cut into
bands (rows with identical runs merged), the band rules are checked, and so is every fact the
outlines have to keep: their extent, the first and last bands, the two-run bands of the hearts'
cleft and the stars' legs, the edge positions at the named rows, the star points and feet. The
script stops with a list of what failed, and writes nothing, if a single check fails.

Regenerate (from the repository root, Python 3 standard library only):

    python3 tools/shapegen/shapegen.py                 # writes common/shapes/shape_tables.cpp
    python3 tools/shapegen/shapegen.py --preview x.png # also draws the ten masks side by side

The written file is already in the repository's clang-format style.

The build does not run this script; the generated file is committed.
"""

import argparse
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from bands import band_rule_errors, to_bands, to_rects  # noqa: E402
from geometry import rasterise  # noqa: E402
from outlines import SHAPES  # noqa: E402

NAMES = ["heart", "rounded square", "circle", "square", "star",
         "small heart", "small rounded square", "small circle", "small square", "small star"]
# Outline extent: x from-to, y from-to, ends exclusive. rcBound is (0, 0, x to, y to).
EXTENTS = [(1, 254, 2, 253), (1, 254, 1, 254), (2, 251, 2, 252), (2, 251, 2, 251), (3, 255, 3, 254),
           (1, 194, 1, 193), (1, 194, 1, 194), (1, 192, 1, 193), (1, 192, 1, 192), (2, 195, 2, 194)]
# Window size in pixels at 15 twips per pixel.
WINDOWS = [(256, 256)] * 5 + [(198, 198), (198, 198), (196, 197), (195, 195), (201, 201)]
CAPACITY = 247


class Shape:
    def __init__(self, index, outline=None):
        self.index = index
        self.mask = rasterise(outline or SHAPES[index], range(0, 300))
        self.bands = to_bands(self.mask)
        self.rects = to_rects(self.bands)

    def runs(self, row):
        return self.mask.get(row, [])

    def left(self, row):
        return self.runs(row)[0][0]

    def right(self, row):
        return self.runs(row)[-1][1]

    def band(self, row):
        return next(b for b in self.bands if b[0] <= row < b[1])

    def contains(self, x, y):
        return any(a <= x < b for a, b in self.runs(y))


def check(shape):
    """Everything this outline must keep; a list of failures."""
    s, i = shape, shape.index
    fails = []

    def expect(cond, what):
        if not cond:
            fails.append(what)

    fails += band_rule_errors(s.rects)
    x0, x1, y0, y1 = EXTENTS[i]
    expect(min(s.mask) == y0 and max(s.mask) + 1 == y1, f"rows {min(s.mask)}..{max(s.mask)}, want {y0}..{y1 - 1}")
    expect(min(r[0][0] for r in s.mask.values()) == x0, "left extent")
    expect(max(r[-1][1] for r in s.mask.values()) == x1, "right extent")
    expect(len(s.rects) <= CAPACITY, f"{len(s.rects)} rectangles exceed the capacity")
    w, h = WINDOWS[i]
    expect(x1 < w and y1 < h, "no room at the right and bottom of the window")

    def band_is(row, top, bottom, runs):
        b = s.band(row)
        expect(b == (top, bottom, runs), f"band at row {row} is {b}, want {(top, bottom, runs)}")

    def first_two_run_bands(count, last):
        two = 0
        while two < len(s.bands) and len(s.bands[two][2]) == 2:
            two += 1
        expect(two == count, f"{two} leading two-run bands, want {count}")
        expect(s.bands[count - 1] == last, f"last two-run band {s.bands[count - 1]}, want {last}")
        expect(all(len(b[2]) == 1 for b in s.bands[count:]), "a later band has more than one run")

    def edges(side, table):
        for row, x in table:
            got = s.left(row) if side == "left" else s.right(row)
            expect(got == x, f"{side} edge at row {row} is {got}, want {x}")

    def near(value, want, tolerance, what):
        expect(abs(value - want) <= tolerance, f"{what} is {value}, want {want} +-{tolerance}")

    if i == 0:
        band_is(2, 2, 3, [(60, 76), (179, 195)])
        first_two_run_bands(39, (42, 43, [(6, 127), (129, 249)]))
        band_is(61, 61, 76, [(1, 254)])
        edges("left", [(90, 3), (125, 20), (150, 42), (175, 62), (200, 72)])
        expect(all(74 <= s.left(r) <= 76 for r in range(205, 253)), "left edge leaves 74..76 below row 205")
        edges("right", [(90, 251), (125, 235), (150, 217), (175, 192), (200, 161), (225, 124), (240, 97)])
        band_is(252, 252, 253, [(74, 75)])
        expect(s.contains(74, 252) and not s.contains(127, 252), "the point must lie left of the middle")
    elif i == 5:
        band_is(1, 1, 2, [(46, 58), (137, 149)])
        first_two_run_bands(30, (32, 33, [(4, 97), (99, 191)]))
        band_is(42, 42, 63, [(1, 194)])
        expect(s.left(160) == 57 and all(s.left(r) in (57, 58) for r in range(160, 193)),
               "left edge must reach 57 at row 160 and stay at 57 or 58")
        edges("right", [(100, 177), (125, 155), (150, 128), (175, 89)])
        band_is(192, 192, 193, [(57, 59)])
    elif i in (2, 7):
        first, widest, last = {2: ((2, 3, [(115, 138)]), (116, 138, [(2, 251)]), (251, 252, [(115, 138)])),
                               7: ((1, 2, [(88, 106)]), (89, 106, [(1, 192)]), (192, 193, [(88, 106)]))}[i]
        band_is(first[0], *first)
        band_is(widest[0], *widest)
        band_is(last[0], *last)
        expect(all(len(b[2]) == 1 for b in s.bands), "a band with more than one run")
        if i == 2:
            band_is(102, 102, 108, [(4, 249)])
            band_is(108, 108, 116, [(3, 250)])
            odd = [r for r in s.mask if s.left(r) + s.right(r) != 253]
            expect(len(odd) <= 4, f"rows not symmetric left to right: {odd}")
            expect(all(s.runs(r) == s.runs(253 - r) for r in s.mask), "not symmetric top to bottom")
    elif i in (4, 9):
        big = i == 4
        top_row, top_run = (3, (129, 134)) if big else (2, (99, 102))
        expect(s.runs(top_row) == [top_run], f"top point {s.runs(top_row)}, want {top_run}")
        left_rows, left_x = ((99, 100, 101), 3) if big else ((75, 76), 2)
        right_rows, right_x = ((102,), 255) if big else ((78,), 195)
        expect(sorted(r for r in s.mask if s.left(r) == left_x) == list(left_rows), "left point rows")
        expect(sorted(r for r in s.mask if s.right(r) == right_x) == list(right_rows), "right point rows")
        for (x, y), side in zip([(82, 70), (176, 68), (53, 161), (203, 162)] if big
                                else [(63, 53), (135, 52), (40, 124), (155, 124)], ("left", "right") * 2):
            near(s.left(y) if side == "left" else s.right(y), x, 2, f"inner corner near {x}, {y}")
        legs, count, last = ((219, [(38, 130), (132, 218)]), 34, (253, 254, [(34, 44)])) if big else \
            ((168, [(28, 98), (102, 167)]), 26, (193, 194, [(25, 37), (162, 167)]))
        expect(s.runs(legs[0]) == legs[1], f"legs part at row {legs[0]}: {s.runs(legs[0])}, want {legs[1]}")
        expect(all(len(s.runs(r)) == 1 for r in s.mask if r < legs[0]), "two runs above the legs")
        leg_bands = [b for b in s.bands if b[0] >= legs[0]]
        if big:
            expect(len(leg_bands) == count + 1 and all(len(b[2]) == 2 for b in leg_bands[:-1]),
                   f"{len(leg_bands) - 1} two-run leg bands, want {count}")
            band_is(252, 252, 253, [(33, 48), (212, 218)])
        else:
            expect(len(leg_bands) == count and all(len(b[2]) == 2 for b in leg_bands),
                   f"{len(leg_bands)} two-run leg bands, want {count}")
        band_is(last[0], *last)
        feet = (32, 222) if big else (24, 170)
        near(min(s.left(r) for r in s.mask if r >= legs[0]), feet[0], 2, "left foot's outer edge")
        near(max(s.right(r) for r in s.mask if r >= legs[0]), feet[1], 2, "right foot's outer edge")
    return fails


def write_tables(shapes, path):
    lines = [
        "// Generated by tools/shapegen/shapegen.py from the outlines in tools/shapegen/outlines.py.",
        "// Do not edit by hand: change the outline there and run the script again.",
        "",
        '#include "shapes/shape_tables.h"',
        "",
        "namespace kalmora::shapes",
        "{",
        "",
        "namespace",
        "{",
        "",
    ]
    for s in shapes:
        lines.append(f"// {s.index}: {NAMES[s.index]}, {len(s.bands)} bands.")
        lines.append(f"constexpr RegionRect kRects{s.index}[] = {{")
        for left, top, right, bottom in s.rects:
            lines.append(f"    {{ {left}, {top}, {right}, {bottom} }},")
        lines.append("};")
        lines.append("")
    lines.append("} // namespace")
    lines.append("")
    lines.append("const std::array<ShapeOutline, kShapeCount> kShapeOutlines = { {")
    for s in shapes:
        _, x1, _, y1 = EXTENTS[s.index]
        lines.append(f"    {{ {{ 0, 0, {x1}, {y1} }}, kRects{s.index} }},")
    lines.append("} };")
    lines.append("")
    lines.append("} // namespace kalmora::shapes")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def write_png(shapes, path, scale=2):
    gap = 8
    width = sum(WINDOWS[s.index][0] for s in shapes) + gap * (len(shapes) + 1)
    height = 256 + 2 * gap
    pixels = [[(235, 235, 235)] * width for _ in range(height)]
    x = gap
    for s in shapes:
        w, h = WINDOWS[s.index]
        for yy in range(h):
            for xx in range(w):
                inside = s.contains(xx, yy)
                pixels[gap + yy][x + xx] = (200, 40, 70) if inside else (255, 255, 255)
        x += w + gap
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row for _ in range(scale)) for row in pixels
                   for _ in range(scale))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width * scale, height * scale, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main():
    root = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--output", default=os.path.join(root, "common", "shapes", "shape_tables.cpp"))
    parser.add_argument("--preview", help="also write the ten masks side by side to this PNG")
    parser.add_argument("--check-only", action="store_true", help="check the outlines, write no table")
    args = parser.parse_args()

    shapes = [Shape(i) for i in range(10)]
    failed = False
    for s in shapes:
        fails = check(s)
        status = "ok" if not fails else "FAILED"
        print(f"{s.index} {NAMES[s.index]:22} {len(s.bands):3} bands {len(s.rects):3} rectangles  {status}")
        for f in fails:
            print(f"    {f}")
        failed = failed or bool(fails)
    if args.preview:
        write_png(shapes, args.preview)
    if failed:
        sys.exit(1)
    if not args.check_only:
        write_tables(shapes, args.output)
        print(f"wrote {args.output}")


if __name__ == "__main__":
    main()
