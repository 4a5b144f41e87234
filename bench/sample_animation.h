// The benchmark's animation, generated on the spot: a short screen-recording-like GIF as
// palette indices, ready for the encoder.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "picture/picture.h"

namespace bench {

// One GIF frame before encoding: palette indices over a rectangle of the screen.
struct IndexedFrame {
  int left = 0, top = 0, width = 0, height = 0;
  std::vector<std::uint8_t> indices;  // row by row
  int transparent_index = -1;         // -1: none
  int disposal = 0;                   // as in the Graphic Control Extension: 1 keep, 2, 3
  int delay_cs = 4;
};

struct IndexedAnimation {
  int width = 0, height = 0;
  std::array<picture::Rgba, 256> palette{};
  std::vector<IndexedFrame> frames;
};

// Full frames every so often, between them a moving sprite with transparent pixels that is
// kept, cleared or restored in turn, so that every disposal method is played.
IndexedAnimation animation_like(int width, int height, int frame_count);

}  // namespace bench
