// PNG fixtures written at test time with libpng's own encoder.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstring>

#include "picture/decode.h"

namespace picture::test {
namespace {

// format: a PNG_FORMAT_*; pixels in that format, row after row.
std::vector<std::uint8_t> write_png(int width, int height, png_uint_32 format,
                                    const std::vector<std::uint8_t>& pixels) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = format;
  png_alloc_size_t size = 0;
  EXPECT_TRUE(png_image_write_get_memory_size(image, size, 0, pixels.data(), 0, nullptr));
  std::vector<std::uint8_t> out(size);
  EXPECT_TRUE(png_image_write_to_memory(&image, out.data(), &size, 0, pixels.data(), 0, nullptr));
  out.resize(size);
  return out;
}

struct PngCase {
  const char* name;
  int width, height;
  png_uint_32 format;
  std::vector<std::uint8_t> pixels;
  std::vector<Rgba> expected;
};

class PngFixture : public ::testing::TestWithParam<PngCase> {};

TEST_P(PngFixture, DecodesToTheExactRgbaBytes) {
  const PngCase& c = GetParam();
  const auto image = decode_png(write_png(c.width, c.height, c.format, c.pixels));
  ASSERT_TRUE(image.ok()) << to_string(image.error());
  EXPECT_EQ(image->width, c.width);
  EXPECT_EQ(image->height, c.height);
  EXPECT_EQ(image->pixels, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, PngFixture,
    ::testing::Values(
        PngCase{"partial_alpha_stays_unpremultiplied",
                2,
                2,
                PNG_FORMAT_RGBA,
                {200, 100, 50, 128, 10, 20, 30, 0, 255, 255, 255, 1, 1, 2, 3, 255},
                {{200, 100, 50, 128}, {10, 20, 30, 0}, {255, 255, 255, 1}, {1, 2, 3, 255}}},
        PngCase{"rgb_gets_opaque_alpha",
                2,
                1,
                PNG_FORMAT_RGB,
                {9, 8, 7, 250, 251, 252},
                {{9, 8, 7, 255}, {250, 251, 252, 255}}},
        PngCase{"grey_becomes_grey_rgb",
                3,
                1,
                PNG_FORMAT_GRAY,
                {0, 77, 255},
                {{0, 0, 0, 255}, {77, 77, 77, 255}, {255, 255, 255, 255}}},
        PngCase{"grey_with_alpha",
                1,
                2,
                PNG_FORMAT_GA,
                {40, 90, 200, 255},
                {{40, 40, 40, 90}, {200, 200, 200, 255}}}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<std::uint8_t> gradient_png() {
  std::vector<std::uint8_t> rgba;
  for (int i = 0; i < 24 * 20; ++i)
    rgba.insert(rgba.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 3),
                             static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i * 7)});
  return write_png(24, 20, PNG_FORMAT_RGBA, rgba);
}

TEST(PngPrefix, EveryCutFailsCleanly) {
  const auto bytes = gradient_png();
  ASSERT_TRUE(decode_png(bytes).ok());
  // The IEND chunk is the last 12 bytes; libpng stops after the image data, so cuts inside
  // IEND may still decode. Every shorter cut lacks pixel data and must fail.
  for (std::size_t n = 0; n + 12 < bytes.size(); ++n)
    EXPECT_FALSE(decode_png(std::span(bytes).first(n)).ok()) << n;
}

// IHDR: length, "IHDR", width and height big-endian at offsets 16 and 20, then the CRC of
// type and data at offset 29.
TEST(PngHeader, SizeBeyondTheCapIsTooLarge) {
  auto bytes = gradient_png();
  const std::uint8_t big[4] = {0, 0, 0x50, 0x00};  // 20480, past the cap
  std::memcpy(&bytes[16], big, 4);
  const auto crc = static_cast<std::uint32_t>(crc32(0, &bytes[12], 17));
  for (int i = 0; i < 4; ++i) bytes[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
  const auto image = decode_png(bytes);
  ASSERT_FALSE(image.ok());
  EXPECT_EQ(image.error(), Error::too_large);
}

TEST(PngHeader, NotAPngIsRefused) {
  const std::vector<std::uint8_t> bytes = {0x89, 'P', 'N', 'G', 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_FALSE(decode_png(bytes).ok());
}

}  // namespace
}  // namespace picture::test
