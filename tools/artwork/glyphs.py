"""Small symbols built from shapes: segment digits and a handful of pictograms."""

import math

# Which of the seven segments (top, top-right, bottom-right, bottom, bottom-left, top-left,
# middle) each digit lights.
_SEGMENTS = {
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg",
    "5": "acdfg", "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
}


def digits(p, x, y, height, text, colour):
    """Segment-style digits with their top-left corner at (x, y); returns the end x."""
    w, t = height * 0.5, height * 0.14
    for ch in text:
        h = height / 2
        bars = {
            "a": (x, y, x + w, y + t), "d": (x, y + height - t, x + w, y + height),
            "g": (x, y + h - t / 2, x + w, y + h + t / 2),
            "f": (x, y, x + t, y + h), "e": (x, y + h, x + t, y + height),
            "b": (x + w - t, y, x + w, y + h), "c": (x + w - t, y + h, x + w, y + height),
        }
        for segment in _SEGMENTS[ch]:
            p.rect(bars[segment], colour)
        x += w + height * 0.22
    return x


def star(p, cx, cy, outer, colour, inner_ratio=0.45, points=5):
    corners = []
    for i in range(points * 2):
        r = outer if i % 2 == 0 else outer * inner_ratio
        a = -math.pi / 2 + i * math.pi / points
        corners.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    p.polygon(corners, colour)


def gear(p, cx, cy, radius, colour, hole):
    teeth = 8
    for i in range(teeth):
        a = i * 2 * math.pi / teeth
        dx, dy = math.cos(a), math.sin(a)
        nx, ny = -dy, dx
        w, r0, r1 = radius * 0.22, radius * 0.6, radius
        p.polygon([(cx + dx * r0 + nx * w, cy + dy * r0 + ny * w),
                   (cx + dx * r1 + nx * w * 0.8, cy + dy * r1 + ny * w * 0.8),
                   (cx + dx * r1 - nx * w * 0.8, cy + dy * r1 - ny * w * 0.8),
                   (cx + dx * r0 - nx * w, cy + dy * r0 - ny * w)], colour)
    p.ellipse((cx - radius * 0.78, cy - radius * 0.78, cx + radius * 0.78, cy + radius * 0.78),
              colour)
    p.ellipse((cx - radius * 0.32, cy - radius * 0.32, cx + radius * 0.32, cy + radius * 0.32),
              hole)


def person(p, cx, top, size, skin, hair, shirt):
    """Head and shoulders, `size` tall, centred on cx."""
    head = size * 0.24
    cy = top + size * 0.34
    p.chord((cx - size * 0.42, top + size * 0.62, cx + size * 0.42, top + size * 1.3), 180, 360,
            shirt)
    p.rect((cx - head * 0.45, cy + head * 0.6, cx + head * 0.45, cy + head * 1.35), skin)
    p.ellipse((cx - head, cy - head * 1.1, cx + head, cy + head * 1.1), skin)
    p.chord((cx - head * 1.08, cy - head * 1.3, cx + head * 1.08, cy + head * 0.5), 180, 360, hair)


def envelope(p, box, paper, fold):
    x0, y0, x1, y1 = box
    p.rect(box, paper, radius=1.5)
    p.line([(x0 + 1, y0 + 1), ((x0 + x1) / 2, (y0 + y1) / 2 + 1), (x1 - 1, y0 + 1)], fold, 1.6)


def signal_bars(p, x, bottom, height, colour):
    for i in range(4):
        h = height * (i + 1) / 4
        p.rect((x + i * 5, bottom - h, x + i * 5 + 3, bottom), colour, radius=0.8)
