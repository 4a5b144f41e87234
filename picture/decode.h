// Bytes in, a still picture out: one pure function per format, and one that picks by the
// first bytes. A GIF gives its first frame here; gif_animation.h plays the rest.
#pragma once

#include "picture.h"

namespace picture {

Result<Image> decode(Bytes bytes);  // recognise, then the matching decoder

Result<Image> decode_bmp(Bytes bytes);
Result<Image> decode_jpeg(Bytes bytes);
Result<Image> decode_png(Bytes bytes);
Result<Image> decode_ico(Bytes bytes);  // ICO and CUR alike
Result<Image> decode_gif(Bytes bytes);  // the first frame over a transparent screen
Result<Image> decode_pcx(Bytes bytes);

}  // namespace picture
