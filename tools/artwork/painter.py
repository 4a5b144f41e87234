"""A drawing surface in output pixels that renders at a multiple of the size.

Shapes are drawn `scale` times larger and the finished picture is shrunk, which gives
smooth edges without any picture or font from elsewhere."""

from PIL import Image, ImageDraw


class Painter:
    def __init__(self, width, height, scale, background):
        self.size = (width, height)
        self.scale = scale
        self.image = Image.new("RGBA", (width * scale, height * scale), background)

    def _scaled(self, values):
        return [round(v * self.scale) for v in values]

    def _points(self, points):
        return [tuple(self._scaled(p)) for p in points]

    def _paint(self, colour, paint):
        """Runs paint(draw); translucent colours go on a layer that is blended afterwards."""
        if len(colour) == 4 and colour[3] < 255:
            layer = Image.new("RGBA", self.image.size, (0, 0, 0, 0))
            paint(ImageDraw.Draw(layer))
            self.image.alpha_composite(layer)
        else:
            paint(ImageDraw.Draw(self.image))

    def _width(self, width):
        return max(1, round(width * self.scale))

    def rect(self, box, fill, radius=0):
        self._paint(fill, lambda d: d.rounded_rectangle(self._scaled(box), radius * self.scale,
                                                        fill=fill))

    def frame(self, box, colour, width=1, radius=0):
        self._paint(colour, lambda d: d.rounded_rectangle(
            self._scaled(box), radius * self.scale, outline=colour, width=self._width(width)))

    def ellipse(self, box, fill):
        self._paint(fill, lambda d: d.ellipse(self._scaled(box), fill=fill))

    def ring(self, box, colour, width):
        self._paint(colour, lambda d: d.ellipse(self._scaled(box), outline=colour,
                                                width=self._width(width)))

    def polygon(self, points, fill):
        self._paint(fill, lambda d: d.polygon(self._points(points), fill=fill))

    def line(self, points, colour, width):
        self._paint(colour, lambda d: d.line(self._points(points), fill=colour,
                                             width=self._width(width), joint="curve"))

    def chord(self, box, start, end, fill):
        self._paint(fill, lambda d: d.chord(self._scaled(box), start, end, fill=fill))

    def gradient(self, box, top, bottom, radius=0):
        """A rounded box shading from `top` to `bottom` colour."""
        x0, y0, x1, y1 = self._scaled(box)
        width, height = x1 - x0, y1 - y0
        column = Image.new("RGBA", (1, height))
        for y in range(height):
            t = y / max(1, height - 1)
            column.putpixel((0, y), tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)))
        shade = column.resize((width, height))
        mask = Image.new("L", (width, height), 0)
        ImageDraw.Draw(mask).rounded_rectangle([0, 0, width - 1, height - 1],
                                               radius * self.scale, fill=255)
        self.image.paste(shade, (x0, y0), mask)

    def result(self, resample=Image.LANCZOS):
        """The picture at output size; BOX keeps edges on whole pixels where geometry matters."""
        return self.image.resize(self.size, resample).convert("RGB")
