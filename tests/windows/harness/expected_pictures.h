// What the result panel should show, worked out independently of the program's window code:
// the built-in pictures read from the program file and prepared by the picture engine.
#pragma once

#include "picture/picture.h"
#include "tests/windows/harness/screen.h"

namespace xpx::test {

// A built-in picture (resource id) decoded and stretched to a box's client size over the
// button-face colour, as a picture box shows it.
picture::Image expected_box_picture(int resource_id, int width, int height);

inline Rgb at(const picture::Image& image, int x, int y) {
  const picture::Rgba p = image.at(x, y);
  return {p.r, p.g, p.b};
}

}  // namespace xpx::test
