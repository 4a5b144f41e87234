"""The program icon: a fair-haired young man in a dark waistcoat, one gloved hand raised."""

from artwork.painter import Painter

SIZE = 32
SKIN = (250, 220, 196)
HAIR = (248, 212, 96)
HAIR_SHADE = (206, 160, 52)
SHIRT = (238, 240, 246)
WAISTCOAT = (42, 40, 58)
GLOVE = (16, 16, 20)
LINE = (70, 60, 70)


def _body(p):
    p.chord((1.5, 21.5, 30.5, 42), 180, 360, LINE)
    p.chord((2.5, 22.5, 29.5, 41), 180, 360, SHIRT)
    p.rect((13.5, 17, 18.5, 24), SKIN)
    # Waistcoat fronts leave a V of shirt and collar open down the middle.
    p.polygon([(3, 32), (6, 25), (13, 23.5), (15.5, 32)], WAISTCOAT)
    p.polygon([(16.5, 32), (19, 23.5), (26, 25), (29, 32)], WAISTCOAT)
    p.polygon([(12.5, 22.5), (16, 27), (14, 28), (11, 23.5)], SHIRT)
    p.polygon([(19.5, 22.5), (16, 27), (18, 28), (21, 23.5)], SHIRT)
    p.ellipse((15.2, 28.5, 16.8, 30.1), (200, 190, 120))


def _head(p):
    p.ellipse((8.5, 4.5, 23.5, 21.5), LINE)
    p.ellipse((9.5, 5.5, 22.5, 20.5), SKIN)
    p.chord((7.5, 1.5, 24.5, 17), 180, 360, HAIR_SHADE)
    p.chord((8, 2, 24, 15.5), 180, 360, HAIR)
    # Fringe sweeping across the forehead, and locks over the ears.
    p.polygon([(9, 9), (13, 8), (19, 9), (23, 8.5), (21, 11.5), (17, 10), (12.5, 12.5)], HAIR)
    p.polygon([(8, 9), (10, 8.5), (10.3, 15), (8.5, 14)], HAIR)
    p.polygon([(24, 9), (22, 8.5), (21.7, 14), (23.5, 13)], HAIR_SHADE)
    p.line([(14, 5), (11.5, 9)], HAIR_SHADE, 0.8)
    for x in (13.2, 17.6):
        p.ellipse((x, 13, x + 1.8, 15.2), (50, 80, 140))
    p.line([(14.8, 17.8), (17.2, 17.8)], (200, 120, 110), 0.6)


def _raised_hand(p):
    p.line([(29, 31), (27.5, 21)], LINE, 5)
    p.line([(29, 31), (27.5, 21)], SHIRT, 3.4)
    p.ellipse((24.5, 15, 31, 22.5), GLOVE)
    # Spread fingers, a pixel of white between them so they read at 32 pixels.
    for x, top in ((24.6, 9.5), (26.9, 8), (29.2, 9.5)):
        p.rect((x, top, x + 1.5, 17), GLOVE, radius=0.75)
    p.line([(25, 19.5), (23, 15.5)], GLOVE, 1.6)


def draw_icon():
    p = Painter(SIZE, SIZE, 8, (255, 255, 255))
    _body(p)
    _head(p)
    _raised_hand(p)
    return p.result()
