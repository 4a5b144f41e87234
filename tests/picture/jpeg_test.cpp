// JPEG fixtures written at test time with libjpeg's encoder.
#include <gtest/gtest.h>

#include "codec_support.h"
#include "picture/decode.h"

namespace picture::test {
namespace {

std::vector<std::uint8_t> uniform(int width, int height, std::vector<std::uint8_t> sample) {
  std::vector<std::uint8_t> out;
  for (int i = 0; i < width * height; ++i) out.insert(out.end(), sample.begin(), sample.end());
  return out;
}

std::vector<std::uint8_t> gradient(int width, int height) {
  std::vector<std::uint8_t> out;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      out.insert(out.end(), {static_cast<std::uint8_t>(x * 8), static_cast<std::uint8_t>(y * 8),
                             static_cast<std::uint8_t>((x + y) * 4)});
  return out;
}

struct ColourCase {
  const char* name;
  int components;
  std::vector<std::uint8_t> sample;  // as stored in the file
  JpegOptions options;
  Rgba expected;
};

class JpegColour : public ::testing::TestWithParam<ColourCase> {};

TEST_P(JpegColour, UniformPictureComesOutThisColour) {
  const ColourCase& c = GetParam();
  const auto image =
      decode_jpeg(write_jpeg(16, 8, c.components, uniform(16, 8, c.sample), c.options));
  ASSERT_TRUE(image.ok()) << to_string(image.error());
  ASSERT_EQ(image->width, 16);
  ASSERT_EQ(image->height, 8);
  for (const Rgba p : image->pixels) {
    ASSERT_NEAR(p.r, c.expected.r, 2);
    ASSERT_NEAR(p.g, c.expected.g, 2);
    ASSERT_NEAR(p.b, c.expected.b, 2);
    ASSERT_EQ(p.a, 255);
  }
}

// Adobe CMYK stores 255 - ink; without the marker the file holds ink amounts.
INSTANTIATE_TEST_SUITE_P(
    Spaces, JpegColour,
    ::testing::Values(
        ColourCase{"rgb", 3, {200, 40, 90}, {}, {200, 40, 90, 255}},
        ColourCase{"grey_becomes_grey_rgb", 1, {77}, {}, {77, 77, 77, 255}},
        ColourCase{"progressive", 3, {10, 250, 128}, {.progressive = true}, {10, 250, 128, 255}},
        ColourCase{"adobe_cmyk_red", 4, {255, 0, 0, 255}, {}, {255, 0, 0, 255}},
        ColourCase{"adobe_cmyk_half_black", 4, {255, 255, 255, 127}, {}, {127, 127, 127, 255}},
        ColourCase{
            "plain_cmyk_red", 4, {0, 255, 255, 0}, {.adobe_marker = false}, {255, 0, 0, 255}},
        ColourCase{
            "plain_cmyk_blue", 4, {255, 255, 0, 0}, {.adobe_marker = false}, {0, 0, 255, 255}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JpegPixels, MatchLibjpegsOwnDecodeExactly) {
  for (const bool progressive : {false, true}) {
    const auto bytes =
        write_jpeg(21, 13, 3, gradient(21, 13), {.progressive = progressive, .quality = 75});
    const auto image = decode_jpeg(bytes);
    const auto reference = jpeg_reference(bytes);
    ASSERT_TRUE(image.ok() && reference);
    EXPECT_EQ(image->pixels, reference->pixels) << first_difference(*image, *reference);
  }
}

// The offset after a marker's segment (FF xx, then a big-endian length), or 0.
std::size_t after_segment(const std::vector<std::uint8_t>& bytes, std::uint8_t marker) {
  for (std::size_t i = 0; i + 3 < bytes.size(); ++i)
    if (bytes[i] == 0xFF && bytes[i + 1] == marker)
      return i + 2 + (bytes[i + 2] << 8 | bytes[i + 3]);
  return 0;
}

TEST(JpegPrefix, EveryCutDecodesOrFailsCleanly) {
  const auto bytes = write_jpeg(21, 13, 3, gradient(21, 13), {.quality = 75});
  const auto whole = decode_jpeg(bytes);
  ASSERT_TRUE(whole.ok());
  const std::size_t scan_data = after_segment(bytes, 0xDA);
  ASSERT_NE(scan_data, 0u);
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    const auto image = decode_jpeg(std::span(bytes).first(n));
    // Once the scan header is in, a cut file is shown as libjpeg fills it in.
    if (n >= scan_data) {
      ASSERT_TRUE(image.ok()) << n;
    } else if (!image.ok()) {
      continue;
    }
    EXPECT_EQ(image->width, 21);
    EXPECT_EQ(image->pixels.size(), whole->pixels.size());
  }
}

TEST(JpegPrefix, CutFileShowsItsFirstRowsAsDecoded) {
  const auto bytes = write_jpeg(64, 64, 3, gradient(64, 64), {.quality = 90});
  const auto whole = decode_jpeg(bytes);
  const auto half = decode_jpeg(std::span(bytes).first(bytes.size() * 2 / 3));
  ASSERT_TRUE(whole.ok() && half.ok());
  EXPECT_TRUE(
      std::equal(half->pixels.begin(), half->pixels.begin() + 64 * 8, whole->pixels.begin()));
  EXPECT_NE(half->pixels, whole->pixels);
}

// SOF0: FF C0, length, precision, height and width (big-endian), components.
std::size_t sof_offset(const std::vector<std::uint8_t>& bytes) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) return i;
  return 0;
}

struct HeaderEdit {
  const char* name;
  std::size_t offset;  // from the SOF marker
  std::vector<std::uint8_t> value;
  Error error;
};

class JpegHeader : public ::testing::TestWithParam<HeaderEdit> {};

TEST_P(JpegHeader, IsRefusedWithThisError) {
  const HeaderEdit& c = GetParam();
  auto bytes = write_jpeg(16, 16, 3, gradient(16, 16));
  const std::size_t sof = sof_offset(bytes);
  ASSERT_NE(sof, 0u);
  std::copy(c.value.begin(), c.value.end(), bytes.begin() + sof + c.offset);
  const auto image = decode_jpeg(bytes);
  ASSERT_FALSE(image.ok());
  EXPECT_EQ(image.error(), c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, JpegHeader,
    ::testing::Values(HeaderEdit{"width_beyond_the_cap", 7, {0x50, 0x00}, Error::too_large},
                      HeaderEdit{"twelve_bit_samples", 4, {12}, Error::unsupported},
                      HeaderEdit{"zero_height_without_dnl", 5, {0, 0}, Error::bad_header}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JpegHeader, EmptyAndNonJpegInputFail) {
  EXPECT_FALSE(decode_jpeg({}).ok());
  const std::vector<std::uint8_t> junk = {0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3, 4};
  EXPECT_FALSE(decode_jpeg(junk).ok());
}

}  // namespace
}  // namespace picture::test
