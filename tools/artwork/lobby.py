"""The lobby screen the program's result panel shows behind the currency strip."""

import random

from PIL import Image, ImageDraw, ImageFilter

from artwork import lobby_centre, lobby_frame, strip
from artwork.painter import Painter

WIDTH, HEIGHT = 960, 540
STRIP_X = 443
SEED = 20240601


def _backdrop(p, rng):
    p.gradient((0, 0, WIDTH, HEIGHT), (52, 36, 110), (12, 18, 48))
    p.ellipse((220, 40, 760, 520), (120, 80, 200, 60))
    p.ellipse((660, 250, 900, 490), (70, 150, 230, 40))
    for _ in range(140):
        x, y = rng.uniform(0, WIDTH), rng.uniform(42, HEIGHT)
        r = rng.choice((0.6, 0.8, 1.0, 1.4))
        p.ellipse((x - r, y - r, x + r, y + r), (255, 255, 255, rng.randint(80, 220)))


def _smudges(image, rng):
    """Faint traces of the digits that stood in the empty value fields."""
    layer = Image.new("L", image.size, 0)
    draw = ImageDraw.Draw(layer)
    for first, last in strip.VALUE_FIELDS:
        x = STRIP_X + first + 3
        for _ in range(rng.randint(4, 6)):
            if x + 8 > STRIP_X + last - 2:
                break
            draw.ellipse([x, 13, x + 7, 28], outline=255, width=2)
            x += 10
    layer = layer.filter(ImageFilter.GaussianBlur(1.6)).point(lambda v: v * 0.09)
    white = Image.new("RGB", image.size, (255, 255, 255))
    image.paste(white, (0, 0), layer)


def draw_lobby(strip_image):
    rng = random.Random(SEED)
    p = Painter(WIDTH, HEIGHT, 2, (0, 0, 0))
    _backdrop(p, rng)
    lobby_frame.header(p)
    lobby_frame.ranking_column(p)
    lobby_frame.tab_bar(p)
    lobby_centre.mode_cards(p)
    lobby_centre.chat_bar(p)
    lobby_centre.menu_row(p)
    image = p.result()
    image.paste(strip_image, (STRIP_X, 0))
    _smudges(image, rng)
    return image
