#include "bench/sample_pictures.h"

#include <algorithm>
#include <cmath>

namespace bench {
namespace {

// Cheap deterministic noise; the same files every run.
class Noise {
 public:
  std::uint32_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  int around_zero(int spread) { return static_cast<int>(next() % (2 * spread + 1)) - spread; }

 private:
  std::uint32_t state_ = 0x9e3779b9u;
};

std::uint8_t clamp_channel(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

// A slow wave across `length` samples, 0..255.
std::vector<int> wave(int length, double cycles, double phase) {
  std::vector<int> out(static_cast<std::size_t>(length));
  for (int i = 0; i < length; ++i)
    out[i] = static_cast<int>(127.5 + 127.5 * std::sin(phase + cycles * 6.2832 * i / length));
  return out;
}

void fill_rect(picture::Image& image, int x0, int y0, int w, int h, picture::Rgba colour) {
  for (int y = std::max(0, y0); y < std::min(image.height, y0 + h); ++y)
    for (int x = std::max(0, x0); x < std::min(image.width, x0 + w); ++x) image.at(x, y) = colour;
}

// Glyph-sized clusters of 2-pixel strokes on a text line, like anti-aliasing-free UI text.
void text_line(picture::Image& image, int x0, int y0, int length, Noise& noise) {
  const picture::Rgba ink{40, 40, 48, 255};
  for (int glyph = 0; glyph < length / 14; ++glyph) {
    const std::uint32_t strokes = noise.next();
    const int gx = x0 + glyph * 14;
    if ((strokes & 7) == 0) continue;  // a space between words
    if (strokes & 8) fill_rect(image, gx, y0, 2, 20, ink);
    if (strokes & 16) fill_rect(image, gx + 8, y0 + 6, 2, 14, ink);
    if (strokes & 32) fill_rect(image, gx, y0 + 9, 10, 2, ink);
    if (strokes & 64) fill_rect(image, gx, y0 + 18, 10, 2, ink);
    if (strokes & 128) fill_rect(image, gx + 2, y0 + 1, 6, 2, ink);
  }
}

// A shadow below a card that fades out over `depth` rows: the partial alpha of a screenshot
// taken with a translucent window.
void soft_shadow(picture::Image& image, int x0, int y0, int w, int depth) {
  for (int d = 0; d < depth; ++d)
    fill_rect(image, x0, y0 + d, w, 1, {0, 0, 0, clamp_channel(120 - 120 * d / depth)});
}

}  // namespace

picture::Image photo_like(int width, int height) {
  picture::Image image{width, height, std::vector<picture::Rgba>(std::size_t(width) * height)};
  const auto red_x = wave(width, 1.3, 0.2), red_y = wave(height, 0.7, 1.0);
  const auto green_x = wave(width, 0.6, 2.1), green_y = wave(height, 1.1, 0.4);
  const auto blue_x = wave(width, 0.9, 4.0), blue_y = wave(height, 0.5, 2.7);
  Noise noise;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int grain = noise.around_zero(12);
      image.at(x, y) = {clamp_channel((red_x[x] + red_y[y]) / 2 + grain),
                        clamp_channel((green_x[x] + green_y[y]) / 2 + grain),
                        clamp_channel((blue_x[x] + blue_y[y]) / 2 + noise.around_zero(6)), 255};
    }
  }
  return image;
}

picture::Image screenshot_like(int width, int height) {
  picture::Image image{
      width, height, std::vector<picture::Rgba>(std::size_t(width) * height, {242, 242, 247, 255})};
  Noise noise;
  fill_rect(image, 0, 0, width, 96, {28, 28, 30, 255});     // status bar
  fill_rect(image, 0, 96, width, 160, {0, 122, 255, 255});  // title bar
  const int margin = width / 24;
  for (int card_top = 320; card_top + 360 < height - 400; card_top += 420) {
    fill_rect(image, margin, card_top, width - 2 * margin, 360, {255, 255, 255, 255});
    soft_shadow(image, margin, card_top + 360, width - 2 * margin, 24);
    for (int line = 0; line < 8; ++line)
      text_line(image, 2 * margin, card_top + 30 + line * 40, width - 4 * margin, noise);
  }
  // A bottom sheet over the content, half see-through.
  fill_rect(image, 0, height - 400, width, 400, {250, 250, 252, 200});
  text_line(image, 2 * margin, height - 330, width / 2, noise);
  return image;
}

}  // namespace bench
