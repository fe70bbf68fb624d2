"""Curves and rasterisation for the shape generator.

An outline is described either as a closed polyline (a list of points in pixel-edge coordinates,
x to the right, y down) or as a function giving the continuous spans of each pixel row. Both are
sampled at pixel centres: pixel (x, y) is inside when its centre (x + 0.5, y + 0.5) is inside,
which gives the smoothest staircase a one-bit mask can have.
"""

import math


def pixel_run(left, right):
    """The pixels whose centres lie in the continuous span [left, right): (first, end exclusive)."""
    return math.ceil(left - 0.5 - 1e-9), math.ceil(right - 0.5 - 1e-9)


class Pchip:
    """Monotone piecewise cubic through (t, v) knots (Fritsch-Carlson): smooth, never overshoots
    between knots, so every value a knot pins stays pinned and no wiggle appears between them."""

    def __init__(self, knots):
        self.t = [k[0] for k in knots]
        self.v = [k[1] for k in knots]
        n = len(knots)
        h = [self.t[i + 1] - self.t[i] for i in range(n - 1)]
        d = [(self.v[i + 1] - self.v[i]) / h[i] for i in range(n - 1)]
        m = [0.0] * n
        m[0], m[-1] = d[0], d[-1]
        for i in range(1, n - 1):
            if d[i - 1] * d[i] <= 0:
                m[i] = 0.0
            else:
                w1 = 2 * h[i] + h[i - 1]
                w2 = h[i] + 2 * h[i - 1]
                m[i] = (w1 + w2) / (w1 / d[i - 1] + w2 / d[i])
        self.m, self.h = m, h

    def __call__(self, t):
        i = 0
        while i < len(self.h) - 1 and t > self.t[i + 1]:
            i += 1
        h = self.h[i]
        s = (t - self.t[i]) / h
        h00 = (1 + 2 * s) * (1 - s) ** 2
        h10 = s * (1 - s) ** 2
        h01 = s * s * (3 - 2 * s)
        h11 = s * s * (s - 1)
        return h00 * self.v[i] + h10 * h * self.m[i] + h01 * self.v[i + 1] + h11 * h * self.m[i + 1]


def arc(cx, cy, r, a0, a1, steps=64):
    """Points of a circular arc from angle a0 to a1 (radians, y down), both ends included."""
    return [(cx + r * math.cos(a0 + (a1 - a0) * i / steps), cy + r * math.sin(a0 + (a1 - a0) * i / steps))
            for i in range(steps + 1)]


def rounded_polygon(vertices, radii, steps=48):
    """A closed polygon whose corners are rounded: corner i becomes an arc of radius radii[i]
    tangent to both of its edges (radius 0 keeps the corner sharp)."""
    out = []
    n = len(vertices)
    for i in range(n):
        px, py = vertices[i - 1]
        vx, vy = vertices[i]
        nx, ny = vertices[(i + 1) % n]
        r = radii[i]
        if r <= 0:
            out.append((vx, vy))
            continue
        ux, uy = px - vx, py - vy
        wx, wy = nx - vx, ny - vy
        lu, lw = math.hypot(ux, uy), math.hypot(wx, wy)
        ux, uy, wx, wy = ux / lu, uy / lu, wx / lw, wy / lw
        half = math.acos(max(-1.0, min(1.0, ux * wx + uy * wy))) / 2
        along = r / math.tan(half)
        bx, by = ux + wx, uy + wy
        lb = math.hypot(bx, by)
        bx, by = bx / lb, by / lb
        dist = r / math.sin(half)
        cx, cy = vx + bx * dist, vy + by * dist
        t1 = (vx + ux * along, vy + uy * along)
        t2 = (vx + wx * along, vy + wy * along)
        a0 = math.atan2(t1[1] - cy, t1[0] - cx)
        a1 = math.atan2(t2[1] - cy, t2[0] - cx)
        # Go round the short way, through the side that faces the corner.
        while a1 - a0 > math.pi:
            a1 -= 2 * math.pi
        while a0 - a1 > math.pi:
            a1 += 2 * math.pi
        out.extend(arc(cx, cy, r, a0, a1, steps))
    return out


def polyline_spans(points, yc):
    """Continuous spans of a closed polyline on the horizontal line y = yc (even-odd rule)."""
    xs = []
    n = len(points)
    for i in range(n):
        x0, y0 = points[i]
        x1, y1 = points[(i + 1) % n]
        if (y0 <= yc < y1) or (y1 <= yc < y0):
            xs.append(x0 + (yc - y0) * (x1 - x0) / (y1 - y0))
    xs.sort()
    return [(xs[i], xs[i + 1]) for i in range(0, len(xs) - 1, 2)]


def rasterise(span_function, rows):
    """Pixel runs per row: {row: [(left, right), ...]} with maximal, sorted, non-touching runs."""
    mask = {}
    for y in rows:
        runs = []
        for left, right in span_function(y + 0.5):
            a, b = pixel_run(left, right)
            if b > a:
                runs.append((a, b))
        runs.sort()
        merged = []
        for a, b in runs:
            if merged and a <= merged[-1][1]:
                merged[-1] = (merged[-1][0], max(merged[-1][1], b))
            else:
                merged.append((a, b))
        if merged:
            mask[y] = merged
    return mask


def belt(circles, inside, steps=48):
    """A closed outline wrapped round a cycle of circles (x, y, r) like a belt round pulleys: each
    circle is passed on its outer side, consecutive circles are joined by their common tangent, and
    a circle of radius 0 is a sharp corner. `inside` is a point well inside the outline; it tells
    the outer side of each tangent."""
    n = len(circles)
    tangents = []
    for i in range(n):
        (x1, y1, r1), (x2, y2, r2) = circles[i], circles[(i + 1) % n]
        dx, dy = x2 - x1, y2 - y1
        length = math.hypot(dx, dy)
        phi = math.atan2(dy, dx)
        spread = math.acos(max(-1.0, min(1.0, (r1 - r2) / length)))
        best = None
        for theta in (phi + spread, phi - spread):
            nx, ny = math.cos(theta), math.sin(theta)
            # The outer side faces away from the inside point.
            score = nx * ((x1 + x2) / 2 - inside[0]) + ny * ((y1 + y2) / 2 - inside[1])
            if best is None or score > best[0]:
                best = (score, theta)
        tangents.append(best[1])
    out = []
    for i in range(n):
        x, y, r = circles[i]
        a_in, a_out = tangents[i - 1], tangents[i]
        if r <= 0:
            out.append((x, y))
            continue
        while a_out - a_in > math.pi:
            a_out -= 2 * math.pi
        while a_in - a_out > math.pi:
            a_out += 2 * math.pi
        out.extend(arc(x, y, r, a_in, a_out, steps))
    return out
