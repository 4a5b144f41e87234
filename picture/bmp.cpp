#include "picture/decode.h"

namespace picture {

Result<Image> decode_bmp(Bytes) { return Error::unsupported; }

}  // namespace picture
