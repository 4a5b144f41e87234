// Small one-colour picture files in each format the preview box shows, so that the colour
// expected on the screen is exact wherever the picture is stretched to.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tests/windows/harness/screen.h"

namespace xpx::test {

struct SolidPicture {
  const char* format;  // names the case
  std::wstring_view file_name;
  std::vector<std::uint8_t> bytes;
  Rgb colour;
};

// One each of PNG, JPEG, GIF and BMP, in distinct colours.
const std::vector<SolidPicture>& solid_pictures();
const SolidPicture& solid_picture(std::string_view format);

// An uncompressed 24-bit BMP of `width` x `height` pixels, all `colour`.
std::vector<std::uint8_t> solid_bmp(Rgb colour, int width, int height);

}  // namespace xpx::test
