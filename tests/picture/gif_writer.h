// A test-only GIF writer for byte-level fixtures: an LZW encoder and the block layout.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "picture/picture.h"

namespace picture::test {

struct LzwOptions {
  int min_code_size = 2;
  bool clear_first = true;
  bool clear_when_full = true;  // false: carry on with a full table, adding nothing
  bool end_code = true;
};

// Codes packed LSB first at the widths a decoder expects; no sub-block framing.
std::vector<std::uint8_t> lzw_encode(const std::vector<std::uint8_t>& indices,
                                     const LzwOptions& options = {});

// Raw codes at a fixed width, for streams no encoder would write.
std::vector<std::uint8_t> pack_codes(const std::vector<int>& codes, int width);

// data cut into sub-blocks of at most 255 bytes, then the terminator.
std::vector<std::uint8_t> sub_blocks(const std::vector<std::uint8_t>& data);

struct GifFrameLayout {
  int left = 0, top = 0, width = 0, height = 0;
  std::vector<std::uint8_t> indices;  // display order, even when interlaced
  bool interlaced = false;
  std::vector<Rgba> local_palette;
  bool graphic_control = false;
  int disposal = 0;
  int delay_cs = 0;
  int transparent_index = -1;
  int min_code_size = 2;
  std::optional<std::vector<std::uint8_t>> lzw_data;  // replaces the encoded indices
};

struct GifLayout {
  int width = 0, height = 0;
  std::vector<Rgba> global_palette;  // empty: no global table; size a power of two >= 2
  int background_index = 0;
  std::vector<GifFrameLayout> frames;
  bool trailer = true;
};

std::vector<std::uint8_t> write_gif(const GifLayout& layout);

}  // namespace picture::test
