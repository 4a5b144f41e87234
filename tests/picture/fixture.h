// Byte-level fixtures for the decoder tests: a little-endian writer and builders for small
// BMP, DIB, ICO and PCX files whose every field the test chooses.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "picture/picture.h"

namespace fixture {

using ByteVector = std::vector<std::uint8_t>;

class ByteWriter {
 public:
  ByteWriter& u8(std::uint8_t v) {
    bytes_.push_back(v);
    return *this;
  }
  ByteWriter& u16le(std::uint16_t v) { return u8(v & 0xFF).u8(v >> 8); }
  ByteWriter& u32le(std::uint32_t v) { return u16le(v & 0xFFFF).u16le(v >> 16); }
  ByteWriter& i32le(std::int32_t v) { return u32le(static_cast<std::uint32_t>(v)); }
  ByteWriter& fill(std::size_t n, std::uint8_t v) {
    bytes_.insert(bytes_.end(), n, v);
    return *this;
  }
  ByteWriter& append(const ByteVector& b) {
    bytes_.insert(bytes_.end(), b.begin(), b.end());
    return *this;
  }
  std::size_t size() const { return bytes_.size(); }
  ByteVector& bytes() { return bytes_; }

 private:
  ByteVector bytes_;
};

// An info header (40 bytes and up: V4 108, V5 124; 12 writes the OS/2 core header), the
// optional masks after a 40-byte header, the palette (B, G, R, 0 per entry, or 3 bytes for
// the core header) and the rows exactly as given.
struct Dib {
  std::int32_t width = 1;
  std::int32_t height = 1;
  std::uint16_t bits = 24;
  std::uint32_t compression = 0;
  std::uint32_t header_size = 40;
  std::uint16_t planes = 1;
  std::uint32_t colours_used = 0;
  std::vector<picture::Rgba> palette;
  std::vector<std::uint32_t> masks;  // in the header from 52 bytes, else after it
  ByteVector rows;
};

ByteVector dib_bytes(const Dib& d);
ByteVector bmp_file(const Dib& d);  // a 14-byte file header whose offset points at the rows
ByteVector bmp_file_with_offset(const Dib& d, std::uint32_t pixels_offset);

struct IconEntry {
  std::uint8_t width = 0, height = 0;
  std::uint16_t bits = 0;
  ByteVector data;
  std::optional<std::uint32_t> offset;  // where the data is said to be; default: where it is
  std::optional<std::uint32_t> size;
};

ByteVector icon_file(std::uint16_t type, const std::vector<IconEntry>& entries);

struct Pcx {
  std::uint8_t version = 5;
  std::uint8_t bits = 8;
  std::uint8_t planes = 1;
  std::uint16_t xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  std::uint16_t bytes_per_line = 2;
  ByteVector data;                                    // already run-length coded
  std::optional<std::vector<picture::Rgba>> palette;  // written after 0x0C at the end
};

ByteVector pcx_file(const Pcx& p);

// Literal bytes, each a run of one (values from 0xC0 up need a run code).
ByteVector pcx_literals(std::initializer_list<std::uint8_t> values);

inline picture::Bytes view(const ByteVector& v) { return {v.data(), v.size()}; }

inline picture::Rgba opaque(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return {r, g, b, 255};
}

}  // namespace fixture
