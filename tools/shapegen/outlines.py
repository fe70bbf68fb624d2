"""The geometric description of the ten shapes.

Each shape is a function from a pixel-row centre y to the continuous spans of the outline on that
row. The hearts are two lobes (circles for the large heart, slightly square-shouldered
superellipses for the small one, so that its sides stand upright for longer), a cleft between them
that closes in a narrow parabola, and below the lobes two smooth monotone curves through the edge
points the outline must keep, meeting in a point that lies left of the middle. The discs are
ellipses a hair taller than wide. The stars are ten-cornered polygons through their points and
inner corners, with rounded tips and blunt feet. The squares are given rectangle by rectangle.
"""

import math

from geometry import Pchip, belt, polyline_spans


def _lobe_circle(cx, cy, r):
    def spans(yc):
        d = r * r - (yc - cy) ** 2
        if d <= 0:
            return None
        w = math.sqrt(d)
        return (cx - w, cx + w)
    return spans


def _lobe_superellipse(cx, cy, a, b, n):
    def spans(yc):
        t = abs(yc - cy) / b
        if t >= 1:
            return None
        w = a * (1 - t ** n) ** (1 / n)
        return (cx - w, cx + w)
    return spans


def heart(left_lobe, right_lobe, cleft, cleft_width, join, left_edge, right_edge, last_row):
    """Lobes above `join`, a V-shaped cleft x = cleft.x -/+ (w0 + slope * (cleft.y - y)) between
    them (cleft_width = (w0, slope); shallower than the lobes, so that they take over smoothly),
    and below `join` one span between the two edge curves, down to `last_row`."""
    left_curve, right_curve = Pchip(left_edge), Pchip(right_edge)

    def spans(yc):
        if yc > last_row + 1:
            return []
        if yc > join:
            return [(left_curve(yc), right_curve(yc))]
        a, b = left_lobe(yc), right_lobe(yc)
        if yc < cleft[1]:
            g = cleft_width[0] + cleft_width[1] * (cleft[1] - yc)
            if a:
                a = (a[0], min(a[1], cleft[0] - g))
            if b:
                b = (max(b[0], cleft[0] + g), b[1])
        return [s for s in (a, b) if s]
    return spans


def disc(cx, cy, rx, ry_top, ry_bottom):
    """An ellipse whose upper and lower halves may differ in height by a fraction of a pixel."""
    def spans(yc):
        ry = ry_top if yc < cy else ry_bottom
        t = (yc - cy) / ry
        if abs(t) >= 1:
            return []
        w = rx * math.sqrt(1 - t * t)
        return [(cx - w, cx + w)]
    return spans


def with_rows(spans, rows):
    """An outline with some rows drawn by hand: {row: [(left, right), ...]} replaces those rows."""
    def drawn(yc):
        row = math.floor(yc)
        return rows[row] if row in rows else spans(yc)
    return drawn


def polygon(points):
    return lambda yc: polyline_spans(points, yc)


def rectangles(rects):
    """An outline given as rectangles (left, top, right, bottom), ends exclusive."""
    return lambda yc: [(l, r) for l, t, r, b in rects if t <= yc < b]


# --- The large heart (edge knots nudged within their pixel to make the curves as smooth as they
# can be while every named edge position holds): lobes of radius 66.48 whose tops are row 2 and whose sides stand at x 1 and
# 254 from row 61 to row 75; the left edge then runs through x 3, 20, 42, 62, 72 at rows 90, 125,
# 150, 175, 200 into an upright stretch at 74-75, the right edge through 251, 235, 217, 192, 161,
# 124, 97 at rows 90, 125, 150, 175, 200, 225, 240 down to the point at row 252.
HEART = heart(
    _lobe_circle(67.56, 68.5, 66.48), _lobe_circle(187.44, 68.5, 66.48),
    cleft=(128.0, 43.0), cleft_width=(0.5, 0.7), join=68.5,
    left_edge=[(60.5, 1.563), (68.5, 1.08), (76.5, 1.563), (90.5, 3.45), (125.5, 20.45), (150.5, 41.55),
               (175.5, 61.55), (200.5, 72.45), (205.5, 73.55), (225.5, 75.4), (252.5, 74.45)],
    right_edge=[(60.5, 253.437), (68.5, 253.92), (76.5, 253.437), (90.5, 250.838), (125.5, 235.208),
                (150.5, 217.08), (175.5, 192.45), (200.5, 161.45), (225.5, 123.55), (240.5, 97.45), (252.5, 75.45)],
    last_row=252)

# --- The small heart: the same lean at three quarters of the size. Its lobes are a touch wider
# than tall; below them the sides stand upright at x 1 and 194 down to row 62, then the edges run
# through x 57 at row 160 (left) and 177, 155, 128, 89 at rows 100, 125, 150, 175 (right). The
# knots between were nudged to make the curves as smooth as they can be.
_SMALL_LEFT_LOBE = _lobe_superellipse(52.0, 44.5, 50.64, 43.3485, 1.95)
_SMALL_RIGHT_LOBE = _lobe_superellipse(143.0, 44.5, 50.64, 43.3485, 1.95)


def _lobe_edge(lobe, index, yc):
    return lobe(yc)[index]


SMALL_HEART = heart(
    _SMALL_LEFT_LOBE, _SMALL_RIGHT_LOBE,
    cleft=(98.0, 33.0), cleft_width=(0.6, 0.7), join=44.5,
    left_edge=[(36.5, _lobe_edge(_SMALL_LEFT_LOBE, 0, 36.5)), (44.5, 1.36), (62.5, 1.45), (63.5, 1.51),
               (80.5, 6.0), (96.5, 14.79), (115.5, 29.1), (134.5, 43.6), (153.5, 54.45), (160.5, 56.55),
               (176.5, 58.4), (192.5, 57.45)],
    right_edge=[(36.5, _lobe_edge(_SMALL_RIGHT_LOBE, 1, 36.5)), (44.5, 193.64), (62.5, 193.55), (63.5, 193.49),
                (80.5, 188.86), (100.5, 177.32), (125.5, 155.45), (150.5, 127.55), (175.5, 89.09), (185.5, 71.88),
                (192.5, 59.45)],
    last_row=192)

# --- The discs: 249 by 250 pixels centred on 126.5, 127, and 191 by 192 centred on 96.5, 97.5
# with a lower half one pixel shorter; the small disc's top and bottom rows are drawn half a pixel
# to the right, as the outline has them.
CIRCLE = disc(126.5, 127.0, 124.48, 125.0, 125.0)
SMALL_CIRCLE = with_rows(disc(96.5, 97.5, 95.38, 96.43, 95.43), {1: [(88, 106)], 192: [(88, 106)]})

# --- The squares, rectangle by rectangle.
ROUNDED_SQUARE = rectangles([
    (11, 1, 244, 2), (8, 2, 247, 3), (7, 3, 248, 4), (5, 4, 250, 5), (4, 5, 251, 7), (3, 7, 252, 8),
    (2, 8, 253, 11), (1, 11, 254, 244), (2, 244, 253, 247), (3, 247, 252, 248), (4, 248, 251, 250),
    (5, 250, 250, 251), (7, 251, 248, 252), (8, 252, 247, 253), (11, 253, 244, 254)])
SQUARE = rectangles([(2, 2, 251, 251)])
SMALL_ROUNDED_SQUARE = rectangles([
    (6, 1, 189, 2), (5, 2, 190, 3), (4, 3, 191, 4), (3, 4, 192, 5), (2, 5, 193, 6), (1, 6, 194, 189),
    (2, 189, 193, 190), (3, 190, 192, 191), (4, 191, 191, 192), (5, 192, 190, 193), (6, 193, 189, 194)])
SMALL_SQUARE = rectangles([(1, 1, 192, 192)])


def star(pulleys, inside):
    return polygon(belt(pulleys, inside))


# --- The stars, as a belt round ten "pulleys" clockwise from the top: the five tips are small
# circles (round tips; the side tips narrow enough to touch the outermost column in three rows on
# the left and one on the right), the inner corners are sharp, and each foot is a pair of circles
# whose common tangent is the sole, the inner one lifted a little so that the sole slopes up
# towards the middle. Corner positions were settled by tools/shapegen within a pixel or two of the
# points the outline must pass near.
STAR = star([
    (131.5, 6.7, 4.0), (176.637, 70.233, 0), (252.7, 102.5, 2.0), (203.007, 160.558, 0),
    (214.844, 244.0, 9.0), (213.485, 251.231, 1.769), (131.0, 219.0, 0),
    (45.525, 250.697, 2.703), (36.195, 249.252, 4.748),
    (51.815, 162.931, 0), (5.55, 100.5, 2.5), (80.805, 70.289, 0)], inside=(128, 140))
SMALL_STAR = star([
    (100.5, 5.11, 3.0), (134.97, 53.4, 0), (193.1, 78.5, 1.6),
    (155.2, 122.6, 0),
    (164.0, 187.0, 7.0), (163.454, 193.0, 1.0),
    (100.0, 167.7, 0),
    (35, 191.0, 3), (26.5, 190.0, 4.0),
    (38.511, 124.3, 0), (4.05, 76.0, 2.0), (61.6, 53.5, 0)],
    inside=(98, 108))

SHAPES = [HEART, ROUNDED_SQUARE, CIRCLE, SQUARE, STAR,
          SMALL_HEART, SMALL_ROUNDED_SQUARE, SMALL_CIRCLE, SMALL_SQUARE, SMALL_STAR]
