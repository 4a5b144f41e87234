// Conformance over the third-party suites: valid files against their reference renderings,
// bad files to no picture, everything else at least without a crash and within the cap.
// The deliberate differences live in one table (conformance.cpp).
#pragma once

#include <filesystem>
#include <string>

namespace conformance {

struct Tally {
  int identical = 0;
  int listed = 0;   // decode, but differ from the reference as the table says
  int refused = 0;  // no picture, as the table says (or questionable files we may refuse)
  int bad_refused = 0;
  int bad_shown = 0;  // bad files the table lets through
  int other_decoded = 0;
  int other_refused = 0;
};

// The path relative to the corpus, as the table names files.
std::string corpus_name(const std::filesystem::path& file);

// A file the suite calls valid: decodes identical to the reference unless the table says
// otherwise. A questionable file may be refused; if it decodes it must match.
void check_valid(const std::filesystem::path& file, const std::filesystem::path& reference,
                 Tally& tally, bool questionable = false);

void check_bad(const std::filesystem::path& file, Tally& tally);

// No reference and no verdict: decoding must not crash and must respect the cap.
void check_survives(const std::filesystem::path& file, Tally& tally);

void report(const std::string& suite, const Tally& tally);

}  // namespace conformance

// Skips the test when the corpus is not next to the checkout.
#define REQUIRE_CORPUS(dir)                                  \
  const std::filesystem::path dir = reference::corpus_dir(); \
  if (dir.empty())                                           \
  GTEST_SKIP() << "corpus not found at " XPX_CORPUS_DIR      \
                  " (set XPX_CORPUS_DIR); conformance not checked"
