#include "picture/dib.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "picture/byte_reader.h"
#include "picture/limits.h"

namespace picture {
namespace {

// BITMAPCOREHEADER (12 bytes): u32 size, u16 width, u16 height, u16 planes, u16 bit count.
// BITMAPINFOHEADER and its successors (40, 52, 56, 108, 124 bytes; OS/2 2.x writes any length
// from 16 to 64 with the same leading fields): u32 size, i32 width, i32 height (negative:
// rows run top-down), u16 planes, u16 bit count, u32 compression, u32 image size,
// i32 x and y pixels per metre, u32 colours used, u32 colours important; from 52 bytes
// u32 red, green, blue masks; from 56 bytes u32 alpha mask; V4/V5 colour-space fields after
// that play no part here. Fields past a short header's end read as zero.
struct DibHeader {
  std::uint32_t size = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint16_t planes = 0;
  std::uint16_t bits = 0;
  std::uint32_t compression = 0;
  std::uint32_t colours_used = 0;
  std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha
  bool core = false;
};

constexpr std::uint32_t bi_rgb = 0;
constexpr std::uint32_t bi_bitfields = 3;
constexpr std::uint32_t bi_alphabitfields = 6;
constexpr std::size_t largest_header = 124;

bool header_size_known(std::uint32_t size) {
  return size == 12 || (size >= 16 && size <= 64) || size == 108 || size == 124;
}

// Only Windows headers give compression 3 the meaning "bit fields"; OS/2 2.x uses it for
// Huffman coding, which is refused along with every other compression.
bool windows_header(std::uint32_t size) {
  return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

Result<DibHeader> read_header(Bytes bytes, std::size_t pos) {
  ByteReader sizer(bytes, pos);
  DibHeader h;
  h.size = sizer.u32le();
  if (sizer.failed()) return Error::truncated;
  if (!header_size_known(h.size)) return Error::bad_header;
  const Bytes stored = sizer.take(h.size - 4);
  if (sizer.failed()) return Error::truncated;
  std::array<std::uint8_t, largest_header> padded{};
  std::copy(stored.begin(), stored.end(), padded.begin());
  ByteReader r(padded);
  h.core = h.size == 12;
  if (h.core) {
    h.width = r.u16le();
    h.height = r.u16le();
    h.planes = r.u16le();
    h.bits = r.u16le();
    return h;
  }
  h.width = r.i32le();
  h.height = r.i32le();
  h.planes = r.u16le();
  h.bits = r.u16le();
  h.compression = r.u32le();
  r.skip(12);  // image size, pixels per metre
  h.colours_used = r.u32le();
  r.skip(4);  // colours important
  for (auto& mask : h.masks) mask = r.u32le();
  if (h.size == 40) {
    // A 40-byte header keeps its bit-field masks in the 12 (or, with alpha, 16) bytes after it.
    const int stored = h.compression == bi_bitfields        ? 3
                       : h.compression == bi_alphabitfields ? 4
                                                            : 0;
    for (int i = 0; i < stored; ++i) h.masks[i] = sizer.u32le();
    if (sizer.failed()) return Error::truncated;
  }
  return h;
}

// A 32-bit bit-field bitmap laid out exactly like BI_RGB is uncompressed in all but name.
bool standard_masks(const std::array<std::uint32_t, 4>& m) {
  return m[0] == 0x00FF0000 && m[1] == 0x0000FF00 && m[2] == 0x000000FF &&
         (m[3] == 0 || m[3] == 0xFF000000);
}

// Bytes of masks stored between a 40-byte header and the palette.
std::size_t trailing_mask_bytes(const DibHeader& h) {
  if (h.size != 40) return 0;
  if (h.compression == bi_bitfields) return 12;
  if (h.compression == bi_alphabitfields) return 16;
  return 0;
}

std::optional<Error> check_pixel_format(const DibHeader& h) {
  if (h.planes != 1) return Error::bad_header;
  if (h.compression == bi_rgb) {
    // 2 bits per pixel (Windows CE) unpacks exactly like 1 and 4, so it costs nothing.
    const bool known =
        h.bits == 1 || h.bits == 2 || h.bits == 4 || h.bits == 8 || h.bits == 24 || h.bits == 32;
    return known ? std::nullopt : std::optional{Error::unsupported};
  }
  if ((h.compression == bi_bitfields || h.compression == bi_alphabitfields) &&
      windows_header(h.size) && h.bits == 32 && standard_masks(h.masks))
    return std::nullopt;
  return Error::unsupported;  // RLE, 16-bit, other masks, embedded JPEG or PNG
}

struct Palette {
  std::vector<Rgba> colours;
  std::size_t end = 0;  // where the bytes after the palette start
};

// How many palette entries the file has. A header that names no count (0, or the OS/2 core
// header, which has no field for it) means a full palette, but writers often store fewer
// and start the rows straight after: the pixel offset then bounds the palette.
std::size_t palette_entries(const DibHeader& h, std::size_t pos, std::size_t entry,
                            std::optional<std::size_t> pixels_pos) {
  if (h.colours_used) return h.colours_used;
  const std::size_t full = std::size_t{1} << h.bits;
  if (!pixels_pos || *pixels_pos < pos) return full;
  return std::min(full, (*pixels_pos - pos) / entry);
}

// The header may declare more colours than the bits can index (bmpsuite's pal8oversizepal):
// every declared entry must be in the file, but only the indexable ones are kept. A count
// that runs past the end of the file is a broken header, not a short palette.
Result<Palette> read_palette(Bytes bytes, std::size_t pos, const DibHeader& h,
                             std::optional<std::size_t> pixels_pos) {
  Palette p;
  p.end = pos;
  if (h.bits > 8) return p;
  const std::size_t entry = h.core ? 3 : 4;  // B, G, R (, reserved)
  const std::size_t declared = palette_entries(h, pos, entry, pixels_pos);
  const auto length = checked_mul(declared, entry);
  const auto end = length ? checked_add(pos, *length) : std::nullopt;
  if (!end || *end > bytes.size()) return Error::bad_header;
  const std::size_t kept = std::min(declared, std::size_t{1} << h.bits);
  ByteReader r(bytes, pos);
  for (std::size_t i = 0; i < kept; ++i) {
    const Bytes c = r.take(entry);
    p.colours.push_back({c[2], c[1], c[0], 255});
  }
  p.end = *end;
  return p;
}

std::size_t row_stride(std::int64_t width, int bits) {
  return static_cast<std::size_t>((width * bits + 31) / 32 * 4);
}

// An index past the palette is black, opaque: the format leaves it undefined, and black
// is what most viewers show.
Rgba palette_colour(const std::vector<Rgba>& palette, unsigned index) {
  return index < palette.size() ? palette[index] : Rgba{0, 0, 0, 255};
}

void convert_row(Bytes row, const DibHeader& h, const std::vector<Rgba>& palette, Rgba* out) {
  const int width = static_cast<int>(h.width);
  if (h.bits <= 8) {
    const unsigned per_byte = 8 / h.bits;
    const unsigned mask = (1u << h.bits) - 1;
    for (int x = 0; x < width; ++x) {
      const unsigned shift = 8 - h.bits * (x % per_byte + 1);
      out[x] = palette_colour(palette, row[x / per_byte] >> shift & mask);
    }
    return;
  }
  const int step = h.bits / 8;
  for (int x = 0; x < width; ++x) {
    const auto* p = &row[static_cast<std::size_t>(x) * step];
    // Alpha comes from the fourth byte; the callers decide whether it means anything.
    out[x] = {p[2], p[1], p[0], step == 4 ? p[3] : std::uint8_t{255}};
  }
}

struct Layout {
  int width = 0;
  int height = 0;
  bool top_down = false;
};

Result<Layout> image_layout(const DibHeader& h, bool icon) {
  std::int64_t height = h.height < 0 ? -h.height : h.height;
  if (icon) height /= 2;  // the XOR image and the AND mask share the stored height
  if (h.width <= 0 || height == 0) return Error::bad_header;
  if (!size_allowed(h.width, height)) return Error::too_large;
  return Layout{static_cast<int>(h.width), static_cast<int>(height), h.height < 0};
}

int source_row(const Layout& l, int y) { return l.top_down ? y : l.height - 1 - y; }

Image read_rows(Image image, Bytes rows, const DibHeader& h, const Layout& l,
                const std::vector<Rgba>& palette) {
  const std::size_t stride = row_stride(l.width, h.bits);
  for (int y = 0; y < l.height; ++y) {
    const auto row = rows.subspan(static_cast<std::size_t>(source_row(l, y)) * stride, stride);
    convert_row(row, h, palette, &image.at(0, y));
  }
  return image;
}

bool any_alpha(const Image& image) {
  return std::any_of(image.pixels.begin(), image.pixels.end(), [](Rgba p) { return p.a != 0; });
}

// AND mask: 1 bit a pixel, rows padded to 4 bytes, same row order as the XOR image; a set
// bit makes the pixel transparent (the screen shows through or is inverted; we show through).
// A masked pixel's colour means nothing, so it becomes transparent black.
std::optional<Error> apply_and_mask(Image& image, Bytes bytes, std::size_t pos, const Layout& l) {
  const std::size_t stride = row_stride(l.width, 1);
  ByteReader r(bytes, pos);
  const Bytes mask = r.take(stride * l.height);
  if (r.failed()) return Error::truncated;
  for (int y = 0; y < l.height; ++y) {
    const auto row = mask.subspan(static_cast<std::size_t>(source_row(l, y)) * stride);
    for (int x = 0; x < l.width; ++x) {
      Rgba& p = image.at(x, y);
      if (row[x / 8] >> (7 - x % 8) & 1)
        p = {0, 0, 0, 0};
      else
        p.a = 255;
    }
  }
  return std::nullopt;
}

}  // namespace

Result<Image> decode_dib(const DibSource& s) {
  auto header = read_header(s.bytes, s.header_pos);
  if (!header) return header.error();
  const DibHeader& h = *header;
  if (auto e = check_pixel_format(h)) return *e;
  auto layout = image_layout(h, s.icon);
  if (!layout) return layout.error();
  const std::size_t header_end = s.header_pos + h.size;
  auto palette = read_palette(s.bytes, header_end + trailing_mask_bytes(h), h, s.pixels_pos);
  if (!palette) return palette.error();

  ByteReader r(s.bytes);
  if (!r.seek(s.pixels_pos.value_or(palette->end))) return Error::truncated;  // offset past end
  const std::size_t xor_size = row_stride(layout->width, h.bits) * layout->height;
  const Bytes rows = r.take(xor_size);
  if (r.failed()) return Error::truncated;
  auto image = allocate_image(layout->width, layout->height);
  if (!image) return image.error();
  Image result = read_rows(std::move(*image), rows, h, *layout, palette->colours);
  if (!s.icon) {
    // Files: a 32-bit BI_RGB pixel's fourth byte is "reserved", and many writers leave
    // garbage there, so it is never alpha; bit-field files are shown opaque alike.
    for (Rgba& p : result.pixels) p.a = 255;
    return result;
  }
  // Icons: 32-bit entries carry their own alpha. An entry whose alpha is zero everywhere was
  // written by a tool that knew nothing of alpha; showing it invisible would be wrong, so
  // the AND mask decides, as it does for every shallower entry.
  if (h.bits == 32 && any_alpha(result)) return result;
  if (auto e = apply_and_mask(result, s.bytes, r.pos(), *layout)) return *e;
  return result;
}

}  // namespace picture
