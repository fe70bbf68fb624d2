"""Pixel masks to banded rectangle lists, and the rules such a list must keep."""


def to_bands(mask):
    """Merges consecutive rows with identical runs: [(top, bottom, runs), ...]."""
    bands = []
    for y in sorted(mask):
        runs = mask[y]
        if bands and bands[-1][1] == y and bands[-1][2] == runs:
            bands[-1] = (bands[-1][0], y + 1, runs)
        else:
            bands.append((y, y + 1, runs))
    return bands


def to_rects(bands):
    return [(left, top, right, bottom) for top, bottom, runs in bands for left, right in runs]


def band_rule_errors(rects):
    """Every way the list breaks the banded order (empty when it keeps it)."""
    errors = []
    if not rects:
        return ["no rectangles"]
    bands = []
    for r in rects:
        left, top, right, bottom = r
        if right <= left or bottom <= top:
            errors.append(f"empty rectangle {r}")
        if bands and bands[-1][0] == top:
            if bands[-1][1] != bottom:
                errors.append(f"rectangle {r} shares its top but not its bottom")
            prev = bands[-1][2][-1]
            if left <= prev[1]:
                errors.append(f"rectangle {r} touches or precedes the run before it")
            bands[-1][2].append((left, right))
        else:
            if bands and top != bands[-1][1]:
                errors.append(f"band at {top} does not start at the previous band's bottom {bands[-1][1]}")
            bands.append((top, bottom, [(left, right)]))
    for a, b in zip(bands, bands[1:]):
        if a[2] == b[2]:
            errors.append(f"bands {a[0]} and {b[0]} hold the same runs")
    return errors
