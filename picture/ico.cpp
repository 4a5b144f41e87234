#include "picture/decode.h"

namespace picture {

Result<Image> decode_ico(Bytes) { return Error::unsupported; }

}  // namespace picture
