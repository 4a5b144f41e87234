#!/usr/bin/python3
"""Draws the program's built-in pictures from shapes alone and writes them to assets/.

    /usr/bin/python3 tools/make_artwork.py [--assets DIR] [--preview DIR]

The results are committed, so a build never needs this script. Drawing is deterministic:
running it again reproduces the committed files byte for byte."""

import argparse
import pathlib
import sys

sys.dont_write_bytecode = True  # keep tools/artwork free of __pycache__

from PIL import Image

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from artwork import ico_file, lobby, portrait_icon, strip  # noqa: E402

REPO = pathlib.Path(__file__).resolve().parent.parent

# Baseline, 4:4:4 and no optimised tables: the simplest JPEG any decoder reads, and fine
# colour edges around the thin frame lines of the value fields.
JPEG_OPTIONS = dict(quality=92, subsampling=0, progressive=False, optimize=False)


def _preview(image, directory, name, factor):
    enlarged = image.resize((image.width * factor, image.height * factor), Image.NEAREST)
    enlarged.save(directory / name)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--assets", type=pathlib.Path, default=REPO / "assets")
    parser.add_argument("--preview", type=pathlib.Path, default=REPO / "build" / "artwork")
    args = parser.parse_args()
    args.assets.mkdir(parents=True, exist_ok=True)
    args.preview.mkdir(parents=True, exist_ok=True)

    strip_image = strip.draw_strip()
    strip_image.save(args.assets / "strip.jpg", **JPEG_OPTIONS)
    lobby_image = lobby.draw_lobby(strip_image)
    lobby_image.save(args.assets / "lobby.jpg", **JPEG_OPTIONS)
    icon_image = portrait_icon.draw_icon()
    (args.assets / "icon.ico").write_bytes(ico_file.ico_bytes(icon_image))

    _preview(strip_image, args.preview, "strip-4x.png", 4)
    _preview(lobby_image, args.preview, "lobby.png", 1)
    _preview(icon_image, args.preview, "icon-4x.png", 4)


if __name__ == "__main__":
    main()
