#include "picture/decode.h"

namespace picture {

Result<Image> decode_pcx(Bytes) { return Error::unsupported; }

}  // namespace picture
