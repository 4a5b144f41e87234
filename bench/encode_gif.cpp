#include <gif_lib.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bench/encode.h"

namespace bench {
namespace {

[[noreturn]] void fail(int error) {
  std::fprintf(stderr, "picture_bench: giflib cannot write the sample: %s\n",
               GifErrorString(error));
  std::exit(1);
}

void check(int giflib_status, const GifFileType* gif) {
  if (giflib_status != GIF_OK) fail(gif->Error);
}

int append_to_file(GifFileType* gif, const GifByteType* bytes, int length) {
  auto* file = static_cast<File*>(gif->UserData);
  file->insert(file->end(), bytes, bytes + length);
  return length;
}

struct ColourMapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

std::unique_ptr<ColorMapObject, ColourMapDeleter> colour_map(const IndexedAnimation& animation) {
  GifColorType colours[256];
  for (int i = 0; i < 256; ++i)
    colours[i] = {animation.palette[i].r, animation.palette[i].g, animation.palette[i].b};
  return std::unique_ptr<ColorMapObject, ColourMapDeleter>(GifMakeMapObject(256, colours));
}

// NETSCAPE2.0 application extension: loop forever.
void put_loop_forever(GifFileType* gif) {
  static const GifByteType name[] = "NETSCAPE2.0";
  static const GifByteType loop_forever[] = {1, 0, 0};
  check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), gif);
  check(EGifPutExtensionBlock(gif, 11, name), gif);
  check(EGifPutExtensionBlock(gif, 3, loop_forever), gif);
  check(EGifPutExtensionTrailer(gif), gif);
}

void put_frame(GifFileType* gif, const IndexedFrame& frame) {
  GraphicsControlBlock control{frame.disposal, false, frame.delay_cs, frame.transparent_index};
  GifByteType extension[4];
  const auto length = static_cast<int>(EGifGCBToExtension(&control, extension));
  check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, extension), gif);
  check(EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, false, nullptr),
        gif);
  for (int y = 0; y < frame.height; ++y) {
    auto* row = const_cast<GifPixelType*>(&frame.indices[std::size_t(y) * frame.width]);
    check(EGifPutLine(gif, row, frame.width), gif);
  }
}

}  // namespace

File encode_gif(const IndexedAnimation& animation) {
  File file;
  int error = 0;
  GifFileType* gif = EGifOpen(&file, append_to_file, &error);
  if (!gif) fail(error);
  EGifSetGifVersion(gif, true);
  const auto map = colour_map(animation);
  check(EGifPutScreenDesc(gif, animation.width, animation.height, 8, 0, map.get()), gif);
  put_loop_forever(gif);
  for (const IndexedFrame& frame : animation.frames) put_frame(gif, frame);
  // Closing writes the trailer and frees the handle whatever the outcome.
  if (EGifCloseFile(gif, &error) != GIF_OK) fail(error);
  return file;
}

}  // namespace bench
