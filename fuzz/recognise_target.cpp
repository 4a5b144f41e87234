// The whole path a picture box takes with a file: recognise, decode, composite over the
// background, stretch to the box. Inputs of every format meet here, and so does a format
// recognised from bytes that belong to another.
#include <cstddef>
#include <cstdint>

#include "fuzz/image_promises.h"
#include "picture/decode.h"
#include "picture/prepare.h"
#include "picture/recognise.h"

namespace {

void check_stretch(const picture::Image& image, int width, int height) {
  const picture::Image out = picture::stretch(image, width, height);
  fuzz::require(out.width == width && out.height == height);
  fuzz::check_image(out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const picture::Bytes bytes(data, size);
  if (!picture::recognise(bytes)) return 0;

  auto decoded = picture::decode(bytes);
  if (!decoded) return 0;
  fuzz::check_image(*decoded);

  picture::composite_over(*decoded, {0x20, 0x40, 0x60});
  for (const picture::Rgba pixel : decoded->pixels) fuzz::require(pixel.a == 255);

  // A small box, shrinking both sides of most pictures, and a thin tall one that shrinks
  // one side and grows the other.
  check_stretch(*decoded, 71, 39);
  check_stretch(*decoded, 3, 200);
  return 0;
}
