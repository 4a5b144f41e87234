// Turns a decoded picture into the bitmap a picture box blits at every paint: composited over
// the box's background and stretched to its client size, once per write.
#pragma once

#include "app/unique_handle.h"
#include "picture/picture.h"
#include "picture/prepare.h"

namespace xpx {

// Null when the client area is empty or the bitmap cannot be made.
UniqueBitmap make_box_bitmap(const picture::Image& image, picture::Rgb background, int width,
                             int height);

}  // namespace xpx
