#include "gif_writer.h"

#include <map>
#include <utility>

namespace picture::test {
namespace {

class BitWriter {
 public:
  void put(int code, int width) {
    bits_ |= static_cast<std::uint64_t>(code) << count_;
    count_ += width;
    while (count_ >= 8) {
      out_.push_back(static_cast<std::uint8_t>(bits_));
      bits_ >>= 8;
      count_ -= 8;
    }
  }
  std::vector<std::uint8_t> finish() {
    if (count_ > 0) out_.push_back(static_cast<std::uint8_t>(bits_));
    return out_;
  }

 private:
  std::vector<std::uint8_t> out_;
  std::uint64_t bits_ = 0;
  int count_ = 0;
};

// Mirrors the decoder's table: its size and code width as each code is read.
struct DecoderView {
  int min_code_size, clear, next = 0, width = 0, codes_since_clear = 0;
  explicit DecoderView(int size) : min_code_size(size), clear(1 << size) { reset(); }
  void reset() {
    next = clear + 2;
    width = min_code_size + 1;
    codes_since_clear = 0;
  }
  void after_code() {
    if (++codes_since_clear < 2 || next == 4096) return;
    ++next;
    if (next == (1 << width) && width < 12) ++width;
  }
};

void put_u16(std::vector<std::uint8_t>& out, int v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put_palette(std::vector<std::uint8_t>& out, const std::vector<Rgba>& palette) {
  for (const Rgba c : palette) out.insert(out.end(), {c.r, c.g, c.b});
}

int size_bits(std::size_t entries) {
  int bits = 0;
  while ((2u << bits) < entries) ++bits;
  return bits;
}

std::vector<std::uint8_t> stream_order(const GifFrameLayout& f) {
  if (!f.interlaced) return f.indices;
  std::vector<std::uint8_t> out;
  const std::pair<int, int> passes[] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};
  for (auto [start, step] : passes)
    for (int y = start; y < f.height; y += step)
      out.insert(out.end(), f.indices.begin() + y * f.width, f.indices.begin() + (y + 1) * f.width);
  return out;
}

void put_frame(std::vector<std::uint8_t>& out, const GifFrameLayout& f) {
  if (f.graphic_control) {
    const int packed = (f.disposal & 7) << 2 | (f.transparent_index >= 0 ? 1 : 0);
    out.insert(out.end(), {0x21, 0xF9, 4, static_cast<std::uint8_t>(packed)});
    put_u16(out, f.delay_cs);
    out.insert(out.end(), {static_cast<std::uint8_t>(std::max(f.transparent_index, 0)), 0});
  }
  out.push_back(0x2C);
  for (int v : {f.left, f.top, f.width, f.height}) put_u16(out, v);
  int packed = f.interlaced ? 0x40 : 0;
  if (!f.local_palette.empty()) packed |= 0x80 | size_bits(f.local_palette.size());
  out.push_back(static_cast<std::uint8_t>(packed));
  put_palette(out, f.local_palette);
  out.push_back(static_cast<std::uint8_t>(f.min_code_size));
  const auto data =
      f.lzw_data ? *f.lzw_data : lzw_encode(stream_order(f), {.min_code_size = f.min_code_size});
  const auto blocks = sub_blocks(data);
  out.insert(out.end(), blocks.begin(), blocks.end());
}

}  // namespace

std::vector<std::uint8_t> lzw_encode(const std::vector<std::uint8_t>& indices,
                                     const LzwOptions& options) {
  BitWriter bits;
  DecoderView view(options.min_code_size);
  std::map<std::pair<int, int>, int> table;
  int next_entry = view.clear + 2;
  auto clear = [&] {
    bits.put(view.clear, view.width);
    view.reset();
    table.clear();
    next_entry = view.clear + 2;
  };
  if (options.clear_first) clear();
  int current = -1;
  for (const std::uint8_t index : indices) {
    if (current < 0) {
      current = index;
      continue;
    }
    if (auto it = table.find({current, index}); it != table.end()) {
      current = it->second;
      continue;
    }
    bits.put(current, view.width);
    view.after_code();
    if (next_entry < 4096) {
      table[{current, index}] = next_entry++;
    } else if (options.clear_when_full) {
      clear();
    }
    current = index;
  }
  if (current >= 0) {
    bits.put(current, view.width);
    view.after_code();
  }
  if (options.end_code) bits.put(view.clear + 1, view.width);
  return bits.finish();
}

std::vector<std::uint8_t> pack_codes(const std::vector<int>& codes, int width) {
  BitWriter bits;
  for (int code : codes) bits.put(code, width);
  return bits.finish();
}

std::vector<std::uint8_t> sub_blocks(const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> out;
  for (std::size_t pos = 0; pos < data.size(); pos += 255) {
    const std::size_t n = std::min<std::size_t>(255, data.size() - pos);
    out.push_back(static_cast<std::uint8_t>(n));
    out.insert(out.end(), data.begin() + pos, data.begin() + pos + n);
  }
  out.push_back(0);
  return out;
}

std::vector<std::uint8_t> write_gif(const GifLayout& layout) {
  std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
  put_u16(out, layout.width);
  put_u16(out, layout.height);
  const int packed =
      layout.global_palette.empty() ? 0 : 0x80 | 0x70 | size_bits(layout.global_palette.size());
  out.insert(out.end(), {static_cast<std::uint8_t>(packed),
                         static_cast<std::uint8_t>(layout.background_index), 0});
  put_palette(out, layout.global_palette);
  for (const GifFrameLayout& frame : layout.frames) put_frame(out, frame);
  if (layout.trailer) out.push_back(0x3B);
  return out;
}

}  // namespace picture::test
