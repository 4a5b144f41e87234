"""The lobby's edges: header bar, ranking column at the left, tab bar at the right."""

from artwork import glyphs, strip

HEADER_HEIGHT = 40
GOLD = (236, 190, 90)
PANEL = (20, 26, 46, 210)
ICON = (200, 212, 236)


def header(p):
    p.rect((0, 0, 960, HEADER_HEIGHT), strip.BACKGROUND)
    p.rect((0, HEADER_HEIGHT, 960, HEADER_HEIGHT + 1.5), (120, 96, 50))
    _player_badge(p)
    _header_icons(p)


def _player_badge(p):
    p.ellipse((4, 2, 40, 38), GOLD)
    p.ellipse((6.5, 4.5, 37.5, 35.5), (60, 90, 150))
    glyphs.person(p, 22, 7, 27, (246, 214, 180), (70, 44, 30), (200, 60, 70))
    p.ring((4, 2, 40, 38), GOLD, 2.5)
    # Level: a shield with the number, then the name plate and experience bar.
    p.polygon([(44, 6), (62, 6), (62, 24), (53, 32), (44, 24)], (190, 70, 60))
    p.polygon([(46, 8), (60, 8), (60, 23), (53, 29.5), (46, 23)], (240, 120, 80))
    glyphs.digits(p, 47.5, 11, 11, "37", (255, 250, 235))
    p.rect((68, 7, 168, 17), (70, 80, 110), radius=3)
    p.rect((70, 9, 140, 15), (160, 170, 200), radius=2)
    p.rect((68, 24, 200, 31), (40, 46, 66), radius=3.5)
    p.gradient((69, 25, 152, 30), (140, 230, 255), (60, 150, 230), radius=2.5)
    glyphs.star(p, 186, 12, 6, GOLD)


def _header_icons(p):
    # Friends.
    glyphs.person(p, 812, 9, 22, ICON, ICON, ICON)
    glyphs.person(p, 800, 10, 20, (150, 162, 190), (150, 162, 190), (150, 162, 190))
    p.ellipse((814, 6, 822, 14), (230, 70, 60))
    # Mail.
    glyphs.envelope(p, (838, 12, 866, 30), ICON, (60, 70, 100))
    p.ellipse((861, 7, 869, 15), (230, 70, 60))
    # Settings.
    glyphs.gear(p, 895, 20, 12, ICON, strip.BACKGROUND)
    # Network status.
    glyphs.signal_bars(p, 922, 30, 18, (90, 220, 120))


def ranking_column(p):
    p.rect((4, 50, 86, 428), PANEL, radius=8)
    p.rect((8, 54, 82, 74), (60, 48, 30), radius=5)
    _trophy(p, 45, 64, GOLD)
    medals = [GOLD, (210, 216, 228), (205, 128, 70), (90, 140, 220)]
    looks = [((246, 214, 180), (240, 210, 110), (40, 50, 90)),
             ((236, 196, 160), (40, 30, 30), (170, 40, 60)),
             ((250, 222, 196), (150, 80, 40), (40, 120, 90)),
             ((220, 180, 150), (30, 30, 40), (90, 70, 160))]
    for i, (medal, look) in enumerate(zip(medals, looks)):
        _ranking_card(p, 80 + i * 87, medal, look)


def _ranking_card(p, top, medal, look):
    p.rect((10, top, 80, top + 80), (36, 44, 72), radius=6)
    p.gradient((13, top + 3, 77, top + 60), (80, 110, 170), (40, 56, 100), radius=5)
    skin, hair, shirt = look
    glyphs.person(p, 45, top + 8, 52, skin, hair, shirt)
    p.frame((10, top, 80, top + 80), medal, 1.5, radius=6)
    p.rect((16, top + 66, 62, top + 72), (120, 130, 160), radius=2)
    p.ellipse((62, top + 58, 78, top + 74), medal)
    glyphs.star(p, 70, top + 66, 5, (255, 255, 255, 230))


def _trophy(p, cx, cy, colour):
    p.chord((cx - 8, cy - 14, cx + 8, cy + 4), 0, 180, colour)
    p.rect((cx - 8, cy - 6, cx + 8, cy - 5), colour)
    p.ring((cx - 12, cy - 6, cx - 4, cy + 2), colour, 1.5)
    p.ring((cx + 4, cy - 6, cx + 12, cy + 2), colour, 1.5)
    p.rect((cx - 1.5, cy + 3, cx + 1.5, cy + 6), colour)
    p.rect((cx - 5, cy + 6, cx + 5, cy + 8.5), colour, radius=1)


def tab_bar(p):
    p.rect((900, 50, 960, 428), PANEL, radius=8)
    emblems = [_tab_star, _tab_trophy, _tab_calendar, _tab_chest, _tab_crown]
    for i, emblem in enumerate(emblems):
        top = 56 + i * 74
        selected = i == 0
        p.rect((905, top, 955, top + 66), (70, 90, 150) if selected else (34, 42, 70), radius=6)
        if selected:
            p.rect((900, top + 8, 904, top + 58), (120, 200, 255), radius=2)
        emblem(p, 930, top + 26)
        p.rect((915, top + 50, 945, top + 56), (150, 160, 190), radius=2)


def _tab_star(p, cx, cy):
    glyphs.star(p, cx, cy, 15, (255, 214, 90))


def _tab_trophy(p, cx, cy):
    _trophy(p, cx, cy + 2, (230, 200, 120))


def _tab_calendar(p, cx, cy):
    p.rect((cx - 14, cy - 12, cx + 14, cy + 14), (240, 240, 245), radius=3)
    p.rect((cx - 14, cy - 12, cx + 14, cy - 4), (220, 70, 70), radius=3)
    for row in range(2):
        for col in range(3):
            x, y = cx - 10 + col * 8, cy - 1 + row * 7
            p.rect((x, y, x + 5, y + 4), (150, 160, 180))


def _tab_chest(p, cx, cy):
    p.rect((cx - 15, cy - 6, cx + 15, cy + 13), (150, 90, 40), radius=2)
    p.chord((cx - 15, cy - 16, cx + 15, cy + 4), 180, 360, (190, 120, 50))
    p.rect((cx - 15, cy - 7, cx + 15, cy - 4), GOLD)
    p.rect((cx - 3, cy - 8, cx + 3, cy + 1), GOLD, radius=1)


def _tab_crown(p, cx, cy):
    p.polygon([(cx - 15, cy + 10), (cx - 15, cy - 8), (cx - 7, cy), (cx, cy - 13),
               (cx + 7, cy), (cx + 15, cy - 8), (cx + 15, cy + 10)], GOLD)
    for x in (cx - 15, cx, cx + 15):
        p.ellipse((x - 2.5, cy - 16 if x == cx else cy - 11, x + 2.5,
                   cy - 11 if x == cx else cy - 6), (255, 120, 120))
