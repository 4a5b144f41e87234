#!/usr/bin/python3
"""Checks the committed pictures the program builds in: sizes, JPEG encoding, and the strip
geometry the program relies on when it writes counts into the value fields.

    assets_test.py ASSET_DIR      (exit 77: Pillow missing, so the check is skipped)"""

import pathlib
import sys
import unittest

try:
    from PIL import Image
except ImportError:
    print("assets_test: Pillow (python3-pil) is not installed; skipping", file=sys.stderr)
    sys.exit(77)

ASSETS = pathlib.Path(sys.argv.pop(1) if len(sys.argv) > 1 else "assets")

FIELD_COLOUR = (25, 30, 45)
FIELD_ROWS = range(8, 35)
VALUE_FIELDS = {"coin": (36, 97), "gem": (129, 189), "voucher": (222, 276)}
# Parts that must stand out from the field colour: (first x, last x), inclusive.
ICONS = {"coin": (11, 35), "gem": (103, 128), "voucher": (197, 221), "plus button": (285, 311)}
SEPARATORS = {"first": (98, 98), "second": (190, 191)}
# JPEG rings a few levels next to the bright icons; white digits on the field stay readable.
FIELD_TOLERANCE = 16
# Faint smudges: well below what even grey digits (about 100 levels up) would leave.
SMUDGE_TOLERANCE = 30
LOBBY_STRIP_X = 443


def jpeg_frame(data):
    """(SOF marker, [(component id, sampling byte)]) of the first frame header."""
    at = 2
    while at + 4 <= len(data):
        if data[at] != 0xFF:
            raise ValueError(f"no marker at offset {at}")
        marker, length = data[at + 1], int.from_bytes(data[at + 2:at + 4], "big")
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            # SOFn: length, precision, height, width, component count, then per component
            # id, sampling factors (high nibble horizontal), quantisation table.
            count = data[at + 9]
            components = [(data[at + 10 + 3 * i], data[at + 11 + 3 * i]) for i in range(count)]
            return marker, components
        at += 2 + length
    raise ValueError("no frame header")


def channel_difference(a, b):
    return max(abs(x - y) for x, y in zip(a, b))


class Encoding(unittest.TestCase):
    def test_sizes_and_baseline_444(self):
        for name, size in (("lobby.jpg", (960, 540)), ("strip.jpg", (312, 40))):
            with self.subTest(name):
                data = (ASSETS / name).read_bytes()
                marker, components = jpeg_frame(data)
                self.assertEqual(marker, 0xC0, "baseline DCT frame (SOF0)")
                self.assertEqual([s for _, s in components], [0x11, 0x11, 0x11], "4:4:4")
                with Image.open(ASSETS / name) as image:
                    self.assertEqual(image.size, size)
                    self.assertEqual(image.mode, "RGB")


class StripGeometry(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.strip = Image.open(ASSETS / "strip.jpg").convert("RGB")

    def field_departure(self, x_range, image=None, x_offset=0):
        """The largest channel difference from the field colour over rows 8..34."""
        image = image or self.strip
        return max(channel_difference(image.getpixel((x + x_offset, y)), FIELD_COLOUR)
                   for x in x_range for y in FIELD_ROWS)

    def test_value_fields_are_uniformly_dark_inside(self):
        for name, (first, last) in VALUE_FIELDS.items():
            with self.subTest(name):
                inside = range(first + 3, last - 2)
                self.assertLessEqual(self.field_departure(inside), FIELD_TOLERANCE)

    def test_frame_lines_run_along_each_field(self):
        for name, (first, last) in VALUE_FIELDS.items():
            for row in (FIELD_ROWS.start - 1, FIELD_ROWS.stop):
                with self.subTest(name, row=row):
                    faintest = min(channel_difference(self.strip.getpixel((x, row)), FIELD_COLOUR)
                                   for x in range(first + 2, last - 1))
                    self.assertGreater(faintest, 15)

    def test_left_margin_is_dark(self):
        brightest = max(max(self.strip.getpixel((x, y))) for x in range(0, 11) for y in range(40))
        self.assertLess(brightest, 60)

    def test_icons_stand_out_from_the_fields(self):
        for name, (first, last) in ICONS.items():
            with self.subTest(name):
                self.assertGreater(self.field_departure(range(first, last + 1)), 100)

    def test_every_separator_column_stands_out(self):
        for name, (first, last) in SEPARATORS.items():
            for x in range(first, last + 1):
                with self.subTest(name, x=x):
                    self.assertGreater(self.field_departure([x]), 30)

    def test_lobby_fields_hold_faint_smudges_only(self):
        with Image.open(ASSETS / "lobby.jpg") as lobby:
            lobby = lobby.convert("RGB")
            for name, (first, last) in VALUE_FIELDS.items():
                with self.subTest(name):
                    inside = range(first + 3, last - 2)
                    departure = self.field_departure(inside, lobby, LOBBY_STRIP_X)
                    self.assertLessEqual(departure, SMUDGE_TOLERANCE)


class LobbyStrip(unittest.TestCase):
    def test_lobby_shows_the_same_strip_with_faint_smudges_only(self):
        strip = Image.open(ASSETS / "strip.jpg").convert("RGB")
        with Image.open(ASSETS / "lobby.jpg") as lobby:
            region = lobby.convert("RGB").crop((LOBBY_STRIP_X, 0, LOBBY_STRIP_X + 312, 40))
        differences = [channel_difference(a, b) for a, b in zip(region.getdata(), strip.getdata())]
        # Pasted at x 443, off the 8-pixel JPEG blocks, so edges ring differently.
        self.assertLess(sum(differences) / len(differences), 6, "mean difference")
        self.assertLessEqual(max(differences), 48, "largest difference")


if __name__ == "__main__":
    unittest.main()
