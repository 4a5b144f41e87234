#include "bench/bare_decode.h"
#include "bench/png_image.h"

namespace bench {

std::vector<std::uint8_t> bare_png_to_rgba(picture::Bytes file) {
  PngImage png;
  require_png(png_image_begin_read_from_memory(&png.image, file.data(), file.size()), png.image);
  png.image.format = PNG_FORMAT_RGBA;
  std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(png.image));
  require_png(png_image_finish_read(&png.image, nullptr, rgba.data(), 0, nullptr), png.image);
  return rgba;
}

}  // namespace bench
