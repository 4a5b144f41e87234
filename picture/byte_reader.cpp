#include "picture/byte_reader.h"

namespace picture {

bool ByteReader::need(std::size_t n) {
  if (failed_ || remaining() < n) {
    failed_ = true;
    return false;
  }
  return true;
}

std::uint8_t ByteReader::u8() {
  if (!need(1)) return 0;
  return bytes_[pos_++];
}

std::uint16_t ByteReader::u16le() {
  if (!need(2)) return 0;
  std::uint16_t v = bytes_[pos_] | bytes_[pos_ + 1] << 8;
  pos_ += 2;
  return v;
}

std::uint32_t ByteReader::u32le() {
  if (!need(4)) return 0;
  std::uint32_t v = std::uint32_t{bytes_[pos_]} | std::uint32_t{bytes_[pos_ + 1]} << 8 |
                    std::uint32_t{bytes_[pos_ + 2]} << 16 | std::uint32_t{bytes_[pos_ + 3]} << 24;
  pos_ += 4;
  return v;
}

std::uint16_t ByteReader::u16be() {
  if (!need(2)) return 0;
  std::uint16_t v = bytes_[pos_] << 8 | bytes_[pos_ + 1];
  pos_ += 2;
  return v;
}

std::uint32_t ByteReader::u32be() {
  if (!need(4)) return 0;
  std::uint32_t v = std::uint32_t{bytes_[pos_]} << 24 | std::uint32_t{bytes_[pos_ + 1]} << 16 |
                    std::uint32_t{bytes_[pos_ + 2]} << 8 | std::uint32_t{bytes_[pos_ + 3]};
  pos_ += 4;
  return v;
}

Bytes ByteReader::take(std::size_t n) {
  if (!need(n)) return {};
  Bytes out = bytes_.subspan(pos_, n);
  pos_ += n;
  return out;
}

bool ByteReader::skip(std::size_t n) {
  if (!need(n)) return false;
  pos_ += n;
  return true;
}

bool ByteReader::seek(std::size_t pos) {
  if (failed_ || pos > bytes_.size()) {
    failed_ = true;
    return false;
  }
  pos_ = pos;
  return true;
}

}  // namespace picture
