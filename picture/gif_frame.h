// One GIF frame's pixels: decoded into the part of the frame on the logical screen, then
// drawn onto the canvas only once the whole frame decoded.
#pragma once

#include <optional>
#include <vector>

#include "gif_format.h"
#include "gif_lzw.h"

namespace picture {

// The frame rectangle clipped to the screen, in screen coordinates, half-open.
struct GifClip {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  int width() const { return x1 - x0; }
  int height() const { return y1 - y0; }
};

GifClip clip_gif_frame(const GifFrame& frame, int screen_width, int screen_height);

// Scratch space kept from frame to frame so that no frame allocates.
struct GifFrameBuffers {
  LzwDecoder lzw;
  std::vector<std::uint8_t> row;      // one frame row
  std::vector<std::uint8_t> visible;  // clip width * clip height indices
};

struct GifFramePixels {
  std::size_t decoded = 0;  // pixels the data gave, in stream order
  std::optional<Error> error;
};

// Decodes the pixel data that follows frame's descriptor, leaving reader after its
// terminator.
GifFramePixels decode_gif_frame(ByteReader& reader, const GifFrame& frame, const GifClip& clip,
                                GifFrameBuffers& buffers);

// Draws the decoded pixels, all but the transparent index, onto canvas.
void draw_gif_frame(const GifFrame& frame, const GifClip& clip, const GifFramePixels& pixels,
                    const std::vector<std::uint8_t>& visible, Image& canvas);

}  // namespace picture
