// Bounded little- and big-endian reads over a byte span. Reading past the end is an error
// the caller sees (Error::truncated), never a silent zero.
#pragma once

#include <cstdint>
#include <optional>

#include "picture.h"

namespace picture {

class ByteReader {
public:
  explicit ByteReader(Bytes bytes, std::size_t pos = 0) : bytes_(bytes), pos_(pos) {}

  std::size_t pos() const { return pos_; }
  std::size_t size() const { return bytes_.size(); }
  std::size_t remaining() const { return pos_ <= bytes_.size() ? bytes_.size() - pos_ : 0; }
  bool failed() const { return failed_; }

  // Each read returns 0 and marks the reader failed once the bytes run out; check failed()
  // (or use the optional-returning forms) before trusting a value.
  std::uint8_t u8();
  std::uint16_t u16le();
  std::uint32_t u32le();
  std::int32_t i32le() { return static_cast<std::int32_t>(u32le()); }
  std::uint16_t u16be();
  std::uint32_t u32be();
  Bytes take(std::size_t n);  // the next n bytes, or empty and failed
  bool skip(std::size_t n);
  bool seek(std::size_t pos);  // absolute; fails past the end

private:
  bool need(std::size_t n);

  Bytes bytes_;
  std::size_t pos_;
  bool failed_ = false;
};

}  // namespace picture
