"""The lobby's middle and bottom: game-mode cards, chat bar and the menu button row."""

import math

from artwork import glyphs

WHITE = (255, 255, 255)

# (left x, top colour, bottom colour, emblem)
_CARDS = [
    (100, (255, 120, 70), (170, 30, 60), "swords"),
    (362, (80, 200, 255), (40, 70, 190), "shield"),
    (624, (120, 230, 140), (20, 120, 110), "mountain"),
]
CARD_WIDTH, CARD_TOP, CARD_BOTTOM = 252, 54, 426


def mode_cards(p):
    for left, top_colour, bottom_colour, emblem in _CARDS:
        _card(p, left, top_colour, bottom_colour, emblem)


def _card(p, left, top_colour, bottom_colour, emblem):
    right, cx = left + CARD_WIDTH, left + CARD_WIDTH / 2
    p.rect((left - 2, CARD_TOP - 2, right + 2, CARD_BOTTOM + 2), (250, 230, 170), radius=14)
    p.gradient((left, CARD_TOP, right, CARD_BOTTOM), top_colour, bottom_colour, radius=12)
    for i in range(3):
        x = left + 30 + i * 70
        p.polygon([(x, CARD_TOP), (x + 30, CARD_TOP), (x - 60, CARD_BOTTOM - 120),
                   (x - 90, CARD_BOTTOM - 120)], (255, 255, 255, 28))
    p.ellipse((cx - 80, 100, cx + 80, 260), (255, 255, 255, 40))
    _EMBLEMS[emblem](p, cx, 180)
    p.rect((left, CARD_BOTTOM - 110, right, CARD_BOTTOM - 60), (10, 14, 30, 150))
    p.rect((cx - 70, CARD_BOTTOM - 96, cx + 70, CARD_BOTTOM - 80), (250, 246, 230), radius=4)
    p.rect((cx - 45, CARD_BOTTOM - 76, cx + 45, CARD_BOTTOM - 68), (200, 210, 230), radius=3)
    p.rect((cx - 64, CARD_BOTTOM - 48, cx + 64, CARD_BOTTOM - 14), (140, 80, 10), radius=17)
    p.gradient((cx - 62, CARD_BOTTOM - 46, cx + 62, CARD_BOTTOM - 16), (255, 230, 110),
               (245, 160, 30), radius=15)
    p.polygon([(cx - 7, CARD_BOTTOM - 40), (cx + 9, CARD_BOTTOM - 31), (cx - 7, CARD_BOTTOM - 22)],
              WHITE)
    p.rect((right - 54, CARD_TOP + 10, right - 10, CARD_TOP + 30), (230, 40, 50), radius=10)
    glyphs.star(p, right - 32, CARD_TOP + 20, 7, WHITE)


def _swords(p, cx, cy):
    for side in (-1, 1):
        tip = (cx + side * 52, cy - 52)
        hilt = (cx - side * 34, cy + 34)
        p.line([hilt, tip], (90, 40, 30), 16)
        p.line([hilt, tip], (236, 240, 248), 11)
        guard_x, guard_y = cx - side * 26, cy + 26
        p.line([(guard_x - 14, guard_y - side * 14), (guard_x + 14, guard_y + side * 14)],
               (250, 200, 80), 7)
        p.line([hilt, (cx - side * 50, cy + 50)], (120, 60, 30), 8)
        p.ellipse((cx - side * 50 - 6, cy + 44, cx - side * 50 + 6, cy + 56), (250, 200, 80))


def _shield(p, cx, cy):
    outline = [(cx - 56, cy - 58), (cx + 56, cy - 58), (cx + 56, cy), (cx, cy + 66),
               (cx - 56, cy)]
    p.polygon(outline, (250, 215, 110))
    inner = [(cx - 46, cy - 48), (cx + 46, cy - 48), (cx + 46, cy - 4), (cx, cy + 52),
             (cx - 46, cy - 4)]
    p.polygon(inner, (30, 60, 150))
    glyphs.star(p, cx, cy - 2, 30, (255, 230, 120))


def _mountain(p, cx, cy):
    p.ellipse((cx - 66, cy - 66, cx + 66, cy + 66), (250, 240, 200))
    p.ellipse((cx - 58, cy - 58, cx + 58, cy + 58), (100, 190, 220))
    p.ellipse((cx + 12, cy - 44, cx + 36, cy - 20), (255, 240, 140))
    p.polygon([(cx - 58, cy + 36), (cx - 18, cy - 26), (cx + 10, cy + 14), (cx + 26, cy - 6),
               (cx + 58, cy + 36)], (40, 110, 70))
    p.polygon([(cx - 30, cy - 8), (cx - 18, cy - 26), (cx - 6, cy - 8), (cx - 14, cy - 12)],
              WHITE)
    p.chord((cx - 58, cy - 58, cx + 58, cy + 58), 20, 160, (30, 80, 60))


_EMBLEMS = {"swords": _swords, "shield": _shield, "mountain": _mountain}


def chat_bar(p):
    p.rect((100, 436, 560, 466), (10, 14, 30, 170), radius=15)
    p.rect((108, 441, 136, 461), (110, 200, 255), radius=8)
    p.polygon([(114, 458), (112, 466), (122, 459)], (110, 200, 255))
    for i in range(3):
        p.ellipse((114 + i * 7, 449, 118 + i * 7, 453), (20, 40, 70))
    p.rect((146, 446, 190, 452), (250, 200, 90), radius=3)
    p.rect((196, 446, 400, 452), (190, 200, 220), radius=3)
    p.rect((146, 456, 330, 461), (120, 130, 160), radius=2.5)


def menu_row(p):
    icons = [_bag, _cart, _gift, _scroll, _flag, _group]
    for i, icon in enumerate(icons):
        x = 100 + i * 92
        p.rect((x, 474, x + 80, 534), (40, 50, 84), radius=10)
        p.gradient((x + 2, 476, x + 78, 532), (76, 92, 140), (40, 50, 90), radius=9)
        icon(p, x + 40, 498)
        p.rect((x + 20, 520, x + 60, 526), (200, 210, 230), radius=3)
    p.ellipse((100 + 2 * 92 + 66, 472, 100 + 2 * 92 + 80, 486), (230, 60, 50))
    _start_button(p)


def _start_button(p):
    p.rect((658, 438, 954, 534), (130, 60, 10), radius=20)
    p.gradient((661, 441, 951, 531), (255, 220, 90), (240, 120, 30), radius=18)
    p.rect((671, 446, 941, 470), (255, 255, 255, 60), radius=12)
    p.polygon([(788, 462), (826, 486), (788, 510)], WHITE)
    p.ring((768, 450, 846, 522), (255, 255, 255, 200), 4)


def _bag(p, cx, cy):
    p.ring((cx - 9, cy - 18, cx + 9, cy - 2), (120, 70, 30), 3)
    p.rect((cx - 16, cy - 10, cx + 16, cy + 14), (200, 130, 60), radius=5)
    p.rect((cx - 4, cy - 2, cx + 4, cy + 4), (250, 210, 100), radius=1)


def _cart(p, cx, cy):
    p.line([(cx - 20, cy - 14), (cx - 12, cy - 14), (cx - 6, cy + 6), (cx + 16, cy + 6),
            (cx + 20, cy - 8), (cx - 9, cy - 8)], (250, 210, 100), 3.5)
    for x in (cx - 4, cx + 12):
        p.ellipse((x - 4, cy + 10, x + 4, cy + 18), (250, 210, 100))


def _gift(p, cx, cy):
    p.rect((cx - 16, cy - 6, cx + 16, cy + 16), (230, 70, 90), radius=2)
    p.rect((cx - 18, cy - 12, cx + 18, cy - 4), (250, 100, 110), radius=2)
    p.rect((cx - 3, cy - 12, cx + 3, cy + 16), (255, 220, 100))
    p.ring((cx - 13, cy - 22, cx - 1, cy - 12), (255, 220, 100), 3)
    p.ring((cx + 1, cy - 22, cx + 13, cy - 12), (255, 220, 100), 3)


def _scroll(p, cx, cy):
    p.rect((cx - 14, cy - 16, cx + 14, cy + 16), (245, 230, 190), radius=2)
    for y in (cy - 18, cy + 14):
        p.rect((cx - 18, y, cx + 18, y + 5), (170, 110, 60), radius=2.5)
    for i in range(3):
        p.rect((cx - 9, cy - 8 + i * 7, cx + 9, cy - 5 + i * 7), (160, 130, 100))


def _flag(p, cx, cy):
    p.rect((cx - 14, cy - 20, cx - 10, cy + 18), (200, 200, 210))
    wave = [(cx - 10 + i * 2, cy - 18 + 3 * math.sin(i / 2)) for i in range(14)]
    p.polygon(wave + [(cx + 16, cy - 2)] + [(x, y + 16) for x, y in reversed(wave)],
              (90, 160, 255))
    glyphs.star(p, cx + 2, cy - 8, 5, WHITE)


def _group(p, cx, cy):
    glyphs.person(p, cx - 10, cy - 14, 24, (200, 212, 236), (200, 212, 236), (200, 212, 236))
    glyphs.person(p, cx + 10, cy - 14, 24, (200, 212, 236), (200, 212, 236), (200, 212, 236))
    glyphs.person(p, cx, cy - 18, 30, (255, 230, 150), (255, 230, 150), (255, 230, 150))
