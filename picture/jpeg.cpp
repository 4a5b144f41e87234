#include "picture/decode.h"

namespace picture {

Result<Image> decode_jpeg(Bytes) { return Error::unsupported; }

}  // namespace picture
