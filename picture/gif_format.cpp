#include "picture/gif_format.h"

#include "picture/limits.h"

namespace picture {
namespace {

constexpr std::uint8_t extension_introducer = 0x21;
constexpr std::uint8_t image_separator = 0x2C;
constexpr std::uint8_t graphic_control_label = 0xF9;

// A table of 2^(size_bits + 1) RGB triples. Indices past its end are painted opaque black,
// as browsers paint them; the format leaves them undefined and some suites call them errors,
// but refusing a whole picture for a stray index helps nobody.
bool read_colour_table(ByteReader& reader, int size_bits, GifPalette& palette) {
  palette.fill(Rgba{0, 0, 0, 255});
  const int count = 1 << (size_bits + 1);
  const Bytes rgb = reader.take(static_cast<std::size_t>(count) * 3);
  if (reader.failed()) return false;
  for (int i = 0; i < count; ++i)
    palette[i] = Rgba{rgb[i * 3], rgb[i * 3 + 1], rgb[i * 3 + 2], 255};
  return true;
}

// Neither a global nor a local table: the format leaves the colours to the viewer. We show
// the indices as grey levels (index i is grey i), the usual reading of such files, so their
// pictures at least keep their shapes and contrasts.
GifPalette grey_palette() {
  GifPalette palette;
  for (int i = 0; i < 256; ++i) {
    const auto v = static_cast<std::uint8_t>(i);
    palette[i] = Rgba{v, v, v, 255};
  }
  return palette;
}

// Graphic control extension, after label 0xF9: block size (4), packed (bits 2-4 disposal,
// bit 0 transparent flag), delay u16le in 1/100 s, transparent index, then sub-blocks.
// Several before one image: the last wins, as in browsers.
bool read_graphic_control(ByteReader& reader, GifFrame& frame) {
  const std::uint8_t size = reader.u8();
  const Bytes block = reader.take(size);
  if (reader.failed()) return false;
  if (size >= 4) {
    const int disposal = (block[0] >> 2) & 7;
    // 0 (unspecified) and the undefined 4..7 are taken as 1, "leave in place", like browsers.
    frame.disposal = disposal == 2   ? GifDisposal::restore_transparent
                     : disposal == 3 ? GifDisposal::restore_previous
                                     : GifDisposal::keep;
    frame.delay_cs = block[1] | block[2] << 8;
    frame.transparent_index = (block[0] & 1) ? block[3] : -1;
  }
  return skip_gif_sub_blocks(reader);
}

// Image descriptor, after the separator: left, top, width, height (u16le each), packed
// (bit 7 local table, bit 6 interlaced, bits 0-2 table size), then the local table.
bool read_image_descriptor(ByteReader& reader, const GifScreen& screen, GifFrame& frame) {
  frame.left = reader.u16le();
  frame.top = reader.u16le();
  frame.width = reader.u16le();
  frame.height = reader.u16le();
  const std::uint8_t packed = reader.u8();
  if (reader.failed()) return false;
  frame.interlaced = (packed & 0x40) != 0;
  if (packed & 0x80) {
    if (!read_colour_table(reader, packed & 7, frame.palette)) return false;
  } else {
    frame.palette = screen.has_global_palette ? screen.global_palette : grey_palette();
  }
  frame.min_code_size = reader.u8();
  return !reader.failed();
}

}  // namespace

bool skip_gif_sub_blocks(ByteReader& reader) {
  for (;;) {
    const std::uint8_t length = reader.u8();
    if (reader.failed() || !reader.skip(length)) return false;
    if (length == 0) return true;
  }
}

// Header "GIF87a" or "GIF89a"; logical screen descriptor: width, height (u16le), packed
// (bit 7 global table, bits 0-2 its size), background index, aspect ratio.
Result<GifScreen> read_gif_screen(Bytes bytes) {
  ByteReader reader(bytes);
  const Bytes signature = reader.take(6);
  GifScreen screen;
  screen.width = reader.u16le();
  screen.height = reader.u16le();
  const std::uint8_t packed = reader.u8();
  // The background index is not used: the canvas starts transparent and the picture box
  // composites it over its own background, so an index past the table does no harm.
  reader.skip(2);
  if (reader.failed()) return Error::truncated;
  if (signature[0] != 'G' || signature[1] != 'I' || signature[2] != 'F' || signature[3] != '8' ||
      (signature[4] != '7' && signature[4] != '9') || signature[5] != 'a')
    return Error::bad_header;
  if (screen.width == 0 || screen.height == 0) return Error::bad_header;
  if (!size_allowed(screen.width, screen.height)) return Error::too_large;
  screen.has_global_palette = (packed & 0x80) != 0;
  if (screen.has_global_palette && !read_colour_table(reader, packed & 7, screen.global_palette))
    return Error::truncated;
  screen.first_block = reader.pos();
  return screen;
}

Result<std::optional<GifFrame>> read_next_gif_frame(ByteReader& reader, const GifScreen& screen) {
  GifFrame frame;
  for (;;) {
    // Bytes that end between blocks, without a trailer, end the stream as the trailer would:
    // many writers and cut-short downloads leave it out, and every decoder shows the frames.
    if (reader.remaining() == 0) return std::optional<GifFrame>{};
    const std::uint8_t introducer = reader.u8();
    if (introducer == image_separator) {
      if (!read_image_descriptor(reader, screen, frame)) return Error::truncated;
      return std::optional<GifFrame>{frame};
    }
    if (introducer != extension_introducer) {
      // The trailer (0x3B), or a byte that starts no block: browsers stop there and show
      // what came before, and so do we.
      return std::optional<GifFrame>{};
    }
    const std::uint8_t label = reader.u8();
    // Application, comment and plain text extensions carry nothing we show.
    const bool ok = label == graphic_control_label ? read_graphic_control(reader, frame)
                                                   : skip_gif_sub_blocks(reader);
    if (!ok) return Error::truncated;
  }
}

}  // namespace picture
