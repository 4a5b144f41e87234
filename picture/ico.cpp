#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "picture/byte_reader.h"
#include "picture/decode.h"
#include "picture/dib.h"
#include "picture/limits.h"

namespace picture {
namespace {

// ICONDIR (6 bytes): u16 reserved 0, u16 type (1 icon, 2 cursor), u16 entry count.
// ICONDIRENTRY (16 bytes each): u8 width, u8 height (0 means 256), u8 colour count,
// u8 reserved, u16 planes (cursor: hotspot x), u16 bit count (cursor: hotspot y),
// u32 size of the image data, u32 offset of the image data from the start of the file.
struct Entry {
  int width = 0;
  int height = 0;
  int bits = 0;
  std::uint32_t size = 0;
  std::uint32_t offset = 0;
};

constexpr std::size_t dir_header_size = 6;
constexpr std::size_t entry_size = 16;

int bits_of(std::uint8_t colour_count, std::uint16_t bit_count, bool cursor) {
  if (!cursor && bit_count != 0) return bit_count;
  // Cursors keep the hotspot where icons keep the depth; the colour count is all that says it.
  switch (colour_count) {
    case 2:
      return 1;
    case 16:
      return 4;
    default:
      return 0;
  }
}

Entry read_entry(ByteReader& r, bool cursor) {
  Entry e;
  const int w = r.u8();
  const int h = r.u8();
  e.width = w ? w : 256;
  e.height = h ? h : 256;
  const std::uint8_t colour_count = r.u8();
  r.skip(3);  // reserved, planes or hotspot x
  e.bits = bits_of(colour_count, r.u16le(), cursor);
  e.size = r.u32le();
  e.offset = r.u32le();
  return e;
}

// An entry is usable when its data lies wholly after the directory and inside the file.
bool entry_in_file(const Entry& e, std::size_t directory_end, std::size_t file_size) {
  const auto end = checked_add(e.offset, e.size);
  return e.size > 0 && e.offset >= directory_end && end && *end <= file_size;
}

// Largest first, then deepest; among equals the first in the directory.
bool looks_better(const Entry& a, const Entry& b) {
  const long area_a = static_cast<long>(a.width) * a.height;
  const long area_b = static_cast<long>(b.width) * b.height;
  if (area_a != area_b) return area_a > area_b;
  return a.bits > b.bits;
}

Result<Entry> best_entry(Bytes bytes) {
  ByteReader r(bytes);
  const std::uint16_t reserved = r.u16le();
  const std::uint16_t type = r.u16le();
  const std::uint16_t count = r.u16le();
  if (r.failed()) return Error::truncated;
  if (reserved != 0 || (type != 1 && type != 2) || count == 0) return Error::bad_header;
  const std::size_t directory_end = dir_header_size + entry_size * count;
  if (directory_end > bytes.size()) return Error::truncated;
  std::optional<Entry> best;
  for (int i = 0; i < count; ++i) {
    const Entry e = read_entry(r, type == 2);
    if (!entry_in_file(e, directory_end, bytes.size())) continue;
    if (!best || looks_better(e, *best)) best = e;
  }
  if (!best) return Error::corrupt;
  return *best;
}

bool is_png(Bytes data) {
  static constexpr std::uint8_t signature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  return data.size() >= sizeof signature && std::equal(signature, signature + 8, data.begin());
}

}  // namespace

// The directory's width, height and depth only choose the entry. When the embedded image
// says otherwise, its own header wins: it is what the pixels were written to, whereas a
// wrong directory is a common slip of icon editors (Pillow's hopper_unexpected.ico).
Result<Image> decode_ico(Bytes bytes) {
  auto entry = best_entry(bytes);
  if (!entry) return entry.error();
  const Bytes data = bytes.subspan(entry->offset, entry->size);
  if (is_png(data)) return decode_png(data);  // decode_png applies the same size cap
  return decode_dib({data, 0, std::nullopt, true});
}

}  // namespace picture
