// The block structure of a GIF: header, logical screen, colour tables, extensions and image
// descriptors. Pixel data is left to gif_lzw.h.
#pragma once

#include <array>
#include <optional>

#include "byte_reader.h"
#include "picture.h"

namespace picture {

// Every table is padded to 256 entries with opaque black (see read_colour_table).
using GifPalette = std::array<Rgba, 256>;

struct GifScreen {
  int width = 0;
  int height = 0;
  bool has_global_palette = false;
  GifPalette global_palette{};
  std::size_t first_block = 0;  // offset of the first block after the global table
};

enum class GifDisposal { keep, restore_transparent, restore_previous };

struct GifFrame {
  int left = 0, top = 0, width = 0, height = 0;
  bool interlaced = false;
  GifPalette palette{};  // local, else global, else the default below
  int transparent_index = -1;
  int delay_cs = 0;  // hundredths of a second
  GifDisposal disposal = GifDisposal::keep;
  int min_code_size = 0;  // the pixel data's first sub-block follows it
};

// "GIF87a"/"GIF89a", the logical screen descriptor and the global colour table.
Result<GifScreen> read_gif_screen(Bytes bytes);

// Reads blocks up to and including the next image descriptor and its local table, taking in
// a graphic control extension on the way. Nothing when the stream ends (trailer, the end of
// the bytes at a block boundary, or a block that is no GIF block).
Result<std::optional<GifFrame>> read_next_gif_frame(ByteReader& reader, const GifScreen& screen);

// Skips data sub-blocks up to and including the zero-length terminator.
bool skip_gif_sub_blocks(ByteReader& reader);

}  // namespace picture
