// The benchmark's files, written by the reference encoders from generated pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "bench/sample_animation.h"
#include "picture/picture.h"

namespace bench {

using File = std::vector<std::uint8_t>;

enum class Chroma { subsampled_420, full_444 };

File encode_jpeg(const picture::Image& image, int quality, Chroma chroma);  // alpha dropped
File encode_png(const picture::Image& image);                               // 8-bit RGBA
File encode_gif(const IndexedAnimation& animation);  // GIF89a, one global palette, looping

}  // namespace bench
