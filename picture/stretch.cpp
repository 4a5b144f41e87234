#include "picture/prepare.h"

namespace picture {

Image stretch(const Image& image, int, int) { return image; }

}  // namespace picture
