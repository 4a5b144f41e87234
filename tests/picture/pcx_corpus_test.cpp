#include <gtest/gtest.h>

#include <string>

#include "conformance.h"
#include "reference.h"

namespace {

namespace fs = std::filesystem;
using conformance::Tally;

TEST(PcxCorpus, KImageFormats) {
  REQUIRE_CORPUS(corpus);
  const fs::path suite = corpus / "pcx" / "kimageformats";
  Tally tally;
  for (const auto& file : reference::files_under(suite / "read", {".pcx"}))
    conformance::check_valid(file, fs::path(file).replace_extension(".png"), tally);
  // The encoder's own output in every pixel format: no references.
  for (const char* dir : {"write-basic", "write-format"})
    for (const auto& file : reference::files_under(suite / dir, {".pcx"}))
      conformance::check_survives(file, tally);
  conformance::report("kimageformats pcx", tally);
}

TEST(PcxCorpus, ImageRs) {
  REQUIRE_CORPUS(corpus);
  const fs::path suite = corpus / "pcx" / "image-rs";
  Tally tally;
  for (const auto& file : reference::files_under(suite / "images", {".pcx"})) {
    // reference/<name>.pcx.<crc>.png
    for (const auto& ref : reference::files_under(suite / "reference", {".png"}))
      if (ref.filename().string().starts_with(file.filename().string() + "."))
        conformance::check_valid(file, ref, tally);
  }
  conformance::report("image-rs pcx", tally);
}

TEST(PcxCorpus, Pillow) {
  REQUIRE_CORPUS(corpus);
  const fs::path suite = corpus / "pcx" / "pillow";
  Tally tally;
  conformance::check_bad(suite / "01r_00.pcx", tally);
  conformance::check_bad(suite / "ossfuzz-4836216264589312.pcx", tally);
  for (const char* name : {"pil184.pcx", "odd_stride.pcx", "p_4_planes.pcx"})
    conformance::check_survives(suite / name, tally);  // valid, but no references
  conformance::report("pillow pcx", tally);
}

}  // namespace
