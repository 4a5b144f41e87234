"""Writes a one-image .ico: 32 bits per pixel, fully opaque, with an all-zero AND mask."""

import struct


def ico_bytes(image):
    """The .ico file for an RGB picture (every pixel gets alpha 255)."""
    width, height = image.size
    rgb = image.convert("RGB")
    # Colour rows bottom-up, each pixel B, G, R, A.
    pixels = bytearray()
    for y in reversed(range(height)):
        for x in range(width):
            r, g, b = rgb.getpixel((x, y))
            pixels += bytes((b, g, r, 255))
    mask_row = ((width + 31) // 32) * 4  # 1 bit a pixel, rows padded to 32 bits
    mask = bytes(mask_row * height)
    # BITMAPINFOHEADER: size, width, height (colour + mask, hence doubled), planes, bit count,
    # compression (BI_RGB), image size, x/y pixels per metre, colours used, colours important.
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0,
                       len(pixels) + len(mask), 0, 0, 0, 0)
    image_data = info + pixels + mask
    # ICONDIR: reserved, type (1 = icon), count.
    directory = struct.pack("<HHH", 0, 1, 1)
    # ICONDIRENTRY: width, height, colour count, reserved, planes, bit count, bytes, offset.
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image_data),
                        6 + 16)
    return directory + entry + image_data
