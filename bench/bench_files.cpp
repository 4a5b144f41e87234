#include "bench/bench_files.h"

#include <fstream>
#include <iterator>

#include "bench/sample_animation.h"
#include "bench/sample_pictures.h"

namespace bench {
namespace {

constexpr int animation_frame_count = 60;

// The built-in lobby picture as shipped, when the checkout has it.
bool read_lobby(File& out) {
  std::ifstream in(XPX_LOBBY_JPEG, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !out.empty();
}

}  // namespace

BenchFiles make_bench_files() {
  BenchFiles files;
  files.photo_jpeg = encode_jpeg(photo_like(4000, 3000), 90, Chroma::subsampled_420);
  if (read_lobby(files.lobby_jpeg)) {
    files.lobby_origin = XPX_LOBBY_JPEG;
  } else {
    files.lobby_jpeg = encode_jpeg(photo_like(960, 540), 90, Chroma::full_444);
    files.lobby_origin = "generated 960x540, 4:4:4 (no assets/lobby.jpg)";
  }
  files.screenshot_png = encode_png(screenshot_like(1440, 3200));
  files.animation_gif = encode_gif(animation_like(480, 270, animation_frame_count));
  files.animation_frames = animation_frame_count;
  return files;
}

}  // namespace bench
