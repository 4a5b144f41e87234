// The GIF first-frame decoder, then the animation played through a bounded number of frames:
// most GIF faults sit in the later frames (disposal, restore-to-previous, frames that reach
// outside the screen), which the first frame alone never reaches.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz/image_promises.h"
#include "picture/decode.h"
#include "picture/gif_animation.h"

namespace {

// Enough to wrap round a short animation and to revisit restore-to-previous after a wrap.
constexpr int max_advances = 48;
// Each frame may touch the whole screen, and a 100-byte file can declare a 35-MP screen; past
// this many screen pixels in all, the input is played no further, so that it stays fast.
constexpr std::size_t max_pixels_played = 64'000'000;

void play(picture::GifAnimation& animation) {
  const int width = animation.canvas().width;
  const int height = animation.canvas().height;
  const std::size_t screen = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  const int advances =
      static_cast<int>(std::min<std::size_t>(max_advances, max_pixels_played / screen));
  for (int i = 0; i < advances; ++i) {
    const auto error = animation.advance();
    // The canvas keeps the screen's size, failed or not, and an error sticks.
    fuzz::require(animation.canvas().width == width && animation.canvas().height == height);
    fuzz::check_image(animation.canvas());
    if (error) {
      fuzz::require(animation.advance() == error);
      return;
    }
    fuzz::require(animation.delay_ms() > 0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const picture::Bytes bytes(data, size);
  fuzz::check_result(picture::decode_gif(bytes));

  auto animation = picture::GifAnimation::open(bytes);
  if (!animation) return 0;
  fuzz::check_image(animation->canvas());
  play(*animation);
  return 0;
}
