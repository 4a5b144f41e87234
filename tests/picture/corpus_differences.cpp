// Every place our decoders deliberately part from what a suite expects, with the reason.
// A row that no longer applies fails the test that reads it, so the table stays true.
#include <gtest/gtest.h>

#include "corpus_support.h"

namespace picture::test {
namespace {

using enum Deliberate;

const CorpusDifference differences[] = {
    {"png/pngsuite/basi0g16.png", differs, 1,
     "16-bit interlaced goes through libpng's linear output (distro libpng bug, see png.cpp): +-1 "
     "from rounding"},
    {"png/pngsuite/basi2c16.png", differs, 1,
     "16-bit interlaced goes through libpng's linear output (distro libpng bug, see png.cpp): +-1 "
     "from rounding"},
    {"png/pngsuite/basi4a16.png", differs, 1,
     "16-bit interlaced goes through libpng's linear output (distro libpng bug, see png.cpp): +-1 "
     "from rounding"},
    {"png/pngsuite/basi6a16.png", differs, 1,
     "16-bit interlaced goes through libpng's linear output (distro libpng bug, see png.cpp): +-1 "
     "from rounding"},
    {"png/pngsuite/bgai4a16.png", differs, 1,
     "16-bit interlaced goes through libpng's linear output (distro libpng bug, see png.cpp): +-1 "
     "from rounding"},
    {"png/wuffs/36.png", differs, 73,
     "16-bit without gAMA: libpng's simplified API takes the samples as linear and re-encodes "
     "them, the full API keeps them as stored"},
    {"png/pillow/truncated_end_chunk.png", accepted, 0,
     "only IEND is cut short: libpng has every row, so the picture shows"},
    {"jpeg/jpeg-decoder/reftest/lossless/1/jpeg_lossless_sel1-8bit.jpg", refused, 0, "lossless"},
    {"jpeg/jpeg-decoder/reftest/lossless/1/jpeg_lossless_sel1.jpg", refused, 0, "lossless"},
    {"jpeg/jpeg-decoder/reftest/lossless/1/jpeg_lossless_sel2.jpg", refused, 0, "lossless"},
    {"jpeg/jpeg-decoder/reftest/lossless/1/jpeg_lossless_sel3.jpg", refused, 0, "lossless"},
    {"jpeg/jpeg-decoder/reftest/lossless/1/jpeg_lossless_sel4.jpg", refused, 0, "lossless"},
    {"jpeg/jpeg-decoder/reftest/lossless/1/jpeg_lossless_sel5.jpg", refused, 0, "lossless"},
    {"jpeg/jpeg-decoder/reftest/lossless/1/jpeg_lossless_sel6.jpg", refused, 0, "lossless"},
    {"jpeg/jpeg-decoder/reftest/lossless/1/jpeg_lossless_sel7.jpg", refused, 0, "lossless"},
    {"jpeg/jpeg-decoder/reftest/lossless/1/lossless16bit.jpg", refused, 0, "lossless"},
    {"jpeg/jpeg-decoder/reftest/lossless/2/MR4.jpg", refused, 0, "lossless"},
    {"jpeg/jpeg-decoder/reftest/lossless/2/XA1.jpg", refused, 0, "lossless"},
    {"jpeg/libjpeg-turbo-testimages/monkey12.jpg", refused, 0,
     "12-bit samples: our libjpeg is the 8-bit build"},
    {"jpeg/jpeg-decoder/reftest/mozilla/jpg-size-6x6.jpg", refused, 0,
     "no SOI marker; the suite disables it too"},
    {"jpeg/jpeg-decoder/reftest/ycck.jpg", differs, 3,
     "YCCK: our naive CMYK to RGB against the suite's renderer, no colour management"},
    {"jpeg/pillow/jpeg_ff00_header.jpg", accepted, 0,
     "libjpeg skips the damaged marker segment with a warning and decodes the picture"},
    {"jpeg/pillow/junk_jpeg_header.jpg", accepted, 0,
     "libjpeg skips the damaged marker segment with a warning and decodes the picture"},
    {"jpeg/pillow/truncated_app14.jpg", accepted, 0,
     "libjpeg skips the damaged marker segment with a warning and decodes the picture"},
    {"jpeg/wuffs/artificial-jpeg/hippopotamus-bad-comment-length.jpeg", accepted, 0,
     "libjpeg skips the damaged marker segment with a warning and decodes the picture"},
    {"gif/pygif-test-suite/animation-multi-image.gif", differs, 255,
     "the suite merges images without a delay into the next frame; we show each image as a frame "
     "of its own (delay 0 gives 50 ms), as browsers do"},
    {"gif/pygif-test-suite/animation-multi-image-explicit-zero-delay.gif", differs, 255,
     "the suite merges images without a delay into the next frame; we show each image as a frame "
     "of its own (delay 0 gives 50 ms), as browsers do"},
    {"gif/pygif-test-suite/dispose-restore-previous.gif", differs, 255,
     "the suite merges images without a delay into the next frame; we show each image as a frame "
     "of its own (delay 0 gives 50 ms), as browsers do"},
    {"gif/pygif-test-suite/high-color.gif", differs, 255,
     "the suite merges images without a delay into the next frame; we show each image as a frame "
     "of its own (delay 0 gives 50 ms), as browsers do"},
    {"gif/pygif-test-suite/images-combine.gif", differs, 255,
     "the suite merges images without a delay into the next frame; we show each image as a frame "
     "of its own (delay 0 gives 50 ms), as browsers do"},
    {"gif/pygif-test-suite/images-overlap.gif", differs, 255,
     "the suite merges images without a delay into the next frame; we show each image as a frame "
     "of its own (delay 0 gives 50 ms), as browsers do"},
    {"gif/pygif-test-suite/image-zero-width.gif", refused, 0,
     "an empty frame's descriptor runs straight into the trailer with no pixel data at all: "
     "corrupt to us"},
    {"gif/pygif-test-suite/image-zero-height.gif", refused, 0,
     "an empty frame's descriptor runs straight into the trailer with no pixel data at all: "
     "corrupt to us"},
    {"gif/pygif-test-suite/image-zero-size.gif", refused, 0,
     "an empty frame's descriptor runs straight into the trailer with no pixel data at all: "
     "corrupt to us"},
    {"gif/pygif-test-suite/no-data.gif", refused, 0,
     "no image descriptor at all: no picture, where the suite shows an empty screen"},
    {"gif/image-gif/samples/set_hsts.gif", refused, 0,
     "minimum code size 1: we allow 2..8 (see gif_lzw.cpp)"},
    {"gif/pygif-test-suite/max-codes.gif", refused, 0,
     "minimum code size 11: we allow 2..8 (see gif_lzw.cpp)"},
    {"gif/pygif-test-suite/max-width.gif", refused, 0, "65535 x 1 screen: beyond our size cap"},
    {"gif/pygif-test-suite/max-height.gif", refused, 0, "1 x 65535 screen: beyond our size cap"},
    {"gif/pygif-test-suite/invalid-colors.gif", accepted, 0,
     "an index past the colour table paints opaque black, as browsers do"},
    {"gif/pygif-test-suite/plain-text.gif", accepted, 0,
     "we skip the plain text extension, as browsers do, and show the image after it"},
};

}  // namespace

const CorpusDifference* corpus_difference(std::string_view relative_path) {
  for (const CorpusDifference& d : differences)
    if (relative_path == d.path) return &d;
  return nullptr;
}

std::string relative_to_corpus(const std::filesystem::path& file) {
  return std::filesystem::relative(file, *corpus_dir()).generic_string();
}

void check_against_suite(const std::filesystem::path& file, const Result<Image>& got,
                         bool expected_ok, const std::optional<Image>& reference) {
  const std::string name = relative_to_corpus(file);
  const CorpusDifference* known = corpus_difference(name);
  if (got.ok() != expected_ok) {
    const Deliberate what = expected_ok ? refused : accepted;
    EXPECT_TRUE(known && known->what == what)
        << name
        << (expected_ok ? " refused: " + std::string(to_string(got.error()))
                        : std::string(" decoded though the suite wants no picture"));
    return;
  }
  if (!got.ok() || !reference) {
    EXPECT_FALSE(known) << name << ": table row no longer needed";
    return;
  }
  const auto difference = max_channel_difference(*got, *reference);
  if (difference == 0) {
    EXPECT_FALSE(known) << name << ": table row no longer needed";
    return;
  }
  EXPECT_TRUE(known && known->what == differs && difference && *difference <= known->tolerance)
      << name << " differs from its reference by " << difference.value_or(-1) << ": "
      << first_difference(*got, *reference);
}

}  // namespace picture::test
