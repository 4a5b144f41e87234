// The device-independent bitmap shared by BMP files and BMP-in-icon entries: an info header,
// a palette, the pixel rows and, in icons, a 1-bit AND mask after them.
#pragma once

#include <cstddef>
#include <optional>

#include "picture.h"

namespace picture {

struct DibSource {
  Bytes bytes;             // the whole file or icon entry
  std::size_t header_pos;  // where the info header starts
  // Where the pixel rows start; nothing means right after the palette (icons have no offset).
  std::optional<std::size_t> pixels_pos;
  // Icon entries: the header height counts the XOR image and the AND mask, and alpha is kept.
  bool icon = false;
};

// Pixels with alpha 255 for files; icon entries carry their 32-bit alpha or their AND mask.
Result<Image> decode_dib(const DibSource& source);

}  // namespace picture
