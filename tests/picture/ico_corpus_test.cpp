#include <gtest/gtest.h>

#include <string>

#include "conformance.h"
#include "reference.h"

namespace {

namespace fs = std::filesystem;
using conformance::Tally;

// image-rs and its open pull requests: reference/<name>.ico.png is the entry it shows.
void image_rs_layout(const fs::path& suite, Tally& tally) {
  for (const auto& file : reference::files_under(suite / "images", {".ico", ".cur"})) {
    const fs::path ref = suite / "reference" / (file.filename().string() + ".png");
    if (fs::exists(ref))
      conformance::check_valid(file, ref, tally);
    else
      conformance::check_survives(file, tally);
  }
}

TEST(IcoCorpus, ImageRs) {
  REQUIRE_CORPUS(corpus);
  Tally tally;
  image_rs_layout(corpus / "ico" / "image-rs", tally);
  for (const char* pr : {"pr3012", "pr3042", "pr3047"})
    image_rs_layout(corpus / "ico" / "image-rs-open-prs" / pr, tally);
  for (const auto& file : reference::files_under(corpus / "ico" / "image-rs" / "bad", {".ico"}))
    conformance::check_bad(file, tally);
  for (const auto& file :
       reference::files_under(corpus / "ico" / "image-rs" / "regression", {".ico"}))
    conformance::check_survives(file, tally);  // fuzzer finds: no crash, no exhaustion
  conformance::report("image-rs ico", tally);
}

// icojs and rust-ico render every entry; the one compared is the entry we pick (largest,
// then deepest).
TEST(IcoCorpus, PerEntryReferences) {
  REQUIRE_CORPUS(corpus);
  const fs::path ico = corpus / "ico";
  Tally tally;
  conformance::check_valid(ico / "icojs/basic.ico", ico / "icojs/basic/256x256-4bit.png", tally);
  conformance::check_valid(ico / "icojs/cursor.cur", ico / "icojs/cursor/48x48-32bit.png", tally);
  conformance::check_valid(ico / "icojs/palette.ico", ico / "icojs/palette/32x32-4bit.png", tally);
  conformance::check_valid(ico / "icojs/png.ico", ico / "icojs/png/256x256-32bit.png", tally);
  conformance::check_valid(ico / "rust-ico/wiki.ico", ico / "rust-ico/wiki48x48.png", tally);
  conformance::check_valid(ico / "rust-ico/ship.ico", ico / "rust-ico/ship128x128.png", tally);
  conformance::check_valid(ico / "rust-ico/litexl.ico", ico / "rust-ico/litexl512x512.png", tally);
  conformance::check_valid(ico / "wuffs/hippopotamus.regular.ico",
                           corpus / "png/wuffs/hippopotamus.regular.png", tally);
  conformance::report("icojs, rust-ico, wuffs", tally);
}

TEST(IcoCorpus, Pillow) {
  REQUIRE_CORPUS(corpus);
  const fs::path suite = corpus / "ico" / "pillow";
  Tally tally;
  for (const auto& file : reference::files_under(suite, {".ico", ".cur"})) {
    const std::string name = file.filename().string();
    if (name == "decompression_bomb.ico" || name == "no_cursors.cur")
      conformance::check_bad(file, tally);
    else
      conformance::check_survives(file, tally);  // no references in this collection
  }
  conformance::report("pillow ico", tally);
}

}  // namespace
