// The files the benchmark decodes, made once before any timing starts.
#pragma once

#include <string>

#include "bench/encode.h"

namespace bench {

struct BenchFiles {
  File photo_jpeg;  // 4000x3000, quality 90, 4:2:0
  File lobby_jpeg;  // assets/lobby.jpg, or a generated 960x540 one at 4:4:4
  std::string lobby_origin;
  File screenshot_png;  // 1440x3200 RGBA
  File animation_gif;   // 480x270
  int animation_frames = 0;
};

BenchFiles make_bench_files();

}  // namespace bench
