#include <gif_lib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "bench/bare_decode.h"

namespace bench {
namespace {

struct MemoryInput {
  picture::Bytes file;
  std::size_t pos = 0;
};

int read_from_memory(GifFileType* gif, GifByteType* out, int length) {
  auto* input = static_cast<MemoryInput*>(gif->UserData);
  const std::size_t n = std::min<std::size_t>(length, input->file.size() - input->pos);
  std::memcpy(out, input->file.data() + input->pos, n);
  input->pos += n;
  return static_cast<int>(n);
}

struct GifCloser {
  void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};

[[noreturn]] void fail(int error) {
  std::fprintf(stderr, "picture_bench: giflib failed: %s\n", GifErrorString(error));
  std::exit(1);
}

// The frame's rectangle clipped to the screen, as a loop over screen pixels.
template <class Visit>
void for_each_pixel_on_screen(const GifImageDesc& d, const picture::Image& screen, Visit visit) {
  for (int y = std::max(0, d.Top); y < std::min(screen.height, d.Top + d.Height); ++y)
    for (int x = std::max(0, d.Left); x < std::min(screen.width, d.Left + d.Width); ++x)
      visit(x, y, std::size_t(y - d.Top) * d.Width + (x - d.Left));
}

void draw(const GifFileType& gif, const SavedImage& frame, int transparent,
          picture::Image& screen) {
  const ColorMapObject* map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif.SColorMap;
  for_each_pixel_on_screen(frame.ImageDesc, screen, [&](int x, int y, std::size_t i) {
    const int index = frame.RasterBits[i];
    if (index == transparent || !map || index >= map->ColorCount) return;
    const GifColorType c = map->Colors[index];
    screen.at(x, y) = {c.Red, c.Green, c.Blue, 255};
  });
}

}  // namespace

picture::Image bare_gif_last_frame(picture::Bytes file) {
  MemoryInput input{file};
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&input, read_from_memory, &error));
  if (!gif) fail(error);
  if (DGifSlurp(gif.get()) != GIF_OK) fail(gif->Error);

  picture::Image screen{gif->SWidth, gif->SHeight,
                        std::vector<picture::Rgba>(std::size_t(gif->SWidth) * gif->SHeight)};
  picture::Image saved;
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& frame = gif->SavedImages[i];
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    DGifSavedExtensionToGCB(gif.get(), i, &control);
    if (control.DisposalMode == DISPOSE_PREVIOUS) saved = screen;
    draw(*gif, frame, control.TransparentColor, screen);
    if (i + 1 == gif->ImageCount) break;  // the last frame is the one shown
    if (control.DisposalMode == DISPOSE_BACKGROUND)
      for_each_pixel_on_screen(frame.ImageDesc, screen,
                               [&](int x, int y, std::size_t) { screen.at(x, y) = {}; });
    if (control.DisposalMode == DISPOSE_PREVIOUS) screen = saved;
  }
  return screen;
}

}  // namespace bench
