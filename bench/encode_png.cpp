#include "bench/encode.h"
#include "bench/png_image.h"

namespace bench {

File encode_png(const picture::Image& image) {
  static_assert(sizeof(picture::Rgba) == 4, "pixels are passed to libpng as RGBA bytes");
  PngImage png;
  png.image.width = static_cast<png_uint_32>(image.width);
  png.image.height = static_cast<png_uint_32>(image.height);
  png.image.format = PNG_FORMAT_RGBA;
  const void* pixels = image.pixels.data();
  png_alloc_size_t size = 0;
  require_png(png_image_write_to_memory(&png.image, nullptr, &size, 0, pixels, 0, nullptr),
              png.image);
  File file(size);
  require_png(png_image_write_to_memory(&png.image, file.data(), &size, 0, pixels, 0, nullptr),
              png.image);
  file.resize(size);
  return file;
}

}  // namespace bench
