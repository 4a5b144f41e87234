#include "bench/sample_animation.h"

#include <algorithm>
#include <cmath>

namespace bench {
namespace {

constexpr int cube_levels = 6;                  // a 6x6x6 colour cube fills 216 entries
constexpr std::uint8_t transparent_slot = 255;  // left out of the cube and the greys

std::array<picture::Rgba, 256> cube_palette() {
  std::array<picture::Rgba, 256> palette{};
  for (int i = 0; i < cube_levels * cube_levels * cube_levels; ++i)
    palette[i] = {std::uint8_t(i / 36 * 51), std::uint8_t(i / 6 % 6 * 51), std::uint8_t(i % 6 * 51),
                  255};
  for (int i = 216; i < transparent_slot; ++i) {
    const auto grey = static_cast<std::uint8_t>((i - 216) * 6);
    palette[i] = {grey, grey, grey, 255};
  }
  return palette;
}

std::uint8_t cube_index(int r, int g, int b) {
  const auto level = [](int v) { return std::clamp(v, 0, 255) * cube_levels / 256; };
  return static_cast<std::uint8_t>(level(r) * 36 + level(g) * 6 + level(b));
}

// A drifting plasma over the whole screen: changes everywhere, compresses like video.
IndexedFrame full_frame(int width, int height, int phase) {
  IndexedFrame frame{0, 0, width, height, std::vector<std::uint8_t>(std::size_t(width) * height)};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double t = phase * 0.3;
      const int r = int(127 + 127 * std::sin(x * 0.031 + t));
      const int g = int(127 + 127 * std::sin(y * 0.043 - t));
      const int b = int(127 + 127 * std::sin((x + y) * 0.017 + t * 0.5));
      frame.indices[std::size_t(y) * width + x] = cube_index(r, g, b);
    }
  }
  frame.disposal = 1;
  return frame;
}

// A ring that moves across the screen; outside the ring the frame is transparent.
IndexedFrame sprite_frame(int width, int height, int step) {
  const int side = height / 2;
  IndexedFrame frame{(step * 7) % (width - side), (step * 3) % (height - side), side, side,
                     std::vector<std::uint8_t>(std::size_t(side) * side, transparent_slot)};
  const int centre = side / 2;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const int d2 = (x - centre) * (x - centre) + (y - centre) * (y - centre);
      if (d2 < centre * centre && d2 > centre * centre / 3)
        frame.indices[std::size_t(y) * side + x] = cube_index(255 - 4 * x, 4 * y, 128 + step);
    }
  }
  frame.transparent_index = transparent_slot;
  frame.disposal = 1 + step % 3;  // keep, restore to background, restore to previous
  return frame;
}

}  // namespace

IndexedAnimation animation_like(int width, int height, int frame_count) {
  IndexedAnimation animation{width, height, cube_palette(), {}};
  for (int i = 0; i < frame_count; ++i) {
    animation.frames.push_back(i % 10 == 0 ? full_frame(width, height, i)
                                           : sprite_frame(width, height, i));
  }
  return animation;
}

}  // namespace bench
