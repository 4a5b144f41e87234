#include <array>
#include <cstdint>
#include <vector>

#include "picture/byte_reader.h"
#include "picture/decode.h"
#include "picture/limits.h"

namespace picture {
namespace {

// PCX header (128 bytes): u8 manufacturer 0x0A, u8 version, u8 encoding (1 = RLE),
// u8 bits per pixel per plane, u16 xmin, ymin, xmax, ymax (inclusive), u16 horizontal and
// vertical dpi, 48 bytes 16-colour palette, u8 reserved, u8 plane count,
// u16 bytes per scan line of one plane (even, may exceed the width), u16 palette info,
// u16 screen width and height, 54 bytes filler. The RLE pixel data follows; version 5 files
// with 8 bits in 1 plane end with 0x0C and a 256-entry RGB palette (769 bytes).
struct PcxHeader {
  int bits = 0;
  int planes = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::size_t bytes_per_line = 0;
};

constexpr std::size_t header_size = 128;
constexpr std::size_t palette_block = 769;
constexpr std::uint8_t palette_marker = 0x0C;

Result<PcxHeader> read_header(Bytes bytes) {
  ByteReader r(bytes);
  r.skip(3);  // manufacturer, version, encoding: recognise() has checked them
  PcxHeader h;
  h.bits = r.u8();
  const int xmin = r.u16le();
  const int ymin = r.u16le();
  const int xmax = r.u16le();
  const int ymax = r.u16le();
  r.seek(65);
  h.planes = r.u8();
  h.bytes_per_line = r.u16le();
  if (!r.seek(header_size)) return Error::truncated;
  if (xmax < xmin || ymax < ymin) return Error::bad_header;
  h.width = xmax - xmin + 1;
  h.height = ymax - ymin + 1;
  return h;
}

enum class Layout { indexed8, rgb24, mono };

Result<Layout> layout_of(const PcxHeader& h) {
  if (h.bits == 8 && h.planes == 1) return Layout::indexed8;
  if (h.bits == 8 && h.planes == 3) return Layout::rgb24;
  if (h.bits == 1 && h.planes == 1) return Layout::mono;
  return Error::unsupported;  // 2- and 4-bit, planar EGA colour, 4-plane RGBA
}

// The run-length code spans the whole image: a run may carry on from the end of one scan
// line (or plane) into the next. Some decoders cut runs at line ends, but the encoding was
// defined over the plane data as one stream and writers do emit such runs, so we follow it.
class RunLengthReader {
 public:
  explicit RunLengthReader(Bytes data) : data_(data) {}

  bool fill(std::vector<std::uint8_t>& out) {
    for (std::uint8_t& byte : out) {
      if (run_ == 0 && !next_run()) return false;
      byte = value_;
      --run_;
    }
    return true;
  }

 private:
  bool next_run() {
    while (run_ == 0) {
      if (pos_ >= data_.size()) return false;
      const std::uint8_t b = data_[pos_++];
      if (b < 0xC0) {
        value_ = b;
        run_ = 1;
        continue;
      }
      if (pos_ >= data_.size()) return false;
      value_ = data_[pos_++];
      run_ = b & 0x3F;  // a count of 0 encodes nothing
    }
    return true;
  }

  Bytes data_;
  std::size_t pos_ = 0;
  std::size_t run_ = 0;
  std::uint8_t value_ = 0;
};

using Palette = std::array<Rgba, 256>;

bool has_trailing_palette(Bytes bytes) {
  return bytes.size() >= header_size + palette_block &&
         bytes[bytes.size() - palette_block] == palette_marker;
}

// Without the trailing palette the colours are undefined; a grey ramp at least shows the
// picture's shapes, and the choice is ours since nothing else in the file tells.
Palette trailing_palette(Bytes bytes) {
  Palette palette;
  const bool marked = has_trailing_palette(bytes);
  for (int i = 0; i < 256; ++i) {
    const auto g = static_cast<std::uint8_t>(i);
    palette[i] = {g, g, g, 255};
    if (!marked) continue;
    const auto* p = &bytes[bytes.size() - palette_block + 1 + 3 * i];
    palette[i] = {p[0], p[1], p[2], 255};
  }
  return palette;
}

// Mono files carry a two-entry EGA palette that writers fill inconsistently; 0 black and
// 1 white is what the format's monochrome mode means and what readers mostly show.
void convert_line(const std::vector<std::uint8_t>& line, const PcxHeader& h, Layout layout,
                  const Palette& palette, Rgba* out) {
  const auto bpl = h.bytes_per_line;
  for (int x = 0; x < h.width; ++x) {
    switch (layout) {
      case Layout::indexed8:
        out[x] = palette[line[x]];
        break;
      case Layout::rgb24:
        out[x] = {line[x], line[bpl + x], line[2 * bpl + x], 255};
        break;
      case Layout::mono: {
        const bool white = line[x / 8] >> (7 - x % 8) & 1;
        const std::uint8_t v = white ? 255 : 0;
        out[x] = {v, v, v, 255};
        break;
      }
    }
  }
}

}  // namespace

Result<Image> decode_pcx(Bytes bytes) {
  auto header = read_header(bytes);
  if (!header) return header.error();
  const PcxHeader& h = *header;
  auto layout = layout_of(h);
  if (!layout) return layout.error();
  if (!size_allowed(h.width, h.height)) return Error::too_large;
  // A scan line shorter than the picture cannot hold it.
  if (h.bytes_per_line < static_cast<std::size_t>((h.width * h.bits + 7) / 8))
    return Error::corrupt;
  auto image = allocate_image(static_cast<int>(h.width), static_cast<int>(h.height));
  if (!image) return image.error();

  const bool palette_at_end = *layout == Layout::indexed8 && has_trailing_palette(bytes);
  const std::size_t data_end = bytes.size() - (palette_at_end ? palette_block : 0);
  RunLengthReader runs(bytes.subspan(header_size, data_end - header_size));
  const Palette palette = trailing_palette(bytes);
  std::vector<std::uint8_t> line(h.bytes_per_line * h.planes);
  for (int y = 0; y < h.height; ++y) {
    if (!runs.fill(line)) return Error::truncated;
    convert_line(line, h, *layout, palette, &image->at(0, y));
  }
  return std::move(*image);
}

}  // namespace picture
