#include "picture/gif_lzw.h"

#include <algorithm>

namespace picture {

// Minimum code size: the format's table starts with 2^size literal codes plus clear and end.
// Size 1 is never written (two-colour pictures use 2), and 9..11 would leave the 12-bit table
// almost no room; both only come from broken or hostile files. Some decoders accept 1 since
// the arithmetic works; we refuse 1 and 9..11 as corrupt, like the out-of-range 0 and 12+.
void LzwDecoder::start(ByteReader& data, int min_code_size) {
  data_ = &data;
  block_ = {};
  block_pos_ = 0;
  terminator_seen_ = false;
  cut_short_ = false;
  status_ = Status::running;
  bits_ = 0;
  bit_count_ = 0;
  min_code_size_ = min_code_size;
  clear_code_ = 1 << min_code_size;
  for (int c = 0; c < clear_code_; ++c) {
    suffix_[c] = static_cast<std::uint8_t>(c);
    first_[c] = static_cast<std::uint8_t>(c);
  }
  stack_top_ = 0;
  reset_table();
}

void LzwDecoder::reset_table() {
  code_width_ = min_code_size_ + 1;
  next_free_ = clear_code_ + 2;
  previous_ = -1;
}

bool LzwDecoder::next_byte(std::uint8_t& byte) {
  if (block_pos_ == block_.size()) {
    const std::uint8_t length = cut_short_ ? 0 : data_->u8();
    if (cut_short_ || data_->failed()) {
      status_ = Status::truncated;
      return false;
    }
    if (length == 0) {
      // The terminator before an end code: the picture simply has no more data.
      terminator_seen_ = true;
      status_ = Status::finished;
      return false;
    }
    // A sub-block the file cuts short still gives the bytes it has; a partly downloaded
    // picture shows as far as it got.
    const std::size_t available = std::min<std::size_t>(length, data_->remaining());
    cut_short_ = available < length;
    block_ = data_->take(available);
    block_pos_ = 0;
    if (available == 0) return next_byte(byte);
  }
  byte = block_[block_pos_++];
  return true;
}

bool LzwDecoder::next_code(int& code) {
  while (bit_count_ < code_width_) {
    std::uint8_t byte;
    if (!next_byte(byte)) return false;
    bits_ |= std::uint32_t{byte} << bit_count_;
    bit_count_ += 8;
  }
  code = static_cast<int>(bits_ & ((1u << code_width_) - 1));
  bits_ >>= code_width_;
  bit_count_ -= code_width_;
  return true;
}

void LzwDecoder::push_string(int code) {
  while (code >= clear_code_) {
    stack_[stack_top_++] = suffix_[code];
    code = prefix_[code];
  }
  stack_[stack_top_++] = static_cast<std::uint8_t>(code);
}

void LzwDecoder::decode_next() {
  int code;
  if (!next_code(code)) return;
  if (code == clear_code_) return reset_table();
  if (code == clear_code_ + 1) {
    status_ = Status::finished;
    return;
  }
  if (previous_ < 0) {
    // Right after a clear only literals make sense; a first code without one is taken the
    // same way, as every decoder does (many encoders omit the leading clear).
    if (code > clear_code_) {
      status_ = Status::corrupt;
      return;
    }
    push_string(code);
    previous_ = code;
    return;
  }
  // A code may name an existing entry or the one about to be made; anything beyond is not
  // LZW. next_free_ == max_codes means the table is full: as browsers do, decoding goes on
  // with the table as it stands until a clear code, and nothing more is added.
  if (code > next_free_) {
    status_ = Status::corrupt;
    return;
  }
  if (next_free_ < max_codes) {
    const std::uint8_t added = code < next_free_ ? first_[code] : first_[previous_];
    prefix_[next_free_] = static_cast<std::uint16_t>(previous_);
    suffix_[next_free_] = added;
    first_[next_free_] = first_[previous_];
    ++next_free_;
    if (next_free_ == 1 << code_width_ && code_width_ < 12) ++code_width_;
  }
  push_string(code);
  previous_ = code;
}

std::size_t LzwDecoder::read(std::span<std::uint8_t> out) {
  std::size_t n = 0;
  const std::size_t size = out.size();
  while (n < size) {
    while (stack_top_ > 0 && n < size) out[n++] = stack_[--stack_top_];
    if (n == size || status_ != Status::running) break;
    decode_next();
  }
  return n;
}

bool LzwDecoder::skip_rest() {
  if (terminator_seen_) return true;
  if (status_ == Status::truncated) return false;
  for (;;) {
    const std::uint8_t length = data_->u8();
    if (data_->failed() || !data_->skip(length)) return false;
    if (length == 0) break;
  }
  terminator_seen_ = true;
  return true;
}

}  // namespace picture
