#include "conformance.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string_view>

#include "expect.h"
#include "picture/decode.h"
#include "picture/limits.h"
#include "reference.h"

namespace conformance {
namespace {

enum class Deviation {
  refused,  // a valid file that gives no picture
  differs,  // a valid file that decodes, but not like its reference
  shown,    // a file the suite calls bad that still gives a picture
};

struct KnownDifference {
  std::string_view path;
  Deviation deviation;
  std::string_view reason;
};

// The one table of deliberate differences from the suites' verdicts, with the reason.
constexpr KnownDifference known_differences[] = {
    {"bmp/bmpsuite-2.8/g/pal4rle.bmp", Deviation::refused, "RLE compression is refused"},
    {"bmp/bmpsuite-2.8/g/pal8rle.bmp", Deviation::refused, "RLE compression is refused"},
    {"bmp/bmpsuite-2.8/g/rgb16-565.bmp", Deviation::refused, "16-bit pixels are refused"},
    {"bmp/bmpsuite-2.8/g/rgb16-565pal.bmp", Deviation::refused, "16-bit pixels are refused"},
    {"bmp/bmpsuite-2.8/g/rgb16.bmp", Deviation::refused, "16-bit pixels are refused"},
    {"bmp/bmpsuite-2.8/g/rgb16bfdef.bmp", Deviation::refused, "16-bit pixels are refused"},
    {"bmp/bmpsuite-2.8/g/rgb32bf.bmp", Deviation::refused,
     "32-bit bit fields with masks in a non-standard order are refused"},
    {"bmp/bmpsuite-2.8/q/rgb24prof2.bmp", Deviation::differs,
     "its embedded colour profile swaps red and green back; no colour management here"},
    {"bmp/bmpsuite-2.8/q/rgba32-1.bmp", Deviation::differs,
     "BMP alpha is shown opaque by design; the reference is transparent"},
    {"bmp/bmpsuite-2.8/b/badbitssize.bmp", Deviation::shown,
     "the image-size field is wrong; it plays no part in decoding"},
    {"bmp/bmpsuite-2.8/b/baddens1.bmp", Deviation::shown,
     "nonsense pixel density; density plays no part in showing the picture"},
    {"bmp/bmpsuite-2.8/b/baddens2.bmp", Deviation::shown,
     "nonsense pixel density; density plays no part in showing the picture"},
    {"bmp/bmpsuite-2.8/b/badfilesize.bmp", Deviation::shown,
     "the file-size field is wrong; it plays no part in decoding"},
    {"bmp/bmpsuite-2.8/b/pal8badindex.bmp", Deviation::shown,
     "indices past the palette are shown black, by choice"},
    {"bmp/image-rs/images/Info_X1_R5_G5_B5.bmp", Deviation::refused, "16-bit pixels are refused"},
    {"bmp/image-rs/images/Info_X1_R5_G5_B5_Top_Down.bmp", Deviation::refused,
     "16-bit pixels are refused"},
    {"bmp/image-rs/images/V3_A1_R5_G5_B5.bmp", Deviation::refused, "16-bit pixels are refused"},
    {"bmp/image-rs/images/V3_A1_R5_G5_B5_Top_Down.bmp", Deviation::refused,
     "16-bit pixels are refused"},
    {"bmp/image-rs/images/V3_A4_R4_G4_B4.bmp", Deviation::refused, "16-bit pixels are refused"},
    {"bmp/image-rs/images/V3_A4_R4_G4_B4_Top_Down.bmp", Deviation::refused,
     "16-bit pixels are refused"},
    {"bmp/image-rs/images/V3_R5_G6_B5.bmp", Deviation::refused, "16-bit pixels are refused"},
    {"bmp/image-rs/images/V3_R5_G6_B5_Top_Down.bmp", Deviation::refused,
     "16-bit pixels are refused"},
    {"bmp/image-rs/images/V3_X4_R4_G4_B4.bmp", Deviation::refused, "16-bit pixels are refused"},
    {"bmp/image-rs/images/V3_X4_R4_G4_B4_Top_Down.bmp", Deviation::refused,
     "16-bit pixels are refused"},
    {"bmp/image-rs/images/V4_R5_G6_B5.bmp", Deviation::refused, "16-bit pixels are refused"},
    {"bmp/image-rs/images/V5_A1_R5_G5_B5.bmp", Deviation::refused, "16-bit pixels are refused"},
    {"bmp/image-rs/images/rgb16-231.bmp", Deviation::refused, "16-bit pixels are refused"},
    {"bmp/image-rs/images/rgb16-565.bmp", Deviation::refused, "16-bit pixels are refused"},
    {"bmp/image-rs/images/rgb16.bmp", Deviation::refused, "16-bit pixels are refused"},
    {"bmp/image-rs/images/rgba16-1924.bmp", Deviation::refused, "16-bit pixels are refused"},
    {"bmp/image-rs/images/V3_X8_R8_G8_B8.bmp", Deviation::refused,
     "bit fields in a 56-byte V3 header: only Windows header sizes carry bit fields here"},
    {"bmp/image-rs/images/V3_X8_R8_G8_B8_Top_Down.bmp", Deviation::refused,
     "bit fields in a 56-byte V3 header: only Windows header sizes carry bit fields here"},
    {"bmp/image-rs/images/pal4rle.bmp", Deviation::refused, "RLE compression is refused"},
    {"bmp/image-rs/images/pal4rlecut.bmp", Deviation::refused, "RLE compression is refused"},
    {"bmp/image-rs/images/pal4rletrns.bmp", Deviation::refused, "RLE compression is refused"},
    {"bmp/image-rs/images/pal8rle.bmp", Deviation::refused, "RLE compression is refused"},
    {"bmp/image-rs/images/rgb24rle24.bmp", Deviation::refused, "RLE compression is refused"},
    {"bmp/image-rs/images/rgb32-111110.bmp", Deviation::refused,
     "bit-field masks other than the standard 8-8-8 layout are refused"},
    {"bmp/image-rs/images/rgba32-61754.bmp", Deviation::refused,
     "bit-field masks other than the standard 8-8-8 layout are refused"},
    {"bmp/image-rs/images/rgb32bf.bmp", Deviation::refused,
     "32-bit bit fields with masks in a non-standard order are refused"},
    {"bmp/image-rs/images/rgba32.bmp", Deviation::refused,
     "alpha mask in the low byte: not the standard layout"},
    {"bmp/image-rs/images/rgba32abf.bmp", Deviation::refused,
     "alpha mask in the low byte: not the standard layout"},
    {"bmp/image-rs/images/V5_A8_R8_G8_B8_Rgb.bmp", Deviation::differs,
     "BMP alpha is shown opaque by design; the reference keeps alpha"},
    {"ico/image-rs-open-prs/pr3042/images/bmp-32bpp-biWidth=biHeight=0.ico", Deviation::refused,
     "the embedded header says 0x0 and is trusted over the directory"},
    {"ico/image-rs-open-prs/pr3042/images/bmp-biHeight=1.ico", Deviation::refused,
     "the embedded header leaves no rows for the image once the mask is counted"},
    {"ico/image-rs-open-prs/pr3012/images/bmp_0rgb_with_and_mask.ico", Deviation::differs,
     "colour of fully transparent pixels only: the reference keeps the XOR colour, we give "
     "transparent black; composited, both show the background"},
    {"ico/icojs/cursor.cur", Deviation::differs,
     "colour of fully transparent pixels only: the reference zeroes it, we keep the stored "
     "colour of 32-bit alpha; composited, both show the background"},
    {"pcx/kimageformats/read/16color.pcx", Deviation::refused,
     "1-bit, 4-plane EGA colour is not one of the flavours we show"},
    {"pcx/kimageformats/read/CGA_FSD.pcx", Deviation::refused,
     "2-bit CGA is not one of the flavours we show"},
    {"pcx/kimageformats/read/ICONDOC.pcx", Deviation::refused,
     "1-bit, 3-plane colour is not one of the flavours we show"},
    {"pcx/kimageformats/read/dice_rgba.pcx", Deviation::refused,
     "4-plane RGBA is not one of the flavours we show"},
    {"pcx/kimageformats/read/indexed4.pcx", Deviation::refused,
     "4-bit is not one of the flavours we show"},
    {"pcx/kimageformats/read/mono.pcx", Deviation::refused,
     "1-bit version 5: recognise() takes 1-bit files at version 3 only"},
};

const KnownDifference* find_known(const std::string& path) {
  for (const auto& k : known_differences)
    if (k.path == path) return &k;
  return nullptr;
}

picture::Result<picture::Image> decode_file(const std::filesystem::path& file) {
  const auto bytes = reference::read_file(file);
  if (!bytes) return picture::Error::truncated;
  auto result = picture::decode(fixture::view(*bytes));
  if (result) {
    EXPECT_TRUE(picture::size_allowed(result->width, result->height));
    EXPECT_EQ(result->pixels.size(), std::size_t(result->width) * result->height);
  }
  return result;
}

}  // namespace

std::string corpus_name(const std::filesystem::path& file) {
  return file.lexically_relative(reference::corpus_dir()).generic_string();
}

void check_valid(const std::filesystem::path& file, const std::filesystem::path& ref_path,
                 Tally& tally, bool questionable) {
  const std::string name = corpus_name(file);
  SCOPED_TRACE(name);
  const auto result = decode_file(file);
  const KnownDifference* known = find_known(name);
  if (known && known->deviation == Deviation::refused) {
    EXPECT_FALSE(result.ok()) << "listed as refused but decodes";
    ++tally.refused;
    return;
  }
  if (!result.ok() && questionable && !known) {
    ++tally.refused;
    return;
  }
  ASSERT_TRUE(result.ok()) << "no picture: " << result.error();
  const auto want = reference::read_png(ref_path);
  ASSERT_TRUE(want) << "cannot read reference " << ref_path;
  const auto difference = reference::first_difference(*result, *want);
  if (known) {
    EXPECT_TRUE(difference) << "listed as differing but identical";
    ++tally.listed;
    return;
  }
  EXPECT_FALSE(difference) << *difference;
  ++tally.identical;
}

void check_bad(const std::filesystem::path& file, Tally& tally) {
  const std::string name = corpus_name(file);
  SCOPED_TRACE(name);
  const auto result = decode_file(file);
  const KnownDifference* known = find_known(name);
  if (known && known->deviation == Deviation::shown) {
    EXPECT_TRUE(result.ok()) << "listed as shown but refused";
    ++tally.bad_shown;
    return;
  }
  EXPECT_FALSE(result.ok()) << "a bad file decoded";
  ++tally.bad_refused;
}

void check_survives(const std::filesystem::path& file, Tally& tally) {
  SCOPED_TRACE(corpus_name(file));
  ++(decode_file(file).ok() ? tally.other_decoded : tally.other_refused);
}

void report(const std::string& suite, const Tally& t) {
  std::cout << "[ corpus ] " << suite << ": identical " << t.identical << ", listed differences "
            << t.listed << ", refused " << t.refused << ", bad refused " << t.bad_refused
            << ", bad shown " << t.bad_shown << ", others decoded " << t.other_decoded
            << ", others refused " << t.other_refused << '\n';
}

}  // namespace conformance
