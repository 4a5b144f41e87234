// Inputs the fuzzers found, kept under names that say what they broke.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "picture/decode.h"

namespace picture {
namespace {

std::vector<std::uint8_t> read_regression(const char* name) {
  std::ifstream in(std::filesystem::path(XPX_REGRESSION_DIR) / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

struct Regression {
  const char* file;
  const char* broke;
};

class Regressions : public ::testing::TestWithParam<Regression> {};

// Each one is no picture now, and gets there without the allocation or crash it once caused.
TEST_P(Regressions, AreNoPicture) {
  const auto bytes = read_regression(GetParam().file);
  ASSERT_FALSE(bytes.empty()) << GetParam().file << " is missing";
  const auto result = decode(bytes);
  EXPECT_FALSE(result.ok()) << GetParam().broke;
}

// The icon's PNG entry (from offset 22) is refused before libpng sees it: libpng itself would
// have reported a bad header, after asking for the memory.
TEST(Regressions, PngChunkLongerThanTheFileIsRefusedBeforeLibpngReadsIt) {
  const auto icon = read_regression("ico-png-chunk-length-past-end.ico");
  ASSERT_GT(icon.size(), 22u);
  const auto result = decode_png(Bytes(icon).subspan(22));
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error(), Error::corrupt);
}

INSTANTIATE_TEST_SUITE_P(
    Fuzz, Regressions,
    ::testing::Values(Regression{"ico-png-chunk-length-past-end.ico",
                                 "libpng allocated a corrupt chunk length (2 GB) before reading"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

}  // namespace
}  // namespace picture
