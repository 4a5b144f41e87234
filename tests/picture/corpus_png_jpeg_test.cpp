// PNG and JPEG over the corpus: libpng's full API and libjpeg's plain decode are the
// references, so the pixels must match exactly unless the differences table says otherwise.
#include <gtest/gtest.h>

#include "corpus_support.h"
#include "picture/decode.h"

namespace picture::test {
namespace {

#define REQUIRE_CORPUS(dir)                                                              \
  const auto corpus = corpus_dir();                                                      \
  if (!corpus) GTEST_SKIP() << "no corpus at " XPX_CORPUS_DIR " (see SOURCES.md there)"; \
  const std::filesystem::path dir = *corpus

bool name_has(const std::filesystem::path& file, std::string_view part) {
  return file.filename().string().find(part) != std::string::npos;
}

TEST(PngCorpus, EveryFileMatchesLibpngOrIsRefused) {
  REQUIRE_CORPUS(root);
  int files = 0;
  for (const auto& file : files_with_extension(root / "png", ".png")) {
    const auto bytes = read_file(file);
    const std::string suite = relative_to_corpus(file);
    // PngSuite marks corrupt files with a leading x; wuffs names its cut files; every
    // Pillow file here is broken.
    const bool valid = !(suite.starts_with("png/pngsuite/x") || name_has(file, ".truncated.png") ||
                         suite.starts_with("png/pillow/"));
    check_against_suite(file, decode_png(bytes), valid,
                        valid ? png_reference(bytes) : std::nullopt);
    ++files;
  }
  EXPECT_GT(files, 200);
}

bool is_jpeg(const std::filesystem::path& file) {
  const auto ext = file.extension();
  return ext == ".jpg" || ext == ".jpeg";
}

// The suites' own verdicts: crash tests and the named broken files expect nothing.
bool jpeg_suite_says_valid(const std::string& suite) {
  if (suite.starts_with("jpeg/jpeg-decoder/crashtest/")) return false;
  for (const char* broken : {"hippopotamus-bad-comment-length", "oss-fuzz-36829", "truncated_app14",
                             "junk_jpeg_header", "jpeg_ff00_header"})
    if (suite.find(broken) != std::string::npos) return false;
  return true;
}

// CMYK files have no libjpeg RGB decode; the suite's own rendering stands in.
std::optional<Image> jpeg_suite_reference(const std::filesystem::path& file,
                                          const std::vector<std::uint8_t>& bytes) {
  if (auto plain = jpeg_reference(bytes)) return plain;
  auto png = file;
  png.replace_extension(".png");
  if (std::filesystem::exists(png)) return png_reference(read_file(png));
  return std::nullopt;
}

TEST(JpegCorpus, EveryFileMatchesLibjpegOrIsRefused) {
  REQUIRE_CORPUS(root);
  int files = 0;
  for (const auto& file : files_with_extension(root / "jpeg", "")) {
    if (!is_jpeg(file)) continue;
    const auto bytes = read_file(file);
    const std::string suite = relative_to_corpus(file);
    const bool valid = jpeg_suite_says_valid(suite);
    const auto got = decode_jpeg(bytes);
    if (got.ok()) {
      EXPECT_LE(got->pixels.size(), 64000000u) << suite;
    }
    if (suite.starts_with("jpeg/jpeg-decoder/crashtest/")) continue;  // no crash is the test
    check_against_suite(file, got, valid, valid ? jpeg_suite_reference(file, bytes) : std::nullopt);
    ++files;
  }
  EXPECT_GT(files, 150);
}

}  // namespace
}  // namespace picture::test
