#include "ui/main/picture_bitmap.h"

#include <cstring>

namespace xpx {

UniqueBitmap make_box_bitmap(const picture::Image& image, picture::Rgb background, int width,
                             int height) {
  if (width <= 0 || height <= 0 || image.pixels.empty()) return {};
  picture::Image opaque = image;
  picture::composite_over(opaque, background);
  const picture::Image fitted = picture::stretch(opaque, width, height);
  if (fitted.width != width || fitted.height != height) return {};

  BITMAPINFO info{};
  info.bmiHeader = {.biSize = sizeof(BITMAPINFOHEADER), .biWidth = width,
                    .biHeight = -height,  // top-down rows, as the picture holds them
                    .biPlanes = 1, .biBitCount = 32, .biCompression = BI_RGB};
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return {};
  auto* out = static_cast<std::uint8_t*>(bits);
  for (const picture::Rgba& p : fitted.pixels) {
    out[0] = p.b;
    out[1] = p.g;
    out[2] = p.r;
    out[3] = 0xFF;
    out += 4;
  }
  GdiFlush();
  return bitmap;
}

}  // namespace xpx
