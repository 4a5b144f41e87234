// PNG through libpng's simplified API: it handles every bit depth, palette, tRNS, gamma
// and interlacing, and gives 8-bit RGBA.
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <vector>

#include "picture/byte_reader.h"
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

// libpng 1.6.39 as Debian ships it (and our MinGW builds from the same source) gets the
// 16-bit to 8-bit step of the simplified API wrong for Adam7-interlaced files: the scaled
// path keeps a stale row buffer, so half the channels come from the wrong pass. Its 16-bit
// linear output is right, so such files are read that way and brought to 8-bit sRGB here.
// Linear output is premultiplied, so colour under alpha 0 is lost; it never shows.
bool needs_linear_detour(Bytes bytes, const png_image& header) {
  // IHDR follows the 8-byte signature: length, type, width, height, bit depth, colour type,
  // compression, filter, interlace method (offset 28).
  ByteReader reader(bytes, 28);
  const std::uint8_t interlace = reader.u8();
  return !reader.failed() && interlace == 1 && (header.format & PNG_FORMAT_FLAG_LINEAR) != 0;
}

std::uint8_t to_srgb8(double linear) {
  // libpng's own sRGB approximation: a pure 2.2 power.
  return static_cast<std::uint8_t>(std::lround(255.0 * std::pow(linear, 1 / 2.2)));
}

bool read_through_linear(png_image* png, Image& image) {
  png->format = PNG_FORMAT_LINEAR_RGB_ALPHA;
  std::vector<png_uint_16> linear;
  try {
    linear.resize(image.pixels.size() * 4);
  } catch (const std::bad_alloc&) {
    return false;
  }
  const png_int_32 row_stride = static_cast<png_int_32>(png->width) * 4;
  if (!png_image_finish_read(png, nullptr, linear.data(), row_stride, nullptr)) return false;
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    const png_uint_16* p = &linear[i * 4];
    const double alpha = p[3];
    auto channel = [&](png_uint_16 v) -> std::uint8_t {
      return alpha == 0 ? 0 : to_srgb8(std::min(1.0, v / alpha));
    };
    image.pixels[i] = Rgba{channel(p[0]), channel(p[1]), channel(p[2]),
                           static_cast<std::uint8_t>(std::lround(alpha * 255 / 65535))};
  }
  return true;
}

// libpng allocates a chunk's declared length before reading it, and the simplified API takes
// no user limit, so a few corrupt bytes could make it ask for gigabytes. The chunks before
// the image data (each: 4-byte big-endian length, 4-byte type, data, 4-byte CRC) must
// therefore lie within the file. From the first IDAT on libpng reads in bounded pieces, and a
// file cut there is still refused by libpng itself.
bool chunks_before_image_data_fit(Bytes bytes) {
  ByteReader reader(bytes, 8);
  while (reader.remaining() >= 8) {
    const std::uint32_t length = reader.u32be();
    const Bytes type = reader.take(4);
    if (std::memcmp(type.data(), "IDAT", 4) == 0) return true;
    if (length > 0x7FFFFFFF || !reader.skip(length) || !reader.skip(4)) return false;
  }
  return true;
}

}  // namespace

Result<Image> decode_png(Bytes bytes) {
  if (!chunks_before_image_data_fit(bytes)) return Error::corrupt;
  PngImage png;
  // libpng keeps a pointer to bytes until png_image_free, which runs before we return.
  if (!png_image_begin_read_from_memory(png.get(), bytes.data(), bytes.size()))
    return Error::bad_header;
  png_image& header = *png.get();
  if (!size_allowed(header.width, header.height)) return Error::too_large;
  const bool linear_detour = needs_linear_detour(bytes, header);
  header.format = PNG_FORMAT_RGBA;
  auto image = allocate_image(static_cast<int>(header.width), static_cast<int>(header.height));
  if (!image) return image.error();
  // A failure here (bad CRC, broken zlib stream, missing data) gives no picture: libpng
  // reports no partial rows through this interface, and a half picture is worse than none.
  if (linear_detour) {
    if (!read_through_linear(png.get(), *image)) return Error::corrupt;
    return image;
  }
  const png_int_32 row_stride = static_cast<png_int_32>(header.width) * 4;
  if (!png_image_finish_read(png.get(), nullptr, image->pixels.data(), row_stride, nullptr))
    return Error::corrupt;
  return image;
}

}  // namespace picture
