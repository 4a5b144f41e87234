#include "picture/gif_frame.h"

#include <algorithm>
#include <cstring>

namespace picture {
namespace {

// Interlaced frames send rows 0, 8, 16..., then 4, 12..., then 2, 6..., then 1, 3, 5...
int frame_row(const GifFrame& frame, int stream_row) {
  if (!frame.interlaced) return stream_row;
  const int h = frame.height;
  const int pass1 = (h + 7) / 8, pass2 = (h + 3) / 8, pass3 = (h + 1) / 4;
  if (stream_row < pass1) return stream_row * 8;
  stream_row -= pass1;
  if (stream_row < pass2) return 4 + stream_row * 8;
  stream_row -= pass2;
  if (stream_row < pass3) return 2 + stream_row * 4;
  return 1 + (stream_row - pass3) * 2;
}

std::optional<Error> lzw_error(LzwDecoder::Status status) {
  if (status == LzwDecoder::Status::corrupt) return Error::corrupt;
  if (status == LzwDecoder::Status::truncated) return Error::truncated;
  return std::nullopt;
}

void keep_visible_part(const GifFrame& frame, const GifClip& clip, int stream_row,
                       std::size_t count, GifFrameBuffers& buffers) {
  const int y = frame.top + frame_row(frame, stream_row);
  if (y < clip.y0 || y >= clip.y1) return;
  const int from = clip.x0 - frame.left;
  const int to = std::min(clip.x1 - frame.left, static_cast<int>(count));
  if (to <= from) return;
  std::memcpy(&buffers.visible[static_cast<std::size_t>(y - clip.y0) * clip.width()],
              &buffers.row[from], static_cast<std::size_t>(to - from));
}

}  // namespace

GifClip clip_gif_frame(const GifFrame& frame, int screen_width, int screen_height) {
  GifClip clip;
  clip.x0 = std::min(frame.left, screen_width);
  clip.y0 = std::min(frame.top, screen_height);
  clip.x1 = std::clamp(frame.left + frame.width, clip.x0, screen_width);
  clip.y1 = std::clamp(frame.top + frame.height, clip.y0, screen_height);
  return clip;
}

GifFramePixels decode_gif_frame(ByteReader& reader, const GifFrame& frame, const GifClip& clip,
                                GifFrameBuffers& buffers) {
  GifFramePixels pixels;
  if (!LzwDecoder::min_code_size_allowed(frame.min_code_size)) {
    pixels.error = Error::corrupt;
    return pixels;
  }
  // A zero-size frame draws nothing; its data, if any, is skipped unread.
  if (frame.width == 0 || frame.height == 0) {
    if (!skip_gif_sub_blocks(reader)) pixels.error = Error::truncated;
    return pixels;
  }
  buffers.row.resize(static_cast<std::size_t>(frame.width));
  buffers.visible.resize(static_cast<std::size_t>(clip.width()) * clip.height());
  buffers.lzw.start(reader, frame.min_code_size);
  for (int r = 0; r < frame.height; ++r) {
    const std::size_t got = buffers.lzw.read(buffers.row);
    keep_visible_part(frame, clip, r, got, buffers);
    pixels.decoded += got;
    if (got < buffers.row.size()) break;
  }
  pixels.error = lzw_error(buffers.lzw.status());
  // Data beyond the frame's last pixel is ignored unread, as browsers ignore it; data that
  // stops short leaves the rest of the frame undrawn (transparent, or the frame below).
  if (!pixels.error && !buffers.lzw.skip_rest()) pixels.error = Error::truncated;
  return pixels;
}

void draw_gif_frame(const GifFrame& frame, const GifClip& clip, const GifFramePixels& pixels,
                    const std::vector<std::uint8_t>& visible, Image& canvas) {
  if (clip.width() == 0 || clip.height() == 0) return;
  const auto w = static_cast<std::size_t>(frame.width);
  for (int r = 0; r < frame.height && static_cast<std::size_t>(r) * w < pixels.decoded; ++r) {
    const int y = frame.top + frame_row(frame, r);
    if (y < clip.y0 || y >= clip.y1) continue;
    const std::size_t in_row = std::min(w, pixels.decoded - static_cast<std::size_t>(r) * w);
    const int x_end = std::min(clip.x1, frame.left + static_cast<int>(in_row));
    const std::uint8_t* indices = &visible[static_cast<std::size_t>(y - clip.y0) * clip.width()];
    Rgba* out = &canvas.at(0, y);
    for (int x = clip.x0; x < x_end; ++x) {
      const std::uint8_t index = indices[x - clip.x0];
      if (index != frame.transparent_index) out[x] = frame.palette[index];
    }
  }
}

}  // namespace picture
