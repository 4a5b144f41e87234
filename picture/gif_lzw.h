// GIF's variable-width LZW, decoding straight from the image data sub-blocks.
#pragma once

#include <cstdint>
#include <span>

#include "byte_reader.h"

namespace picture {

class LzwDecoder {
 public:
  enum class Status { running, finished, truncated, corrupt };

  // The format allows minimum code sizes 2..8 (see gif_lzw.cpp for 1 and 9..11).
  static bool min_code_size_allowed(int size) { return size >= 2 && size <= 8; }

  // Starts a frame: data stands at the first sub-block's length byte and must outlive the
  // decoding. min_code_size must be allowed.
  void start(ByteReader& data, int min_code_size);

  // Fills out with the next pixel indices; fewer than asked once the stream stops, then
  // status() says why (finished: end code or end of the sub-blocks).
  std::size_t read(std::span<std::uint8_t> out);
  Status status() const { return status_; }

  // Skips whatever sub-blocks are left up to and including the terminator; false when the
  // bytes end first.
  bool skip_rest();

 private:
  bool next_code(int& code);
  bool next_byte(std::uint8_t& byte);
  void reset_table();
  void decode_next();
  void push_string(int code);

  static constexpr int max_codes = 4096;

  ByteReader* data_ = nullptr;
  Bytes block_;
  std::size_t block_pos_ = 0;
  bool terminator_seen_ = false;
  bool cut_short_ = false;  // the bytes ended inside the current sub-block
  Status status_ = Status::finished;

  std::uint32_t bits_ = 0;
  int bit_count_ = 0;
  int min_code_size_ = 2;
  int clear_code_ = 4;
  int code_width_ = 3;
  int next_free_ = 6;
  int previous_ = -1;

  // One entry per code: the code it extends, the byte it adds, and its string's first byte.
  std::uint16_t prefix_[max_codes];
  std::uint8_t suffix_[max_codes];
  std::uint8_t first_[max_codes];
  // The current string, last byte at the bottom; popped from the top as pixels go out.
  std::uint8_t stack_[max_codes];
  int stack_top_ = 0;
};

}  // namespace picture
