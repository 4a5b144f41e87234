// What a picture box does to a decoded picture once per write: composite its alpha over
// the box's background colour and stretch it to the box's client size.
#pragma once

#include "picture.h"

namespace picture {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};

// Every pixel with alpha below 255 becomes c * a + b * (1 - a) per channel, a = alpha / 255,
// truncated toward zero; the result is opaque.
void composite_over(Image& image, Rgb background);

// Stretches width and height independently: area averaging where a side shrinks, bilinear
// where it grows. An empty image, or a target side below 1, gives an empty image.
Image stretch(const Image& image, int width, int height);

}  // namespace picture
