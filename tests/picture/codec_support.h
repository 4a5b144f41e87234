// What the codec tests share: reading files, the corpus location and reference decodes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "picture/picture.h"

namespace picture::test {

std::vector<std::uint8_t> read_file(const std::filesystem::path& path);

// The third-party suites, or nothing when they are not laid out next to the checkout.
std::optional<std::filesystem::path> corpus_dir();

// Every file under dir (recursively) whose name ends with extension, sorted.
std::vector<std::filesystem::path> files_with_extension(const std::filesystem::path& dir,
                                                        const std::string& extension);

// A decode through libpng's full (non-simplified) API: expand to 8-bit RGBA, gamma to sRGB.
// Nothing when libpng refuses the file.
std::optional<Image> png_reference(const std::vector<std::uint8_t>& bytes);

// The largest difference of any channel where either pixel shows at all, or nothing when
// the sizes differ.
std::optional<int> max_channel_difference(const Image& a, const Image& b);

// "x,y: got (r,g,b,a) want (r,g,b,a)" at the first differing pixel, for failure messages.
std::string first_difference(const Image& got, const Image& want);

}  // namespace picture::test

namespace picture::test {

// libjpeg's plain decode to RGB, alpha 255; nothing for CMYK files or when libjpeg refuses.
std::optional<Image> jpeg_reference(const std::vector<std::uint8_t>& bytes);

struct JpegOptions {
  bool progressive = false;
  bool adobe_marker = true;  // CMYK only: write the APP14 marker (and so inverted CMYK)
  int quality = 100;
};

// components 1 (grey), 3 (RGB) or 4 (CMYK as stored in the file).
std::vector<std::uint8_t> write_jpeg(int width, int height, int components,
                                     const std::vector<std::uint8_t>& samples,
                                     const JpegOptions& options = {});

}  // namespace picture::test
