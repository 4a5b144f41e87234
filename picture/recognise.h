// Which format some bytes are, told by their first bytes alone.
#pragma once

#include <optional>
#include <string_view>

#include "picture.h"

namespace picture {

enum class Format { bmp, jpeg, png, ico, cur, gif, pcx };

std::string_view to_string(Format);

// Nothing for fewer than 8 bytes or bytes that match no format.
std::optional<Format> recognise(Bytes bytes);

}  // namespace picture
