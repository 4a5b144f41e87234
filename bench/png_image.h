// libpng's simplified API handle, freed on every path, and its error report.
#pragma once

#include <png.h>

#include <cstdio>
#include <cstdlib>

namespace bench {

struct PngImage {
  png_image image{};
  PngImage() { image.version = PNG_IMAGE_VERSION; }
  ~PngImage() { png_image_free(&image); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
};

// The benchmark's files are its own; a libpng failure is a broken benchmark, so it ends.
inline void require_png(int libpng_status, const png_image& image) {
  if (libpng_status) return;
  std::fprintf(stderr, "picture_bench: libpng failed: %s\n", image.message);
  std::exit(1);
}

}  // namespace bench
