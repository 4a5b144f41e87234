// The one size cap of every decoder, and arithmetic on header fields that cannot overflow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

#include "picture.h"

namespace picture {

// Every real phone screenshot and 50-megapixel photo fits; decompression bombs do not.
inline constexpr int max_side = 16384;
inline constexpr std::uint64_t max_pixels = 64'000'000;

// Checks a picture's size before anything is allocated for it.
inline bool size_allowed(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= max_side && height <= max_side &&
         static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) <= max_pixels;
}

// a * b, or nothing when the product does not fit in size_t.
inline std::optional<std::size_t> checked_mul(std::size_t a, std::size_t b) {
  if (b != 0 && a > std::numeric_limits<std::size_t>::max() / b) return std::nullopt;
  return a * b;
}

inline std::optional<std::size_t> checked_add(std::size_t a, std::size_t b) {
  if (a > std::numeric_limits<std::size_t>::max() - b) return std::nullopt;
  return a + b;
}

// An image of the given size, every pixel transparent black; too_large past the cap or when
// the memory cannot be had.
Result<Image> allocate_image(int width, int height);

}  // namespace picture
