// How much our engine costs over the codec libraries it wraps, on files like the ones a
// picture box is given: see docs/performance.md for the cases and the targets.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <string>

#include "bench/bare_decode.h"
#include "bench/bench_files.h"
#include "bench/ratio_reporter.h"
#include "picture/decode.h"
#include "picture/gif_animation.h"
#include "picture/prepare.h"

namespace {

using StillDecoder = picture::Result<picture::Image> (*)(picture::Bytes);
using BareDecoder = std::vector<std::uint8_t> (*)(picture::Bytes);

// The client size of the main window's picture box at its default size.
constexpr int box_width = 710, box_height = 390;
constexpr picture::Rgb box_background{255, 255, 255};

void skip_with(benchmark::State& state, const char* what, picture::Error error) {
  state.SkipWithError((std::string(what) + ": " + std::string(picture::to_string(error))).c_str());
}

// Every case is single-threaded; its CPU time is what it costs even when the machine is busy
// with other work, which real time is not.
void register_case(const std::string& name, std::function<void(benchmark::State&)> run) {
  benchmark::RegisterBenchmark(name.c_str(), std::move(run))
      ->Unit(benchmark::kMillisecond)
      ->MinTime(1.0);
}

// Bare library, our decoder alone, and our decoder followed by what a box write adds.
void register_still(const std::string& name, const bench::File& file, BareDecoder bare,
                    StillDecoder ours) {
  register_case(name + "/bare", [&file, bare](benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(bare(file).data());
  });
  register_case(name + "/decode", [&file, ours](benchmark::State& state) {
    for (auto _ : state) {
      auto image = ours(file);
      if (!image) return skip_with(state, "our decoder", image.error());
      benchmark::DoNotOptimize(image->pixels.data());
    }
  });
  register_case(name + "/decode+prepare", [&file, ours](benchmark::State& state) {
    for (auto _ : state) {
      auto image = ours(file);
      if (!image) return skip_with(state, "our decoder", image.error());
      picture::composite_over(*image, box_background);
      benchmark::DoNotOptimize(picture::stretch(*image, box_width, box_height).pixels.data());
    }
  });
}

// Every frame composed once, by giflib plus a compositor and by our player.
void register_animation(const std::string& name, const bench::File& file, int frames) {
  register_case(name + "/bare", [&file](benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(bench::bare_gif_last_frame(file).pixels.data());
  });
  register_case(name + "/decode", [&file, frames](benchmark::State& state) {
    for (auto _ : state) {
      auto animation = picture::GifAnimation::open(file);
      if (!animation) return skip_with(state, "GifAnimation::open", animation.error());
      for (int i = 1; i < frames; ++i) {
        if (const auto error = animation->advance()) return skip_with(state, "advance", *error);
      }
      benchmark::DoNotOptimize(animation->canvas().pixels.data());
    }
  });
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  static const bench::BenchFiles files = bench::make_bench_files();
  std::printf("files: photo %zu bytes, lobby %zu bytes (%s), screenshot %zu bytes, gif %zu bytes\n",
              files.photo_jpeg.size(), files.lobby_jpeg.size(), files.lobby_origin.c_str(),
              files.screenshot_png.size(), files.animation_gif.size());

  register_still("photo_jpeg", files.photo_jpeg, bench::bare_jpeg_to_rgb, picture::decode);
  register_still("lobby_jpeg", files.lobby_jpeg, bench::bare_jpeg_to_rgb, picture::decode);
  register_still("photo_jpeg_vs_rgba", files.photo_jpeg, bench::bare_jpeg_to_rgba, picture::decode);
  register_still("lobby_jpeg_vs_rgba", files.lobby_jpeg, bench::bare_jpeg_to_rgba, picture::decode);
  register_still("screenshot_png", files.screenshot_png, bench::bare_png_to_rgba,
                 picture::decode_png);
  register_animation("animation_gif", files.animation_gif, files.animation_frames);

  bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
