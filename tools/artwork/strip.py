"""The currency strip: coin, gem and voucher counts with a plus button.

The program draws white digits into the three value fields, so their insides stay one flat
dark colour. Every x range below is inclusive, in the strip's own pixels."""

from PIL import Image, ImageDraw

from artwork.painter import Painter

WIDTH, HEIGHT = 312, 40
BACKGROUND = (14, 18, 30)
FIELD = (25, 30, 45)
FIELD_FRAME = (58, 66, 88)
SEPARATOR = (86, 96, 124)
FRAME_TOP, FRAME_BOTTOM = 7, 35

COIN_ICON = (11, 35)
GEM_ICON = (103, 128)
VOUCHER_ICON = (197, 221)
PLUS_BUTTON = (285, 311)
VALUE_FIELDS = ((36, 97), (129, 189), (222, 276))
SEPARATORS = ((98, 98), (190, 191))

SCALE = 4


def _span(first, last):
    """Continuous coordinates covering pixels first..last without touching the next one."""
    return first, last + 1 - 1 / SCALE


def _coin(p):
    x0, x1 = _span(*COIN_ICON)
    y0, y1 = 8, 8 + (x1 - x0)
    p.ellipse((x0, y0, x1, y1), (150, 96, 20))
    p.ellipse((x0 + 1.5, y0 + 1, x1 - 1, y1 - 2), (255, 200, 60))
    p.ring((x0 + 4.5, y0 + 4, x1 - 4.5, y1 - 5), (200, 130, 24), 1.5)
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2 - 0.5
    p.polygon([(cx, cy - 5), (cx + 3, cy), (cx, cy + 5), (cx - 3, cy)], (215, 140, 30))
    p.ellipse((x0 + 5, y0 + 3, x0 + 9, y0 + 6), (255, 245, 200, 200))


def _gem(p):
    x0, x1 = _span(*GEM_ICON)
    cx = (x0 + x1) / 2
    top, girdle, tip = 9, 16, 33
    p.polygon([(x0 + 5, top), (x1 - 5, top), (x1, girdle), (cx, tip), (x0, girdle)], (70, 60, 200))
    p.polygon([(x0 + 5, top), (cx, top), (cx - 3, girdle), (x0, girdle)], (150, 170, 255))
    p.polygon([(cx, top), (x1 - 5, top), (x1, girdle), (cx + 3, girdle)], (110, 120, 250))
    p.polygon([(x0, girdle), (cx - 3, girdle), (cx, tip)], (120, 80, 230))
    p.polygon([(cx + 3, girdle), (x1, girdle), (cx, tip)], (60, 40, 160))
    p.polygon([(cx - 3, girdle), (cx + 3, girdle), (cx, tip)], (160, 110, 255))
    p.line([(x0 + 7, top + 2), (x0 + 10, top + 2)], (235, 240, 255), 1.2)


def _voucher(p):
    x0, x1 = _span(*VOUCHER_ICON)
    y0, y1 = 12, 29
    p.rect((x0, y0, x1, y1), (236, 96, 70), radius=2)
    p.rect((x0 + 1.5, y0 + 1.5, x1 - 1.5, y1 - 1.5), (255, 150, 90), radius=1.5)
    notch = 2.6
    for x in (x0, x1):
        p.ellipse((x - notch, (y0 + y1) / 2 - notch, x + notch, (y0 + y1) / 2 + notch), BACKGROUND)
    stub = x0 + 8
    for y in range(y0 + 3, y1 - 1, 3):
        p.rect((stub - 0.6, y, stub + 0.6, y + 1.5), (190, 70, 50))
    p.polygon([(stub + 7.5, y0 + 4), (stub + 9, y0 + 7.5), (stub + 12.5, y0 + 8.5),
               (stub + 9.5, y0 + 11), (stub + 10, y0 + 14), (stub + 7.5, y0 + 12),
               (stub + 5, y0 + 14), (stub + 5.5, y0 + 11), (stub + 2.5, y0 + 8.5),
               (stub + 6, y0 + 7.5)], (255, 240, 200))


def _plus_button(p):
    x0, x1 = _span(*PLUS_BUTTON)
    y0, y1 = 7, 7 + (x1 - x0)
    p.rect((x0, y0, x1, y1), (30, 120, 50), radius=6)
    p.gradient((x0 + 1.5, y0 + 1.5, x1 - 1.5, y1 - 1.5), (120, 230, 110), (40, 160, 70), radius=5)
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    p.rect((cx - 1.75, cy - 7, cx + 1.75, cy + 7), (255, 255, 255), radius=1)
    p.rect((cx - 7, cy - 1.75, cx + 7, cy + 1.75), (255, 255, 255), radius=1)


def _fields_and_separators(image):
    """Flat shapes drawn on whole pixels, so the field insides are exact."""
    draw = ImageDraw.Draw(image)
    for first, last in VALUE_FIELDS:
        draw.rectangle([first, FRAME_TOP + 1, last, FRAME_BOTTOM - 1], fill=FIELD)
        draw.line([first, FRAME_TOP, last, FRAME_TOP], fill=FIELD_FRAME)
        draw.line([first, FRAME_BOTTOM, last, FRAME_BOTTOM], fill=FIELD_FRAME)
    for first, last in SEPARATORS:
        draw.rectangle([first, FRAME_TOP - 1, last, FRAME_BOTTOM + 1], fill=SEPARATOR)


def draw_strip():
    p = Painter(WIDTH, HEIGHT, SCALE, BACKGROUND)
    _coin(p)
    _gem(p)
    _voucher(p)
    _plus_button(p)
    image = p.result(Image.BOX)
    _fields_and_separators(image)
    return image
