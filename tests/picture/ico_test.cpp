#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expect.h"
#include "fixture.h"
#include "picture/decode.h"

namespace {

using fixture::ByteVector;
using fixture::Dib;
using fixture::IconEntry;
using fixture::opaque;
using fixture::Pixels;
using picture::Error;
using picture::Rgba;

const Rgba red = opaque(255, 0, 0), blue = opaque(0, 0, 255);
const Rgba clear = {0, 0, 0, 0};

// A 2x2 24-bit entry: bottom row red, blue; top row blue, red. The AND mask rows (bottom
// first, 4 bytes each) follow the colour rows.
ByteVector rgb24_entry(std::uint8_t bottom_mask, std::uint8_t top_mask) {
  return fixture::dib_bytes(
      {.width = 2, .height = 4, .rows = {0,           0, 255, 255, 0,        0,   0, 0,  //
                                         255,         0, 0,   0,   0,        255, 0, 0,  //
                                         bottom_mask, 0, 0,   0,   top_mask, 0,   0, 0}});
}

// A 1x1 32-bit entry with the given alpha and AND mask bit.
ByteVector rgb32_entry(std::uint8_t alpha, bool masked) {
  return fixture::dib_bytes({.height = 2,
                             .bits = 32,
                             .rows = {0, 0, 255, alpha, std::uint8_t(masked ? 0x80 : 0), 0, 0, 0}});
}

ByteVector icon(std::vector<IconEntry> entries) { return fixture::icon_file(1, entries); }

struct IcoCase {
  std::string name;
  ByteVector file;
  fixture::Expected expected;
  friend void PrintTo(const IcoCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<IcoCase> ico_cases() {
  const ByteVector plain = rgb24_entry(0, 0);
  const IconEntry small = {2, 2, 24, plain};
  return {
      {"and_mask_opaque", icon({small}), Pixels{2, 2, {blue, red, red, blue}}},
      {"and_mask_bit_makes_transparent", icon({{2, 2, 24, rgb24_entry(0x40, 0x80)}}),
       Pixels{2, 2, {clear, red, red, clear}}},
      {"cursor", fixture::icon_file(2, {small}), Pixels{2, 2, {blue, red, red, blue}}},
      {"alpha_wins_over_mask", icon({{1, 1, 32, rgb32_entry(0x80, true)}}),
       Pixels{1, 1, {{255, 0, 0, 0x80}}}},
      {"all_alpha_zero_uses_mask_opaque", icon({{1, 1, 32, rgb32_entry(0, false)}}),
       Pixels{1, 1, {red}}},
      {"all_alpha_zero_uses_mask_clear", icon({{1, 1, 32, rgb32_entry(0, true)}}),
       Pixels{1, 1, {clear}}},
      {"pal1_entry",
       icon({{1, 1, 1,
              fixture::dib_bytes({.height = 2,
                                  .bits = 1,
                                  .palette = {red, blue},
                                  .rows = {0x80, 0, 0, 0, 0, 0, 0, 0}})}}),
       Pixels{1, 1, {blue}}},
      // The directory says 16x16; the embedded header says 2x2 and is believed.
      {"embedded_header_wins", icon({{16, 16, 24, plain}}), Pixels{2, 2, {blue, red, red, blue}}},
      {"largest_entry_wins", icon({{1, 1, 32, rgb32_entry(255, false)}, small}),
       Pixels{2, 2, {blue, red, red, blue}}},
      {"deepest_entry_wins_among_equals",
       icon({{1, 1, 24, fixture::dib_bytes({.height = 2, .rows = {255, 0, 0, 0, 0, 0, 0, 0}})},
             {1, 1, 32, rgb32_entry(255, false)}}),
       Pixels{1, 1, {red}}},
      {"entry_past_end_skipped", icon({{64, 64, 32, plain, std::nullopt, 100000}, small}),
       Pixels{2, 2, {blue, red, red, blue}}},
      {"entry_inside_directory_skipped", icon({{64, 64, 32, plain, 6}, small}),
       Pixels{2, 2, {blue, red, red, blue}}},
      {"no_usable_entry", icon({{2, 2, 24, plain, 1u << 30}}), Error::corrupt},
      {"mask_missing", icon({{2, 2, 24, ByteVector(plain.begin(), plain.end() - 8)}}),
       Error::truncated},
      {"doubled_height_of_one",
       icon({{1, 1, 32, fixture::dib_bytes({.height = 1, .bits = 32, .rows = {1, 2, 3, 4}})}}),
       Error::bad_header},
      {"count_zero", fixture::icon_file(1, {}), Error::bad_header},
      {"type_three", fixture::icon_file(3, {small}), Error::bad_header},
      {"directory_cut",
       [&] {
         auto f = icon({small});
         f.resize(12);
         return f;
       }(),
       Error::truncated},
  };
}

class IcoDecodeTest : public testing::TestWithParam<IcoCase> {};

TEST_P(IcoDecodeTest, GivesPixelsOrNamedError) {
  fixture::expect_result(picture::decode_ico(fixture::view(GetParam().file)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Icons, IcoDecodeTest, testing::ValuesIn(ico_cases()),
                         [](const auto& info) { return info.param.name; });

TEST(IcoPrefixes, EveryPrefixOfAValidFileFailsCleanly) {
  for (const auto& c : ico_cases()) {
    // With one entry, its data ends the file and all of it is needed. (Cutting a file of
    // several entries legitimately falls back to another entry.)
    const bool one_entry = c.file[4] == 1 && c.file[5] == 0;
    if (!one_entry || !std::holds_alternative<Pixels>(c.expected)) continue;
    SCOPED_TRACE(c.name);
    fixture::expect_prefixes_fail_cleanly(c.file, picture::decode_ico, c.file.size());
  }
}

// PNG entries go to the PNG decoder whole, whatever it makes of them.
TEST(IcoPng, PngEntryIsDecodedAsPng) {
  const ByteVector png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H'};
  const auto from_icon = picture::decode_ico(fixture::view(icon({{1, 1, 32, png}})));
  const auto direct = picture::decode_png(fixture::view(png));
  ASSERT_EQ(from_icon.ok(), direct.ok());
  if (!direct.ok()) {
    EXPECT_EQ(from_icon.error(), direct.error());
  }
}

}  // namespace
