// What every decoder promises about a picture it returns. A broken promise traps, so
// libFuzzer keeps the input as a finding just as it does for a sanitizer report.
#pragma once

#include <cstddef>

#include "picture/limits.h"
#include "picture/picture.h"

namespace fuzz {

inline void require(bool promise_kept) {
  if (!promise_kept) __builtin_trap();
}

// Within the size cap, and exactly width * height pixels behind it.
inline void check_image(const picture::Image& image) {
  require(picture::size_allowed(image.width, image.height));
  require(image.pixels.size() ==
          static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
}

inline void check_result(const picture::Result<picture::Image>& result) {
  if (result) check_image(*result);
}

}  // namespace fuzz
