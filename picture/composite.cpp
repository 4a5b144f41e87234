#include "picture/prepare.h"

namespace picture {
namespace {

// (c * A + b * (255 - A)) / 255 is c * a + b * (1 - a) exactly, so integer division
// truncates the way the box's rule asks, and the result never leaves 0..255.
std::uint8_t blend(unsigned colour, unsigned background, unsigned alpha) {
  return static_cast<std::uint8_t>((colour * alpha + background * (255 - alpha)) / 255);
}

}  // namespace

void composite_over(Image& image, Rgb background) {
  for (Rgba& p : image.pixels) {
    if (p.a == 255) continue;
    p = {blend(p.r, background.r, p.a), blend(p.g, background.g, p.a),
         blend(p.b, background.b, p.a), 255};
  }
}

}  // namespace picture
