// Pixels for the benchmark's still pictures, generated on the spot so that nothing is
// committed. Each imitates what a picture box is given in practice.
#pragma once

#include <cstdint>
#include <vector>

#include "picture/picture.h"

namespace bench {

// Smooth colour gradients with sensor-like noise, opaque.
picture::Image photo_like(int width, int height);

// Flat UI bars and cards, rows of text-like strokes, a translucent sheet and soft shadows.
picture::Image screenshot_like(int width, int height);

}  // namespace bench
