#include "picture/picture.h"

#include <new>

#include "picture/limits.h"

namespace picture {

std::string_view to_string(Error e) {
  switch (e) {
    case Error::truncated: return "truncated";
    case Error::bad_header: return "bad_header";
    case Error::unsupported: return "unsupported";
    case Error::too_large: return "too_large";
    case Error::corrupt: return "corrupt";
  }
  return "unknown";
}

Result<Image> allocate_image(int width, int height) {
  if (!size_allowed(width, height)) return Error::too_large;
  try {
    Image image{width, height, {}};
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    return image;
  } catch (const std::bad_alloc&) {
    return Error::too_large;
  }
}

}  // namespace picture
