#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "expect.h"
#include "fixture.h"
#include "picture/decode.h"

namespace {

using fixture::Dib;
using fixture::opaque;
using fixture::Pixels;
using picture::Error;

const picture::Rgba black = opaque(0, 0, 0), white = opaque(255, 255, 255);
const picture::Rgba red = opaque(255, 0, 0), green = opaque(0, 255, 0), blue = opaque(0, 0, 255);
const std::vector<std::uint32_t> standard_masks = {0xFF0000, 0xFF00, 0xFF};

struct BmpCase {
  std::string name;
  fixture::ByteVector file;
  fixture::Expected expected;
  friend void PrintTo(const BmpCase& c, std::ostream* os) { *os << c.name; }
};

Dib paletted(std::int32_t w, std::int32_t h, std::uint16_t bits, fixture::ByteVector rows) {
  return {.width = w,
          .height = h,
          .bits = bits,
          .colours_used = 4,
          .palette = {red, green, blue, white},
          .rows = std::move(rows)};
}

Dib rgb32(std::uint32_t compression, std::uint32_t header, std::vector<std::uint32_t> masks) {
  return {.bits = 32,
          .compression = compression,
          .header_size = header,
          .masks = masks,
          .rows = {10, 20, 30, 0}};
}

Dib with(Dib d, auto change) {
  change(d);
  return d;
}

std::vector<BmpCase> decoding_cases() {
  const Pixels one_bgr = {1, 1, {opaque(30, 20, 10)}};
  const Dib rgb24 = {.width = 2,
                     .height = 2,
                     .rows = {0, 0, 255, 0, 255, 0, 0, 0,  //
                              255, 0, 0, 255, 255, 255, 0, 0}};
  return {
      {"pal1_bottom_up",
       fixture::bmp_file({.width = 2,
                          .height = 2,
                          .bits = 1,
                          .palette = {black, white},
                          .rows = {0x80, 0, 0, 0, 0x40, 0, 0, 0}}),
       Pixels{2, 2, {black, white, white, black}}},
      {"pal2", fixture::bmp_file(paletted(3, 1, 2, {0x1B, 0, 0, 0})),
       Pixels{3, 1, {red, green, blue}}},
      {"pal4_top_down", fixture::bmp_file(paletted(3, -2, 4, {0x01, 0x20, 0, 0, 0x33, 0x30, 0, 0})),
       Pixels{3, 2, {red, green, blue, white, white, white}}},
      // Indices 4 and 255 lie past the four-colour palette: black.
      {"pal8_index_past_palette",
       fixture::bmp_file(
           with(paletted(3, 1, 8, {2, 4, 255, 0}), [](Dib& d) { d.colours_used = 4; })),
       Pixels{3, 1, {blue, black, black}}},
      {"pal8_core_header",
       fixture::bmp_file({.width = 2,
                          .height = 1,
                          .bits = 8,
                          .header_size = 12,
                          .palette = {red, green},
                          .rows = {1, 0, 0, 0}}),
       Pixels{2, 1, {green, red}}},
      {"rgb24_bottom_up", fixture::bmp_file(rgb24), Pixels{2, 2, {blue, white, red, green}}},
      {"rgb24_v4_header", fixture::bmp_file(with(rgb24, [](Dib& d) { d.header_size = 108; })),
       Pixels{2, 2, {blue, white, red, green}}},
      {"rgb24_v5_top_down",
       fixture::bmp_file(with(rgb24,
                              [](Dib& d) {
                                d.header_size = 124;
                                d.height = -2;
                              })),
       Pixels{2, 2, {red, green, blue, white}}},
      {"rgb32_fourth_byte_ignored",
       fixture::bmp_file(with(rgb32(0, 40, {}), [](Dib& d) { d.rows[3] = 0x42; })), one_bgr},
      {"bitfields_masks_after_header", fixture::bmp_file(rgb32(3, 40, standard_masks)), one_bgr},
      {"bitfields_v5_alpha_mask",
       fixture::bmp_file(rgb32(3, 124, {0xFF0000, 0xFF00, 0xFF, 0xFF000000})), one_bgr},
      {"alphabitfields", fixture::bmp_file(rgb32(6, 40, {0xFF0000, 0xFF00, 0xFF, 0})), one_bgr},
      // More colours declared than 8 bits index: all must be present, the first 256 count.
      {"palette_over_256",
       fixture::bmp_file(with(paletted(1, 1, 8, {3, 0, 0, 0}),
                              [](Dib& d) {
                                d.palette.resize(300, black);
                                d.colours_used = 300;
                              })),
       Pixels{1, 1, {white}}},
  };
}

std::vector<BmpCase> refusal_cases() {
  const Dib one = {.rows = {1, 2, 3, 0}};
  auto changed = [&](auto change) { return fixture::bmp_file(with(one, change)); };
  return {
      {"bitfields_other_masks", fixture::bmp_file(rgb32(3, 40, {0xFF, 0xFF00, 0xFF0000})),
       Error::unsupported},
      {"bitfields_alpha_low_byte",
       fixture::bmp_file(rgb32(3, 56, {0xFF000000, 0xFF0000, 0xFF00, 0xFF})), Error::unsupported},
      {"bitfields_24_bit", changed([](Dib& d) {
         d.compression = 3;
         d.masks = standard_masks;
       }),
       Error::unsupported},
      {"rle8", changed([](Dib& d) {
         d.bits = 8;
         d.compression = 1;
       }),
       Error::unsupported},
      {"rle4", changed([](Dib& d) {
         d.bits = 4;
         d.compression = 2;
       }),
       Error::unsupported},
      {"rgb16", changed([](Dib& d) { d.bits = 16; }), Error::unsupported},
      {"embedded_jpeg", changed([](Dib& d) {
         d.bits = 0;
         d.compression = 4;
       }),
       Error::unsupported},
      {"embedded_png", changed([](Dib& d) {
         d.bits = 0;
         d.compression = 5;
       }),
       Error::unsupported},
      {"bit_count_30000", changed([](Dib& d) { d.bits = 30000; }), Error::unsupported},
      {"zero_width", changed([](Dib& d) { d.width = 0; }), Error::bad_header},
      {"negative_width", changed([](Dib& d) { d.width = -1; }), Error::bad_header},
      {"zero_height", changed([](Dib& d) { d.height = 0; }), Error::bad_header},
      {"height_int_min", changed([](Dib& d) { d.height = INT_MIN; }), Error::too_large},
      {"huge_negative_height", changed([](Dib& d) { d.height = -20000; }), Error::too_large},
      {"area_over_cap", changed([](Dib& d) { d.width = d.height = 16384; }), Error::too_large},
      {"width_times_bits_overflows", changed([](Dib& d) {
         d.width = INT_MAX;
         d.bits = 32;
       }),
       Error::too_large},
      {"zero_planes", changed([](Dib& d) { d.planes = 0; }), Error::bad_header},
      {"header_size_66", changed([](Dib& d) { d.header_size = 66; }), Error::bad_header},
      {"palette_past_file",
       fixture::bmp_file(
           with(paletted(1, 1, 8, {0, 0, 0, 0}), [](Dib& d) { d.colours_used = 0x10000000; })),
       Error::bad_header},
      {"rows_one_byte_short", changed([](Dib& d) { d.rows.pop_back(); }), Error::truncated},
      {"two_rows_declared_one_given", changed([](Dib& d) { d.height = 2; }), Error::truncated},
      {"pixel_offset_past_end", fixture::bmp_file_with_offset(one, 1000), Error::truncated},
      {"pixel_offset_inside_file_header", fixture::bmp_file_with_offset(one, 10),
       Error::bad_header},
      {"not_bm",
       [] {
         auto f = fixture::bmp_file({.rows = {1, 2, 3, 0}});
         f[1] = 'A';
         return f;
       }(),
       Error::bad_header},
  };
}

class BmpDecodeTest : public testing::TestWithParam<BmpCase> {};

TEST_P(BmpDecodeTest, GivesPixelsOrNamedError) {
  fixture::expect_result(picture::decode_bmp(fixture::view(GetParam().file)), GetParam().expected);
}

// The rows end the file and are all required, so only the whole file decodes.
TEST(BmpPrefixes, EveryPrefixOfAValidFileFailsCleanly) {
  for (const auto& c : decoding_cases()) {
    SCOPED_TRACE(c.name);
    fixture::expect_prefixes_fail_cleanly(c.file, picture::decode_bmp, c.file.size());
  }
}

auto case_name = [](const auto& info) { return info.param.name; };
INSTANTIATE_TEST_SUITE_P(Decoding, BmpDecodeTest, testing::ValuesIn(decoding_cases()), case_name);
INSTANTIATE_TEST_SUITE_P(Refusals, BmpDecodeTest, testing::ValuesIn(refusal_cases()), case_name);

}  // namespace
