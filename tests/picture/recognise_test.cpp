#include "picture/recognise.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fixture.h"

namespace {

using picture::Format;

struct RecogniseCase {
  std::string name;
  fixture::ByteVector bytes;
  std::optional<Format> expected;
  friend void PrintTo(const RecogniseCase& c, std::ostream* os) { *os << c.name; }
};

fixture::ByteVector padded(fixture::ByteVector head, std::size_t size = 16) {
  head.resize(std::max(size, head.size()), 0);
  return head;
}

std::vector<RecogniseCase> recognise_cases() {
  return {
      {"bmp", padded({'B', 'M'}), Format::bmp},
      {"jpeg", padded({0xFF, 0xD8, 0xFF, 0xE0}), Format::jpeg},
      {"jpeg_eight_bytes", padded({0xFF, 0xD8}, 8), Format::jpeg},
      {"jpeg_seven_bytes", padded({0xFF, 0xD8}, 7), std::nullopt},
      {"empty", {}, std::nullopt},
      {"png", padded({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}), Format::png},
      {"ico", padded({0, 0, 1, 0, 1, 0}), Format::ico},
      {"ico_count_high_byte", padded({0, 0, 1, 0, 0, 1}), Format::ico},
      {"ico_count_zero", padded({0, 0, 1, 0, 0, 0}), std::nullopt},
      {"cur", padded({0, 0, 2, 0, 3, 0}), Format::cur},
      {"cur_count_zero", padded({0, 0, 2, 0, 0, 0}), std::nullopt},
      {"icon_type_three", padded({0, 0, 3, 0, 1, 0}), std::nullopt},
      {"gif87a", padded({'G', 'I', 'F', '8', '7', 'a'}), Format::gif},
      {"gif89a", padded({'G', 'I', 'F', '8', '9', 'a'}), Format::gif},
      {"gif88a", padded({'G', 'I', 'F', '8', '8', 'a'}), std::nullopt},
      {"gif89b", padded({'G', 'I', 'F', '8', '9', 'b'}), std::nullopt},
      {"pcx_v0_8bit", padded({0x0A, 0, 1, 8}), Format::pcx},
      {"pcx_v5_8bit", padded({0x0A, 5, 1, 8}), Format::pcx},
      {"pcx_v6_8bit", padded({0x0A, 6, 1, 8}), std::nullopt},
      {"pcx_uncompressed", padded({0x0A, 5, 0, 8}), std::nullopt},
      {"pcx_v3_1bit", padded({0x0A, 3, 1, 1}), Format::pcx},
      {"pcx_v5_1bit", padded({0x0A, 5, 1, 1}), std::nullopt},
      {"pcx_v3_4bit", padded({0x0A, 3, 1, 4}), std::nullopt},
      {"text", padded({'h', 'e', 'l', 'l', 'o'}), std::nullopt},
      {"bm_lowercase", padded({'b', 'm'}), std::nullopt},
  };
}

class RecogniseTest : public testing::TestWithParam<RecogniseCase> {};

TEST_P(RecogniseTest, TellsTheFormatFromTheFirstBytes) {
  const auto& c = GetParam();
  EXPECT_EQ(picture::recognise(fixture::view(c.bytes)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Signatures, RecogniseTest, testing::ValuesIn(recognise_cases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
