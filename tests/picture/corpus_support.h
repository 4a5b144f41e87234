// Running the decoders over the third-party suites in the corpus, and the one table of
// where we deliberately part from a suite's expectation.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "codec_support.h"

namespace picture::test {

enum class Deliberate {
  refused,  // the suite calls it valid; we give no picture
  accepted, // the suite wants no picture; we give one
  differs,  // both decode, but pixels differ from the reference by up to tolerance
};

struct CorpusDifference {
  const char* path;  // relative to the corpus
  Deliberate what;
  int tolerance;  // largest channel difference allowed, for differs
  const char* reason;
};

// Nothing when the file behaves as its suite expects.
const CorpusDifference* corpus_difference(std::string_view relative_path);

std::string relative_to_corpus(const std::filesystem::path& file);

// Checks one file against its suite: expected_ok is the suite's verdict, reference (when
// given) the suite's or libpng/libjpeg's picture. Reports failures through gtest.
void check_against_suite(const std::filesystem::path& file, const Result<Image>& got,
                         bool expected_ok, const std::optional<Image>& reference);

}  // namespace picture::test
