#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expect.h"
#include "fixture.h"
#include "picture/decode.h"

namespace {

using fixture::opaque;
using fixture::Pcx;
using fixture::Pixels;
using picture::Error;
using picture::Rgba;

const Rgba red = opaque(255, 0, 0), green = opaque(0, 255, 0), blue = opaque(0, 0, 255);
const Rgba black = opaque(0, 0, 0), white = opaque(255, 255, 255);

Pcx indexed(std::uint16_t w, std::uint16_t h, std::uint16_t bpl, fixture::ByteVector data) {
  return {.xmax = std::uint16_t(w - 1),
          .ymax = std::uint16_t(h - 1),
          .bytes_per_line = bpl,
          .data = std::move(data),
          .palette = std::vector<Rgba>{red, green, blue}};
}

Pcx with(Pcx p, auto change) {
  change(p);
  return p;
}

struct PcxCase {
  std::string name;
  Pcx pcx;
  fixture::Expected expected;
  friend void PrintTo(const PcxCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<PcxCase> pcx_cases() {
  const Pcx two_by_one = indexed(2, 1, 2, fixture::pcx_literals({2, 1}));
  return {
      {"indexed8_padded_lines", indexed(3, 2, 4, {0, 1, 2, 0, 0xC3, 2, 0}),
       Pixels{3, 2, {red, green, blue, blue, blue, blue}}},
      {"run_crosses_line_end", indexed(2, 2, 2, {0, 0xC3, 1}),
       Pixels{2, 2, {red, green, green, green}}},
      {"run_of_zero_encodes_nothing", indexed(2, 1, 2, {0xC0, 2, 1, 0}),
       Pixels{2, 1, {green, red}}},
      {"origin_not_zero",
       with(two_by_one, [](Pcx& p) { p.xmin = 10, p.xmax = 11, p.ymin = p.ymax = 5; }),
       Pixels{2, 1, {blue, green}}},
      {"no_palette_marker_grey_ramp",
       with(indexed(2, 1, 2, {0x10, 0x80}), [](Pcx& p) { p.palette.reset(); }),
       Pixels{2, 1, {opaque(0x10, 0x10, 0x10), opaque(0x80, 0x80, 0x80)}}},
      {"rgb24_planes",
       {.planes = 3, .xmax = 1, .bytes_per_line = 2, .data = {0xC1, 255, 0, 0, 0xC1, 255, 0, 0}},
       Pixels{2, 1, {red, green}}},
      {"mono_version3",
       {.version = 3, .bits = 1, .xmax = 9, .bytes_per_line = 2, .data = {0xA0, 0x40}},
       Pixels{10, 1, {white, black, white, black, black, black, black, black, black, white}}},
      {"run_past_end_of_file", indexed(2, 2, 2, {0xC3, 1}), Error::truncated},
      {"run_code_without_value",
       with(two_by_one,
            [](Pcx& p) {
              p.data = {0, 0xC3};
              p.palette.reset();
            }),
       Error::truncated},
      {"bytes_per_line_below_width", indexed(3, 1, 2, {0, 1, 2, 0}), Error::corrupt},
      {"xmax_below_xmin",
       with(two_by_one,
            [](Pcx& p) {
              p.xmin = 5;
              p.xmax = 4;
            }),
       Error::bad_header},
      {"ymax_below_ymin", with(two_by_one, [](Pcx& p) { p.ymin = 1; }), Error::bad_header},
      {"too_large", with(two_by_one, [](Pcx& p) { p.xmax = p.ymax = 65535; }), Error::too_large},
      {"four_planes", with(two_by_one, [](Pcx& p) { p.planes = 4; }), Error::unsupported},
      {"two_bits", with(two_by_one, [](Pcx& p) { p.bits = 2; }), Error::unsupported},
      {"one_bit_four_planes", with(two_by_one, [](Pcx& p) { p.bits = 1, p.planes = 4; }),
       Error::unsupported},
  };
}

class PcxDecodeTest : public testing::TestWithParam<PcxCase> {};

TEST_P(PcxDecodeTest, GivesPixelsOrNamedError) {
  const auto file = fixture::pcx_file(GetParam().pcx);
  fixture::expect_result(picture::decode_pcx(fixture::view(file)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Pcx, PcxDecodeTest, testing::ValuesIn(pcx_cases()),
                         [](const auto& info) { return info.param.name; });

TEST(PcxDecode, HeaderCutShortIsTruncated) {
  auto file = fixture::pcx_file(pcx_cases().front().pcx);
  file.resize(100);
  EXPECT_EQ(picture::decode_pcx(fixture::view(file)).error(), Error::truncated);
}

// The run-length data is required; the trailing palette is not (without it, grey).
TEST(PcxPrefixes, EveryPrefixOfAValidFileFailsCleanly) {
  for (const auto& c : pcx_cases()) {
    if (!std::holds_alternative<Pixels>(c.expected)) continue;
    SCOPED_TRACE(c.name);
    const auto file = fixture::pcx_file(c.pcx);
    fixture::expect_prefixes_fail_cleanly(file, picture::decode_pcx, 128 + c.pcx.data.size());
  }
}

}  // namespace
