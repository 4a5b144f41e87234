#include "fixture.h"

namespace fixture {

ByteVector dib_bytes(const Dib& d) {
  ByteWriter w;
  w.u32le(d.header_size);
  if (d.header_size == 12) {
    w.u16le(static_cast<std::uint16_t>(d.width)).u16le(static_cast<std::uint16_t>(d.height));
    w.u16le(d.planes).u16le(d.bits);
  } else {
    w.i32le(d.width).i32le(d.height).u16le(d.planes).u16le(d.bits).u32le(d.compression);
    w.u32le(static_cast<std::uint32_t>(d.rows.size())).u32le(2835).u32le(2835);
    w.u32le(d.colours_used).u32le(0);
    if (d.header_size >= 52)
      for (std::uint32_t m : d.masks) w.u32le(m);
    w.fill(d.header_size - w.size(), 0);
    if (d.header_size == 40)
      for (std::uint32_t m : d.masks) w.u32le(m);
  }
  for (picture::Rgba c : d.palette) {
    w.u8(c.b).u8(c.g).u8(c.r);
    if (d.header_size != 12) w.u8(0);
  }
  return w.append(d.rows).bytes();
}

ByteVector bmp_file_with_offset(const Dib& d, std::uint32_t pixels_offset) {
  const ByteVector dib = dib_bytes(d);
  ByteWriter w;
  w.u8('B').u8('M').u32le(static_cast<std::uint32_t>(14 + dib.size())).u32le(0);
  w.u32le(pixels_offset);
  return w.append(dib).bytes();
}

ByteVector bmp_file(const Dib& d) {
  const auto rows_at = 14 + dib_bytes(d).size() - d.rows.size();
  return bmp_file_with_offset(d, static_cast<std::uint32_t>(rows_at));
}

ByteVector icon_file(std::uint16_t type, const std::vector<IconEntry>& entries) {
  ByteWriter w;
  w.u16le(0).u16le(type).u16le(static_cast<std::uint16_t>(entries.size()));
  auto offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
  for (const IconEntry& e : entries) {
    w.u8(e.width).u8(e.height).u8(0).u8(0).u16le(1).u16le(e.bits);
    w.u32le(e.size.value_or(static_cast<std::uint32_t>(e.data.size())));
    w.u32le(e.offset.value_or(offset));
    offset += static_cast<std::uint32_t>(e.data.size());
  }
  for (const IconEntry& e : entries) w.append(e.data);
  return w.bytes();
}

ByteVector pcx_file(const Pcx& p) {
  ByteWriter w;
  w.u8(0x0A).u8(p.version).u8(1).u8(p.bits);
  w.u16le(p.xmin).u16le(p.ymin).u16le(p.xmax).u16le(p.ymax).u16le(72).u16le(72);
  w.fill(48, 0).u8(0).u8(p.planes).u16le(p.bytes_per_line).u16le(1).fill(58, 0);
  w.append(p.data);
  if (p.palette) {
    w.u8(0x0C);
    for (picture::Rgba c : *p.palette) w.u8(c.r).u8(c.g).u8(c.b);
    w.fill(3 * (256 - p.palette->size()), 0);
  }
  return w.bytes();
}

ByteVector pcx_literals(std::initializer_list<std::uint8_t> values) {
  ByteWriter w;
  for (std::uint8_t v : values) {
    if (v >= 0xC0) w.u8(0xC1);
    w.u8(v);
  }
  return w.bytes();
}

}  // namespace fixture
