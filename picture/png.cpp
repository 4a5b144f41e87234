// PNG through libpng's simplified API: it handles every bit depth, palette, tRNS, gamma
// and interlacing, and gives 8-bit RGBA.
#include <png.h>

#include <cstring>

#include "picture/decode.h"
#include "picture/limits.h"

namespace picture {
namespace {

static_assert(sizeof(Rgba) == 4, "rows are handed to libpng as RGBA bytes");

// Owns a png_image from begin_read to the end, on every path.
class PngImage {
 public:
  PngImage() {
    std::memset(&image_, 0, sizeof image_);
    image_.version = PNG_IMAGE_VERSION;
  }
  ~PngImage() { png_image_free(&image_); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;

  png_image* get() { return &image_; }

 private:
  png_image image_;
};

}  // namespace

Result<Image> decode_png(Bytes bytes) {
  PngImage png;
  // libpng keeps a pointer to bytes until png_image_free, which runs before we return.
  if (!png_image_begin_read_from_memory(png.get(), bytes.data(), bytes.size()))
    return Error::bad_header;
  png_image& header = *png.get();
  if (!size_allowed(header.width, header.height)) return Error::too_large;
  header.format = PNG_FORMAT_RGBA;
  auto image = allocate_image(static_cast<int>(header.width), static_cast<int>(header.height));
  if (!image) return image.error();
  // A failure here (bad CRC, broken zlib stream, missing data) gives no picture: libpng
  // reports no partial rows through this interface, and a half picture is worse than none.
  const png_int_32 row_stride = static_cast<png_int_32>(header.width) * 4;
  if (!png_image_finish_read(png.get(), nullptr, image->pixels.data(), row_stride, nullptr))
    return Error::corrupt;
  return image;
}

}  // namespace picture
