#include "picture/gif_lzw.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "gif_writer.h"

namespace picture::test {
namespace {

using Status = LzwDecoder::Status;

struct Decoded {
  std::vector<std::uint8_t> indices;
  Status status;
};

Decoded decode(const std::vector<std::uint8_t>& framed, int min_code_size, std::size_t capacity) {
  ByteReader reader(framed);
  auto lzw = std::make_unique<LzwDecoder>();
  lzw->start(reader, min_code_size);
  Decoded out{std::vector<std::uint8_t>(capacity), Status::running};
  // Reading in small pieces exercises strings that straddle the caller's rows.
  std::size_t n = 0;
  while (n < capacity) {
    const std::size_t want = std::min<std::size_t>(7, capacity - n);
    const std::size_t got = lzw->read(std::span(out.indices).subspan(n, want));
    n += got;
    if (got < want) break;
  }
  out.indices.resize(n);
  out.status = lzw->status();
  return out;
}

std::vector<std::uint8_t> random_indices(std::size_t count, int min_code_size, int runs) {
  std::mt19937 random(static_cast<unsigned>(count * 31 + min_code_size));
  std::uniform_int_distribution<int> value(0, (1 << min_code_size) - 1);
  std::vector<std::uint8_t> out;
  while (out.size() < count) {
    const auto v = static_cast<std::uint8_t>(value(random));
    for (int i = 0; i < 1 + static_cast<int>(random() % runs) && out.size() < count; ++i)
      out.push_back(v);
  }
  return out;
}

struct RoundTrip {
  const char* name;
  int min_code_size;
  std::size_t count;
  int runs;  // longer runs make longer strings
  LzwOptions options;
};

class LzwRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(LzwRoundTrip, GivesBackTheEncodedIndices) {
  const RoundTrip& c = GetParam();
  LzwOptions options = c.options;
  options.min_code_size = c.min_code_size;
  const auto indices = random_indices(c.count, c.min_code_size, c.runs);
  const Decoded d = decode(sub_blocks(lzw_encode(indices, options)), c.min_code_size, c.count);
  EXPECT_EQ(d.indices, indices);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, LzwRoundTrip,
    ::testing::Values(RoundTrip{"one_pixel", 2, 1, 1, {}}, RoundTrip{"two_colours", 2, 300, 3, {}},
                      RoundTrip{"eight_bit", 8, 5000, 2, {}},
                      RoundTrip{"table_fills_and_clears", 4, 60000, 1, {}},
                      RoundTrip{"long_runs_repeat_strings", 2, 40000, 200, {}},
                      RoundTrip{"no_leading_clear", 3, 500, 2, {.clear_first = false}},
                      RoundTrip{
                          "full_table_without_clear", 8, 70000, 1, {.clear_when_full = false}},
                      RoundTrip{"no_end_code", 5, 900, 2, {.end_code = false}}),
    [](const auto& info) { return std::string(info.param.name); });

struct Malformed {
  const char* name;
  std::vector<int> codes;  // at width 3, minimum code size 2: clear 4, end 5, first free 6
  std::vector<std::uint8_t> indices;
  Status status;
};

class LzwMalformed : public ::testing::TestWithParam<Malformed> {};

TEST_P(LzwMalformed, StopsAsTheFormatSays) {
  const Malformed& c = GetParam();
  const Decoded d = decode(sub_blocks(pack_codes(c.codes, 3)), 2, 16);
  EXPECT_EQ(d.indices, c.indices);
  EXPECT_EQ(d.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, LzwMalformed,
    ::testing::Values(
        // Code 6 is the entry about to be made from "1": "1 1".
        Malformed{"code_equal_to_next_free", {4, 1, 6, 5}, {1, 1, 1}, Status::finished},
        Malformed{"code_beyond_next_free", {4, 1, 7, 5}, {1}, Status::corrupt},
        Malformed{"first_code_is_an_entry", {4, 6, 5}, {}, Status::corrupt},
        Malformed{"clear_restarts_the_table", {4, 2, 3, 4, 1, 5}, {2, 3, 1}, Status::finished},
        Malformed{"end_code_then_garbage", {4, 3, 5, 7, 7}, {3}, Status::finished}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LzwData, EndsWithoutTerminatorAsTruncated) {
  // Eight 9-bit codes fill whole bytes, so no padding bits make a code of their own.
  auto framed = sub_blocks(pack_codes({256, 1, 2, 3, 4, 5, 6, 7}, 9));
  framed.pop_back();  // no terminator, no end code
  const Decoded d = decode(framed, 8, 16);
  EXPECT_EQ(d.indices, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(d.status, Status::truncated);
}

TEST(LzwData, StopsAtTheCallersSizeAndSkipsTheRest) {
  const auto indices = random_indices(2000, 4, 3);
  auto framed = sub_blocks(lzw_encode(indices, {.min_code_size = 4}));
  framed.push_back(0x3B);
  ByteReader reader(framed);
  LzwDecoder lzw;
  lzw.start(reader, 4);
  std::vector<std::uint8_t> first(100);
  ASSERT_EQ(lzw.read(first), 100u);
  EXPECT_TRUE(std::equal(first.begin(), first.end(), indices.begin()));
  ASSERT_TRUE(lzw.skip_rest());
  EXPECT_EQ(reader.u8(), 0x3B);
}

}  // namespace
}  // namespace picture::test
