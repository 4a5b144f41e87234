#include "picture/decode.h"
#include "picture/gif_animation.h"

namespace picture {

Result<Image> decode_gif(Bytes) { return Error::unsupported; }

}  // namespace picture
