#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

#include "conformance.h"
#include "reference.h"

namespace {

namespace fs = std::filesystem;
using conformance::Tally;

// bmpsuite's html page shows, row by row, the file name and the reference rendering that
// is its correct display.
std::map<std::string, std::string> bmpsuite_references(const fs::path& suite) {
  const auto page = reference::read_file(suite / "html" / "bmpsuite.html");
  std::map<std::string, std::string> out;
  if (!page) return out;
  const std::string html(page->begin(), page->end());
  const std::regex row(
      R"(<td[^>]*>([gqbx]/[^<]+\.bmp)</td>\s*<td>[^<]*</td>\s*<td[^>]*><img src="([^"]+))");
  for (auto it = std::sregex_iterator(html.begin(), html.end(), row); it != std::sregex_iterator();
       ++it)
    out[(*it)[1]] = (*it)[2];
  return out;
}

TEST(BmpCorpus, BmpSuite) {
  REQUIRE_CORPUS(corpus);
  const fs::path suite = corpus / "bmp" / "bmpsuite-2.8";
  const auto references = bmpsuite_references(suite);
  ASSERT_GT(references.size(), 60u) << "the html page no longer parses";
  Tally tally;
  for (const auto& file : reference::files_under(suite, {".bmp"})) {
    const std::string name = file.lexically_relative(suite).generic_string();
    const auto ref = references.find(name);
    const char folder = name[0];
    if (folder == 'b' || folder == 'x') {
      conformance::check_bad(file, tally);
    } else if (ref != references.end() && ref->second.ends_with(".png")) {
      conformance::check_valid(file, suite / "html" / ref->second, tally, folder == 'q');
    } else {
      conformance::check_survives(file, tally);  // q/rgb24jpeg.bmp: a JPEG reference
    }
  }
  conformance::report("bmpsuite-2.8", tally);
}

TEST(BmpCorpus, PillowBmpSuiteVariants) {
  REQUIRE_CORPUS(corpus);
  const fs::path suite = corpus / "bmp" / "pillow-bmpsuite-variants";
  const fs::path html = corpus / "bmp" / "bmpsuite-2.8" / "html";
  Tally tally;
  conformance::check_valid(suite / "g" / "pal8v4.bmp", html / "pal8.png", tally);
  conformance::check_valid(suite / "q" / "rgba32.bmp", html / "rgba32.png", tally, true);
  conformance::check_valid(suite / "q" / "rgb32bf-xbgr.bmp", html / "rgb24.png", tally, true);
  conformance::report("pillow-bmpsuite-variants", tally);
}

TEST(BmpCorpus, ImageRs) {
  REQUIRE_CORPUS(corpus);
  const fs::path suite = corpus / "bmp" / "image-rs";
  Tally tally;
  for (const auto& file : reference::files_under(suite / "images", {".bmp"})) {
    const fs::path ref = suite / "reference" / (file.filename().string() + ".png");
    if (file.parent_path().filename() == "lenient" || !fs::exists(ref))
      conformance::check_survives(file, tally);  // files outside the format that image-rs only tolerates
    else
      conformance::check_valid(file, ref, tally);
  }
  for (const auto& file : reference::files_under(suite / "bad", {".bmp"}))
    conformance::check_bad(file, tally);
  conformance::report("image-rs bmp", tally);
}

TEST(BmpCorpus, OtherCollections) {
  REQUIRE_CORPUS(corpus);
  Tally tally;
  conformance::check_bad(corpus / "bmp" / "pillow" / "l2rgb_read.bmp", tally);
  for (const auto& file : reference::files_under(corpus / "bmp" / "cppbmploader-extras", {".bmp"}))
    conformance::check_bad(file, tally);  // not "BM" files at all
  for (const char* dir : {"bmp/pillow", "bmp/wuffs", "bmp/pngsuite-lunapaint-bmp",
                          "jpeg/libjpeg-turbo-testimages", "ico/icojs"})
    for (const auto& file : reference::files_under(corpus / dir, {".bmp"}))
      if (file.filename() != "l2rgb_read.bmp") conformance::check_survives(file, tally);
  conformance::report("other bmp", tally);
}

}  // namespace
